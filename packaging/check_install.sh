#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks what a desktop gets from it: the program and its
# desktop files and nothing else, a menu entry and metadata that both validators pass without a
# remark, the icon at every size, and a manual page that renders.
# check_install.sh BUILD_DIR SOURCE_DIR APP_ID VERSION
set -euo pipefail
build=$1 source=$2 id=$3 version=$4

# A blank and a dollar in the prefix: every path written into an installed file must survive both.
work=$(mktemp -d "${TMPDIR:-/tmp}/toatoa install \$HOME.XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >/dev/null

sizes=(16 22 24 32 48 64 128 256)
expected=(
    bin/toatoa-games
    libexec/toatoa-games/desktop-start
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    share/man/man6/toatoa-games.6.gz
    share/doc/toatoa-games/copyright
    "share/icons/hicolor/scalable/apps/$id.svg"
)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
# Exactly these: no test, tool or build-time helper belongs on a player's machine.
if ! difference=$(diff <(printf '%s\n' "${expected[@]}" | sort) \
                       <(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort)); then
    fail "the installed files are not the expected ones (< missing, > unexpected):"$'\n'"$difference"
fi
for program in bin/toatoa-games libexec/toatoa-games/desktop-start; do
    [ -x "$prefix/$program" ] || fail "$program is not executable"
done

# Icons: each a PNG of its own size (width and height stand at bytes 16 to 23 of the header).
for size in "${sizes[@]}"; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$png" ] || continue
    signature=$(od -An -tx1 -N8 "$png" | tr -d ' \n')
    read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$png")
    width=$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))
    height=$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))
    if [ "$signature" != 89504e470d0a1a0a ] || [ "$width" != "$size" ] || [ "$height" != "$size" ]; then
        fail "the ${size}x${size} icon is ${width}x${height} (signature $signature)"
    fi
done
svg="$prefix/share/icons/hicolor/scalable/apps/$id.svg"
if [ -f "$svg" ] && ! rsvg-convert -w 512 -h 512 -o "$work/scalable.png" "$svg"; then
    fail "the scalable icon does not render"
fi

# The desktop entry: valid without a remark, naming the installed icon and launcher.
desktop="$prefix/share/applications/$id.desktop"
if [ -f "$desktop" ]; then
    if ! remarks=$(desktop-file-validate "$desktop" 2>&1) || [ -n "$remarks" ]; then
        fail "desktop-file-validate: $remarks"
    fi
    [ "$(sed -n 's/^Icon=//p' "$desktop")" = "$id" ] || fail "the desktop entry's icon is not $id"
    # Exec is a string value (\\ for a backslash) holding one quoted argument (\ before " ` $ \).
    exec_path=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/\\\\/\\/g; s/^"\(.*\)"$/\1/; s/\\\(.\)/\1/g')
    [ "$exec_path" = "$prefix/libexec/toatoa-games/desktop-start" ] ||
        fail "the desktop entry starts '$exec_path', not the installed launcher"
fi

# The metadata: valid without a remark, tied to the desktop entry, of this version, all eight
# games described, and every screenshot in docs/ offered.
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
validate_metainfo() {
    local remarks
    if ! remarks=$(appstreamcli validate --no-net --pedantic --no-color "$1" 2>&1) ||
        [ "$(printf '%s\n' "$remarks" | grep -c .)" -ne 1 ]; then
        fail "appstreamcli validate ($2): $remarks"
    fi
}
if [ -f "$metainfo" ]; then
    validate_metainfo "$metainfo" "as installed"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the metadata does not launch $id.desktop"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata's release is not $version"
    for game in Margherita Bowling Poker "Zidu Dori" Yahtzee "La Fisarmonica" "La Tavola Rotonda" Napoleone; do
        [ "$(grep -c "<li[^>]*>$game: " "$metainfo")" -eq 2 ] ||
            fail "the metadata does not describe $game in English and Italian"
    done
fi
# With a web address for docs/ every screenshot there is listed (the contact sheet is no screenshot).
with_screens="$work/with-screenshots.xml"
"${CMAKE:-cmake}" -D "TEMPLATE=$source/packaging/metainfo.xml.in" -D "OUTPUT=$with_screens" -D "APP_ID=$id" \
      -D "VERSION=$version" -D RELEASE_DATE=2000-01-01 -D "DOCS=$source/docs" \
      -D "SCREENSHOT_URL=https://example.org/toatoa/docs/" -P "$source/packaging/metainfo.cmake"
validate_metainfo "$with_screens" "with screenshots"
for picture in "$source"/docs/*.png; do
    name=$(basename "$picture")
    # Contact sheets show the pictures, not the game.
    case "$name" in contact-sheet.png | *_2x.png) continue ;; esac
    grep -q ">https://example.org/toatoa/docs/$name</image>" "$with_screens" ||
        fail "docs/$name is not among the metadata's screenshots (packaging/screenshots.cmake)"
done
[ "$(grep -c 'type="default"' "$with_screens")" -eq 1 ] || fail "not exactly one default screenshot"

# The manual page renders without a warning and names the program.
manual="$prefix/share/man/man6/toatoa-games.6.gz"
if [ -f "$manual" ]; then
    if ! page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=w -l "$manual" 2>"$work/man.err") ||
        [ -s "$work/man.err" ]; then
        fail "man -l: $(cat "$work/man.err")"
    fi
    grep -q '^TOATOA-GAMES(6)' <<<"$page" || fail "the manual page has no TOATOA-GAMES(6) heading"
    grep -q 'toatoa-games - seven patience games' <<<"$page" || fail "the manual page has no NAME line"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "Install layout, desktop entry, metadata, icons and manual page are as they should be."
