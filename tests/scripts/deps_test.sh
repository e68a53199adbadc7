#!/usr/bin/env bash
# The dependency builds trust only sound cache entries and stop at a failed
# build without caching anything:
#   tests/scripts/deps_test.sh windows|web
# Runs on a hard-linked copy of a dependency cache the script has filled
# already ($BRINDLECOG_DEPS_CACHE or ~/.cache/brindlecog-deps), so only zlib,
# the smallest library, is built again.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
what=${1:?usage: deps_test.sh windows|web}
case "$what" in
  windows) script=windows-deps; target=x86_64-w64-mingw32; compiler=x86_64-w64-mingw32-gcc-posix ;;
  web) script=web-deps; target=wasm32-emscripten; compiler=emcc ;;
  *) echo "usage: deps_test.sh windows|web" >&2; exit 2 ;;
esac
filled=${BRINDLECOG_DEPS_CACHE:-$HOME/.cache/brindlecog-deps}
[ -d "$filled/$target" ] || { echo "deps test: run scripts/$script first" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "deps test ($what): $*" >&2; exit 1; }

fresh_copy() {
  rm -rf "$work/cache"
  mkdir "$work/cache"
  cp -al "$filled/src" "$filled/apt" "$filled/$target" "$work/cache/"
  # Locks of their own: a lock file's link would share the filled cache's lock.
  rm -f "$work/cache/$target/.lock" "$work/cache/apt/.lock"
}
run() {
  local start=$SECONDS status=0
  BRINDLECOG_DEPS_CACHE="$work/cache" "$root/scripts/$script" >"$work/out" 2>"$work/err" || status=$?
  echo "deps test ($what): a run took $((SECONDS - start)) s" >&2
  return $status
}
zlib_entry() { grep -o "[^;= ]*/$target/zlib-[^;/ ]*" "$work/out" | head -n 1; }

# A broken entry (headers, no library) and one left by an older script are
# not trusted: zlib is built again and the run succeeds.
fresh_copy
run || fail "the filled cache does not serve: $(cat "$work/err")"
entry=$(zlib_entry)
[ -n "$entry" ] || fail "no zlib entry in the script's answer: $(cat "$work/out")"
version=$(basename "$entry" | sed 's/^zlib-//; s/-[0-9a-f]*$//')
find "$entry" -mindepth 1 ! -path "$entry/include" ! -path "$entry/include/zlib.h" -delete
rm -rf "$work/cache/$target/zlib-$version"
mkdir -p "$work/cache/$target/zlib-$version/include"
cp "$entry/include/zlib.h" "$work/cache/$target/zlib-$version/include/"
run || fail "a broken zlib entry made the run fail: $(tail -n 20 "$work/err")"
grep -q "building zlib" "$work/err" || fail "the broken zlib entry was trusted"
[ "$(zlib_entry)" = "$entry" ] || fail "the answer names $(zlib_entry), not the rebuilt $entry"
[ -s "$entry/lib/libz.a" ] || fail "the rebuilt entry has no libz.a"

# A compiler that fails stops the run, names the package, and caches nothing.
fresh_copy
rm -rf "$work/cache/$target"/zlib-*
mkdir "$work/bin"
printf '#!/bin/sh\nexit 1\n' >"$work/bin/$compiler"
chmod +x "$work/bin/$compiler"
if PATH="$work/bin:$PATH" run; then fail "the run succeeded with a failing compiler"; fi
grep -q "building zlib .* failed" "$work/err" || fail "the failure does not name zlib: $(tail -n 5 "$work/err")"
left=$(find "$work/cache/$target" -maxdepth 1 -name 'zlib-*' -o -maxdepth 1 -name '.build-*')
[ -z "$left" ] || fail "the failed build left $left in the cache"
echo "deps test ($what): passed"
