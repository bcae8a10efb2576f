#!/usr/bin/env bash
# Processor time the program spends while a window waits for the player: the menu, then each game
# opened by its menu key and left alone for a while (clocks ticking), under one Xvfb:
#   bench/idle_cpu.sh [SECONDS] [BINARY]    (default 10 seconds a window, the default build)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
binary=${2:-build/default/app/toatoa-games}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    set -euo pipefail
    seconds=$1 binary=$(realpath "$2") work=$3
    cd "$work"
    ticks() { awk "{print \$14 + \$15}" "/proc/$1/stat"; }
    hz=$(getconf CLK_TCK)
    "$binary" & pid=$!
    sleep 3
    measure() {
        local before after
        before=$(ticks "$pid"); sleep "$seconds"; after=$(ticks "$pid")
        awk -v t=$((after - before)) -v hz="$hz" -v s="$seconds" -v what="$1" \
            "BEGIN {printf \"%-20s %5.2f%% of a core (%d ticks in %d s)\n\", what, 100 * t / hz / s, t, s}"
    }
    measure "menu"
    for key in b g f r m n p y; do
        window=$(xdotool search --name "TOA-TOA Games - The Vozoredu Dora" | head -1)
        # No window manager: the menu window is given the keyboard by hand.
        xdotool windowfocus --sync "$window" key "ctrl+$key"
        sleep 2
        game=$(xdotool search --onlyvisible --name "." | while read -r w; do
            n=$(xdotool getwindowname "$w"); [ -n "$n" ] && [ "$n" != "toatoa-games" ] && echo "$w"; done | tail -1)
        # A new game by the first entry of File, so the clocks of the timed games run; the deal and the
        # opening banners are over before the count starts.
        xdotool windowfocus --sync "$game" key alt+f
        sleep 0.5
        xdotool key Return
        sleep 6
        measure "$(xdotool getwindowname "$game")"
        # Leave by File > Esci (the last entry), and Enter answers Yes to the question.
        xdotool windowfocus --sync "$game" key alt+f
        sleep 0.5
        xdotool key Up Return
        sleep 1
        xdotool key Return
        sleep 2
        if ! xdotool search --name "TOA-TOA Games - The Vozoredu Dora" >/dev/null; then
            echo "the menu did not come back after $key" >&2; break
        fi
    done
    kill "$pid"
' _ "$seconds" "$binary" "$work"
