// The frame's edit and view commands: one-step undo, reset with its question,
// "Lösung zeigen", and the menu entries handed on to the board.
#include "BoardFixture.h"
#include "ContainerWriter.h"
#include "EditCommands.h"
#include "Hauptformular.h"
#include "MessageDialog.h"
#include "ModalRunner.h"
#include "RaetselFormular.h"
#include "Session.h"
#include "StringGrid.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QToolButton>

namespace {
struct Opened : OpenedBoard {
    QToolButton* FrameButton(const char* name) const {
        return Frame->findChild<QToolButton*>(QString::fromLatin1(name));
    }
    QAction* Item(const char* name) const { return MenuItem(*Frame, name); }
    // Opens the menu the way the player does, so that its enabling rules run.
    void OpenMenu(const char* name) { emit MenuItem(*Frame, name)->menu()->aboutToShow(); }
    bool UndoEnabled() const { return FrameButton("TBBeaRueckgaengig")->isEnabled(); }
};

std::unique_ptr<Opened> Open(const Puzzle& puzzle, const std::string& name) {
    return OpenBoard<Opened>(puzzle, name);
}

struct Dialogs {
    QStringList shown;
    int reply = QMessageBox::Yes;
    ModalRunner previous;
    Dialogs() {
        previous = SetModalRunner([this](QDialog& d) {
            if (auto* box = qobject_cast<QMessageBox*>(&d)) {
                shown << box->text();
                return reply;
            }
            if (auto* msg = qobject_cast<TWinMsgDlg*>(&d))
                shown << msg->LblMessage()->text();
            else
                shown << d.metaObject()->className();
            return 0;
        });
    }
    ~Dialogs() { SetModalRunner(previous); }
};
} // namespace

class TestEditCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName("Zoruvidedid"); }

    void undoGoesBackOneStep() {
        const auto o = Open(*SmallCrossword(), "undo.zvr");
        QVERIFY(o->Board);
        QVERIFY(!o->UndoEnabled());
        o->Type("h");
        QVERIFY(o->UndoEnabled());
        o->OpenMenu("MItemBearbeiten");
        QVERIFY(o->Item("MItemBeaRueckgaengig")->isEnabled());
        o->FrameButton("TBBeaRueckgaengig")->click();
        QCOMPARE(o->Entry(1, 1), " ");
        QVERIFY(!o->UndoEnabled());
        o->OpenMenu("MItemBearbeiten");
        QVERIFY(!o->Item("MItemBeaRueckgaengig")->isEnabled());

        o->Select(1, 1);
        o->Type("ha");
        o->Item("MItemBeaRueckgaengig")->trigger();
        QCOMPARE(o->Entry(1, 1), "H");
        QCOMPARE(o->Entry(2, 1), " ");
        QCOMPARE(o->Session->puzzle.CheckState.at(1, 1), CheckState::Filled);
        QCOMPARE(o->Session->puzzle.CheckState.at(2, 1), CheckState::Blank);
        // A second undo goes further back; redo (Ctrl+Y) brings both letters again.
        o->Frame->Undo();
        QCOMPARE(o->Entry(1, 1), " ");
        QVERIFY(!o->Item("MItemBeaRueckgaengig")->isEnabled());
        QCOMPARE(o->Item("MItemBeaWiederholen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
        o->Item("MItemBeaWiederholen")->trigger();
        o->Item("MItemBeaWiederholen")->trigger();
        QCOMPARE(o->Entry(2, 1), "A");
        QVERIFY(!o->Item("MItemBeaWiederholen")->isEnabled());
    }

    void resetAsksAndCanBeUndone() {
        Dialogs dialogs;
        auto p = GridPuzzle(1, {"AB", "CD"});
        NumberWords(*p);
        p->Image.SolutionWord.set("AD");
        p->Image.cell(1, 1).CellFlags |= CellFlag::SolutionOrGiven;
        p->Image.cell(2, 2).CellFlags |= CellFlag::SolutionOrGiven;
        const auto o = Open(*p, "reset.zvr");
        QVERIFY(o->Board);
        QVERIFY(o->FrameButton("TBBeaZuruecksetzen")->isEnabled());
        o->Type("ab");
        o->Select(1, 2);
        o->Type("c");
        QCOMPARE(o->Board->Grid()->Col(), 2);
        o->Im().EnteredSolutionWord.set("AD");
        o->Im().Words[1].WordSolvedMark = 1;
        const auto before = std::make_unique<PuzzleImage>(o->Im());

        dialogs.reply = QMessageBox::No;
        o->FrameButton("TBBeaZuruecksetzen")->click();
        QCOMPARE(dialogs.shown.last(),
                 QStringLiteral("Möchten Sie wirklich das komplette Rätsel zurücksetzen?"));
        QCOMPARE(std::memcmp(&o->Im(), before.get(), sizeof(PuzzleImage)), 0);
        QVERIFY(o->UndoEnabled()); // still the undo point of the last letter

        dialogs.reply = QMessageBox::Yes;
        o->Item("MItemBeaZuruecksetzen")->trigger();
        QCOMPARE(o->Entry(1, 1), " ");
        QCOMPARE(o->Entry(1, 2), " ");
        QCOMPARE(int(o->Im().Words[1].WordSolvedMark), 0);
        QCOMPARE(std::string(o->Im().EnteredSolutionWord.view()), std::string(13, ' '));
        QVERIFY(o->UndoEnabled());
        o->Frame->Undo();
        QCOMPARE(std::memcmp(&o->Im(), before.get(), sizeof(PuzzleImage)), 0);
        QVERIFY(o->UndoEnabled()); // the letters typed before are still steps
        // The restored entries count as filled again: the last letter solves it.
        o->Type("d");
        QCOMPARE(dialogs.shown.last(), QStringLiteral("Sie haben das Rätsel gelöst!"));
    }

    void showSolutionTwice() {
        const auto o = Open(*SmallCrossword(), "solution.zvr");
        QVERIFY(o->Board);
        o->Type("ha");
        o->OpenMenu("MItemAnsicht");
        QAction* solution = o->Item("MItemAnsLoesung");
        QVERIFY(solution->isEnabled());
        solution->trigger();
        QVERIFY(o->Session->flags.ShowSolution);
        QVERIFY(!ButtonVisible(o->Board, "SBBuchstEintragen"));
        o->OpenMenu("MItemAnsicht");
        QVERIFY(solution->isChecked());
        solution->trigger();
        QVERIFY(!o->Session->flags.ShowSolution);
        QVERIFY(ButtonVisible(o->Board, "SBBuchstEintragen"));
        QCOMPARE(o->Entry(1, 1), "H");
        QCOMPARE(o->Entry(3, 1), " ");
        QVERIFY(!o->Board->CellRect(1, 1).isEmpty());
    }

    void menuEntriesRunTheBoardCommands() {
        Dialogs dialogs;
        const auto o = Open(*SmallCrossword(), "menu.zvr");
        QVERIFY(o->Board);
        o->OpenMenu("MItemBearbeiten");
        QVERIFY(o->Item("MItemBeaEintragen")->isEnabled());
        o->Item("MItemBeaEintragen")->trigger();
        QCOMPARE(o->Entry(1, 1), "H");
        o->Item("MItemBeaBegriff")->trigger();
        QCOMPARE(dialogs.shown.last(), QStringLiteral("TWordEditDlg"));

        const int size = o->Session->settings.Feldgroesse;
        o->Item("MItemAnsVergroessern")->trigger();
        QCOMPARE(o->Session->settings.Feldgroesse, size + 1);
        o->Item("MItemAnsVerkleinern")->trigger();
        QCOMPARE(o->Session->settings.Feldgroesse, size);
        const bool fail = o->Session->settings.FehlerZeigen;
        o->Item("MItemAnsFehleintraege")->trigger();
        QCOMPARE(o->Session->settings.FehlerZeigen, !fail);
        const bool tips = o->Session->settings.HinweiseZeigen;
        o->Item("MItemAnsTooltips")->trigger();
        QCOMPARE(o->Session->settings.HinweiseZeigen, !tips);
        QCOMPARE(ButtonDown(o->Board, "SBShowHints"), !tips);

        const auto a = Open(*GridPuzzle(10, {"AB", "CD"}), "menu-american.zvr");
        a->Select(2, 1);
        a->OpenMenu("MItemBearbeiten");
        QAction* blank = a->Item("MItemBeaLeerfeld");
        QVERIFY(blank->isVisible() && blank->isEnabled() && !blank->isChecked());
        blank->trigger();
        QVERIFY(a->Im().cell(2, 1).has(CellFlag::PlacedBlock));
        QVERIFY(ButtonDown(a->Board, "SBLeerfeld"));
        QVERIFY(a->UndoEnabled());
        a->OpenMenu("MItemBearbeiten");
        QVERIFY(blank->isChecked());
        blank->trigger();
        QVERIFY(!a->Im().cell(2, 1).has(CellFlag::PlacedBlock));

        const auto s = Open(*SudokuOfSize(4), "menu-sudoku.zvr");
        s->Item("MItemAnsBegriffLaengen")->trigger();
        QVERIFY(s->Session->settings.MoeglicheZahlenZeigen);
        QVERIFY(ButtonDown(s->Board, "SBShowHintGrids"));
    }
};

QTEST_MAIN(TestEditCommands)
#include "test_EditCommands.moc"
