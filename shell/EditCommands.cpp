#include "EditCommands.h"

#include "ClueListLink.h"
#include "Hauptformular.h"
#include "ModalRunner.h"
#include "Queries.h"
#include "RaetselFormular.h"
#include "Session.h"
#include "StringGrid.h"

#include <QAction>
#include <QMessageBox>
#include <QToolButton>

namespace {
// Side windows are asked by name: they may not offer the method.
void InvokeIfPresent(QWidget* window, const char* method) {
    if (!window) return;
    const QByteArray signature = QByteArray(method) + "()";
    if (window->metaObject()->indexOfMethod(signature.constData()) >= 0)
        QMetaObject::invokeMethod(window, method, Qt::DirectConnection);
}

void FillLetters(QWidget* legend, bool solution) {
    if (legend && legend->metaObject()->indexOfMethod("FillLetters(bool)") >= 0)
        QMetaObject::invokeMethod(legend, "FillLetters", Qt::DirectConnection,
                                  Q_ARG(bool, solution));
}
} // namespace

EditCommands::EditCommands(TRMMainForm& frame)
    : QObject(&frame), frame_(frame), undoImage_(std::make_unique<PuzzleImage>()) {
    setObjectName("EditCommands");
    *undoImage_ = frame.Session().image();
}

EditCommands::~EditCommands() = default;

EditCommands& EditCommands::Of(TRMMainForm& frame) {
    auto* commands = frame.findChild<EditCommands*>(QString(), Qt::FindDirectChildrenOnly);
    if (!commands) commands = new EditCommands(frame);
    return *commands;
}

QToolButton* EditCommands::UndoButton() const {
    return frame_.findChild<QToolButton*>(QStringLiteral("TBBeaRueckgaengig"));
}

void EditCommands::SetUndoState(bool possible) {
    if (QToolButton* button = UndoButton()) button->setEnabled(possible);
    // The menu entry follows too, so that its shortcut works without opening the menu.
    if (QAction* item = frame_.MenuItem("MItemBeaRueckgaengig")) item->setEnabled(possible);
}

bool EditCommands::UndoPossible() const {
    const QToolButton* button = UndoButton();
    return button && button->isEnabled();
}

void EditCommands::RememberUndo() {
    *undoImage_ = frame_.Session().image();
    SetUndoState(true);
}

void EditCommands::Undo() {
    TRaetselForm* board = frame_.Board();
    if (!board || !UndoPossible()) return;
    PuzzleSession& session = frame_.Session();
    session.image() = *undoImage_;
    // The check state and the candidates are derived from the entries.
    RecheckEntries(session.puzzle);
    const PuzzleImage& im = session.image();
    const int kind = im.PuzzleKind;
    if (IsSudokuKind(kind)) board->RecomputeCandidates();
    board->RepaintGrid();
    board->UpdateToolbar(board->Raetsel->Col(), board->Raetsel->Row());
    SetUndoState(false);
    if (kind == 2 || kind == 3) {
        FillLetters(frame_.FindChild(ChildKind::NumberLegend), false);
    } else if (kind < 14) {
        if (ClueListLink* clues = board->ClueList()) clues->BuildLists();
    }
    // A closed solution-word window opens again here once that window exists.
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
    PuzzleImage& im = frame_.Session().image();
    if (IsSudokuKind(im.PuzzleKind)) {
        im.ElapsedSeconds = 0;
        InvokeIfPresent(frame_.FindChild(ChildKind::Stopwatch), "FormShow");
    } else if (HasSolutionWord(im.PuzzleKind) && frame_.Session().settings.LoesungswortZeigen) {
        InvokeIfPresent(frame_.FindChild(ChildKind::SolutionWord), "FormShow");
    }
}

void EditCommands::MItemBeaLeerfeldClick(QAction* item) {
    TRaetselForm* board = frame_.Board();
    if (!board || !item) return;
    const bool on = item->isChecked();
    if (auto* button = board->findChild<QToolButton*>(QStringLiteral("SBLeerfeld")))
        button->setChecked(on);
    board->SetBlankMark(on);
}

void EditCommands::MItemAnsLoesungClick() {
    frame_.ShowSolution = !frame_.ShowSolution;
    const PuzzleSession& session = frame_.Session();
    const int kind = session.image().PuzzleKind;
    if (TRaetselForm* board = frame_.Board()) {
        board->RepaintGrid();
        board->UpdateToolbar(board->Raetsel->Col(), board->Raetsel->Row());
    }
    QWidget* clueList = frame_.FindChild(ChildKind::ClueList);
    if (clueList && clueList->isVisible()) InvokeIfPresent(clueList, "UpdateLegendToolbar");
    if (HasSolutionWord(kind) && session.settings.LoesungswortZeigen)
        InvokeIfPresent(frame_.FindChild(ChildKind::SolutionWord), "FormShow");
    if (kind == 2 || kind == 3)
        FillLetters(frame_.FindChild(ChildKind::NumberLegend), frame_.ShowSolution);
}

void EditCommands::OnBoard(const std::function<void(TRaetselForm&)>& command) {
    if (TRaetselForm* board = frame_.Board()) command(*board);
}
