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
for _ in $(seq 50); do
  [[ -s $sim_log ]] && break
  sleep 0.1
done
port=$(head -n1 "$sim_log")
echo "Simulated KM-62RX on $port"
build/bin/km62rx-settings "$port"
