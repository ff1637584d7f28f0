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
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

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

    void theGridFitsTheWindowAndCtrlWheelZooms() {
        TestHost host;
        auto p = GridPuzzle(0, {"ABCDEF", "GHIJKL", "MNOPQR"});
        auto board = OpenOn(host, *p);
        const Settings& s = host.session.settings;
        const QSize view(300, 260);
        // The largest size whose grid fits; a viewport too small gets the least.
        const int fit = FitCellSize(host.session.image(), view, 20, 60);
        const auto fits = [&](int size, QSize room) {
            const QSize grid = BoardGridSize(host.session.image(), size);
            return grid.width() <= room.width() && grid.height() <= room.height();
        };
        QVERIFY(fits(fit, view) && !fits(fit + 1, view));
        QCOMPARE(FitCellSize(host.session.image(), QSize(50, 50), 20, 60), 20);

        UiCommand& command = host.commands.Get(CommandId::FitToWindow);
        board->resize(330, 400);
        command.Trigger();
        QVERIFY(board->FitToWindow() && command.Checked());
        const auto fitted = [&] {
            const QSize viewport = board->ScrollBox()->maximumViewportSize();
            return fits(s.Feldgroesse, viewport) && !fits(s.Feldgroesse + 1, viewport);
        };
        QVERIFY(fitted());
        // The fitted cells follow the window.
        const int wide = s.Feldgroesse;
        board->resize(250, 200);
        QTRY_VERIFY(s.Feldgroesse < wide && fitted());

        // Ctrl + wheel zooms by the steps of + and -, and ends the fitting;
        // the wheel alone leaves the size.
        const auto wheel = [&](int delta, Qt::KeyboardModifiers mods) {
            const QPointF at = board->Grid()->rect().center();
            QWheelEvent e(at, board->Grid()->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton,
                          mods, Qt::NoScrollPhase, false);
            QApplication::sendEvent(board->Grid(), &e);
        };
        const int before = s.Feldgroesse;
        wheel(120, Qt::ControlModifier);
        QCOMPARE(s.Feldgroesse, before + 1);
        QVERIFY(!board->FitToWindow() && !command.Checked());
        wheel(-240, Qt::ControlModifier);
        QCOMPARE(s.Feldgroesse, before - 1);
        wheel(-60, Qt::ControlModifier); // half a notch waits for the other half
        QCOMPARE(s.Feldgroesse, before - 1);
        wheel(-120, Qt::NoModifier);
        QCOMPARE(s.Feldgroesse, before - 1);
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
