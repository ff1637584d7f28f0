// The ids of the commands in the frame's registry. A command is one handler
// and one state; menu entries, popup entries and tool buttons bind to it.
#pragma once

#include <QString>

namespace CommandId {
// The frame's own.
inline const char* const Print = "Print";
inline const char* const PuzzleInfo = "PuzzleInfo";
inline const char* const ProgramInfo = "ProgramInfo";
inline const char* const Quit = "Quit";
inline const char* const Undo = "Undo";
inline const char* const Reset = "Reset";
inline const char* const ShowSolution = "ShowSolution";
// The board's.
inline const char* const ZoomIn = "ZoomIn";
inline const char* const ZoomOut = "ZoomOut";
inline const char* const ShowFail = "ShowFail";
inline const char* const ShowLengths = "ShowLengths"; // word lengths or possible symbols
inline const char* const ShowHints = "ShowHints";
inline const char* const BlankField = "BlankField";
inline const char* const RevealLetter = "RevealLetter";
inline const char* const EnterWord = "EnterWord";
inline const char* const ShowClue = "ShowClue";
inline const char* const LookUp = "LookUp";
inline const char* const CloseBoard = "CloseBoard";
inline const char* const SnapshotTake = "SnapshotTake";
// Field marking 0 (none), 1..12 (a symbol) and 13 (at most two candidates).
inline QString Mark(int tag) {
    return QStringLiteral("Mark%1").arg(tag);
}
// Restoring snapshot 1..4.
inline QString Snapshot(int n) {
    return QStringLiteral("Snapshot%1").arg(n);
}
} // namespace CommandId
