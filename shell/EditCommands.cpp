#include "EditCommands.h"

#include "CommandIds.h"
#include "Hauptformular.h"
#include "ModalRunner.h"
#include "PuzzleEvents.h"
#include "Queries.h"
#include "RaetselFormular.h"
#include "Session.h"
#include "UiCommand.h"

#include <QMessageBox>

void EditCommands::RememberUndo() {
    PuzzleSession& session = frame_.Session();
    session.undo.Remember(session.image());
    frame_.Commands().Get(CommandId::Undo).Refresh();
}

bool EditCommands::UndoPossible() const {
    return frame_.Session().undo.Possible();
}

void EditCommands::Undo() {
    TRaetselForm* board = frame_.Board();
    PuzzleSession& session = frame_.Session();
    if (!board || !session.undo.Restore(session.image())) return;
    // The check state and the candidates are derived from the entries.
    RecheckEntries(session.puzzle);
    if (IsSudokuKind(session.image().PuzzleKind)) board->RecomputeCandidates();
    board->RepaintGrid();
    board->UpdateToolbar();
    emit frame_.Events().UndoApplied();
}

void EditCommands::MItemBeaZuruecksetzenClick() {
    TRaetselForm* board = frame_.Board();
    if (!board) return;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigen"),
                    QStringLiteral("Möchten Sie wirklich das komplette Rätsel zurücksetzen?"),
                    QMessageBox::Yes | QMessageBox::No, &frame_);
    if (RunModal(box) != QMessageBox::Yes) return;
    RememberUndo();
    board->ResetBoard();
}

void EditCommands::MItemAnsLoesungClick() {
    RunFlags& flags = frame_.Session().flags;
    flags.ShowSolution = !flags.ShowSolution;
    if (TRaetselForm* board = frame_.Board()) {
        board->RepaintGrid();
        board->UpdateToolbar();
    }
    emit frame_.Events().SolutionShown(flags.ShowSolution);
}
