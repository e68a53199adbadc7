# Shared by scripts/windows-deps and scripts/web-deps (sourced, not run):
# one cache entry per library, built in a scratch folder and moved into
# place only once the files it promises are there.
#
# An entry is <cache>/<target>/<package>-<version>-<recipe>/, where <recipe>
# is a hash of everything that shapes the build: the function that builds
# it, its options, our patches to the source and the compiler's version. A
# changed recipe therefore builds a new entry instead of trusting an old
# one. An entry holds `.built`, the list of files it promises; an entry
# without it, or missing one of those files, or with one of them empty, was
# left by an older script, an interrupted run or a hand, and is rebuilt.
#
# The caller sets: deps_tool (its name, for messages), deps_dir (the
# target's folder in the cache) and deps_compiler (a command printing the
# compiler's version).

deps_cache=${BRINDLECOG_DEPS_CACHE:-$HOME/.cache/brindlecog-deps}
deps_patches="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/patches"
deps_known="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/known-checks"

# ccache when it is there, plain compiles when not; CCACHE= (empty) turns it off.
deps_ccache=${CCACHE-$(command -v ccache || true)}

deps_fail() { echo "$deps_tool: $*" >&2; exit 1; }

# deps_lock: one run at a time per target folder; a second waits for the first
# and then finds its entries built.
deps_lock() {
  mkdir -p "$deps_dir"
  exec {deps_lock_fd}>"$deps_dir/.lock"
  flock "$deps_lock_fd"
  # With the lock held, a scratch folder is what a killed run left behind.
  rm -rf "$deps_dir"/.build-*
}

# deps_recipe PACKAGE FUNCTION ARGS...: the hash naming an entry.
deps_recipe() {
  local package=$1 how=$2
  shift 2
  {
    declare -f "$how"
    # Paths into the cache name another entry, not a different recipe.
    printf '%s\n' "${@//"$deps_cache"/<cache>}"
    "${deps_compiler[@]}" 2>&1 | head -n 1
    if [ -d "$deps_patches/$package" ]; then cat "$deps_patches/$package"/*.patch 2>/dev/null; fi
    cat "$deps_known/$package"-*.cmake 2>/dev/null || true
  } | sha256sum | cut -c1-12
}

# deps_known_checks PACKAGE TARGET VERSION: prints the file of configure
# results known for this package, version and compiler, if there is one.
# Such a file names its source and compiler in comment lines.
deps_known_checks() {
  local file="$deps_known/$1-$2.cmake"
  [ -f "$file" ] || return 0
  grep -qxF "# source: $1 $3" "$file" || return 0
  grep -qxF "# compiler: $("${deps_compiler[@]}" 2>&1 | head -n 1)" "$file" || return 0
  echo "$file"
}

# deps_save_checks BUILD_DIR FILE: the configure results of a build, in the
# form deps_known_checks hands back (without its two naming lines).
deps_save_checks() {
  grep -E '^(HAVE_[A-Za-z0-9_]*|STDC_HEADERS|LIBC_IS_GLIBC):INTERNAL=' "$1/CMakeCache.txt" |
    sed -E 's/^([^:]*):INTERNAL=(.*)$/set(\1 "\2" CACHE INTERNAL "")/' >"$2"
}

# deps_entry_ok ENTRY: the entry's promised files are all there and not empty.
deps_entry_ok() {
  local entry=$1 file
  [ -s "$entry/.built" ] || return 1
  while IFS= read -r file; do
    [ -s "$entry/$file" ] || return 1
  done <"$entry/.built"
}

# deps_apply_patches PACKAGE SOURCE COPY: our patches, applied to a copy of
# the unpacked source (the cache's source stays as Debian ships it).
deps_apply_patches() {
  local package=$1 source=$2 copy=$3 patch
  cp -a "$source" "$copy"
  for patch in "$deps_patches/$package"/*.patch; do
    [ -f "$patch" ] || continue
    patch -d "$copy" -p1 --batch --forward --quiet <"$patch"
  done
}

# deps_build PACKAGE SOURCE VERSION FUNCTION PROMISED [ARGS...]
# Builds PACKAGE unless a sound entry exists, and sets `prefix` to the entry.
# FUNCTION runs as FUNCTION SOURCE BUILD_DIR PREFIX ARGS..., with every
# command checked, and installs under $DESTDIR$PREFIX (a staging copy: the
# installed files name PREFIX, where they will live); PROMISED is a space-separated list of files, relative to
# the prefix, that must exist afterwards.
deps_build() {
  local package=$1 source=$2 version=$3 how=$4 promised=$5
  shift 5
  local recipe entry work rc
  recipe=$(deps_recipe "$package" "$how" "$promised" "$@")
  entry="$deps_dir/$package-$version-$recipe"
  prefix=$entry
  deps_entry_ok "$entry" && return 0
  [ -e "$entry" ] && echo "$deps_tool: $package $version: the cached entry is incomplete; building it again" >&2
  echo "$deps_tool: building $package $version" >&2
  work=$(mktemp -d "$deps_dir/.build-$package-XXXXXX")
  if [ -d "$deps_patches/$package" ]; then
    deps_apply_patches "$package" "$source" "$work/source" >"$work/log" 2>&1 ||
      { tail -n 20 "$work/log" >&2; rm -rf "$work"; deps_fail "$package $version: a patch of ours does not apply"; }
    source="$work/source"
  fi
  # The build runs in a subshell of its own with errexit: a failing command
  # stops it there (a function run on the left of || would ignore errexit),
  # and the trap names the command.
  set +e
  (
    set -eE -o pipefail
    trap 'echo "$BASH_COMMAND" >"$work/failed"' ERR
    export DESTDIR="$work/stage"
    "$how" "$source" "$work/build" "$entry" "$@"
  ) >>"$work/log" 2>&1
  rc=$?
  set -e
  if [ $rc -ne 0 ]; then
    tail -n 30 "$work/log" >&2
    echo "$deps_tool: building $package $version failed at: $(cat "$work/failed" 2>/dev/null || echo "exit $rc")" >&2
    rm -rf "$work"
    exit 1
  fi
  local file missing=()
  for file in $promised; do
    [ -s "$work/stage$entry/$file" ] || missing+=("$file")
  done
  if [ ${#missing[@]} -ne 0 ]; then
    rm -rf "$work"
    deps_fail "building $package $version left out ${missing[*]}; nothing was cached"
  fi
  printf '%s\n' $promised >"$work/stage$entry/.built"
  rm -rf "$entry"
  mv -T "$work/stage$entry" "$entry"
  rm -rf "$work"
}
