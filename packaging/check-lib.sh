# Shared by the install checks: tools that must be there, and failing loudly.
# Outside CI a missing tool skips the check (exit 77); in CI it fails it.

# The same messages and matching whatever locale the caller has (this one
# always exists on Debian).
export LC_ALL=C.UTF-8
unset LANGUAGE

need() {
  local missing=()
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "${CI:-}" = true ]; then
    echo "FAIL: missing tools: ${missing[*]} (scripts/install-deps.sh installs them)" >&2
    exit 1
  fi
  echo "SKIP: missing tools: ${missing[*]} (scripts/install-deps.sh installs them)"
  exit 77
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The example puzzles the build compiled, one name a line.
example_names() {
  cat "$1/examples/list.txt"
}

# What a package must contain, relative to the prefix: programs, desktop entry,
# file type, icons, manual pages and one .zvr per example.
expected_files() {
  local build=$1
  printf '%s\n' bin/zoruvidedid bin/zoruvidedid-tool \
    share/applications/zoruvidedid.desktop share/mime/packages/zoruvidedid.xml \
    share/icons/hicolor/scalable/apps/zoruvidedid.svg \
    share/man/man1/zoruvidedid-tool.1.gz share/man/man6/zoruvidedid.6.gz \
    share/zoruvidedid/examples/README.md
  for size in 16 24 32 48 64 128 256; do
    echo "share/icons/hicolor/${size}x${size}/apps/zoruvidedid.png"
  done
  example_names "$build" | sed 's|.*|share/zoruvidedid/examples/&.zvr|;p;s|\.zvr$|.raetsel|'
}

# Runs a player without a display, on PUZZLE or else on the puzzle packed into
# it; it must report what it loaded.
player_loads() {
  local player=$1 puzzle=${2:-} out
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$player" ${puzzle:+"$puzzle"} 2>&1) ||
    fail "$player $puzzle exited with $?: $out"
  grep -q '^Geladen: ' <<<"$out" || fail "$player $puzzle did not report the puzzle: $out"
}
