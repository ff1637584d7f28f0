#include "Sudoku.h"

#include <algorithm>

namespace {
constexpr int LastIndex = GridSize - 1;
int Columns(const PuzzleImage& im) {
    return std::min<int>(im.ColumnCount, MaxCells);
}
int Rows(const PuzzleImage& im) {
    return std::min<int>(im.RowCount, MaxCells);
}
} // namespace

std::string SymbolText(int value) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    if (value == 0) return "0";
    // Widened so that the most negative int has a magnitude too.
    long long v = value;
    const bool negative = v < 0;
    if (negative) v = -v;
    std::string text;
    while (v > 0) {
        text.insert(text.begin(), Digits[v % 16]);
        v /= 16;
    }
    if (negative) text.insert(text.begin(), '-');
    return text;
}

int SymbolValue(std::string_view text) {
    if (text.empty() || text.size() > 7) return 0; // seven hex digits always fit an int
    int value = 0;
    for (char ch : text) {
        int digit;
        if (ch >= '0' && ch <= '9')
            digit = ch - '0';
        else if (ch >= 'A' && ch <= 'F')
            digit = ch - 'A' + 10;
        else if (ch >= 'a' && ch <= 'f')
            digit = ch - 'a' + 10;
        else
            return 0;
        value = value * 16 + digit;
    }
    return value;
}

// A grid too small for boxes still gets boxes of one cell rather than a division by zero.
int SudokuBoxWidth(const PuzzleImage& im) {
    const int n = im.ColumnCount;
    return std::max(1, n < 9 ? n / 2 : n / 3);
}

int SudokuBoxHeight(const PuzzleImage& im) {
    return std::max(1, im.RowCount / SudokuBoxWidth(im));
}

CellRect SudokuBox(const PuzzleImage& im, int c, int r) {
    const int w = SudokuBoxWidth(im);
    const int h = SudokuBoxHeight(im);
    CellRect box;
    box.Left = w * ((c - 1) / w) + 1;
    box.Right = box.Left + w - 1;
    box.Top = h * ((r - 1) / h) + 1;
    box.Bottom = box.Top + h - 1;
    return box;
}

bool SudokuAllows(const PuzzleImage& im, int value, int c, int r) {
    if (c < 0 || c > LastIndex || r < 0 || r > LastIndex) return false;
    const std::string s = SymbolText(value);
    for (int i = 1; i <= Columns(im); ++i) {
        if (i != c && im.entry(i, r) == s) return false;
    }
    for (int j = 1; j <= Rows(im); ++j) {
        if (j != r && im.entry(c, j) == s) return false;
    }
    const CellRect box = SudokuBox(im, c, r);
    for (int i = std::max(box.Left, 0); i <= std::min(box.Right, LastIndex); ++i) {
        for (int j = std::max(box.Top, 0); j <= std::min(box.Bottom, LastIndex); ++j) {
            if ((i != c || j != r) && im.entry(i, j) == s) return false;
        }
    }
    return true;
}

int CountCandidates(const PuzzleImage& im, int c, int r) {
    int count = 0;
    for (int v = 1; v <= im.ColumnCount; ++v) {
        if (SudokuAllows(im, v, c, r)) ++count;
    }
    return count;
}

std::array<bool, MaxSymbols> CandidateFlags(const PuzzleImage& im, int c, int r) {
    std::array<bool, MaxSymbols> flags{};
    const int n = std::min<int>(im.ColumnCount, MaxSymbols);
    for (int v = 1; v <= n; ++v) flags[static_cast<std::size_t>(v - 1)] = SudokuAllows(im, v, c, r);
    return flags;
}
