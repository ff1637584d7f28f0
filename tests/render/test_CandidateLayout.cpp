// Sudoku candidates drawn into single cells: every symbol whole, clear of the
// cell's lines and of its neighbours, at every cell size the board offers.
#include "CandidateLayout.h"
#include "CellPainter.h"
#include "GridLayout.h"
#include "Sudoku.h"
#include "SudokuAids.h"
#include "TestSupport.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTest>

#include <array>
#include <cmath>
#include <numeric>

namespace {
constexpr int Pad = 4; // room around the cell for its own lines

struct CellBench {
    std::unique_ptr<Puzzle> P;
    Settings S;
    CandidateTable Candidates{};
    CellPaintContext Ctx;
    GridLayout Layout;

    CellBench(int symbols, int cellSize) : P(SudokuOfSize(symbols)) {
        SetDefaultSettings(S, P->Image);
        S.Feldgroesse = cellSize;
        S.MoeglicheZahlenZeigen = true;
        Ctx.Image = &P->Image;
        Ctx.Config = &S;
        Ctx.Candidates = &Candidates;
        Ctx.BoxWidth = SudokuBoxWidth(P->Image);
        Ctx.BoxHeight = SudokuBoxHeight(P->Image);
        ApplyBoardLayout(Layout, P->Image, S);
        Ctx.Grid = GeometryOf(Layout);
    }
    QRect Cell() const { return Layout.CellRect(2, 2); }
    // Cell (2,2) alone with the given candidates; the image shows the cell at (Pad, Pad).
    QImage Paint(const std::vector<int>& symbols) {
        auto& flags = Candidates[2][2];
        flags.fill(false);
        for (int s : symbols) flags[static_cast<std::size_t>(s - 1)] = true;
        const QRect cell = Cell();
        QImage image(cell.width() + 2 * Pad, cell.height() + 2 * Pad, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.translate(Pad - cell.left(), Pad - cell.top());
        PaintCell(p, Ctx, 2, 2, cell);
        return image;
    }
};

// The pixels where two images differ.
QRect Difference(const QImage& a, const QImage& b, int* count = nullptr) {
    QRect box;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                box |= QRect(x, y, 1, 1);
                ++n;
            }
    if (count) *count = n;
    return box;
}
} // namespace

class TestCandidateLayout : public QObject {
    Q_OBJECT
private slots:
    void everySymbolWholeAndClearOfTheLines() {
        for (int symbols : {4, 6, 9, 12}) {
            for (int size = 20; size <= 60; ++size) {
                CellBench bench(symbols, size);
                const QImage empty = bench.Paint({});
                const QRect cell = bench.Cell();
                // The lines take the cell's outermost pixels; one more stays free.
                const QRect free(Pad + 2, Pad + 2, cell.width() - 4, cell.height() - 4);
                std::vector<QRect> inks;
                for (int s = 1; s <= symbols; ++s) {
                    int pixels = 0;
                    const QRect ink = Difference(empty, bench.Paint({s}), &pixels);
                    const QByteArray where = QStringLiteral("%1 symbols, cell %2, symbol %3")
                                                 .arg(symbols)
                                                 .arg(size)
                                                 .arg(s)
                                                 .toLatin1();
                    QVERIFY2(pixels > 0, where.constData());
                    QVERIFY2(free.contains(ink), where.constData());
                    for (const QRect& other : inks)
                        QVERIFY2(!other.intersects(ink), where.constData());
                    inks.push_back(ink);
                }
                // Drawn together they stay inside as well.
                std::vector<int> all(static_cast<std::size_t>(symbols));
                std::iota(all.begin(), all.end(), 1);
                QVERIFY(free.contains(Difference(empty, bench.Paint(all))));
            }
        }
    }

    void symbolsStayReadableAndInBoxOrder() {
        // A common 9 x 9 cell: three rows of three, the digits at least 6 pixels high.
        CellBench bench(9, 30);
        const QImage empty = bench.Paint({});
        std::array<QRect, 10> ink;
        for (int s = 1; s <= 9; ++s)
            ink[static_cast<std::size_t>(s)] = Difference(empty, bench.Paint({s}));
        for (int s = 1; s <= 9; ++s) QVERIFY(ink[static_cast<std::size_t>(s)].height() >= 6);
        for (int s : {1, 4, 7}) {
            const auto i = static_cast<std::size_t>(s);
            QVERIFY(ink[i].right() < ink[i + 1].left());
            QVERIFY(ink[i + 1].right() < ink[i + 2].left());
            QCOMPARE(ink[i].center().y() / 3, ink[i + 2].center().y() / 3);
        }
        QVERIFY(ink[1].bottom() < ink[4].top());
        QVERIFY(ink[4].bottom() < ink[7].top());
    }

    void largeCellsKeepTheSubCellGrid() {
        // At 60 pixels the plain grid of cell / box sized sub-cells has room:
        // each symbol sits centred in its own third of the cell.
        CellBench bench(9, 60);
        const QImage empty = bench.Paint({});
        const QRect cell = bench.Cell();
        const int sw = cell.width() / 3, sh = cell.height() / 3;
        for (int s = 1; s <= 9; ++s) {
            const QRect ink = Difference(empty, bench.Paint({s}));
            const int i = s - 1;
            const QRect sub(Pad + (i % 3) * sw + 2, Pad + (i / 3) * sh + 2, sw - 1, sh - 1);
            QVERIFY(sub.contains(ink));
            QVERIFY(std::abs(ink.center().x() - sub.center().x()) <= 1);
        }
        QFont font("Arial");
        font.setPixelSize(bench.S.Zahlengroesse);
        QVERIFY(LayOutCandidates(font, cell.size(), 3, 3, 9).BoxGrid);
        QVERIFY(!LayOutCandidates(font, QSize(30, 30), 3, 3, 9).BoxGrid);
    }

    void oddSymbolCountsGetRowsOfTheirOwn() {
        // Five symbols in boxes two wide: three rows, the last with the 5 alone.
        CellBench bench(5, 30);
        QCOMPARE(bench.Ctx.BoxWidth, 2);
        const QImage empty = bench.Paint({});
        const QRect free(Pad + 2, Pad + 2, bench.Cell().width() - 4, bench.Cell().height() - 4);
        const QRect four = Difference(empty, bench.Paint({4}));
        const QRect five = Difference(empty, bench.Paint({5}));
        QVERIFY(free.contains(five));
        QVERIFY(four.bottom() < five.top());
    }
};

QTEST_MAIN(TestCandidateLayout)
#include "test_CandidateLayout.moc"
