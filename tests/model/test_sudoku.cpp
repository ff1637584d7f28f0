#include "Queries.h"
#include "Sudoku.h"
#include "TestSupport.h"

#include <QTest>

class TestSudoku : public QObject {
    Q_OBJECT

private slots:
    void symbols() {
        QCOMPARE(SymbolText(0), std::string("0"));
        QCOMPARE(SymbolText(9), std::string("9"));
        QCOMPARE(SymbolText(10), std::string("A"));
        QCOMPARE(SymbolText(12), std::string("C"));
        QCOMPARE(SymbolText(31), std::string("1F"));
        for (int v = 1; v <= MaxSymbols; ++v) QCOMPARE(SymbolValue(SymbolText(v)), v);
        QCOMPARE(SymbolValue("b"), 11);
        QCOMPARE(SymbolValue("G"), 0);
        QCOMPARE(SymbolValue(" "), 0);
        QCOMPARE(SymbolValue(""), 0);
        QCOMPARE(SymbolValue("1 "), 0);
        QCOMPARE(SymbolValue("FFFFFFFFFF"), 0); // too long to be a symbol
    }

    void boxGeometry_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::newRow("4") << 4 << 2 << 2;
        QTest::newRow("6") << 6 << 3 << 2;
        QTest::newRow("8") << 8 << 4 << 2;
        QTest::newRow("9") << 9 << 3 << 3;
        QTest::newRow("12") << 12 << 4 << 3;
    }

    void boxGeometry() {
        QFETCH(int, n);
        QFETCH(int, w);
        QFETCH(int, h);
        auto p = SudokuOfSize(n);
        QCOMPARE(SudokuBoxWidth(p->Image), w);
        QCOMPARE(SudokuBoxHeight(p->Image), h);
        // The last cell lies in the bottom-right box, which ends at the grid's corner.
        const CellRect box = SudokuBox(p->Image, n, n);
        QCOMPARE(box.Left, n - w + 1);
        QCOMPARE(box.Top, n - h + 1);
        QCOMPARE(box.Right, n);
        QCOMPARE(box.Bottom, n);
        const CellRect first = SudokuBox(p->Image, w, h);
        QCOMPARE(first.Left, 1);
        QCOMPARE(first.Top, 1);
        QCOMPARE(first.Right, w);
        QCOMPARE(first.Bottom, h);

        // The fixture is a valid filling: every solution symbol is allowed where it stands.
        for (int c = 1; c <= n; ++c)
            for (int r = 1; r <= n; ++r)
                SetEnteredLetter(*p, c, r, p->Image.cell(c, r).SolutionLetter.view());
        for (int c = 1; c <= n; ++c) {
            for (int r = 1; r <= n; ++r) {
                QVERIFY(SudokuAllows(p->Image, SymbolValue(p->Image.entry(c, r).view()), c, r));
                QCOMPARE(CountCandidates(p->Image, c, r), 1);
            }
        }
    }

    void tinyGridHasNoZeroBoxes() {
        auto p = GridPuzzle(14, {"1"});
        QCOMPARE(SudokuBoxWidth(p->Image), 1);
        QCOMPARE(SudokuBoxHeight(p->Image), 1);
        QVERIFY(SudokuAllows(p->Image, 1, 1, 1));
    }

    void candidatesCountTheUnusedValues() {
        // Givens: the whole first row except (9,1), and 4 in (9,2); (9,1) holds 9.
        std::string mask(81, '0');
        for (int c = 0; c < 8; ++c) mask[static_cast<std::size_t>(c)] = '1';
        auto p = Sudoku9(mask);
        const PuzzleImage& im = p->Image;
        QCOMPARE(CountCandidates(im, 9, 1), 1);
        std::array<bool, MaxSymbols> flags = CandidateFlags(im, 9, 1);
        for (int v = 1; v <= 9; ++v) QCOMPARE(flags[static_cast<std::size_t>(v - 1)], v == 9);
        for (int v = 10; v <= MaxSymbols; ++v) QVERIFY(!flags[static_cast<std::size_t>(v - 1)]);

        // (5,5) sees 5 in its column only, and its box (4..6, 4..6) is empty.
        QCOMPARE(CountCandidates(im, 5, 5), 8);
        QVERIFY(!SudokuAllows(im, 5, 5, 5));
        // A cell's own entry is not looked at: the given 1 at (1,1) may stay there.
        QVERIFY(SudokuAllows(im, 1, 1, 1));
        QVERIFY(!SudokuAllows(im, 2, 1, 1));
        QCOMPARE(CountCandidates(im, 1, 1), 2); // 1 and the missing 9
    }

    void sameBoxRefusesOtherRowAndColumn() {
        auto p = Sudoku9();
        SetEnteredLetter(*p, 2, 2, "7");
        // (3,3) shares neither row nor column with (2,2) but the box.
        QVERIFY(!SudokuAllows(p->Image, 7, 3, 3));
        QVERIFY(SudokuAllows(p->Image, 7, 4, 3));  // next box
        QVERIFY(!SudokuAllows(p->Image, 7, 2, 9)); // same column, far away
        QVERIFY(!SudokuAllows(p->Image, 7, 9, 2)); // same row, far away
        QVERIFY(SudokuAllows(p->Image, 7, 2, 2));  // its own cell

        // 12 x 12: boxes four wide and three high.
        auto q = SudokuOfSize(12);
        SetEnteredLetter(*q, 1, 1, "C");
        QVERIFY(!SudokuAllows(q->Image, 12, 4, 3));
        QVERIFY(SudokuAllows(q->Image, 12, 5, 3));
        QVERIFY(SudokuAllows(q->Image, 12, 4, 4));
        QCOMPARE(CountCandidates(q->Image, 2, 2), 11);
        QVERIFY(!CandidateFlags(q->Image, 2, 2)[11]);
    }

    void valueZeroAndNonSymbols() {
        auto p = Sudoku9();
        QVERIFY(SudokuAllows(p->Image, 0, 1, 1));
        SetEnteredLetter(*p, 5, 1, "0");
        QVERIFY(!SudokuAllows(p->Image, 0, 1, 1));
        QVERIFY(SudokuAllows(p->Image, 0, 1, 2));
        // Out-of-range cells are refused rather than read.
        QVERIFY(!SudokuAllows(p->Image, 1, 60, 1));
        QVERIFY(!SudokuAllows(p->Image, 1, 1, -1));
    }
};

QTEST_GUILESS_MAIN(TestSudoku)
#include "test_sudoku.moc"
