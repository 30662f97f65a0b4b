#!/usr/bin/env bash
# Times the Win32 window's start under Wine and Xvfb, with the Wine server
# already running, beside the Qt window's start on Linux
# (scripts/window-start.sh): from main until the main window is shown and
# painted, and the whole process (Wine's loading of the program included),
# each the median of RUNS runs. Needs the build of scripts/windows-test.sh.
# Prints figures and asserts nothing.
#
#   scripts/bench-window-wine.sh [LINUX_BUILD] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

BUILD=build-windows
if [[ ${1:-} == --on-display ]]; then
  runs=$2
  exe="$PWD/$BUILD/bin/window_start.exe"
  "$WINESERVER" -p10 </dev/null >/dev/null 2>&1 || true
  "$WINE" "$exe" >/dev/null  # starts Wine's services and warms the file cache
  inside=() whole=()
  for _ in $(seq 1 "$runs"); do
    t0=$(date +%s%N)
    inside+=("$("$WINE" "$exe" | tr -d '\r')")
    t1=$(date +%s%N)
    whole+=("$(((t1 - t0) / 1000000))")
  done
  echo "Win32 window under Wine: main to window shown: $(printf '%s\n' "${inside[@]}" | median) ms," \
    "whole process: $(printf '%s\n' "${whole[@]}" | median) ms (median of $runs)"
  exit 0
fi

LINUX_BUILD=${1:-build}
RUNS=${2:-15}
source scripts/setup.sh
install_missing_packages xvfb xauth
[[ -f $BUILD/bin/window_start.exe ]] || {
  echo "bench-window-wine: run scripts/windows-test.sh first" >&2
  exit 2
}
export WINE=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver
export WINEPREFIX="$PWD/$BUILD/wine-prefix" WINEDEBUG=-all LC_ALL=C.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --on-display "$RUNS"
echo "Qt window on Linux:"
scripts/window-start.sh "$LINUX_BUILD" "$RUNS"
