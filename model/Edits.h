// The changes a window makes to the puzzle, as plain operations on the record:
// the board and the side windows call these and only repaint and report.
#pragma once

#include "PuzzleImage.h"
#include "Queries.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A word whose solved state the clue list is told (AutomatischMarkieren).
struct WordReport {
    int WordIndex = -1;
    bool Across = true;
    bool Solved = true;
};

// Whether input stops at the cell: the player's blank marks in kinds 10 and 11,
// the blocks elsewhere. Cells outside the grid array never stop it.
bool IsInputBlocked(const PuzzleImage& image, int col, int row);

// The letters of the run through (col, row), across or down, bounded by
// blocked cells; blanks as ' ' (code page 1252). Empty outside the grid.
std::string RunLetters(const PuzzleImage& image, int col, int row, bool across, bool fromEntries);
// The number of the start cell of the word through a letter cell: along the
// row unless `down`, walking back to the first non-block cell. 0 for other cells.
std::int32_t RunNumber(const PuzzleImage& image, int col, int row, bool down);

// The word through the cell in that direction, from the entered letters, as a
// report; none without a word, or when `onlyWhenFull` and a letter is missing.
std::optional<WordReport> WordReportAt(const PuzzleImage& image, int col, int row, bool across,
                                       bool solved, bool onlyWhenFull);

struct WordWrite {
    std::vector<CellPos> Cells; // the cells written, in order
    bool Wrong = false;         // a written letter differs from the solution
};
// Writes the text letter by letter from (col, row) across or down, stopping
// before the first block or the grid's end; `backwards` takes the letters from
// the end of the text.
WordWrite WriteWord(Puzzle& puzzle, int col, int row, bool across, std::string_view text,
                    bool backwards = false);

struct RevealResult {
    bool Done = false;        // something was changed
    bool PlacedBlock = false; // a solution block of kinds 10, 11 got the blank mark
};
// The reveal command at a cell: toggles between the solution letter and an
// empty entry; on a solution block of kinds 10 and 11 it sets the blank mark.
// A Sudoku's given symbol is left alone (nothing done).
RevealResult RevealLetter(Puzzle& puzzle, int col, int row);

// Sets or clears the player's blank mark; false outside the grid.
bool SetBlankMark(PuzzleImage& image, int col, int row, bool on);

// A line of cells the player dragged over in a word search.
struct SearchLine {
    int Left = 0, Top = 0, Right = 0, Bottom = 0; // the line, inclusive
    bool Across = false;
    int Length = 0;
};
// The line of a dragged rectangle: its longer side, from the top-left cell.
SearchLine LineOfSelection(int left, int top, int right, int bottom);
// Sets (or with `remove` clears) the found mark on every cell of a line longer
// than one cell; returns the cells changed.
std::vector<CellPos> MarkSearchLine(PuzzleImage& image, const SearchLine& line, bool remove);

// Everything the player has done undone: entries, blank marks, found marks,
// code guesses, solved marks, the solution word, the level and the clock.
void ResetEntries(Puzzle& puzzle);

// What a change asks of the window after it was made: the cells to repaint
// (or the whole grid), the words to report to the clue list, and whether the
// completion evaluation runs.
struct EditOutcome {
    std::vector<CellPos> Cells;
    bool WholeGrid = false;
    std::vector<WordReport> Reports;
    bool Evaluate = true;
};
