// Everything a run holds about its one puzzle that is not a window's: the
// record with its check state, and the process-wide settings. The program
// creates one and hands it to the windows; tests build their own.
#pragma once

#include "PuzzleImage.h"
#include "Settings.h"

struct PuzzleSession {
    Puzzle puzzle;
    Settings settings;

    PuzzleImage& image() { return puzzle.Image; }
    const PuzzleImage& image() const { return puzzle.Image; }
};
