#include "EditCommands.h"

#include "ModalRunner.h"
#include "PuzzleGame.h"

#include <QMessageBox>

bool EditCommands::UndoPossible() const {
    return game_.CanUndo();
}

void EditCommands::Undo() {
    if (boardOpen_()) game_.Undo();
}

void EditCommands::MItemBeaZuruecksetzenClick() {
    if (!boardOpen_()) return;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigen"),
                    QStringLiteral("Möchten Sie wirklich das komplette Rätsel zurücksetzen?"),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    if (RunModal(box) != QMessageBox::Yes) return;
    game_.Reset();
}

void EditCommands::MItemAnsLoesungClick() {
    game_.SetShowSolution(!game_.Flags().ShowSolution);
}
