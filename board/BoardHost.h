// What the board asks of the window that holds it (the main frame). The board
// knows nothing else of the frame; tests give it a small host of their own.
#pragma once

#include <QString>

class BoardLink;
class ClueListLink;
class CommandRegistry;
class PuzzleEvents;
class PuzzleGame;
class QWidget;
class SolutionWordLink;
struct PuzzleSession;

class BoardHost {
public:
    virtual ~BoardHost() = default;

    virtual PuzzleSession& Session() = 0;
    virtual PuzzleEvents& Events() = 0;
    virtual CommandRegistry& Commands() = 0;
    // The game of the open puzzle: its state and the road of its changes.
    virtual PuzzleGame& Game() = 0;

    // The companion windows while they are open, else null.
    virtual ClueListLink* ClueList() const = 0;
    virtual SolutionWordLink* SolutionWord() const = 0;
    // Shows the companion windows the puzzle and the settings call for,
    // creating those that are not open.
    virtual void OpenCompanions(BoardLink& board) = 0;
    // Places the windows after the board was laid out (it stops short of the
    // companions beside it).
    virtual void ArrangeChildren() = 0;

    // True without a board; else whether AllowedAids has any of the bits.
    virtual bool AidAllowed(int bits) const = 0;
    // The height the frame's client area offers its children.
    virtual int ClientAreaHeight() const = 0;
    virtual void ShowHint(const QString& hint) = 0;
    virtual void SetStandardCaption() = 0;
    // The parent of the board's dialogs and message boxes.
    virtual QWidget* DialogParent() = 0;
    // The board is closing: commands, caption and companions follow.
    virtual void BoardClosing() = 0;
    // Ends the program (the popup's "Schließen").
    virtual void CloseProgram() = 0;
};
