#!/usr/bin/env bash
# The side windows of packed players, on a virtual X server with real key and
# mouse events (every example is finished unpacked by the every-kind check):
#  - the packed Swedish crossword with solution word: the grid typed in, then
#    the solution word typed into its own window -> "Glückwunsch!"; a wrong
#    solution word -> "Fehler!";
#  - the timed Sudoku: the stopwatch's display changes while the symbols are
#    typed, then -> "Glückwunsch!".
# The side windows are found on screenshots: the solution cells by their
# colour, the stopwatch as the non-grey box at the right of the frame's grey
# client area.
#
# sidewindows_check.sh PLAYER TOOL EXAMPLES_DIR OUT_DIR [STRIP]
set -euo pipefail
mkdir -p "$4"
player=$(realpath "$1") tool=$(realpath "$2") examples=$(realpath "$3") out=$(realpath "$4")
strip=${5:-strip}

if [[ -z "${ZORU_E2E_INNER:-}" ]]; then
    exec xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1280x1024x24" \
        env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY ZORU_E2E_INNER=1 bash "$0" "$@"
fi

source "$(dirname "$0")/lib.sh"
trap stop_on_exit EXIT
source_dir=$(realpath "$(dirname "$0")/../../examples")
settings="$source_dir/schwedenraetsel.ini"

# --- Swedish crossword with solution word: grid, then the word's own window.
packed="$examples/schwedenraetsel-loesungswort"
[[ -x "$packed" ]] || packed=$(command_for "$examples/schwedenraetsel-loesungswort.zvr" swedish "$settings")
solution=$("$tool" info --json "$packed" | jq -r .solutionWord)
for word in right wrong; do
    start "$packed"
    type_grid "$packed"
    no_result_yet
    typed=$solution
    [[ $word == wrong ]] && typed=${typed:0:-1}Q
    type_solution_word "$typed"
    if [[ $word == right ]]; then result_check 'Glückwunsch!'; else result_check 'Fehler!'; fi
    stop
done

# --- Timed Sudoku: the stopwatch counts while the symbols are typed.
timed=$(command_for "$examples/sudoku-auf-zeit.zvr" timed "$settings")
start "$timed"
shot "$out/timed-1.png"
top=$(mdi_top "$out/timed-1.png") || fail "no grey client area"
read -r wx wy ww wh < <(box_of "$out/timed-1.png" "$((FW / 2))x200+$((FW / 2))+$top" \
    "#808080" not) || fail "no stopwatch on the screen"
(( ww > 100 && wh > 50 )) || fail "no stopwatch found"
echo "stopwatch at $wx,$wy (${ww}x$wh)"
watch="${ww}x${wh}+${wx}+${wy}"
type_grid "$timed" skip-last
sleep 2.2
shot "$out/timed-2.png"
changed=$(compare -metric AE "$out/timed-1.png[$watch]" "$out/timed-2.png[$watch]" null: 2>&1 || true)
echo "stopwatch pixels changed: $changed"
[[ ${changed%% *} -gt 20 ]] || fail "the stopwatch does not count"
# With a best time the counting digits are bright green.
green=$(convert "$out/timed-2.png" -crop "$watch" +repage -fill white -opaque "#00FF00" \
    -fill black +opaque white -format '%[fx:mean]' info:)
awk -v g="$green" 'BEGIN { exit !(g > 0.005) }' || fail "no green digits on the stopwatch"
no_result_yet
focus_frame
xdotool key --delay 4 "${last_keys[@]}"
result_check 'Glückwunsch!'
sleep 1.2
shot "$out/timed-3.png"
stop

trap - EXIT
echo "side windows check passed"
