// The printout of the number legend and of the solution row, drawn without a
// window: sizes of the two layouts, where each cell lands, the colour modes.
#include "CodeTable.h"
#include "SidePainter.h"
#include "SolutionEntry.h"
#include "TestSupport.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTest>

namespace {
const QColor Silver(0xC0, 0xC0, 0xC0), White(Qt::white), Black(Qt::black);

struct Paper {
    std::unique_ptr<Puzzle> P = GridPuzzle(3, {"AB"});
    Settings S;
    SidePaintContext Ctx;
    QImage Image{1400, 1400, QImage::Format_RGB32};

    explicit Paper(int colourMode) {
        SetDefaultSettings(S, P->Image);
        for (int i = 0; i < 26; ++i) P->Image.Words[i].CodeLetter = 'A' + i;
        P->Image.SolutionWord.set("OBST");
        P->Image.EnteredSolutionWord.set("OX  ");
        Ctx.Image = &P->Image;
        Ctx.Config = &S;
        Ctx.Target = PaintTarget::Printer;
        Ctx.ColourMode = colourMode;
        Image.fill(Qt::white);
    }
    QColor At(int x, int y) const { return Image.pixelColor(x, y); }
    bool Has(const QRect& area, const QColor& colour) const {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (At(x, y).rgb() == colour.rgb()) return true;
        return false;
    }
};
} // namespace

class TestSidePainter : public QObject {
    Q_OBJECT
private slots:
    void legendMeasures() {
        Paper paper(2);
        QPainter p(&paper.Image);
        QFont font;
        font.setPixelSize(40);
        p.setFont(font);
        const int title = 2 * QFontMetrics(font).height();
        QCOMPARE(MeasureNumberLegendPrint(p, paper.S, 60, true), QSize(4 * 61, 13 * 61 + title));
        QCOMPARE(MeasureNumberLegendPrint(p, paper.S, 60, false), QSize(13 * 61, 4 * 61 + title));
        // Without a cell size the cells are Feldgroesse.
        const int f = paper.S.Feldgroesse;
        QCOMPARE(MeasureNumberLegendPrint(p, paper.S, 0, true).width(), 4 * (f + 1));
    }

    void tallAndWideLayouts() {
        for (bool tall : {true, false}) {
            Paper paper(1); // grey: number cells silver, letter cells white
            QPainter p(&paper.Image);
            QFont font;
            font.setPixelSize(20);
            p.setFont(font);
            const QSize size = MeasureNumberLegendPrint(p, paper.S, 60, tall);
            const QRect rect(10, 10, size.width(), size.height());
            PrintNumberLegend(p, paper.Ctx, rect, tall, true);
            p.end();
            const int title = 2 * QFontMetrics(font).height();
            const int f = 61; // fit: a quarter of the narrow side per cell and line
            // Number 13 sits in column 2, row 0 of the tall table; the wide
            // table runs the columns down.
            const int across = tall ? 2 : 0, down = tall ? 0 : 2;
            const QRect number(10 + across * f + 5, 10 + title + down * f + 5, 5, 5);
            QVERIFY2(paper.Has(number, Silver), tall ? "tall" : "wide");
            const int letterAcross = tall ? 3 : 0, letterDown = tall ? 0 : 3;
            const QRect letter(10 + letterAcross * f + 5, 10 + title + letterDown * f + 5, 5, 5);
            QVERIFY(!paper.Has(letter, Silver));
            // The whole table stays inside the measured rectangle.
            QCOMPARE(paper.At(rect.right() + 3, rect.bottom() - 5), White);
            QCOMPARE(paper.At(rect.right() - 5, rect.bottom() + 3), White);
        }
    }

    void lineAndColourModes() {
        for (int mode : {0, 2}) {
            Paper paper(mode);
            QPainter p(&paper.Image);
            PaintCodeCell(p, paper.Ctx, 0, 0, false, QRect(20, 20, 60, 60));
            PaintCodeCell(p, paper.Ctx, 1, 0, false, QRect(81, 20, 60, 60));
            p.end();
            const QColor numberBack = paper.At(25, 25);
            QCOMPARE(numberBack,
                     mode == 0 ? White : ToQColor(SystemColour::ButtonFace, paper.S.System));
            QCOMPARE(paper.At(19, 50), Black); // the outline one unit outside the cell
        }
    }

    void solutionRow() {
        for (int mode : {0, 1, 2}) {
            Paper paper(mode);
            QPainter p(&paper.Image);
            const QRect row(100, 100, 4 * 80, 80);
            PrintSolutionRow(p, paper.Ctx, row);
            p.end();
            const QColor expected = mode == 0 ? White
                                    : mode == 1
                                        ? QColor(0xDD, 0xDD, 0xDD)
                                        : ToQColor(paper.S.FarbeLoesungfeld, paper.S.System);
            // Each box is as wide as the row is high, moved two units right.
            for (int b = 0; b < 4; ++b) QCOMPARE(paper.At(100 + 80 * b + 10, 105), expected);
            QCOMPARE(paper.At(100 + 4 * 80 + 10, 140), White); // nothing beyond the fourth box
            QCOMPARE(paper.At(100, 140), Black); // the first box's outline, two units right
        }
    }

    void solutionLettersAndColoursOnPaper() {
        Paper paper(2);
        QCOMPARE(SolutionCellLetter(paper.Ctx, 0), QStringLiteral("O"));
        QCOMPARE(SolutionCellLetter(paper.Ctx, 2), QString());
        paper.S.FehlerZeigen = true;
        QCOMPARE(SolutionLetterColour(paper.Ctx, 1),
                 ToQColor(paper.S.FarbeFalscheBuchstaben, paper.S.System));
        // Grey prints keep the plain colour.
        paper.Ctx.ColourMode = 1;
        QCOMPARE(SolutionLetterColour(paper.Ctx, 1),
                 ToQColor(paper.S.FarbeLoesungswort, paper.S.System));
        paper.Ctx.ShowSolution = true;
        QCOMPARE(SolutionCellLetter(paper.Ctx, 2), QStringLiteral("S"));
    }
};

QTEST_MAIN(TestSidePainter)
#include "test_SidePainter.moc"
