#include "Evaluation.h"
#include "Queries.h"
#include "Settings.h"
#include "TestSupport.h"

#include <QTest>

#include <algorithm>

namespace {
const std::string Solved = "Sie haben das Rätsel gelöst!";
const std::string BestTime = "Sie haben das Rätsel in Bestzeit gelöst!";
const std::string FilledWrong = "Das Rätsel ist vollständig ausgefüllt, aber nicht korrekt gelöst!";

// OBST# / H#EIS / RAD#E with its words numbered.
std::unique_ptr<Puzzle> Crossword(int kind) {
    auto p = GridPuzzle(kind, {"OBST#", "H#EIS", "RAD#E"});
    NumberWords(*p);
    return p;
}

// Every letter cell gets its solution letter, typed as the player would.
void FillCorrectly(Puzzle& p) {
    for (int c = 1; c <= p.Image.ColumnCount; ++c) {
        for (int r = 1; r <= p.Image.RowCount; ++r) {
            const CellRecord& cell = p.Image.cell(c, r);
            if (cell.has(CellFlag::LetterCell))
                SetEnteredLetter(p, c, r, cell.SolutionLetter.view());
        }
    }
}

// Fills a Sudoku with its solution, each symbol passed through map (a permutation
// keeps the filling valid).
void FillSudoku(Puzzle& p, const std::string& from = "", const std::string& to = "") {
    for (int c = 1; c <= p.Image.ColumnCount; ++c) {
        for (int r = 1; r <= p.Image.RowCount; ++r) {
            char ch = p.Image.cell(c, r).SolutionLetter.Chars[0];
            const auto at = from.find(ch);
            if (at != std::string::npos) ch = to[at];
            SetEnteredLetter(p, c, r, std::string(1, ch));
        }
    }
}

void ExpectSilent(const CompletionNotice& n) {
    QVERIFY(!n.ShowMessage);
    QVERIFY(!n.RefreshStopwatch);
}

void ExpectMessage(const CompletionNotice& n, int kind, const std::string& text) {
    QVERIFY(n.ShowMessage);
    QCOMPARE(n.MessageKind, kind);
    QCOMPARE(n.Message, text);
}
} // namespace

class TestEvaluation : public QObject {
    Q_OBJECT

    Settings settings;

private slots:
    void sudokuFollowsTheRulesNotTheStoredSolution() {
        auto p = Sudoku9();
        FillSudoku(*p, "12", "21"); // swapped symbols: valid, but not the stored solution
        QCOMPARE(p->CheckState.at(1, 1), CheckState::Wrong);
        ExpectMessage(EvaluateCompletion(*p, settings), 1, Solved);
        QCOMPARE(p->Image.SolvedLevel, std::uint8_t(3));
        QCOMPARE(p->Image.ClockRunning, std::uint8_t(1)); // only the timed kind stops the clock
        // Already solved: nothing more to say.
        ExpectSilent(EvaluateCompletion(*p, settings));
    }

    void sudokuWithABlankOrARepeat() {
        auto p = Sudoku9();
        FillSudoku(*p);
        SetEnteredLetter(*p, 4, 7, "");
        ExpectSilent(EvaluateCompletion(*p, settings));
        QCOMPARE(p->Image.SolvedLevel, std::uint8_t(0));

        // A repeated symbol: complete but wrong, which a Sudoku does not announce.
        SetEnteredLetter(*p, 4, 7, "1");
        ExpectSilent(EvaluateCompletion(*p, settings));
        QCOMPARE(p->Image.SolvedLevel, std::uint8_t(2));

        // Symbols that are not the puzzle's own never solve it, even without repeats.
        auto q = SudokuOfSize(4);
        FillSudoku(*q, "1234", "5678");
        EvaluateCompletion(*q, settings);
        QCOMPARE(q->Image.SolvedLevel, std::uint8_t(2));
    }

    void crosswordWrongThenCorrected() {
        auto p = Crossword(0);
        FillCorrectly(*p);
        SetEnteredLetter(*p, 4, 2, "X");
        ExpectMessage(EvaluateCompletion(*p, settings), 0, FilledWrong);
        QCOMPARE(p->Image.SolvedLevel, std::uint8_t(2));
        ExpectSilent(EvaluateCompletion(*p, settings)); // told once

        SetEnteredLetter(*p, 4, 2, "I");
        ExpectMessage(EvaluateCompletion(*p, settings), 1, Solved);
        QCOMPARE(p->Image.SolvedLevel, std::uint8_t(3));

        // The level never drops, and a solved puzzle stays silent.
        SetEnteredLetter(*p, 4, 2, "X");
        ExpectSilent(EvaluateCompletion(*p, settings));
        QCOMPARE(p->Image.SolvedLevel, std::uint8_t(3));
    }

    void crosswordWithABlankIsNotComplete() {
        auto p = Crossword(4);
        FillCorrectly(*p);
        SetEnteredLetter(*p, 5, 3, " ");
        ExpectSilent(EvaluateCompletion(*p, settings));
        QCOMPARE(p->Image.SolvedLevel, std::uint8_t(0));
    }

    void solutionWord() {
        auto p = Crossword(1);
        FillCorrectly(*p);
        p->Image.SolutionWord.set("OBI");
        p->Image.EnteredSolutionWord.set("O I");
        ExpectSilent(EvaluateCompletion(*p, settings));
        QCOMPARE(p->Image.SolvedLevel, std::uint8_t(0));

        p->Image.EnteredSolutionWord.set("OXI");
        ExpectMessage(EvaluateCompletion(*p, settings), 0, FilledWrong);
        QCOMPARE(p->Image.SolvedLevel, std::uint8_t(2));

        // Read by position, whatever the length byte says.
        p->Image.EnteredSolutionWord.set("OBI");
        p->Image.EnteredSolutionWord.Length = 1;
        ExpectMessage(EvaluateCompletion(*p, settings), 1, Solved);
    }

    void solutionWordNeverFilledIsMissingNotWrong() {
        // A record whose entered word was never written holds zero bytes:
        // they are missing letters, not a wrong word.
        auto p = Crossword(1);
        FillCorrectly(*p);
        p->Image.SolutionWord.set("OBI");
        std::fill(std::begin(p->Image.EnteredSolutionWord.Chars),
                  std::end(p->Image.EnteredSolutionWord.Chars), '\0');
        p->Image.EnteredSolutionWord.Length = 0;
        ExpectSilent(EvaluateCompletion(*p, settings));
        QCOMPARE(p->Image.SolvedLevel, std::uint8_t(0));
    }

    void solutionWordIgnored() {
        // "@@@": there is no solution word to check.
        auto p = Crossword(1);
        FillCorrectly(*p);
        p->Image.SolutionWord.set("@@@");
        p->Image.EnteredSolutionWord.set("   ");
        ExpectMessage(EvaluateCompletion(*p, settings), 1, Solved);

        // The solution word given by the generator is not the player's to fill.
        auto q = Crossword(1);
        FillCorrectly(*q);
        q->Image.SolutionWord.set("OBI");
        q->Image.EnteredSolutionWord.set("X  ");
        Settings given;
        given.LoesungswortVorgeben = true;
        ExpectMessage(EvaluateCompletion(*q, given), 1, Solved);

        // A kind without a solution word never looks at it.
        auto r = Crossword(0);
        FillCorrectly(*r);
        r->Image.SolutionWord.set("OBI");
        r->Image.EnteredSolutionWord.set("   ");
        ExpectMessage(EvaluateCompletion(*r, settings), 1, Solved);
    }

    void placedBlocks_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("10") << 10;
        QTest::newRow("11") << 11;
    }

    void placedBlocks() {
        QFETCH(int, kind);
        const std::vector<std::pair<int, int>> blocks = {{5, 1}, {2, 2}, {4, 3}};
        auto placeAll = [&](Puzzle& p) {
            for (auto [c, r] : blocks) p.Image.cell(c, r).CellFlags |= CellFlag::PlacedBlock;
        };

        auto p = Crossword(kind);
        FillCorrectly(*p);
        placeAll(*p);
        ExpectMessage(EvaluateCompletion(*p, settings), 1, Solved);

        // One block left unmarked.
        auto q = Crossword(kind);
        FillCorrectly(*q);
        placeAll(*q);
        q->Image.cell(2, 2).CellFlags &= ~CellFlag::PlacedBlock;
        ExpectMessage(EvaluateCompletion(*q, settings), 0, FilledWrong);

        // One letter cell marked as a block.
        auto s = Crossword(kind);
        FillCorrectly(*s);
        placeAll(*s);
        s->Image.cell(1, 1).CellFlags |= CellFlag::PlacedBlock;
        EvaluateCompletion(*s, settings);
        QCOMPARE(s->Image.SolvedLevel, std::uint8_t(2));
    }

    void codeGuesses() {
        for (int kind : {2, 3}) {
            auto p = Crossword(kind);
            FillCorrectly(*p);
            p->Image.SolutionWord.set("@@@");
            const std::string letters = "OBSTHEIRADQ"; // Q is not in the grid
            for (std::size_t i = 0; i < letters.size(); ++i) {
                WordRecord& w = p->Image.Words[i];
                w.CodeLetter = static_cast<unsigned char>(letters[i]) | 0x4100; // low byte counts
                if (letters[i] != 'Q') w.CodeGuess.set(std::string(1, letters[i]));
            }
            // One letter's code guessed wrong.
            p->Image.Words[5].CodeGuess.set("X");
            ExpectMessage(EvaluateCompletion(*p, settings), 0, FilledWrong);
            // Right guesses for every letter of the grid; the unused Q needs none.
            p->Image.Words[5].CodeGuess.set("E");
            ExpectMessage(EvaluateCompletion(*p, settings), 1, Solved);
        }
        // A blank guess is no guess.
        auto q = Crossword(2);
        FillCorrectly(*q);
        q->Image.Words[0].CodeLetter = 'O';
        EvaluateCompletion(*q, settings);
        QCOMPARE(q->Image.SolvedLevel, std::uint8_t(2));
    }

    void wordSearchMarks() {
        auto p = Crossword(12);
        auto markAll = [](Puzzle& q) {
            for (int c = 1; c <= 5; ++c)
                for (int r = 1; r <= 3; ++r)
                    if (!q.Image.cell(c, r).isBlock())
                        q.Image.cell(c, r).CellFlags |= CellFlag::PlayerMark;
        };
        // Nothing marked: complete (marks have no blanks) but wrong, and never announced.
        ExpectSilent(EvaluateCompletion(*p, settings));
        QCOMPARE(p->Image.SolvedLevel, std::uint8_t(2));

        markAll(*p);
        p->Image.cell(2, 2).CellFlags |= CellFlag::PlayerMark; // a block marked
        ExpectSilent(EvaluateCompletion(*p, settings));
        QCOMPARE(p->Image.SolvedLevel, std::uint8_t(2));

        p->Image.cell(2, 2).CellFlags &= ~CellFlag::PlayerMark;
        ExpectMessage(EvaluateCompletion(*p, settings), 1, Solved);
    }

    void timedSudokuBestTimes_data() {
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<int>("best");
        QTest::addColumn<int>("storedBest");
        QTest::addColumn<bool>("newBest");
        QTest::newRow("faster") << 95 << 120 << 95 << true;
        QTest::newRow("slower") << 130 << 120 << 120 << false;
        QTest::newRow("first time") << 130 << 0 << 130 << true;
        // A clock that never counted has measured nothing: no best time.
        QTest::newRow("zero, stored best kept") << 0 << 120 << 120 << false;
        QTest::newRow("zero, no best yet") << 0 << 0 << 0 << false;
    }

    void timedSudokuBestTimes() {
        QFETCH(int, elapsed);
        QFETCH(int, best);
        QFETCH(int, storedBest);
        QFETCH(bool, newBest);
        auto p = SudokuOfSize(9, 15);
        FillSudoku(*p);
        p->Image.ElapsedSeconds = static_cast<std::uint16_t>(elapsed);
        p->Image.BestSeconds = static_cast<std::uint16_t>(best);
        const CompletionNotice n = EvaluateCompletion(*p, settings);
        QCOMPARE(p->Image.SolvedLevel, std::uint8_t(3));
        QCOMPARE(p->Image.ClockRunning, std::uint8_t(0));
        QCOMPARE(int(p->Image.BestSeconds), storedBest);
        QVERIFY(n.RefreshStopwatch);
        if (newBest)
            ExpectMessage(n, 2, BestTime);
        else
            ExpectMessage(n, 1, Solved);

        // A second evaluation of the solved puzzle changes and says nothing.
        p->Image.ElapsedSeconds = 1;
        ExpectSilent(EvaluateCompletion(*p, settings));
        QCOMPARE(int(p->Image.BestSeconds), storedBest);
    }

    void timedSudokuFilledWrongKeepsTheClock() {
        auto p = SudokuOfSize(4, 15);
        FillSudoku(*p);
        SetEnteredLetter(*p, 1, 1, "2");
        p->Image.ElapsedSeconds = 10;
        ExpectSilent(EvaluateCompletion(*p, settings));
        QCOMPARE(p->Image.SolvedLevel, std::uint8_t(2));
        QCOMPARE(p->Image.ClockRunning, std::uint8_t(1));
        QCOMPARE(p->Image.BestSeconds, std::uint16_t(0));
    }
};

QTEST_GUILESS_MAIN(TestEvaluation)
#include "test_evaluation.moc"
