#!/usr/bin/env bash
# Makes the Debian package build-package/kalvenor_VERSION_amd64.deb: a Release build under /usr
# with Debian's hardening flags and without the tests, benchmarks or -Werror of the developers'
# builds, packed by CPack's DEB generator, then checked: the files it must hold (dpkg-deb), no path
# of this machine's build inside a program, and lintian (no error; warnings in docs/packaging.md).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh dpkg-dev lintian file
build=build-package
# Every hardening Debian offers, binding included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# Given on the command line, so that a build folder configured before takes them too.
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DKALVENOR_GAME_BINDIR=games -DKALVENOR_TESTS=OFF -DKALVENOR_BENCH=OFF -DKALVENOR_WERROR=OFF
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/kalvenor_*.deb
(cd "$build" && cpack -G DEB)
package="$(ls "$build"/kalvenor_*_amd64.deb)"

contents="$build/package-contents"
rm -rf "$contents"
dpkg-deb --extract "$package" "$contents"
id=io.github.kalvenor.kalvenor
for file in usr/games/kalvenor usr/bin/kalvenor-script usr/bin/kalvenor-command usr/bin/kalvenor-opening \
  usr/share/applications/$id.desktop usr/share/icons/hicolor/scalable/apps/$id.svg \
  usr/share/metainfo/$id.metainfo.xml usr/share/mime/packages/$id.xml \
  usr/share/man/man6/kalvenor.6.gz usr/share/man/man1/kalvenor-script.1.gz \
  usr/share/man/man1/kalvenor-command.1.gz usr/share/man/man1/kalvenor-opening.1.gz \
  usr/share/doc/kalvenor/copyright usr/share/doc/kalvenor/changelog.gz; do
  [[ -f "$contents/$file" ]] || { echo "package.sh: the package lacks /$file" >&2; exit 1; }
done
dpkg-deb --field "$package" Depends | grep -q 'fonts-ipafont-gothic' ||
  { echo "package.sh: the package does not depend on the Japanese font" >&2; exit 1; }
if grep -rl --fixed-strings "$PWD" "$contents"; then
  echo "package.sh: the files above carry a path of this build" >&2
  exit 1
fi

# lintian's own remark about running as root (CI does) is not about the package.
report="$(lintian "$package" 2>&1 | grep -v '^running with root privileges' || true)"
[[ -z "$report" ]] || echo "$report"
if grep -q '^E:' <<<"$report"; then
  echo "package.sh: lintian reports an error" >&2
  exit 1
fi
echo "Package written: $package"
