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

# What a package must contain, relative to the prefix: the player among the
# games, the tool among the programs, desktop entry, file type, AppStream
# metadata, icons, manual pages, licence, history and lintian's overrides, and
# one .zvr per example.
expected_files() {
  local build=$1
  printf '%s\n' games/zoruvidedid bin/zoruvidedid-tool \
    share/applications/zoruvidedid.desktop share/mime/packages/zoruvidedid.xml \
    share/metainfo/org.example.zoruvidedid.metainfo.xml \
    share/icons/hicolor/scalable/apps/zoruvidedid.svg \
    share/man/man1/zoruvidedid-tool.1.gz share/man/man6/zoruvidedid.6.gz \
    share/doc/zoruvidedid/copyright share/doc/zoruvidedid/changelog.Debian.gz \
    share/lintian/overrides/zoruvidedid \
    share/zoruvidedid/examples/README.md
  for size in 16 24 32 48 64 128 256; do
    echo "share/icons/hicolor/${size}x${size}/apps/zoruvidedid.png"
  done
  example_names "$build" | sed 's|.*|share/zoruvidedid/examples/&.zvr|;p;s|\.zvr$|.raetsel|'
}

# The project's version as CMake has it.
project_version() {
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt"
}

# Both programs name the project's version and explain themselves.
programs_show_version() {
  local player=$1 tool=$2 version=$3 out
  out=$("$player" --version) || fail "zoruvidedid --version exited with $?"
  [ "$out" = "zoruvidedid $version" ] || fail "zoruvidedid --version says '$out'"
  out=$("$tool" --version) || fail "zoruvidedid-tool --version exited with $?"
  [ "$out" = "zoruvidedid-tool $version" ] || fail "zoruvidedid-tool --version says '$out'"
  out=$("$player" --help) || fail "zoruvidedid --help exited with $?"
  grep -q '^Aufruf: zoruvidedid' <<<"$out" || fail "zoruvidedid --help: $out"
}

# Runs a player without a display, with the given arguments (a puzzle file)
# or else on the puzzle packed into it; it must report what it loaded.
player_loads() {
  local player=$1 out
  shift
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$player" "$@" 2>&1) ||
    fail "$player $* exited with $?: $out"
  grep -q '^Geladen: ' <<<"$out" || fail "$player $* did not report the puzzle: $out"
}
