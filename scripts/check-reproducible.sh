#!/usr/bin/env bash
# Builds the Debian package of one commit twice with scripts/package.sh, from
# two folders of different names and depths, and checks that the two .deb
# files are byte for byte the same. Not part of the test suite: two full
# builds take too long for CI.
#   scripts/check-reproducible.sh [COMMIT]   (default HEAD; needs the build tools)
# Exit status 0 when identical, 1 when not (the differing files are listed).
set -euo pipefail
cd "$(dirname "$0")/.."
commit=$(git rev-parse --verify "${1:-HEAD}^{commit}")
# Every time stamp the build writes comes from the commit, as Debian builds do.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH
export LC_ALL=C.UTF-8 TZ=UTC
export CMAKE_BUILD_PARALLEL_LEVEL=${JOBS:-2}
work=$(mktemp -d /tmp/zoru-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT

build() {
  local src=$1
  mkdir -p "$src"
  git archive "$commit" | tar -x -C "$src"
  # The package script as a user runs it (no compiler cache: a hit from the
  # other folder could hide a build path in the output).
  "$src/scripts/package.sh" >"$src.log" 2>&1 || { tail -n 30 "$src.log" >&2; exit 1; }
  ls "$src"/build-package/zoruvidedid_*.deb
}

echo "Building $(git log -1 --format='%h %s' "$commit") twice (SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH)"
first=$(build "$work/a")
second=$(build "$work/zweiter-ordner/tiefer/b")
echo "$(sha256sum "$first" | cut -c1-64)  first"
echo "$(sha256sum "$second" | cut -c1-64)  second"
if cmp -s "$first" "$second"; then
  echo "identical: $(basename "$first")"
  exit 0
fi

echo "DIFFERENT" >&2
if command -v diffoscope >/dev/null; then
  diffoscope "$first" "$second" >&2 || true
else
  # Without diffoscope: which members and which installed files differ.
  for n in 1 2; do
    deb=$first
    [ $n -eq 1 ] || deb=$second
    mkdir -p "$work/x$n/control" "$work/x$n/data"
    dpkg-deb -e "$deb" "$work/x$n/control"
    dpkg-deb -x "$deb" "$work/x$n/data"
    dpkg-deb -c "$deb" >"$work/x$n/list"
  done
  diff "$work/x1/list" "$work/x2/list" >&2 || true
  diff -r "$work/x1" "$work/x2" >&2 || true
fi
exit 1
