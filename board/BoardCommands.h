// The board's commands: their handlers and the rules for when they are shown,
// enabled and checked, registered once in the frame's command registry.
#pragma once

#include <QPointer>
#include <QString>
#include <QUrl>

#include <string_view>

#include "CommandIds.h"
#include "LookupUrl.h"

class QDateTime;
class QObject;
class BoardView;

class BoardCommands {
public:
    explicit BoardCommands(BoardView& board);
    // Takes the handlers and rules back out of the registry.
    ~BoardCommands();

    void Register(CommandRegistry& commands);

    // The marking choice: 0 none, 1..12 a symbol, DuoMarkTag at most two candidates.
    void MItemPlayMarkKeineClick(int tag);
    void MItemPlaySnapErstellenClick();
    // Restores snapshot n (1..4).
    void MItemPlaySnap1Click(int n);
    void SetBlankMark(bool on);
    // Reveals the sought letter (or places the blank mark on a solution block).
    void MItemPlayBuchstEintragenClick();
    void MItemPlayBegriffEintragenClick();
    void MItemPlayUmschreibungClick();
    void MItemPlayNachschlagenClick();
    void ToggleShowFail();
    void ToggleShowLengths();
    void ToggleShowHints();
    // Dragging a word from the clue list; source is the widget the drag started from.
    bool RaetselDragOver(const QObject* source, int col, int row);
    void RaetselDragDrop(const QObject* source, int col, int row);

private:
    BoardView& board_;
    // The frame may be taken down before the board.
    QPointer<CommandRegistry> registry_;
};

// A local date and time as days since 30 Dec 1899 with the time of day as fraction.
double DayCount(const QDateTime& when);
// The time of day of such a count in the German long time format (14:05:31).
QString SnapshotTimeText(double dayCount);
