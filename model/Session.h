// Everything a run holds about its one puzzle that is not a window's: the
// record with its check state, the process-wide settings and the run-time
// flags. The program creates one; the game (PuzzleGame) is the only one that
// changes the record and the flags. Tests build their own.
#pragma once

#include "PuzzleImage.h"
#include "Settings.h"

// Flags of the run that every window reads: the shown solution and the
// modifier keys that change how words are dropped and lines are marked.
struct RunFlags {
    bool ShowSolution = false;
    bool ShiftHeld = false;
    bool CtrlHeldKind12 = false;
    bool CtrlHeldReverse = false;
};

struct PuzzleSession {
    Puzzle puzzle;
    Settings settings;
    RunFlags flags;

    PuzzleImage& image() { return puzzle.Image; }
    const PuzzleImage& image() const { return puzzle.Image; }
};
