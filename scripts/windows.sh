#!/usr/bin/env bash
# The Windows build, on this Debian machine: cross-builds the four programs with MinGW-w64, runs
# the tests under Wine (the desktop program's under Xvfb), makes
# build-windows/kalvenor-<version>-windows-x64.zip and checks the unpacked zip in a fresh Wine
# prefix. Installs what it needs first (only for this target).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh cmake ninja-build g++-mingw-w64-x86-64-posix googletest \
  wine wine64 fonts-wine fonts-ipafont-gothic xvfb xauth unzip

build=build-windows
jobs="$(nproc)"
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release

# The tests run in a prefix of the build's own.
export WINEDEBUG=-all
export WINEPREFIX="$PWD/$build/wine-prefix"
scripts/wine-prefix.sh

cmake --build "$build" -j "$jobs"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$build" --output-on-failure -j "$jobs"
cmake --build "$build" --target package

# The zip as a person on Windows gets it: unpacked, in a fresh prefix, the programs from it.
version="$(sed -n 's/^project(Kalvenor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
zip="$build/kalvenor-$version-windows-x64.zip"
unpacked="$build/unpacked"
rm -rf "$unpacked"
unzip -q "$zip" -d "$unpacked"
programs="$PWD/$unpacked/kalvenor-$version-windows-x64"
for program in kalvenor kalvenor-command kalvenor-script kalvenor-opening; do
  [[ -f "$programs/$program.exe" ]] || { echo "the zip lacks $program.exe" >&2; exit 1; }
done
for document in README.md LICENSE docs/playing.md; do
  [[ -f "$programs/$document" ]] || { echo "the zip lacks $document" >&2; exit 1; }
done

export WINEPREFIX="$PWD/$build/fresh-prefix"
rm -rf "$WINEPREFIX"
scripts/wine-prefix.sh
# The transcripts the test suite replays (tests/script/CMakeLists.txt).
for name in start_screen about_box two_person_win four_axes vs_cpu_guide nobody_can_move save_before_any_game; do
  transcript="$PWD/tests/script/golden/$name.txt"
  (cd "$build" && cmake "-DPROGRAM=$programs/kalvenor-script.exe" "-DEMULATOR=wine" "-DTRANSCRIPT=$transcript" \
    "-DWORK_DIR=$(dirname "$transcript")" -P ../tests/script/cli/check_transcript.cmake)
done
wine "$programs/kalvenor-opening.exe" 3 cpu first "$build/opening-3d.gd"
[[ "$(stat -c %s "$build/opening-3d.gd")" == 560 ]] || { echo "kalvenor-opening.exe wrote no game" >&2; exit 1; }
# The console programs above started Wine's server without a display; windows opened while it
# lingers would have none either. Let it end, so the desktop test starts one on Xvfb's display.
wineserver --wait
KALVENOR_PROGRAM="$programs/kalvenor.exe" KALVENOR_COMMAND_PROGRAM="$programs/kalvenor-command.exe" \
  xvfb-run -a -s "-screen 0 1280x1024x24" wine "$build/tests/win32/win32_desktop_test.exe"
echo "Windows build checked: $zip"
