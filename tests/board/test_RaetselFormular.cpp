// The board window inside the real frame: creation, caption, layout, zoom,
// first cell, tool bar and closing.
#include "BoardFixture.h"
#include "ContainerWriter.h"
#include "GradientBar.h"
#include "Hauptformular.h"
#include "PuzzleGame.h"
#include "RaetselFormular.h"
#include "Session.h"
#include "StringGrid.h"
#include "TestSupport.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QStyle>
#include <QTest>
#include <QToolButton>

namespace {
struct Opened : OpenedBoard {
    QMdiSubWindow* Sub() const { return qobject_cast<QMdiSubWindow*>(Board->parentWidget()); }
};

std::unique_ptr<Opened> Open(const Puzzle& puzzle, const std::string& name) {
    return OpenBoard<Opened>(puzzle, name);
}
} // namespace

class TestRaetselFormular : public QObject {
    Q_OBJECT
private slots:
    void captions() {
        auto p = GridPuzzle(1, {"AB"});
        QCOMPARE(BoardCaption(p->Image), QStringLiteral("Schwedenrätsel mit Lösungswort"));
        p->Image.PuzzleKind = 4;
        QCOMPARE(BoardCaption(p->Image), QStringLiteral("Füllrätsel"));
        p->Image.PuzzleKind = 14;
        p->Image.Difficulty = 1;
        QCOMPARE(BoardCaption(p->Image), QStringLiteral("Sudoku (mittelschwer)"));
        p->Image.PuzzleKind = 15;
        p->Image.Difficulty = 2;
        QCOMPARE(BoardCaption(p->Image), QStringLiteral("Sudoku auf Zeit (schwer)"));
        p->Image.Difficulty = 3;
        QCOMPARE(BoardCaption(p->Image), QStringLiteral("Sudoku auf Zeit (sehr schwer)"));
        // A level byte beyond the four names is not read past the table.
        p->Image.Difficulty = 200;
        QCOMPARE(BoardCaption(p->Image), QStringLiteral("Sudoku auf Zeit"));
        p->Image.PuzzleTitle.set("R\xE4tsel der Woche");
        QCOMPARE(BoardCaption(p->Image), QStringLiteral("Rätsel der Woche"));

        auto sudoku = SudokuOfSize(9, 14);
        sudoku->Image.Difficulty = 0;
        const auto o = Open(*sudoku, "caption.zvr");
        QVERIFY(o->Board);
        QCOMPARE(o->Board->windowTitle(), QStringLiteral("Sudoku (leicht)"));
        QCOMPARE(o->Sub()->windowTitle(), QStringLiteral("Sudoku (leicht)"));
        QVERIFY(o->Frame->windowTitle().startsWith(QStringLiteral("Velmar ")));
    }

    void layoutFitsWindowToGrid() {
        const auto o =
            Open(*GridPuzzle(0, {"ABCDE", "ABCDE", "ABCDE", "ABCDE", "ABCDE"}), "layout.zvr");
        QVERIFY(o->Board);
        const QSize grid(5 * 31 + 3, 5 * 31 + 3);
        QCOMPARE(o->Board->Grid()->size(), grid);
        QCOMPARE(o->Board->Grid()->Layout().TotalSize(), grid);
        QCOMPARE(o->Board->size(), QSize(grid.width(), grid.height() + 30));
        const QMargins m = o->Sub()->contentsMargins();
        QCOMPARE(o->Sub()->size(), QSize(grid.width() + m.left() + m.right(),
                                         grid.height() + 30 + m.top() + m.bottom()));
        QCOMPARE(o->Sub()->pos(), QPoint(0, 0));
        QVERIFY(!o->Board->Grid()->RangeSelect());
        QCOMPARE(o->Board->Grid()->Layout().LineWidth, 1);

        // The Sudoku's marking panel makes the window wider than its grid.
        const auto s = Open(*SudokuOfSize(9), "layout-sudoku.zvr");
        QVERIFY(s->Board);
        const QWidget* panel = s->Board->Toolbar().PanelMark();
        QCOMPARE(s->Board->width(), panel->x() + panel->width() + 4);
        // The fence grid has no lines.
        const auto f = Open(*GridPuzzle(6, {"AB#", "CDE"}), "layout-fence.zvr");
        QCOMPARE(f->Board->Grid()->Layout().LineWidth, 0);
        QCOMPARE(f->Board->Grid()->size(), QSize(3 * 30 + 2, 2 * 30 + 2));
    }

    void tooTallGridScrolls() {
        std::vector<std::string> rows(40, "ABC");
        const auto o = Open(*GridPuzzle(0, rows), "tall.zvr");
        QVERIFY(o->Board);
        const int room = o->Frame->ClientAreaHeight() - 6;
        QVERIFY(40 * 31 + 3 > room);
        QCOMPARE(o->Sub()->height(), room);
        const int scrollBar = o->Board->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        QCOMPARE(o->Board->width(), 3 * 31 + 3 + scrollBar);
        QCOMPARE(o->Board->Grid()->height(), 40 * 31 + 3);
        QVERIFY(o->Board->ScrollBox()->height() < o->Board->Grid()->height());
    }

    void zoomBounds() {
        const auto o = Open(*GridPuzzle(4, {"AB", "CD"}), "zoom.zvr");
        QVERIFY(o->Board);
        Settings& s = o->Session->settings;
        s.Feldgroesse = 21;
        o->Board->Zoom(-1);
        QCOMPARE(s.Feldgroesse, 20);
        QCOMPARE(s.Schriftgroesse, 10);
        s.Schriftgroesse = 99;
        o->Board->Zoom(-1);
        QCOMPARE(s.Feldgroesse, 20);
        QCOMPARE(s.Schriftgroesse, 99);
        s.Feldgroesse = 59;
        o->Board->Zoom(1);
        QCOMPARE(s.Feldgroesse, 60);
        QCOMPARE(s.Schriftgroesse, 44);
        QCOMPARE(o->Board->Grid()->size(), QSize(2 * 61 + 3, 2 * 61 + 3));
        o->Board->Zoom(1);
        QCOMPARE(s.Feldgroesse, 60);
        o->Board->Zoom(0);
        QCOMPARE(s.Feldgroesse, 60);
        QCOMPARE(FontSizeForCell(30), 16);
        QCOMPARE(FontSizeForCell(28), 14);
        QCOMPARE(FontSizeForCell(24), 12);
        // The zoom-out button is wired to the same handler.
        o->Button("SBZoomOut")->click();
        QCOMPARE(s.Feldgroesse, 59);
    }

    void toolbarSpansTheWindow() {
        const auto o = Open(*SmallCrossword(), "toolbar-width.zvr");
        QVERIFY(o->Board);
        QMdiSubWindow* sub = o->Sub();
        const auto spans = [&](int width) {
            QCoreApplication::processEvents();
            return o->Board->Toolbar().Bar()->width() == width && o->Board->width() == width;
        };
        for (int i = 0; i < 4; ++i) o->Board->Zoom(1);
        QVERIFY(spans(sub->contentsRect().width()));
        // Maximised, the board fills the frame's area, zoomed or not.
        sub->showMaximized();
        const QSize area = sub->mdiArea()->viewport()->size();
        QVERIFY(QTest::qWaitFor([&] { return sub->size() == area; }, 2000));
        QVERIFY(spans(area.width()));
        o->Board->Zoom(1);
        QCOMPARE(sub->size(), area);
        QVERIFY(spans(area.width()));
        QVERIFY(o->Board->Grid()->width() < area.width());
        // Back to normal it fits the grid again.
        sub->showNormal();
        QVERIFY(QTest::qWaitFor([&] { return sub->width() < area.width(); }, 2000));
        QVERIFY(spans(o->Board->Grid()->width()));
    }

    void firstCellSkipsBlocks() {
        const auto o = Open(*GridPuzzle(0, {"###", "#AB", "CDE"}), "first.zvr");
        QVERIFY(o->Board);
        QCOMPARE(o->Board->Grid()->Col(), 2);
        QCOMPARE(o->Board->Grid()->Row(), 2);

        // A first cell beyond column 15.
        std::vector<std::string> rows(20, std::string(20, 'A'));
        rows[0] = std::string(16, '#') + "AAAA";
        const auto wide = Open(*GridPuzzle(0, rows), "first-wide.zvr");
        QVERIFY(wide->Board);
        QCOMPARE(wide->Board->Grid()->Col(), 17);
        QCOMPARE(wide->Board->Grid()->Row(), 1);
        QCOMPARE(wide->Board->Cursor().CurrentWord.StartColumn, 17);
    }

    void wordSearchStartsWithoutSelection() {
        const auto o = Open(*GridPuzzle(12, {"ABC", "DEF"}), "search.zvr");
        QVERIFY(o->Board);
        QVERIFY(o->Board->Grid()->RangeSelect());
        QVERIFY(o->Board->Grid()->Selection().Empty());
        QVERIFY(!ButtonVisible(o->Board, "SBBuchstEintragen"));
    }

    void creationPreparesThePuzzle() {
        auto p = SudokuOfSize(4);
        const Letter right = p->Image.cell(2, 1).SolutionLetter;
        p->Image.entry(1, 1).set(right.view()); // (1,1) cannot hold its neighbour's symbol
        p->Image.entry(2, 1) = right;
        const auto o = Open(*p, "create.zvr");
        QVERIFY(o->Board);
        QCOMPARE(o->Session->puzzle.CheckState.at(1, 1), CheckState::Wrong);
        QCOMPARE(o->Session->puzzle.CheckState.at(2, 1), CheckState::Filled);
        QCOMPARE(o->Session->puzzle.CheckState.at(3, 1), CheckState::Blank);

        auto timed = SudokuOfSize(6, 15);
        timed->Image.ElapsedSeconds = 77;
        timed->Image.cell(2, 2).CellFlags |= CellFlag::PlayerMark;
        const auto t = Open(*timed, "timed.zvr");
        QVERIFY(t->Board);
        QCOMPARE(int(t->Im().ElapsedSeconds), 0);
        QCOMPARE(int(t->Im().ClockRunning), 1);
        QCOMPARE(t->Board->PaintState().BoxWidth, 3);
        QCOMPARE(t->Board->PaintState().BoxHeight, 2);
        QVERIFY(!t->Im().cell(2, 2).has(CellFlag::PlayerMark)); // no marking chosen yet
        QVERIFY(t->Board->Game().Candidates()[1][1][0]);
    }

    void toolbarFollowsTheKind() {
        const auto o = Open(*GridPuzzle(0, {"AB", "CD"}), "toolbar.zvr");
        QVERIFY(o->Board);
        QVERIFY(ButtonVisible(o->Board, "SBShowHints"));
        QVERIFY(!ButtonVisible(o->Board, "PanelMark"));
        QVERIFY(!ButtonVisible(o->Board, "SBLeerfeld"));
        QCOMPARE(o->Button("SBBegrEintragen")->x(), 104 + 22 + 8);
        QCOMPARE(o->Button("SBBuchstEintragen")->x(), 104 + 22 + 8 + 22);
        QVERIFY(o->Button("SBZoomIn")->isEnabled());
        QCOMPARE(o->Button("SBShowHints")->toolTip(),
                 QStringLiteral("Nummern und Umschreibungen als Tooltip anzeigen"));

        const auto s = Open(*SudokuOfSize(9), "toolbar-sudoku.zvr");
        QVERIFY(s->Board);
        QVERIFY(!ButtonVisible(s->Board, "SBShowHints"));
        QVERIFY(ButtonVisible(s->Board, "SBShowHintGrids"));
        QVERIFY(!ButtonVisible(s->Board, "SBShowLength"));
        QVERIFY(ButtonVisible(s->Board, "PanelMark"));
        QCOMPARE(s->Button("SBBegrEintragen")->x(), 104 + 8);
        QCOMPARE(s->Board->Toolbar().PanelMark()->x(), 104 + 8 + 22 + 22);
        QVERIFY(ButtonDown(s->Board, "SBMarkKeine"));

        const auto a = Open(*GridPuzzle(10, {"AB", "CD"}), "toolbar-american.zvr");
        QVERIFY(a->Board);
        QVERIFY(ButtonVisible(a->Board, "SBLeerfeld"));
        QVERIFY(!ButtonVisible(a->Board, "SBBegrEintragen"));
        QVERIFY(a->Board->width() >= 180 + 22 + 4);
    }

    void clickMovesTheCurrentCell() {
        const auto o = Open(*GridPuzzle(0, {"ABC", "D#E"}), "click.zvr");
        QVERIFY(o->Board);
        StringGrid* g = o->Board->Grid();
        QTest::mouseClick(g, Qt::LeftButton, {}, g->CellRect(3, 2).center());
        QCOMPARE(g->Col(), 3);
        QCOMPARE(g->Row(), 2);
        QCOMPARE(o->Board->Cursor().PrevCol, 1);
        QCOMPARE(o->Board->Cursor().PrevRow, 1);
        QTest::keyClick(g, Qt::Key_Up);
        QCOMPARE(g->Row(), 1);
        // Header cells never become current.
        QVERIFY(!o->Board->RaetselSelectCell(0, 1, true));
    }

    void closingResetsTheFrame() {
        const auto o = Open(*GridPuzzle(0, {"AB"}), "close.zvr");
        QVERIFY(o->Board);
        o->Session->flags.ShowSolution = true;
        o->Sub()->close();
        QVERIFY(!o->Session->flags.ShowSolution);
        QTRY_VERIFY(!o->Frame->BoardOpen());
    }
};

QTEST_MAIN(TestRaetselFormular)
#include "test_RaetselFormular.moc"
