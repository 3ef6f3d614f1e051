#!/usr/bin/env bash
# The memory checks, which need a build without sanitizers (their allocators hold freed memory back
# on purpose): many games in the script driver and in the desktop window, whose peak resident
# memory must not keep growing; and the 200 kills of a script that keeps its game, quick there.
# Shares the Release build folder of scripts/play.sh and builds the checks it runs.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j "$(nproc)" --target memory_script_games memory_desktop_games kill_resume_test
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -L 'memory|plain'
