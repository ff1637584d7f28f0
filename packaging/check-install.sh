#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR as a package would (prefix /usr,
# stripped) and checks what a desktop takes from it: the files, the menu entry,
# the file type as the desktop's MIME database sees it, the program that a
# double click starts, the AppStream metadata, the icons and the manual pages.
#   check-install.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$2
source "$(dirname "$0")/check-lib.sh"
need cmake desktop-file-validate xmllint update-mime-database update-desktop-database \
  xdg-mime mimetype groff man file gzip appstreamcli
mime_type=application/x-zoruvidedid-puzzle

rm -rf "$work"
mkdir -p "$work/home" "$work/config" "$work/samples"
root=$work/root
usr=$root/usr
DESTDIR=$root cmake --install "$build" --prefix /usr --strip >"$work/install.log" ||
  fail "cmake --install failed: $(cat "$work/install.log")"

echo "-- installed files"
while read -r f; do
  [ -f "$usr/$f" ] || fail "not installed: /usr/$f"
done < <(expected_files "$build")
for f in games/zoruvidedid bin/zoruvidedid-tool; do
  [ -x "$usr/$f" ] || fail "/usr/$f is not executable"
done
player=$usr/games/zoruvidedid
tool=$usr/bin/zoruvidedid-tool
version=$(project_version "$build")
programs_show_version "$player" "$tool" "$version"
# Generated caches belong to the system, not to the install.
[ ! -e "$usr/share/mime/mime.cache" ] || fail "the install wrote a MIME cache into DESTDIR"

echo "-- desktop entry"
desktop=$usr/share/applications/zoruvidedid.desktop
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
key() { sed -n "s/^$1=//p" "$desktop"; }
# Bare names: the launcher finds the player on the PATH, wherever the prefix put it.
[ "$(key Exec)" = "zoruvidedid %f" ] || fail "Exec is '$(key Exec)'"
[ "$(key TryExec)" = zoruvidedid ] || fail "TryExec is '$(key TryExec)'"
[ "$(key Categories)" = "Game;LogicGame;" ] || fail "Categories is '$(key Categories)'"
[ "$(key MimeType)" = "$mime_type;application/x-across-lite-puzzle;application/x-ipuz;" ] ||
  fail "MimeType is '$(key MimeType)'"
[ "$(key Name)" = Zoruvidedid ] || fail "Name is '$(key Name)'"
key Comment | grep -q 'ätsel' || fail "the comment is not German: $(key Comment)"
[ "$(key Icon)" = zoruvidedid ] || fail "Icon is '$(key Icon)'"

echo "-- MIME package"
xml=$usr/share/mime/packages/zoruvidedid.xml
xmllint --noout "$xml" || fail "xmllint rejects $xml"
xp() { xmllint --xpath "$1" "$xml"; }
[ "$(xp 'string(//*[local-name()="mime-type"]/@type)')" = "$mime_type" ] || fail "wrong MIME type"
[ "$(xp 'string(//*[local-name()="match"]/@value)')" = Dadorerovaduzuve ] || fail "wrong magic"
[ "$(xp 'string(//*[local-name()="match"]/@offset)')" = 0 ] || fail "magic not at offset 0"
# Our own extension only: *.puz belongs to a widely used foreign crossword format,
# which has a type of its own known by its magic alone.
own='//*[local-name()="mime-type"][@type="'$mime_type'"]'
[ "$(xp "count($own//*[local-name()=\"glob\"])")" = 1 ] || fail "more than one glob"
[ "$(xp "string($own//*[local-name()=\"glob\"]/@pattern)")" = '*.zvr' ] || fail "wrong glob"
[ "$(xp 'count(//*[local-name()="glob"][@pattern="*.puz"])')" = 0 ] || fail "*.puz claimed by name"
out=$(XDG_DATA_DIRS="$usr/share:/usr/share" update-mime-database "$usr/share/mime" 2>&1) || fail "update-mime-database: $out"
[ -z "$out" ] || fail "update-mime-database complains: $out"
update-desktop-database "$usr/share/applications"

# The desktop's view: only the installed data beside the system's, no user
# settings, no desktop environment (xdg-mime then asks the MIME database).
xdg() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION \
    -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID -u XDG_MENU_PREFIX \
    HOME="$work/home" XDG_DATA_HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
    XDG_CONFIG_DIRS="$work/config" XDG_DATA_DIRS="$usr/share:/usr/share" xdg-mime "$@"
}
examples=$usr/share/zoruvidedid/examples
sample=$examples/$(example_names "$build" | head -n 1).zvr
cp "$sample" "$work/samples/ohne-endung"
printf 'Kein Rätsel, nur Text.\n' >"$work/samples/notiz.txt"
# Same bytes but for the header: neither name nor content says puzzle.
{ printf 'X'; tail -c +2 "$sample"; } >"$work/samples/kaputt.bin"
# The start of a foreign crossword file with the extension that format uses:
# checksum, its magic, then a 3 x 3 grid; not ours whatever it is called.
{
  printf '\x12\x34ACROSS&DOWN\0\0\0'
  head -c 28 /dev/zero
  printf '\x03\x03\x06\0\x01\0\0\0CAT.A.TEN---.-.---'
} >"$work/samples/fremd.puz"
# Ours, named like that foreign format: known by its first bytes still.
cp "$sample" "$work/samples/unseres.puz"
for f in "$sample" "$work/samples/ohne-endung" "$work/samples/unseres.puz"; do
  got=$(xdg query filetype "$f")
  [ "$got" = "$mime_type" ] || fail "xdg-mime types $f as '$got'"
done
for f in "$work/samples/notiz.txt" "$work/samples/kaputt.bin" "$work/samples/fremd.puz"; do
  got=$(xdg query filetype "$f")
  [ "$got" != "$mime_type" ] || fail "xdg-mime types $f as a puzzle"
done
got=$(xdg query default "$mime_type")
[ "$got" = zoruvidedid.desktop ] || fail "puzzle files open with '$got', not zoruvidedid.desktop"

echo "-- opening a puzzle as a double click does"
# The launcher puts the file for %f into the entry's command line.
read -r -a command <<<"$(key Exec)"
command=("${command[@]/#%f/$sample}")
[ "${command[0]}" = zoruvidedid ] || fail "unexpected command ${command[0]}"
player_loads "$usr/games/${command[0]}" "${command[1]}"
while read -r name; do
  player_loads "$player" "$examples/$name.zvr"
done < <(example_names "$build")
# After "--" every argument is a file name, even one that looks like an option.
cp "$sample" "$work/samples/--help"
(cd "$work/samples" && player_loads "$player" -- --help)
# From the menu, without a file, the installed player holds no puzzle (on a
# screen it offers the chooser); without a screen it says so, naming itself.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$player" 2>&1) &&
  fail "the bare player claims to hold a puzzle: $out"
grep -Fq "\"$player\" enthält keines" <<<"$out" || fail "bare player: $out"

echo "-- the installed player packs and the tool reads the result"
"$tool" pack "$player" "$sample" --settings "$examples/schwedenraetsel.ini" \
  -o "$work/packed" || fail "the installed player cannot be packed"
out=$("$tool" info --json "$work/packed") || fail "packed player unreadable: $out"
grep -q '"container": "module"' <<<"$out" || fail "packed player read as no module: $out"
player_loads "$work/packed"

echo "-- AppStream metadata"
# Errors, warnings and the pedantic notes all count; the tree check also finds
# the desktop entry the metadata launches.
metainfo=$usr/share/metainfo/org.example.zoruvidedid.metainfo.xml
out=$(appstreamcli validate --no-net --pedantic --no-color "$metainfo" 2>&1) ||
  fail "appstreamcli validate: $out"
grep -q '^✔' <<<"$out" || fail "appstreamcli validate: $out"
out=$(appstreamcli validate-tree --no-net --pedantic --no-color "$root" 2>&1) ||
  fail "appstreamcli validate-tree: $out"
grep -q '^✔' <<<"$out" || fail "appstreamcli validate-tree: $out"
xmllint --xpath 'string(//releases/release[1]/@version)' "$metainfo" | grep -qxF "$version" ||
  fail "the AppStream metadata's latest release is not $version"

echo "-- icons"
for size in 16 24 32 48 64 128 256; do
  file -b "$usr/share/icons/hicolor/${size}x${size}/apps/zoruvidedid.png" |
    grep -q "^PNG image data, $size x $size," || fail "icon $size is not a ${size}px PNG"
done
xmllint --noout "$usr/share/icons/hicolor/scalable/apps/zoruvidedid.svg" || fail "SVG icon"

echo "-- manual pages"
for page in man1/zoruvidedid-tool.1.gz man6/zoruvidedid.6.gz; do
  file="$usr/share/man/$page"
  gzip -t "$file" || fail "$page is not gzipped"
  ! zgrep -q '@[A-Z]*@' "$file" || fail "$page has unfilled placeholders"
  zgrep -q '/usr/share/zoruvidedid/examples' "$file" || fail "$page lacks the examples path"
  zcat "$file" | head -n 1 | grep -qF "Zoruvidedid $version" || fail "$page does not name version $version"
  out=$(zcat "$file" | groff -ww -z -man -Tutf8 2>&1) || fail "groff: $out"
  [ -z "$out" ] || fail "groff warns on $page: $out"
  out=$(MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null) || fail "man -l $page: $out"
  [ -z "$out" ] || fail "man -l warns on $page: $out"
done
# Every command the tool offers has its place in the manual.
zgrep -q 'pack /usr/games/zoruvidedid ' "$usr/share/man/man1/zoruvidedid-tool.1.gz" ||
  fail "the tool's manual does not pack the player from /usr/games"
page=$usr/share/man/man1/zoruvidedid-tool.1.gz
commands=$("$tool" --help 2>&1 | sed -n 's/^ *zoruvidedid-tool \([a-z]*\).*/\1/p')
[ -n "$commands" ] || fail "the tool lists no commands"
for c in $commands; do
  zgrep -q "^\.B zoruvidedid\\\\-tool $c\$" "$page" || fail "SYNOPSIS lacks the command $c"
  zgrep -q "^\.B[IR]\? \"\?$c\b" "$page" || fail "COMMANDS lacks the command $c"
done

echo "install check passed"
