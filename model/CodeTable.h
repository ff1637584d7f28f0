// The number puzzle's code table: each of the 26 code numbers stands for one
// letter throughout the grid; the player gives every number his letter. The
// table is laid out as the legend shows it: numbers 0..12 in column 0 with
// their letters in column 1, numbers 13..25 in column 2 with letters in 3.
#pragma once

#include "Edits.h"
#include "PuzzleImage.h"

#include <string>

namespace CodeTable {
constexpr int Codes = 26;
constexpr int Columns = 4;
constexpr int Rows = 13;
} // namespace CodeTable

// The number shown in or beside a table cell; -1 outside the table.
int CodeAtTableCell(int col, int row);
// Only the letter columns (1 and 3) take the cursor.
bool IsCodeLetterColumn(int col);
// Up on the first row or Down on the last row of a letter column moves to the
// other end of the other letter column. False (nothing changed) otherwise.
bool WrapCodeTable(int& col, int& row, bool down);

// The letter a number stands for (the low byte of CodeLetter).
char CodeLetterOf(const PuzzleImage& image, int code);
// The player's letter for a number; empty when he has given none.
std::string CodeGuessOf(const PuzzleImage& image, int code);
// The player's letter is not exactly the one the number stands for.
bool CodeGuessWrong(const PuzzleImage& image, int code);
bool CodeGuessMissing(const PuzzleImage& image, int code);

// Gives a number a letter (a..z upper-cased; anything else changes nothing)
// and writes it into every grid cell of that number; the evaluation follows.
EditOutcome AssignCode(Puzzle& puzzle, int code, char letter);
// Takes the number's letter away and blanks its grid cells; no evaluation.
EditOutcome ClearCode(Puzzle& puzzle, int code);
