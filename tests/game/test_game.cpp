// The game's road: undo points, derived aids, one Changed per step and the
// evaluation after it; and the key interpreters of each kind family.
#include "PuzzleGame.h"
#include "Queries.h"
#include "TestSupport.h"

#include <QSignalSpy>
#include <QTest>

namespace {
using Cause = GameChange::Cause;

// A game on a copy of the puzzle, recording what it says in order.
struct Run {
    PuzzleSession session;
    PuzzleGame game{session};
    QStringList said;
    std::vector<GameChange> changes;

    explicit Run(const Puzzle& puzzle) {
        session.puzzle = puzzle;
        QObject::connect(&game, &PuzzleGame::Changed, [this](const GameChange& c) {
            changes.push_back(c);
            said << QStringLiteral("changed");
        });
        QObject::connect(&game, &PuzzleGame::CompletionRequested,
                         [this](const CompletionNotice& n) {
                             said << QStringLiteral("judged %1").arg(n.ShowMessage);
                         });
        game.Loaded(QImage(), {});
        game.Start();
        said.clear();
        changes.clear();
    }
    std::string Entry(int c, int r) const { return game.Image().entry(c, r).str(); }
};

// OB   words across: 1 OB; down: 1 OR, 2 BA
// RA   across: 3 RA
std::unique_ptr<Puzzle> Square() {
    auto p = GridPuzzle(0, {"OB", "RA"});
    NumberWords(*p);
    return p;
}
} // namespace

class TestGame : public QObject {
    Q_OBJECT

private slots:
    void anEditRemembersChangesReportsAndJudgesInThatOrder() {
        Run run(*Square());
        run.session.settings.AutomatischMarkieren = true;
        QVERIFY(!run.game.CanUndo());
        run.game.Apply(edit::TypeLetter{1, 1, "O", true});
        run.game.Apply(edit::TypeLetter{2, 1, "B", true});
        QVERIFY(run.game.CanUndo());
        QCOMPARE(run.changes.size(), std::size_t(2));
        QCOMPARE(run.changes[1].What, Cause::Input);
        QCOMPARE(run.changes[1].Cells.size(), std::size_t(1));
        // The across word is full now and reported once; typing waits for the cursor.
        QCOMPARE(run.changes[0].Reports.size(), std::size_t(0));
        QCOMPARE(run.changes[1].Reports.size(), std::size_t(1));
        QVERIFY(run.changes[1].Reports[0].Across && !run.changes[1].Evaluate);
        // A written word is judged after the windows heard of it.
        run.said.clear();
        edit::WriteWord word;
        word.Col = 1;
        word.Row = 2;
        word.Text = "RA";
        run.game.Apply(word);
        QCOMPARE(run.said, (QStringList{"changed", "judged 1"}));
        // Without AutomatischMarkieren nothing is reported.
        run.session.settings.AutomatischMarkieren = false;
        run.game.Apply(edit::ClearLetter{1, 1, true});
        QVERIFY(run.changes.back().Reports.empty());
    }

    void undoPutsBackOneStepAndRechecks() {
        Run run(*Square());
        run.game.Apply(edit::TypeLetter{1, 1, "X", true});
        run.game.Apply(edit::TypeLetter{2, 1, "B", true});
        QCOMPARE(run.game.State().CheckState.at(1, 1), CheckState::Wrong);
        run.game.Undo();
        QCOMPARE(run.Entry(1, 1), std::string("X"));
        QCOMPARE(run.Entry(2, 1), std::string(" "));
        QCOMPARE(run.changes.back().What, Cause::Undo);
        QVERIFY(run.changes.back().WholeGrid && run.game.CanUndo() && run.game.CanRedo());
        run.game.Undo();
        const std::size_t said = run.changes.size();
        run.game.Undo();
        QCOMPARE(run.changes.size(), said); // nothing to undo: nothing said
        run.game.Redo();
        run.game.Apply(edit::ClearLetter{1, 1, true});
        run.game.Undo();
        QCOMPARE(run.game.State().CheckState.at(1, 1), CheckState::Wrong);
    }

    void resetIsUndoneButViewChangesLeaveNoUndoPoint() {
        Run run(*GridPuzzle(10, {"AB", "CD"}));
        run.game.Apply(edit::TypeLetter{1, 1, "A", true});
        run.game.SetShowSolution(true);
        run.game.Reset();
        QVERIFY(!run.game.Flags().ShowSolution);
        QCOMPARE(run.Entry(1, 1), std::string(" "));
        run.game.Undo();
        QCOMPARE(run.Entry(1, 1), std::string("A"));
        // A blank mark is a step; the solution shown and the clock are none.
        run.game.SetBlankMark(2, 2, true);
        QVERIFY(run.game.Image().cell(2, 2).has(CellFlag::PlacedBlock));
        run.game.SetShowSolution(true);
        run.game.SetClock(12, true);
        QCOMPARE(int(run.game.Image().ElapsedSeconds), 12);
        run.game.Undo();
        QVERIFY(!run.game.Image().cell(2, 2).has(CellFlag::PlacedBlock));
        QCOMPARE(int(run.game.Image().ElapsedSeconds), 12);
    }

    void sudokuAidsFollowEditsSnapshotsAndMarking() {
        auto sudoku = Sudoku9();
        Run run(*sudoku);
        const char first = run.game.Image().cell(1, 1).SolutionLetter.Chars[0];
        const int symbol = first - '1';
        QVERIFY(run.game.Candidates()[2][1][static_cast<std::size_t>(symbol)]);
        run.game.Apply(edit::TypeLetter{1, 1, std::string(1, first), true});
        QVERIFY(!run.game.Candidates()[2][1][static_cast<std::size_t>(symbol)]);
        QVERIFY(run.changes.back().WholeGrid);
        QCOMPARE(run.game.TakeSnapshot(45000.5), 1);
        run.game.Apply(edit::ClearLetter{1, 1, true});
        run.game.SetMarkTag(symbol + 1);
        QCOMPARE(run.game.MarkTag(), symbol + 1);
        QVERIFY(run.game.Image().cell(1, 1).has(CellFlag::PlayerMark));
        run.game.RestoreSnapshot(1);
        QCOMPARE(run.Entry(1, 1), std::string(1, first));
        QCOMPARE(run.changes.back().What, Cause::Snapshot);
        // Candidates and marking follow; the restore is a step of its own.
        QVERIFY(!run.game.Candidates()[2][1][static_cast<std::size_t>(symbol)]);
        QVERIFY(!run.game.Image().cell(1, 1).has(CellFlag::PlayerMark));
        run.game.Undo();
        QVERIFY(IsBlank(run.game.Image().entry(1, 1)));
        run.game.Redo();
        QCOMPARE(run.Entry(1, 1), std::string(1, first));
        const std::size_t said = run.changes.size();
        run.game.RestoreSnapshot(3); // empty slot: nothing
        QCOMPARE(run.changes.size(), said);
    }

    void theBytesAsReadOutliveTheStart() {
        auto timed = Sudoku9();
        timed->Image.PuzzleKind = 15;
        timed->Image.ElapsedSeconds = 77;
        PuzzleSession session;
        session.puzzle = *timed;
        PuzzleGame game(session);
        game.Loaded(QImage(), std::string("\x01jpeg", 5));
        game.Start();
        QCOMPARE(int(game.Image().ElapsedSeconds), 0);
        const auto* read = reinterpret_cast<const PuzzleImage*>(game.RecordBytes().data());
        QCOMPARE(game.RecordBytes().size(), sizeof(PuzzleImage));
        QCOMPARE(int(read->ElapsedSeconds), 77);
        QCOMPARE(game.PictureBytes().size(), std::size_t(5));
    }

    void keysAreReadPerKindFamily() {
        using Named = InputKey::Named;
        // Word kinds: letters upper-cased, the cursor goes on along the word.
        auto words = Square();
        KeyAction a = InterpretKey(words->Image, {1, 1, 1}, {U'b'});
        QVERIFY(a.Accepted && a.Evaluate && a.MoveTo && a.MoveTo->Column == 2);
        QCOMPARE(std::get<edit::TypeLetter>(*a.Change).Letter, std::string("B"));
        QVERIFY(!InterpretKey(words->Image, {1, 1, 1}, {U'1'}).Accepted);
        a = InterpretKey(words->Image, {2, 2, 2}, {0, Named::Backspace});
        QVERIFY(a.MoveTo && a.MoveTo->Row == 1 && std::get<edit::ClearLetter>(*a.Change).Row == 1);
        a = InterpretKey(words->Image, {2, 2, 0}, {0, Named::Delete});
        QCOMPARE(std::get<edit::ClearLetter>(*a.Change).Col, 2);
        // Header lines: a placed block takes keys without a change.
        auto lines = GridPuzzle(10, {"AB"});
        lines->Image.cell(1, 1).CellFlags |= CellFlag::PlacedBlock;
        a = InterpretKey(lines->Image, {1, 1, 1}, {U'a'});
        QVERIFY(a.Accepted && !a.Change && !a.Evaluate);
        // Sudoku: symbols up to the size, givens stay.
        auto sudoku = SudokuOfSize(4);
        QVERIFY(InterpretKey(sudoku->Image, {1, 1, 0}, {U'4'}).Change);
        QVERIFY(!InterpretKey(sudoku->Image, {1, 1, 0}, {U'5'}).Accepted);
        QVERIFY(!InterpretKey(sudoku->Image, {1, 1, 0}, {0, Named::Backspace}).Accepted);
        sudoku->Image.cell(1, 1).CellFlags |= CellFlag::SolutionOrGiven;
        a = InterpretKey(sudoku->Image, {1, 1, 0}, {U'3'});
        QVERIFY(a.Accepted && !a.Change && a.Evaluate);
        // Word search: typing is swallowed, a dragged line marks.
        auto search = GridPuzzle(12, {"ABC"});
        a = InterpretKey(search->Image, {1, 1, 0}, {U'a'});
        QVERIFY(a.Accepted && !a.Change);
        QVERIFY(!InterpretKey(search->Image, {1, 1, 0}, {0, Named::Delete}).Accepted);
        const auto line = InterpretLineDrag(search->Image, 1, 1, 3, 1, false);
        QVERIFY(line && std::get<edit::MarkLine>(*line).Line.Length == 3);
        QVERIFY(!InterpretLineDrag(words->Image, 1, 1, 2, 1, false));
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "test_game.moc"
