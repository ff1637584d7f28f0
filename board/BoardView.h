// What the board's commands ask of the board: where the input stands, its
// host and the game. The board implements it; the commands know nothing else
// of the board window.
#pragma once

#include "BoardLink.h"

#include <QPoint>

#include <cstdint>

class BoardHost;
class ClueListLink;
class PuzzleGame;
class QWidget;
class StringGrid;
struct PuzzleSession;

class BoardView : public BoardLink {
public:
    virtual BoardHost& Host() const = 0;
    virtual PuzzleSession& Session() const = 0;
    virtual PuzzleGame& Game() const = 0;
    virtual StringGrid* Grid() const = 0;
    // The board widget itself (the commands' connections live as long as it).
    virtual QWidget* View() = 0;
    // The cell the commands' states were last worked out for.
    virtual QPoint CommandCell() const = 0;
    virtual std::uint8_t InputDirection() const = 0;
    virtual bool Blocked(int col, int row) const = 0;
    // Zoom by one pixel per step (+1 in, -1 out); it ends fitting to the window.
    virtual void Zoom(int step) = 0;
    // Whether the cells fill the board window, refitted whenever it changes size.
    virtual bool FitToWindow() const = 0;
    virtual void SetFitToWindow(bool on) = 0;
    // The tool bar and the commands' states for the current cell.
    virtual void UpdateToolbar() = 0;
    // The clue list while it is open, else null.
    virtual ClueListLink* ClueList() const = 0;
};
