// The questions every window asks of the record, and SetEnteredLetter, the one
// operation every input path uses to store an entry. Plain scans, no indexes.
#pragma once

#include "PuzzleImage.h"

#include <cstdint>
#include <string>
#include <string_view>

// The word through a cell, as WordAt describes it.
struct WordInfo {
    std::string Letters;         // entered or solution letters, start to end
    std::string CrossingPattern; // solution letter where a crossing word passes, else '?'
    std::string GivenPattern;    // ' ' where crossed; else the letter of a flag-4 cell, else ' '
    std::int32_t Number = 0;     // the start cell's number, 0 when the letters are not the word
    std::int32_t WordIndex = -1;
    std::int32_t Length = 0;
    std::int32_t Position = 0; // 1-based position of the asked cell
    std::int32_t StartColumn = 0;
    std::int32_t StartRow = 0;
    bool Reversed = false;
    bool Across = true;
};

struct WordAtOptions {
    bool Reverse = false;        // reversed words in reading order
    bool EnteredLetters = false; // else the solution letters
    bool Across = true;
};

struct CellPos {
    int Column = -1;
    int Row = -1;
    bool valid() const { return Column >= 0 && Row >= 0; }
};

struct CellRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

namespace Membership {
constexpr int Across = 2;
constexpr int Down = 4;
} // namespace Membership

int FindWord(const PuzzleImage& im, std::int32_t number, bool across);
int FindWordByText(const PuzzleImage& im, std::string_view text, bool across);
std::string ClueOf(const PuzzleImage& im, std::int32_t number, bool across);
int WordLength(const PuzzleImage& im, std::int32_t number, bool across);
int CodeOfLetter(const PuzzleImage& im, std::string_view text);
// First cell (columns outer, rows inner) whose number has this absolute value.
CellPos FindCellByNumber(const PuzzleImage& im, std::int32_t number);
int WordMembership(const PuzzleImage& im, int c, int r);
// -1 in the walked coordinate when the cell is in no word of that direction.
CellPos WordStart(const PuzzleImage& im, int c, int r, bool across);
std::int32_t WordNumberAt(const PuzzleImage& im, int c, int r, bool across);
WordInfo WordAt(const PuzzleImage& im, int c, int r, const WordAtOptions& options);
// Every cell filled (or correct, when wrong entries are marked); number of the word.
bool IsWordFilled(const PuzzleImage& im, int c, int r, bool across, bool fehlerZeigen,
                  std::int32_t* number = nullptr);
bool IsWordPlacedAt(const PuzzleImage& im, int wordIndex);
bool LetterOccurs(const PuzzleImage& im, char letter);
int CountCellsInLine(const PuzzleImage& im, int line, bool alongRow, bool exact, std::int32_t key);
CellRect PictureArea(const PuzzleImage& im);

// Stores every used cell's entry again, column by column, so that the check
// state matches entries that arrived with the puzzle.
void RecheckEntries(Puzzle& puzzle);

// A Sudoku cell whose symbol the puzzle gives: the player cannot change it.
bool IsGiven(const PuzzleImage& im, int c, int r);

// Stores an entry (first character, a..z upper-cased; empty text = blank) and
// recomputes the cell's check state. A given cell keeps its symbol whatever
// is asked (one that stood blank gets it).
void SetEnteredLetter(Puzzle& puzzle, int c, int r, std::string_view text);
