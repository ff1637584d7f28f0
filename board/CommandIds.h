// The commands of the frame and the board, by type. A command is one handler
// and one state; menu entries, popup entries and tool buttons bind to it.
#pragma once

#include "UiCommand.h"

enum class CommandId : int {
    // The frame's own.
    Open,
    Print,
    PuzzleInfo,
    ProgramInfo,
    Quit,
    Autosave, // "Fortschritt automatisch speichern"
    Undo,
    Redo,
    Reset,
    ShowSolution,
    // The board's.
    ZoomIn,
    ZoomOut,
    FitToWindow,  // "An Fenster anpassen": the cells follow the board window
    NumberLegend, // "Zahlenlegende": the number legend closed or shown again
    ShowFail,
    ShowLengths, // word lengths or possible symbols
    ShowHints,
    BlankField,
    RevealLetter,
    EnterWord,
    ShowClue,
    LookUp,
    CloseBoard,
    SnapshotTake,
    // Field marking 0 (none), 1..12 (a symbol) and 13 (at most two candidates).
    MarkNone,
    MarkLast = MarkNone + 13,
    // Restoring snapshot 1..4.
    SnapshotFirst,
    SnapshotLast = SnapshotFirst + 3,
    Count
};

constexpr CommandId MarkCommand(int tag) {
    return static_cast<CommandId>(static_cast<int>(CommandId::MarkNone) + tag);
}
constexpr CommandId SnapshotCommand(int n) {
    return static_cast<CommandId>(static_cast<int>(CommandId::SnapshotFirst) + n - 1);
}

// The frame's commands; the board registers its handlers while it is open.
class CommandRegistry : public CommandTable<CommandId> {
public:
    using CommandTable::CommandTable;
};
