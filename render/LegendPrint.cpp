#include "LegendPrint.h"

#include "CellPainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int Gap = 20;     // between the two lists
constexpr int BoxSize = 14; // the check box
constexpr int BoxRoom = 18; // the check box and the space after it
constexpr int MinRowHeight = 18;

int RowHeight(const QPainter& painter) {
    return std::max(MinRowHeight, QFontMetrics(painter.font()).height());
}

QFont ColumnFont(const QPainter& painter, int column) {
    QFont f = painter.font();
    f.setBold(column == 0);
    f.setUnderline(false);
    return f;
}

struct ListGeometry {
    std::vector<int> Offsets; // per visible column, then the list width
    int Width() const { return Offsets.empty() ? 0 : Offsets.back(); }
};

ListGeometry Measure(const QPainter& painter, const PrintedList& list) {
    ListGeometry g;
    g.Offsets.push_back(0);
    for (int column : list.Columns) {
        // Column 0 is printed bold, so it is measured bold.
        const QFontMetrics fm(ColumnFont(painter, column));
        int widest = 0;
        for (const PrintedList::Entry& e : list.Entries)
            widest = std::max(widest, fm.horizontalAdvance(e.Cells[std::size_t(column)]));
        int width = widest + 8;
        if (column == list.CheckColumn) width += BoxRoom;
        g.Offsets.push_back(g.Offsets.back() + width);
    }
    return g;
}

int BlockHeight(int rowHeight, const PrintedList& list) {
    return rowHeight * (static_cast<int>(list.Entries.size()) + 2);
}

QColor Grey(const QColor& c) {
    const int g = qGray(c.rgb());
    return {g, g, g};
}

struct CellColours {
    QColor Background, Text;
};

CellColours ColoursOf(const LegendPrintData& legend, int column) {
    CellColours c;
    if (column == 0) {
        c = {ToQColor(SystemColour::ButtonFace, legend.System), Qt::black};
    } else if (column == 1) {
        c = {ToQColor(legend.Leerfeld1, legend.System), Qt::white};
    } else {
        c = {ToQColor(legend.System.Window, legend.System),
             ToQColor(legend.System.WindowText, legend.System)};
    }
    if (legend.ColourMode == 1) return {Grey(c.Background), Grey(c.Text)};
    // Lines only: black on white, whatever the screen shows.
    if (legend.ColourMode <= 0) return {Qt::white, Qt::black};
    return c;
}

void DrawCheckBox(QPainter& painter, const QRect& box, bool ticked) {
    painter.save();
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    if (ticked) {
        QPen pen(Qt::black, 2);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        const QPointF a(box.left() + 3, box.top() + 7);
        const QPointF b(box.left() + 6, box.top() + 10);
        const QPointF c(box.left() + 11, box.top() + 3);
        painter.drawPolyline(QVector<QPointF>{a, b, c});
    }
    painter.restore();
}

void PrintCell(QPainter& painter, const LegendPrintData& legend, const PrintedList& list,
               const PrintedList::Entry& entry, int column, const QRect& cell) {
    const CellColours colours = ColoursOf(legend, column);
    painter.fillRect(cell, colours.Background);
    QRect text = cell;
    if (column == list.CheckColumn) {
        const QRect box(cell.left(), cell.top() + (cell.height() - BoxSize) / 2, BoxSize, BoxSize);
        DrawCheckBox(painter, box, entry.Solved);
        text.setLeft(cell.left() + BoxRoom);
    }
    text.adjust(2, 0, -2, 0);
    painter.setFont(ColumnFont(painter, column));
    painter.setPen(colours.Text);
    const Qt::Alignment align = (column <= 3 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    painter.drawText(text, int(align | Qt::TextSingleLine), entry.Cells[std::size_t(column)]);
}

// One list with its title at (x0, y0).
void PrintList(QPainter& painter, const LegendPrintData& legend, const PrintedList& list,
               const QString& title, int x0, int y0, int h) {
    const QFont base = painter.font();
    QFont titleFont = base;
    titleFont.setBold(true);
    titleFont.setUnderline(true);
    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(QPoint(x0 + 1, y0 + 1 + QFontMetrics(titleFont).ascent()), title);
    painter.setFont(base);

    const ListGeometry g = Measure(painter, list);
    for (std::size_t k = 0; k < list.Entries.size(); ++k) {
        const int top = y0 + (static_cast<int>(k) + 2) * h;
        for (std::size_t i = 0; i < list.Columns.size(); ++i) {
            const QRect cell(QPoint(x0 + g.Offsets[i], top),
                             QPoint(x0 + g.Offsets[i + 1] - 1, top + h - 1));
            PrintCell(painter, legend, list, list.Entries[k], list.Columns[i], cell);
            painter.setFont(base);
        }
    }
}
} // namespace

QSize MeasureLegendPrint(QPainter& painter, const LegendPrintData& legend, bool tall) {
    const int h = RowHeight(painter);
    const int wD = Measure(painter, legend.Down).Width();
    const int hD = BlockHeight(h, legend.Down);
    if (!legend.TwoLists) return {wD, hD};
    const int wA = Measure(painter, legend.Across).Width();
    const int hA = BlockHeight(h, legend.Across);
    if (tall) return {std::max(wA, wD), hD + hA + Gap};
    return {wD + wA + Gap, std::max(hD, hA)};
}

void PrintLegend(QPainter& painter, const QRect& area, const LegendPrintData& legend, bool tall) {
    painter.save();
    painter.fillRect(area, Qt::white);
    const int h = RowHeight(painter);
    int x = area.left(), y = area.top();
    if (legend.TwoLists) {
        PrintList(painter, legend, legend.Across, QStringLiteral("Waagerecht:"), x, y, h);
        if (tall)
            y += BlockHeight(h, legend.Across) + 2 + Gap;
        else
            x += Measure(painter, legend.Across).Width() + Gap;
    }
    PrintList(painter, legend, legend.Down,
              legend.TwoLists ? QStringLiteral("Senkrecht:") : QStringLiteral("Legende:"), x, y, h);
    painter.restore();
}
