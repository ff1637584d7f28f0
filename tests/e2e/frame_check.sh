#!/usr/bin/env bash
# The player as a person meets it: started on a virtual X server, its frame
# found by caption, a screenshot taken, closed with Ctrl+Q.
#
# frame_check.sh PLAYER TOOL WRITER EXAMPLES_DIR OUT_DIR [STRIP]
set -euo pipefail
player=$1 tool=$2 writer=$3 examples=$4 out=$5 strip=${6:-strip}
mkdir -p "$out"

if [[ -z "${ZORU_E2E_INNER:-}" ]]; then
    exec xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1280x1024x24" \
        env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY ZORU_E2E_INNER=1 bash "$0" "$@"
fi

# What to start: the packed example player; else one packed here from a small
# puzzle; else (a player too big to pack) the player with the puzzle file.
command=()
packed="$examples/schwedenraetsel-loesungswort"
if [[ -x "$packed" ]]; then
    command=("$packed")
else
    "$writer" "$out/fixture.rtl"
    cp "$player" "$out/player.stripped"
    "$strip" --strip-all "$out/player.stripped" 2>/dev/null || true
    if "$tool" pack "$out/player.stripped" "$out/fixture.rtl" -o "$out/packed-player" 2>/dev/null; then
        chmod +x "$out/packed-player"
        command=("$out/packed-player")
    else
        command=("$player" "$out/fixture.rtl")
    fi
fi
echo "starting: ${command[*]}"

# A sanitizer build reports leaks of the system libraries under the window;
# the project keeps one list of them.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")/../../scripts" && pwd)/lsan.supp:fast_unwind_on_malloc=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
source "$(dirname "$0")/lib.sh"
"${command[@]}" >"$out/player.log" 2>&1 &
pid=$!
cleanup() { kill "$pid" 2>/dev/null || true; }
trap cleanup EXIT

# The caption turns to "Velmar Zoruvidedid" when the start-up message is handled.
frame=$(find_window '^Velmar Zoruvidedid$' 20) || {
    echo "FAIL: no frame window 'Velmar Zoruvidedid'"
    cat "$out/player.log"
    exit 1
}
echo "frame window $frame"
sleep 1.5 # let the board and its companions paint

if xdotool search --onlyvisible --name '^Fehler' >/dev/null 2>&1; then
    echo "FAIL: an error message is showing"
    exit 1
fi

eval "$(xdotool getwindowgeometry --shell "$frame")"
import -window root "$out/screen.png"
convert "$out/screen.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/frame.png"
echo "screenshot: $out/frame.png (${WIDTH}x${HEIGHT})"

# The board sits in the top-left corner of the client area, below menu and tool
# bar; an empty frame shows only the grey background there.
white=$(convert "$out/frame.png" -crop "240x200+0+70" +repage -fuzz 4% -fill black \
    +opaque white -fill white -opaque white -colorspace Gray -format "%[fx:mean]" info:)
echo "white share in the board corner: $white"
if ! awk -v w="$white" 'BEGIN { exit !(w > 0.10) }'; then
    echo "FAIL: no board in the frame"
    exit 1
fi

xdotool windowfocus --sync "$frame" 2>/dev/null || xdotool windowfocus "$frame"
sleep 0.3
xdotool key --clearmodifiers ctrl+q
for ((i = 0; i < 100; i++)); do
    if ! kill -0 "$pid" 2>/dev/null; then break; fi
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the player did not end on Ctrl+Q"
    exit 1
fi
trap - EXIT
wait "$pid" && rc=0 || rc=$?
if [[ $rc -ne 0 ]]; then
    echo "FAIL: the player ended with $rc"
    cat "$out/player.log"
    exit 1
fi
echo "1 passed, 0 failed"
