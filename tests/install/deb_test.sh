#!/bin/sh
# Installs the Debian package on this system with apt-get, runs the installed
# game (its version, one level of the automatic player, a short play that
# writes the settings to $XDG_CONFIG_HOME/brindlecog/), purges it, and checks
# that nothing of the package is left. It changes the system: for CI and
# machines that may be changed, as root.
#   deb_test.sh PACKAGE.deb
set -eu
deb=$(realpath "${1:?package}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package test: $*" >&2; exit 1; }
. "$(dirname "$0")/play_briefly.sh"
installed() { dpkg-query -W -f='${Status}' brindlecog 2>/dev/null | grep -q 'ok installed'; }
# What lies on the system where a package puts files; caches that dpkg
# triggers rebuild for every package are not the package's.
snapshot() {
    find /usr /etc /opt /var/lib/dpkg/info /var/games -xdev 2>/dev/null |
        grep -Ev '/(icon-theme\.cache|mimeinfo\.cache)$' | LC_ALL=C sort
}

[ "$(id -u)" -eq 0 ] || fail "needs root"
! installed || fail "brindlecog is installed already; purge it first"
version=$(dpkg-deb -f "$deb" Version)
snapshot >"$work/before"

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log" >&2; fail "apt-get install failed"; }
installed || fail "not installed after apt-get install"
dpkg -L brindlecog >"$work/files"
program=/usr/games/brindlecog
grep -qx "$program" "$work/files" && [ -x "$program" ] || fail "no program $program"

said=$("$program" --version)
echo "$said"
case $said in "brindlecog $version"*) ;; *) fail "--version says \"$said\", the package is $version" ;; esac
mkdir "$work/home" "$work/elsewhere"
autoplay_level_one "$program" "$work/home" "$work/config"
play_briefly "$program" "$work/elsewhere" "$work/home" "$work/config"
settings_written "$work/config/brindlecog/Brindlecog.ini"

DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq brindlecog >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log" >&2; fail "apt-get purge failed"; }
! installed || fail "still installed after apt-get purge"
dpkg-query -W brindlecog >/dev/null 2>&1 && fail "dpkg still knows brindlecog after the purge"
# Every path of the package that was not there before is gone...
left=$(LC_ALL=C sort "$work/files" | LC_ALL=C comm -23 - "$work/before" |
       while IFS= read -r f; do [ ! -e "$f" ] || echo "$f"; done)
[ -z "$left" ] || fail "left after the purge: $left"
# ...and nothing else came that no package owns (what apt-get installed with
# it as a dependency stays, and is owned).
snapshot | LC_ALL=C comm -13 "$work/before" - >"$work/new"
stray=$(while IFS= read -r f; do dpkg -S "$f" >/dev/null 2>&1 || echo "$f"; done <"$work/new")
[ -z "$stray" ] || fail "left after the purge, owned by no package: $stray"
echo "package test: installed $(wc -l <"$work/files") paths, ran, purged, nothing left"
