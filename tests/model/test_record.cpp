// The record's reset state, its strings and the kind table.
#include "Cp1252.h"
#include "PuzzleImage.h"
#include "TestSupport.h"

#include <QtTest>

#include <cstring>

class RecordTest : public QObject {
    Q_OBJECT
private slots:
    void resetGivesEmptyFiveByFive() {
        auto p = std::make_unique<Puzzle>();
        std::memset(static_cast<void*>(p.get()), 0xA5, sizeof(Puzzle));
        ResetPuzzleImage(*p);
        const PuzzleImage& im = p->Image;
        QCOMPARE(im.PuzzleKind, 0);
        QCOMPARE(im.RowCount, 5);
        QCOMPARE(im.ColumnCount, 5);
        QCOMPARE(im.WordCount, 0);
        QCOMPARE(im.AllowedAids, 255);
        QCOMPARE(im.ClockRunning, 1);
        QCOMPARE(im.SolvedLevel, 0);
        QCOMPARE(im.ElapsedSeconds, 0);
        QCOMPARE(im.BestSeconds, 0);
        QVERIFY(im.PuzzleTitle.empty() && im.CreatorVersion.empty() && im.SolutionWord.empty());
        // Every cell of the border included is cleared, every entry blank, every state 0.
        for (int c = 0; c < GridSize; ++c) {
            for (int r = 0; r < GridSize; ++r) {
                QCOMPARE(im.cell(c, r).CellFlags, 0);
                QCOMPARE(im.cell(c, r).CellNumber, 0);
                QVERIFY(im.cell(c, r).SolutionLetter.empty());
                QVERIFY(IsBlank(im.entry(c, r)));
                QCOMPARE(p->CheckState.at(c, r), CheckState::Blank);
            }
        }
        for (int i = 0; i < MaxWords; ++i) {
            QCOMPARE(im.Words[i].WordDirection, Direction::Across);
            QVERIFY(IsBlank(im.Words[i].CodeGuess));
            QVERIFY(im.Words[i].WordText.empty());
        }
        // Reserved bytes other than the length stay as they were.
        QCOMPARE(static_cast<unsigned char>(im.Reserved8.Chars[0]), 0xA5);
    }

    void clearCellKeepsNumberUnlessAsked() {
        auto p = NewPuzzle();
        CellRecord& cell = p->Image.cell(2, 3);
        cell.CellNumber = 7;
        cell.CellFlags = CellFlag::LetterCell;
        cell.StartsAcrossWord = 1;
        ClearCell(p->Image, 2, 3, false);
        QCOMPARE(cell.CellNumber, 7);
        QCOMPARE(cell.CellFlags, 0);
        QCOMPARE(cell.StartsAcrossWord, 0);
        ClearCell(p->Image, 2, 3, true);
        QCOMPARE(cell.CellNumber, 0);
    }

    void stringIsExactlyItsLength() {
        ShortString<20> s;
        std::memcpy(s.Chars, "STALEBYTESBEHINDTEXT", 20);
        s.Length = 3;
        QCOMPARE(QString::fromStdString(s.str()), QString("STA"));
        s.set("AB");
        QCOMPARE(s.size(), std::size_t(2));
        // The bytes behind the new length are left alone.
        QCOMPARE(s.Chars[2], 'A');
        QCOMPARE(s.Chars[3], 'L');
        // A length byte beyond the capacity reads as the capacity.
        s.Length = 200;
        QCOMPARE(s.size(), std::size_t(20));
        s.set(std::string(30, 'X'));
        QCOMPARE(s.size(), std::size_t(20));
    }

    void negativeCellNumberReadsAsAbsolute() {
        CellRecord cell{};
        cell.CellNumber = -12;
        QCOMPARE(cell.number(), 12);
    }

    void kindNamesAndKindQuestions() {
        QCOMPARE(QString::fromStdString(Cp1252ToUtf8(KindName(1))), QString("Schwedenrätsel"));
        QCOMPARE(QString::fromStdString(Cp1252ToUtf8(KindName(8))),
                 QString("Französisches Rätsel"));
        QCOMPARE(QString::fromStdString(Cp1252ToUtf8(KindName(15))), QString("Sudoku auf Zeit"));
        QVERIFY(KindName(13).empty());
        QVERIFY(KindName(16).empty());
        QVERIFY(HasSolutionWord(1) && HasSolutionWord(11) && !HasSolutionWord(15));
        QVERIFY(!HasSolutionWord(0) && !HasSolutionWord(14));
        QVERIFY(IsSudokuKind(14) && IsSudokuKind(15) && !IsSudokuKind(12));
        QVERIFY(IsWordKind(11) && !IsWordKind(12));
    }

    void codePageRoundTrip() {
        const std::string utf8 = "Bär Öl Straße € „x“";
        const std::string cp = Utf8ToCp1252(utf8);
        QCOMPARE(static_cast<unsigned char>(cp[1]), 0xE4);
        QCOMPARE(Cp1252ToUtf8(cp), utf8);
        QCOMPARE(Utf8ToCp1252("日"), std::string("?"));
        QCOMPARE(Utf8ToCp1252("\xC3"), std::string("?")); // truncated sequence
        QCOMPARE(UpperCp1252("\xE4\xF6\xFC\xDF"), std::string("\xC4\xD6\xDC\xDF"));
    }
};

QTEST_GUILESS_MAIN(RecordTest)
#include "test_record.moc"
