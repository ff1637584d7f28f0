// The Sudoku aids the board draws from: the candidate table and the field marking.
#pragma once

#include "CellPainter.h"

struct PuzzleImage;

// Candidates for every cell of the puzzle from the current entries.
void FillCandidates(const PuzzleImage& image, CandidateTable& candidates);
// Sets the mark bit on the empty cells the choice names (1..n a symbol that is
// still possible there, above n at most two candidates) and clears it elsewhere.
void ApplyFieldMarking(PuzzleImage& image, int markTag);
