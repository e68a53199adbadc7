#!/bin/sh
# Unpacks the portable archive into a folder whose path has spaces and
# letters beyond ASCII, and plays from there: one level of the automatic
# player, then a short play whose settings must land in the unpacked folder,
# none in the player's configuration folder.
#   portable_test.sh ARCHIVE.tar.gz
set -eu
archive=$(realpath "${1:?archive}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "portable test: $*" >&2; exit 1; }
. "$(dirname "$0")/play_briefly.sh"

place="$work/Spiele für Jörg/ゲーム"
mkdir -p "$place" "$work/home" "$work/elsewhere"
tar -C "$place" -xzf "$archive"
game=$(find "$place" -mindepth 2 -maxdepth 2 -name brindlecog -type f)
[ -n "$game" ] && [ -x "$game" ] || fail "no program in the archive"
folder=$(dirname "$game")
[ -f "$folder/Brindlecog.portable" ] || fail "the archive lacks the marker of a portable folder"
file "$game" | grep -q 'stripped' && ! file "$game" | grep -q 'not stripped' || fail "the program is not stripped"
ldd "$game" | grep -qF "$folder/lib/libSDL2_ttf-2.0.so.0" || fail "the program does not take SDL2_ttf from its lib/"

autoplay_level_one "$game" "$work/home" "$work/config"
play_briefly "$game" "$work/elsewhere" "$work/home" "$work/config"
settings_written "$folder/Brindlecog.ini"
[ ! -e "$work/config" ] || fail "wrote into the configuration folder: $(find "$work/config")"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "written into the current folder"
echo "portable test: unpacked into \"$place\", played, settings in the game folder"
