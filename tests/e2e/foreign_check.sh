#!/usr/bin/env bash
# Crosswords of the public formats on screen: an Across Lite file with a name
# that says nothing is given on the command line and typed to "Glückwunsch!";
# a locked one asks for its key, says "Der Schlüssel passt nicht." to a wrong
# one and opens with the right one.
#
# foreign_check.sh PLAYER TOOL WRITER OUT_DIR
set -euo pipefail
mkdir -p "$4"
player=$(realpath "$1") tool=$(realpath "$2") writer=$(realpath "$3") out=$(realpath "$4")

if [[ -z "${ZORU_E2E_INNER:-}" ]]; then
    exec xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1280x1024x24" \
        env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY ZORU_E2E_INNER=1 bash "$0" "$@"
fi

source "$(dirname "$0")/lib.sh"
trap stop_on_exit EXIT

solve() { # puzzle the player shows, the same puzzle as the tool reads it
    no_result_yet
    last_keys=()
    type_grid "$2" skip-last
    no_result_yet
    xdotool key --delay 4 "${last_keys[@]}"
    result_check 'Glückwunsch!'
    shot "$out/$(basename "$1")-solved.png"
    stop
}

"$writer" --puz "$out/kreuzwort.dat"
start "$player $out/kreuzwort.dat"
solve "$out/kreuzwort.dat" "$out/kreuzwort.dat"

"$writer" --locked 4711 "$out/gesperrt"
"$tool" import --key 4711 "$out/gesperrt" -o "$out/entsperrt.zvr" >/dev/null
rm -rf "$XDG_STATE_HOME" # the unlocked puzzle is the one just solved: start it afresh
echo "== $player $out/gesperrt"
$player "$out/gesperrt" >"$out/player.log" 2>&1 &
pid=$!
ask=$(find_window '^Schlüssel$' 20) || fail "no key dialog"
xdotool windowfocus --sync "$ask" 2>/dev/null || true
xdotool type --delay 20 1234
xdotool key Return
sleep 0.5
wrong=$(find_window '^Schlüssel$' 10) || fail "no answer to the wrong key"
xdotool windowfocus --sync "$wrong" 2>/dev/null || true
xdotool key Return
ask=$(find_window '^Schlüssel$' 10) || fail "the key is not asked again"
xdotool windowfocus --sync "$ask" 2>/dev/null || true
sleep 0.3
xdotool type --delay 20 4711
xdotool key Return
frame=$(find_window '^Velmar Zoruvidedid$' 20) || fail "no frame window"
sleep 1.5
eval "$(xdotool getwindowgeometry --shell "$frame" | sed 's/^/G_/')"
FX=$G_X FY=$G_Y FW=$G_WIDTH FH=$G_HEIGHT
focus_frame
solve "$out/gesperrt" "$out/entsperrt.zvr"
trap - EXIT
echo "foreign check passed"
