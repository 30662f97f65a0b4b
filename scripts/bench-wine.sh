#!/usr/bin/env bash
# Times a whole "km62rx send" (with its read-back) of the default settings
# file to the simulator: km62rx on Linux against km62rx.exe under Wine, the
# same simulator reached through a COM slot of Wine's. Each program's
# "--version" is timed too, and taken off its send, so that what is compared
# is the work of the send and not Wine's start-up; that start-up is printed
# on its own. Needs the builds of scripts/windows-test.sh (its prefix and COM
# slots). Prints medians; asserts nothing.
#
#   scripts/bench-wine.sh [LINUX_BUILD] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
LINUX_BUILD=${1:-build}
ROUNDS=${2:-15}
BUILD=build-windows
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
SLOT=COM26  # the last of the slots: the tests take them from the first
export WINEPREFIX="$PWD/$BUILD/wine-prefix" WINEDEBUG=-all LC_ALL=C.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
exe="$PWD/$BUILD/bin/km62rx.exe"
[[ -x $LINUX_BUILD/bin/km62rx && -f $exe ]] || {
  echo "bench-wine: build $LINUX_BUILD and run scripts/windows-test.sh first" >&2
  exit 2
}

work=$(mktemp -d)
sim=""
cleanup() {
  [[ -n $sim ]] && kill "$sim" 2>/dev/null
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
# One Wine server for the whole run, as the tests have it; it ends by itself
# ten seconds after the last program.
"$WINESERVER" -p10 </dev/null >/dev/null 2>&1 || true
"$WINE" cmd /c exit </dev/null >/dev/null 2>&1
"$LINUX_BUILD/bin/km62rx" defaults >"$work/A.CFG"
"$LINUX_BUILD/bin/km62rx-sim" --answer-wake --link "$BUILD/com-slots/$SLOT" >"$work/sim" &
sim=$!
for _ in $(seq 50); do [[ -s $work/sim ]] && break; sleep 0.1; done
pty=$(head -1 "$work/sim")

# Milliseconds one run of the command given took.
run_ms() {
  local start=$(date +%s%N)
  "$@" </dev/null >/dev/null 2>&1 || { echo "bench-wine: failed: $*" >&2; exit 1; }
  echo $((($(date +%s%N) - start) / 1000))
}
# The median of the numbers given (microseconds), in milliseconds.
median_ms() {
  printf '%s\n' "$@" | sort -n | awk '{t[NR] = $1} END {printf "%.2f", t[int((NR + 1) / 2)] / 1000}'
}

# Untimed rounds first, for three seconds: a Wine server just started is
# still starting its services.
warm_until=$((SECONDS + 3))
while ((SECONDS < warm_until)); do
  run_ms "$WINE" "$exe" send --port "$SLOT" "$work/A.CFG" >/dev/null
done
# The four commands in turn, round after round, so that a busy moment of
# the machine falls on all of them alike.
lv=() ls=() wv=() ws=()
for _ in $(seq "$ROUNDS"); do
  lv+=("$(run_ms "$LINUX_BUILD/bin/km62rx" --version)")
  ls+=("$(run_ms "$LINUX_BUILD/bin/km62rx" send --port "$pty" "$work/A.CFG")")
  wv+=("$(run_ms "$WINE" "$exe" --version)")
  ws+=("$(run_ms "$WINE" "$exe" send --port "$SLOT" "$work/A.CFG")")
done
linux_version=$(median_ms "${lv[@]}")
linux_send=$(median_ms "${ls[@]}")
wine_version=$(median_ms "${wv[@]}")
wine_send=$(median_ms "${ws[@]}")
awk -v lv="$linux_version" -v ls="$linux_send" -v wv="$wine_version" -v ws="$wine_send" 'BEGIN {
  printf "Linux: --version %.1f ms, send %.1f ms: the send'"'"'s work %.1f ms\n", lv, ls, ls - lv
  printf "Wine:  --version %.1f ms (Wine'"'"'s start-up), send %.1f ms: the send'"'"'s work %.1f ms\n", wv, ws, ws - wv
  printf "the send'"'"'s work under Wine / on Linux: %.2f (goal: at most 3)\n", (ws - wv) / (ls - lv)
}'
