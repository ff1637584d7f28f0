// What happens to the one puzzle of a run, said once by the frame or the board
// and heard by every window that shows part of it.
#pragma once

#include <QObject>

class PuzzleEvents : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // Entries, marks and levels were cleared by the reset command.
    void PuzzleReset();
    // The record was put back to the state before the last change.
    void UndoApplied();
    // "Lösung zeigen" was switched on or off.
    void SolutionShown(bool shown);
    // The cell size changed.
    void Zoomed();
    // Wrong entries are marked or no longer marked.
    void ErrorMarkingChanged();
    // The evaluation recorded a new best time.
    void BestTimeChanged();
    // The board is closing; its companions close with it.
    void BoardClosing();
};
