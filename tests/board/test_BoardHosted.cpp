// The board with a small host instead of the frame: what it asks of its host
// and what it tells the other windows, seen from outside.
#include "BoardHost.h"
#include "ClueListLink.h"
#include "CommandIds.h"
#include "Evaluation.h"
#include "PuzzleEvents.h"
#include "PuzzleGame.h"
#include "RaetselFormular.h"
#include "Session.h"
#include "StringGrid.h"
#include "TestSupport.h"
#include "UiCommand.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {
struct FakeClueList : QWidget, ClueListLink {
    QStringList calls;
    void FormShow() override {}
    QWidget* Widget() override { return this; }
    bool ClueListVisible() const override { return true; }
    void FocusEntryByNumber(int number, bool across) override {
        calls << QStringLiteral("focus %1 %2").arg(number).arg(across);
    }
    void MarkWordSolved(int wordIndex, bool across, bool solved) override {
        calls << QStringLiteral("mark %1 %2 %3").arg(wordIndex).arg(across).arg(solved);
    }
    int FindEntryByNumber(int, bool) override { return -1; }
    std::string EntryWord(int, bool) override { return {}; }
    void SetEntrySolved(int, bool, bool) override {}
    void UpdateDragCursor() override {}
    void BuildLists() override {}
    bool TwoLists() const override { return true; }
    int DragSourceList(const QObject*) const override { return -1; }
    std::optional<ClueEntryWord> FocusedEntry(bool) const override { return std::nullopt; }
};

// Everything the board may ask, answered in place and remembered.
struct TestHost : BoardHost {
    PuzzleSession session;
    PuzzleEvents events;
    PuzzleGame game{session};
    CommandRegistry commands;
    QWidget parent;
    FakeClueList* clues = nullptr;
    int undoPoints = 0;
    int opened = 0;
    int closing = 0;
    QList<int> notices;
    QStringList hints;

    PuzzleSession& Session() override { return session; }
    PuzzleEvents& Events() override { return events; }
    CommandRegistry& Commands() override { return commands; }
    PuzzleGame& Game() override { return game; }
    ClueListLink* ClueList() const override { return clues; }
    SolutionWordLink* SolutionWord() const override { return nullptr; }
    void OpenCompanions(BoardLink&) override { ++opened; }
    void ArrangeChildren() override {}
    TestHost() {
        // Edits and their reports as the clue list and the frame hear them.
        QObject::connect(&game, &PuzzleGame::Changed, [this](const GameChange& change) {
            if (change.What != GameChange::Cause::Input) return;
            ++undoPoints;
            for (const WordReport& r : change.Reports)
                if (clues) clues->MarkWordSolved(r.WordIndex, r.Across, r.Solved);
        });
        QObject::connect(&game, &PuzzleGame::CompletionRequested,
                         [this](const CompletionNotice& notice) {
                             if (notice.ShowMessage) notices << notice.MessageKind;
                         });
    }
    bool AidAllowed(int bits) const override { return (session.image().AllowedAids & bits) != 0; }
    int ClientAreaHeight() const override { return 2000; }
    void ShowHint(const QString& hint) override { hints << hint; }
    void SetStandardCaption() override {}
    QWidget* DialogParent() override { return &parent; }
    void BoardClosing() override { ++closing; }
    void CloseProgram() override {}
};

std::unique_ptr<TRaetselForm> OpenOn(TestHost& host, const Puzzle& puzzle) {
    host.session.puzzle = puzzle;
    SetDefaultSettings(host.session.settings, host.session.image());
    auto board = std::make_unique<TRaetselForm>(host);
    board->show();
    QCoreApplication::processEvents();
    return board;
}
} // namespace

class TestBoardHosted : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName("Zoruvidedid"); }

    void typingTakesTheEditingRoadOnce() {
        TestHost host;
        auto p = GridPuzzle(0, {"AB", "C#"});
        NumberWords(*p);
        host.clues = new FakeClueList;
        host.session.settings.AutomatischMarkieren = true;
        auto board = OpenOn(host, *p);
        QCOMPARE(host.opened, 1); // showing the board opens its companions
        StringGrid* grid = board->Grid();
        grid->setFocus();
        QTest::keyClicks(grid, "ab");
        // One undo point per key, the word reported once it is full.
        QCOMPARE(host.undoPoints, 2);
        QCOMPARE(host.clues->calls.filter("mark"),
                 QStringList{
                     QStringLiteral("mark %1 1 1").arg(FindWord(host.session.image(), 1, true))});
        grid->SelectCell(1, 2);
        QTest::keyClicks(grid, "c");
        // The last letter solves the puzzle; the host is told once.
        QCOMPARE(host.notices, QList<int>{1});
        delete host.clues;
    }

    void zoomResetAndCloseAreAnnounced() {
        TestHost host;
        auto board = OpenOn(host, *GridPuzzle(0, {"AB"}));
        QSignalSpy zoomed(&host.events, &PuzzleEvents::Zoomed);
        QSignalSpy reset(&host.game, &PuzzleGame::Changed);
        const int size = host.session.settings.Feldgroesse;
        host.commands.Get(CommandId::ZoomIn).Trigger();
        QCOMPARE(host.session.settings.Feldgroesse, size + 1);
        QCOMPARE(zoomed.count(), 1);
        host.session.flags.ShowSolution = true;
        host.game.Reset();
        QCOMPARE(reset.count(), 1);
        QVERIFY(!host.session.flags.ShowSolution);
        board->close();
        QCOMPARE(host.closing, 1);
    }

    void theBoardsCommandsLeaveWithIt() {
        TestHost host;
        QAction entry("Vergrößern");
        host.commands.Get(CommandId::ZoomIn).Bind(&entry);
        {
            auto board = OpenOn(host, *GridPuzzle(0, {"AB"}));
            QVERIFY(entry.isEnabled());
            QVERIFY(board->findChild<QToolButton*>("SBZoomIn")->isEnabled());
        }
        // Without the board its commands have nothing to run.
        QVERIFY(!entry.isEnabled());
        QVERIFY(!host.commands.Get(CommandId::RevealLetter).Available());
    }
};

QTEST_MAIN(TestBoardHosted)
#include "test_BoardHosted.moc"
