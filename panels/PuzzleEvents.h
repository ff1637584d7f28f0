// What happens to the views of the one puzzle of a run, said once by the frame
// or the board and heard by every window that shows part of it. Changes of the
// puzzle itself come from the game (PuzzleGame::Changed).
#pragma once

#include <QObject>

class PuzzleEvents : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // The cell size changed.
    void Zoomed();
    // Wrong entries are marked or no longer marked.
    void ErrorMarkingChanged();
    // The board is closing; its companions close with it.
    void BoardClosing();
};
