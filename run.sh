#!/usr/bin/env bash
# Installs what is missing, builds, and starts Vellora on the sample book.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
tools/install-deps.sh "${VELLORA_BUILD_PACKAGES[@]}" "${VELLORA_RUN_PACKAGES[@]}"

cmake -S . -B build -DVELLORA_TESTS=OFF -DVELLORA_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)"

app=build/app/vellora
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Built $app, but no display is available to show its window." >&2
  echo "Start it under a virtual display instead:  xvfb-run -s '-screen 0 1024x768x24' ./run.sh" >&2
  exit 1
fi
exec "$app" "$@"
