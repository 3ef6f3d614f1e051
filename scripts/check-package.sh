#!/usr/bin/env bash
# Checks the Debian package as a new user's system meets it: in a clean Debian 12 root made by
# debootstrap (minbase; kept as a tar in build-package/ between runs, so only the first run
# downloads it), installs build-package/kalvenor_*.deb with apt-get, plays a scripted game with
# kalvenor-script, starts the desktop program under Xvfb with a saved game on its command line and
# quits it through kalvenor-command, then removes the package and finds nothing of it left behind.
# Network only to Debian's mirrors. Runs as root (or through sudo): debootstrap and chroot need it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh debootstrap imagemagick
build=build-package
shopt -s nullglob
packages=("$build"/kalvenor_*_amd64.deb)
if ((${#packages[@]} == 0)); then
  scripts/package.sh
  packages=("$build"/kalvenor_*_amd64.deb)
fi
package="${packages[0]}"
as_root=()
if ((EUID != 0)); then
  as_root=(sudo)
fi
mirror=http://deb.debian.org/debian
base="$build/debian12-minbase.tar"
root="$PWD/$build/check-root"

unmount() {
  for mount in dev/pts dev proc; do
    if mountpoint -q "$root/$mount"; then "${as_root[@]}" umount -l "$root/$mount"; fi
  done
}
trap unmount EXIT
unmount
"${as_root[@]}" rm -rf "$root"

if [[ ! -f "$base" ]]; then
  "${as_root[@]}" debootstrap --variant=minbase bookworm "$root" "$mirror"
  "${as_root[@]}" tar -C "$root" -cf "$base.part" .
  mv "$base.part" "$base"
else
  mkdir -p "$root"
  "${as_root[@]}" tar -C "$root" -xf "$base"
fi
"${as_root[@]}" mount --bind /dev "$root/dev"
"${as_root[@]}" mount --bind /dev/pts "$root/dev/pts"
"${as_root[@]}" mount -t proc proc "$root/proc"
# A player's PATH on Debian, with /usr/games.
in_root() { "${as_root[@]}" chroot "$root" env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin:/usr/games HOME=/root LANG=C.UTF-8 "$@"; }

# What the check itself needs, and what a desktop has that reads the package's metadata (the MIME
# database, the desktop entries, man), comes first, so that the comparison below sees only the
# package.
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  xvfb xauth x11-apps man-db shared-mime-info desktop-file-utils >/dev/null
snapshot() {
  in_root find / -xdev \( -path /proc -o -path /dev -o -path /tmp -o -path /root -o -path /var/cache \
    -o -path /var/lib/apt -o -path /var/lib/dpkg -o -path /var/log -o -path /run \) -prune -o -print | sort
}
snapshot > "$build/check-before.txt"

"${as_root[@]}" cp "$package" "$root/tmp/"
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$package")" >/dev/null
for program in kalvenor kalvenor-script kalvenor-command kalvenor-opening; do
  in_root sh -c "command -v $program >/dev/null" || { echo "not installed: $program" >&2; exit 1; }
done
in_root man -w kalvenor >/dev/null
in_root test -f /usr/share/applications/io.github.kalvenor.kalvenor.desktop
in_root grep -q '^60:application/x-kalvenor-saved-game:\*\.gd$' /usr/share/mime/globs2

# A scripted game: two people, First five down the first column.
printf 'command 102\n%s\nstate\n' "$(for cell in 0 8 1 9 2 10 3 11 4; do echo "click cell $cell"; done)" |
  in_root kalvenor-script > "$build/check-script.txt"
grep -q '"先手のプレイヤーの勝利です" -> ok' "$build/check-script.txt"
grep -q '^inProgress=0$' "$build/check-script.txt"

# The desktop program with a saved game on its command line, seen on Xvfb, then told to quit.
in_root kalvenor-opening 3 cpu-vs-cpu /tmp/opening3.gd
in_root sh -c '
  export XDG_RUNTIME_DIR=/tmp/runtime; mkdir -m 700 -p $XDG_RUNTIME_DIR
  Xvfb :7 -screen 0 1280x1024x24 -nolisten tcp & server=$!
  sleep 2
  DISPLAY=:7 kalvenor /tmp/opening3.gd 2>/tmp/kalvenor.err & game=$!
  sleep 5
  DISPLAY=:7 xwd -root -silent > /tmp/screen.xwd
  answer=$(kalvenor-command 255)
  wait $game; status=$?
  kill $server
  [ "$answer" = ok ] && [ $status -eq 0 ] || { echo "the desktop program: $answer, status $status" >&2; cat /tmp/kalvenor.err >&2; exit 1; }'
convert "xwd:$root/tmp/screen.xwd" "$build/check-desktop.png"

in_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq kalvenor >/dev/null
in_root env DEBIAN_FRONTEND=noninteractive apt-get autoremove --purge -y -qq >/dev/null
if in_root dpkg-query -W -f='${Status}\n' kalvenor 2>/dev/null | grep -qv 'not-installed'; then
  echo "apt-get remove left kalvenor in dpkg's list" >&2
  exit 1
fi
snapshot > "$build/check-after.txt"
if ! diff "$build/check-before.txt" "$build/check-after.txt"; then
  echo "the package left the files above behind" >&2
  exit 1
fi
echo "Package checked in a clean Debian 12: $package (screen: $build/check-desktop.png)"
