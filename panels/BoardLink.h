// What the side windows ask of the board. The board implements it; a side
// window gets it from the frame when it is created and asks for it again
// before each use, because the board may have gone.
#pragma once

#include "Edits.h"

#include <functional>
#include <string>

class QWidget;

class BoardLink {
public:
    virtual ~BoardLink() = default;

    // The editing road: undo point, the change, Sudoku aids, repaint, reports
    // to the clue list and, when the change asks for it, the evaluation.
    virtual void RunEdit(const std::function<EditOutcome()>& change) = 0;
    // Judges the puzzle and tells the player the outcome.
    virtual void RunEvaluation() = 0;

    // The clue list's jump to a word.
    virtual void SelectWordByNumber(int number, bool across) = 0;
    // The letters of the run through the current cell (code page 1252).
    virtual std::string CurrentWordLetters(bool fromEntries) const = 0;
    virtual int CurrentWordNumber() const = 0;
    virtual bool InputAcross() const = 0;
    // Word search: no cell selected any more.
    virtual void ClearSelection() = 0;
    virtual void RepaintGrid() = 0;
    // The board's outer window, for placing the side windows beside it.
    virtual QWidget* BoardWindow() = 0;
};
