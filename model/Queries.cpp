#include "Queries.h"

#include <algorithm>
#include <cstdlib>

namespace {
// Every walk stays inside the 52 x 52 arrays, whatever the record or the caller says.
constexpr int LastIndex = GridSize - 1;

bool InGrid(int c, int r) {
    return c >= 0 && c <= LastIndex && r >= 0 && r <= LastIndex;
}
// The used counts, capped so that the border after them is still an index of the arrays.
int Columns(const PuzzleImage& im) {
    return std::min<int>(im.ColumnCount, MaxCells);
}
int Rows(const PuzzleImage& im) {
    return std::min<int>(im.RowCount, MaxCells);
}
int Words(const PuzzleImage& im) {
    return std::min<int>(im.WordCount, MaxWords);
}

// One character per cell, also for a field that holds none.
char FirstChar(const Letter& l) {
    return l.size() > 0 ? l.Chars[0] : ' ';
}

// The cell i steps along the direction from the fixed coordinate.
const CellRecord& CellAt(const PuzzleImage& im, bool across, int i, int fixed) {
    return across ? im.cell(i, fixed) : im.cell(fixed, i);
}
const Letter& EntryAt(const PuzzleImage& im, bool across, int i, int fixed) {
    return across ? im.entry(i, fixed) : im.entry(fixed, i);
}
} // namespace

int FindWord(const PuzzleImage& im, std::int32_t number, bool across) {
    const std::uint8_t dir = across ? Direction::Across : Direction::Down;
    int found = -1;
    for (int i = 0; i < Words(im); ++i) {
        const WordRecord& w = im.Words[i];
        if (w.WordNumber == number && w.WordDirection == dir) found = i;
    }
    return found;
}

int FindWordByText(const PuzzleImage& im, std::string_view text, bool across) {
    const std::uint8_t dir = across ? Direction::Across : Direction::Down;
    int found = -1;
    for (int i = 0; i < Words(im); ++i) {
        const WordRecord& w = im.Words[i];
        if (w.WordDirection == dir && w.WordText == text) found = i;
    }
    return found;
}

std::string ClueOf(const PuzzleImage& im, std::int32_t number, bool across) {
    const int i = FindWord(im, number, across);
    return i < 0 ? std::string() : im.Words[i].ClueText.str();
}

int WordLength(const PuzzleImage& im, std::int32_t number, bool across) {
    const int i = FindWord(im, number, across);
    return i < 0 ? 0 : static_cast<int>(im.Words[i].WordText.size());
}

int CodeOfLetter(const PuzzleImage& im, std::string_view text) {
    if (text.empty()) return -1;
    const auto code = static_cast<std::int32_t>(static_cast<unsigned char>(text[0]));
    for (int i = 0; i < 26; ++i) {
        if (im.Words[i].CodeLetter == code) return i;
    }
    return -1;
}

CellPos FindCellByNumber(const PuzzleImage& im, std::int32_t number) {
    const std::int64_t wanted = std::abs(static_cast<std::int64_t>(number));
    for (int c = 1; c <= Columns(im); ++c) {
        for (int r = 1; r <= Rows(im); ++r) {
            if (im.cell(c, r).number() == wanted) return {c, r};
        }
    }
    return {};
}

int WordMembership(const PuzzleImage& im, int c, int r) {
    if (IsSudokuKind(im.PuzzleKind) || !InGrid(c, r)) return 0;
    int m = 0;
    if ((c >= 2 && !im.cell(c - 1, r).isBlock()) ||
        (c < Columns(im) && !im.cell(c + 1, r).isBlock()))
        m |= Membership::Across;
    if ((r >= 2 && !im.cell(c, r - 1).isBlock()) || (r < Rows(im) && !im.cell(c, r + 1).isBlock()))
        m |= Membership::Down;
    return m;
}

CellPos WordStart(const PuzzleImage& im, int c, int r, bool across) {
    if (c < 1 || r < 1) return {0, 0};
    if (!InGrid(c, r)) return across ? CellPos{-1, r} : CellPos{c, -1};
    const int fixed = across ? r : c;
    int i = across ? c : r;
    while (i > 0 && !CellAt(im, across, i, fixed).isBlock()) --i;
    const int start = i + 1;
    if (start > LastIndex) return across ? CellPos{-1, r} : CellPos{c, -1};
    const CellRecord& cell = CellAt(im, across, start, fixed);
    const bool starts = across ? cell.StartsAcrossWord != 0 : cell.StartsDownWord != 0;
    const int result = cell.number() > 0 && starts ? start : -1;
    return across ? CellPos{result, r} : CellPos{c, result};
}

std::int32_t WordNumberAt(const PuzzleImage& im, int c, int r, bool across) {
    const CellPos s = WordStart(im, c, r, across);
    if (s.Column < 1 || s.Row < 1) return 0;
    return im.cell(s.Column, s.Row).number();
}

WordInfo WordAt(const PuzzleImage& im, int c, int r, const WordAtOptions& options) {
    WordInfo info;
    const bool across = options.Across;
    info.Across = across;
    if (!InGrid(c, r)) return info;

    const int fixed = across ? r : c;
    const int asked = across ? c : r;
    const int last = across ? Columns(im) : Rows(im);
    int start = asked;
    while (start > 1 && !CellAt(im, across, start - 1, fixed).isBlock()) --start;
    info.StartColumn = across ? start : c;
    info.StartRow = across ? r : start;
    info.Position = asked - start + 1;

    const std::int32_t startNumber = CellAt(im, across, start, fixed).number();
    info.Number = startNumber;
    info.WordIndex = FindWord(im, startNumber, across);
    const WordRecord* word = info.WordIndex >= 0 ? &im.Words[info.WordIndex] : nullptr;

    for (int i = start; i <= last && !CellAt(im, across, i, fixed).isBlock(); ++i) {
        const CellRecord& cell = CellAt(im, across, i, fixed);
        const int cc = across ? i : c;
        const int rr = across ? r : i;
        const int m = WordMembership(im, cc, rr);
        const bool crossed = (m & Membership::Across) && (m & Membership::Down);
        const char solution = FirstChar(cell.SolutionLetter);
        info.Letters +=
            options.EnteredLetters ? FirstChar(EntryAt(im, across, i, fixed)) : solution;
        info.CrossingPattern += crossed ? solution : '?';
        info.GivenPattern += crossed ? ' ' : cell.has(CellFlag::SolutionOrGiven) ? solution : ' ';
    }

    info.Length = static_cast<std::int32_t>(info.Letters.size());
    info.Reversed = word != nullptr && word->WordReversed != 0;
    // The word's text is in reading order; a reversed word stands backwards in the grid.
    const std::string_view text = word ? word->WordText.view() : std::string_view();
    const bool matches = info.Reversed ? std::equal(info.Letters.rbegin(), info.Letters.rend(),
                                                    text.begin(), text.end())
                                       : info.Letters == text;
    if (!matches) info.Number = 0;

    if (options.Reverse && info.Reversed) {
        std::reverse(info.Letters.begin(), info.Letters.end());
        info.Position = info.Length - info.Position + 1;
    }
    return info;
}

bool IsWordFilled(const PuzzleImage& im, int c, int r, bool across, bool fehlerZeigen,
                  std::int32_t* number) {
    if (number) *number = 0;
    if (!InGrid(c, r)) return false;
    const int fixed = across ? r : c;
    const int last = std::min(across ? Columns(im) : Rows(im), LastIndex);
    int i = across ? c : r;
    while (i > 0 && !CellAt(im, across, i, fixed).isBlock()) --i;
    ++i;
    if (i > LastIndex) return false;
    if (number) *number = CellAt(im, across, i, fixed).number();
    bool filled = true;
    for (;; ++i) {
        const Letter& entry = EntryAt(im, across, i, fixed);
        if (fehlerZeigen ? entry.view() != CellAt(im, across, i, fixed).SolutionLetter.view()
                         : IsBlankOrEmpty(entry))
            filled = false;
        if (i >= last || CellAt(im, across, i + 1, fixed).isBlock()) break;
    }
    return filled;
}

bool IsWordPlacedAt(const PuzzleImage& im, int wordIndex) {
    if (wordIndex < 0 || wordIndex >= MaxWords) return false;
    const WordRecord& w = im.Words[wordIndex];
    const CellPos at = FindCellByNumber(im, w.WordNumber);
    if (!at.valid()) return false;
    WordAtOptions options;
    options.Reverse = true;
    options.EnteredLetters = true;
    options.Across = w.across();
    return WordAt(im, at.Column, at.Row, options).Letters == w.WordText.view();
}

bool LetterOccurs(const PuzzleImage& im, char letter) {
    const std::string_view text(&letter, 1);
    for (int c = 1; c <= Columns(im); ++c) {
        for (int r = 1; r <= Rows(im); ++r) {
            if (im.cell(c, r).SolutionLetter == text) return true;
        }
    }
    return false;
}

int CountCellsInLine(const PuzzleImage& im, int line, bool alongRow, bool exact, std::int32_t key) {
    if (line < 0 || line > LastIndex) return 0;
    const int last = alongRow ? Columns(im) : Rows(im);
    int count = 0;
    for (int i = 1; i <= last; ++i) {
        const std::int32_t f = alongRow ? im.cell(i, line).CellFlags : im.cell(line, i).CellFlags;
        if (exact ? f == key : (f & key) != 0) ++count;
    }
    return count;
}

CellRect PictureArea(const PuzzleImage& im) {
    CellRect area{0, 0, Columns(im) + 1, Rows(im) + 1};
    if (!(im.ImageFlags & ImageFlag::HasPicture)) return area;
    for (int c = 1; c <= Columns(im); ++c) {
        for (int r = 1; r <= Rows(im); ++r) {
            if (!im.cell(c, r).has(CellFlag::Picture)) continue;
            if (area.Left == 0) area.Left = c;
            if (area.Top == 0) area.Top = r;
            area.Right = c;
            area.Bottom = r;
        }
    }
    return area;
}

namespace {
// The slot through the cell with the new letter put in: wrong unless it spells a
// listed word that is either the slot's own or not yet placed at its own cells.
bool SlotSpellsNoWord(const PuzzleImage& im, int c, int r, bool across, char letter) {
    WordAtOptions options;
    options.Reverse = true;
    options.EnteredLetters = false;
    options.Across = across;
    WordInfo info = WordAt(im, c, r, options);
    if (info.Position >= 1 && static_cast<std::size_t>(info.Position) <= info.Letters.size())
        info.Letters[static_cast<std::size_t>(info.Position - 1)] = letter;
    const int match = FindWordByText(im, info.Letters, across);
    if (match < 0) return true;
    return im.Words[match].WordNumber != info.Number && IsWordPlacedAt(im, match);
}
} // namespace

bool IsGiven(const PuzzleImage& im, int c, int r) {
    if (!InGrid(c, r)) return false;
    const CellRecord& cell = im.cell(c, r);
    return IsSudokuKind(im.PuzzleKind) && cell.has(CellFlag::SolutionOrGiven) &&
           !cell.SolutionLetter.empty();
}

void SetEnteredLetter(Puzzle& puzzle, int c, int r, std::string_view text) {
    if (!InGrid(c, r)) return;
    PuzzleImage& im = puzzle.Image;
    Letter& entry = im.entry(c, r);
    std::uint8_t& state = puzzle.CheckState.at(c, r);

    // A given symbol is part of the puzzle, not of the player's work: whatever
    // is asked, it keeps (or gets back) its symbol, so the puzzle can always
    // be finished.
    if (IsGiven(im, c, r)) text = im.cell(c, r).SolutionLetter.view();
    if (text.empty()) {
        SetBlank(entry);
    } else {
        char ch = text[0];
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
        entry.Length = 1;
        entry.Chars[0] = ch;
    }
    if (IsBlank(entry)) {
        state = CheckState::Blank;
        return;
    }
    state = CheckState::Filled;

    const int kind = im.PuzzleKind;
    const CellRecord& cell = im.cell(c, r);
    if (IsSudokuKind(kind) && entry.view() != cell.SolutionLetter.view()) state = CheckState::Wrong;
    if (!IsWordKind(kind)) return;

    const int m = WordMembership(im, c, r);
    if (HasSolutionWord(kind) && cell.has(CellFlag::SolutionOrGiven) &&
        !cell.SolutionLetter.empty() && cell.SolutionLetter.view() != entry.view())
        state = CheckState::Wrong;
    const char letter = entry.Chars[0];
    if ((m & Membership::Across) && SlotSpellsNoWord(im, c, r, true, letter))
        state = CheckState::Wrong;
    if ((m & Membership::Down) && SlotSpellsNoWord(im, c, r, false, letter))
        state = CheckState::Wrong;
}

void RecheckEntries(Puzzle& puzzle) {
    const PuzzleImage& im = puzzle.Image;
    const int columns = im.ColumnCount > MaxCells ? MaxCells : im.ColumnCount;
    const int rows = im.RowCount > MaxCells ? MaxCells : im.RowCount;
    for (int c = 1; c <= columns; ++c) {
        for (int r = 1; r <= rows; ++r) {
            const std::string entry = im.entry(c, r).str();
            SetEnteredLetter(puzzle, c, r, entry);
        }
    }
}
