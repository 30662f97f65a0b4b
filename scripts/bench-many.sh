#!/usr/bin/env bash
# Times "km62rx send" to one simulated logger against "send" to sixteen at
# once (each on its own worker thread), and the cost of the read-back that
# verifies a send. The simulators answer like a real logger, without
# answering the wake-up CR, so every connect waits out the wake-up as it
# does on the bench. Run by hand; prints figures and asserts nothing.
#
#   scripts/bench-many.sh [BUILD_DIR] [LOGGERS] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-build}
LOGGERS=${2:-16}
ROUNDS=${3:-3}
cmake --build "$BUILD_DIR" --target km62rx km62rx-sim >/dev/null
bin="$BUILD_DIR/bin"

work=$(mktemp -d)
sims=()
cleanup() {
  for pid in "${sims[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

for i in $(seq 1 "$LOGGERS"); do
  "$bin/km62rx-sim" >"$work/sim$i" &
  sims+=("$!")
done
ports=()
for i in $(seq 1 "$LOGGERS"); do
  for _ in $(seq 1 100); do
    [ -s "$work/sim$i" ] && break
    sleep 0.05
  done
  ports+=("$(head -n 1 "$work/sim$i")")
done
"$bin/km62rx" defaults >"$work/A.CFG"

# The median wall time, in seconds, of ROUNDS runs of km62rx with the given
# arguments; a run that fails stops the benchmark.
median_time() {
  local times=()
  for _ in $(seq 1 "$ROUNDS"); do
    local start end
    start=$(date +%s.%N)
    "$bin/km62rx" "$@" >/dev/null 2>"$work/err" || {
      cat "$work/err" >&2
      exit 1
    }
    end=$(date +%s.%N)
    times+=("$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", b - a }')")
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((ROUNDS + 1) / 2))p"
}

all=$(IFS=,; echo "${ports[*]}")
one=$(median_time send --port "${ports[0]}" "$work/A.CFG")
one_unverified=$(median_time send --no-verify --port "${ports[0]}" "$work/A.CFG")
many=$(median_time send --port "$all" "$work/A.CFG")

awk -v one="$one" -v bare="$one_unverified" -v many="$many" -v n="$LOGGERS" 'BEGIN {
  printf "send to 1 logger:               %6.3f s\n", one
  printf "send to 1 logger, --no-verify:  %6.3f s (verify costs %.3f s)\n", bare, one - bare
  printf "send to %d loggers at once:     %6.3f s\n", n, many
  printf "%d loggers against 1:           %6.2f x (goal: at most 2 x)\n", n, many / one
}'
