#!/usr/bin/env bash
# Sets everything up, builds the desktop program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j "$(nproc)" --target kalvenor  # only the program it starts

program="$build/apps/kalvenor/kalvenor"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "There is no display to open a window on; run it under Xvfb instead: xvfb-run -a $program"
  exit 1
fi
exec "$program" "$@"
