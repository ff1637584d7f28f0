// The "Ansicht" entries beyond the zoom steps: the grid fitted to the board
// window, and the number legend closed and shown again.
#pragma once

class CommandRegistry;
class QMenu;
class TRMMainForm;

// Puts the entries into the frame's "Ansicht" menu, each a view of its
// command: "An Fenster anpassen" after the zoom steps, "Zahlenlegende" after
// "Lösung zeigen".
void AddViewEntries(QMenu* ansicht, CommandRegistry& commands);
// The frame's handler and rules of the number legend's command.
void RegisterNumberLegendCommand(TRMMainForm& frame);
