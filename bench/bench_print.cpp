// Printing a 50 x 50 crossword with 200 clues into a PDF: the layout,
// the grid, the clue lists and the PDF writer, as the print command runs them.
#include "PrintLayout.h"
#include "PuzzleImage.h"
#include "PuzzlePrint.h"
#include "Queries.h"
#include "Settings.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTest>

#include <memory>
#include <string>

namespace {
constexpr int Clues = 200;

char LetterFor(int c, int r) {
    return static_cast<char>('A' + (c * 7 + r * 3) % 26);
}

// Odd rows hold across words between blocks every 10 columns, every fourth
// column holds down words split by block rows 12, 26 and 40; 200 clues.
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
    for (int c = 1; c <= 50; ++c)
        for (int r = 1; r <= 50; ++r) {
            CellRecord& cell = im.cell(c, r);
            if (isLetter(c, r)) {
                cell.CellFlags = CellFlag::LetterCell;
                cell.SolutionLetter.set(std::string(1, LetterFor(c, r)));
            } else {
                cell.CellFlags = CellFlag::Block;
            }
        }
    int number = 0, count = 0;
    for (int r = 1; r <= 50; ++r)
        for (int c = 1; c <= 50; ++c) {
            if (!isLetter(c, r)) continue;
            const bool across = !isLetter(c - 1, r) && isLetter(c + 1, r);
            const bool down = !isLetter(c, r - 1) && isLetter(c, r + 1);
            if (!across && !down) continue;
            im.cell(c, r).CellNumber = ++number;
            for (bool a : {true, false}) {
                if (!(a ? across : down) || count >= Clues) continue;
                (a ? im.cell(c, r).StartsAcrossWord : im.cell(c, r).StartsDownWord) = 1;
                std::string text;
                for (int i = a ? c : r; a ? isLetter(i, r) : isLetter(c, i); ++i)
                    text += a ? LetterFor(i, r) : LetterFor(c, i);
                WordRecord& w = im.Words[count++];
                w.WordNumber = number;
                w.WordDirection = a ? Direction::Across : Direction::Down;
                w.WordText.set(text);
                w.ClueText.set("Umschreibung des Begriffs Nummer " + std::to_string(number));
            }
        }
    // The table is full: further clues stand nowhere in the grid.
    while (count < Clues) {
        WordRecord& w = im.Words[count++];
        w.WordNumber = 1000 + count;
        w.WordText.set("UNPLACED");
        w.ClueText.set("Ein Begriff ohne Platz im Gitter");
    }
    im.WordCount = static_cast<std::uint8_t>(count);
    return p;
}

// The PDF's size in bytes and its pages.
struct PdfOut {
    qint64 Bytes = 0;
    qsizetype Pages = 0;
};

PdfOut PrintToPdf(PuzzleImage& image, const Settings& settings, const PrintSettings& ps) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(PdfPageLayout(ps.Portrait));
    CandidateTable candidates{};
    ClearFieldMarking(image);
    PuzzlePrintParts parts(RecordGridContext(image, settings, candidates), nullptr, ps);
    PagedDeviceJobs jobs(pdf, true);
    PrintCopies(jobs, image, ps, parts);
    jobs.Finish();
    const QByteArray& bytes = buffer.data();
    return {buffer.size(), bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r")};
}
} // namespace

class BenchPrint : public QObject {
    Q_OBJECT
private slots:
    void crossword50x50OnePage() {
        auto p = LargeCrossword();
        Settings settings;
        PrintSettings ps;
        PdfOut out;
        QBENCHMARK {
            out = PrintToPdf(p->Image, settings, ps);
        }
        // The clue lists go on over further pages.
        qInfo("%lld pages", static_cast<long long>(out.Pages));
        QVERIFY(out.Bytes > 0);
        QVERIFY(out.Pages >= 2);
    }

    void crossword50x50TwoPages() {
        auto p = LargeCrossword();
        Settings settings;
        PrintSettings ps;
        ps.OnePage = false;
        ps.Portrait = true;
        PdfOut out;
        QBENCHMARK {
            out = PrintToPdf(p->Image, settings, ps);
        }
        // The clue lists go on over further pages.
        qInfo("%lld pages", static_cast<long long>(out.Pages));
        QVERIFY(out.Bytes > 0);
        QVERIFY(out.Pages >= 2);
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    BenchPrint b;
    return QTest::qExec(&b, argc, argv);
}
#include "bench_print.moc"
