// The history of steps: only changes kept, undo and redo to either end, the
// redo tail dropped by a new step, and a clock that never goes back.
#include "Edits.h"
#include "History.h"
#include "Queries.h"
#include "TestSupport.h"

#include <QTest>

#include <array>
#include <cstring>

class TestHistory : public QObject {
    Q_OBJECT

    static bool Same(const PuzzleImage& a, const PuzzleImage& b) {
        return std::memcmp(&a, &b, sizeof(PuzzleImage)) == 0;
    }

private slots:
    void tenThousandStepsOfABigPuzzleGoBackAndForth() {
        auto p = GridPuzzle(4, std::vector<std::string>(50, std::string(50, 'A')));
        const auto start = std::make_unique<PuzzleImage>(p->Image);
        std::array<std::uint8_t, 3> extra{};
        EditHistory history;
        for (int i = 0; i < 10000; ++i) {
            history.Begin(p->Image, extra);
            SetEnteredLetter(*p, 1 + i % 50, 1 + (i / 50) % 50, std::string(1, char('A' + i % 26)));
            extra[0] = static_cast<std::uint8_t>(i);
            QVERIFY(history.Commit(p->Image, extra));
        }
        QCOMPARE(history.StepCount(), std::size_t{10000});
        QVERIFY2(history.ByteCount() < 2'000'000, std::to_string(history.ByteCount()).c_str());
        const auto end = std::make_unique<PuzzleImage>(p->Image);

        // A change that changes nothing is no step.
        history.Begin(p->Image, extra);
        QVERIFY(!history.Commit(p->Image, extra));

        while (history.Undo(p->Image, extra)) {
        }
        QVERIFY(Same(p->Image, *start));
        QCOMPARE(int(extra[0]), 0);
        while (history.Redo(p->Image, extra)) {
        }
        QVERIFY(Same(p->Image, *end));
        QCOMPARE(int(extra[0]), 9999 % 256);

        // A new step after undo drops what could have been redone.
        QVERIFY(history.Undo(p->Image, extra) && history.Undo(p->Image, extra));
        history.Begin(p->Image, extra);
        SetEnteredLetter(*p, 50, 50, "Z");
        QVERIFY(history.Commit(p->Image, extra));
        QVERIFY(!history.CanRedo());
        QCOMPARE(history.StepCount(), std::size_t{9999});

        // The step limit drops the oldest steps.
        EditHistory small(3);
        for (int i = 0; i < 5; ++i) {
            small.Begin(p->Image, {});
            SetEnteredLetter(*p, 1, 1, std::string(1, char('K' + i)));
            small.Commit(p->Image, {});
        }
        QCOMPARE(small.StepCount(), std::size_t{3});
        while (small.Undo(p->Image, {})) {
        }
        QCOMPARE(p->Image.entry(1, 1).str(), std::string("L"));
    }

    void undoGivesNoTimeBackButUndoingAResetBringsItsTimeBack() {
        auto p = Sudoku9();
        PuzzleImage& im = p->Image;
        im.PuzzleKind = 15;
        im.ElapsedSeconds = 100;
        EditHistory history;
        history.Begin(im, {});
        SetEnteredLetter(*p, 1, 1, "5");
        history.Commit(im, {});
        im.ElapsedSeconds = 130; // the clock ran on
        im.SolvedLevel = 2;      // and the evaluation raised the level
        im.BestSeconds = 120;
        QVERIFY(history.Undo(im, {}));
        QVERIFY(IsBlank(im.entry(1, 1)));
        QCOMPARE(int(im.ElapsedSeconds), 130);
        QCOMPARE(int(im.SolvedLevel), 2);
        QCOMPARE(int(im.BestSeconds), 120);
        QVERIFY(history.Redo(im, {}));
        QCOMPARE(im.entry(1, 1).str(), std::string("5"));
        QCOMPARE(int(im.ElapsedSeconds), 130);

        // A solved, stopped game is reset, played on for 40 s, and the reset undone.
        im.SolvedLevel = 3;
        im.ClockRunning = 0;
        history.Begin(im, {});
        ResetEntries(*p);
        history.Commit(im, {});
        QCOMPARE(int(im.ElapsedSeconds), 0);
        im.ElapsedSeconds = 40;
        QVERIFY(history.Undo(im, {}));
        QCOMPARE(im.entry(1, 1).str(), std::string("5"));
        QCOMPARE(int(im.ElapsedSeconds), 170);
        QCOMPARE(int(im.SolvedLevel), 3);
        QCOMPARE(int(im.ClockRunning), 0);
        QCOMPARE(int(im.BestSeconds), 120);
        // Redoing the reset takes the earlier time away again, not the 40 s.
        QVERIFY(history.Redo(im, {}));
        QVERIFY(IsBlank(im.entry(1, 1)));
        QCOMPARE(int(im.ElapsedSeconds), 40);
        QCOMPARE(int(im.SolvedLevel), 0);
        QCOMPARE(int(im.ClockRunning), 1);
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "test_History.moc"
