// What each puzzle kind has: the one table the windows, the printout and the
// tool ask instead of comparing kind codes.
#pragma once

#include <cstdint>

struct KindTraits {
    bool SolutionWord = false;  // odd kinds below 14: solution-word cells and window
    bool Crossword = false;     // 0, 1: blocks with clues, numbers in cells, list follows cursor
    bool NumberCode = false;    // 2, 3: code numbers in the cells, the number legend
    bool FillIn = false;        // 4, 5: plain grid, list sorted by word
    bool Fence = false;         // 6, 7: walls, word lengths, words dragged from the list
    bool HeaderNumbers = false; // 8..11: header row and column, one list entry per line
    bool PlacedBlocks = false;  // 10, 11: the player places the blocks himself
    bool WordSearch = false;    // 12: lines of cells marked, no typing
    bool Sudoku = false;        // 14, 15: symbols, boxes, candidates, field marking
    bool Snapshots = false;     // 14
    bool Timed = false;         // 15: stopwatch and best time
    bool Known = false;         // a kind code the player knows (13 is unused)
};

// The traits of a kind code; codes outside 0..15 and the unused 13 have none.
const KindTraits& Traits(int kind);

inline bool HasSolutionWord(int kind) {
    return Traits(kind).SolutionWord;
}
inline bool IsSudokuKind(int kind) {
    return Traits(kind).Sudoku;
}
inline bool IsWordKind(int kind) {
    return kind >= 0 && kind < 12;
}
inline bool IsCrosswordKind(int kind) {
    return Traits(kind).Crossword;
}
inline bool IsNumberKind(int kind) {
    return Traits(kind).NumberCode;
}
inline bool IsFillInKind(int kind) {
    return Traits(kind).FillIn;
}
inline bool IsFenceKind(int kind) {
    return Traits(kind).Fence;
}
inline bool HasHeaderNumbers(int kind) {
    return Traits(kind).HeaderNumbers;
}
inline bool HasPlacedBlocks(int kind) {
    return Traits(kind).PlacedBlocks;
}
inline bool IsWordSearch(int kind) {
    return Traits(kind).WordSearch;
}
inline bool IsTimedKind(int kind) {
    return Traits(kind).Timed;
}
inline bool HasSnapshots(int kind) {
    return Traits(kind).Snapshots;
}
// Below 14 every known kind has a side list: the number legend for the number
// puzzles, the clue list for all others (the unused code 13 has neither).
inline bool HasClueList(int kind) {
    return Traits(kind).Known && kind < 14 && !IsNumberKind(kind);
}
inline bool HasNumberLegend(int kind) {
    return IsNumberKind(kind);
}
// Kinds whose list entries are rows and columns rather than words.
inline bool HasLineEntries(int kind) {
    return HasHeaderNumbers(kind);
}
// Kinds typed letter by letter (not the word search).
inline bool TakesTyping(int kind) {
    return Traits(kind).Known && !IsWordSearch(kind);
}
// Kinds that show the word-entry command (0, 1, 6, 7).
inline bool HasWordEntry(int kind) {
    return IsCrosswordKind(kind) || IsFenceKind(kind);
}
