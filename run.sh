#!/usr/bin/env bash
# Builds everything and starts the settings tool connected to a simulated
# KM-62RX logger, so it can be tried without hardware.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
install_missing_packages
configure_and_build build

sim_log=$(mktemp)
build/bin/km62rx-sim "$@" >"$sim_log" &
sim_pid=$!
trap 'kill $sim_pid 2>/dev/null || true; rm -f "$sim_log"' EXIT

# The simulator prints its terminal's path as its first line, or ends at once
# (--help, or an option it does not know).
for _ in $(seq 50); do
  (($(wc -l <"$sim_log") > 0)) && break
  kill -0 $sim_pid 2>/dev/null || break
  sleep 0.1
done
port=$(head -n1 "$sim_log")
if [[ $port != /* ]]; then
  for _ in $(seq 20); do
    kill -0 $sim_pid 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 $sim_pid 2>/dev/null; then
    echo "km62rx-sim did not report its port" >&2
    exit 1
  fi
  status=0
  wait $sim_pid || status=$?
  cat "$sim_log"
  exit $status
fi
echo "Simulated KM-62RX on $port (the last port in the connect dialog's list)"
build/bin/km62rx-settings "$port"
