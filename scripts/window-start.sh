#!/usr/bin/env bash
# Times the window's start under Xvfb: the benchmark's time from main until
# the main window is exposed, and the whole run of that process (loading the
# libraries, start, exit), each the median of RUNS runs. Run by hand; prints
# figures and asserts nothing.
#
#   scripts/window-start.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-build}
RUNS=${2:-15}
source scripts/setup.sh
install_missing_packages xvfb xauth
cmake --build "$BUILD_DIR" --target bench_window_start >/dev/null
bench="$BUILD_DIR/bin/bench_window_start"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

run() {
  local inside=() whole=()
  "$bench" >/dev/null  # warms the file cache
  for _ in $(seq 1 "$RUNS"); do
    local t0 t1
    t0=$(date +%s%N)
    inside+=("$("$bench")")
    t1=$(date +%s%N)
    whole+=("$(((t1 - t0) / 1000000))")
  done
  echo "main to window exposed: $(printf '%s\n' "${inside[@]}" | median) ms (median of $RUNS)"
  echo "whole process:          $(printf '%s\n' "${whole[@]}" | median) ms (median of $RUNS)"
}

export -f run median
export bench RUNS
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" bash -c run
