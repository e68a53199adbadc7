# Helpers for the install tests, sourced by them; each test defines fail().

# play_briefly PROGRAM FOLDER HOME CONFIG_HOME: runs the game as a player
# would, from FOLDER, with SDL's invisible drivers, for a few seconds, then
# sends SIGTERM: SDL asks the game to close, so it shuts down in order and
# writes its settings. Fails when the game ends in any other way.
play_briefly() {
    (cd "$2" && HOME="$3" XDG_CONFIG_HOME="$4" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy exec "$1") &
    game=$!
    sleep "${BRINDLECOG_INSTALL_TEST_SECONDS:-4}"
    kill -TERM "$game"
    status=0
    wait "$game" || status=$?
    [ "$status" -eq 0 ] || fail "the game ended with status $status"
}

# settings_written FILE: the game's settings file is there, as the game writes it.
settings_written() {
    [ -f "$1" ] && grep -q '^FullScreen=' "$1" || fail "no settings written to $1"
}

# autoplay_level_one PROGRAM HOME CONFIG_HOME: the automatic player plays the
# first level and reports it.
autoplay_level_one() {
    line=$(HOME="$2" XDG_CONFIG_HOME="$3" "$1" --autoplay --levels 1) || fail "--autoplay failed"
    echo "$line"
    echo "$line" | grep -Eq '^level=1 products=[1-9][0-9]* score=[0-9]+ .* verdict=' || fail "--autoplay printed: $line"
}
