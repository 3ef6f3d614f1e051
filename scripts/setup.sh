#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs (only those missing), as root or through sudo;
# packages named as arguments are added to the list (scripts/fuzz.sh adds clang's).
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config clang-format git
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev libqt6svg6
  appstream desktop-file-utils shared-mime-info help2man man-db
  fonts-ipafont-gothic gettext qt6-translations-l10n
  xvfb xauth
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
as_root=()
if ((EUID != 0)); then
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
