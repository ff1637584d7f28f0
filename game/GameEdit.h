// The player's changes to the record as data: what the board, the side
// windows and tests hand to the game, and what input is turned into.
#pragma once

#include "Edits.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

struct Settings;

namespace edit {
// One letter (or a Sudoku symbol) typed into a cell; " " or "" clears it.
// `Across` names the word reported when it becomes full; a Sudoku reports none.
struct TypeLetter {
    int Col = 0, Row = 0;
    std::string Letter; // code page 1252
    bool Across = true;
};
// A letter deleted: the word through the cell in that direction is broken.
struct ClearLetter {
    int Col = 0, Row = 0;
    bool Across = true;
};
// The reveal command at a cell.
struct Reveal {
    int Col = 0, Row = 0;
};
// A whole word written from its start cell, from the word dialog or a drop.
struct WriteWord {
    int Col = 0, Row = 0;
    bool Across = true;
    std::string Text; // code page 1252
    bool Backwards = false;
    int WordIndex = -1; // the word reported as solved, -1 none
    // Report only when the word is now filled (a drop) rather than when no
    // written letter is wrong (the word dialog).
    bool ReportWhenFilled = false;
    bool Evaluate = true;
};
// A word-search line marked found, or with `Remove` unmarked.
struct MarkLine {
    SearchLine Line;
    bool Remove = false;
};
// A letter of the solution word typed at a position (' ' clears it).
struct SolutionLetter {
    int Index = 0;
    char Letter = ' ';
    bool Evaluate = true;
};
// A letter guessed for a number code, or the guess cleared (Letter 0).
struct CodeGuess {
    int Code = 0;
    char Letter = 0;
};
} // namespace edit

using Edit = std::variant<edit::TypeLetter, edit::ClearLetter, edit::Reveal, edit::WriteWord,
                          edit::MarkLine, edit::SolutionLetter, edit::CodeGuess>;

// Makes the change on the record and says what it touched: cells, words to
// report and whether the completion is judged right away.
EditOutcome ApplyEdit(Puzzle& puzzle, const Settings& settings, const Edit& edit);

// Where the input stands on the board, as the interpreters need it.
struct InputCursor {
    int Col = 0, Row = 0;
    std::uint8_t Direction = 0; // 0 not chosen, 1 across, 2 down
};

// A key as the board received it: the typed character (0 for none) or a
// named key.
struct InputKey {
    enum class Named { None, Delete, Backspace };
    char32_t Char = 0;
    Named Key = Named::None;
};

// What a key asks for: an edit, and where the cursor goes afterwards.
struct KeyAction {
    std::optional<Edit> Change;
    std::optional<CellPos> MoveTo;
    bool Accepted = false; // the key was the board's (else it turns the direction)
    bool Evaluate = false; // the completion is judged once the cursor has moved
};

// Interprets a key at the cursor for the kind of the record. A given Sudoku
// symbol or a blocked cell takes the key without a change.
KeyAction InterpretKey(const PuzzleImage& image, const InputCursor& cursor, const InputKey& key);

// The word-search line dragged over the cells of the rectangle; `remove`
// when the player held Ctrl. None for other kinds or a single cell.
std::optional<Edit> InterpretLineDrag(const PuzzleImage& image, int left, int top, int right,
                                      int bottom, bool remove);
