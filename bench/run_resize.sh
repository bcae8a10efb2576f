#!/usr/bin/env bash
# Time from a resize of the frame to the table redrawn, every window at 200%, each step a new size,
# on a virtual display as the player's screen would draw it:
#   bench/run_resize.sh [STEPS]    (builds the bench preset first; one frame is 16 ms)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset bench >/dev/null
cmake --build --preset bench --target resize_bench >/dev/null
xvfb-run -a -s "-screen 0 2560x1600x24" build/bench/bench/resize_bench "${1:-40}"
