#!/usr/bin/env bash
# Every example puzzle played to "Glückwunsch!" on a virtual X server, with
# real key and mouse events, each the way its kind is solved:
#  - letter and symbol grids: the solution typed cell by cell;
#  - number puzzles: every code given its letter in the number legend;
#  - fence grids: every word dragged from the clue list onto its start cell
#    (Shift for words that go down, Ctrl for words that stand backwards);
#  - the word search: every word's line marked with the mouse;
#  - then, for kinds with a solution word, the word typed into its window.
# No result window may appear before the last step. Where the windows, list
# rows and cells are is read from screenshots.
#
# every_kind_check.sh PLAYER TOOL EXAMPLES_DIR OUT_DIR
set -euo pipefail
mkdir -p "$4"
player=$(realpath "$1") tool=$(realpath "$2") examples=$(realpath "$3") out=$(realpath "$4")
here=$(realpath "$(dirname "$0")")

if [[ -z "${ZORU_E2E_INNER:-}" ]]; then
    exec xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1280x1024x24" \
        env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY ZORU_E2E_INNER=1 bash "$0" "$@"
fi

source "$here/lib.sh"
trap stop_on_exit EXIT
locate() { python3 "$here/locate.py" "$@"; }

# The fence grid's words, dragged from the list; leaves the grid's place in
# grid_x/grid_y for the word search, which the frame shows at the same place.
grid_x= grid_y=
drag_words() { # puzzle file, name
    "$tool" info --json "$1" >"$out/$2.info"
    "$tool" clues --json "$1" >"$out/$2.clues"
    [[ $(jq -r .twoLists "$out/$2.clues") == false ]] || fail "a fence grid shows one list"
    import -window root "$out/$2-start.png"
    local box_x box_y pitch row col cellrow down reversed n=0
    read -r box_x box_y pitch < <(locate boxes "$out/$2-start.png")
    local cell=30 # no grid lines: cells follow each other at the cell size
    read -r grid_x grid_y < <(locate origin "$out/$2-start.png" "$out/$2.info" $cell)
    echo "list rows from ($box_x, $box_y) every $pitch px; grid at ($grid_x, $grid_y)"
    while read -r row col cellrow down reversed; do
        local keys=() k
        [[ $down == 1 ]] && keys+=(shift)
        [[ $reversed == 1 ]] && keys+=(ctrl)
        no_result_yet
        for k in "${keys[@]}"; do xdotool keydown "$k"; done
        drag $((box_x + 40)) $((box_y + 4 + row * pitch)) \
            $((grid_x + (col - 1) * cell + cell / 2)) $((grid_y + (cellrow - 1) * cell + cell / 2))
        for k in "${keys[@]}"; do xdotool keyup "$k"; done
        n=$((n + 1))
    done < <(locate drops "$out/$2.clues" "$out/$2.info")
    echo "dragged $n words"
}

mark_lines() { # puzzle file, name
    [[ -n "$grid_x" ]] || fail "the word search runs after a fence grid, whose grid place it uses"
    "$tool" info --json "$1" >"$out/$2.info"
    local step=31 n=0 c1 r1 c2 r2 # grid lines of one pixel
    while read -r c1 r1 c2 r2; do
        no_result_yet
        drag $((grid_x + 1 + (c1 - 1) * step + 15)) $((grid_y + 1 + (r1 - 1) * step + 15)) \
            $((grid_x + 1 + (c2 - 1) * step + 15)) $((grid_y + 1 + (r2 - 1) * step + 15))
        n=$((n + 1))
    done < <(locate lines "$out/$2.info")
    echo "marked $n lines"
}

finished=()
while read -r name; do
    # ZORU_E2E_ONLY (a regex) picks examples when one is looked into.
    [[ -n ${ZORU_E2E_ONLY:-} && ! $name =~ $ZORU_E2E_ONLY ]] && continue
    began=$SECONDS
    puzzle="$examples/$name.zvr"
    info=$("$tool" info --json "$puzzle")
    kind=$(jq -r .kind <<<"$info")
    word=$(jq -r '.solutionWord // ""' <<<"$info")
    start "$player $puzzle"
    echo "kind $kind${word:+, solution word $word}"
    last_keys=()
    case $kind in
    2 | 3) fill_number_legend "$puzzle" ;;
    6 | 7) drag_words "$puzzle" "$name" ;;
    12) mark_lines "$puzzle" "$name" ;;
    *) type_grid "$puzzle" skip-last ;;
    esac
    if ((${#last_keys[@]})); then
        no_result_yet
        xdotool key --delay 4 "${last_keys[@]}"
    fi
    if [[ -n "$word" ]]; then
        sleep 0.5
        no_result_yet
        type_solution_word "$word"
    fi
    result_check 'Glückwunsch!'
    shot "$out/$name-solved.png"
    stop
    echo "($((SECONDS - began)) s)"
    finished+=("$kind")
done <"$examples/list.txt"

kinds=$(printf '%s\n' "${finished[@]}" | sort -nu | tr '\n' ' ')
echo "finished ${#finished[@]} examples of the kinds $kinds"
trap - EXIT
echo "every kind check passed"
