// The candidate table and the field marking over a Sudoku's entries.
#include "Queries.h"
#include "Sudoku.h"
#include "SudokuAids.h"
#include "TestSupport.h"

#include <QTest>

namespace {
bool Marked(const PuzzleImage& im, int c, int r) {
    return im.cell(c, r).has(CellFlag::PlayerMark);
}
int MarkedCount(const PuzzleImage& im) {
    int n = 0;
    for (int c = 1; c <= im.ColumnCount; ++c)
        for (int r = 1; r <= im.RowCount; ++r)
            if (Marked(im, c, r)) ++n;
    return n;
}
bool Candidate(const CandidateTable& t, int c, int r, int symbol) {
    return t[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]
            [static_cast<std::size_t>(symbol - 1)];
}
} // namespace

class TestSudokuAids : public QObject {
    Q_OBJECT

private slots:
    void candidatesFollowEntriesDeletionsAndGivens() {
        // Givens: 1 2 3 in the top row.
        auto p = Sudoku9("111" + std::string(78, '0'));
        CandidateTable t;
        FillCandidates(p->Image, t);
        // The rest of the top row and of the first box may not take 1..3.
        for (int s = 1; s <= 3; ++s) {
            QVERIFY(!Candidate(t, 4, 1, s));
            QVERIFY(!Candidate(t, 2, 3, s));
            QVERIFY(Candidate(t, 4, 2, s)); // other row, other box
        }
        // A given cell keeps the candidate of its own symbol.
        QVERIFY(Candidate(t, 1, 1, 1));
        QVERIFY(!Candidate(t, 1, 1, 2));
        // Only symbols 1..n exist.
        for (int s = 10; s <= 12; ++s) QVERIFY(!Candidate(t, 5, 5, s));

        SetEnteredLetter(*p, 5, 5, "7");
        FillCandidates(p->Image, t);
        QVERIFY(!Candidate(t, 5, 9, 7));
        QVERIFY(!Candidate(t, 1, 5, 7));
        QVERIFY(!Candidate(t, 6, 6, 7));
        QVERIFY(Candidate(t, 7, 7, 7));
        // Deleting the entry gives the symbol back to its row, column and box.
        SetEnteredLetter(*p, 5, 5, "");
        FillCandidates(p->Image, t);
        QVERIFY(Candidate(t, 5, 9, 7));
        QVERIFY(Candidate(t, 6, 6, 7));
        // A given symbol cannot be deleted: it keeps its symbol from its row.
        SetEnteredLetter(*p, 2, 1, "");
        FillCandidates(p->Image, t);
        QVERIFY(!Candidate(t, 9, 1, 2));
    }

    void markingOfEverySymbol() {
        for (int s = 1; s <= 9; ++s) {
            auto p = Sudoku9();
            PuzzleImage& im = p->Image;
            SetEnteredLetter(*p, 5, 5, SymbolText(s));
            for (int tag = 1; tag <= 9; ++tag) {
                ApplyFieldMarking(im, tag);
                // The cell itself, 8 more in its row, 8 in its column and 4 in its box
                // leave 60 cells for its symbol; every other symbol fits in all 80 empty ones.
                QCOMPARE(MarkedCount(im), tag == s ? 60 : 80);
                QVERIFY(!Marked(im, 5, 5));
                QCOMPARE(Marked(im, 5, 1), tag != s);
                QCOMPARE(Marked(im, 4, 6), tag != s);
                QVERIFY(Marked(im, 1, 1));
            }
            ApplyFieldMarking(im, 0);
            QCOMPARE(MarkedCount(im), 0);
        }
    }

    void markingFollowsNewEntries() {
        auto p = Sudoku9();
        PuzzleImage& im = p->Image;
        ApplyFieldMarking(im, 4);
        QVERIFY(Marked(im, 1, 1) && Marked(im, 9, 1) && Marked(im, 1, 9));
        SetEnteredLetter(*p, 1, 1, "4");
        ApplyFieldMarking(im, 4);
        // The filled cell and its row, column and box lose the mark at once.
        QVERIFY(!Marked(im, 1, 1));
        QVERIFY(!Marked(im, 9, 1));
        QVERIFY(!Marked(im, 1, 9));
        QVERIFY(!Marked(im, 3, 3));
        QVERIFY(Marked(im, 4, 4));
    }

    void duoMarksCellsWithAtMostTwoCandidates() {
        // Givens: the top row 1..8, and 9 at (9,5): (9,1) has no candidate left.
        std::string mask(81, '0');
        for (std::size_t c = 0; c < 8; ++c) mask[c] = '1';
        auto p = Sudoku9(mask);
        PuzzleImage& im = p->Image;
        SetEnteredLetter(*p, 9, 5, "9");
        p->Image.cell(9, 5).CellFlags |= CellFlag::SolutionOrGiven;
        QCOMPARE(CountCandidates(im, 9, 1), 0);
        ApplyFieldMarking(im, DuoMarkTag);
        QVERIFY(Marked(im, 9, 1));
        for (int c = 1; c <= 8; ++c) QVERIFY(!Marked(im, c, 1)); // filled
        // Every marked cell is empty with at most two candidates, and the others not.
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                QCOMPARE(Marked(im, c, r),
                         IsBlank(im.entry(c, r)) && CountCandidates(im, c, r) <= 2);
        // A tag above the symbol count marks the same cells.
        const int duo = MarkedCount(im);
        ApplyFieldMarking(im, 11);
        QCOMPARE(MarkedCount(im), duo);
        QVERIFY(Marked(im, 9, 1));
    }

    void markingOfTwelveSymbols() {
        auto p = SudokuOfSize(12);
        PuzzleImage& im = p->Image;
        SetEnteredLetter(*p, 1, 1, "C");
        ApplyFieldMarking(im, 12);
        // Boxes are four wide and three high: 143 empty cells less 11 + 11 + 6.
        QCOMPARE(MarkedCount(im), 143 - 28);
        QVERIFY(!Marked(im, 4, 3));
        QVERIFY(Marked(im, 5, 3));
        QVERIFY(Marked(im, 4, 4));
    }
};

QTEST_GUILESS_MAIN(TestSudokuAids)
#include "test_SudokuAids.moc"
