#!/usr/bin/env bash
# Solving with the clue list as a person does, on a virtual X server:
# - the fence grid example: every word is dragged from the list onto its start
#   cell (Shift held for words that go down, Ctrl for words that stand
#   backwards), and the result window "Glückwunsch!" must appear;
# - the word search example: every word's line of cells is marked with the
#   mouse, and again "Glückwunsch!" must appear.
# Where the list's rows and the grid's cells are is read from screenshots.
#
# cluelist_check.sh PLAYER TOOL EXAMPLES_DIR OUT_DIR
set -euo pipefail
mkdir -p "$4"
player=$(realpath "$1") tool=$(realpath "$2") examples=$(realpath "$3") out=$(realpath "$4")
here=$(realpath "$(dirname "$0")")

if [[ -z "${ZORU_E2E_INNER:-}" ]]; then
    exec xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1280x1024x24" \
        env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY ZORU_E2E_INNER=1 bash "$0" "$@"
fi

pid=
cleanup() { [[ -n "$pid" ]] && kill "$pid" 2>/dev/null || true; }
trap cleanup EXIT

source "$here/lib.sh"
locate() { python3 "$here/locate.py" "$@"; }

fail() {
    echo "FAIL: $*"
    cat "$out/player.log" 2>/dev/null || true
    import -window root "$out/failure.png" 2>/dev/null || true
    exit 1
}

start() { # puzzle file
    "$player" "$1" >"$out/player.log" 2>&1 &
    pid=$!
    local frame
    frame=$(find_window '^Velmar Zoruvidedid$' 20) || fail "no frame window"
    sleep 1.5
    xdotool windowfocus --sync "$frame" 2>/dev/null || xdotool windowfocus "$frame"
    sleep 0.3
}

finish() { # what was solved
    find_window '^Glückwunsch!$' 10 >/dev/null || fail "no window 'Glückwunsch!' after $1"
    echo "window 'Glückwunsch!' appeared after $1"
    import -window root "$out/$2.png"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
}

# A press-and-move in small steps, so that drags start and follow the pointer.
drag() { # x1 y1 x2 y2
    xdotool mousemove "$1" "$2"
    sleep 0.1
    xdotool mousedown 1
    local i
    for i in 1 2 3 4 5 6 7 8; do
        xdotool mousemove $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8))
        sleep 0.05
    done
    sleep 0.2
    xdotool mouseup 1
    sleep 0.3
}

# --- The fence grid: words dragged from the list -----------------------------
fence="$examples/knobelgitter.puz"
"$tool" info --json "$fence" >"$out/fence.info"
"$tool" clues --json "$fence" >"$out/fence.clues"
[[ $(jq -r .twoLists "$out/fence.clues") == false ]] || fail "the fence grid should show one list"
echo "== fence grid: $fence"
start "$fence"
import -window root "$out/fence-start.png"
read -r box_x box_y pitch < <(locate boxes "$out/fence-start.png")
cell=30 # kinds 6 and 7 draw no grid lines: cells follow each other at the cell size
read -r grid_x grid_y < <(locate origin "$out/fence-start.png" "$out/fence.info" $cell)
echo "list rows from ($box_x, $box_y) every $pitch px; grid at ($grid_x, $grid_y)"
n=0
while read -r row col cellrow down reversed; do
    keys=()
    [[ $down == 1 ]] && keys+=(shift)
    [[ $reversed == 1 ]] && keys+=(ctrl)
    x1=$((box_x + 40)) y1=$((box_y + 4 + row * pitch))
    x2=$((grid_x + (col - 1) * cell + cell / 2)) y2=$((grid_y + (cellrow - 1) * cell + cell / 2))
    if xdotool search --onlyvisible --name '^(Fehler!|Glückwunsch!)$' >/dev/null 2>&1; then
        fail "a result window before the last word"
    fi
    for k in "${keys[@]}"; do xdotool keydown "$k"; done
    drag "$x1" "$y1" "$x2" "$y2"
    for k in "${keys[@]}"; do xdotool keyup "$k"; done
    n=$((n + 1))
done < <(locate drops "$out/fence.clues" "$out/fence.info")
echo "dragged $n words"
finish "the dragged words" fence-solved

# --- The word search: lines marked with the mouse ----------------------------
search="$examples/kreuzwortpuzzle.puz"
"$tool" info --json "$search" >"$out/search.info"
echo "== word search: $search"
start "$search"
# Same frame, same board place; the word search draws grid lines of one pixel.
step=31
n=0
while read -r c1 r1 c2 r2; do
    x1=$((grid_x + 1 + (c1 - 1) * step + 15)) y1=$((grid_y + 1 + (r1 - 1) * step + 15))
    x2=$((grid_x + 1 + (c2 - 1) * step + 15)) y2=$((grid_y + 1 + (r2 - 1) * step + 15))
    if xdotool search --onlyvisible --name '^(Fehler!|Glückwunsch!)$' >/dev/null 2>&1; then
        fail "a result window before the last line"
    fi
    drag "$x1" "$y1" "$x2" "$y2"
    n=$((n + 1))
done < <(locate lines "$out/search.info")
echo "marked $n lines"
finish "the marked lines" search-solved

trap - EXIT
echo "clue list check passed"
