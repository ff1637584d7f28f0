#include "LegendModel.h"

#include "KindTraits.h"
#include "Queries.h"

#include <algorithm>

namespace {
// Counts and indexes capped to the arrays, whatever the record says.
int Columns(const PuzzleImage& im) {
    return std::min<int>(im.ColumnCount, MaxCells);
}
int Rows(const PuzzleImage& im) {
    return std::min<int>(im.RowCount, MaxCells);
}
int Words(const PuzzleImage& im) {
    return std::min<int>(im.WordCount, MaxWords);
}

std::string Limited(std::string text) {
    if (text.size() > LegendTextLimit) text.resize(LegendTextLimit);
    return text;
}

// Removes control characters and blanks from both ends.
std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) s.remove_suffix(1);
    return s;
}

// The clues of the words that start in a line, in cell order, divided by
// "  |  " with nothing before the first or after the last.
std::string LineClue(const PuzzleImage& im, int line, bool across) {
    std::string text;
    const int last = across ? Columns(im) : Rows(im);
    for (int i = 1; i <= last; ++i) {
        const CellRecord& cell = across ? im.cell(i, line) : im.cell(line, i);
        if (cell.CellNumber <= 0) continue;
        const int w = FindWord(im, cell.CellNumber, across);
        if (w < 0) continue;
        text += im.Words[w].ClueText.view();
        text += "  |  ";
    }
    std::string_view s = Trimmed(text);
    while (!s.empty() && s.front() == '|') s.remove_prefix(1);
    while (!s.empty() && s.back() == '|') s.remove_suffix(1);
    return Limited(std::string(Trimmed(s)));
}

LegendItem LineItem(const PuzzleImage& im, int line, bool across) {
    LegendItem item;
    item.Entry.LineNumber = line;
    item.Entry.Clue = LineClue(im, line, across);
    item.Entry.BlankCount = CountCellsInLine(im, line, across, false, CellFlag::Block);
    return item;
}

int Sign(long long v) {
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

unsigned char Folded(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 'a' && u <= 'z' ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}
} // namespace

const char* LegendHeader(int column) {
    static const char* const Headers[LegendColumn::Count] = {
        "Zeile", "Schwarzfelder", "Nummer", "Länge", "Begriff", "Umschreibung"};
    return column >= 0 && column < LegendColumn::Count ? Headers[column] : "";
}

bool LegendHeaderRightAligned(int column) {
    return column >= LegendColumn::Line && column <= LegendColumn::Number;
}

LegendColumns SetupColumns(int kind) {
    using namespace LegendColumn;
    LegendColumns c;
    auto show = [&c](std::initializer_list<int> columns) {
        for (int i : columns) c.Visible[static_cast<std::size_t>(i)] = true;
    };
    c.FillColumn = Clue;
    switch (FamilyOf(kind)) {
    case KindFamily::Crossword:
        show({Number, Clue});
        break;
    case KindFamily::FillIn:
        show({Clue});
        break;
    case KindFamily::Fence:
        show({Length, Word});
        c.FillColumn = Word;
        break;
    case KindFamily::HeaderLines:
        if (HasPlacedBlocks(kind))
            show({Line, Blanks, Clue});
        else
            show({Line, Clue});
        break;
    case KindFamily::WordSearch:
        show({Word});
        c.FillColumn = Word;
        break;
    case KindFamily::NumberCode:
    case KindFamily::Sudoku:
    case KindFamily::None:
        break;
    }
    c.CheckColumn = -1;
    if (!HasPlacedBlocks(kind)) {
        for (int i = 0; i < Count; ++i) {
            if (c.Visible[static_cast<std::size_t>(i)]) {
                c.CheckColumn = i;
                break;
            }
        }
    }
    for (int i = 0; i < Count; ++i)
        c.Width[static_cast<std::size_t>(i)] =
            i == c.CheckColumn ? LegendCheckColumnWidth : LegendColumnWidth;
    return c;
}

bool ShowsTwoLists(int kind, const Settings& settings) {
    switch (FamilyOf(kind)) {
    case KindFamily::FillIn:
    case KindFamily::Fence:
    case KindFamily::WordSearch:
        return !settings.EinfacheLegende;
    case KindFamily::Crossword:
    case KindFamily::NumberCode:
    case KindFamily::HeaderLines:
    case KindFamily::Sudoku:
    case KindFamily::None:
        return true;
    }
    return true;
}

int CompareLegendText(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int d = static_cast<int>(Folded(a[i])) - static_cast<int>(Folded(b[i]));
        if (d != 0) return Sign(d);
    }
    return Sign(static_cast<long long>(a.size()) - static_cast<long long>(b.size()));
}

int CompareEntries(int kind, const LegendEntry& a, const LegendEntry& b) {
    switch (FamilyOf(kind)) {
    case KindFamily::Crossword:
        return Sign(static_cast<long long>(a.Number) - b.Number);
    case KindFamily::FillIn:
        return CompareLegendText(a.Clue, b.Clue);
    case KindFamily::Fence:
        return Sign(static_cast<long long>(a.Word.size()) - static_cast<long long>(b.Word.size()));
    case KindFamily::HeaderLines:
        return Sign(static_cast<long long>(a.LineNumber) - b.LineNumber);
    case KindFamily::WordSearch:
        return CompareLegendText(a.Word, b.Word);
    case KindFamily::NumberCode:
    case KindFamily::Sudoku:
    case KindFamily::None:
        return 0;
    }
    return 0;
}

void SortList(int kind, std::vector<LegendItem>& list) {
    std::stable_sort(list.begin(), list.end(), [kind](const LegendItem& a, const LegendItem& b) {
        return CompareEntries(kind, a.Entry, b.Entry) < 0;
    });
}

LegendLists BuildLists(const PuzzleImage& im, const Settings& settings) {
    LegendLists lists;
    lists.Kind = im.PuzzleKind;
    lists.TwoLists = ShowsTwoLists(lists.Kind, settings);
    lists.Columns = SetupColumns(lists.Kind);
    if (!HasClueList(lists.Kind)) return lists;
    if (HasLineEntries(lists.Kind)) {
        for (int r = 1; r <= Rows(im); ++r) lists.Across.push_back(LineItem(im, r, true));
        for (int c = 1; c <= Columns(im); ++c) lists.Down.push_back(LineItem(im, c, false));
    } else {
        for (int k = 0; k < Words(im); ++k) {
            const WordRecord& w = im.Words[k];
            LegendItem item;
            item.Entry.WordIndex = k;
            item.Entry.Number = w.WordNumber;
            item.Entry.Word = w.WordText.str();
            item.Entry.Clue = w.ClueText.str();
            item.HasCheckBox = true;
            item.Checked = w.WordSolvedMark != 0;
            item.Hidden = item.Checked && settings.BegriffeAusblenden;
            lists.List(w.WordDirection != Direction::Down).push_back(std::move(item));
        }
    }
    SortList(lists.Kind, lists.Across);
    SortList(lists.Kind, lists.Down);
    return lists;
}

std::string EntryCellText(const LegendEntry& e, int column) {
    switch (column) {
    case LegendColumn::Line:
        return std::to_string(e.LineNumber);
    case LegendColumn::Blanks:
        return std::to_string(e.BlankCount);
    case LegendColumn::Number:
        return std::to_string(e.Number);
    case LegendColumn::Length:
        return std::to_string(e.Word.size());
    case LegendColumn::Word:
        return e.Word;
    case LegendColumn::Clue:
        return e.Clue;
    default:
        return std::string();
    }
}

int FindEntryByIndex(const LegendLists& lists, int wordIndex, bool across) {
    const std::vector<LegendItem>& list = lists.List(across);
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].Entry.WordIndex == wordIndex) return static_cast<int>(i);
    return -1;
}

int FindEntryByNumber(const LegendLists& lists, int number, bool across) {
    const std::vector<LegendItem>& list = lists.List(across);
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].Entry.Number == number) return static_cast<int>(i);
    return -1;
}

bool SetEntrySolved(LegendLists& lists, PuzzleImage& im, const Settings& settings, int entry,
                    bool across, bool solved) {
    std::vector<LegendItem>& list = lists.List(across);
    if (entry < 0 || entry >= static_cast<int>(list.size())) return false;
    LegendItem& item = list[static_cast<std::size_t>(entry)];
    const int w = item.Entry.WordIndex;
    // A line entry has no word whose mark could be written; its own mark is
    // what it compares with.
    const bool wordKnown = w >= 0 && w < Words(im);
    const bool before = wordKnown ? im.Words[w].WordSolvedMark != 0 : item.Checked;
    item.Checked = solved;
    if (wordKnown) im.Words[w].WordSolvedMark = solved ? 1 : 0;
    if (settings.BegriffeAusblenden && before != solved) item.Hidden = solved;
    return true;
}

bool MarkWordSolved(LegendLists& lists, PuzzleImage& im, const Settings& settings, int wordIndex,
                    bool across, bool solved) {
    if (wordIndex < 0) return false;
    const int entry = FindEntryByIndex(lists, wordIndex, across);
    if (entry < 0) return false;
    return SetEntrySolved(lists, im, settings, entry, across, solved);
}

void ToggleEntryMark(LegendItem& item, bool hideSolved) {
    item.Checked = !item.Checked;
    if (hideSolved) item.Hidden = item.Checked;
}

bool OverStateImage(int checkColumn, int column, int xInColumn, bool marksShown) {
    return marksShown && checkColumn >= 0 && column == checkColumn && xInColumn >= 0 &&
           xInColumn < 20;
}

std::string LegendTipText(int kind, bool acrossList, int checkColumn, int column, int xInColumn,
                          const LegendEntry* entry) {
    if (column < 0 || column >= LegendColumn::Count) return std::string();
    if (checkColumn >= 0 && column == checkColumn && xInColumn < 20)
        return "Den Begriff als gelöst oder ungelöst markieren";
    switch (column) {
    case LegendColumn::Line:
        return acrossList ? "Nummer der Zeile für die umschriebenen Begriffe"
                          : "Nummer der Spalte für die umschriebenen Begriffe";
    case LegendColumn::Blanks:
        return acrossList ? "Die Anzahl der Leerfelder in dieser Zeile"
                          : "Die Anzahl der Leerfelder in dieser Spalte";
    case LegendColumn::Number:
        return "Die Nummer des gesuchten Begriffs im Rätsel";
    case LegendColumn::Length:
        return "Die Länge des Begriffs";
    case LegendColumn::Word:
        return IsWordSearch(kind) ? "Dieser Begriff muss im Rätsel gefunden werden"
                                  : "Dieser Begriff muss ins Rätsel eingefügt werden";
    default:
        break;
    }
    if (HasLineEntries(kind) && entry) {
        const std::string line = acrossList ? "Rätselzeile" : "Rätselspalte";
        if (entry->Clue.empty()) return "Kein Begriff in dieser " + line;
        const auto bars = std::count(entry->Clue.begin(), entry->Clue.end(), '|');
        return std::to_string(bars + 1) + " Begriff(e) in dieser " + line;
    }
    return "Die Umschreibung des gesuchten Begriffs";
}
