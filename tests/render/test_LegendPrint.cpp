// The clue lists on paper: sizes, titles, check boxes, alignment and colours.
#include "LegendPrint.h"
#include "PrintSources.h"
#include "TestSupport.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {
PrintedList::Entry Row(std::initializer_list<std::pair<int, const char*>> cells,
                       bool solved = false) {
    PrintedList::Entry e;
    for (const auto& [column, text] : cells) e.Cells[std::size_t(column)] = QString::fromUtf8(text);
    e.Solved = solved;
    return e;
}

// Kind 0 style: Nummer (check column) and Umschreibung.
PrintedList NumberedList(int entries) {
    PrintedList l;
    l.Columns = {2, 5};
    l.CheckColumn = 2;
    for (int i = 1; i <= entries; ++i)
        l.Entries.push_back(Row({{2, qPrintable(QString::number(i * 7))},
                                 {5, qPrintable(QString("Hinweis %1").arg(i))}},
                                i == 1));
    return l;
}

struct Canvas {
    QImage Image{1400, 1400, QImage::Format_RGB32};
    QPainter Painter;
    Canvas() {
        Image.fill(Qt::gray);
        Painter.begin(&Image);
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(40);
        Painter.setFont(f);
    }
    int RowHeight() { return std::max(18, QFontMetrics(Painter.font()).height()); }
    int Dark(const QRect& r) const {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (qGray(Image.pixel(x, y)) < 100) ++n;
        return n;
    }
    // The rightmost column with dark pixels in the area, or -1.
    int InkRight(const QRect& r) const {
        for (int x = r.right(); x >= r.left(); --x)
            for (int y = r.top(); y <= r.bottom(); ++y)
                if (qGray(Image.pixel(x, y)) < 100) return x;
        return -1;
    }
};
} // namespace

class TestLegendPrint : public QObject {
    Q_OBJECT
private slots:
    void sizesOfTheLayouts() {
        Canvas c;
        const int h = c.RowHeight();
        LegendPrintData one;
        one.TwoLists = false;
        one.Down = NumberedList(4);
        const QSize single = MeasureLegendPrint(c.Painter, one, true);
        QCOMPARE(single.height(), h * 6);
        QCOMPARE(MeasureLegendPrint(c.Painter, one, false), single);

        LegendPrintData two;
        two.Across = NumberedList(2);
        two.Down = NumberedList(4);
        one.Down = NumberedList(2);
        const QSize across = MeasureLegendPrint(c.Painter, one, true);
        QCOMPARE(MeasureLegendPrint(c.Painter, two, true),
                 QSize(std::max(across.width(), single.width()), h * 4 + h * 6 + 20));
        QCOMPARE(MeasureLegendPrint(c.Painter, two, false),
                 QSize(across.width() + single.width() + 20, h * 6));
    }

    void anEmptyListKeepsItsTitleRowsAndNoCheckColumnSavesTheBoxRoom() {
        Canvas c;
        LegendPrintData legend;
        legend.TwoLists = false;
        legend.Down.Columns = {4};
        legend.Down.CheckColumn = 4;
        QCOMPARE(MeasureLegendPrint(c.Painter, legend, true).height(), 2 * c.RowHeight());
        legend.Down.Entries.push_back(Row({{4, "HAUS"}}));
        const int withBox = MeasureLegendPrint(c.Painter, legend, true).width();
        legend.Down.CheckColumn = -1;
        const int without = MeasureLegendPrint(c.Painter, legend, true).width();
        QCOMPARE(withBox - without, 31);
        QCOMPARE(without, QFontMetrics(c.Painter.font()).horizontalAdvance("HAUS") + 14);
    }

    void printsTitlesBoxesAndRightAlignedNumbers() {
        Canvas c;
        LegendPrintData legend;
        legend.Across = NumberedList(3);
        legend.Down = NumberedList(2);
        const int h = c.RowHeight();
        const QSize size = MeasureLegendPrint(c.Painter, legend, true);
        const QRect area(10, 10, size.width(), size.height());
        PrintLegend(c.Painter, area, legend, true);
        // The whole rectangle is white or ink now.
        QCOMPARE(c.Image.pixelColor(area.right() - 1, area.top() + 1), QColor(Qt::white));
        // Titles in both blocks.
        QVERIFY(c.Dark(QRect(11, 11, 200, h)) > 0);
        const int downTop = 10 + h * 5 + 2 + 20;
        QVERIFY(c.Dark(QRect(11, downTop + 1, 200, h)) > 0);
        // The first entry is solved: its box carries a tick, the second's is empty.
        // A 2.5 mm box; the first entry is solved: its box carries a tick,
        // the second's is empty.
        const int boxTop = 10 + 2 * h + (h - 25) / 2;
        const QRect ticked(10 + 3, boxTop + 3, 19, 19);
        const QRect empty(10 + 3, boxTop + h + 3, 19, 19);
        QVERIFY(c.Dark(ticked) > 0);
        QCOMPARE(c.Dark(empty), 0);
        // Numbers stand at the right of their column, at least 1 mm before
        // the clue text.
        QFontMetrics fm(c.Painter.font());
        const int numberWidth =
            std::max(fm.horizontalAdvance("7"),
                     std::max(fm.horizontalAdvance("14"), fm.horizontalAdvance("21"))) +
            14 + 31;
        const int right1 = c.InkRight(QRect(10 + 31, 10 + 2 * h, numberWidth - 31, h));
        const int right3 = c.InkRight(QRect(10 + 31, 10 + 4 * h, numberWidth - 31, h));
        QVERIFY(right1 > 10 + numberWidth - 14);
        QVERIFY(qAbs(right1 - right3) <= 3);
        int clueLeft = -1;
        for (int x = 10 + numberWidth; clueLeft < 0 && x < 10 + numberWidth + 40; ++x)
            if (c.Dark(QRect(x, 10 + 2 * h, 1, h)) > 0) clueLeft = x;
        QVERIFY2(clueLeft - right1 > 10, qPrintable(QString::number(clueLeft - right1)));
    }

    void linesOnlyPrintsNoColour() {
        Canvas c;
        LegendPrintData legend;
        legend.TwoLists = false;
        legend.Leerfeld1 = 0x0000FF;
        legend.System.ButtonFace = 0x00FFFF;
        legend.Down.Columns = {0, 1, 5};
        legend.Down.Entries = {Row({{0, "1"}, {1, "2"}, {5, "Baum"}})};
        const int h = c.RowHeight();
        const auto colourful = [&](int mode) {
            legend.ColourMode = mode;
            c.Image.fill(Qt::white);
            const QSize size = MeasureLegendPrint(c.Painter, legend, true);
            PrintLegend(c.Painter, QRect(QPoint(0, 0), size), legend, true);
            int n = 0;
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x) {
                    const QColor p = c.Image.pixelColor(x, y);
                    if (p.saturation() > 40) ++n;
                }
            return n;
        };
        QVERIFY(colourful(2) > 0);
        // Column 0 on the button face, column 1 on the block colour.
        QCOMPARE(c.Image.pixelColor(1, 2 * h + 1), QColor(255, 255, 0));
        QCOMPARE(colourful(1), 0);
        QCOMPARE(colourful(0), 0);
        QCOMPARE(c.Image.pixelColor(1, 2 * h + 1), QColor(Qt::white));
    }

    void longListsGoOnPieceByPiece() {
        Canvas c;
        const int h = c.RowHeight();
        LegendPrintData legend;
        legend.Across = NumberedList(5);
        legend.Down = NumberedList(7);
        // Room for the across heading and three entries.
        LegendPiece piece = PrintLegendPiece(c.Painter, QRect(0, 0, 600, 5 * h), legend, true, 600,
                                             {}, true, false);
        QCOMPARE(piece.Next.Across.Printed, 3);
        QVERIFY(!piece.Next.Down.Started);
        QCOMPARE(piece.Size.height(), 5 * h);
        // The rest: two across entries, the gap, the down list with three.
        piece = PrintLegendPiece(c.Painter, QRect(0, 0, 600, 9 * h + 22), legend, true, 600,
                                 piece.Next, false, false);
        QCOMPARE(piece.Next.Across.Printed, 5);
        QCOMPARE(piece.Next.Down.Printed, 3);
        QVERIFY(!piece.Next.Done);
        // A band too low for anything holds one entry when it must.
        piece = PrintLegendPiece(c.Painter, QRect(0, 0, 600, h), legend, true, 600, piece.Next,
                                 false, false);
        QVERIFY(piece.Size.isEmpty());
        piece = PrintLegendPiece(c.Painter, QRect(0, 0, 600, h), legend, true, 600, piece.Next,
                                 false, true);
        QCOMPARE(piece.Next.Down.Printed, 4);
        // Side by side both lists go on in their own columns.
        piece = PrintLegendPiece(c.Painter, QRect(0, 0, 1400, 4 * h), legend, false, 1400, {},
                                 false, false);
        QCOMPARE(piece.Next.Across.Printed, 2);
        QCOMPARE(piece.Next.Down.Printed, 2);
        QCOMPARE(piece.Size,
                 MeasureLegendPrint(c.Painter, legend, false).boundedTo(QSize(INT_MAX, 4 * h)));
    }

    void tooWideListsStackThenWrap() {
        Canvas c;
        LegendPrintData legend;
        legend.Across = NumberedList(3);
        legend.Down = NumberedList(3);
        legend.Down.Entries[1].Cells[5] =
            QStringLiteral("ein recht langer Hinweis mit vielen Wörtern");
        const QSize wide = MeasureLegendPrint(c.Painter, legend, false);
        const QSize tall = MeasureLegendPrint(c.Painter, legend, true);
        // Side by side wider than allowed: one above the other.
        QCOMPARE(MeasureLegendPrint(c.Painter, legend, false, wide.width() - 1), tall);
        // Narrower than a list: its clue column wraps, the entry grows.
        const int narrow = tall.width() / 2;
        const QSize wrapped = MeasureLegendPrint(c.Painter, legend, true, narrow);
        QVERIFY(wrapped.width() <= narrow);
        QVERIFY(wrapped.height() > tall.height());
        PrintLegend(c.Painter, QRect(QPoint(0, 0), wrapped), legend, true, narrow);
        QCOMPARE(c.InkRight(QRect(0, 0, 1400, wrapped.height())) < narrow, true);
    }

    void listsFromTheRecord() {
        Settings settings;
        // American puzzle: line entries with row, blank count and clues, no boxes.
        auto american = GridPuzzle(10, {"AB#", "CDE"});
        NumberWords(*american);
        LegendPrintData legend;
        QVERIFY(BuildLegendPrintData(american->Image, settings, 2, legend));
        QVERIFY(legend.TwoLists);
        QCOMPARE(legend.Across.Columns, (std::vector<int>{0, 1, 5}));
        QCOMPARE(legend.Across.CheckColumn, -1);
        QCOMPARE(legend.Across.Entries.size(), std::size_t(2));
        QCOMPARE(legend.Down.Entries.size(), std::size_t(3));
        QCOMPARE(legend.Across.Entries[0].Cells[1], QStringLiteral("1"));

        // Word search in one-list mode: every word, solved ones ticked, hidden
        // ones printed all the same.
        auto search = GridPuzzle(12, {"HUT", "OHR", "SEE"});
        const int words = NumberWords(*search);
        search->Image.Words[0].WordSolvedMark = 1;
        settings.BegriffeAusblenden = true;
        QVERIFY(BuildLegendPrintData(search->Image, settings, 0, legend));
        QVERIFY(!legend.TwoLists);
        QCOMPARE(legend.ColourMode, 0);
        QCOMPARE(legend.Down.Columns, std::vector<int>{4});
        QCOMPARE(legend.Down.CheckColumn, 4);
        QCOMPARE(int(legend.Down.Entries.size()), words);
        int solved = 0;
        for (const auto& e : legend.Down.Entries) solved += e.Solved ? 1 : 0;
        QCOMPARE(solved, 1);
        Canvas c;
        const QSize size = MeasureLegendPrint(c.Painter, legend, true);
        QCOMPARE(size.height(), c.RowHeight() * (words + 2));

        // Sudoku and number puzzles have no clue list.
        QVERIFY(!BuildLegendPrintData(Sudoku9()->Image, settings, 2, legend));
        QVERIFY(!BuildLegendPrintData(GridPuzzle(2, {"AB"})->Image, settings, 2, legend));
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    TestLegendPrint t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_LegendPrint.moc"
