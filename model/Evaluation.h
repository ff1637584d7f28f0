// Judging the puzzle after a change. The model only decides; the window shows
// the message and refreshes the stopwatch.
#pragma once

#include "PuzzleImage.h"

#include <string>

struct Settings;

struct CompletionNotice {
    bool ShowMessage = false;
    int MessageKind = 0; // 0 error ("Fehler!"), 1 solved, 2 solved in best time
    std::string Message; // UTF-8
    bool RefreshStopwatch = false;
};

// Raises SolvedLevel only upward; for the timed Sudoku stops the clock and
// keeps the best time.
CompletionNotice EvaluateCompletion(Puzzle& puzzle, const Settings& settings);
