// Clue list and board in step as a player meets them: the list's selection
// follows the arrow keys, rebuilding the lists leaves the board's cursor where
// it is, every word a keystroke completes is ticked, and the wrong-solution
// message comes once.
#include "BoardFixture.h"
#include "LegendCommands.h"
#include "LegendView.h"
#include "LegendeDialog.h"
#include "LoesungDialog.h"
#include "MessageDialog.h"
#include "ModalRunner.h"
#include "SolutionEntry.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QTest>

namespace {
//   H A U S #     across HAUS, BAD, SONNE, TOR
//   A # B A D     down   HASE, UBNT, SANO, DER
//   S O N N E
//   E # T O R
struct Opened : OpenedBoard {
    TLegendForm* Legend() const { return Frame->FindChild<TLegendForm>(); }
    // The rows selected in both lists, the across list's first.
    QList<int> Selected(bool across) const {
        QList<int> rows;
        for (const QModelIndex& i : Legend()->ListOf(across)->selectionModel()->selectedRows())
            rows << i.row();
        return rows;
    }
    int Number(bool across, int row) const {
        return Legend()->Lists().List(across)[static_cast<std::size_t>(row)].Entry.Number;
    }
    bool Ticked(int wordIndex) const {
        for (bool across : {true, false})
            for (const LegendItem& item : Legend()->Lists().List(across))
                if (item.Entry.WordIndex == wordIndex) return item.Checked;
        return false;
    }
    int WordIndexOf(int number, bool across) const {
        for (const LegendItem& item : Legend()->Lists().List(across))
            if (item.Entry.Number == number) return item.Entry.WordIndex;
        return -1;
    }
    void Put(int c, int r, const char* letter) { SetEnteredLetter(Session->puzzle, c, r, letter); }
};
} // namespace

class TestWindowsInStep : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName("Zoruvidedid"); }

    void listSelectionFollowsTheArrowKeys() {
        const auto o = OpenBoard<Opened>(*SmallCrossword(0), "arrows.zvr");
        QVERIFY(o->Board);
        LegendView* across = o->Legend()->ListOf(true);
        QTest::mouseClick(
            across->viewport(), Qt::LeftButton, {},
            across->visualRect(across->Items()->index(0, LegendColumn::Clue)).center());
        QCOMPARE(o->Selected(true), QList<int>{0});
        for (const auto& [key, row] :
             {std::pair{Qt::Key_Down, 1}, {Qt::Key_Down, 2}, {Qt::Key_Up, 1}, {Qt::Key_Down, 2}}) {
            QTest::keyClick(across, key);
            // One selected entry, the focused one, and the board on its word.
            QCOMPARE(across->FocusedRow(), row);
            QCOMPARE(o->Selected(true), QList<int>{row});
            QVERIFY(o->Selected(false).isEmpty());
            QCOMPARE(o->Board->CurrentWordNumber(), o->Number(true, row));
            QVERIFY(o->Board->InputAcross());
        }
    }

    void rebuildsLeaveTheBoardCursorAndTheTicks() {
        const auto o = OpenBoard<Opened>(*SmallCrossword(0), "rebuild.zvr");
        QVERIFY(o->Board);
        // The player ticks HAUS in the list, then works on the board.
        LegendView* across = o->Legend()->ListOf(true);
        across->setFocus();
        QTest::mouseClick(
            across->viewport(), Qt::LeftButton, {},
            across->visualRect(across->Items()->index(0, LegendColumn::Clue)).center());
        QMenu* menu = o->Legend()->Commands().MenuLegende();
        menu->findChild<QAction*>("MItemLegendeBearbeitet")->trigger();
        const int word = o->WordIndexOf(1, true);
        QVERIFY(o->Ticked(word));
        o->Select(4, 3); // inside SONNE, not at a word's start
        QAction* hide = menu->findChild<QAction*>("MItemLegendeAusblenden");
        const auto unmoved = [&] {
            return o->Grid()->Col() == 4 && o->Grid()->Row() == 3 && o->Ticked(word);
        };
        for (int round = 0; round < 2; ++round) {
            hide->trigger(); // solved entries hidden and shown: two rebuilds
            hide->trigger();
            QCoreApplication::processEvents();
            QVERIFY(unmoved());
        }
        // An undo after a reset rebuilds as well (the reset took the tick).
        o->Type("x");
        {
            CaughtMessages yes(QMessageBox::Yes);
            o->Frame->Edit().MItemBeaZuruecksetzenClick();
        }
        o->Select(4, 3);
        o->Frame->Undo();
        QCoreApplication::processEvents();
        QCOMPARE(o->Grid()->Col(), 4);
        QCOMPARE(o->Grid()->Row(), 3);
        // Minimised and restored: no rebuild, no jump, the tick still there.
        menu->findChild<QAction*>("MItemLegendeBearbeitet")->trigger();
        const bool ticked = o->Ticked(o->Legend()->Lists().List(false)[0].Entry.WordIndex);
        auto* sub = qobject_cast<QMdiSubWindow*>(o->Legend()->parentWidget());
        sub->showMinimized();
        QCoreApplication::processEvents();
        sub->showNormal();
        QCoreApplication::processEvents();
        QCOMPARE(o->Grid()->Col(), 4);
        QCOMPARE(o->Grid()->Row(), 3);
        QCOMPARE(o->Ticked(o->Legend()->Lists().List(false)[0].Entry.WordIndex), ticked);
    }

    void lettersTypedInTheListGoIntoTheWord() {
        const auto o = OpenBoard<Opened>(*SmallCrossword(0), "listtyping.zvr");
        QVERIFY(o->Board);
        o->Put(1, 3, "S"); // SONNE's first free cell is its second
        LegendView* across = o->Legend()->ListOf(true);
        const int sonne = o->Im().cell(1, 3).CellNumber;
        int row = 0;
        while (o->Number(true, row) != sonne) ++row;
        across->setFocus();
        QTest::mouseClick(
            across->viewport(), Qt::LeftButton, {},
            across->visualRect(across->Items()->index(row, LegendColumn::Clue)).center());
        QTest::keyClicks(across, "on");
        // Typed as on the board: along the word, one step of the history each.
        QCOMPARE(o->Entry(2, 3), std::string("O"));
        QCOMPARE(o->Entry(3, 3), std::string("N"));
        QCOMPARE(o->Grid()->Col(), 4);
        QVERIFY(across->hasFocus());
        o->Frame->Undo();
        QCOMPARE(o->Entry(3, 3), std::string(" "));
        QCOMPARE(o->Entry(2, 3), std::string("O"));
        // Another entry chosen: its word from its first free cell.
        QTest::keyClick(across, Qt::Key_Up);
        const int number = o->Number(true, across->FocusedRow());
        QTest::keyClicks(across, "h");
        QCOMPARE(o->Board->CurrentWordNumber(), number);
        const CellPos start = FindCellByNumber(o->Im(), number);
        QCOMPARE(o->Entry(start.Column, start.Row), std::string("H"));
    }

    void everyCompletedWordIsTicked() {
        const auto o = OpenBoard<Opened>(*SmallCrossword(0), "ticks.zvr");
        QVERIFY(o->Board);
        // SONNE and DER lack only their shared E at (5,3).
        for (auto [c, r, l] : {std::tuple{1, 3, "S"},
                               {2, 3, "O"},
                               {3, 3, "N"},
                               {4, 3, "N"},
                               {5, 2, "D"},
                               {5, 4, "R"}})
            o->Put(c, r, l);
        // The cursor comes down DER, so the input runs down when E is typed.
        const auto click = [&](int c, int r) {
            QTest::mouseClick(o->Grid(), Qt::LeftButton, {}, o->Grid()->CellRect(c, r).center());
        };
        click(5, 2);
        if (o->Board->InputAcross()) click(5, 2);
        QVERIFY(!o->Board->InputAcross());
        o->Type("d");
        QCOMPARE(o->Grid()->Row(), 3);
        o->Type("e");
        QVERIFY(o->Ticked(o->WordIndexOf(o->Im().cell(5, 2).CellNumber, false))); // DER
        QVERIFY(o->Ticked(o->WordIndexOf(o->Im().cell(1, 3).CellNumber, true)));  // SONNE
    }

    void theWrongSolutionIsToldOnce() {
        auto p = SmallCrossword(1);
        p->Image.SolutionWord.set("HAUS");
        p->Image.SolutionClue.set("Ein Geb\xE4ude");
        p->Image.EnteredSolutionWord.set("    ");
        const auto o = OpenBoard<Opened>(*p, "once.zvr");
        QVERIFY(o->Board);
        // Each message is read; the player types "s" on the first one.
        QStringList texts;
        QString typeOnMessage = QStringLiteral("s");
        const ModalRunner previous = SetModalRunner([&](QDialog& d) {
            if (auto* msg = qobject_cast<TWinMsgDlg*>(&d)) texts << msg->LblMessage()->text();
            if (!typeOnMessage.isEmpty()) QTest::keyClicks(&d, typeOnMessage);
            typeOnMessage.clear();
            return 0;
        });
        const char* rows[] = {"HAUS", "A BAD", "SONNE", "E TOR"};
        for (int r = 0; r < 4; ++r)
            for (int c = 0; rows[r][c]; ++c)
                if (rows[r][c] != ' ') o->Put(c + 1, r + 1, std::string(1, rows[r][c]).c_str());
        auto* word = dynamic_cast<TLoesungForm*>(o->Frame->SolutionWord());
        StringGrid* cells = word->GridLoesung();
        const auto typeAt = [&](int col, const QString& keys) {
            QTest::mouseClick(cells, Qt::LeftButton, {}, cells->CellRect(col, 0).center());
            QTest::keyClicks(cells, keys);
            QCoreApplication::processEvents();
        };
        const auto entered = [&] {
            std::string out;
            for (int i = 0; i < 4; ++i) out += EnteredSolutionLetter(o->Im(), i);
            return out;
        };
        const QString wrong =
            QStringLiteral("Das Rätsel ist vollständig ausgefüllt, aber nicht korrekt gelöst!");
        // "HAUT" fills the grid wrongly: told once; the "s" typed on the
        // message is not lost but corrects the last letter.
        cells->setFocus();
        typeAt(0, "haut");
        QCOMPARE(texts.first(), wrong);
        QCOMPARE(entered(), std::string("HAUS"));
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts.last(), QStringLiteral("Sie haben das Rätsel gelöst!"));
        // Undone twice (back to "HAUT" and below the level), typed wrong again: not told again.
        texts.clear();
        o->Frame->Undo();
        o->Frame->Undo();
        typeAt(3, "t");
        typeAt(0, "h");
        QVERIFY(!texts.contains(wrong));
        SetModalRunner(previous);
    }
};

QTEST_MAIN(TestWindowsInStep)
#include "test_WindowsInStep.moc"
