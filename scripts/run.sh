#!/usr/bin/env bash
# Installs what is missing, builds in Release, packs the player with the
# example Swedish crossword and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZORU_BENCH=OFF
cmake --build build-release
player=build-release/examples/schwedenraetsel-loesungswort
echo "Gepackter Spieler: $player"
exec "$player"
