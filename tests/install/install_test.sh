#!/bin/sh
# Installs the build into a fresh prefix, checks what is laid down, and runs
# the installed game from elsewhere with its share folder read-only: the
# settings it writes at the end must land in $XDG_CONFIG_HOME/brindlecog/ and
# nothing may be written beside the program.
#   install_test.sh BUILD_DIR
set -eu
build=${1:?build folder}
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "install test: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log" >&2; fail "cmake --install failed"; }

for f in bin/brindlecog share/brindlecog/brindlecog share/brindlecog/SysData/DatImg001.dat \
         share/brindlecog/SysData/DatSnd001.dat share/brindlecog/Levels \
         share/applications/brindlecog.desktop share/icons/hicolor/256x256/apps/brindlecog.png; do
    [ -e "$prefix/$f" ] || fail "missing $f"
done
[ -x "$prefix/bin/brindlecog" ] || fail "bin/brindlecog cannot be run"
for f in Brindlecog.portable Brindlecog.ini HighScores Screenshots; do
    [ ! -e "$prefix/share/brindlecog/$f" ] || fail "share/brindlecog/$f must stay in the build's folder"
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

# Run it as a player would: from the menu, in another folder, with SDL's
# invisible drivers. SIGTERM makes SDL ask the game to close, so it shuts
# down normally and writes its settings.
chmod -R a-w "$prefix/share"
touch "$work/installed.stamp"
mkdir "$work/home" "$work/elsewhere"
(cd "$work/elsewhere" && HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
    SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy exec "$prefix/bin/brindlecog") &
game=$!
sleep "${BRINDLECOG_INSTALL_TEST_SECONDS:-4}"
kill -TERM "$game"
status=0
wait "$game" || status=$?
[ "$status" -eq 0 ] || fail "the installed game ended with status $status"

settings=$work/config/brindlecog/Brindlecog.ini
[ -f "$settings" ] || fail "no settings written to $settings"
grep -q '^FullScreen=' "$settings" || fail "the settings file lacks FullScreen"
written=$(find "$prefix/share" -newer "$work/installed.stamp" -print | head -n 5)
[ -z "$written" ] || fail "written into the install: $written"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "written into the current folder"
echo "install test: installed, validated, ran, settings in $settings"
