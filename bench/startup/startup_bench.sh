#!/usr/bin/env bash
# Start-up time of the packed player, launch to first painted board, against a
# bare Qt main window, on a virtual X server of 800 x 600 (the frame then fills
# the screen from its top-left corner). A second comparison gives the bare
# window a menu bar: the player's text costs what any first text costs.
#
# startup_bench.sh BUILD_DIR [RUNS]   (a Release build gives the meaningful numbers)
set -euo pipefail
build=${1:?usage: startup_bench.sh BUILD_DIR [RUNS]}
runs=${2:-15}
work="$build/bench-startup"
mkdir -p "$work"

"$build/tests/e2e_write_puzzle" "$work/puzzle.rtl"
cp "$build/app/zoruvidedid" "$work/player.stripped"
strip --strip-all "$work/player.stripped"
if "$build/tools/zoruvidedid-tool" pack "$work/player.stripped" "$work/puzzle.rtl" \
    -o "$work/packed-player" >/dev/null 2>&1; then
    chmod +x "$work/packed-player"
    player=("$work/packed-player")
else
    player=("$build/app/zoruvidedid" "$work/puzzle.rtl")
fi

probe() {
    xvfb-run -a -s "-screen 0 800x600x24" env -u QT_QPA_PLATFORM \
        "$build/bench/bench_startup_probe" "$runs" "$@" 2>/dev/null
}
echo "== against a bare main window"
probe "$build/bench/bench_bare_window" -- "${player[@]}"
echo "== against a bare main window with a menu bar"
probe "$build/bench/bench_bare_window" --menu -- "${player[@]}"
