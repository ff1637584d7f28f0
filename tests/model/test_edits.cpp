// The puzzle edits the windows make, and the kind traits they ask.
#include "Edits.h"
#include "KindTraits.h"
#include "Session.h"
#include "TestSupport.h"

#include <QTest>

#include <set>
#include <string_view>

namespace {
// OBST#      words across: 1 OBST, 4 EIS, 6 RAD
// H#EIS      words down:   1 OHR, 2 SED, 3 TI, 5 SE
// RAD#E
std::unique_ptr<Puzzle> SmallCrossword(int kind = 0) {
    auto p = GridPuzzle(kind, {"OBST#", "H#EIS", "RAD#E"});
    NumberWords(*p);
    return p;
}

std::string Entries(const PuzzleImage& im, int row, int from, int to) {
    std::string s;
    for (int c = from; c <= to; ++c)
        s += IsBlank(im.entry(c, row)) ? '.' : im.entry(c, row).Chars[0];
    return s;
}
} // namespace

class TestEdits : public QObject {
    Q_OBJECT

private slots:
    void kindTraitsFollowTheKindTable() {
        // Kind groups as the windows treat them.
        for (int k = 0; k <= 15; ++k) {
            QCOMPARE(HasSolutionWord(k), k % 2 == 1 && k < 14);
            QCOMPARE(IsSudokuKind(k), k == 14 || k == 15);
            QCOMPARE(HasClueList(k), k < 14 && k != 2 && k != 3 && k != 13);
            QCOMPARE(HasNumberLegend(k), k == 2 || k == 3);
            QCOMPARE(HasHeaderNumbers(k), k >= 8 && k <= 11);
            QCOMPARE(HasPlacedBlocks(k), k == 10 || k == 11);
            QCOMPARE(HasWordEntry(k), k == 0 || k == 1 || k == 6 || k == 7);
        }
        QVERIFY(IsWordSearch(12) && !IsWordKind(12) && IsWordKind(11));
        QVERIFY(HasSnapshots(14) && !HasSnapshots(15) && IsTimedKind(15) && !IsTimedKind(14));
        // Codes outside the table have no traits at all.
        QVERIFY(!IsKnownKind(13) && !IsKnownKind(16) && !IsKnownKind(-1));
        QVERIFY(!IsSudokuKind(200) && !HasSolutionWord(-1));
    }

    void kindTableRowsHoldTogether() {
        std::set<std::string_view> sourceNames;
        for (int k = -1; k <= KindCount; ++k) {
            const KindTraits& t = Traits(k);
            const bool known = t.Family != KindFamily::None;
            // Out of range and unused codes have nothing; known ones are named.
            QCOMPARE(!t.Name.empty(), known);
            QCOMPARE(!t.SourceName.empty(), known);
            if (known) QVERIFY(sourceNames.insert(t.SourceName).second);
            QVERIFY(!t.SolutionWord || t.SolutionColourCells);
            QCOMPARE(t.SourceName.ends_with("-loesungswort"), known && t.SolutionWord);
            QVERIFY(!t.PlacedBlocks || t.Family == KindFamily::HeaderLines);
            QVERIFY(!(t.Snapshots && t.Timed));
            QVERIFY(!(t.Snapshots || t.Timed) || t.Family == KindFamily::Sudoku);
            switch (t.Family) {
            case KindFamily::NumberCode:
                QCOMPARE(t.Side, SideWindow::NumberLegend);
                break;
            case KindFamily::Sudoku:
            case KindFamily::None:
                QCOMPARE(t.Side, SideWindow::None);
                break;
            case KindFamily::Crossword:
            case KindFamily::FillIn:
            case KindFamily::Fence:
            case KindFamily::HeaderLines:
            case KindFamily::WordSearch:
                QCOMPARE(t.Side, SideWindow::ClueList);
                break;
            }
            if (k < 0 || k >= KindCount) QCOMPARE(&t, &NoKind);
        }
    }

    void runLettersAndNumbersStopAtBlocks() {
        auto p = SmallCrossword();
        PuzzleImage& im = p->Image;
        SetEnteredLetter(*p, 1, 1, "O");
        SetEnteredLetter(*p, 3, 1, "S");
        QCOMPARE(RunLetters(im, 3, 1, true, true), std::string("O S "));
        QCOMPARE(RunLetters(im, 3, 1, true, false), std::string("OBST"));
        QCOMPARE(RunLetters(im, 1, 2, false, false), std::string("OHR"));
        // A block is no run; outside the grid there is none either.
        QCOMPARE(RunLetters(im, 60, 1, true, false), std::string());
        QCOMPARE(RunNumber(im, 4, 1, false), 1);
        QCOMPARE(RunNumber(im, 3, 3, false), 6);
        QCOMPARE(RunNumber(im, 1, 3, true), 1);
        QCOMPARE(RunNumber(im, 5, 1, false), 0); // a block
    }

    void kindsTenAndElevenBlockInputAtThePlayersMarks() {
        auto p = GridPuzzle(10, {"AB", "CD"});
        PuzzleImage& im = p->Image;
        QVERIFY(!IsInputBlocked(im, 2, 1));
        QVERIFY(SetBlankMark(im, 2, 1, true));
        QVERIFY(IsInputBlocked(im, 2, 1));
        QCOMPARE(RunLetters(im, 1, 1, true, false), std::string("A"));
        QVERIFY(SetBlankMark(im, 2, 1, false));
        QVERIFY(!IsInputBlocked(im, 2, 1));
        QVERIFY(!SetBlankMark(im, 0, 1, true)); // the border is no cell
        QVERIFY(!IsInputBlocked(im, -1, 60));
    }

    void writeWordStopsBeforeABlockAndKnowsWrongLetters() {
        auto p = SmallCrossword();
        PuzzleImage& im = p->Image;
        WordWrite w = WriteWord(*p, 1, 1, true, "OBSTX");
        QCOMPARE(int(w.Cells.size()), 4);
        QVERIFY(!w.Wrong);
        QCOMPARE(Entries(im, 1, 1, 5), std::string("OBST."));
        QCOMPARE(p->CheckState.at(4, 1), CheckState::Filled);
        w = WriteWord(*p, 1, 3, true, "DAR", true); // backwards: RAD
        QVERIFY(!w.Wrong);
        QCOMPARE(Entries(im, 3, 1, 3), std::string("RAD"));
        w = WriteWord(*p, 3, 2, true, "EIX");
        QVERIFY(w.Wrong);
        QCOMPARE(p->CheckState.at(5, 2), CheckState::Wrong);
        // A start outside the grid writes nothing.
        QVERIFY(WriteWord(*p, 0, 1, true, "AB").Cells.empty());
    }

    void revealTogglesAndPlacesBlocksInAmericanPuzzles() {
        auto p = SmallCrossword();
        QVERIFY(RevealLetter(*p, 2, 1).Done);
        QCOMPARE(p->Image.entry(2, 1).str(), std::string("B"));
        RevealLetter(*p, 2, 1);
        QVERIFY(IsBlank(p->Image.entry(2, 1)));

        auto a = GridPuzzle(10, {"A#", "CD"});
        const RevealResult r = RevealLetter(*a, 2, 1);
        QVERIFY(r.PlacedBlock);
        QVERIFY(a->Image.cell(2, 1).has(CellFlag::PlacedBlock));
        QVERIFY(IsBlank(a->Image.entry(2, 1)));
    }

    void noEditChangesASudokusGiven() {
        auto s = Sudoku9("1" + std::string(80, '0'));
        const std::string given = s->Image.entry(1, 1).str();
        SetEnteredLetter(*s, 1, 1, "");
        SetEnteredLetter(*s, 1, 1, "9");
        QVERIFY(!RevealLetter(*s, 1, 1).Done);
        WriteWord(*s, 1, 1, true, "987");
        QCOMPARE(s->Image.entry(1, 1).str(), given);
        QCOMPARE(s->Image.entry(2, 1).str(), std::string("8")); // the next cell is no given
        QCOMPARE(s->CheckState.at(1, 1), CheckState::Filled);
        // A given that stands blank (an earlier run, a careless generator) gets its symbol back.
        SetBlank(s->Image.entry(1, 1));
        ResetEntries(*s);
        QCOMPARE(s->Image.entry(1, 1).str(), given);
        QVERIFY(IsBlank(s->Image.entry(2, 1)));
    }

    void wordReportsNeedAWordAndFullLetters() {
        auto p = SmallCrossword();
        WriteWord(*p, 1, 1, true, "OBS");
        QVERIFY(!WordReportAt(p->Image, 1, 1, true, true, true)); // one letter missing
        const auto broken = WordReportAt(p->Image, 1, 1, true, false, false);
        QVERIFY(broken && !broken->Solved && broken->Across);
        WriteWord(*p, 4, 1, true, "T");
        const auto full = WordReportAt(p->Image, 2, 1, true, true, true);
        QVERIFY(full && full->Solved);
        QCOMPARE(full->WordIndex, FindWord(p->Image, 1, true));
        QVERIFY(!WordReportAt(p->Image, 60, 1, true, true, false)); // outside the grid
    }

    void searchLinesTakeTheLongerSide() {
        SearchLine l = LineOfSelection(2, 3, 6, 4); // 5 wide, 2 high: across along the top
        QVERIFY(l.Across);
        QCOMPARE(l.Bottom, 3);
        QCOMPARE(l.Length, 5);
        l = LineOfSelection(2, 1, 3, 5); // down along the left side
        QVERIFY(!l.Across);
        QCOMPARE(l.Right, 2);
        QCOMPARE(l.Length, 5);
        l = LineOfSelection(4, 4, 4, 4);
        QCOMPARE(l.Length, 1);

        auto p = GridPuzzle(12, {"ABCD", "EFGH"});
        QCOMPARE(int(MarkSearchLine(p->Image, l, false).size()), 0); // one cell is no line
        const SearchLine row = LineOfSelection(1, 1, 4, 1);
        QCOMPARE(int(MarkSearchLine(p->Image, row, false).size()), 4);
        QVERIFY(p->Image.cell(4, 1).has(CellFlag::PlayerMark));
        MarkSearchLine(p->Image, row, true);
        QVERIFY(!p->Image.cell(1, 1).has(CellFlag::PlayerMark));
    }

    void resetClearsThePlayersWorkOnly() {
        auto p = SmallCrossword(1);
        PuzzleImage& im = p->Image;
        im.SolutionWord.set("OHR");
        WriteWord(*p, 1, 1, true, "OBST");
        im.Words[0].WordSolvedMark = 1;
        im.Words[3].CodeGuess.set("X");
        im.EnteredSolutionWord.set("OHRXXXXXXXXXXXXX");
        im.SolvedLevel = 3;
        ResetEntries(*p);
        QCOMPARE(Entries(im, 1, 1, 4), std::string("...."));
        QCOMPARE(p->CheckState.at(1, 1), CheckState::Blank);
        QCOMPARE(int(im.Words[0].WordSolvedMark), 0);
        QVERIFY(IsBlank(im.Words[3].CodeGuess));
        QCOMPARE(im.EnteredSolutionWord.str(), std::string(13, ' '));
        QCOMPARE(int(im.SolvedLevel), 0);

        // Sudoku: givens stay; the timed one starts its clock again.
        auto s = Sudoku9(std::string(9, '1') + std::string(72, '0'));
        s->Image.PuzzleKind = 15;
        SetEnteredLetter(*s, 1, 2, "5");
        s->Image.ElapsedSeconds = 99;
        ResetEntries(*s);
        QVERIFY(!IsBlank(s->Image.entry(1, 1)));
        QVERIFY(IsBlank(s->Image.entry(1, 2)));
        QCOMPARE(int(s->Image.ElapsedSeconds), 0);
        QCOMPARE(int(s->Image.ClockRunning), 1);

        // Word search: the filler letters are the entries and stay; the marks go.
        auto w = GridPuzzle(12, {"AB"});
        SetEnteredLetter(*w, 1, 1, "Q");
        w->Image.cell(2, 1).CellFlags |= CellFlag::PlayerMark;
        ResetEntries(*w);
        QCOMPARE(w->Image.entry(1, 1).str(), std::string("Q"));
        QVERIFY(!w->Image.cell(2, 1).has(CellFlag::PlayerMark));
    }
};

QTEST_APPLESS_MAIN(TestEdits)
#include "test_edits.moc"
