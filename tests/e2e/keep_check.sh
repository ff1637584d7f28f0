#!/usr/bin/env bash
# The player's work outlives the player: a symbol typed into a Sudoku is there
# again after Ctrl+Q and a new start, Delete on a given symbol leaves it, and
# neither the puzzle file nor the player is written. Started without a puzzle,
# the player offers the chooser.
#
# keep_check.sh PLAYER TOOL EXAMPLES_DIR OUT_DIR
set -euo pipefail
mkdir -p "$4"
player=$(realpath "$1") tool=$(realpath "$2") examples=$(realpath "$3") out=$(realpath "$4")

if [[ -z "${ZORU_E2E_INNER:-}" ]]; then
    exec xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1280x1024x24" \
        env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY ZORU_E2E_INNER=1 bash "$0" "$@"
fi
trap stop_on_exit EXIT
source "$(dirname "$0")/lib.sh"

puzzle="$out/sudoku.zvr"
cp "$examples/sudoku-9.zvr" "$puzzle"
before=$(md5sum "$puzzle" "$player" | cut -d' ' -f1)
info=$("$tool" info --json "$puzzle")
# The first given and the first open cell, as "column row" (from 1).
cells() { # jq test on the entry
    jq -r ".enteredLetters | to_entries[] | .key as \$r | .value | split(\"\") | to_entries[]
        | select(.value $1) | \"\(.key + 1) \(\$r + 1)\"" <<<"$info" | head -1
}
read -r gc gr < <(cells '!= " "')
read -r oc or < <(cells '== " "')
echo "given at $gc,$gr; open cell at $oc,$or"

home=(Up Up Up Up Up Up Up Up Left Left Left Left Left Left Left Left)
to() { # column row: the keys from the top-left cell
    local k keys=("${home[@]}")
    for ((k = 1; k < $1; k++)); do keys+=(Right); done
    for ((k = 1; k < $2; k++)); do keys+=(Down); done
    echo "${keys[@]}"
}
# The frame without menu and tool bar (the history is not kept across runs)
# and without its status line (which says what was restored).
board_shot() { # file
    xdotool key --delay 0 "${home[@]}"
    sleep 0.5
    shot "$out/full.png"
    convert "$out/full.png" -crop "${FW}x$((FH - 100))+0+60" +repage "$1"
}
# Pixels that differ; a symbol is a few hundred, a focus frame's dots a few.
differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
same() { (($(differing "$1" "$2") < 40)); }

keep_progress=1
start "$player $puzzle"
board_shot "$out/fresh.png"
# shellcheck disable=SC2046
xdotool key --delay 0 $(to "$oc" "$or") 5
board_shot "$out/typed.png"
same "$out/fresh.png" "$out/typed.png" && fail "the typed symbol is not on the board"
# shellcheck disable=SC2046
xdotool key --delay 0 $(to "$gc" "$gr") Delete BackSpace space
board_shot "$out/given.png"
same "$out/typed.png" "$out/given.png" || fail "a given symbol was changed"

xdotool key ctrl+q
for ((i = 0; i < 50; i++)); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Ctrl+Q did not end the player"
pid=
ls "$XDG_STATE_HOME"/zoruvidedid/*.progress >/dev/null || fail "no progress file was written"

start "$player $puzzle"
board_shot "$out/again.png"
same "$out/typed.png" "$out/again.png" ||
    fail "after a new start $(differing "$out/typed.png" "$out/again.png") pixels differ from the board as it was left"
stop

# Started without a puzzle, as from the desktop menu (this player carries
# none), the chooser opens; the puzzle chosen there comes back as it was left.
start "$player"
dialog=$(find_window '^Rätsel öffnen$' 10) || fail "no chooser without a puzzle"
xdotool windowfocus --sync "$dialog" 2>/dev/null || xdotool windowfocus "$dialog"
sleep 0.5
xdotool type --delay 20 "$puzzle"
xdotool key Return
for ((i = 0; i < 50; i++)); do
    xdotool search --onlyvisible --name '^Rätsel öffnen$' >/dev/null 2>&1 || break
    sleep 0.1
done
sleep 1
focus_frame
board_shot "$out/chosen.png"
same "$out/typed.png" "$out/chosen.png" ||
    fail "the chosen puzzle differs in $(differing "$out/typed.png" "$out/chosen.png") pixels from the board as it was left"
stop

[[ $(md5sum "$puzzle" "$player" | cut -d' ' -f1) == "$before" ]] || fail "the puzzle or the player was written"
trap - EXIT
echo "keep check passed"
