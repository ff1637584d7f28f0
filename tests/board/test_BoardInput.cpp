// Typing, deleting, direction, word search lines and hints on the board, with
// real key and mouse events on the grid inside the real frame.
#include "BoardCommands.h"
#include "BoardFixture.h"
#include "ClueListLink.h"
#include "ContainerWriter.h"
#include "EditCommands.h"
#include "Hauptformular.h"
#include "HinweisDialog.h"
#include "PuzzleGame.h"
#include "RaetselFormular.h"
#include "Session.h"
#include "StringGrid.h"
#include "TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace {
struct Opened : OpenedBoard {
    QPoint Centre(int c, int r) const { return Grid()->CellRect(c, r).center(); }
    bool UndoPossible() const { return Frame->Edit().UndoPossible(); }
    void Type(const QString& keys) { QTest::keyClicks(Grid(), keys); }
    // Keys beyond ASCII, as a keyboard with umlauts sends them.
    void TypeChar(Qt::Key key, const QString& text) {
        QTest::sendKeyEvent(QTest::Click, Grid(), key, text, {});
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers m = {}) { QTest::keyClick(Grid(), key, m); }
    void Click(int c, int r) { QTest::mouseClick(Grid(), Qt::LeftButton, {}, Centre(c, r)); }
    QPoint Current() const { return {Grid()->Col(), Grid()->Row()}; }
};

std::unique_ptr<Opened> Open(const Puzzle& puzzle, const std::string& name) {
    auto o = OpenBoard<Opened>(puzzle, name);
    if (o->Board) o->Grid()->setFocus();
    return o;
}

// Result messages are answered at once and remembered.
using Messages = CaughtMessages;

// A clue list the frame finds as it finds the real one.
struct FakeClueList : QWidget, ClueListLink {
    void FormShow() override {}
    QWidget* Widget() override { return this; }
    QStringList calls;
    bool ClueListVisible() const override { return true; }
    void FocusEntryByNumber(int number, bool across) override {
        calls << QStringLiteral("focus %1 %2").arg(number).arg(across);
    }
    void MarkWordSolved(int wordIndex, bool across, bool solved) override {
        calls << QStringLiteral("mark %1 %2 %3").arg(wordIndex).arg(across).arg(solved);
    }
    int FindEntryByNumber(int number, bool across) override {
        calls << QStringLiteral("find %1 %2").arg(number).arg(across);
        return number == 1 ? 7 : -1;
    }
    std::string EntryWord(int, bool) override { return "KATZE"; }
    void SetEntrySolved(int entry, bool across, bool solved) override {
        calls << QStringLiteral("solved %1 %2 %3").arg(entry).arg(across).arg(solved);
    }
    void UpdateDragCursor() override { calls << "cursor"; }
    void BuildLists() override { calls << "build"; }
    bool TwoLists() const override { return true; }
    int DragSourceList(const QObject*) const override { return -1; }
    std::optional<ClueEntryWord> FocusedEntry(bool) const override { return std::nullopt; }
};
} // namespace

class TestBoardInput : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName("Zoruvidedid"); }

    void typingAdvancesAndTurnsAtBlocks() {
        Messages messages;
        const auto o = Open(*SmallCrossword(), "typing.zvr");
        QVERIFY(o->Board);
        QCOMPARE(o->Current(), QPoint(1, 1));
        QCOMPARE(int(o->Board->Cursor().InputDirection), 1);
        o->Type("hau");
        QCOMPARE(o->Entry(1, 1), "H");
        QCOMPARE(o->Entry(3, 1), "U");
        // The last cell before the block turns the input downwards.
        QCOMPARE(o->Current(), QPoint(4, 1));
        QCOMPARE(int(o->Board->Cursor().InputDirection), 2);
        o->Type("s");
        QCOMPARE(o->Current(), QPoint(4, 2));
        o->Type("ano");
        QCOMPARE(o->Entry(4, 3), "N");
        // The word's last cell at the grid's end keeps the cursor.
        QCOMPARE(o->Current(), QPoint(4, 4));
        QCOMPARE(o->Entry(4, 4), "O");
        o->Type("x");
        QCOMPARE(o->Current(), QPoint(4, 4));
        QCOMPARE(o->Entry(4, 4), "X");
        // Characters other than A..Z and the blank do not enter anything.
        o->TypeChar(Qt::Key_Adiaeresis, QStringLiteral("ä"));
        o->Type("1");
        QCOMPARE(o->Entry(4, 4), "X");
        o->Type(" ");
        QCOMPARE(o->Entry(4, 4), " ");
        QCOMPARE(o->Session->puzzle.CheckState.at(4, 4), CheckState::Blank);
        QVERIFY(messages.texts.isEmpty());
    }

    void blockedCellsSwallowKeys() {
        const auto o = Open(*SmallCrossword(), "blocked.zvr");
        QVERIFY(o->Board);
        o->Click(2, 2);
        QCOMPARE(o->Current(), QPoint(2, 2));
        o->Type("x");
        QCOMPARE(o->Entry(2, 2), " ");
        QVERIFY(!o->UndoPossible());

        // American puzzles test the player's blank mark instead of the block.
        auto a = GridPuzzle(10, {"AB", "C#"});
        const auto am = Open(*a, "blocked-american.zvr");
        QVERIFY(am);
        am->Click(2, 2);
        am->Type("d");
        QCOMPARE(am->Entry(2, 2), "D");
        am->Im().cell(1, 2).CellFlags |= CellFlag::PlacedBlock;
        am->Click(1, 2);
        am->Type("e");
        QCOMPARE(am->Entry(1, 2), " ");
    }

    void clickAndEnterToggleTheDirection() {
        const auto o = Open(*SmallCrossword(), "toggle.zvr");
        QVERIFY(o->Board);
        o->Click(3, 3);
        QCOMPARE(int(o->Board->Cursor().InputDirection), 1);
        o->Click(3, 3);
        QCOMPARE(int(o->Board->Cursor().InputDirection), 2);
        o->Key(Qt::Key_Return);
        QCOMPARE(int(o->Board->Cursor().InputDirection), 1);
        // A cell with a block below keeps across when toggled.
        o->Click(2, 3);
        QCOMPARE(int(o->Board->Cursor().InputDirection), 1);
        o->Click(2, 3);
        QCOMPARE(int(o->Board->Cursor().InputDirection), 1);
        QCOMPARE(o->Board->Cursor().CurrentWord.StartColumn, 1);
        QVERIFY(o->Board->Cursor().CurrentWord.Across);
        // The arrow keys move through the grid's own selection.
        o->Key(Qt::Key_Right);
        QCOMPARE(o->Current(), QPoint(3, 3));
        QCOMPARE(o->Board->Cursor().PrevCol, 2);
    }

    void backspaceAndDelete() {
        const auto o = Open(*SmallCrossword(), "backspace.zvr");
        QVERIFY(o->Board);
        o->Click(1, 3);
        o->Type("so");
        QCOMPARE(o->Current(), QPoint(3, 3));
        o->Key(Qt::Key_Backspace);
        QCOMPARE(o->Current(), QPoint(2, 3));
        QCOMPARE(o->Entry(2, 3), " ");
        QCOMPARE(o->Entry(1, 3), "S");
        o->Key(Qt::Key_Backspace);
        QCOMPARE(o->Current(), QPoint(1, 3));
        // Column 1 across: nothing before the cursor, nothing deleted.
        o->Key(Qt::Key_Backspace);
        QCOMPARE(o->Current(), QPoint(1, 3));
        QCOMPARE(o->Entry(1, 3), " ");
        o->Type("s");
        o->Click(1, 3);
        o->Click(1, 3); // down: the cell above is (1, 2)
        QCOMPARE(int(o->Board->Cursor().InputDirection), 2);
        o->Key(Qt::Key_Backspace);
        QCOMPARE(o->Current(), QPoint(1, 2));
        QCOMPARE(o->Entry(1, 3), "S"); // the cursor's own letter stays
        o->Click(1, 3);
        o->Key(Qt::Key_Delete);
        QCOMPARE(o->Entry(1, 3), " ");
        QCOMPARE(o->Current(), QPoint(1, 3));
    }

    void sudokuSymbols() {
        const auto six = Open(*SudokuOfSize(6), "sudoku6.zvr");
        QVERIFY(six->Board);
        six->Click(1, 1);
        six->Type("7");
        QCOMPARE(six->Entry(1, 1), " ");
        QVERIFY(!six->UndoPossible());
        six->Type("6");
        QCOMPARE(six->Entry(1, 1), "6");
        // No advance in a Sudoku, and the candidates follow the entry.
        QCOMPARE(six->Current(), QPoint(1, 1));
        QVERIFY(!six->Board->Game().Candidates()[2][1][5]);
        six->Key(Qt::Key_Delete);
        QCOMPARE(six->Entry(1, 1), " ");
        QVERIFY(six->Board->Game().Candidates()[2][1][5]);

        auto p = SudokuOfSize(12);
        p->Image.cell(2, 1).CellFlags |= CellFlag::SolutionOrGiven;
        p->Image.entry(2, 1) = p->Image.cell(2, 1).SolutionLetter;
        const auto twelve = Open(*p, "sudoku12.zvr");
        QVERIFY(twelve->Board);
        twelve->Click(1, 1);
        twelve->Type("c");
        QCOMPARE(twelve->Entry(1, 1), "C");
        twelve->Type("d");
        QCOMPARE(twelve->Entry(1, 1), "C");
        const std::string given = twelve->Entry(2, 1);
        twelve->Click(2, 1);
        twelve->Type("1");
        QCOMPARE(twelve->Entry(2, 1), given);
        twelve->Key(Qt::Key_Delete);
        QCOMPARE(twelve->Entry(2, 1), given);
    }

    void completionShowsTheOutcomeOnce() {
        Messages messages;
        auto p = GridPuzzle(0, {"AB", "C#"});
        NumberWords(*p);
        const auto o = Open(*p, "complete.zvr");
        QVERIFY(o->Board);
        o->Type("ab");
        o->Click(1, 2);
        o->Type("x");
        QCOMPARE(messages.texts,
                 QStringList{QStringLiteral(
                     "Das Rätsel ist vollständig ausgefüllt, aber nicht korrekt gelöst!")});
        QCOMPARE(messages.kinds, QList<int>{0});
        QCOMPARE(int(o->Im().SolvedLevel), 2);
        o->Click(1, 2);
        o->Type("x");
        QCOMPARE(messages.texts.size(), 1);
        o->Click(1, 2);
        o->Type("c");
        QCOMPARE(messages.texts.last(), QStringLiteral("Sie haben das Rätsel gelöst!"));
        QCOMPARE(messages.kinds.last(), 1);
    }

    void clueListFollowsTheInput() {
        Messages messages;
        const auto o = Open(*SmallCrossword(), "clues->puz");
        QVERIFY(o->Board);
        auto* clues = new FakeClueList;
        // Out of the board's way: the board stops short of a clue list.
        ReplaceClueList(*o->Frame, clues)->move(3000, 0);
        o->Click(1, 3);
        QVERIFY(clues->calls.contains("focus 6 1"));
        clues->calls.clear();
        o->Type("sonn");
        QVERIFY(clues->calls.filter("mark").isEmpty());
        o->Type("e");
        const int across = FindWord(o->Im(), 6, true);
        QCOMPARE(clues->calls.filter("mark"),
                 QStringList{QStringLiteral("mark %1 1 1").arg(across)});
        o->Key(Qt::Key_Delete);
        QCOMPARE(clues->calls.filter("mark").last(), QStringLiteral("mark %1 1 0").arg(across));
        clues->calls.clear();
        o->Board->SelectWordByNumber(3, false);
        QCOMPARE(o->Current(), QPoint(4, 1));
        QCOMPARE(int(o->Board->Cursor().InputDirection), 2);
        QCOMPARE(o->Board->CurrentWordLetters(false), std::string("SANO"));
        QCOMPARE(o->Board->CurrentWordNumber(), 3);
        o->Key(Qt::Key_Down);
        QCOMPARE(o->Board->CurrentWordNumber(), 3);
        QCOMPARE(o->Board->CurrentWordLetters(true), std::string("  N "));
        QTest::keyClick(o->Grid(), Qt::Key_Control, Qt::ControlModifier);
        QVERIFY(clues->calls.contains("cursor"));
    }

    void wordSearchLines() {
        Messages messages;
        auto p = GridPuzzle(12, {"KATZE", "XHUND", "QWERT"});
        // Fillers are blocks holding their letter as the entry.
        for (int c = 1; c <= 5; ++c) {
            p->Image.cell(c, 3).CellFlags = CellFlag::Block;
            p->Image.entry(c, 3).set("Q");
        }
        p->Image.cell(1, 2).CellFlags = CellFlag::Block;
        p->Image.cell(1, 1).CellNumber = 1;
        p->Image.cell(2, 2).CellNumber = 2;
        const auto o = Open(*p, "search.zvr");
        QVERIFY(o->Board);
        auto* clues = new FakeClueList;
        // Out of the board's way: the board stops short of a clue list.
        ReplaceClueList(*o->Frame, clues)->move(3000, 0);
        StringGrid* g = o->Grid();
        const auto drag = [&](QPoint from, QPoint to, Qt::KeyboardModifiers m = {}) {
            QTest::mousePress(g, Qt::LeftButton, m, o->Centre(from.x(), from.y()));
            QTest::mouseMove(g, o->Centre(to.x(), to.y()));
            QTest::mouseRelease(g, Qt::LeftButton, m, o->Centre(to.x(), to.y()));
        };
        const auto found = [&](int c, int r) {
            return o->Im().cell(c, r).has(CellFlag::PlayerMark);
        };
        drag({1, 1}, {1, 1});
        QVERIFY(!found(1, 1));
        // Three wide and two high: only the top row counts.
        drag({1, 1}, {3, 2});
        QVERIFY(found(1, 1) && found(3, 1));
        QVERIFY(!found(2, 2));
        QVERIFY(clues->calls.contains("find 1 1"));
        QVERIFY(g->Selection().Empty());
        QVERIFY(!clues->calls.contains("solved 7 1 1")); // three letters of a five-letter word
        drag({1, 1}, {5, 1});
        QVERIFY(clues->calls.contains("solved 7 1 1"));
        // Ctrl removes the marks and the entry's check, whatever the length.
        drag({1, 1}, {3, 1}, Qt::ControlModifier);
        QVERIFY(!found(1, 1) && !found(2, 1) && !found(3, 1) && found(4, 1));
        QVERIFY(clues->calls.contains("solved 7 1 0"));
        QVERIFY(o->UndoPossible());
        // Typing does nothing in a word search.
        o->Type("a");
        QCOMPARE(o->Entry(2, 1), " ");
        drag({1, 1}, {5, 1});
        drag({2, 2}, {5, 2});
        QCOMPARE(int(o->Im().SolvedLevel), 3);
        QCOMPARE(messages.texts.last(), QStringLiteral("Sie haben das Rätsel gelöst!"));
    }

    void hintsFollowTheMouse() {
        const auto o = Open(*SmallCrossword(), "hints.zvr");
        QVERIFY(o->Board);
        o->Session->settings.HinweiseZeigen = true;
        QTest::mouseMove(o->Grid(), o->Centre(1, 1));
        QCOMPARE(o->Frame->CurrentHint(), QStringLiteral("Dieses Feld enthält einen Buchstaben"));
        QVERIFY(THintForm::Current());
        const int across = FindWord(o->Im(), 1, true);
        const int down = FindWord(o->Im(), 1, false);
        QCOMPARE(THintForm::Current()->Hinweis()->text(),
                 QStringLiteral("W: Hinweis %1\nS: Hinweis %2").arg(across).arg(down));
        QTest::mouseMove(o->Grid(), o->Centre(5, 1));
        QCOMPARE(o->Frame->CurrentHint(), QStringLiteral("Dieses Feld ist ein Leerfeld"));
        QVERIFY(!THintForm::Current() || !THintForm::Current()->isVisible());
        o->Session->settings.HinweiseZeigen = false;
        QTest::mouseMove(o->Grid(), o->Centre(1, 1));
        QVERIFY(!THintForm::Current() || !THintForm::Current()->isVisible());

        auto am = GridPuzzle(10, {"AB", "C#"});
        am->Image.cell(1, 1).CellFlags |= CellFlag::SolutionOrGiven | CellFlag::PlacedBlock;
        QCOMPARE(StatusHintFor(am->Image, 1, 1),
                 QStringLiteral("Dieses Feld ist manuell als Leerfeld festgelegt"));
        QCOMPARE(StatusHintFor(am->Image, 2, 2),
                 QStringLiteral("Dieses Feld enthält einen Buchstaben"));
        QCOMPARE(StatusHintFor(am->Image, 0, 2),
                 QStringLiteral("Die in der Legende angezeigte Zeilennummer"));
        QCOMPARE(StatusHintFor(am->Image, 2, 0),
                 QStringLiteral("Die in der Legende angezeigte Spaltennummer"));
        QVERIFY(StatusHintFor(am->Image, 0, 0).isEmpty());
        auto s = Sudoku9(std::string(1, '1') + std::string(80, '0'));
        QCOMPARE(StatusHintFor(s->Image, 1, 1),
                 QStringLiteral("Dieses Feld enthält ein vorgegebenes Symbol"));
        QCOMPARE(StatusHintFor(s->Image, 2, 1),
                 QStringLiteral("Dieses Feld enthält ein zu erratendes Symbol"));
    }
};

QTEST_MAIN(TestBoardInput)
#include "test_BoardInput.moc"
