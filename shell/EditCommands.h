// The frame's edit and view commands: single-step undo, reset, the blank
// field, "Lösung zeigen", and the commands handed on to the board.
#pragma once

#include "PuzzleImage.h"

#include <QObject>

#include <functional>
#include <memory>

class QAction;
class QToolButton;
class TRMMainForm;
class TRaetselForm;

class EditCommands : public QObject {
    Q_OBJECT
public:
    explicit EditCommands(TRMMainForm& frame);
    ~EditCommands() override;

    // The frame's commands, created with the first use.
    static EditCommands& Of(TRMMainForm& frame);

    // Copies the whole puzzle as it is before a change and enables undo.
    void RememberUndo();
    // Restores that copy once; a second undo needs a new change first.
    void Undo();
    bool UndoPossible() const;
    const PuzzleImage& UndoImage() const { return *undoImage_; }

    // Asks, then records the undo point and clears the board.
    void MItemBeaZuruecksetzenClick();
    // The item has toggled its check mark; the board's blank mark follows it.
    void MItemBeaLeerfeldClick(QAction* item);
    void MItemAnsLoesungClick();
    // Runs a board command when a board is open.
    void OnBoard(const std::function<void(TRaetselForm&)>& command);

private:
    QToolButton* UndoButton() const;
    void SetUndoState(bool possible);

    TRMMainForm& frame_;
    std::unique_ptr<PuzzleImage> undoImage_;
};
