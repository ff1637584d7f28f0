// What the side windows ask of the board's view: the current word and the
// jump to a word. The board implements it; a side window gets it from the
// frame when it is created. Edits go to the game, never through the board.
#pragma once

#include <string>

class QWidget;

class BoardLink {
public:
    virtual ~BoardLink() = default;

    // The clue list's jump to a word.
    virtual void SelectWordByNumber(int number, bool across) = 0;
    // The letters of the run through the current cell (code page 1252).
    virtual std::string CurrentWordLetters(bool fromEntries) const = 0;
    virtual int CurrentWordNumber() const = 0;
    virtual bool InputAcross() const = 0;
    // Word search: no cell selected any more.
    virtual void ClearSelection() = 0;
    virtual void RepaintGrid() = 0;
    // A letter typed while an entry of the clue list was selected: with a
    // word number, the cursor goes to that word's first free cell first;
    // with 0 it stays. The letter is then typed as on the board.
    virtual void TypeFromClueList(int number, bool across, char32_t letter) = 0;
    // The board's outer window, for placing the side windows beside it.
    virtual QWidget* BoardWindow() = 0;
};
