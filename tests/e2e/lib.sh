# Shared by the window checks under Xvfb. The sourcing script sets player,
# tool and out (absolute paths), and strip when it packs players.

# The player keeps its progress and settings between runs: the checks keep
# theirs in folders of their own, never in the home folder, and every start
# begins without a saved progress unless keep_progress is set.
xdg=$(realpath -m "$out/xdg") # the rules ignore relative folders
export XDG_STATE_HOME="$xdg/state" XDG_CONFIG_HOME="$xdg/config"
rm -rf "$xdg"

# xvfb-run may hand over before its server takes connections on a loaded
# machine: wait for it rather than fail the first start.
for ((wait_x = 0; wait_x < 100; wait_x++)); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done

find_window() { # name regex, seconds
    local i w
    for ((i = 0; i < $2 * 10; i++)); do
        w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        if [[ -n "$w" ]]; then
            echo "$w"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

fail() {
    echo "FAIL: $*"
    [[ -f "$out/player.log" ]] && cat "$out/player.log"
    import -window root "$out/failure.png" 2>/dev/null && echo "screen at the failure: $out/failure.png"
    exit 1
}

# A player for a puzzle file: packed into a stripped copy when it fits, else
# the player with the file as its parameter.
command_for() { # puzzle file, name, [settings file]
    cp "$player" "$out/$2.player"
    "$strip" --strip-all "$out/$2.player" 2>/dev/null || true
    local settings=()
    [[ -n "${3:-}" ]] && settings=(--settings "$3")
    if "$tool" pack "$out/$2.player" "$1" "${settings[@]}" -o "$out/$2" >/dev/null 2>&1; then
        chmod +x "$out/$2"
        echo "$out/$2"
    else
        echo "$player $1"
    fi
}

pid=${pid:-} frame= FX= FY= FW= FH=
start() { # command
    echo "== $1"
    [[ -n "${keep_progress:-}" ]] || rm -rf "$XDG_STATE_HOME"
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
stop_on_exit() { [[ -n "$pid" ]] && kill "$pid" 2>/dev/null || true; }

# The frame only, in frame coordinates.
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
# A press-and-move in small steps, so that drags start and follow the pointer.
drag() { # x1 y1 x2 y2, screen coordinates
    xdotool mousemove "$1" "$2" sleep 0.05 mousedown 1
    local i
    for i in 1 2 3 4 5 6; do
        xdotool mousemove $(($1 + ($3 - $1) * i / 6)) $(($2 + ($4 - $2) * i / 6)) sleep 0.03
    done
    xdotool sleep 0.1 mouseup 1 sleep 0.15
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

# Whether one of the player's menus is open: a visible window of the player
# besides the frame and the hints window (Qt may give a menu's window a new
# type on each showing, so the type does not tell).
menu_open() {
    local id
    for id in $(xdotool search --onlyvisible --classname '^zoruvidedid$' 2>/dev/null); do
        [[ $id == "$frame" ]] && continue
        [[ $(xdotool getwindowname "$id" 2>/dev/null) == Hinweise ]] && continue
        return 0
    done
    return 1
}

# Types the solution of every open cell (not the givens) into the board, from
# the top-left corner with the arrow keys. The American kinds hide their
# blocks: each is first marked through the Edit menu's "Leerfeld". With
# skip-last the last cell's keys are left in last_keys.
type_grid() { # puzzle file, [skip-last]
    local info
    info=$("$tool" info --json "$1")
    local cols rows kind
    cols=$(jq -r .columns <<<"$info")
    rows=$(jq -r .rows <<<"$info")
    kind=$(jq -r .kind <<<"$info")
    local blocks=false
    [[ $kind == 10 || $kind == 11 ]] && blocks=true
    local cells
    mapfile -t cells < <(jq -r --argjson blocks $blocks '[.solutionLetters, .enteredLetters]
        | transpose | to_entries[] | .key as $r | .value as [$s, $e]
        | ($s | split("")) as $sl | ($e | split("")) as $el
        | range(0; $sl | length) as $c
        | select(($sl[$c] != "." and $el[$c] == " ") or ($blocks and $sl[$c] == "."))
        | [$sl[$c] != ".", $r, $c, $sl[$c]]' <<<"$info" |
        jq -rs 'sort[] | "\(.[2] + 1) \(.[1] + 1) \(.[3])"')
    local n=${#cells[@]} last=${#cells[@]} i k c r l
    [[ ${2:-} == skip-last ]] && last=$((n - 1))
    echo "filling $last of $n cells of a $cols x $rows grid"
    for ((i = 0; i < n; i++)); do
        local keys=()
        read -r c r l <<<"${cells[$i]}"
        for ((k = 1; k < rows; k++)); do keys+=(Up); done
        for ((k = 1; k < cols; k++)); do keys+=(Left); done
        for ((k = 1; k < c; k++)); do keys+=(Right); done
        for ((k = 1; k < r; k++)); do keys+=(Down); done
        if [[ $l == . ]]; then
            # The menu opens a window of its own: its key waits until it
            # shows, the next cell's keys until it has gone.
            xdotool key --delay 0 "${keys[@]}" alt+b
            for ((k = 0; k < 100; k++)); do
                menu_open && break
                sleep 0.02
            done
            ((k < 100)) || fail "the Edit menu did not open"
            xdotool key l
            for ((k = 0; k < 100; k++)); do
                menu_open || break
                sleep 0.02
            done
            continue
        fi
        keys+=("${l,,}")
        if ((i < last)); then
            xdotool key --delay 0 "${keys[@]}"
        else
            last_keys=("${keys[@]}")
        fi
    done
}

# The solution-word window: its yellow cells in the bottom right quarter of
# the frame. Clicks its first cell and types the word.
type_solution_word() { # word
    shot "$out/solution-word.png"
    local sx sy sw sh
    read -r sx sy sw sh < <(box_of "$out/solution-word.png" \
        "$((FW / 2))x$((FH / 2 - 30))+$((FW / 2))+$((FH / 2))" "#FFFF00") ||
        fail "no solution-word window on the screen"
    ((sw > 20 && sh > 10)) || fail "no solution-word cells found"
    local cell=$((sw / ${#1}))
    echo "solution-word cells at $sx,$sy (${sw}x$sh), $cell per letter"
    click_at $((sx + cell / 2)) $((sy + sh / 2))
    # shellcheck disable=SC2046
    xdotool key --delay 20 $(sed 's/./& /g' <<<"${1,,}")
}

# The number legend: the non-grey box at the top right of the client area.
# Gives every code that stands in the grid its letter, walking the numbers
# with Down (12 wraps to 13); the last letter's key is left in last_keys.
fill_number_legend() { # puzzle file
    shot "$out/legend.png"
    local top lx ly lw lh
    top=$(mdi_top "$out/legend.png") || fail "no grey client area"
    read -r lx ly lw lh < <(box_of "$out/legend.png" "$((FW / 2))x$((FH / 2))+$((FW / 2))+$top" \
        "#808080" not) || fail "no number legend on the screen"
    ((lw > 50 && lh > 100)) || fail "no number legend found"
    echo "number legend at $lx,$ly (${lw}x$lh)"
    # Its title bar activates it and puts the keys into the table, which
    # starts beside number 0.
    click_at $((lx + lw / 2)) $((ly + 6))
    local info table grid_letters i final=-1 keys=()
    info=$("$tool" info --json "$1")
    table=$(jq -r '.codeLetters // ""' <<<"$info")
    [[ ${#table} -eq 26 ]] || fail "the number puzzle has no code table"
    grid_letters=$(jq -r '.solutionLetters | join("")' <<<"$info")
    for ((i = 0; i < 26; i++)); do [[ $grid_letters == *"${table:$i:1}"* ]] && final=$i; done
    for ((i = 0; i < final; i++)); do
        [[ $grid_letters == *"${table:$i:1}"* ]] && keys+=("$(tr A-Z a-z <<<"${table:$i:1}")")
        keys+=(Down)
    done
    xdotool key --delay 10 "${keys[@]}"
    last_keys=("$(tr A-Z a-z <<<"${table:$final:1}")")
}
