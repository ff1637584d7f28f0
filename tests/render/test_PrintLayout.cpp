// The page layout of the printout, on A4 pages rendered into images.
#include "PrintLayout.h"
#include "PuzzlePrint.h"
#include "TestSupport.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QTest>

namespace {
constexpr int Dpm = 3937; // 100 dpi: 1 unit = 0.1 mm = 0.3937 pixels

// Pages as images of an A4 sheet without unprintable border.
class ImagePages : public PrintJobTarget {
public:
    explicit ImagePages(bool portrait) : portrait_(portrait) {}
    bool BeginJob() override {
        ++Jobs;
        AddPage();
        return true;
    }
    QPainter& Painter() override { return painter_; }
    const QPaintDevice& Device() const override { return Pages.back(); }
    bool NewPage() override {
        ++NewPages;
        painter_.end();
        AddPage();
        return true;
    }
    bool EndJob() override {
        ++Ends;
        painter_.end();
        return true;
    }
    bool Portrait() const override { return portrait_; }

    // The box of dark pixels inside a page area given in units.
    QRect Ink(int page, const QRect& units) const {
        const QImage& im = Pages[std::size_t(page)];
        const double s = Dpm / 10000.0;
        QRect found;
        for (int y = int(units.top() * s); y <= int(units.bottom() * s); ++y)
            for (int x = int(units.left() * s); x <= int(units.right() * s); ++x)
                if (x < im.width() && y < im.height() && qGray(im.pixel(x, y)) < 128)
                    found |= QRect(x, y, 1, 1);
        if (found.isNull()) return {};
        return {int(found.left() / s), int(found.top() / s), int(found.width() / s),
                int(found.height() / s)};
    }

    std::vector<QImage> Pages;
    int Jobs = 0, Ends = 0, NewPages = 0;

private:
    void AddPage() {
        const QSize mm = portrait_ ? QSize(210, 297) : QSize(297, 210);
        QImage page((mm * Dpm + QSize(999, 999)) / 1000, QImage::Format_RGB32);
        page.setDotsPerMeterX(Dpm);
        page.setDotsPerMeterY(Dpm);
        page.fill(Qt::white);
        Pages.push_back(page);
        painter_.begin(&Pages.back());
    }
    bool portrait_;
    QPainter painter_;
};

// Records where the page put the grid and the legend.
struct RecordingParts : PrintParts {
    QSize Legend{500, 300};
    int Cell = 40;
    struct Measure {
        int CellUsed;
        bool Tall;
        int FontHeight;
        bool Bold;
    };
    std::vector<QRect> Grids;
    std::vector<Qt::BGMode> GridBackgrounds;
    std::vector<Measure> Measures;
    std::vector<std::pair<QRect, bool>> Legends;

    int PrintGrid(QPainter& p, const QRect& area) override {
        Grids.push_back(area);
        GridBackgrounds.push_back(p.backgroundMode());
        return Cell;
    }
    QSize MeasureLegend(QPainter& p, int cellUsed, bool tall, QSize) override {
        Measures.push_back({cellUsed, tall, p.font().pixelSize(), p.font().bold()});
        return Legend;
    }
    LegendPiece PrintLegend(QPainter&, const QRect& area, bool tall, int, const LegendCursor&,
                            bool) override {
        Legends.push_back({area, tall});
        LegendPiece whole;
        whole.Next.Done = true;
        whole.Size = area.size();
        return whole;
    }
};

int TitleHeight() {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(50);
    f.setBold(true);
    f.setUnderline(true);
    return QFontMetrics(f).height();
}

// A crossword whose blocks stand where (row + 2 column) mod 8 is 0, every
// word with a clue of its own: 74 words at 15 x 15, the full table at 50 x 50.
std::unique_ptr<Puzzle> LongCrossword(int size, int words) {
    std::vector<std::string> rows;
    for (int r = 1; r <= size; ++r) {
        std::string row;
        for (int c = 1; c <= size; ++c)
            row += (r - 1 + 2 * (c - 1)) % 8 == 0 ? '#' : char('A' + (r * 7 + c * 3) % 26);
        rows.push_back(row);
    }
    auto p = GridPuzzle(0, rows);
    NumberWords(*p);
    p->Image.WordCount = std::uint8_t(std::min<int>(words, p->Image.WordCount));
    static const char* const clues[] = {"Schwester der Mutter", "Trinkgefäß mit Henkel",
                                        "längster Fluss Afrikas und Lebensader Ägyptens"};
    for (int i = 0; i < p->Image.WordCount; ++i)
        p->Image.Words[std::size_t(i)].ClueText.set(std::string(clues[i % 3]));
    return p;
}

// The real parts, counting what each legend piece printed and where.
struct CountingParts : PrintParts {
    explicit CountingParts(PrintParts& real) : Real(real) {}
    int PrintGrid(QPainter& p, const QRect& area) override {
        Grids.push_back(area);
        return Real.PrintGrid(p, area);
    }
    QSize MeasureLegend(QPainter& p, int cellUsed, bool tall, QSize room) override {
        return Real.MeasureLegend(p, cellUsed, tall, room);
    }
    LegendPiece PrintLegend(QPainter& p, const QRect& area, bool tall, int maxWidth,
                            const LegendCursor& from, bool force) override {
        const LegendPiece piece = Real.PrintLegend(p, area, tall, maxWidth, from, force);
        Entries += piece.Next.Across.Printed - from.Across.Printed + piece.Next.Down.Printed -
                   from.Down.Printed;
        Pieces.push_back({Page, QRect(area.topLeft(), piece.Size)});
        return piece;
    }
    PrintParts& Real;
    int Page = 0;
    int Entries = 0;
    std::vector<QRect> Grids;
    std::vector<std::pair<int, QRect>> Pieces;
};

struct CountingPages : ImagePages {
    CountingPages(bool portrait, CountingParts& parts) : ImagePages(portrait), Parts(parts) {}
    bool NewPage() override {
        ++Parts.Page;
        return ImagePages::NewPage();
    }
    CountingParts& Parts;
};

std::unique_ptr<Puzzle> Grid(int kind, int cols, int rows) {
    std::vector<std::string> lines(std::size_t(rows), std::string(std::size_t(cols), 'A'));
    return GridPuzzle(kind, lines);
}
} // namespace

class TestPrintLayout : public QObject {
    Q_OBJECT
private slots:
    void fitAspectRoundsHalvesToEven() {
        QCOMPARE(NearestEven(2.5), 2);
        QCOMPARE(NearestEven(3.5), 4);
        QCOMPARE(NearestEven(-0.5), 0);
        // Width first: the width is kept while the height fits.
        QCOMPARE(FitAspect(5, 100, 0.5, true), QSize(5, 2));
        QCOMPARE(FitAspect(7, 100, 0.5, true), QSize(7, 4));
        QCOMPARE(FitAspect(1000, 300, 0.5, true), QSize(600, 300));
        // Height first: the height is kept while the width fits.
        QCOMPARE(FitAspect(1000, 300, 2.0, false), QSize(150, 300));
        QCOMPARE(FitAspect(100, 300, 0.5, false), QSize(100, 50));
        QCOMPARE(FitAspect(100, 5, 2.0, false), QSize(2, 5));
    }

    void titleTexts() {
        auto p = Grid(1, 3, 3);
        QCOMPARE(PrintTitleText(p->Image), QStringLiteral("Schwedenrätsel mit Lösungswort"));
        p->Image.PuzzleTitle.set("Gr\xFC\xDF"
                                 "e");
        QCOMPARE(PrintTitleText(p->Image), QStringLiteral("Grüße"));
        auto s = Sudoku9();
        s->Image.Difficulty = 3;
        QCOMPARE(PrintTitleText(s->Image), QStringLiteral("Sudoku (sehr schwer)"));
        // The level follows a title too; a level without a name adds nothing.
        s->Image.PuzzleTitle.set("Mein Sudoku");
        s->Image.Difficulty = 1;
        QCOMPARE(PrintTitleText(s->Image), QStringLiteral("Mein Sudoku (mittelschwer)"));
        s->Image.Difficulty = 7;
        QCOMPARE(PrintTitleText(s->Image), QStringLiteral("Mein Sudoku"));
    }

    void sudokuWithDefaultsPrintsOnePageWithFixedCells() {
        auto s = Sudoku9();
        ImagePages pages(false);
        RecordingParts parts;
        PrintSettings ps;
        ps.OnePage = false; // Sudoku kinds never print a legend page
        QCOMPARE(PrintCopies(pages, s->Image, ps, parts), 1);
        QCOMPARE(pages.Pages.size(), std::size_t(1));
        QCOMPARE(pages.NewPages, 0);
        QVERIFY(parts.Measures.empty());
        QVERIFY(parts.Legends.empty());
        const int th = TitleHeight();
        QCOMPARE(parts.Grids, std::vector<QRect>{QRect(200, 200 + th + 30, 720, 720)});
        // The title leaves the background mode alone: cell letters print transparent.
        QCOMPARE(parts.GridBackgrounds[0], Qt::TransparentMode);
        // The title's ink starts at the margins, within the font's own leading.
        const QRect ink = pages.Ink(0, QRect(0, 0, 2970, 200 + th));
        QVERIFY2(ink.left() >= 198 && ink.left() < 220, qPrintable(QString::number(ink.left())));
        QVERIFY2(ink.top() >= 198 && ink.top() < 200 + th / 2,
                 qPrintable(QString::number(ink.top())));
        QVERIFY(ink.bottom() <= 200 + th + 4);
    }

    void oversizedFixedCellsFallBackToFitting() {
        auto s = Sudoku9();
        ImagePages pages(false);
        RecordingParts parts;
        PrintSettings ps;
        ps.GridCellSize = 300; // 270 mm does not fit between the margins
        PrintCopies(pages, s->Image, ps, parts);
        const int th = TitleHeight();
        const int room = 2100 - 400 - th - 30;
        QCOMPARE(parts.Grids, std::vector<QRect>{QRect(200, 200 + th + 30, room, room)});
        // Fitted, the grid ends on the bottom margin, not in it.
        QCOMPARE(parts.Grids[0].top() + parts.Grids[0].height(), 2100 - 200);

        // Stretched, even a size that fits is ignored.
        RecordingParts stretched;
        ps.GridCellSize = 80;
        ps.StretchToPage = true;
        ImagePages again(false);
        PrintCopies(again, s->Image, ps, stretched);
        QCOMPARE(stretched.Grids[0].size(), QSize(room, room));
    }

    void twoPagesRepeatTheTitleAndPutTheLegendUnderIt() {
        auto p = Grid(0, 12, 8);
        for (bool portrait : {false, true}) {
            ImagePages pages(portrait);
            RecordingParts parts;
            PrintSettings ps;
            ps.OnePage = false;
            ps.Portrait = portrait;
            ps.LegendFontHeight = 60;
            PrintCopies(pages, p->Image, ps, parts);
            QCOMPARE(pages.Pages.size(), std::size_t(2));
            const int th = TitleHeight();
            QCOMPARE(parts.Grids.size(), std::size_t(1));
            QCOMPARE(parts.Grids[0].topLeft(), QPoint(200, 200 + th + 30));
            QCOMPARE(parts.Legends.size(), std::size_t(1));
            QCOMPARE(parts.Legends[0].first, QRect(200, 200 + th, 500, 300));
            // Tall lists on a portrait page, side by side on a landscape one.
            QCOMPARE(parts.Legends[0].second, portrait);
            QCOMPARE(parts.Measures.size(), std::size_t(1));
            QCOMPARE(parts.Measures[0].FontHeight, 60);
            QVERIFY(!parts.Measures[0].Bold);
            for (int page = 0; page < 2; ++page)
                QVERIFY2(!pages.Ink(page, QRect(200, 200, 800, th)).isNull(),
                         qPrintable(QString("no title on page %1").arg(page + 1)));
        }
    }

    void everyCopyIsAJobOfItsOwn() {
        auto p = Grid(4, 6, 6);
        ImagePages pages(false);
        RecordingParts parts;
        PrintSettings ps;
        ps.Copies = 3;
        QCOMPARE(PrintCopies(pages, p->Image, ps, parts), 3);
        QCOMPARE(pages.Jobs, 3);
        QCOMPARE(pages.Ends, 3);
        QCOMPARE(parts.Grids.size(), std::size_t(3));
        ps.Copies = 0;
        QCOMPARE(PrintCopies(pages, p->Image, ps, parts), 0);
        QCOMPARE(pages.Jobs, 3);
    }

    void legendRightOfTheGridNarrowsIt() {
        auto p = Grid(0, 10, 10);
        ImagePages pages(false);
        RecordingParts parts;
        PrintSettings ps;
        PrintCopies(pages, p->Image, ps, parts);
        const int th = TitleHeight();
        const int aw = 2970 - 400 - 500 - 30;
        const int ah = 2100 - th - 30 - 400;
        QCOMPARE(parts.Grids[0], QRect(200, 200 + th + 30, std::min(aw, ah), std::min(aw, ah)));
        // Measured once to size the grid, once more after it, both tall.
        QCOMPARE(parts.Measures.size(), std::size_t(2));
        QVERIFY(parts.Measures[0].Tall && parts.Measures[1].Tall);
        QCOMPARE(parts.Measures[1].CellUsed, 40);
        QCOMPARE(parts.Legends[0].first, QRect(2970 - 200 - 500, 200, 500, 300));
        QVERIFY(parts.Legends[0].second);
    }

    void legendBelowTheGridRestsOnTheBottomMargin() {
        auto p = Grid(8, 20, 10);
        ImagePages pages(true);
        RecordingParts parts;
        PrintSettings ps;
        ps.Portrait = true;
        ps.LegendRight = false;
        PrintCopies(pages, p->Image, ps, parts);
        const int th = TitleHeight();
        const int ah = 2970 - 400 - 300 - th - 60;
        const QSize fitted = FitAspect(2100 - 400, ah, 0.5, true);
        QCOMPARE(parts.Grids[0], QRect(QPoint(200, 200 + th + 30), fitted));
        QVERIFY(!parts.Measures[0].Tall);
        QCOMPARE(parts.Legends[0].first, QRect(200, 2970 - 200 - 300, 500, 300));
        QVERIFY(!parts.Legends[0].second);
    }

    void tallNumberLegendLimitsTheGridWidth() {
        // Ten columns give cells of (2970 - 400 - 30) / 14 = 181; the code
        // table needs 15 rows of them, more than the 1700 units of height, so
        // the cells shrink to 1700 / 15 = 113.
        auto p = Grid(3, 10, 5);
        ImagePages pages(false);
        RecordingParts parts;
        PrintSettings ps;
        PrintCopies(pages, p->Image, ps, parts);
        QCOMPARE(parts.Grids[0].size(), QSize(1130, 565));
        QVERIFY(15 * parts.Grids[0].width() / 10 <= 1700);
        // No measuring before the grid; after it with the cell size used.
        QCOMPARE(parts.Measures.size(), std::size_t(1));
        QCOMPARE(parts.Measures[0].CellUsed, 40);
        QVERIFY(parts.Measures[0].Tall);

        // A wide puzzle whose table fits keeps the full width of its cells.
        auto wide = Grid(3, 30, 5);
        RecordingParts wideParts;
        ImagePages widePages(false);
        PrintCopies(widePages, wide->Image, ps, wideParts);
        const int cell = (2970 - 400 - 30) / 34;
        QCOMPARE(wideParts.Grids[0].width(), 30 * cell);

        // Legend below: the cells come from the height.
        ps.LegendRight = false;
        RecordingParts below;
        ImagePages belowPages(false);
        PrintCopies(belowPages, p->Image, ps, below);
        const int th = TitleHeight();
        // Five rows and the table's: (2100 - 400 - 30 - 2 th) / 11, at most 2570 / 14.
        const int c3 = std::min((2100 - 400 - 30 - 2 * th) / 11, 2570 / 14);
        QCOMPARE(below.Grids[0].height(), 5 * c3);
        QCOMPARE(below.Legends[0].first.bottom() + 1, 2100 - 200);
    }

    void aMissingLegendLeavesTheGridAlone() {
        auto p = Grid(6, 8, 8);
        ImagePages pages(false);
        RecordingParts parts;
        parts.Legend = QSize();
        PrintSettings ps;
        PrintCopies(pages, p->Image, ps, parts);
        QCOMPARE(parts.Grids.size(), std::size_t(1));
        QVERIFY(parts.Legends.empty());
    }

    void longLegendsGoOnOverFurtherPagesInEveryLayout() {
        Settings settings;
        for (const auto& [size, words] : {std::pair{15, 74}, std::pair{50, 200}}) {
            auto p = LongCrossword(size, words);
            QCOMPARE(int(p->Image.WordCount), words);
            for (int layout = 0; layout < 6; ++layout) {
                PrintSettings ps;
                ps.Portrait = layout % 2 == 1;
                ps.LegendRight = layout < 2;
                ps.OnePage = layout < 4;
                ps.LegendFontHeight = size == 15 ? 40 : 60;
                CandidateTable candidates{};
                PuzzlePrintParts real(RecordGridContext(p->Image, settings, candidates), nullptr,
                                      ps);
                CountingParts parts(real);
                CountingPages pages(ps.Portrait, parts);
                QCOMPARE(PrintCopies(pages, p->Image, ps, parts), 1);
                const QString where = QString("%1x%1 layout %2").arg(size).arg(layout);
                // Every clue once, the grid on page 1, the legend on more pages.
                QVERIFY2(parts.Entries == words, qPrintable(where));
                QCOMPARE(parts.Grids.size(), std::size_t(1));
                QVERIFY(parts.Grids[0].width() > 0 && parts.Grids[0].height() > 0);
                QVERIFY2(pages.Pages.size() >= 2, qPrintable(where));
                const QSize page = ps.Portrait ? QSize(2100, 2970) : QSize(2970, 2100);
                const QRect inside(200, 200, page.width() - 400, page.height() - 400);
                const QRect title(200, 200, PrintTitleWidth(p->Image), TitleHeight());
                for (const auto& [onPage, piece] : parts.Pieces) {
                    QVERIFY2(inside.contains(piece), qPrintable(where));
                    QVERIFY2(!piece.intersects(title), qPrintable(where));
                    if (onPage == 0) QVERIFY2(!piece.intersects(parts.Grids[0]), qPrintable(where));
                }
                // No ink in the margins on any page (the title's underline aside).
                for (int i = 0; i < int(pages.Pages.size()); ++i) {
                    QVERIFY(
                        pages.Ink(i, QRect(0, page.height() - 195, page.width(), 195)).isNull());
                    QVERIFY(
                        pages.Ink(i, QRect(page.width() - 195, 0, 195, page.height())).isNull());
                    QVERIFY(!pages.Ink(i, title).isNull());
                }
            }
        }
    }

    void aLongTitlePushesTheLegendBelowIt() {
        auto p = Grid(0, 10, 10);
        p->Image.PuzzleTitle.set(std::string(60, 'W'));
        ImagePages pages(false);
        RecordingParts parts;
        PrintSettings ps;
        PrintCopies(pages, p->Image, ps, parts);
        QCOMPARE(parts.Legends[0].first.top(), parts.Grids[0].top());
        // A short one leaves it level with the title.
        p->Image.PuzzleTitle.set("Kurz");
        RecordingParts level;
        ImagePages again(false);
        PrintCopies(again, p->Image, ps, level);
        QCOMPARE(level.Legends[0].first.top(), 200);
    }

    void aLegendTooTallBelowLeavesTheGridAThird() {
        auto p = Grid(0, 10, 10);
        ImagePages pages(false);
        RecordingParts parts;
        parts.Legend = QSize(800, 1500);
        PrintSettings ps;
        ps.LegendRight = false;
        PrintCopies(pages, p->Image, ps, parts);
        QCOMPARE(parts.Grids[0].height(), (2100 - 400) / 3);
        const QRect legend = parts.Legends[0].first;
        QCOMPARE(legend.top(), parts.Grids[0].bottom() + 1 + 30);
        QCOMPARE(legend.bottom() + 1, 2100 - 200);
    }

    void twoPageNumberPuzzleSizesTheTableFromTheGrid() {
        auto p = Grid(2, 8, 6);
        ImagePages pages(true);
        RecordingParts parts;
        PrintSettings ps;
        ps.OnePage = false;
        ps.Portrait = true;
        PrintCopies(pages, p->Image, ps, parts);
        QCOMPARE(parts.Measures.size(), std::size_t(1));
        QCOMPARE(parts.Measures[0].CellUsed, parts.Cell);
    }

    void hugeMarginsStillPrint() {
        auto p = Grid(0, 10, 10);
        ImagePages pages(true);
        RecordingParts parts;
        parts.Legend = QSize(3000, 3000);
        PrintSettings ps;
        ps.MarginLeftRight = ps.MarginTopBottom = 500;
        QCOMPARE(PrintCopies(pages, p->Image, ps, parts), 1);
        QVERIFY(parts.Grids[0].width() >= 1);
        QVERIFY(parts.Grids[0].height() >= 1);
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    TestPrintLayout t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_PrintLayout.moc"
