// What a companion window asks of the frame that holds it: the puzzle, the
// events it refreshes itself on, and the room it places itself in.
#pragma once

#include "FrameRoom.h"

#include <QPoint>
#include <QSize>

class PuzzleEvents;
class PuzzleGame;
class QWidget;
struct PuzzleSession;

class CompanionFrame {
public:
    virtual ~CompanionFrame() = default;
    virtual PuzzleSession& Session() = 0;
    virtual PuzzleEvents& Events() = 0;
    // The game the window reads the puzzle from and edits through.
    virtual PuzzleGame& Game() = 0;
    // The frame's client width, and the height it offers its children.
    virtual int ClientAreaWidth() const = 0;
    virtual int ClientAreaHeight() const = 0;
    // The room the side windows place themselves in.
    virtual FrameRoom Room() const = 0;
};

// A child's outer window: its MDI frame when it has one, else itself.
QWidget* OuterWindow(QWidget* content);
// Gives the child that client size; its outer window follows.
void SetClientSize(QWidget* content, QSize client);
// The least client width at which the outer window's title bar shows the
// child's whole caption (0 without an MDI frame).
int CaptionClientWidth(QWidget* content);
// Moves the outer window to a place in the frame's client area.
void MoveOuterWindow(QWidget* content, QPoint topLeft);
// Shrinks a window that overlaps `other` so that it ends 5 pixels short of
// it, at the right or at the bottom, whichever keeps it the larger.
void StopShortOf(QWidget* window, const QRect& other);
