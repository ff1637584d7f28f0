// The Sudoku aids the board draws from: the candidate table and the field marking.
#pragma once

#include <array>

struct PuzzleImage;

// For cell (c, r), c and r in 1..12: entry s - 1 tells whether symbol s is still possible.
using CandidateTable = std::array<std::array<std::array<bool, 12>, 13>, 13>;

// The field-marking choice: 0 none, 1..12 a symbol, DuoMarkTag the cells with
// at most two candidates.
constexpr int DuoMarkTag = 13;

// Candidates for every cell of the puzzle from the current entries.
void FillCandidates(const PuzzleImage& image, CandidateTable& candidates);
// Sets the mark bit on the empty cells the choice names (1..n a symbol that is
// still possible there, above n at most two candidates) and clears it elsewhere.
void ApplyFieldMarking(PuzzleImage& image, int markTag);
// A Sudoku as it is shown right after loading: no field marked.
void ClearFieldMarking(PuzzleImage& image);
