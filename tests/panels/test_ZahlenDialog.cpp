// The number legend inside the real frame: letters typed beside the numbers
// reach every grid cell of their number, clearing, the wrap of the arrow keys,
// the solution colours, and its refreshes on undo, reset, zoom and closing.
#include "BoardFixture.h"
#include "CodeTable.h"
#include "ZahlenDialog.h"

#include <QApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTest>

namespace {
// SONNE / E##I# / ELSTER as a number puzzle; the codes follow the alphabet
// order below, so S is 0, O 1, N 2, E 3, I 4, L 5, T 6, R 7.
std::unique_ptr<Puzzle> NumberPuzzle(int kind = 2) {
    auto p = GridPuzzle(kind, {"SONNE#", "E##I##", "ELSTER"});
    NumberWords(*p);
    const std::string letters = "SONEILTRABCDFGHJKMPQUVWXYZ";
    for (int i = 0; i < 26; ++i) {
        p->Image.Words[i].CodeLetter =
            static_cast<unsigned char>(letters[static_cast<std::size_t>(i)]);
        SetBlank(p->Image.Words[i].CodeGuess);
    }
    return p;
}

struct Opened : OpenedBoard {
    TNumLegendForm* Legend() const { return dynamic_cast<TNumLegendForm*>(Frame->NumberLegend()); }
    StringGrid* Table() const { return Legend()->GridZahlen(); }
    void ClickTable(int c, int r) {
        QTest::mouseClick(Table(), Qt::LeftButton, {}, Table()->CellRect(c, r).center());
    }
    void TypeTable(const QString& keys) { QTest::keyClicks(Table(), keys); }
    void KeyTable(Qt::Key key) { QTest::keyClick(Table(), key); }
    QPoint Current() const { return {Table()->Col(), Table()->Row()}; }
    // The grid's entries, row by row ('#' for a block).
    std::string Entries() {
        std::string out;
        for (int r = 1; r <= Im().RowCount; ++r) {
            for (int c = 1; c <= Im().ColumnCount; ++c)
                out += Im().cell(c, r).isBlock() ? '#' : Im().entry(c, r).Chars[0];
            out += '/';
        }
        return out;
    }
};

std::unique_ptr<Opened> Open(const Puzzle& puzzle, const std::string& name) {
    return OpenBoard<Opened>(puzzle, name);
}

using Messages = CaughtMessages;
} // namespace

class TestZahlenDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName("Zoruvidedid"); }

    void opensWithTheBoardAtTheTopRight() {
        const auto o = Open(*NumberPuzzle(), "legend-open.zvr");
        QVERIFY(o->Board);
        TNumLegendForm* legend = o->Legend();
        QVERIFY(legend);
        QCOMPARE(legend->windowTitle(), QStringLiteral("Legende"));
        QVERIFY(!o->Frame->SolutionWord()); // kind 2 has no solution word
        QVERIFY(!o->Frame->Stopwatch());
        const QWidget* outer = legend->parentWidget();
        QCOMPARE(outer->y(), 0);
        QCOMPARE(outer->x() + outer->width(), o->Frame->ClientAreaWidth() - 10);
        QCOMPARE(legend->CellText(0, 4), QStringLiteral("4"));
        QCOMPARE(legend->CellText(2, 0), QStringLiteral("13"));
        QCOMPARE(legend->CellText(1, 4), QString());
        // The table is as large as the cells need.
        const int f = o->Session->settings.Feldgroesse;
        QCOMPARE(o->Table()->Layout().DefaultColWidth, f);
        QCOMPARE(o->Table()->width(), 4 * (f + 1) + 2);
    }

    void typingAssignsAndClearing() {
        const auto o = Open(*NumberPuzzle(), "legend-type.zvr");
        Messages messages;
        o->ClickTable(1, 3); // beside number 3: E
        QCOMPARE(o->Current(), QPoint(1, 3));
        o->TypeTable("e");
        QCOMPARE(o->Current(), QPoint(1, 3));
        QCOMPARE(o->Legend()->CellText(1, 3), QStringLiteral("E"));
        QCOMPARE(o->Im().Words[3].CodeGuess.str(), std::string("E"));
        QCOMPARE(o->Entries(), std::string("    E#/E## ##/E   E /"));
        QVERIFY(o->Frame->Edit().UndoPossible());

        // Keys that are no letters change nothing.
        o->TypeTable("7");
        QTest::sendKeyEvent(QTest::Click, o->Table(), Qt::Key_Adiaeresis, QStringLiteral("ä"), {});
        QCOMPARE(o->Im().Words[3].CodeGuess.str(), std::string("E"));

        // Space clears without evaluating; so do Delete and Backspace.
        o->TypeTable(" ");
        QCOMPARE(o->Legend()->CellText(1, 3), QString());
        QVERIFY(IsBlankOrEmpty(o->Im().Words[3].CodeGuess));
        QCOMPARE(o->Entries(), std::string("     #/ ## ##/      /"));
        for (Qt::Key key : {Qt::Key_Delete, Qt::Key_Backspace}) {
            o->TypeTable("x");
            QCOMPARE(o->Entries(), std::string("    X#/X## ##/X   X /"));
            o->KeyTable(key);
            QCOMPARE(o->Entries(), std::string("     #/ ## ##/      /"));
        }
        QVERIFY(messages.texts.isEmpty());

        // Undo gives the letter back and the table shows it.
        o->TypeTable("q");
        o->Frame->Undo();
        QCOMPARE(o->Legend()->CellText(1, 3), QString());
        QCOMPARE(o->Entries(), std::string("     #/ ## ##/      /"));
    }

    void everyCodeGivenSolvesThePuzzle() {
        const auto o = Open(*NumberPuzzle(), "legend-solve.zvr");
        Messages messages;
        o->ClickTable(1, 0);
        // S O N E I L T R, one per row going down.
        const QString letters = QStringLiteral("sonEiltr");
        for (int i = 0; i < letters.size(); ++i) {
            o->TypeTable(letters.mid(i, 1));
            o->KeyTable(Qt::Key_Down);
        }
        QCOMPARE(o->Entries(), std::string("SONNE#/E##I##/ELSTER/"));
        QCOMPARE(messages.texts, QStringList{QStringLiteral("Sie haben das Rätsel gelöst!")});
        QCOMPARE(o->Im().SolvedLevel, std::uint8_t(3));
    }

    void wrongCodeFillsTheGridWrongly() {
        const auto o = Open(*NumberPuzzle(), "legend-wrong.zvr");
        Messages messages;
        o->ClickTable(1, 0);
        const QString letters = QStringLiteral("sonailtr"); // E given as A
        for (int i = 0; i < letters.size(); ++i) {
            o->TypeTable(letters.mid(i, 1));
            o->KeyTable(Qt::Key_Down);
        }
        QCOMPARE(messages.texts,
                 QStringList{QStringLiteral(
                     "Das Rätsel ist vollständig ausgefüllt, aber nicht korrekt gelöst!")});
    }

    void arrowsWrapAndNumbersStayUnselectable() {
        const auto o = Open(*NumberPuzzle(), "legend-keys.zvr");
        o->ClickTable(1, 12);
        o->KeyTable(Qt::Key_Down);
        QCOMPARE(o->Current(), QPoint(3, 0));
        o->KeyTable(Qt::Key_Up);
        QCOMPARE(o->Current(), QPoint(1, 12));
        o->ClickTable(3, 12);
        o->KeyTable(Qt::Key_Down);
        QCOMPARE(o->Current(), QPoint(1, 0));
        o->KeyTable(Qt::Key_Down);
        QCOMPARE(o->Current(), QPoint(1, 1));
        // Left and Right would reach a number column: the cursor stays.
        o->KeyTable(Qt::Key_Left);
        QCOMPARE(o->Current(), QPoint(1, 1));
        o->KeyTable(Qt::Key_Right);
        QCOMPARE(o->Current(), QPoint(1, 1));
        o->ClickTable(2, 5);
        QCOMPARE(o->Current(), QPoint(1, 1));
        o->ClickTable(0, 5);
        QCOMPARE(o->Current(), QPoint(1, 1));
    }

    void showSolutionColours() {
        const auto o = Open(*NumberPuzzle(), "legend-solution.zvr");
        const Settings& s = o->Session->settings;
        o->ClickTable(1, 3);
        o->TypeTable("a"); // E given as A: wrong
        o->Frame->Commands().Get(CommandId::ShowSolution).Trigger();
        TNumLegendForm* legend = o->Legend();
        QVERIFY(legend->LettersFromSolution());
        QCOMPARE(legend->CellText(1, 0), QStringLiteral("S"));
        QCOMPARE(legend->CellText(1, 3), QStringLiteral("E"));
        const SidePaintContext ctx = legend->PaintContext();
        QCOMPARE(CodeLetterColour(ctx, 0), ToQColor(s.FarbeFehlendeBuchstaben, s.System));
        QCOMPARE(CodeLetterColour(ctx, 3), ToQColor(s.FarbeFalscheBuchstaben, s.System));

        // Without error marking the wrong one keeps the letter colour.
        o->Session->settings.FehlerZeigen = false;
        QCOMPARE(CodeLetterColour(legend->PaintContext(), 3),
                 ToQColor(s.FarbeBuchstaben, s.System));

        // The second click shows the player's letters again.
        o->Frame->Commands().Get(CommandId::ShowSolution).Trigger();
        QVERIFY(!legend->LettersFromSolution());
        QCOMPARE(legend->CellText(1, 0), QString());
        QCOMPARE(legend->CellText(1, 3), QStringLiteral("A"));
    }

    void currentCellIsMarkedWhileFocused() {
        const auto o = Open(*NumberPuzzle(), "legend-mark.zvr");
        o->Frame->activateWindow();
        o->ClickTable(1, 2);
        QVERIFY(QTest::qWaitFor([&] { return o->Table()->hasFocus(); }, 2000));
        const Settings& s = o->Session->settings;
        const QImage shot = o->Table()->grab().toImage();
        const qreal dpr = shot.devicePixelRatio();
        const QRect cell = o->Table()->CellRect(1, 2);
        const QPoint corner = (QPointF(cell.topLeft() + QPoint(3, 3)) * dpr).toPoint();
        QCOMPARE(QColor(shot.pixel(corner)), ToQColor(s.LetterFieldMarkColour, s.System));
        const QRect other = o->Table()->CellRect(3, 2);
        const QPoint otherCorner = (QPointF(other.topLeft() + QPoint(3, 3)) * dpr).toPoint();
        QCOMPARE(QColor(shot.pixel(otherCorner)), ToQColor(s.FarbeBuchstabenfeld, s.System));
    }

    void followsZoomResetAndTheBoard() {
        const auto o = Open(*NumberPuzzle(3), "legend-life.zvr");
        o->ClickTable(1, 3);
        o->TypeTable("e");
        const int before = o->Table()->width();
        o->Board->Zoom(1);
        QCOMPARE(o->Table()->Layout().DefaultColWidth, o->Session->settings.Feldgroesse);
        QCOMPARE(o->Table()->width(), before + 4);
        const QWidget* outer = o->Legend()->parentWidget();
        QVERIFY(outer->x() + outer->width() <= o->Frame->ClientAreaWidth() - 10);

        o->Board->Game().Reset();
        QCOMPARE(o->Legend()->CellText(1, 3), QString());

        // Without LegendeZeigen a closed legend stays closed when the board shows again.
        o->Session->settings.LegendeZeigen = false;
        TRMMainForm::CloseChild(o->Legend());
        QVERIFY(QTest::qWaitFor([&] { return !o->Frame->NumberLegend(); }, 2000));
        o->Board->FormShow();
        QVERIFY(!o->Frame->NumberLegend());
        o->Session->settings.LegendeZeigen = true;
        o->Board->FormShow();
        QVERIFY(o->Legend());

        // It closes with the board.
        TRMMainForm::CloseChild(o->Board);
        QVERIFY(QTest::qWaitFor([&] { return !o->Frame->NumberLegend(); }, 2000));
    }
};

QTEST_MAIN(TestZahlenDialog)
#include "test_ZahlenDialog.moc"
