// The clue lists ("Legende") as data: which entries the across and down lists
// hold for a puzzle, in which order, with which columns, texts, solved marks
// and tool tips. The clue-list window shows these lists, the printout and the
// tool's `clues` command read them; nothing here needs a window.
//
// Texts taken from the record (Word, Clue, EntryCellText) are code page 1252
// like the record itself; the texts of the lists' own (headers, tool tips)
// are UTF-8.
#pragma once

#include "PuzzleImage.h"
#include "Settings.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The record behind every list entry.
struct LegendEntry {
    std::int32_t WordIndex = -1; // index in Words; -1 for a line entry (kinds 8..11)
    std::int32_t LineNumber = 0; // line entry: row (across) or column (down), from 1
    std::int32_t Number = 0;     // the word's number; 0 for a line entry
    std::int32_t BlankCount = 0; // line entry: block cells in the line
    std::string Word;            // up to 255 characters
    std::string Clue;            // up to 255 characters
};

// An entry with its state in the list.
struct LegendItem {
    LegendEntry Entry;
    bool Checked = false;     // the solved mark
    bool Hidden = false;      // hidden as solved (BegriffeAusblenden)
    bool HasCheckBox = false; // word entries carry a check box, line entries none
};

namespace LegendColumn {
constexpr int Line = 0;   // "Zeile"
constexpr int Blanks = 1; // "Schwarzfelder"
constexpr int Number = 2; // "Nummer"
constexpr int Length = 3; // "Länge"
constexpr int Word = 4;   // "Begriff"
constexpr int Clue = 5;   // "Umschreibung"
constexpr int Count = 6;
} // namespace LegendColumn

// Width of the check column and of every other visible column, in pixels;
// the fill column takes what is left.
constexpr int LegendCheckColumnWidth = 50;
constexpr int LegendColumnWidth = 30;
constexpr std::size_t LegendTextLimit = 255;

// The column set-up of a kind; both lists always share it.
struct LegendColumns {
    std::array<bool, LegendColumn::Count> Visible{};
    int CheckColumn = -1; // where the solved mark is shown and clicked; -1 none
    int FillColumn = LegendColumn::Clue;
    std::array<int, LegendColumn::Count> Width{};
    // Only the word and clue columns can be resized by the player.
    static bool Resizable(int column) {
        return column == LegendColumn::Word || column == LegendColumn::Clue;
    }
};

// Header text (UTF-8) and whether the header is right-aligned.
const char* LegendHeader(int column);
bool LegendHeaderRightAligned(int column);

LegendColumns SetupColumns(int kind);
// Two lists unless the one-list setting is on and the kind allows one list
// (fill-in, fence and word-search kinds).
bool ShowsTwoLists(int kind, const Settings& settings);

// Both lists as built for the current record and settings.
struct LegendLists {
    int Kind = 0;
    bool TwoLists = true;
    LegendColumns Columns;
    std::vector<LegendItem> Across; // empty in one-list mode
    std::vector<LegendItem> Down;   // all entries in one-list mode

    // The list a direction names: across only when two lists are shown.
    std::vector<LegendItem>& List(bool across) { return across && TwoLists ? Across : Down; }
    const std::vector<LegendItem>& List(bool across) const {
        return across && TwoLists ? Across : Down;
    }
};

// Builds both lists from the record: line entries for kinds 8..11, word
// entries otherwise (checked by WordSolvedMark, hidden when checked and
// BegriffeAusblenden is on), each list sorted stably by the kind's key.
LegendLists BuildLists(const PuzzleImage& image, const Settings& settings);

// The comparison of two entries by the kind's key: -1, 0 or 1.
int CompareEntries(int kind, const LegendEntry& a, const LegendEntry& b);
// Text order of the lists: a..z folded to upper case, every other character
// by its code page 1252 code, then the shorter text first.
int CompareLegendText(std::string_view a, std::string_view b);
void SortList(int kind, std::vector<LegendItem>& list);

// The text of a column (code page 1252).
std::string EntryCellText(const LegendEntry& entry, int column);

// Positions in the list the direction names, or -1.
int FindEntryByIndex(const LegendLists& lists, int wordIndex, bool across);
int FindEntryByNumber(const LegendLists& lists, int number, bool across);

// Sets the entry's solved mark and the word's WordSolvedMark; with
// BegriffeAusblenden the entry is hidden or shown again when the mark changed.
// An entry position outside the list changes nothing; returns whether it was found.
bool SetEntrySolved(LegendLists& lists, PuzzleImage& image, const Settings& settings, int entry,
                    bool across, bool solved);
// The board's report of a finished (or broken) word: the entry with that word
// index in the list of the direction gets SetEntrySolved. Negative or absent
// indexes change nothing; returns whether an entry was found.
bool MarkWordSolved(LegendLists& lists, PuzzleImage& image, const Settings& settings, int wordIndex,
                    bool across, bool solved);
// The player's own mark in the list: toggles the entry's check state only
// (WordSolvedMark stays); with `hideSolved` the entry's hidden flag follows.
void ToggleEntryMark(LegendItem& item, bool hideSolved);

// The tool tip over a list (UTF-8): `column` is the column under the mouse
// (-1 outside all columns), `xInColumn` the distance from its left edge, and
// `entry` the entry under the mouse or null.
std::string LegendTipText(int kind, bool acrossList, int checkColumn, int column, int xInColumn,
                          const LegendEntry* entry);
// The pointer is over the solved mark (only shown while AutomatischMarkieren is on).
bool OverStateImage(int checkColumn, int column, int xInColumn, bool marksShown);
