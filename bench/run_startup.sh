#!/usr/bin/env bash
# Median start-up time (process start to the menu window on screen) and resident memory after it,
# for the program and for a bare Qt window with a menu bar, each run N times under one Xvfb:
#   bench/run_startup.sh [N]    (builds the bench preset first)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
cmake --preset bench >/dev/null
cmake --build --preset bench --target startup_probe_toatoa startup_probe_bare >/dev/null
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    median() { sort -n | awk "{a[NR]=\$1} END {print a[int((NR+1)/2)]}"; }
    for probe in startup_probe_toatoa startup_probe_bare; do
        times=(); rss=()
        for _ in $(seq 1 "$1"); do
            start=$(date +%s%N)
            read -r shown kib < <(build/bench/bench/$probe 2>/dev/null)
            times+=($(( (shown - start) / 1000000 ))); rss+=("$kib")
        done
        printf "%-22s start to window shown: median %s ms   resident after: median %s MiB\n" "$probe" \
            "$(printf "%s\n" "${times[@]}" | median)" \
            "$(printf "%s\n" "${rss[@]}" | median | awk "{printf \"%.1f\", \$1/1024}")"
    done' _ "$runs"
