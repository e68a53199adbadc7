#!/bin/sh
# Installs the build into a fresh prefix, checks what is laid down, and runs
# the installed game from elsewhere with the whole install read-only: the
# settings it writes at the end must land in $XDG_CONFIG_HOME/brindlecog/ and
# nothing may be written beside the program.
#   install_test.sh BUILD_DIR
set -eu
build=${1:?build folder}
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "install test: $*" >&2; exit 1; }
. "$(dirname "$0")/play_briefly.sh"

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log" >&2; fail "cmake --install failed"; }

data=share/games/brindlecog
for f in games/brindlecog $data/SysData/DatImg001.dat $data/SysData/DatSnd001.dat $data/Levels/Level1.lev \
         $data/SysData/Fonts/DejaVuSans.ttf \
         share/applications/brindlecog.desktop share/icons/hicolor/256x256/apps/brindlecog.png \
         share/man/man6/brindlecog.6.gz share/doc/brindlecog/copyright share/doc/brindlecog/changelog.gz; do
    [ -e "$prefix/$f" ] || fail "missing $f"
done
[ -x "$prefix/games/brindlecog" ] || fail "games/brindlecog cannot be run"
for f in Brindlecog.portable Brindlecog.ini HighScores Screenshots; do
    for dir in games "$data"; do
        [ ! -e "$prefix/$dir/$f" ] || fail "$dir/$f must stay in the build's folder"
    done
done

# The icon: a PNG of 256 x 256 (the IHDR width and height follow the signature).
icon=$prefix/share/icons/hicolor/256x256/apps/brindlecog.png
[ "$(od -An -tx1 -N8 "$icon" | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "the icon is no PNG"
[ "$(od -An -tx1 -j16 -N8 "$icon" | tr -d ' \n')" = "0000010000000100" ] || fail "the icon is not 256 x 256"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/brindlecog.desktop" || fail "the menu entry does not validate"
else
    echo "install test: desktop-file-validate not found (apt-get install desktop-file-utils); entry not validated"
fi

# Run it as a player would, from another folder.
chmod -R a-w "$prefix"
touch "$work/installed.stamp"
mkdir "$work/home" "$work/elsewhere"
play_briefly "$prefix/games/brindlecog" "$work/elsewhere" "$work/home" "$work/config"

settings=$work/config/brindlecog/Brindlecog.ini
settings_written "$settings"
written=$(find "$prefix" -newer "$work/installed.stamp" -print | head -n 5)
[ -z "$written" ] || fail "written into the install: $written"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "written into the current folder"
echo "install test: installed, validated, ran, settings in $settings"
