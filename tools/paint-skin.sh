#!/usr/bin/env bash
# Repaints the default skin into content/Pic (needs Qt 6, fonts-noto-cjk and imagemagick).
# Commit the result: the normal build copies content/Pic and does not paint.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build -j2 --target vellora_paint_skin
