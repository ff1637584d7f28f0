// The Sudoku rules: symbols, boxes and the row/column/box test over the entries.
#pragma once

#include "PuzzleImage.h"
#include "Queries.h"

#include <array>
#include <string>
#include <string_view>

constexpr int MaxSymbols = 12;

std::string SymbolText(int value);      // upper-case hex, 0 gives "0"
int SymbolValue(std::string_view text); // 0 when not a hex number
int SudokuBoxWidth(const PuzzleImage& im);
int SudokuBoxHeight(const PuzzleImage& im);
CellRect SudokuBox(const PuzzleImage& im, int c, int r);
bool SudokuAllows(const PuzzleImage& im, int value, int c, int r);
int CountCandidates(const PuzzleImage& im, int c, int r);
// Index v-1 tells whether value v (1..ColumnCount) is allowed.
std::array<bool, MaxSymbols> CandidateFlags(const PuzzleImage& im, int c, int r);
