// The board's commands: their handlers and the rules for when they are shown,
// enabled and checked, registered once in the frame's command registry.
#pragma once

#include <QPointer>
#include <QString>
#include <QUrl>

#include <string_view>

#include "LookupUrl.h"
#include "UiCommand.h"

class QObject;
class TRaetselForm;

class BoardCommands {
public:
    explicit BoardCommands(TRaetselForm& board);
    // Takes the handlers and rules back out of the registry.
    ~BoardCommands();

    void Register(CommandRegistry& commands);

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
    TRaetselForm& board_;
    // The frame may be taken down before the board.
    QPointer<CommandRegistry> registry_;
};

