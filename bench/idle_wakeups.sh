#!/usr/bin/env bash
# How often the program wakes while a game waits for the player, and how much memory each new game
# keeps, with a screen reader's accessibility bus listening (or without it):
#   bench/idle_wakeups.sh [KEYS] [SECONDS] [NEW_GAMES] [BINARY]
# (default all eight games' menu keys "bgfrmnpy", 10 seconds a game, 40 new games, the default build;
# IDLE_A11Y=0 runs without the accessibility bus; with it, a listener asks for every event as a screen
# reader does). Wake-ups are the threads' context switches per
# second while the game is left alone, the main thread apart from the others; memory is the resident
# set before and after the new games (File's first entry, a question answered Yes), per new game,
# counted after five new games that warm the heap up.
set -euo pipefail
cd "$(dirname "$0")/.."
keys=${1:-bgfrmnpy}
seconds=${2:-10}
games=${3:-40}
binary=$(realpath "${4:-build/default/app/toatoa-games}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
session=()
[ "${IDLE_A11Y:-1}" = 0 ] || session=(dbus-run-session --)
xvfb-run -a -s "-screen 0 1280x1024x24" "${session[@]}" bash -c '
    set -euo pipefail
    keys=$1 seconds=$2 games=$3 binary=$4
    launcher=
    if [ "${IDLE_A11Y:-1}" != 0 ]; then
        # The accessibility bus a desktop with a screen reader runs; Qt speaks on it once it is there.
        /usr/libexec/at-spi-bus-launcher --launch-immediately & launcher=$!
        sleep 1
        export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
        # Qt sends the events a listener has asked for, and none without one.
        /usr/bin/python3 bench/atspi_listener.py "$5/events" & launcher="$launcher $!"
    fi
    (cd "$5" && exec "$binary") & pid=$!
    sleep 3
    switches() { # main thread, then every other thread together
        local main=0 rest=0 t n
        for t in /proc/$pid/task/*; do
            n=$(awk "/^(non)?voluntary_ctxt_switches/ {s += \$2} END {print s}" "$t/status")
            if [ "${t##*/}" = "$pid" ]; then main=$n; else rest=$((rest + n)); fi
        done
        echo "$main $rest"
    }
    rss() { awk "/^VmRSS/ {print \$2}" /proc/$pid/status; }
    menu() { xdotool search --name "TOA-TOA Games - The Vozoredu Dora" | head -1; }
    for (( i = 0; i < ${#keys}; i++ )); do
        key=${keys:i:1}
        # No window manager: the menu window is given the keyboard by hand.
        xdotool windowfocus --sync "$(menu)" key "ctrl+$key"
        sleep 2
        game=$(xdotool search --onlyvisible --name "." | while read -r w; do
            n=$(xdotool getwindowname "$w"); [ -n "$n" ] && [ "$n" != "TOA-TOA Games" ] && echo "$w"; done | tail -1)
        name=$(xdotool getwindowname "$game")
        sleep 6 # the deal and the opening banners are over
        read -r main0 rest0 < <(switches)
        sleep "$seconds"
        read -r main1 rest1 < <(switches)
        awk -v m=$((main1 - main0)) -v r=$((rest1 - rest0)) -v s="$seconds" -v what="$name" \
            "BEGIN {printf \"%-32s wake-ups a second: main thread %6.1f, other threads %6.1f\n\", what, m / s, r / s}"
        if [ "$games" -gt 0 ]; then
            newGame() {
                xdotool windowfocus --sync "$game" key alt+f
                sleep 0.3
                xdotool key Return
                sleep 0.5
                # A game that asks before dealing again ("Ricomincia") is answered Yes.
                box=$(xdotool search --onlyvisible --name "^Ricomincia$" 2>/dev/null | head -1 || true)
                if [ -n "$box" ]; then xdotool windowfocus --sync "$box" key Return; fi
                sleep 4
            }
            for (( g = 0; g < 5; g++ )); do newGame; done
            before=$(rss)
            for (( g = 0; g < games; g++ )); do newGame; done
            after=$(rss)
            awk -v b="$before" -v a="$after" -v n="$games" -v what="$name" \
                "BEGIN {printf \"%-32s resident set %d KiB -> %d KiB over %d new games: %.1f KiB a game\n\", what, b, a, n, (a - b) / n}"
        fi
        # Leave by File > Esci (the last entry), and Enter answers Yes to the question.
        xdotool windowfocus --sync "$game" key alt+f
        sleep 0.5
        xdotool key Up Return
        sleep 1
        xdotool key Return
        sleep 2
        if [ -z "$(menu)" ]; then echo "the menu did not come back after $key" >&2; break; fi
    done
    kill "$pid" $launcher 2>/dev/null || true
    sleep 1
    [ ! -s "$5/events" ] || { echo "accessibility events heard by kind:"; head -8 "$5/events"; }
' _ "$keys" "$seconds" "$games" "$binary" "$work"
