// The cell painter's colours and lines, sampled from rendered grids.
#include "CellPainter.h"
#include "GridLayout.h"
#include "Sudoku.h"
#include "SudokuAids.h"
#include "TestSupport.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTest>

namespace {
QColor Bgr(Colour c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

struct Rendered {
    QImage Image;
    GridLayout Layout;

    QRect Cell(int c, int r) const { return Layout.CellRect(c, r); }
    QColor At(int x, int y) const { return Image.pixelColor(x, y); }
    // A pixel near the cell's bottom-right corner, away from letters and numbers.
    QColor Background(int c, int r) const {
        const QRect rect = Cell(c, r);
        return At(rect.left() + rect.width() - 4, rect.top() + rect.height() - 4);
    }
    int Count(const QRect& area, const std::function<bool(QColor)>& test) const {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (test(At(x, y))) ++n;
        return n;
    }
    bool Has(int c, int r, const QColor& colour) const {
        return Count(Cell(c, r), [&](QColor p) { return p.rgb() == colour.rgb(); }) > 0;
    }
    // Dark pixels inside the cell, three pixels in from its edges.
    int Dark(int c, int r) const {
        return Count(Cell(c, r).adjusted(3, 3, -3, -3),
                     [](QColor p) { return qGray(p.rgb()) < 80; });
    }
};

struct Board {
    std::unique_ptr<Puzzle> P;
    Settings S;
    CandidateTable Candidates{};
    CellPaintContext Ctx;

    explicit Board(std::unique_ptr<Puzzle> puzzle) : P(std::move(puzzle)) {
        SetDefaultSettings(S, P->Image);
        Ctx.Image = &P->Image;
        Ctx.Config = &S;
        Ctx.Candidates = &Candidates;
        if (IsSudokuKind(P->Image.PuzzleKind)) {
            Ctx.BoxWidth = SudokuBoxWidth(P->Image);
            Ctx.BoxHeight = SudokuBoxHeight(P->Image);
        }
    }
    PuzzleImage& Im() { return P->Image; }

    Rendered Render() {
        Rendered out;
        ApplyBoardLayout(out.Layout, P->Image, S);
        Ctx.Grid = GeometryOf(out.Layout);
        const QSize size = out.Layout.TotalSize();
        out.Image = QImage(size, QImage::Format_RGB32);
        QPainter p(&out.Image);
        out.Layout.Paint(p, size, QRect(QPoint(0, 0), size), {},
                         [&](QPainter& painter, int c, int r, const QRect& rect,
                             GridLayout::CellState) { PaintCell(painter, Ctx, c, r, rect); });
        return out;
    }

    // PrintGrid onto a white page, one pixel per unit.
    QImage Print(int mode, int& cell, const QRect& area = QRect(0, 0, 700, 700)) {
        PrintGridInput input;
        input.Context = Ctx;
        input.Context.Target = PaintTarget::Printer;
        input.Context.ColourMode = mode;
        QImage page(area.width(), area.height(), QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter p(&page);
        cell = PrintGrid(p, area, input);
        return page;
    }
};
} // namespace

class TestCellPainter : public QObject {
    Q_OBJECT
private slots:
    void geometryOfThePainterMatchesTheGrid() {
        for (int kind : {0, 6, 9, 14}) {
            Board b(GridPuzzle(kind, {"AB#", "CDE"}));
            b.S.Feldgroesse = 27;
            GridLayout layout;
            ApplyBoardLayout(layout, b.Im(), b.S);
            b.Ctx.Grid = GeometryOf(layout);
            for (int c = 1; c <= 3; ++c)
                for (int r = 1; r <= 2; ++r)
                    QCOMPARE(ComputeCellRect(b.Ctx, c, r), layout.CellRect(c, r));
            QCOMPARE(layout.TotalSize(), BoardGridSize(b.Im(), 27));
        }
        Board plain(GridPuzzle(0, {"AB", "CD"}));
        QCOMPARE(BoardGridSize(plain.Im(), 30), QSize(2 * 31 + 3, 2 * 31 + 3));
        Board fence(GridPuzzle(6, {"AB", "CD"}));
        QCOMPARE(BoardGridSize(fence.Im(), 30), QSize(2 * 30 + 2, 2 * 30 + 2));
        Board french(GridPuzzle(8, {"AB", "CD"}));
        QCOMPARE(BoardGridSize(french.Im(), 30), QSize(30 + 2 * 31 + 3, 30 + 2 * 31 + 3));
    }

    void blocksTakeTheirKindsColour() {
        Board b(GridPuzzle(0, {"A#"}));
        b.S.FarbeLeerfeld1 = 0x123456;
        QCOMPARE(b.Render().Background(2, 1), Bgr(0x123456));
        QCOMPARE(b.Render().Background(1, 1), Bgr(b.S.FarbeBuchstabenfeld));

        Board fence(GridPuzzle(6, {"##A", "###"}));
        fence.S.FarbeLeerfeld2 = 0x00A0B0;
        const Rendered f = fence.Render();
        // Between two blocks there is no wall; towards a letter cell there is one.
        const QRect first = f.Cell(1, 1);
        QCOMPARE(f.At(first.right(), first.center().y()), Bgr(0x00A0B0));
        QCOMPARE(f.At(first.center().x(), first.bottom()), Bgr(0x00A0B0));
        const QRect second = f.Cell(2, 1);
        QCOMPARE(f.At(second.right(), second.center().y()), QColor(Qt::black));

        Board walls(GridPuzzle(6, {"#A", "A."}));
        walls.S.FarbeLeerfeld2 = 0x00A0B0;
        const Rendered w = walls.Render();
        const QRect block = w.Cell(1, 1);
        // Letter cells right of and below the block: two-pixel walls inside the block.
        QCOMPARE(w.At(block.right(), block.center().y()), QColor(Qt::black));
        QCOMPARE(w.At(block.right() - 1, block.center().y()), QColor(Qt::black));
        QCOMPARE(w.At(block.center().x() - 4, block.bottom()), QColor(Qt::black));
        QCOMPARE(w.At(block.right() - 2, block.top() + 3), Bgr(0x00A0B0));
    }

    void americanBlanksShowWhetherTheyAreRight() {
        auto p = GridPuzzle(10, {"AB", "#C"});
        p->Image.cell(2, 1).CellFlags |= CellFlag::PlacedBlock; // wrong: a letter cell
        p->Image.cell(1, 2).CellFlags |= CellFlag::PlacedBlock; // right: a true block
        Board b(std::move(p));
        b.S.FarbeLeerfeld1 = 0x102030;
        b.S.FehlerZeigen = true;
        Rendered r = b.Render();
        QCOMPARE(r.Background(2, 1), QColor(0x80, 0x00, 0x80));
        QCOMPARE(r.Background(1, 2), Bgr(0x102030));
        b.S.FehlerZeigen = false;
        QCOMPARE(b.Render().Background(2, 1), Bgr(0x102030));
        // With the solution shown the true blocks count, not the player's marks.
        b.Ctx.ShowSolution = true;
        r = b.Render();
        QCOMPARE(r.Background(2, 1), Bgr(b.S.FarbeBuchstabenfeld));
        QCOMPARE(r.Background(1, 2), Bgr(0x102030));
        // An unmarked true block is a letter cell for the player.
        b.Im().cell(1, 2).CellFlags &= ~CellFlag::PlacedBlock;
        b.Ctx.ShowSolution = false;
        QCOMPARE(b.Render().Background(1, 2), Bgr(b.S.FarbeBuchstabenfeld));
    }

    void solutionFieldsAndTheHighlight() {
        auto p = GridPuzzle(1, {"ABC", "D#E"});
        p->Image.cell(2, 1).CellFlags |= CellFlag::SolutionOrGiven;
        Board b(std::move(p));
        Rendered r = b.Render();
        QCOMPARE(r.Background(2, 1), Bgr(b.S.FarbeLoesungfeld));
        QCOMPARE(r.Background(1, 1), Bgr(b.S.FarbeBuchstabenfeld));
        // Current cell (1,1) across: the whole run up to the block is highlighted.
        b.Ctx.CurrentCol = 1;
        b.Ctx.CurrentRow = 1;
        b.Ctx.InputDirection = 1;
        r = b.Render();
        QCOMPARE(r.Background(1, 1), Bgr(b.S.LetterFieldMarkColour));
        QCOMPARE(r.Background(2, 1), Bgr(b.S.SolutionFieldMarkColour));
        QCOMPARE(r.Background(3, 1), Bgr(b.S.LetterFieldMarkColour));
        QCOMPARE(r.Background(1, 2), Bgr(b.S.FarbeBuchstabenfeld));
        // Down from (1,1): the cell below is in the word, the row is not.
        b.Ctx.InputDirection = 2;
        r = b.Render();
        QCOMPARE(r.Background(1, 2), Bgr(b.S.LetterFieldMarkColour));
        QCOMPARE(r.Background(2, 1), Bgr(b.S.FarbeLoesungfeld));
        b.S.AktuellenBegriffMarkieren = false;
        QCOMPARE(b.Render().Background(1, 1), Bgr(b.S.FarbeBuchstabenfeld));
    }

    void wrongAndMissingLetters() {
        Board b(GridPuzzle(0, {"AAA"}));
        SetEnteredLetter(*b.P, 1, 1, "X"); // wrong
        SetEnteredLetter(*b.P, 2, 1, "A"); // right; (3,1) stays empty
        b.S.FarbeFalscheBuchstaben = 0x0000FF;
        b.S.FarbeBuchstaben = 0x00FF00;
        b.S.FarbeFehlendeBuchstaben = 0xFF0000;
        b.S.FehlerZeigen = true;
        Rendered r = b.Render();
        QVERIFY(r.Has(1, 1, Bgr(0x0000FF)));
        QVERIFY(!r.Has(1, 1, Bgr(0x00FF00)));
        QVERIFY(r.Has(2, 1, Bgr(0x00FF00)));
        b.S.FehlerZeigen = false;
        r = b.Render();
        QVERIFY(!r.Has(1, 1, Bgr(0x0000FF)));
        QVERIFY(r.Has(1, 1, Bgr(0x00FF00)));
        // The solution shown: wrong and empty cells get the missing-letter colour.
        b.Ctx.ShowSolution = true;
        r = b.Render();
        QVERIFY(r.Has(1, 1, Bgr(0xFF0000)));
        QVERIFY(r.Has(3, 1, Bgr(0xFF0000)));
        QVERIFY(!r.Has(2, 1, Bgr(0xFF0000)));
        QVERIFY(r.Has(2, 1, Bgr(0x00FF00)));
    }

    void sudokuBoxLines() {
        Board b(Sudoku9());
        const Rendered r = b.Render();
        const int x = r.Cell(2, 1).center().x();
        const int line34 = r.Cell(2, 4).top() - 1; // the grid line between rows 3 and 4
        for (int y : {line34 - 1, line34, line34 + 1}) QCOMPARE(r.At(x, y), QColor(Qt::black));
        const int line12 = r.Cell(2, 2).top() - 1;
        for (int y : {line12 - 1, line12, line12 + 1})
            QCOMPARE(r.At(x, y), QColor(0x80, 0x80, 0x80));
        // Columns likewise: black between 3 and 4, grey between 4 and 5.
        const int y = r.Cell(1, 5).center().y();
        QCOMPARE(r.At(r.Cell(4, 5).left() - 1, y), QColor(Qt::black));
        QCOMPARE(r.At(r.Cell(5, 5).left() - 1, y), QColor(0x80, 0x80, 0x80));
    }

    void candidatesOnlyInEmptyCells() {
        Board b(Sudoku9());
        b.S.FarbeBuchstaben = 0x00FF00;
        SetEnteredLetter(*b.P, 1, 1, "1");
        FillCandidates(b.Im(), b.Candidates);
        b.S.MoeglicheZahlenZeigen = false;
        Rendered r = b.Render();
        QCOMPARE(r.Dark(2, 1), 0);
        b.S.MoeglicheZahlenZeigen = true;
        r = b.Render();
        QVERIFY(r.Dark(2, 1) > 0);
        QCOMPARE(r.Dark(1, 1), 0); // the symbol is drawn in the letter colour, not black
        // Cell (2,1) may not take 1 any more: the top-left sub-cell stays empty.
        const QRect cell = r.Cell(2, 1);
        const QRect first(cell.left() + 2, cell.top() + 2, cell.width() / 3 - 1,
                          cell.height() / 3 - 1);
        QCOMPARE(r.Count(first, [](QColor p) { return qGray(p.rgb()) < 80; }), 0);
        const QRect second(first.translated(cell.width() / 3, 0));
        QVERIFY(r.Count(second, [](QColor p) { return qGray(p.rgb()) < 80; }) > 0);
    }

    void markedSudokuCells() {
        Board b(Sudoku9());
        b.Im().cell(5, 5).CellFlags |= CellFlag::PlayerMark;
        Rendered r = b.Render();
        QCOMPARE(r.Background(5, 5), Bgr(b.S.FarbeLoesungfeld));
        // The current cell is highlighted instead.
        b.Ctx.CurrentCol = b.Ctx.CurrentRow = 5;
        QCOMPARE(b.Render().Background(5, 5), Bgr(b.S.LetterFieldMarkColour));
        ApplyFieldMarking(b.Im(), 0);
        b.Ctx.CurrentCol = b.Ctx.CurrentRow = 0;
        QCOMPARE(b.Render().Background(5, 5), Bgr(b.S.FarbeBuchstabenfeld));
    }

    void headerNumbersForRowAndColumnPuzzles() {
        for (int kind : {8, 9, 10, 11}) {
            Board b(GridPuzzle(kind, {"AB", "CD"}));
            const Rendered r = b.Render();
            QVERIFY(r.Cell(0, 1).width() > 0);
            QVERIFY2(r.Dark(0, 1) > 0, "row number");
            QVERIFY2(r.Dark(1, 0) > 0, "column number");
            QCOMPARE(r.Dark(0, 0), 0);
            QCOMPARE(r.Background(0, 0), Bgr(b.S.System.ButtonFace));
        }
        Board plain(GridPuzzle(4, {"AB", "CD"}));
        const Rendered r = plain.Render();
        QCOMPARE(r.Cell(0, 1).width(), 0);
        QCOMPARE(r.Cell(1, 0).height(), 0);
    }

    void cursorFrameAndDirectionArrow() {
        Board b(GridPuzzle(0, {"AB", "CD"}));
        b.Ctx.CurrentCol = b.Ctx.CurrentRow = 1;
        b.Ctx.InputDirection = 1;
        Rendered r = b.Render();
        const QColor highlight = Bgr(b.S.System.Highlight);
        QVERIFY(!r.Has(1, 1, highlight)); // no focus, no cursor
        b.Ctx.Focused = true;
        r = b.Render();
        const QRect c = r.Cell(1, 1);
        QCOMPARE(r.At(c.left() + 1, c.center().y()), highlight);
        QCOMPARE(r.At(c.right() - 1, c.top() + 5), highlight);
        // The across arrow's tip sits 3 pixels in from the right edge, centred.
        const int tipX = c.left() + c.width() - 11 + 8;
        const int midY = c.top() + (c.height() - 9) / 2 + 4;
        QCOMPARE(r.At(tipX, midY), QColor(Qt::black));
        b.Ctx.InputDirection = 2;
        r = b.Render();
        const int downTipY = c.top() + c.height() - 11 + 8;
        const int midX = c.left() + (c.width() - 9) / 2 + 4;
        QCOMPARE(r.At(midX, downTipY), QColor(Qt::black));
        QVERIFY(r.At(tipX, midY) != QColor(Qt::black));
        // The solution shown: no cursor.
        b.Ctx.ShowSolution = true;
        QVERIFY(!b.Render().Has(1, 1, highlight));
    }

    void printModes() {
        auto p = GridPuzzle(1, {"A#AA", "BCAA"});
        p->Image.cell(1, 2).CellFlags |= CellFlag::SolutionOrGiven;
        Board b(std::move(p));
        b.S.FarbeLeerfeld1 = 0x336699;
        int cell = 0;
        const auto at = [&](const QImage& page, int c, int r) {
            // Printed cell (c, r) of a grid without header, sampled near its bottom-right.
            return page.pixelColor((c - 1) * cell + cell - 4, (r - 1) * cell + cell - 4);
        };
        QImage page = b.Print(0, cell);
        QVERIFY2(cell > 100, qPrintable(QString::number(cell)));
        QCOMPARE(at(page, 2, 1), QColor(Qt::white));
        QCOMPARE(at(page, 1, 2), QColor(Qt::white));
        page = b.Print(1, cell);
        QCOMPARE(at(page, 2, 1), QColor(Qt::black));
        QCOMPARE(at(page, 1, 2), QColor(0xDD, 0xDD, 0xDD));
        QCOMPARE(at(page, 1, 1), QColor(Qt::white));
        page = b.Print(2, cell);
        QCOMPARE(at(page, 2, 1), Bgr(0x336699));
        QCOMPARE(at(page, 1, 2), Bgr(b.S.FarbeLoesungfeld));
        // The highlight of the screen never reaches the paper.
        b.Ctx.CurrentCol = b.Ctx.CurrentRow = 1;
        page = b.Print(2, cell);
        QCOMPARE(at(page, 1, 1), QColor(Qt::white));
    }

    void printingAOneColumnSolutionWordPuzzle() {
        // The room kept for the solution row is measured by the columns after the
        // first; a single column must not divide by zero.
        Board narrow(GridPuzzle(1, {"A", "B"}));
        int cell = 0;
        narrow.Print(2, cell, QRect(0, 0, 400, 400));
        QVERIFY(cell >= 1);
    }

    void printedHeadersOnlyForRowAndColumnPuzzles() {
        Board french(GridPuzzle(8, {"AB", "CD"}));
        int cell = 0;
        QImage page = french.Print(1, cell, QRect(0, 0, 600, 600));
        // Three printed columns: the header and two puzzle columns.
        QCOMPARE(cell, (600 - 4 * 1) / 3);
        const QRect corner(3, 3, cell - 6, cell - 6);
        const QRect header(cell + 3, 3, cell - 6, cell - 6);
        int dark = 0;
        for (int y = header.top(); y <= header.bottom(); ++y)
            for (int x = header.left(); x <= header.right(); ++x)
                if (qGray(page.pixel(x, y)) < 80) ++dark;
        QVERIFY(dark > 0);
        QCOMPARE(page.pixelColor(corner.center()), QColor(0xC0, 0xC0, 0xC0));
        Board plain(GridPuzzle(4, {"AB", "CD"}));
        plain.Print(1, cell, QRect(0, 0, 600, 600));
        QCOMPARE(cell, (600 - 3 * 1) / 2);
    }
};

QTEST_MAIN(TestCellPainter)
#include "test_CellPainter.moc"
