#!/usr/bin/env bash
# Builds everything and starts the settings tool connected to a simulated
# KM-62RX logger, so it can be tried without hardware. With --network the
# simulator is reached over TCP, through a ser2net of its own on the
# loopback address, as a logger on another machine would be. Every other
# option goes to the simulator.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
install_missing_packages
configure_and_build build

network=0
sim_options=()
for option in "$@"; do
  if [[ $option == --network ]]; then
    network=1
  else
    sim_options+=("$option")
  fi
done

work=$(mktemp -d)
sim_log=$work/sim.out
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT

build/bin/km62rx-sim "${sim_options[@]}" >"$sim_log" &
sim_pid=$!
pids+=($sim_pid)

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

# True when something accepts connections on the loopback TCP port.
listening() {
  (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

if ((network)); then
  # A free loopback port for ser2net, which serves the simulator's terminal
  # there from a configuration of its own (never the system's).
  tcp_port=
  for _ in $(seq 20); do
    candidate=$((20000 + RANDOM % 20000))
    if ! listening $candidate; then
      tcp_port=$candidate
      break
    fi
  done
  [[ -n $tcp_port ]] || { echo "no free TCP port found for ser2net" >&2; exit 1; }
  cat >"$work/ser2net.yaml" <<YAML
connection: &km62rx
  accepter: tcp,127.0.0.1,$tcp_port
  connector: serialdev,$port,115200n82,local
  options:
    chardelay: false
YAML
  ser2net -n -c "$work/ser2net.yaml" -u >"$work/ser2net.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do
    listening $tcp_port && break
    sleep 0.1
  done
  if ! listening $tcp_port; then
    echo "ser2net did not start serving $port on 127.0.0.1:$tcp_port:" >&2
    cat "$work/ser2net.log" >&2
    exit 1
  fi
  port=socket://127.0.0.1:$tcp_port
  echo "Simulated KM-62RX behind ser2net on $port (the last port in the connect dialog's list)"
else
  echo "Simulated KM-62RX on $port (the last port in the connect dialog's list)"
fi
build/bin/km62rx-settings "$port"
