#!/usr/bin/env bash
# Builds the Debian package from a build folder with cpack, checks its control
# fields and file list (the same files in the same places as cmake --install),
# lets lintian judge it, then installs it with dpkg into a throw-away root,
# runs the player from there and removes the package again.
#   check-deb.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$2
source "$(dirname "$0")/check-lib.sh"
need cmake cpack dpkg dpkg-deb dpkg-shlibdeps dpkg-query lintian
export PATH=$PATH:/usr/sbin:/sbin # dpkg wants ldconfig and start-stop-daemon

rm -rf "$work"
mkdir -p "$work/out"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$work/cpack.log")"
debs=("$work"/out/zoruvidedid_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one zoruvidedid_*.deb, got: ${debs[*]}"
deb=${debs[0]}
echo "-- $(basename "$deb")"

echo "-- control fields"
field() { dpkg-deb -f "$deb" "$1"; }
version=$(project_version "$build")
[ "$(field Package)" = zoruvidedid ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version-1" ] || fail "Version is '$(field Version)', not $version-1"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture $(field Architecture)"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)'"
field Maintainer | grep -Eq '^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$' || fail "Maintainer '$(field Maintainer)'"
depends=$(field Depends)
# Computed by dpkg-shlibdeps from the programs, plus the window system plug-ins.
for dep in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6 qt6-qpa-plugins; do
  tr ',' '\n' <<<"$depends" | awk '{ print $1 }' | grep -qxF "$dep" ||
    fail "Depends lacks $dep: $depends"
done
description=$(field Description)
head -n 1 <<<"$description" | grep -qi 'puzzle player' || fail "synopsis: $(head -n 1 <<<"$description")"
grep -q 'Sudokus with 4 to 12 symbols' <<<"$description" || fail "no English description"
grep -q 'Rätselspieler' <<<"$description" || fail "no German description"

echo "-- file list"
dpkg-deb -c "$deb" >"$work/contents.txt"
while read -r f; do
  grep -q " \./usr/$f\$" "$work/contents.txt" || fail "the package lacks /usr/$f"
done < <(expected_files "$build")
# Only root-owned files under /usr, nothing from the build or staging folders.
awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' "$work/contents.txt" ||
  fail "files not owned by root"
awk '$6 !~ /^\.\/(usr\/.*)?$/ { print; bad = 1 } END { exit bad }' "$work/contents.txt" ||
  fail "files outside /usr"
! grep -Eq '_CPack_Packages|CMakeFiles|mime\.cache|mimeinfo\.cache' "$work/contents.txt" ||
  fail "build or cache files in the package"
dpkg-deb -x "$deb" "$work/unpacked"
for f in games/zoruvidedid bin/zoruvidedid-tool; do
  file -b "$work/unpacked/usr/$f" | grep -q ', stripped' || fail "/usr/$f is not stripped"
done
# A package and a direct install put every file in the same place.
DESTDIR=$work/staged cmake --install "$build" --prefix /usr --strip >"$work/install.log" ||
  fail "cmake --install failed: $(cat "$work/install.log")"
diff <(cd "$work/staged" && find . ! -type d | sort) <(cd "$work/unpacked" && find . ! -type d | sort) ||
  fail "the package and cmake --install differ in their files (< install, > package)"

echo "-- lintian"
# Errors and warnings fail. The package overrides two warnings, each with its
# reason; any other override is a new warning in disguise and fails too. The
# informational tags are shown and kept on purpose.
# (Read from its report: with the overrides shown, --fail-on would count them.)
lintian --display-info --show-overrides "$deb" >"$work/lintian.log" 2>&1 ||
  fail "lintian: $(cat "$work/lintian.log")"
! grep -q '^[EW]: ' "$work/lintian.log" || fail "lintian: $(cat "$work/lintian.log")"
overridden=$(sed -n 's/^O: zoruvidedid: \([^ ]*\).*/\1/p' "$work/lintian.log" | sort -u | tr '\n' ' ')
[ "$overridden" = "initial-upload-closes-no-bugs package-section-games-but-has-usr-bin " ] ||
  fail "lintian overrides other tags than the two known ones: $overridden"
grep -v '^running with root privileges' "$work/lintian.log" || true

echo "-- dpkg -i into a throw-away root"
root=$work/root
admin=$root/var/lib/dpkg
mkdir -p "$admin/info" "$admin/updates" "$admin/triggers"
: >"$admin/status"
: >"$admin/available"
force=(--force-depends)
[ "$(id -u)" -eq 0 ] || force+=(--force-not-root)
dpkgr() { dpkg --root="$root" --log=/dev/null "${force[@]}" "$@"; }
dpkgr -i "$deb" >"$work/dpkg.log" 2>&1 || fail "dpkg -i failed: $(cat "$work/dpkg.log")"
[ "$(dpkg-query --root="$root" -W -f='${Status}' zoruvidedid)" = "install ok installed" ] ||
  fail "not installed in the throw-away root"
dpkg-query --root="$root" -L zoruvidedid >"$work/listed.txt"
while read -r f; do
  grep -qx "/usr/$f" "$work/listed.txt" || fail "dpkg does not list /usr/$f"
  [ -f "$root/usr/$f" ] || fail "/usr/$f missing after dpkg -i"
done < <(expected_files "$build")
player_loads "$root/usr/games/zoruvidedid" \
  "$root/usr/share/zoruvidedid/examples/$(example_names "$build" | head -n 1).zvr"
programs_show_version "$root/usr/games/zoruvidedid" "$root/usr/bin/zoruvidedid-tool" "$version"

echo "-- dpkg --purge"
dpkgr --purge zoruvidedid >>"$work/dpkg.log" 2>&1 || fail "dpkg --purge failed: $(cat "$work/dpkg.log")"
left=$(find "$root" -path "$root/var" -prune -o ! -type d -print)
[ -z "$left" ] || fail "files left after removal: $left"
status=$(dpkg-query --root="$root" -W -f='${Status}' zoruvidedid 2>/dev/null || true)
[ -z "$status" ] || [ "$status" = "unknown ok not-installed" ] || fail "still registered: $status"

echo "package check passed"
