#include "CodeTable.h"

#include <algorithm>

namespace {
bool ValidCode(int code) {
    return code >= 0 && code < CodeTable::Codes;
}

char UpperLetter(char ch) {
    if (ch >= 'a' && ch <= 'z') return static_cast<char>(ch - 'a' + 'A');
    return ch;
}

// Writes the text into every cell whose solution letter has the code.
void WriteCode(Puzzle& puzzle, int code, std::string_view text) {
    PuzzleImage& im = puzzle.Image;
    const int columns = std::min<int>(im.ColumnCount, MaxCells);
    const int rows = std::min<int>(im.RowCount, MaxCells);
    for (int c = 1; c <= columns; ++c)
        for (int r = 1; r <= rows; ++r)
            if (CodeOfLetter(im, im.cell(c, r).SolutionLetter.view()) == code)
                SetEnteredLetter(puzzle, c, r, text);
}
} // namespace

int CodeAtTableCell(int col, int row) {
    if (col < 0 || col >= CodeTable::Columns || row < 0 || row >= CodeTable::Rows) return -1;
    return (col >= 2 ? CodeTable::Rows : 0) + row;
}

bool IsCodeLetterColumn(int col) {
    return col == 1 || col == 3;
}

bool WrapCodeTable(int& col, int& row, bool down) {
    if (!IsCodeLetterColumn(col)) return false;
    const int last = CodeTable::Rows - 1;
    if (down ? row != last : row != 0) return false;
    col = col == 1 ? 3 : 1;
    row = down ? 0 : last;
    return true;
}

char CodeLetterOf(const PuzzleImage& image, int code) {
    if (!ValidCode(code)) return '\0';
    return static_cast<char>(image.Words[code].CodeLetter & 0xFF);
}

std::string CodeGuessOf(const PuzzleImage& image, int code) {
    if (!ValidCode(code)) return {};
    const Letter& guess = image.Words[code].CodeGuess;
    if (IsBlankOrEmpty(guess)) return {};
    return guess.str();
}

bool CodeGuessWrong(const PuzzleImage& image, int code) {
    if (!ValidCode(code)) return false;
    const Letter& guess = image.Words[code].CodeGuess;
    return !(guess.size() == 1 && guess.Chars[0] == CodeLetterOf(image, code));
}

bool CodeGuessMissing(const PuzzleImage& image, int code) {
    return ValidCode(code) && IsBlankOrEmpty(image.Words[code].CodeGuess);
}

EditOutcome AssignCode(Puzzle& puzzle, int code, char letter) {
    EditOutcome out;
    out.Evaluate = false;
    letter = UpperLetter(letter);
    if (!ValidCode(code) || letter < 'A' || letter > 'Z') return out;
    const std::string text(1, letter);
    puzzle.Image.Words[code].CodeGuess.set(text);
    WriteCode(puzzle, code, text);
    out.WholeGrid = true;
    out.Evaluate = true;
    return out;
}

EditOutcome ClearCode(Puzzle& puzzle, int code) {
    EditOutcome out;
    out.Evaluate = false;
    if (!ValidCode(code)) return out;
    puzzle.Image.Words[code].CodeGuess.clear();
    WriteCode(puzzle, code, " ");
    out.WholeGrid = true;
    return out;
}
