#!/usr/bin/env bash
# Installs what is missing, builds, starts the controller simulator on a fixed path and then
# the console; the simulator stops when the console exits.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages
configure_and_build

SIM_LINK=${SIM_LINK:-/tmp/corvan-sim}
"$BUILD_DIR/sim/corvan-sim" --link "$SIM_LINK" > "$BUILD_DIR/corvan-sim.log" 2>&1 &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null' EXIT
for _ in $(seq 50); do [ -e "$SIM_LINK" ] && break; sleep 0.1; done
echo "Simulated controller on $SIM_LINK (type it into \"COM Port\" and press Enter)"

"$BUILD_DIR/tunewright" "$@"
