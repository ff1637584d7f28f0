#include "GameEdit.h"

#include "CodeTable.h"
#include "Queries.h"
#include "Settings.h"
#include "SolutionEntry.h"

namespace {
template <class... F> struct Overload : F... { using F::operator()...; };

// The hexadecimal value of a Sudoku key, 0 when it is none.
int SymbolKeyValue(char32_t ch) {
    if (ch >= U'1' && ch <= U'9') return static_cast<int>(ch - U'0');
    if (ch >= U'A' && ch <= U'C') return static_cast<int>(ch - U'A') + 10;
    if (ch >= U'a' && ch <= U'c') return static_cast<int>(ch - U'a') + 10;
    return 0;
}

bool IsPlainLetter(char32_t ch) {
    return (ch >= U'A' && ch <= U'Z') || (ch >= U'a' && ch <= U'z');
}

std::string UpperLetter(char32_t ch) {
    const char c = static_cast<char>(ch);
    return std::string(1, c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
}
} // namespace

EditOutcome ApplyEdit(Puzzle& puzzle, const Settings& settings, const Edit& change) {
    PuzzleImage& im = puzzle.Image;
    return std::visit(
        Overload{
            [&](const edit::TypeLetter& e) {
                SetEnteredLetter(puzzle, e.Col, e.Row, e.Letter);
                EditOutcome out;
                out.Evaluate = false; // once the cursor has moved on
                if (IsSudokuKind(im.PuzzleKind)) return out;
                out.Cells.push_back({e.Col, e.Row});
                if (auto report = WordReportAt(im, e.Col, e.Row, e.Across, true, true))
                    out.Reports.push_back(*report);
                return out;
            },
            [&](const edit::ClearLetter& e) {
                // Clearing a letter breaks the word through it; no evaluation.
                SetEnteredLetter(puzzle, e.Col, e.Row, "");
                EditOutcome out;
                out.Cells.push_back({e.Col, e.Row});
                if (auto report = WordReportAt(im, e.Col, e.Row, e.Across, false, false))
                    out.Reports.push_back(*report);
                out.Evaluate = false;
                return out;
            },
            [&](const edit::Reveal& e) {
                EditOutcome out;
                out.Evaluate = false; // revealing is help, not solving
                out.Cells.push_back({e.Col, e.Row});
                const RevealResult done = RevealLetter(puzzle, e.Col, e.Row);
                if (done.PlacedBlock) {
                    out.WholeGrid = true;
                    return out;
                }
                for (bool across : {true, false})
                    if (auto report = WordReportAt(im, e.Col, e.Row, across, true, true))
                        out.Reports.push_back(*report);
                return out;
            },
            [&](const edit::WriteWord& e) {
                const WordWrite written =
                    ::WriteWord(puzzle, e.Col, e.Row, e.Across, e.Text, e.Backwards);
                EditOutcome out;
                out.Cells = written.Cells;
                out.Evaluate = e.Evaluate;
                const bool report =
                    e.ReportWhenFilled
                        ? !settings.FehlerZeigen ||
                              IsWordFilled(im, e.Col, e.Row, e.Across, settings.FehlerZeigen)
                        : !written.Wrong || !settings.FehlerZeigen;
                if (e.WordIndex >= 0 && report)
                    out.Reports.push_back({e.WordIndex, e.Across, true});
                return out;
            },
            [&](const edit::MarkLine& e) {
                EditOutcome out;
                out.Cells = MarkSearchLine(im, e.Line, e.Remove);
                out.Evaluate = false; // after the clue list has heard of the line
                return out;
            },
            [&](const edit::SolutionLetter& e) {
                SetSolutionLetter(im, e.Index, e.Letter);
                EditOutcome out;
                out.Evaluate = e.Evaluate;
                return out;
            },
            [&](const edit::CodeGuess& e) {
                return e.Letter != 0 ? AssignCode(puzzle, e.Code, e.Letter)
                                     : ClearCode(puzzle, e.Code);
            },
        },
        change);
}

namespace {
// A word search is marked with the mouse: typing is swallowed, other keys pass.
KeyAction SearchKey(const InputKey& key) {
    KeyAction act;
    act.Accepted = key.Key == InputKey::Named::None;
    return act;
}

// Delete clears the cell; Backspace (word kinds only) the one before it.
KeyAction DeleteKey(const PuzzleImage& im, const InputCursor& cursor, const InputKey& key) {
    KeyAction act;
    if (key.Key == InputKey::Named::Backspace && !IsWordKind(im.PuzzleKind)) return act;
    act.Accepted = true;
    const int c = cursor.Col, r = cursor.Row;
    const bool across = cursor.Direction == 1;
    if (c < 1 || r < 1) return act;
    const bool open =
        !im.cell(c, r).has(CellFlag::Block) && !im.cell(c, r).has(CellFlag::PlacedBlock);
    if (key.Key == InputKey::Named::Delete) {
        if (open) act.Change = edit::ClearLetter{c, r, across};
        return act;
    }
    // Backspace deletes the letter before the cursor and moves onto it.
    const bool left = open && c > 1 && !IsInputBlocked(im, c - 1, r);
    const bool up = open && r > 1 && !IsInputBlocked(im, c, r - 1);
    int nc = c, nr = r;
    if (cursor.Direction == 1) {
        if (left) nc = c - 1;
    } else if (cursor.Direction == 2) {
        if (up) nr = r - 1;
    } else if (left) {
        nc = c - 1;
    } else if (up) {
        nr = r - 1;
    }
    if (nc == c && nr == r) return act;
    act.Change = edit::ClearLetter{nc, nr, across};
    act.MoveTo = CellPos{nc, nr};
    return act;
}

// Outside the grid or on a blocked cell a typed key is taken without a change.
bool TypedOutside(const PuzzleImage& im, const InputCursor& cursor) {
    return cursor.Col < 1 || cursor.Row < 1 || IsInputBlocked(im, cursor.Col, cursor.Row);
}

// A symbol up to the Sudoku's size; a given symbol stays, the key still counts.
KeyAction SudokuKey(const PuzzleImage& im, const InputCursor& cursor, const InputKey& key) {
    if (key.Key != InputKey::Named::None) return DeleteKey(im, cursor, key);
    KeyAction act;
    if (key.Char == 0) return act;
    if (TypedOutside(im, cursor)) {
        act.Accepted = true;
        return act;
    }
    const int value = SymbolKeyValue(key.Char);
    act.Accepted = act.Evaluate = key.Char == U' ' || (value >= 1 && value <= im.ColumnCount);
    if (act.Accepted && !im.cell(cursor.Col, cursor.Row).has(CellFlag::SolutionOrGiven))
        act.Change =
            edit::TypeLetter{cursor.Col, cursor.Row, UpperLetter(key.Char), cursor.Direction == 1};
    return act;
}

// A letter or a blank; the cursor goes on along the word.
KeyAction WordKey(const PuzzleImage& im, const InputCursor& cursor, const InputKey& key) {
    if (key.Key != InputKey::Named::None) return DeleteKey(im, cursor, key);
    KeyAction act;
    if (key.Char == 0) return act;
    if (TypedOutside(im, cursor)) {
        act.Accepted = true;
        return act;
    }
    if (key.Char != U' ' && !IsPlainLetter(key.Char)) return act;
    const int c = cursor.Col, r = cursor.Row;
    act.Accepted = act.Evaluate = true;
    act.Change = edit::TypeLetter{c, r, UpperLetter(key.Char), cursor.Direction == 1};
    if (cursor.Direction == 1 && c + 1 <= im.ColumnCount && !im.cell(c + 1, r).isBlock())
        act.MoveTo = CellPos{c + 1, r};
    else if (cursor.Direction == 2 && r + 1 <= im.RowCount && !im.cell(c, r + 1).isBlock())
        act.MoveTo = CellPos{c, r + 1};
    return act;
}
} // namespace

KeyAction InterpretKey(const PuzzleImage& im, const InputCursor& cursor, const InputKey& key) {
    switch (FamilyOf(im.PuzzleKind)) {
    case KindFamily::WordSearch:
        return SearchKey(key);
    case KindFamily::Sudoku:
        return SudokuKey(im, cursor, key);
    case KindFamily::Crossword:
    case KindFamily::NumberCode:
    case KindFamily::FillIn:
    case KindFamily::Fence:
    case KindFamily::HeaderLines:
    case KindFamily::None:
        return WordKey(im, cursor, key);
    }
    return {};
}

std::optional<Edit> InterpretLineDrag(const PuzzleImage& im, int left, int top, int right,
                                      int bottom, bool remove) {
    if (!IsWordSearch(im.PuzzleKind) || right < left || bottom < top || left < 0 || top < 0)
        return std::nullopt;
    return edit::MarkLine{LineOfSelection(left, top, right, bottom), remove};
}
