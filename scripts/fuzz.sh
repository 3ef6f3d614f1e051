#!/usr/bin/env bash
# Fuzzes every target in fuzz/ with libFuzzer for SECONDS each (default 600), one after another:
# installs clang and its libFuzzer runtime, builds with every library instrumented and the
# sanitizers on (build-fuzz), and keeps the inputs found in build-fuzz/fuzz/TARGET_corpus.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
scripts/setup.sh clang libclang-rt-14-dev
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALVENOR_FUZZ=ON \
  -DKALVENOR_SANITIZE=ON -DKALVENOR_DESKTOP=OFF -DKALVENOR_BENCH=OFF
targets=(saved_game_fuzz game_play_fuzz)
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in "${targets[@]}"; do
  corpus="$PWD/fuzz/corpus/${target%_fuzz}"
  found="$PWD/$build/fuzz/${target}_corpus"
  mkdir -p "$found"
  "$build/fuzz/$target" -max_total_time="$seconds" -timeout=60 -print_final_stats=1 \
    -artifact_prefix="$PWD/$build/fuzz/$target-" "$found" "$corpus"
done
