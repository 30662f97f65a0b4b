#!/usr/bin/env bash
# Draws the pictures of the Windows window for docs/ and the README: the main
# window on two pages and the connect dialog, in Japanese and in English at
# 96 DPI, and in Japanese at 150% (144 DPI), each taken from the screen under
# Wine and Xvfb by tests/wine/window_check.exe. Needs the build and the Wine
# prefix of scripts/windows-test.sh. Look at every picture before committing.
#
#   scripts/screenshots-windows.sh [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=build-windows
export WINE=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver
export WINEPREFIX="$PWD/$BUILD/wine-prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
exe="$PWD/$BUILD/bin/window_check.exe"
[[ -f $exe ]] || {
  echo "screenshots-windows: run scripts/windows-test.sh first" >&2
  exit 2
}

if [[ ${1:-} != --on-display ]]; then
  source scripts/setup.sh
  install_missing_packages xvfb xauth imagemagick
  exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" --on-display "$(realpath "${1:-docs}")"
fi
OUT=$2
work=$(mktemp -d)
trap 'rm -rf "$work"; "$WINESERVER" -k 2>/dev/null || true' EXIT

# The DPI Wine gives its programs, read when a program starts.
set_dpi() {
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    </dev/null >/dev/null 2>&1
}

# shoot LOCALE SUFFIX: the three pictures, named windows-*SUFFIX.png.
shoot() {
  local locale=$1 suffix=$2
  LC_ALL=$locale "$WINE" "$exe" COM3 \
    page 2 shot "Z:$work/data$suffix.bmp" \
    page 11 shot "Z:$work/timestamp$suffix.bmp" \
    click 400 shot "Z:$work/connect$suffix.bmp" click 411 >/dev/null
  for name in data timestamp connect; do
    convert "$work/$name$suffix.bmp" -strip "$OUT/windows-$name$suffix.png"
    echo "screenshots-windows: $OUT/windows-$name$suffix.png"
  done
}

set_dpi 96
shoot C.UTF-8 ""
shoot en_US.UTF-8 "-en"
set_dpi 144
shoot C.UTF-8 "-150"
set_dpi 96
