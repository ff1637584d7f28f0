// What each puzzle kind is and has: the one table the model, the painters, the
// windows and the tool ask instead of comparing kind codes. A new kind is one
// new row; a new family is one new enumerator, and every `switch (family)` the
// compiler then names is a place that must decide how the family behaves.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// How a kind is played; the kinds of one family differ only in their flags.
enum class KindFamily : std::uint8_t {
    None,        // the unused code 13 and codes outside the table
    Crossword,   // blocks with clues, numbers in cells, list follows cursor
    NumberCode,  // code numbers in the cells, the number legend
    FillIn,      // plain grid, list sorted by word
    Fence,       // walls, word lengths, words dragged from the list
    HeaderLines, // header row and column, one list entry per line
    WordSearch,  // lines of cells marked, no typing
    Sudoku,      // symbols, boxes, candidates, field marking
};

// The window beside the board.
enum class SideWindow : std::uint8_t {
    None,
    ClueList,
    NumberLegend,
};

struct KindTraits {
    KindFamily Family = KindFamily::None;
    bool SolutionWord = false; // solution-word cells and window
    bool PlacedBlocks = false; // the player places the blocks himself
    bool Snapshots = false;    // the player keeps snapshots of his work
    bool Timed = false;        // stopwatch and best time
    // Cells with the solution flag take the solution-word colour and, when the
    // solution word counts as given, show their letter: every odd code, and
    // both Sudokus, whose givens so stand apart from the player's entries.
    // The unused 13 keeps the odd codes' rules (solution word included) for
    // files that carry it anyway.
    bool SolutionColourCells = false;
    SideWindow Side = SideWindow::None;
    std::string_view Name;       // as shown and printed, code page 1252 ("" when none)
    std::string_view SourceName; // the kind's name in puzzle sources ("" when none)
};

constexpr int KindCount = 16;

// Code page 1252 bytes in the names: \xE4 ä, \xFC ü, \xF6 ö.
// clang-format off
inline constexpr std::array<KindTraits, KindCount> KindTable = {{
    //  code    family                  word   blocks snaps  timed  colour side                      name                             source name
    /*  0 */ {KindFamily::Crossword,   false, false, false, false, false, SideWindow::ClueList,     "Schwedenr\xE4tsel",            "schwedenraetsel"},
    /*  1 */ {KindFamily::Crossword,   true,  false, false, false, true,  SideWindow::ClueList,     "Schwedenr\xE4tsel",            "schwedenraetsel-loesungswort"},
    /*  2 */ {KindFamily::NumberCode,  false, false, false, false, false, SideWindow::NumberLegend, "Zahlenr\xE4tsel",              "zahlenraetsel"},
    /*  3 */ {KindFamily::NumberCode,  true,  false, false, false, true,  SideWindow::NumberLegend, "Zahlenr\xE4tsel",              "zahlenraetsel-loesungswort"},
    /*  4 */ {KindFamily::FillIn,      false, false, false, false, false, SideWindow::ClueList,     "F\xFCllr\xE4tsel",             "fuellraetsel"},
    /*  5 */ {KindFamily::FillIn,      true,  false, false, false, true,  SideWindow::ClueList,     "F\xFCllr\xE4tsel",             "fuellraetsel-loesungswort"},
    /*  6 */ {KindFamily::Fence,       false, false, false, false, false, SideWindow::ClueList,     "Knobelgitter",                 "knobelgitter"},
    /*  7 */ {KindFamily::Fence,       true,  false, false, false, true,  SideWindow::ClueList,     "Knobelgitter",                 "knobelgitter-loesungswort"},
    /*  8 */ {KindFamily::HeaderLines, false, false, false, false, false, SideWindow::ClueList,     "Franz\xF6sisches R\xE4tsel",   "franzoesisches-raetsel"},
    /*  9 */ {KindFamily::HeaderLines, true,  false, false, false, true,  SideWindow::ClueList,     "Franz\xF6sisches R\xE4tsel",   "franzoesisches-raetsel-loesungswort"},
    /* 10 */ {KindFamily::HeaderLines, false, true,  false, false, false, SideWindow::ClueList,     "Amerikanisches R\xE4tsel",     "amerikanisches-raetsel"},
    /* 11 */ {KindFamily::HeaderLines, true,  true,  false, false, true,  SideWindow::ClueList,     "Amerikanisches R\xE4tsel",     "amerikanisches-raetsel-loesungswort"},
    /* 12 */ {KindFamily::WordSearch,  false, false, false, false, false, SideWindow::ClueList,     "Kreuzwortpuzzle",              "kreuzwortpuzzle"},
    /* 13 */ {KindFamily::None,        true,  false, false, false, true,  SideWindow::None,         "",                             ""},
    /* 14 */ {KindFamily::Sudoku,      false, false, true,  false, true,  SideWindow::None,         "Sudoku",                       "sudoku"},
    /* 15 */ {KindFamily::Sudoku,      false, false, false, true,  true,  SideWindow::None,         "Sudoku auf Zeit",              "sudoku-auf-zeit"},
}};
// clang-format on

inline constexpr KindTraits NoKind{};

// The row of a kind code; codes outside the table have none.
constexpr const KindTraits& Traits(int kind) {
    return kind >= 0 && kind < KindCount ? KindTable[static_cast<std::size_t>(kind)] : NoKind;
}

constexpr KindFamily FamilyOf(int kind) {
    return Traits(kind).Family;
}
// A kind code the player knows (13 is unused).
constexpr bool IsKnownKind(int kind) {
    return FamilyOf(kind) != KindFamily::None;
}
// The kind name in code page 1252 ("" for the unused code 13 and out of range).
constexpr std::string_view KindName(int kind) {
    return Traits(kind).Name;
}

constexpr bool HasSolutionWord(int kind) {
    return Traits(kind).SolutionWord;
}
constexpr bool HasPlacedBlocks(int kind) {
    return Traits(kind).PlacedBlocks;
}
constexpr bool HasSnapshots(int kind) {
    return Traits(kind).Snapshots;
}
constexpr bool IsTimedKind(int kind) {
    return Traits(kind).Timed;
}
constexpr bool HasSolutionColourCells(int kind) {
    return Traits(kind).SolutionColourCells;
}

constexpr bool IsCrosswordKind(int kind) {
    return FamilyOf(kind) == KindFamily::Crossword;
}
constexpr bool IsNumberKind(int kind) {
    return FamilyOf(kind) == KindFamily::NumberCode;
}
constexpr bool IsFillInKind(int kind) {
    return FamilyOf(kind) == KindFamily::FillIn;
}
constexpr bool IsFenceKind(int kind) {
    return FamilyOf(kind) == KindFamily::Fence;
}
// Header row and column, list entries that are rows and columns, not words.
constexpr bool HasHeaderNumbers(int kind) {
    return FamilyOf(kind) == KindFamily::HeaderLines;
}
constexpr bool HasLineEntries(int kind) {
    return HasHeaderNumbers(kind);
}
constexpr bool IsWordSearch(int kind) {
    return FamilyOf(kind) == KindFamily::WordSearch;
}
constexpr bool IsSudokuKind(int kind) {
    return FamilyOf(kind) == KindFamily::Sudoku;
}

// Kinds whose words cross in a grid the player types into letter by letter.
constexpr bool IsWordKind(int kind) {
    switch (FamilyOf(kind)) {
    case KindFamily::Crossword:
    case KindFamily::NumberCode:
    case KindFamily::FillIn:
    case KindFamily::Fence:
    case KindFamily::HeaderLines:
        return true;
    case KindFamily::None:
    case KindFamily::WordSearch:
    case KindFamily::Sudoku:
        return false;
    }
    return false;
}
// Kinds typed cell by cell (the word search is marked, not typed).
constexpr bool TakesTyping(int kind) {
    switch (FamilyOf(kind)) {
    case KindFamily::Crossword:
    case KindFamily::NumberCode:
    case KindFamily::FillIn:
    case KindFamily::Fence:
    case KindFamily::HeaderLines:
    case KindFamily::Sudoku:
        return true;
    case KindFamily::None:
    case KindFamily::WordSearch:
        return false;
    }
    return false;
}
// Kinds that show the word-entry command.
constexpr bool HasWordEntry(int kind) {
    switch (FamilyOf(kind)) {
    case KindFamily::Crossword:
    case KindFamily::Fence:
        return true;
    case KindFamily::None:
    case KindFamily::NumberCode:
    case KindFamily::FillIn:
    case KindFamily::HeaderLines:
    case KindFamily::WordSearch:
    case KindFamily::Sudoku:
        return false;
    }
    return false;
}

constexpr bool HasClueList(int kind) {
    return Traits(kind).Side == SideWindow::ClueList;
}
constexpr bool HasNumberLegend(int kind) {
    return Traits(kind).Side == SideWindow::NumberLegend;
}
// Kinds whose printout lays out a legend beside or below the grid.
constexpr bool HasPrintedLegend(int kind) {
    return Traits(kind).Side != SideWindow::None;
}
