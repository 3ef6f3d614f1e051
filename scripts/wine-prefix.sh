#!/usr/bin/env bash
# Makes a fresh Wine prefix ready for the Windows programs: WINEPREFIX=FOLDER scripts/wine-prefix.sh
# Japanese text needs a Japanese font: Debian's IPA Gothic (fonts-ipafont-gothic), which Wine finds
# through fontconfig, stands in for the Windows fonts "MS UI Gothic" (the program's controls) and
# "MS Gothic"; Wine's own dialog font links to "MS UI Gothic" for the characters it lacks.
# Marlett, the symbol font of the caption buttons (minimize, maximize, close), comes from Wine's own
# fonts (fonts-wine): a prefix without it shows letters on those buttons.
# Windows get the caption and frame that Windows draws, also where no window manager runs (Xvfb).
# A crash ends the program with a backtrace instead of opening Wine's crash dialog.
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX to the prefix folder}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  wineboot --init >/dev/null 2>&1 || true
  wineserver --wait
fi
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  echo "scripts/wine-prefix.sh: wineboot did not create the prefix $WINEPREFIX" >&2
  exit 1
fi

fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf \
  /usr/share/wine/fonts/marlett.ttf "$fonts/"

settings="$(mktemp --suffix=.reg)"
trap 'rm -f "$settings"' EXIT
cat >"$settings" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="IPAPGothic"
"MS Gothic"="IPAGothic"
"MS PGothic"="IPAPGothic"

; A program that crashes ends with its backtrace on the console: Wine's crash dialog would wait
; for a click that no test gives.
[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

; Windows draws its own caption and frame, as on Windows: under Xvfb no window manager would.
[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Decorated"="N"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts]
"IPAGothic (TrueType)"="ipag.ttf"
"IPAPGothic (TrueType)"="ipagp.ttf"
"Marlett (TrueType)"="marlett.ttf"
REG
wine regedit /S "$(winepath -w "$settings")" >/dev/null 2>&1
wineserver --wait
