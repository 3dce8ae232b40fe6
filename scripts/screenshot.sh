#!/usr/bin/env bash
# Screenshot of the running console under Xvfb: scripts/screenshot.sh OUT.png [BINARY]
set -euo pipefail
out=${1:?usage: screenshot.sh OUT.png [binary]}
bin=${2:-$(dirname "$0")/../build/tunewright}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1024x700x24" bash -c "
    '$bin' & pid=\$!
    sleep \${SHOT_DELAY:-2}
    import -window root '$out'
    kill \$pid"
