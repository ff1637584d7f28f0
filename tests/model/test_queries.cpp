#include "Queries.h"
#include "TestSupport.h"

#include <QTest>

namespace {
// OBST#      words across: 1 OBST, 4 EIS, 6 RAD
// H#EIS      words down:   1 OHR, 2 SED, 3 TI, 5 SE
// RAD#E
std::unique_ptr<Puzzle> SmallCrossword(int kind = 0) {
    auto p = GridPuzzle(kind, {"OBST#", "H#EIS", "RAD#E"});
    NumberWords(*p);
    return p;
}

void Type(Puzzle& p, int c, int r, std::string_view text) {
    SetEnteredLetter(p, c, r, text);
}

WordAtOptions Opts(bool across, bool entered = false, bool reverse = false) {
    WordAtOptions o;
    o.Across = across;
    o.EnteredLetters = entered;
    o.Reverse = reverse;
    return o;
}
} // namespace

class TestQueries : public QObject {
    Q_OBJECT

private slots:
    void wordWalksAtEdgesAndBlocks() {
        auto p = SmallCrossword();
        const PuzzleImage& im = p->Image;

        // A word starting in column 1 starts there, its first cell at position 1.
        WordInfo w = WordAt(im, 1, 1, Opts(true));
        QCOMPARE(w.StartColumn, 1);
        QCOMPARE(w.Position, 1);
        QCOMPARE(w.Letters, std::string("OBST"));
        QCOMPARE(w.Number, 1);
        QCOMPARE(w.WordIndex, FindWord(im, 1, true));

        // The walk stops at a block on either side.
        w = WordAt(im, 5, 2, Opts(true));
        QCOMPARE(w.StartColumn, 3);
        QCOMPARE(w.Position, 3);
        QCOMPARE(w.Letters, std::string("EIS"));
        QCOMPARE(w.Length, 3);
        QCOMPARE(w.CrossingPattern, std::string("EIS")); // every cell is crossed
        w = WordAt(im, 3, 3, Opts(false));
        QCOMPARE(w.StartRow, 1);
        QCOMPARE(w.Position, 3);
        QCOMPARE(w.Letters, std::string("SED"));
        QVERIFY(!w.Across);

        // Cells crossed by no word of the other direction show '?' and their given letter.
        p->Image.cell(2, 1).CellFlags |= CellFlag::SolutionOrGiven;
        w = WordAt(im, 2, 1, Opts(true));
        QCOMPARE(w.CrossingPattern, std::string("O?ST"));
        QCOMPARE(w.GivenPattern, std::string(" B  "));

        // Entered letters that do not spell the word clear the number.
        Type(*p, 1, 1, "o");
        w = WordAt(im, 1, 1, Opts(true, true));
        QCOMPARE(w.Letters, std::string("O   "));
        QCOMPARE(w.Number, 0);

        QCOMPARE(WordStart(im, 4, 1, true).Column, 1);
        QCOMPARE(WordStart(im, 5, 3, false).Row, 2);
        QCOMPARE(WordNumberAt(im, 5, 3, false), 5);
        // (5,1) is a block: the cell right of it is the border, which starts nothing.
        QCOMPARE(WordStart(im, 5, 1, true).Column, -1);
        // A down cell in a column whose run has no number: no word there.
        QCOMPARE(WordNumberAt(im, 2, 3, false), 0);
        QCOMPARE(WordNumberAt(im, 2, 1, false), 0);
        const CellPos zero = WordStart(im, 0, 2, true);
        QCOMPARE(zero.Column, 0);
        QCOMPARE(zero.Row, 0);

        QCOMPARE(WordMembership(im, 1, 2), Membership::Down);
        QCOMPARE(WordMembership(im, 2, 1), Membership::Across);
        QCOMPARE(WordMembership(im, 3, 2), Membership::Across | Membership::Down);
    }

    void walksStayInsideTheArrays() {
        // A full 50 x 50 grid without blocks: walks run to the border on every side.
        auto p = GridPuzzle(0, std::vector<std::string>(50, std::string(50, 'A')));
        PuzzleImage& im = p->Image;
        for (int c : {0, 1, 50, 51}) {
            for (int r : {0, 1, 50, 51}) {
                for (bool across : {true, false}) {
                    const WordInfo w = WordAt(im, c, r, Opts(across));
                    QVERIFY(w.Length <= 51);
                    WordStart(im, c, r, across);
                    WordNumberAt(im, c, r, across);
                    IsWordFilled(im, c, r, across, true);
                    IsWordFilled(im, c, r, across, false);
                }
            }
        }
        // Column 51 of a 50-column row: the word is the whole row.
        const WordInfo w = WordAt(im, 51, 7, Opts(true));
        QCOMPARE(w.StartColumn, 1);
        QCOMPARE(w.Length, 50);
        // Coordinates beyond the arrays give no word instead of reading past them.
        for (int bad : {-5, 52, 1000}) {
            QCOMPARE(WordAt(im, bad, 3, Opts(true)).Length, 0);
            QCOMPARE(WordAt(im, 3, bad, Opts(false)).Length, 0);
            QCOMPARE(WordNumberAt(im, 3, bad, true), 0);
            QVERIFY(!IsWordFilled(im, bad, 3, true, false));
            SetEnteredLetter(*p, bad, 3, "A");
            QCOMPARE(CountCellsInLine(im, bad, true, false, CellFlag::LetterCell), 0);
        }
        // A block in the last column at index 51 leaves no start cell inside the arrays.
        im.cell(51, 4).CellFlags = CellFlag::Block;
        QCOMPARE(WordStart(im, 51, 4, true).Column, -1);
        QVERIFY(!IsWordFilled(im, 51, 4, true, false));

        // Counts beyond 50 (a damaged record) are capped at the arrays.
        im.ColumnCount = 255;
        im.RowCount = 255;
        QCOMPARE(WordAt(im, 3, 3, Opts(true)).Length, 50);
        QVERIFY(!FindCellByNumber(im, 77).valid());
        QCOMPARE(CountCellsInLine(im, 1, true, true, CellFlag::LetterCell), 50);
        QCOMPARE(PictureArea(im).Right, 51);
    }

    void wordLookups() {
        auto p = SmallCrossword();
        PuzzleImage& im = p->Image;
        const int count = im.WordCount;
        // A second entry with the same number and direction: the later one wins.
        WordRecord& dup = im.Words[count];
        dup.WordNumber = 1;
        dup.WordDirection = Direction::Across;
        dup.WordText.set("OBST");
        dup.ClueText.set("Fruechte");
        im.WordCount = static_cast<std::uint8_t>(count + 1);
        QCOMPARE(FindWord(im, 1, true), count);
        QCOMPARE(FindWordByText(im, "OBST", true), count);
        QCOMPARE(ClueOf(im, 1, true), std::string("Fruechte"));
        QCOMPARE(FindWordByText(im, "obst", true), -1); // case-sensitive
        QCOMPARE(FindWordByText(im, "OBST", false), -1);
        QCOMPARE(FindWord(im, 1, false), FindWordByText(im, "OHR", false));
        QCOMPARE(WordLength(im, 2, false), 3);
        QCOMPARE(WordLength(im, 2, true), 0);
        QCOMPARE(ClueOf(im, 9, true), std::string());

        // Entries past WordCount are stale and never found.
        im.WordCount = 1;
        QCOMPARE(FindWord(im, 1, false), -1);
    }

    void cellAndCodeLookups() {
        auto p = SmallCrossword(12);
        PuzzleImage& im = p->Image;
        // Kind 12 may store numbers negated; (3,2), numbered 4, comes before (4,1) with 3.
        im.cell(3, 2).CellNumber = -3;
        const CellPos at = FindCellByNumber(im, 3);
        QCOMPARE(at.Column, 3);
        QCOMPARE(at.Row, 2);
        QVERIFY(!FindCellByNumber(im, 42).valid());
        QCOMPARE(WordNumberAt(im, 4, 2, true), 3);

        QVERIFY(LetterOccurs(im, 'D'));
        QVERIFY(!LetterOccurs(im, 'Z'));

        im.Words[4].CodeLetter = 'E';
        im.Words[9].CodeLetter = 'E';
        QCOMPARE(CodeOfLetter(im, "E"), 4);
        QCOMPARE(CodeOfLetter(im, "EX"), 4);
        QCOMPARE(CodeOfLetter(im, ""), -1);
        QCOMPARE(CodeOfLetter(im, "Q"), -1);
        im.Words[5].CodeLetter = 0xC4; // Ä as a code page 1252 byte
        QCOMPARE(CodeOfLetter(im, "\xC4"), 5);

        // Row 2: H # E I S; column 4: T I #.
        QCOMPARE(CountCellsInLine(im, 2, true, false, CellFlag::LetterCell), 4);
        QCOMPARE(CountCellsInLine(im, 2, true, true, CellFlag::Block), 1);
        QCOMPARE(CountCellsInLine(im, 4, false, false, CellFlag::Block | CellFlag::LetterCell), 3);
        im.cell(1, 2).CellFlags |= CellFlag::PlayerMark;
        QCOMPARE(CountCellsInLine(im, 2, true, true, CellFlag::LetterCell), 3);

        QCOMPARE(WordMembership(SudokuOfSize(4)->Image, 2, 2), 0);
    }

    void pictureArea() {
        auto p = SmallCrossword();
        PuzzleImage& im = p->Image;
        im.cell(2, 2).CellFlags |= CellFlag::Picture;
        im.cell(3, 3).CellFlags |= CellFlag::Picture;
        CellRect a = PictureArea(im); // flag 2 missing: the whole grid with its border
        QCOMPARE(a.Left, 0);
        QCOMPARE(a.Top, 0);
        QCOMPARE(a.Right, 6);
        QCOMPARE(a.Bottom, 4);
        im.ImageFlags = ImageFlag::HasPicture;
        a = PictureArea(im);
        QCOMPARE(a.Left, 2);
        QCOMPARE(a.Top, 2);
        QCOMPARE(a.Right, 3);
        QCOMPARE(a.Bottom, 3);
    }

    void setEnteredLetterStoresOneCharacter() {
        auto p = SmallCrossword();
        PuzzleImage& im = p->Image;
        Type(*p, 2, 1, "bx");
        QCOMPARE(im.entry(2, 1).view(), std::string_view("B"));
        QCOMPARE(p->CheckState.at(2, 1), CheckState::Filled);

        Type(*p, 2, 1, "");
        QVERIFY(IsBlank(im.entry(2, 1)));
        QCOMPARE(p->CheckState.at(2, 1), CheckState::Blank);

        // Only a..z are upper-cased; an umlaut is stored as typed (and spells no word).
        Type(*p, 2, 1, "\xE4");
        QCOMPARE(im.entry(2, 1).view(), std::string_view("\xE4"));
        QCOMPARE(p->CheckState.at(2, 1), CheckState::Wrong);

        // A wrong letter breaks both words through a crossed cell; a right one breaks none.
        Type(*p, 3, 2, "x");
        QCOMPARE(p->CheckState.at(3, 2), CheckState::Wrong);
        Type(*p, 3, 2, "E");
        QCOMPARE(p->CheckState.at(3, 2), CheckState::Filled);
        Type(*p, 3, 2, " ");
        QCOMPARE(p->CheckState.at(3, 2), CheckState::Blank);
    }

    void setEnteredLetterJudgesSolutionCells() {
        auto p = SmallCrossword(1);
        PuzzleImage& im = p->Image;
        im.cell(2, 1).CellFlags |= CellFlag::SolutionOrGiven;
        im.Words[0].WordText.set("OXST"); // the slot now accepts X
        Type(*p, 2, 1, "X");
        QCOMPARE(p->CheckState.at(2, 1), CheckState::Wrong); // solution-word cell holds B
        im.PuzzleKind = 0; // without a solution word the cell is judged by its word only
        Type(*p, 2, 1, "X");
        QCOMPARE(p->CheckState.at(2, 1), CheckState::Filled);

        // Word search: no letter check at all.
        auto s = SmallCrossword(12);
        Type(*s, 1, 1, "Q");
        QCOMPARE(s->CheckState.at(1, 1), CheckState::Filled);
    }

    void sudokuEntriesAreCheckedAgainstTheSolution() {
        auto p = Sudoku9();
        Type(*p, 1, 1, "1");
        QCOMPARE(p->CheckState.at(1, 1), CheckState::Filled);
        Type(*p, 2, 1, "1");
        QCOMPARE(p->CheckState.at(2, 1), CheckState::Wrong);
    }

    void entryMayTurnTheSlotIntoAnotherWord() {
        auto p = GridPuzzle(4, {"HAUS", "####", "MAUS"});
        QCOMPARE(NumberWords(*p), 2);
        // M in HAUS spells MAUS, another word of the list not yet placed: accepted.
        Type(*p, 1, 1, "M");
        QCOMPARE(p->CheckState.at(1, 1), CheckState::Filled);
        // Once MAUS stands at its own cells, the same entry is wrong.
        for (int c = 1; c <= 4; ++c) Type(*p, c, 3, std::string(1, "MAUS"[c - 1]));
        QVERIFY(IsWordPlacedAt(p->Image, 1));
        QVERIFY(!IsWordPlacedAt(p->Image, 0));
        Type(*p, 1, 1, "M");
        QCOMPARE(p->CheckState.at(1, 1), CheckState::Wrong);
        // A slot that spells nothing of the list is wrong.
        Type(*p, 1, 1, "Z");
        QCOMPARE(p->CheckState.at(1, 1), CheckState::Wrong);
        QVERIFY(!IsWordPlacedAt(p->Image, -1));
        QVERIFY(!IsWordPlacedAt(p->Image, MaxWords));
    }

    void reversedWordEnteredCorrectlyIsNotWrong() {
        // TOR stands backwards in the grid as ROT.
        auto p = GridPuzzle(6, {"ROT#", "####", "NEST"});
        NumberWords(*p);
        PuzzleImage& im = p->Image;
        im.Words[0].WordText.set("TOR");
        im.Words[0].WordReversed = 1;

        WordInfo w = WordAt(im, 1, 1, Opts(true));
        QCOMPARE(w.Number, 1); // the solution letters match in reading order
        QVERIFY(w.Reversed);
        w = WordAt(im, 1, 1, Opts(true, false, true));
        QCOMPARE(w.Letters, std::string("TOR"));
        QCOMPARE(w.Position, 3);

        // Every order of typing: the entry that completes the word must stay right.
        for (const auto& order :
             {std::vector<int>{1, 2, 3}, std::vector<int>{3, 2, 1}, std::vector<int>{2, 1, 3}}) {
            for (int c = 1; c <= 3; ++c) Type(*p, c, 1, "");
            for (int c : order) Type(*p, c, 1, std::string(1, "ROT"[c - 1]));
            for (int c = 1; c <= 3; ++c) QCOMPARE(p->CheckState.at(c, 1), CheckState::Filled);
            QVERIFY(IsWordPlacedAt(im, 0));
            QCOMPARE(WordAt(im, 2, 1, Opts(true, true)).Number, 1);
        }
        Type(*p, 2, 1, "A");
        QCOMPARE(p->CheckState.at(2, 1), CheckState::Wrong);
        QCOMPARE(WordAt(im, 2, 1, Opts(true, true)).Number, 0);
    }

    void isWordFilled() {
        auto p = SmallCrossword();
        std::int32_t number = -1;
        QVERIFY(!IsWordFilled(p->Image, 4, 2, true, false, &number));
        QCOMPARE(number, 4);
        Type(*p, 3, 2, "E");
        Type(*p, 4, 2, "X");
        Type(*p, 5, 2, "S");
        QVERIFY(IsWordFilled(p->Image, 3, 2, true, false));
        QVERIFY(!IsWordFilled(p->Image, 3, 2, true, true)); // with errors shown: X is wrong
        Type(*p, 4, 2, "I");
        QVERIFY(IsWordFilled(p->Image, 5, 2, true, true, &number));
        QCOMPARE(number, 4);
        // Down through column 5: S, E after the block in row 1.
        QVERIFY(!IsWordFilled(p->Image, 5, 3, false, false, &number));
        QCOMPARE(number, 5);
    }
};

QTEST_GUILESS_MAIN(TestQueries)
#include "test_queries.moc"
