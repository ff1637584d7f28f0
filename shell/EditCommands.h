// The frame's edit and view commands: single-step undo, reset and
// "Lösung zeigen". What they change is said once through PuzzleEvents.
#pragma once

class TRMMainForm;

class EditCommands {
public:
    explicit EditCommands(TRMMainForm& frame) : frame_(frame) {}

    // Copies the whole puzzle as it is before a change and enables undo.
    void RememberUndo();
    // Restores that copy once; a second undo needs a new change first.
    void Undo();
    bool UndoPossible() const;

    // Asks, then records the undo point and clears the board.
    void MItemBeaZuruecksetzenClick();
    void MItemAnsLoesungClick();

private:
    TRMMainForm& frame_;
};
