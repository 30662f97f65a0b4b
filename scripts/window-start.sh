#!/usr/bin/env bash
# Times the window's start under Xvfb: the benchmark's time from main until
# the main window is exposed, and the whole run of that process (loading the
# libraries, start, exit), each the median of RUNS runs. Run by hand; prints
# figures and asserts nothing.
#
#   scripts/window-start.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

if [[ ${1:-} == --on-display ]]; then
  bench=$2 runs=$3
  inside=() whole=()
  "$bench" >/dev/null  # warms the file cache
  for _ in $(seq 1 "$runs"); do
    t0=$(date +%s%N)
    inside+=("$("$bench")")
    t1=$(date +%s%N)
    whole+=("$(((t1 - t0) / 1000000))")
  done
  echo "main to window exposed: $(printf '%s\n' "${inside[@]}" | median) ms (median of $runs)"
  echo "whole process:          $(printf '%s\n' "${whole[@]}" | median) ms (median of $runs)"
  exit 0
fi

BUILD_DIR=${1:-build}
RUNS=${2:-15}
source scripts/setup.sh
install_missing_packages xvfb xauth
cmake --build "$BUILD_DIR" --target bench_window_start >/dev/null
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  bash "$0" --on-display "$(realpath "$BUILD_DIR/bin/bench_window_start")" "$RUNS"
