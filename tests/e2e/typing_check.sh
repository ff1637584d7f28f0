#!/usr/bin/env bash
# Solving with the keyboard as a person does: the player runs on a virtual X
# server, the letters of the solution are typed with real key events (arrow
# keys to reach each cell), and the result window must appear: "Glückwunsch!"
# for a correctly filled crossword, "Fehler!" when the last letter is wrong.
#
# The crossword without solution word is compiled and packed here; the packed example with
# solution word cannot be completed in the grid alone (its solution word has
# its own window), so it serves the wrong-letter case.
#
# typing_check.sh PLAYER TOOL EXAMPLES_DIR OUT_DIR [STRIP]
set -euo pipefail
mkdir -p "$4"
# The player reads a relative file name against its own folder: absolute paths only.
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

# "column row letter" for every letter cell, rows first.
letter_cells() { # file the player shows
    "$tool" info --json "$1" | jq -r '.solutionLetters | to_entries[] | .key as $r
        | .value | split("") | to_entries[] | select(.value != ".")
        | "\(.key + 1) \($r + 1) \(.value)"'
}

# Types every letter; the last one is replaced when asked.
solve() { # description, command, info file, wrong last letter (yes/no), expected caption
    local what=$1 cmd=$2 info=$3 wrong=$4 caption=$5
    echo "== $what: $cmd"
    rm -rf "$XDG_STATE_HOME" # every case starts without a kept progress
    # shellcheck disable=SC2086
    $cmd >"$out/player.log" 2>&1 &
    pid=$!
    local frame
    frame=$(find_window '^Velmar Zoruvidedid$' 20) || {
        echo "FAIL: no frame window"
        cat "$out/player.log"
        exit 1
    }
    sleep 1.5
    xdotool windowfocus --sync "$frame" 2>/dev/null || xdotool windowfocus "$frame"
    sleep 0.3

    local cols rows
    cols=$("$tool" info --json "$info" | jq -r .columns)
    rows=$("$tool" info --json "$info" | jq -r .rows)
    mapfile -t cells < <(letter_cells "$info")
    local n=${#cells[@]} i
    echo "typing $n letters into a $cols x $rows grid"
    for ((i = 0; i < n; i++)); do
        local c r l keys=()
        read -r c r l <<<"${cells[$i]}"
        if [[ $wrong == yes && $i -eq $((n - 1)) ]]; then
            [[ $l == Q ]] && l=X || l=Q
        fi
        # Up and Left stop at the first row and column: from there to the cell.
        for ((k = 1; k < rows; k++)); do keys+=(Up); done
        for ((k = 1; k < cols; k++)); do keys+=(Left); done
        for ((k = 1; k < c; k++)); do keys+=(Right); done
        for ((k = 1; k < r; k++)); do keys+=(Down); done
        keys+=("${l,,}")
        if [[ $i -eq $((n - 1)) ]] && xdotool search --onlyvisible --name '^(Fehler!|Glückwunsch!)$' \
            >/dev/null 2>&1; then
            echo "FAIL: a result window before the last letter"
            exit 1
        fi
        xdotool key --delay 0 "${keys[@]}"
    done

    if ! find_window "^$caption\$" 10 >/dev/null; then
        echo "FAIL: no window '$caption' after the last letter"
        cat "$out/player.log"
        exit 1
    fi
    echo "window '$caption' appeared"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
}

# The examples' crossword without its solution word, compiled here.
source_dir=$(realpath "$(dirname "$0")/../../examples")
sed -e 's/^kind: .*/kind: schwedenrätsel/' -e '/^solution/d' -e '/^show-positions/d' \
    "$source_dir/schwedenraetsel-loesungswort.raetsel" >"$out/crossword.raetsel"
"$tool" compile "$out/crossword.raetsel" -o "$out/crossword.zvr"
plain="$out/crossword.zvr"
settings="$source_dir/schwedenraetsel.ini"
solve "crossword, solved" "$(command_for "$plain" crossword "$settings")" "$plain" no 'Glückwunsch!'
solve "crossword, last letter wrong" "$(command_for "$plain" crossword "$settings")" "$plain" yes 'Fehler!'

packed="$examples/schwedenraetsel-loesungswort"
if [[ -x "$packed" ]]; then
    solve "packed example with solution word, last letter wrong" "$packed" "$packed" yes 'Fehler!'
else
    echo "no packed example in this build; its case is skipped"
fi
trap - EXIT
echo "typing check passed"
