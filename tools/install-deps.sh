#!/usr/bin/env bash
# Installs the Debian packages given as arguments that are not installed yet.
# apt-get update runs only when an install fails on a stale or empty package list.
set -euo pipefail

missing=()
for pkg in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Need root (or sudo) to install: ${missing[*]}" >&2; exit 1; }
  sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
install() { "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; }
if ! install; then
  "${sudo_cmd[@]}" apt-get update -q
  install
fi
