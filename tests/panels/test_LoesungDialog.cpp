// The solution-word window inside the real frame: typing, the cursor at the
// ends, Backspace and Delete, the colours with the solution shown or wrong
// letters marked, its place, and how reset, undo and the board bring it back.
#include "BoardFixture.h"
#include "LoesungDialog.h"
#include "SolutionEntry.h"

#include <QApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTest>

namespace {
std::unique_ptr<Puzzle> WithSolutionWord() {
    auto p = SmallCrossword(1);
    p->Image.SolutionWord.set("HAUS");
    p->Image.SolutionClue.set("Ein Geb\xE4ude"); // code page 1252
    p->Image.EnteredSolutionWord.set("    ");
    return p;
}

struct Opened : OpenedBoard {
    TLoesungForm* Word() const { return dynamic_cast<TLoesungForm*>(Frame->SolutionWord()); }
    StringGrid* Cells() const { return Word()->GridLoesung(); }
    void ClickCell(int c) {
        QTest::mouseClick(Cells(), Qt::LeftButton, {}, Cells()->CellRect(c, 0).center());
    }
    void TypeWord(const QString& keys) { QTest::keyClicks(Cells(), keys); }
    void KeyWord(Qt::Key key) { QTest::keyClick(Cells(), key); }
    int Col() const { return Cells()->Col(); }
    std::string Entered() const {
        std::string out;
        for (int i = 0; i < SolutionWordLength(Session->image()); ++i)
            out += EnteredSolutionLetter(Session->image(), i);
        return out;
    }
    // The grid typed in correctly, row by row, without the word window.
    void FillGrid() {
        const char* rows[] = {"HAUS", "A BAD", "SONNE", "E TOR"};
        for (int r = 0; r < 4; ++r)
            for (int c = 0; rows[r][c]; ++c)
                if (rows[r][c] != ' ')
                    SetEnteredLetter(Session->puzzle, c + 1, r + 1, std::string(1, rows[r][c]));
        RecheckEntries(Session->puzzle);
    }
};

std::unique_ptr<Opened> Open(const Puzzle& puzzle, const std::string& name) {
    return OpenBoard<Opened>(puzzle, name);
}

using Messages = CaughtMessages;
} // namespace

class TestLoesungDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName("Zoruvidedid"); }

    void opensWithTheBoardAtTheBottomRight() {
        const auto o = Open(*WithSolutionWord(), "word-open.zvr");
        QVERIFY(o->Board);
        TLoesungForm* word = o->Word();
        QVERIFY(word);
        QCOMPARE(word->windowTitle(), QStringLiteral("Ein Gebäude:"));
        QCOMPARE(o->Cells()->ColCount(), 4);
        const int f = o->Session->settings.Feldgroesse;
        QCOMPARE(o->Cells()->width(), 4 * (f + 1) + 2);
        const QWidget* outer = word->parentWidget();
        QCOMPARE(outer->x() + outer->width(), o->Frame->ClientAreaWidth() - 6);
        QCOMPARE(outer->y() + outer->height(), o->Frame->ClientAreaHeight() - 6);
        // The kind without a solution word has no such window.
        const auto plain = Open(*SmallCrossword(0), "word-none.zvr");
        QVERIFY(plain->Board);
        QVERIFY(!plain->Frame->SolutionWord());
    }

    void typingMovesOnAndStopsAtTheEnd() {
        const auto o = Open(*WithSolutionWord(), "word-type.zvr");
        Messages messages;
        o->ClickCell(0);
        o->TypeWord("ha");
        QCOMPARE(o->Entered(), std::string("HA  "));
        QCOMPARE(o->Col(), 2);
        QCOMPARE(o->Word()->CellText(1), QStringLiteral("A"));
        o->TypeWord("usx");
        QCOMPARE(o->Entered(), std::string("HAUX"));
        QCOMPARE(o->Col(), 3);
        // The grid is still empty: nothing is complete, nothing is said.
        QVERIFY(messages.texts.isEmpty());
        QVERIFY(o->Frame->Edit().UndoPossible());
        o->Frame->Undo();
        QCOMPARE(o->Entered(), std::string("HAUS"));
    }

    void clearingKeys() {
        const auto o = Open(*WithSolutionWord(), "word-clear.zvr");
        o->ClickCell(0);
        o->TypeWord("haus");
        // Space, a digit and an umlaut clear the cell and leave the cursor.
        o->ClickCell(1);
        o->TypeWord(" ");
        QCOMPARE(o->Entered(), std::string("H US"));
        QCOMPARE(o->Col(), 1);
        o->ClickCell(2);
        o->TypeWord("7");
        QCOMPARE(o->Entered(), std::string("H  S"));
        QTest::sendKeyEvent(QTest::Click, o->Cells(), Qt::Key_Adiaeresis, QStringLiteral("ä"), {});
        QCOMPARE(o->Col(), 2);
        o->ClickCell(3);
        o->KeyWord(Qt::Key_Delete);
        QCOMPARE(o->Entered(), std::string("H   "));
        QCOMPARE(o->Col(), 3);

        // Backspace on the third cell moves to the second and clears it; on
        // the first it clears the first.
        o->ClickCell(0);
        o->TypeWord("haus");
        o->ClickCell(2);
        o->KeyWord(Qt::Key_Backspace);
        QCOMPARE(o->Col(), 1);
        QCOMPARE(o->Entered(), std::string("H US"));
        o->KeyWord(Qt::Key_Backspace);
        QCOMPARE(o->Col(), 0);
        QCOMPARE(o->Entered(), std::string("  US"));
        o->TypeWord("h");
        o->ClickCell(0);
        o->KeyWord(Qt::Key_Backspace);
        QCOMPARE(o->Col(), 0);
        QCOMPARE(o->Entered(), std::string("  US"));
    }

    void theWordCompletesThePuzzle() {
        const auto o = Open(*WithSolutionWord(), "word-solve.zvr");
        Messages messages;
        o->FillGrid();
        o->ClickCell(0);
        o->TypeWord("hau");
        QVERIFY(messages.texts.isEmpty());
        o->TypeWord("s");
        QCOMPARE(messages.texts, QStringList{QStringLiteral("Sie haben das Rätsel gelöst!")});

        const auto wrong = Open(*WithSolutionWord(), "word-wrong.zvr");
        Messages wrongMessages;
        wrong->FillGrid();
        wrong->ClickCell(0);
        wrong->TypeWord("haut");
        QCOMPARE(wrongMessages.texts,
                 QStringList{QStringLiteral(
                     "Das Rätsel ist vollständig ausgefüllt, aber nicht korrekt gelöst!")});
    }

    void colours() {
        const auto o = Open(*WithSolutionWord(), "word-colours.zvr");
        const Settings& s = o->Session->settings;
        o->ClickCell(0);
        o->TypeWord("hx");
        o->Session->settings.FehlerZeigen = true;
        QCOMPARE(SolutionLetterColour(o->Word()->PaintContext(), 0),
                 ToQColor(s.FarbeLoesungswort, s.System));
        QCOMPARE(SolutionLetterColour(o->Word()->PaintContext(), 1),
                 ToQColor(s.FarbeFalscheBuchstaben, s.System));
        o->Session->settings.FehlerZeigen = false;
        QCOMPARE(SolutionLetterColour(o->Word()->PaintContext(), 1),
                 ToQColor(s.FarbeLoesungswort, s.System));

        o->Frame->Commands().Get(CommandId::ShowSolution).Trigger();
        QCOMPARE(o->Word()->CellText(1), QStringLiteral("A"));
        QCOMPARE(o->Word()->CellText(3), QStringLiteral("S"));
        const SidePaintContext ctx = o->Word()->PaintContext();
        QCOMPARE(SolutionLetterColour(ctx, 0), ToQColor(s.FarbeLoesungswort, s.System));
        QCOMPARE(SolutionLetterColour(ctx, 1), ToQColor(s.FarbeFehlendeBuchstaben, s.System));
        QCOMPARE(SolutionLetterColour(ctx, 2), ToQColor(s.FarbeFehlendeBuchstaben, s.System));
        o->Frame->Commands().Get(CommandId::ShowSolution).Trigger();
        QCOMPARE(o->Word()->CellText(1), QStringLiteral("X"));
        QCOMPARE(o->Word()->CellText(2), QString());
    }

    void comesBackWithResetUndoAndTheSetting() {
        const auto o = Open(*WithSolutionWord(), "word-back.zvr");
        ModalRunner previous = SetModalRunner([](QDialog&) { return QMessageBox::Yes; });
        o->ClickCell(0);
        o->TypeWord("ha");
        TRMMainForm::CloseChild(o->Word());
        QVERIFY(QTest::qWaitFor([&] { return !o->Frame->SolutionWord(); }, 2000));
        o->Frame->Edit().MItemBeaZuruecksetzenClick();
        QVERIFY(o->Word());
        QCOMPARE(o->Entered(), std::string("    "));
        // Undo of the reset brings the letters back into the window.
        o->Frame->Undo();
        QCOMPARE(o->Word()->CellText(1), QStringLiteral("A"));

        TRMMainForm::CloseChild(o->Word());
        QVERIFY(QTest::qWaitFor([&] { return !o->Frame->SolutionWord(); }, 2000));
        o->Type("h");
        o->Frame->Undo();
        QVERIFY(o->Word());

        // Without LoesungswortZeigen it stays closed.
        o->Session->settings.LoesungswortZeigen = false;
        TRMMainForm::CloseChild(o->Word());
        QVERIFY(QTest::qWaitFor([&] { return !o->Frame->SolutionWord(); }, 2000));
        o->Frame->Edit().MItemBeaZuruecksetzenClick();
        o->Board->FormShow();
        QVERIFY(!o->Frame->SolutionWord());
        SetModalRunner(previous);
    }

    void followsZoomAndClosesWithTheBoard() {
        const auto o = Open(*WithSolutionWord(), "word-zoom.zvr");
        const int before = o->Cells()->width();
        o->Board->Zoom(-1);
        QCOMPARE(o->Cells()->width(), before - 4);
        QCOMPARE(o->Cells()->Layout().DefaultRowHeight, o->Session->settings.Feldgroesse);
        TRMMainForm::CloseChild(o->Board);
        QVERIFY(QTest::qWaitFor([&] { return !o->Frame->SolutionWord(); }, 2000));
    }
};

QTEST_MAIN(TestLoesungDialog)
#include "test_LoesungDialog.moc"
