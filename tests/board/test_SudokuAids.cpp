// Field marking and snapshots on the real board: tool-bar clicks, popup and
// frame menu entries, typing, undo and reset.
#include "BoardCommands.h"
#include "BoardFixture.h"
#include "EditCommands.h"
#include "Hauptformular.h"
#include "ModalRunner.h"
#include "PuzzleGame.h"
#include "RaetselFormular.h"
#include "Session.h"
#include "StringGrid.h"
#include "Sudoku.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

namespace {
struct Opened : OpenedBoard {
    void Click(int c, int r) {
        QTest::mouseClick(Grid(), Qt::LeftButton, {}, Grid()->CellRect(c, r).center());
    }
    void Put(int c, int r, const QString& keys) {
        Click(c, r);
        QTest::keyClicks(Grid(), keys);
    }
    void Press(const char* button) {
        QToolButton* b = Button(button);
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    }
    bool Marked(int c, int r) { return Im().cell(c, r).has(CellFlag::PlayerMark); }
    // Every cell of the grid marked as `expected` says.
    bool MarksAre(const std::function<bool(int, int)>& expected) {
        for (int c = 1; c <= Im().ColumnCount; ++c)
            for (int r = 1; r <= Im().RowCount; ++r)
                if (Marked(c, r) != expected(c, r)) {
                    qWarning("cell %d,%d", c, r);
                    return false;
                }
        return true;
    }
    int MarkedCount() {
        int n = 0;
        for (int c = 1; c <= Im().ColumnCount; ++c)
            for (int r = 1; r <= Im().RowCount; ++r) n += Marked(c, r);
        return n;
    }
    bool Candidate(int c, int r, int symbol) {
        return Board->Game().Candidates()[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]
                                         [static_cast<std::size_t>(symbol - 1)];
    }
    QAction* Popup(const char* name) { return PlayItem(Board, name); }
    QAction* Menu(const char* name) { return MenuItem(*Frame, name); }
    bool Shown(QAction* item) {
        Frame->Commands().RefreshAll();
        return item->isVisible();
    }
    bool UndoPossible() const { return Frame->Edit().UndoPossible(); }
};

std::unique_ptr<Opened> Open(const Puzzle& puzzle, const std::string& name) {
    auto o = OpenBoard<Opened>(puzzle, name);
    if (o->Board) o->Grid()->setFocus();
    return o;
}

// The first row 1..4 given; the rest of the grid empty.
std::unique_ptr<Puzzle> PartlyGiven(int kind = 14) {
    auto p = Sudoku9("1111" + std::string(77, '0'));
    p->Image.PuzzleKind = static_cast<std::uint8_t>(kind);
    return p;
}
} // namespace

class TestSudokuAids : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName("Zoruvidedid"); }

    void panelMarkButtonsMarkTheAllowedCells() {
        const auto o = Open(*PartlyGiven(), "mark.zvr");
        QVERIFY(o->Board);
        QVERIFY(ButtonDown(o->Board, "SBMarkKeine"));
        QCOMPARE(o->MarkedCount(), 0);

        // 3 stands at (3,1): out are the four filled cells and the empty ones of
        // its row (5), its column (8) and the rest of its box (4).
        o->Press("SBMark3");
        QVERIFY(o->MarksAre([](int c, int r) { return r > 3 ? c != 3 : r > 1 && c > 3; }));
        QCOMPARE(o->MarkedCount(), 81 - 4 - 5 - 8 - 4);
        for (int tag = 0; tag <= 9; ++tag) {
            const QString name = tag ? QStringLiteral("SBMark%1").arg(tag) : "SBMarkKeine";
            QCOMPARE(ButtonDown(o->Board, name.toLatin1().constData()), tag == 3);
        }
        QVERIFY(o->Popup("MItemPlayMark3")->isChecked());
        QVERIFY(o->Menu("MItemBeaMark3")->isChecked());
        QVERIFY(!o->Menu("MItemBeaMarkKeine")->isChecked());

        // Typing a 3 removes the marks of its cell, row, column and box at once.
        o->Put(5, 5, "3");
        QCOMPARE(o->Entry(5, 5), "3");
        QVERIFY(o->MarksAre([](int c, int r) {
            const bool box = c >= 4 && c <= 6 && r >= 4 && r <= 6;
            return (r > 3 ? c != 3 : r > 1 && c > 3) && c != 5 && r != 5 && !box;
        }));
        // Deleting it gives them back; the marking keeps following.
        QTest::keyClick(o->Grid(), Qt::Key_Delete);
        QCOMPARE(o->Entry(5, 5), " ");
        QCOMPARE(o->MarkedCount(), 81 - 4 - 5 - 8 - 4);
        // Undo brings the 3 back, and the marks follow the entries again.
        o->Frame->Edit().Undo();
        QCOMPARE(o->Entry(5, 5), "3");
        QVERIFY(!o->Marked(5, 9));
        QVERIFY(!o->Candidate(5, 9, 3));

        // "Keine" clears every mark.
        o->Press("SBMarkKeine");
        QCOMPARE(o->MarkedCount(), 0);
        QVERIFY(ButtonDown(o->Board, "SBMarkKeine"));
        QVERIFY(!ButtonDown(o->Board, "SBMark3"));
    }

    void menuEntriesChooseTheMarkingToo() {
        // Givens 1..8 in the first row and a typed 9 in (9,5): (9,1) has no candidate.
        auto p = Sudoku9(std::string(8, '1') + std::string(73, '0'));
        const auto o = Open(*p, "mark-menu.zvr");
        QVERIFY(o->Board);
        o->Put(9, 5, "9");
        o->Popup("MItemPlayMarkDuo")->trigger();
        QVERIFY(ButtonDown(o->Board, "SBMarkDuo"));
        QVERIFY(!ButtonDown(o->Board, "SBMarkKeine"));
        QVERIFY(o->Marked(9, 1));
        QVERIFY(o->MarksAre([&](int c, int r) {
            return IsBlank(o->Im().entry(c, r)) && CountCandidates(o->Im(), c, r) <= 2;
        }));
        o->Menu("MItemBeaMark9")->trigger();
        QVERIFY(ButtonDown(o->Board, "SBMark9"));
        QVERIFY(!o->Marked(9, 1)); // 9 is already in its column
        QVERIFY(o->Marked(8, 2));
        o->Menu("MItemBeaMarkKeine")->trigger();
        QCOMPARE(o->MarkedCount(), 0);

        // A 9 x 9 Sudoku offers no A to C as entries; the buttons stay on the
        // bar and mark as "Nur zwei Zahlen möglich" does.
        QVERIFY(ButtonVisible(o->Board, "SBMark10"));
        QVERIFY(ButtonVisible(o->Board, "SBMark9"));
        o->Press("SBMark11");
        QVERIFY(ButtonDown(o->Board, "SBMark11"));
        QVERIFY(o->Marked(9, 1));
        QVERIFY(o->MarksAre([&](int c, int r) {
            return IsBlank(o->Im().entry(c, r)) && CountCandidates(o->Im(), c, r) <= 2;
        }));
        QVERIFY(ButtonVisible(o->Board, "SBMarkDuo"));
        QVERIFY(!o->Shown(o->Popup("MItemPlayMark12")));
        QVERIFY(!o->Shown(o->Menu("MItemBeaMark10")));
        QVERIFY(o->Shown(o->Menu("MItemBeaMarkDuo")));

        // Twelve symbols offer all of them; other kinds none.
        const auto twelve = Open(*SudokuOfSize(12), "mark-12.zvr");
        QVERIFY(ButtonVisible(twelve->Board, "SBMark12"));
        twelve->Press("SBMark12");
        QCOMPARE(twelve->MarkedCount(), 144);
        const auto crossword = Open(*SmallCrossword(), "mark-crossword.zvr");
        QVERIFY(!ButtonVisible(crossword->Board, "PanelMark"));
        QVERIFY(!crossword->Shown(crossword->Popup("MItemPlayMark1")));
    }

    void snapshotsTakenAndRestored() {
        const auto o = Open(*PartlyGiven(), "snap.zvr");
        QVERIFY(o->Board);
        const char* const items[] = {"MItemPlaySnap1", "MItemPlaySnap2", "MItemPlaySnap3",
                                     "MItemPlaySnap4"};
        QVERIFY(o->Shown(o->Popup("MItemPlaySnapErstellen")));
        for (const char* item : items) QVERIFY(!o->Shown(o->Popup(item)));

        o->Press("SBMark5");
        o->Put(5, 5, "5");
        const QDateTime before = QDateTime::currentDateTime();
        o->Popup("MItemPlaySnapErstellen")->trigger();
        QVERIFY(o->Shown(o->Popup("MItemPlaySnap1")));
        QVERIFY(o->Shown(o->Menu("MItemBeaSnap1")));
        QVERIFY(!o->Shown(o->Popup("MItemPlaySnap2")));
        // Caption and hint carry the time of day.
        const QString caption = o->Popup("MItemPlaySnap1")->text();
        const QRegularExpressionMatch m =
            QRegularExpression(R"(^1: (\d\d):(\d\d):(\d\d) h$)").match(caption);
        QVERIFY2(m.hasMatch(), qPrintable(caption));
        const QTime shown(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        QVERIFY(std::abs(shown.secsTo(before.time())) <= 2 ||
                std::abs(shown.secsTo(before.time())) >= 86398);
        QCOMPARE(o->Menu("MItemBeaSnap1")->text(), caption);
        QCOMPARE(o->Popup("MItemPlaySnap1")->statusTip(),
                 "Den Schnappschuss von " + caption.mid(3) + " wiederherstellen");

        o->Put(6, 6, "6");
        o->Menu("MItemBeaSnapErstellen")->trigger();
        QVERIFY(o->Shown(o->Popup("MItemPlaySnap2")));
        QVERIFY(o->Popup("MItemPlaySnap2")->text().startsWith("2: "));

        // More entries (a given symbol stays whatever is done to it), then back
        // to the first snapshot.
        o->Put(7, 7, "7");
        o->Click(1, 1);
        o->Press("SBBuchstEintragen");
        QCOMPARE(o->Entry(1, 1), "1");
        o->Popup("MItemPlaySnap1")->trigger();
        QCOMPARE(o->Entry(5, 5), "5");
        QCOMPARE(o->Entry(6, 6), " ");
        QCOMPARE(o->Entry(7, 7), " ");
        QCOMPARE(o->Entry(1, 1), "1");
        QCOMPARE(o->Session->puzzle.CheckState.at(7, 7), CheckState::Blank);
        // Candidates and marks follow the restored entries.
        QVERIFY(o->Candidate(7, 7, 7));
        QVERIFY(o->Candidate(6, 6, 6));
        QVERIFY(!o->Candidate(6, 6, 5));
        QVERIFY(o->Marked(9, 9) && o->Marked(7, 7));
        QVERIFY(!o->Marked(5, 9));
        QVERIFY(!o->Marked(6, 6));
        // The restore is one step: undo brings the entries before it back.
        QVERIFY(o->UndoPossible());
        o->Menu("MItemBeaRueckgaengig")->trigger();
        QCOMPARE(o->Entry(7, 7), "7");
        o->Menu("MItemBeaWiederholen")->trigger();
        QCOMPARE(o->Entry(7, 7), " ");
        // Both snapshots stay; the second is still there to go to.
        QVERIFY(o->Shown(o->Popup("MItemPlaySnap1")));
        o->Menu("MItemBeaSnap2")->trigger();
        QCOMPARE(o->Entry(6, 6), "6");
        QCOMPARE(o->Entry(5, 5), "5");
    }

    void restoringDoesNotEvaluate() {
        // Everything given but the last cell.
        const auto o = Open(*Sudoku9(std::string(80, '1') + "0"), "snap-eval.zvr");
        QVERIFY(o->Board);
        int shown = 0;
        ModalRunner previous = SetModalRunner([&](QDialog&) { return ++shown, 0; });
        // A snapshot of the solved grid, taken without judging it.
        SetEnteredLetter(o->Session->puzzle, 9, 9, "2");
        o->Board->Game().TakeSnapshot(45000.5);
        SetEnteredLetter(o->Session->puzzle, 9, 9, "");
        o->Popup("MItemPlaySnap1")->trigger();
        QCOMPARE(o->Entry(9, 9), "2");
        QCOMPARE(int(o->Im().SolvedLevel), 0);
        QCOMPARE(shown, 0);
        // Typing judges as always.
        o->Put(9, 9, "2");
        QCOMPARE(int(o->Im().SolvedLevel), 3);
        QCOMPARE(shown, 1);
        SetModalRunner(previous);
    }

    void noSnapshotsOutsideTheUntimedSudoku() {
        const auto timed = Open(*PartlyGiven(15), "snap-timed.zvr");
        QVERIFY(timed->Board);
        QVERIFY(!timed->Shown(timed->Popup("MItemPlaySnapErstellen")));
        QVERIFY(!timed->Shown(timed->Menu("MItemBeaSnapErstellen")));
        // Even run directly the command keeps nothing.
        timed->Frame->Commands().Get(CommandId::SnapshotTake).Trigger();
        QCOMPARE(timed->Board->Game().Snapshots().HeldCount(), 0);
        // The timed Sudoku still marks.
        QVERIFY(ButtonVisible(timed->Board, "SBMark1"));

        // A new board starts without snapshots.
        const auto first = Open(*PartlyGiven(), "snap-again.zvr");
        first->Popup("MItemPlaySnapErstellen")->trigger();
        QCOMPARE(first->Board->Game().Snapshots().HeldCount(), 1);
        const auto second = Open(*PartlyGiven(), "snap-again.zvr");
        QCOMPARE(second->Board->Game().Snapshots().HeldCount(), 0);
        QVERIFY(!second->Shown(second->Popup("MItemPlaySnap1")));
    }

    void resetKeepsTheAidsCurrent() {
        QMessageBox::StandardButton answer = QMessageBox::Yes;
        ModalRunner previous = SetModalRunner([&](QDialog&) { return int(answer); });
        const auto o = Open(*PartlyGiven(), "aids-reset.zvr");
        QVERIFY(o->Board);
        o->Press("SBMark6");
        o->Put(6, 6, "6");
        QVERIFY(!o->Marked(6, 9));
        o->Popup("MItemPlaySnapErstellen")->trigger();
        o->Frame->Commands().Get(CommandId::Reset).Trigger();
        QCOMPARE(o->Entry(6, 6), " ");
        QVERIFY(o->Marked(6, 9));
        QVERIFY(o->Candidate(6, 9, 6));
        QVERIFY(ButtonDown(o->Board, "SBMark6"));
        // Snapshots live on through a reset.
        QCOMPARE(o->Board->Game().Snapshots().HeldCount(), 1);
        SetModalRunner(previous);
    }
};

QTEST_MAIN(TestSudokuAids)
#include "test_SudokuAids.moc"
