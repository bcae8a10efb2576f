#!/usr/bin/env bash
# Starts the installed desktop entry the way a desktop does, with a stand-in for the program that
# only notes where it was started, and checks that the records land in the player's data directory
# and never at the top of the home folder.
# check_desktop_start.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1 id=$2

work=$(mktemp -d "${TMPDIR:-/tmp}/toatoa start \$HOME.XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >/dev/null
report=$work/report
cat >"$prefix/bin/toatoa-games" <<'EOF'
#!/bin/sh
{ pwd -P; echo "$#"; } >"$TOATOA_STAND_IN_REPORT"
EOF
chmod +x "$prefix/bin/toatoa-games"
desktop="$prefix/share/applications/$id.desktop"
launcher=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/\\\\/\\/g; s/^"\(.*\)"$/\1/; s/\\\(.\)/\1/g')

# start WORKING_DIR [NAME=VALUE...]: the desktop entry's command in a bare environment, as a
# session would run it; sets started_in (empty when the program did not start) and status.
start() {
    local from=$1
    shift
    rm -f "$report"
    status=0
    (cd "$from" && env -i PATH=/usr/bin:/bin TOATOA_STAND_IN_REPORT="$report" "$@" "$launcher") || status=$?
    started_in=
    arguments=
    if [ -f "$report" ]; then
        started_in=$(sed -n 1p "$report")
        arguments=$(sed -n 2p "$report")
    fi
}
expect_started_in() {
    local what=$1 dir=$2
    if [ "$status" -ne 0 ] || [ "$started_in" != "$(cd "$dir" 2>/dev/null && pwd -P)" ]; then
        fail "$what: started in '$started_in' (launcher status $status), not in $dir"
    elif [ "$arguments" != 0 ]; then
        fail "$what: the program was given $arguments argument(s)"
    fi
}
untouched_home() {
    local what=$1 home=$2
    local left
    left=$(cd "$home" && find . -mindepth 1 -maxdepth 1 ! -name .local | sort | tr '\n' ' ')
    [ -z "$left" ] || fail "$what: the launcher left $left at the top of the home folder"
}

home=$work/home
mkdir -p "$home" "$work/elsewhere"

start "$home" HOME="$home"
expect_started_in "no XDG_DATA_HOME" "$home/.local/share/toatoa-games"
untouched_home "no XDG_DATA_HOME" "$home"
mode=$(stat -c %a "$home/.local/share/toatoa-games" 2>/dev/null || echo none)
[ "$mode" = 700 ] || fail "the data directory was made with mode $mode, not private (700)"

# Records already there stay as they are.
printf 'kept' >"$home/.local/share/toatoa-games/rcfis.dat"
start "$home" HOME="$home"
expect_started_in "a second start" "$home/.local/share/toatoa-games"
[ "$(cat "$home/.local/share/toatoa-games/rcfis.dat")" = kept ] || fail "a second start touched the records"

start "$work/elsewhere" HOME="$home" XDG_DATA_HOME="$work/data home"
expect_started_in "XDG_DATA_HOME set" "$work/data home/toatoa-games"

# The base directory specification ignores an empty or relative XDG_DATA_HOME.
start "$work/elsewhere" HOME="$home" XDG_DATA_HOME=
expect_started_in "an empty XDG_DATA_HOME" "$home/.local/share/toatoa-games"
start "$work/elsewhere" HOME="$home" XDG_DATA_HOME=relative/data
expect_started_in "a relative XDG_DATA_HOME" "$home/.local/share/toatoa-games"
[ ! -e "$work/elsewhere/relative" ] || fail "a relative XDG_DATA_HOME was made in the working directory"

# Where the data directory cannot be had the program does not start at all, rather than somewhere
# the records would be lost or strewn.
touch "$work/a file"
start "$home" HOME="$home" XDG_DATA_HOME="$work/a file"
[ "$status" -ne 0 ] && [ -z "$started_in" ] ||
    fail "with no way to make the data directory the program started in '$started_in'"
start "$work/elsewhere"
[ "$status" -ne 0 ] && [ -z "$started_in" ] ||
    fail "with neither HOME nor XDG_DATA_HOME the program started in '$started_in'"
untouched_home "failed starts" "$home"

# Named by a relative path, as a hand might run it, the launcher still finds the program.
rm -f "$report"
status=0
(cd "$prefix/libexec" && env -i PATH=/usr/bin:/bin TOATOA_STAND_IN_REPORT="$report" HOME="$home" \
    ./toatoa-games/desktop-start) || status=$?
started_in=$(sed -n 1p "$report" 2>/dev/null || true)
arguments=$(sed -n 2p "$report" 2>/dev/null || true)
expect_started_in "the launcher named by a relative path" "$home/.local/share/toatoa-games"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "The desktop entry starts the program in the player's data directory."
