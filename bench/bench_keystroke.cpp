// The work behind one key press on the board: store the entry (with its word
// checks) and judge the whole puzzle. Both run on every keystroke.
#include "Evaluation.h"
#include "PuzzleImage.h"
#include "Queries.h"
#include "Settings.h"

#include <QTest>

#include <memory>
#include <string>

namespace {
char LetterFor(int c, int r) {
    return static_cast<char>('A' + (c * 7 + r * 3) % 26);
}

// A 50 x 50 crossword of the largest size, with a full word table of 201 entries:
// odd rows hold across words between blocks every 10 columns, every fourth column
// holds down words split by block rows 12, 26 and 40.
std::unique_ptr<Puzzle> LargeCrossword() {
    auto p = std::make_unique<Puzzle>();
    ResetPuzzleImage(*p);
    PuzzleImage& im = p->Image;
    im.PuzzleKind = 0;
    im.ColumnCount = 50;
    im.RowCount = 50;
    auto isLetter = [](int c, int r) {
        if (c < 1 || c > 50 || r < 1 || r > 50) return false;
        const bool downColumn = c % 4 == 1 && r != 12 && r != 26 && r != 40;
        const bool acrossRow = r % 2 == 1 && c % 10 != 0;
        return downColumn || acrossRow;
    };
    for (int c = 1; c <= 50; ++c) {
        for (int r = 1; r <= 50; ++r) {
            CellRecord& cell = im.cell(c, r);
            if (isLetter(c, r)) {
                cell.CellFlags = CellFlag::LetterCell;
                cell.SolutionLetter.set(std::string(1, LetterFor(c, r)));
            } else {
                cell.CellFlags = CellFlag::Block;
            }
        }
    }
    int number = 0;
    int count = 0;
    for (int r = 1; r <= 50; ++r) {
        for (int c = 1; c <= 50; ++c) {
            if (!isLetter(c, r)) continue;
            const bool across = !isLetter(c - 1, r) && isLetter(c + 1, r);
            const bool down = !isLetter(c, r - 1) && isLetter(c, r + 1);
            if (!across && !down) continue;
            im.cell(c, r).CellNumber = ++number;
            for (bool a : {true, false}) {
                if (!(a ? across : down) || count >= MaxWords) continue;
                (a ? im.cell(c, r).StartsAcrossWord : im.cell(c, r).StartsDownWord) = 1;
                std::string text;
                for (int i = a ? c : r; a ? isLetter(i, r) : isLetter(c, i); ++i)
                    text += a ? LetterFor(i, r) : LetterFor(c, i);
                WordRecord& w = im.Words[count++];
                w.WordNumber = number;
                w.WordDirection = a ? Direction::Across : Direction::Down;
                w.WordText.set(text);
            }
        }
    }
    // Fill the table up with words that stand nowhere, as stale entries would.
    while (count < MaxWords) {
        WordRecord& w = im.Words[count++];
        w.WordNumber = 1000 + count;
        w.WordText.set("UNPLACED");
    }
    im.WordCount = MaxWords;
    for (int c = 1; c <= 50; ++c)
        for (int r = 1; r <= 50; ++r)
            if (isLetter(c, r)) SetEnteredLetter(*p, c, r, std::string(1, LetterFor(c, r)));
    return p;
}

std::unique_ptr<Puzzle> Sudoku12() {
    auto p = std::make_unique<Puzzle>();
    ResetPuzzleImage(*p);
    PuzzleImage& im = p->Image;
    im.PuzzleKind = 14;
    im.ColumnCount = 12;
    im.RowCount = 12;
    for (int c = 1; c <= 12; ++c) {
        for (int r = 1; r <= 12; ++r) {
            const int v = (4 * ((r - 1) % 3) + (r - 1) / 3 + (c - 1)) % 12 + 1;
            const std::string symbol(1, "0123456789ABC"[v]);
            im.cell(c, r).CellFlags = CellFlag::LetterCell;
            im.cell(c, r).SolutionLetter.set(symbol);
            SetEnteredLetter(*p, c, r, symbol);
        }
    }
    return p;
}
} // namespace

class BenchKeystroke : public QObject {
    Q_OBJECT

private slots:
    void crossword50x50() {
        auto p = LargeCrossword();
        Settings settings;
        // (45, 33) lies in an across and a down word: both are checked.
        const std::string right(1, LetterFor(45, 33));
        QVERIFY(WordMembership(p->Image, 45, 33) == (Membership::Across | Membership::Down));
        bool wrong = false;
        QBENCHMARK {
            SetEnteredLetter(*p, 45, 33, wrong ? "#" : right);
            EvaluateCompletion(*p, settings);
            wrong = !wrong;
        }
        QCOMPARE(int(p->Image.WordCount), MaxWords);
    }

    void sudoku12x12() {
        auto p = Sudoku12();
        Settings settings;
        bool wrong = false;
        const std::string right(p->Image.cell(7, 8).SolutionLetter.view());
        QBENCHMARK {
            SetEnteredLetter(*p, 7, 8, wrong ? "1" : right);
            EvaluateCompletion(*p, settings);
            wrong = !wrong;
        }
        QCOMPARE(int(p->Image.SolvedLevel), 3);
    }
};

QTEST_GUILESS_MAIN(BenchKeystroke)
#include "bench_keystroke.moc"
