#!/usr/bin/env bash
# Finishing puzzles that need a side window, on a virtual X server with real
# key and mouse events:
#  - the packed Swedish crossword with solution word: the grid typed in, then
#    the solution word typed into its own window -> "Glückwunsch!"; a wrong
#    solution word -> "Fehler!";
#  - the number puzzle: every letter given in the number legend -> "Glückwunsch!";
#  - the timed Sudoku: the stopwatch's display changes while the symbols are
#    typed, then -> "Glückwunsch!".
# The side windows are found on screenshots: the solution cells by their
# colour, the legend and the stopwatch as the non-grey boxes at the right of
# the frame's grey client area.
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

pid=
cleanup() { [[ -n "$pid" ]] && kill "$pid" 2>/dev/null || true; }
trap cleanup EXIT
source "$(dirname "$0")/lib.sh"
source_dir=$(realpath "$(dirname "$0")/../../examples")
settings="$source_dir/schwedenraetsel.ini"

fail() {
    echo "FAIL: $*"
    [[ -f "$out/player.log" ]] && cat "$out/player.log"
    [[ -f "$out/screen.png" ]] && echo "last screenshot: $out/screen.png"
    exit 1
}

# A player for a puzzle file: packed into a stripped copy when it fits, else
# the player with the file as its parameter.
command_for() { # puzzle file, name
    cp "$player" "$out/$2.player"
    "$strip" --strip-all "$out/$2.player" 2>/dev/null || true
    if "$tool" pack "$out/$2.player" "$1" --settings "$settings" -o "$out/$2" >/dev/null 2>&1; then
        chmod +x "$out/$2"
        echo "$out/$2"
    else
        echo "$player $1"
    fi
}

frame= FX= FY= FW= FH=
start() { # command
    echo "== $1"
    # shellcheck disable=SC2086
    $1 >"$out/player.log" 2>&1 &
    pid=$!
    frame=$(find_window '^Velmar Zoruvidedid$' 20) || fail "no frame window"
    sleep 1.5
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$frame")"
    FX=$X FY=$Y FW=$WIDTH FH=$HEIGHT
    focus_frame
}
focus_frame() {
    xdotool windowfocus --sync "$frame" 2>/dev/null || xdotool windowfocus "$frame"
    sleep 0.3
}
stop() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
}
shot() { # file
    import -window root "$out/screen.png"
    convert "$out/screen.png" -crop "${FW}x${FH}+${FX}+${FY}" +repage "$1"
}
# The bounding box "x y w h" of the pixels of one colour (or, with "not", of
# every other colour) inside a region of an image, in image coordinates.
box_of() { # image, region WxH+X+Y, colour, [not]
    local marks=(-fill black +opaque "$3" -fill white -opaque "$3")
    [[ ${4:-} == not ]] && marks=(-fill white +opaque "$3" -fill black -opaque "$3")
    local g
    g=$(convert "$1" -crop "$2" +repage "${marks[@]}" -bordercolor black -border 1 \
        -format '%@' info:)
    [[ $g =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
    local rx=${2#*+} ry=${2##*+}
    rx=${rx%%+*}
    echo "$((BASH_REMATCH[3] - 1 + rx)) $((BASH_REMATCH[4] - 1 + ry)) ${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"
}
# The first row of the frame's grey client area (below menu and tool bar).
mdi_top() { # frame image
    local y
    for ((y = 0; y < FH / 2; y++)); do
        if [[ $(convert "$1" -format "%[hex:p{$((FW - 4)),$y}]" info:) == 808080* ]]; then
            echo "$y"
            return 0
        fi
    done
    return 1
}
click_at() { # x y in frame coordinates
    xdotool mousemove --sync $((FX + $1)) $((FY + $2)) click 1
    sleep 0.3
}
result_check() { # expected caption
    find_window "^$1\$" 10 >/dev/null || fail "no window '$1'"
    echo "window '$1' appeared"
}
no_result_yet() {
    if xdotool search --onlyvisible --name '^(Fehler!|Glückwunsch!)$' >/dev/null 2>&1; then
        fail "a result window before the puzzle was finished"
    fi
}

# Types the solution of every open cell (not the givens) into the board: from
# the top-left corner with the arrow keys, as in the typing check.
type_grid() { # puzzle file, [skip the last cell]
    local info
    info=$("$tool" info --json "$1")
    local cols rows
    cols=$(jq -r .columns <<<"$info")
    rows=$(jq -r .rows <<<"$info")
    mapfile -t cells < <(jq -r '[.solutionLetters, .enteredLetters] | transpose
        | to_entries[] | .key as $r | .value as [$s, $e]
        | ($s | split("")) as $sl | ($e | split("")) as $el
        | range(0; $sl | length) as $c
        | select($sl[$c] != "." and $el[$c] == " ")
        | "\($c + 1) \($r + 1) \($sl[$c])"' <<<"$info")
    local n=${#cells[@]} last=${#cells[@]} i k
    [[ ${2:-} == skip-last ]] && last=$((n - 1))
    echo "typing $last of $n cells into a $cols x $rows grid"
    for ((i = 0; i < last; i++)); do
        local c r l keys=()
        read -r c r l <<<"${cells[$i]}"
        for ((k = 1; k < rows; k++)); do keys+=(Up); done
        for ((k = 1; k < cols; k++)); do keys+=(Left); done
        for ((k = 1; k < c; k++)); do keys+=(Right); done
        for ((k = 1; k < r; k++)); do keys+=(Down); done
        keys+=("${l,,}")
        xdotool key --delay 4 "${keys[@]}"
    done
    last_cell=${cells[$((n - 1))]}
    last_keys=()
    local c r l
    read -r c r l <<<"$last_cell"
    for ((k = 1; k < rows; k++)); do last_keys+=(Up); done
    for ((k = 1; k < cols; k++)); do last_keys+=(Left); done
    for ((k = 1; k < c; k++)); do last_keys+=(Right); done
    for ((k = 1; k < r; k++)); do last_keys+=(Down); done
    last_keys+=("${l,,}")
}

# --- Swedish crossword with solution word: grid, then the word's own window.
packed="$examples/schwedenraetsel-loesungswort"
[[ -x "$packed" ]] || packed=$(command_for "$examples/schwedenraetsel-loesungswort.puz" swedish)
solution=$("$tool" info --json "$packed" | jq -r .solutionWord)
for word in right wrong; do
    start "$packed"
    type_grid "$packed"
    no_result_yet
    shot "$out/swedish-$word.png"
    # The solution cells at the right half of the frame belong to the window.
    read -r sx sy sw sh < <(box_of "$out/swedish-$word.png" "$((FW / 2))x$((FH - 30))+$((FW / 2))+0" \
        "#FFFF00") || fail "no solution-word window on the screen"
    cell=$((sw / ${#solution}))
    (( sw > 20 && sh > 10 )) || fail "no solution-word cells found"
echo "solution-word cells at $sx,$sy (${sw}x$sh), $cell per letter"
    click_at $((sx + cell / 2)) $((sy + sh / 2))
    typed=${solution,,}
    [[ $word == wrong ]] && typed=${typed:0:-1}q
    xdotool key --delay 20 $(sed 's/./& /g' <<<"$typed")
    if [[ $word == right ]]; then result_check 'Glückwunsch!'; else result_check 'Fehler!'; fi
    stop
done

# --- Number puzzle: every letter given in the legend.
numbers=$(command_for "$examples/zahlenraetsel.puz" numbers)
start "$numbers"
shot "$out/numbers.png"
top=$(mdi_top "$out/numbers.png") || fail "no grey client area"
read -r lx ly lw lh < <(box_of "$out/numbers.png" "$((FW / 2))x$((FH / 2))+$((FW / 2))+$top" \
    "#808080" not) || fail "no number legend on the screen"
(( lw > 50 && lh > 100 )) || fail "no number legend found"
echo "number legend at $lx,$ly (${lw}x$lh)"
# Its title bar activates it and puts the keys into the table, which starts
# beside number 0; Down walks the numbers and wraps from 12 to 13.
click_at $((lx + lw / 2)) $((ly + 6))
info=$("$tool" info --json "$numbers")
table=$(jq -r '.codeLetters // ""' <<<"$info")
[[ ${#table} -eq 26 ]] || fail "the number puzzle has no code table"
letters=()
for ((i = 0; i < 26; i++)); do letters+=("${table:$i:1}"); done
grid_letters=$(jq -r '.solutionLetters | join("")' <<<"$info")
# Only numbers that stand in the grid are given a letter; the last of them finishes it.
final=-1
for ((i = 0; i < 26; i++)); do [[ $grid_letters == *"${letters[$i]}"* ]] && final=$i; done
keys=()
for ((i = 0; i < final; i++)); do
    [[ $grid_letters == *"${letters[$i]}"* ]] && keys+=("${letters[$i],,}")
    keys+=(Down)
done
xdotool key --delay 10 "${keys[@]}"
no_result_yet
xdotool key "${letters[$final],,}"
result_check 'Glückwunsch!'
stop

# --- Timed Sudoku: the stopwatch counts while the symbols are typed.
timed=$(command_for "$examples/sudoku-auf-zeit.puz" timed)
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
