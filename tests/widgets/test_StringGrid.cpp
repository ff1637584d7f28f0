// The owner-drawn grid: geometry, hit testing, selection and the owner's hooks.
#include "StringGrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTest>

#include <set>
#include <utility>

namespace {
void Configure(StringGrid& g, int lineWidth, bool hideHeader) {
    g.ChangeLayout([&](GridLayout& l) {
        l.ColCount = 4;
        l.RowCount = 3;
        l.DefaultColWidth = 30;
        l.DefaultRowHeight = 20;
        l.LineWidth = lineWidth;
        l.ResetSizes();
        if (hideHeader) {
            l.SetColWidth(0, 0);
            l.SetRowHeight(0, 0);
        }
    });
    g.resize(g.sizeHint());
}
} // namespace

class TestStringGrid : public QObject {
    Q_OBJECT
private slots:
    void cellRectsFollowWidthsLinesAndBorder() {
        StringGrid g;
        Configure(g, 1, true);
        // Border 1, hidden header column 0 followed by its line.
        QCOMPARE(g.CellRect(0, 0), QRect(1, 1, 0, 0));
        QCOMPARE(g.CellRect(1, 1), QRect(2, 2, 30, 20));
        QCOMPARE(g.CellRect(2, 1), QRect(33, 2, 30, 20));
        QCOMPARE(g.CellRect(3, 2), QRect(64, 23, 30, 20));
        QCOMPARE(g.sizeHint(), QSize(1 + 1 + 3 * 31 + 1, 1 + 1 + 2 * 21 + 1));
        QCOMPARE(g.CellRect(4, 1), QRect()); // outside

        Configure(g, 0, true);
        QCOMPARE(g.CellRect(1, 1), QRect(1, 1, 30, 20));
        QCOMPARE(g.CellRect(2, 1), QRect(31, 1, 30, 20));

        Configure(g, 1, false);
        QCOMPARE(g.CellRect(0, 0), QRect(1, 1, 30, 20));
        QCOMPARE(g.CellRect(1, 1), QRect(32, 22, 30, 20));
        g.SetColWidth(2, 10);
        QCOMPARE(g.CellRect(3, 1), QRect(32 + 31 + 11, 22, 30, 20));
    }

    void mouseToCellSkipsLinesAndBorder() {
        StringGrid g;
        Configure(g, 1, true);
        int c = 0, r = 0;
        QVERIFY(!g.MouseToCell({0, 5}, c, r)); // border
        QCOMPARE(c, -1);
        QVERIFY(g.MouseToCell({2, 2}, c, r));
        QCOMPARE(std::make_pair(c, r), std::make_pair(1, 1));
        QVERIFY(g.MouseToCell({31, 21}, c, r));
        QCOMPARE(std::make_pair(c, r), std::make_pair(1, 1));
        QVERIFY(!g.MouseToCell({32, 10}, c, r)); // the line after column 1
        QVERIFY(g.MouseToCell({33, 23}, c, r));
        QCOMPARE(std::make_pair(c, r), std::make_pair(2, 2));
        QVERIFY(!g.MouseToCell({500, 10}, c, r));

        Configure(g, 0, true);
        QVERIFY(g.MouseToCell({30, 5}, c, r));
        QCOMPARE(c, 1);
        QVERIFY(g.MouseToCell({31, 5}, c, r));
        QCOMPARE(c, 2);
    }

    void ownerDrawsEveryVisibleCellOverTheLineBackground() {
        StringGrid g;
        Configure(g, 1, true);
        std::set<std::pair<int, int>> drawn;
        g.OnDrawCell = [&](QPainter& p, int c, int r, const QRect& rect, GridLayout::CellState) {
            drawn.insert({c, r});
            p.fillRect(rect, Qt::red);
        };
        const QImage image = g.grab().toImage();
        QCOMPARE(drawn.size(), std::size_t(3 * 2)); // zero-sized header cells are skipped
        QVERIFY(!drawn.count({0, 1}));
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::red));
        QCOMPARE(image.pixelColor(32, 5), g.Layout().LineColour);
        QCOMPARE(image.pixelColor(0, 0), g.Layout().BorderColour);
    }

    void selectionCanBeRefused() {
        StringGrid g;
        Configure(g, 1, true);
        g.SetCurrent(1, 1);
        g.OnSelectCell = [](int c, int) { return c != 2; };
        QVERIFY(!g.SelectCell(2, 1));
        QCOMPARE(g.Col(), 1);
        QTest::keyClick(&g, Qt::Key_Right);
        QCOMPARE(g.Col(), 1);
        QTest::keyClick(&g, Qt::Key_Down);
        QCOMPARE(std::make_pair(g.Col(), g.Row()), std::make_pair(1, 2));
        QVERIFY(g.SelectCell(3, 2));
        QCOMPARE(g.Col(), 3);
        QVERIFY(!g.SelectCell(9, 2));
    }

    void keysAreOfferedToTheOwnerFirst() {
        StringGrid g;
        Configure(g, 1, true);
        g.SetCurrent(1, 1);
        QString typed;
        g.OnKeyDown = [](QKeyEvent* e) { return e->key() == Qt::Key_Left; };
        g.OnKeyPress = [&](QKeyEvent* e) {
            typed += e->text();
            return true;
        };
        QTest::keyClick(&g, Qt::Key_Right);
        QCOMPARE(g.Col(), 2);
        QTest::keyClick(&g, Qt::Key_Left); // swallowed by the owner
        QCOMPARE(g.Col(), 2);
        QTest::keyClicks(&g, "ab");
        QCOMPARE(typed, QStringLiteral("ab"));
    }

    void clickSelectsBeforeTheOwnerHearsOfIt() {
        StringGrid g;
        Configure(g, 1, true);
        g.show();
        std::pair<int, int> seen{-1, -1};
        g.OnMouseDown = [&](QMouseEvent*) { seen = {g.Col(), g.Row()}; };
        QTest::mouseClick(&g, Qt::LeftButton, {}, g.CellRect(3, 2).center());
        QCOMPARE(seen, std::make_pair(3, 2));
        // The right button does not move the current cell.
        QTest::mouseClick(&g, Qt::RightButton, {}, g.CellRect(1, 1).center());
        QCOMPARE(std::make_pair(g.Col(), g.Row()), std::make_pair(3, 2));
    }

    void rangeSelectionFollowsTheDrag() {
        StringGrid g;
        Configure(g, 1, true);
        g.show();
        g.SetRangeSelect(true);
        QVERIFY(g.Selection().Empty());
        QTest::mousePress(&g, Qt::LeftButton, {}, g.CellRect(3, 1).center());
        QMouseEvent move(QEvent::MouseMove, g.CellRect(1, 2).center(),
                         g.mapToGlobal(g.CellRect(1, 2).center()), Qt::NoButton, Qt::LeftButton,
                         {});
        QApplication::sendEvent(&g, &move);
        QTest::mouseRelease(&g, Qt::LeftButton, {}, g.CellRect(1, 2).center());
        const GridSelection s = g.Selection();
        QCOMPARE(s.Left, 1);
        QCOMPARE(s.Right, 3);
        QCOMPARE(s.Top, 1);
        QCOMPARE(s.Bottom, 2);
        g.SetSelection(GridSelection{0, -1, 0, -1});
        QVERIFY(g.Selection().Empty());
        // Without range selection the current cell is the selection.
        g.SetRangeSelect(false);
        QVERIFY(g.Selection().Contains(g.Col(), g.Row()));
    }
};

QTEST_MAIN(TestStringGrid)
#include "test_StringGrid.moc"
