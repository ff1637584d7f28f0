#include "Edits.h"

#include <algorithm>

namespace {
bool Inside(const PuzzleImage& im, int c, int r) {
    return c >= 1 && r >= 1 && c <= im.ColumnCount && r <= im.RowCount && c < GridSize &&
           r < GridSize;
}
} // namespace

bool IsInputBlocked(const PuzzleImage& image, int col, int row) {
    if (col < 0 || row < 0 || col >= GridSize || row >= GridSize) return false;
    const bool placed = HasPlacedBlocks(image.PuzzleKind);
    return image.cell(col, row).has(placed ? CellFlag::PlacedBlock : CellFlag::Block);
}

std::string RunLetters(const PuzzleImage& image, int col, int row, bool across, bool fromEntries) {
    if (!Inside(image, col, row)) return {};
    const int dc = across ? 1 : 0;
    const int dr = across ? 0 : 1;
    int sc = col, sr = row;
    while ((across ? sc : sr) > 1 && !IsInputBlocked(image, sc - dc, sr - dr)) {
        sc -= dc;
        sr -= dr;
    }
    const int last = std::min<int>(across ? image.ColumnCount : image.RowCount, MaxCells);
    std::string letters;
    for (int x = sc, y = sr; (across ? x : y) <= last && !IsInputBlocked(image, x, y);
         x += dc, y += dr) {
        const Letter& l = fromEntries ? image.entry(x, y) : image.cell(x, y).SolutionLetter;
        letters += l.empty() ? ' ' : l.Chars[0];
    }
    return letters;
}

std::int32_t RunNumber(const PuzzleImage& image, int col, int row, bool down) {
    if (!Inside(image, col, row) || !image.cell(col, row).has(CellFlag::LetterCell)) return 0;
    if (down) {
        while (row > 1 && !image.cell(col, row - 1).isBlock()) --row;
    } else {
        while (col > 1 && !image.cell(col - 1, row).isBlock()) --col;
    }
    return image.cell(col, row).CellNumber;
}

std::optional<WordReport> WordReportAt(const PuzzleImage& image, int col, int row, bool across,
                                       bool solved, bool onlyWhenFull) {
    if (!Inside(image, col, row)) return std::nullopt;
    const WordInfo w = WordAt(image, col, row, {false, true, across});
    if (w.WordIndex < 0) return std::nullopt;
    if (onlyWhenFull && w.Letters.find(' ') != std::string::npos) return std::nullopt;
    return WordReport{w.WordIndex, across, solved};
}

WordWrite WriteWord(Puzzle& puzzle, int col, int row, bool across, std::string_view text,
                    bool backwards) {
    PuzzleImage& im = puzzle.Image;
    WordWrite out;
    int x = col, y = row;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!Inside(im, x, y) || im.cell(x, y).isBlock()) break;
        const char letter = backwards ? text[text.size() - 1 - i] : text[i];
        const std::string_view one(&letter, 1);
        SetEnteredLetter(puzzle, x, y, one);
        if (im.cell(x, y).SolutionLetter.view() != one) out.Wrong = true;
        out.Cells.push_back({x, y});
        if (across)
            ++x;
        else
            ++y;
    }
    return out;
}

RevealResult RevealLetter(Puzzle& puzzle, int col, int row) {
    PuzzleImage& im = puzzle.Image;
    if (!Inside(im, col, row)) return {};
    if (HasPlacedBlocks(im.PuzzleKind) && im.cell(col, row).isBlock()) {
        SetBlankMark(im, col, row, true);
        return {true, true};
    }
    if (IsGiven(im, col, row)) return {};
    const Letter& solution = im.cell(col, row).SolutionLetter;
    const bool same = im.entry(col, row).view() == solution.view();
    SetEnteredLetter(puzzle, col, row, same ? std::string_view() : solution.view());
    return {true, false};
}

bool SetBlankMark(PuzzleImage& image, int col, int row, bool on) {
    if (!Inside(image, col, row)) return false;
    CellRecord& cell = image.cell(col, row);
    if (on)
        cell.CellFlags |= CellFlag::PlacedBlock;
    else
        cell.CellFlags &= ~CellFlag::PlacedBlock;
    return true;
}

SearchLine LineOfSelection(int left, int top, int right, int bottom) {
    SearchLine line{left, top, right, bottom, false, 0};
    const int width = right - left + 1;
    const int height = bottom - top + 1;
    // A dragged rectangle counts as the line along its longer side.
    if (width > height && height > 1) line.Bottom = top;
    if (height > width && width > 1) line.Right = left;
    line.Across = line.Left < line.Right;
    line.Length = line.Across ? line.Right - line.Left + 1 : line.Bottom - line.Top + 1;
    return line;
}

std::vector<CellPos> MarkSearchLine(PuzzleImage& image, const SearchLine& line, bool remove) {
    std::vector<CellPos> changed;
    if (line.Length <= 1) return changed;
    for (int c = line.Left; c <= line.Right; ++c) {
        for (int r = line.Top; r <= line.Bottom; ++r) {
            if (!Inside(image, c, r)) continue;
            CellRecord& cell = image.cell(c, r);
            if (remove)
                cell.CellFlags &= ~CellFlag::PlayerMark;
            else
                cell.CellFlags |= CellFlag::PlayerMark;
            changed.push_back({c, r});
        }
    }
    return changed;
}

void ResetEntries(Puzzle& puzzle) {
    PuzzleImage& im = puzzle.Image;
    const KindTraits& kind = Traits(im.PuzzleKind);
    const int columns = std::min<int>(im.ColumnCount, MaxCells);
    const int rows = std::min<int>(im.RowCount, MaxCells);
    for (int c = 1; c <= columns; ++c) {
        for (int r = 1; r <= rows; ++r) {
            CellRecord& cell = im.cell(c, r);
            switch (kind.Family) {
            case KindFamily::Sudoku:
                // Givens get their symbol back, whatever an earlier run left there.
                SetEnteredLetter(puzzle, c, r, "");
                break;
            case KindFamily::Crossword:
            case KindFamily::NumberCode:
            case KindFamily::FillIn:
            case KindFamily::Fence:
            case KindFamily::HeaderLines:
                SetEnteredLetter(puzzle, c, r, "");
                break;
            case KindFamily::WordSearch:
                // The word search's entries are its filler letters; the player's
                // work there is the found marks.
                cell.CellFlags &= ~CellFlag::PlayerMark;
                cell.CellNumber = cell.number();
                break;
            case KindFamily::None:
                break;
            }
            cell.CellFlags &= ~CellFlag::PlacedBlock;
        }
    }
    if (kind.Timed) {
        im.ElapsedSeconds = 0;
        im.ClockRunning = 1;
    }
    for (int i = 0; i < 26; ++i) {
        SetBlank(im.Words[i].CodeGuess);
        if (kind.Family == KindFamily::NumberCode) im.Words[i].ClueText.clear();
    }
    for (int i = 0; i < std::min<int>(im.WordCount, MaxWords); ++i) im.Words[i].WordSolvedMark = 0;
    // Every position of the field is blanked: the evaluation reads the solution
    // word's letters by position, up to its full length.
    auto& entered = im.EnteredSolutionWord;
    std::fill(std::begin(entered.Chars), std::end(entered.Chars), ' ');
    entered.Length = static_cast<std::uint8_t>(std::max<std::size_t>(13, im.SolutionWord.size()));
    im.SolvedLevel = 0;
}
