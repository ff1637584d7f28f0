// The Qt-free parts of the side windows: the number puzzle's code table, the
// solution word typed by position and the stopwatch's counting and display.
#include "CodeTable.h"
#include "Evaluation.h"
#include "Queries.h"
#include "Settings.h"
#include "SolutionEntry.h"
#include "StopwatchClock.h"
#include "TestSupport.h"

#include <QTest>

namespace {
// EIS# / R#EI / BEET as a number puzzle: B, E, I, R, S, T get the codes 0..5.
std::unique_ptr<Puzzle> NumberPuzzle() {
    auto p = GridPuzzle(2, {"EIS#", "R#EI", "BEET"});
    NumberWords(*p);
    const std::string letters = "BEIRSTACDFGHJKLMNOPQUVWXYZ";
    for (int i = 0; i < 26; ++i) {
        p->Image.Words[i].CodeLetter =
            static_cast<unsigned char>(letters[static_cast<std::size_t>(i)]);
        SetBlank(p->Image.Words[i].CodeGuess);
    }
    return p;
}

std::string Entries(const Puzzle& p) {
    std::string out;
    for (int r = 1; r <= p.Image.RowCount; ++r) {
        for (int c = 1; c <= p.Image.ColumnCount; ++c) {
            const Letter& e = p.Image.entry(c, r);
            out += p.Image.cell(c, r).isBlock() ? '#' : e.empty() ? '?' : e.Chars[0];
        }
        out += '/';
    }
    return out;
}
} // namespace

class TestSideWindows : public QObject {
    Q_OBJECT
private slots:
    void codeTableCells() {
        QCOMPARE(CodeAtTableCell(0, 0), 0);
        QCOMPARE(CodeAtTableCell(1, 12), 12);
        QCOMPARE(CodeAtTableCell(2, 0), 13);
        QCOMPARE(CodeAtTableCell(3, 12), 25);
        QCOMPARE(CodeAtTableCell(4, 0), -1);
        QCOMPARE(CodeAtTableCell(1, 13), -1);
        QCOMPARE(CodeAtTableCell(-1, 0), -1);
        QVERIFY(IsCodeLetterColumn(1) && IsCodeLetterColumn(3));
        QVERIFY(!IsCodeLetterColumn(0) && !IsCodeLetterColumn(2));
    }

    void codeTableWrapsBetweenTheLetterColumns() {
        int col = 1, row = 12;
        QVERIFY(WrapCodeTable(col, row, true));
        QCOMPARE(col, 3);
        QCOMPARE(row, 0);
        QVERIFY(WrapCodeTable(col, row, false)); // Up on row 0 of column 3
        QCOMPARE(col, 1);
        QCOMPARE(row, 12);
        row = 12;
        col = 3;
        QVERIFY(WrapCodeTable(col, row, true));
        QCOMPARE(col, 1);
        QCOMPARE(row, 0);
        // Inside the column the arrows move as usual.
        col = 1;
        row = 5;
        QVERIFY(!WrapCodeTable(col, row, true));
        QVERIFY(!WrapCodeTable(col, row, false));
        QCOMPARE(col, 1);
        QCOMPARE(row, 5);
    }

    void assigningWritesEveryCellOfTheCode() {
        auto p = NumberPuzzle();
        const EditOutcome out = AssignCode(*p, 1, 'e'); // code 1 stands for E
        QVERIFY(out.Evaluate);
        QVERIFY(out.WholeGrid);
        QCOMPARE(p->Image.Words[1].CodeGuess.str(), std::string("E"));
        QCOMPARE(Entries(*p), std::string("E  #/ #E / EE /"));
        QCOMPARE(p->CheckState.at(1, 1), CheckState::Filled);
        QVERIFY(!CodeGuessWrong(p->Image, 1));

        // A wrong letter is allowed, and the same letter may serve two codes.
        AssignCode(*p, 2, 'E');
        QCOMPARE(Entries(*p), std::string("EE #/ #EE/ EE /"));
        QVERIFY(CodeGuessWrong(p->Image, 2));
    }

    void onlyLettersAreAssigned() {
        auto p = NumberPuzzle();
        for (char ch : {'1', '#', '\xE4', ' '}) {
            const EditOutcome out = AssignCode(*p, 3, ch);
            QVERIFY(!out.Evaluate);
            QVERIFY(CodeGuessMissing(p->Image, 3));
        }
        QVERIFY(!AssignCode(*p, 26, 'A').Evaluate);
        QVERIFY(!AssignCode(*p, -1, 'A').Evaluate);
    }

    void clearingBlanksTheCellsWithoutEvaluation() {
        auto p = NumberPuzzle();
        AssignCode(*p, 1, 'E');
        const EditOutcome out = ClearCode(*p, 1);
        QVERIFY(!out.Evaluate);
        QVERIFY(CodeGuessMissing(p->Image, 1));
        QCOMPARE(CodeGuessOf(p->Image, 1), std::string());
        QCOMPARE(p->Image.entry(1, 1).str(), std::string(" "));
        QCOMPARE(p->CheckState.at(1, 1), CheckState::Blank);
    }

    void assigningEveryCodeSolvesThePuzzle() {
        auto p = NumberPuzzle();
        Settings settings;
        for (int code = 0; code < 6; ++code) {
            AssignCode(*p, code, CodeLetterOf(p->Image, code));
            const CompletionNotice n = EvaluateCompletion(*p, settings);
            QCOMPARE(n.ShowMessage, code == 5);
        }
        QCOMPARE(p->Image.SolvedLevel, std::uint8_t(3));
    }

    void solutionLettersByPosition() {
        auto p = GridPuzzle(1, {"AB"});
        PuzzleImage& im = p->Image;
        im.SolutionWord.set("OBST");
        // A field never written: zero bytes, no length.
        std::fill(std::begin(im.EnteredSolutionWord.Chars), std::end(im.EnteredSolutionWord.Chars),
                  '\0');
        im.EnteredSolutionWord.Length = 0;
        QCOMPARE(EnteredSolutionLetter(im, 2), ' ');

        QVERIFY(SetSolutionLetter(im, 2, 's'));
        QCOMPARE(im.EnteredSolutionWord.str(), std::string("  S"));
        QCOMPARE(EnteredSolutionLetter(im, 2), 'S');
        QVERIFY(SolutionLetterWrong(im, 0)); // a blank is not the letter
        QVERIFY(!SolutionLetterWrong(im, 2));

        QVERIFY(SetSolutionLetter(im, 0, 'X'));
        QVERIFY(SolutionLetterWrong(im, 0));
        // Anything but a letter stores a blank; the length does not shrink.
        QVERIFY(SetSolutionLetter(im, 2, '7'));
        QCOMPARE(im.EnteredSolutionWord.str(), std::string("X  "));
        QVERIFY(!SetSolutionLetter(im, 4, 'A'));
        QVERIFY(!SetSolutionLetter(im, -1, 'A'));
        QCOMPARE(SolutionLetterAt(im, 3), 'T');
        QCOMPARE(SolutionLetterAt(im, 4), ' ');
    }

    void countedSecondsRoundHalfToEven() {
        QCOMPARE(CountedSeconds(1000, 0, 1000), std::uint16_t(0));
        QCOMPARE(CountedSeconds(1000, 0, 2499), std::uint16_t(1));
        QCOMPARE(CountedSeconds(1000, 0, 1500), std::uint16_t(0)); // 0.5 -> 0
        QCOMPARE(CountedSeconds(1000, 0, 2500), std::uint16_t(2)); // 1.5 -> 2
        QCOMPARE(CountedSeconds(1000, 0, 3500), std::uint16_t(2)); // 2.5 -> 2
        QCOMPARE(CountedSeconds(1000, 0, 3501), std::uint16_t(3));
        QCOMPARE(CountedSeconds(0, 100, 60'000), std::uint16_t(160));
        // On 16 bits, as the record keeps it.
        QCOMPARE(CountedSeconds(0, 65535, 2000), std::uint16_t(1));
        // A clock read before the base counts nothing.
        QCOMPARE(CountedSeconds(5000, 7, 1000), std::uint16_t(7));
    }

    void stopwatchDisplay() {
        // Counting up without a best time: blue, no sign.
        StopwatchView v = StopwatchDisplay(754, 0, true, false);
        QCOMPARE(v.Text, std::string("12:34"));
        QCOMPARE(v.Tint, StopwatchTint::Blue);
        QVERIFY(!v.SignVisible);

        // Counting down from 5:00: after 4:00 one minute is left, green, "+".
        v = StopwatchDisplay(240, 300, false, true);
        QCOMPARE(v.Seconds, 60);
        QCOMPARE(v.Text, std::string("1:00"));
        QCOMPARE(v.Tint, StopwatchTint::Green);
        QVERIFY(v.SignVisible && !v.Negative);
        // After 6:00 it is a minute over: red, "-".
        v = StopwatchDisplay(360, 300, false, true);
        QCOMPARE(v.Text, std::string("-1:00"));
        QCOMPARE(v.Tint, StopwatchTint::Red);
        QVERIFY(v.Negative && v.SignVisible);
        v = StopwatchDisplay(390, 300, false, true);
        QCOMPARE(v.Text, std::string("-1:30"));
        v = StopwatchDisplay(330, 300, false, true);
        QCOMPARE(v.Text, std::string("-0:30"));

        // Neither button down: the count-down value without the sign.
        v = StopwatchDisplay(240, 300, false, false);
        QCOMPARE(v.Text, std::string("1:00"));
        QVERIFY(!v.SignVisible);
        // Counting up with a best time is green.
        QCOMPARE(StopwatchDisplay(5, 300, true, false).Tint, StopwatchTint::Green);
        QCOMPARE(StopwatchDisplay(5, 0, true, false).Text, std::string("0:05"));
        // Without a best time it counts up even with both buttons raised.
        v = StopwatchDisplay(75, 0, false, false);
        QCOMPARE(v.Text, std::string("1:15"));
        QCOMPARE(v.Tint, StopwatchTint::Blue);
    }
};

QTEST_GUILESS_MAIN(TestSideWindows)
#include "test_sidewindows.moc"
