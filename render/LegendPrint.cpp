#include "LegendPrint.h"

#include "CellPainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int Gap = 20; // between the two lists
// The check box is 2.5 mm; the text starts 0.6 mm after it.
constexpr int BoxSize = 25;
constexpr int BoxRoom = 31;
constexpr int MinRowHeight = BoxSize + 2;
// Room a column keeps besides its widest text: 2 units on the side its text
// starts, 12 on the other, so neighbouring texts stay at least 1 mm apart.
constexpr int ColumnPadding = 14;
constexpr int InsetNear = 2;
constexpr int InsetFar = 8;

int RowHeight(const QPainter& painter) {
    return std::max(MinRowHeight, QFontMetrics(painter.font()).height());
}

QFont ColumnFont(const QPainter& painter, int column) {
    QFont f = painter.font();
    f.setBold(column == 0);
    f.setUnderline(false);
    return f;
}

bool RightAligned(int column) {
    return column <= 3;
}

// The lines a text takes in the given width: broken between words, a word
// wider than the width between characters.
QStringList WrapText(const QFontMetrics& fm, const QString& text, int width) {
    if (width <= 0 || fm.horizontalAdvance(text) <= width) return {text};
    QStringList lines;
    QString line;
    const auto flush = [&] {
        if (!line.isEmpty()) lines << line;
        line.clear();
    };
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (fm.horizontalAdvance(joined) <= width) {
            line = joined;
            continue;
        }
        flush();
        QString rest = word;
        while (fm.horizontalAdvance(rest) > width && rest.size() > 1) {
            int n = 1;
            while (n < rest.size() && fm.horizontalAdvance(rest.left(n + 1)) <= width) ++n;
            lines << rest.left(n);
            rest = rest.mid(n);
        }
        line = rest;
    }
    flush();
    if (lines.isEmpty()) lines << QString();
    return lines;
}

// One list's columns on paper and the lines of each entry.
struct ListLayout {
    const PrintedList* List = nullptr;
    std::vector<int> Offsets;           // per visible column, then the list width
    int WrapColumn = -1;                // the text column narrowed to the width, or -1
    std::vector<QStringList> WrapLines; // per entry, with a wrap column
    int Width() const { return Offsets.empty() ? 0 : Offsets.back(); }
    int Lines(std::size_t entry) const {
        return WrapColumn < 0 ? 1 : std::max<int>(1, int(WrapLines[entry].size()));
    }
    int EntryCount() const { return int(List->Entries.size()); }
};

std::vector<int> NaturalWidths(const QPainter& painter, const PrintedList& list) {
    std::vector<int> widths;
    for (int column : list.Columns) {
        // Column 0 is printed bold, so it is measured bold.
        const QFontMetrics fm(ColumnFont(painter, column));
        int widest = 0;
        for (const PrintedList::Entry& e : list.Entries)
            widest = std::max(widest, fm.horizontalAdvance(e.Cells[std::size_t(column)]));
        int width = widest + ColumnPadding;
        if (column == list.CheckColumn) width += BoxRoom;
        widths.push_back(width);
    }
    return widths;
}

ListLayout LayOutList(const QPainter& painter, const PrintedList& list, int maxWidth) {
    ListLayout l;
    l.List = &list;
    std::vector<int> widths = NaturalWidths(painter, list);
    int total = 0;
    for (int w : widths) total += w;
    if (total > maxWidth) {
        // The widest text column gives up what the list is too wide; its
        // texts go on over several lines.
        int pick = -1;
        for (std::size_t i = 0; i < list.Columns.size(); ++i)
            if (!RightAligned(list.Columns[i]) &&
                (pick < 0 || widths[i] > widths[std::size_t(pick)]))
                pick = int(i);
        if (pick >= 0) {
            const int h = RowHeight(painter);
            const std::size_t at = std::size_t(pick);
            const int room = std::max(3 * h, widths[at] - (total - maxWidth));
            if (room < widths[at]) {
                widths[at] = room;
                l.WrapColumn = list.Columns[at];
                int textWidth = room - ColumnPadding;
                if (l.WrapColumn == list.CheckColumn) textWidth -= BoxRoom;
                const QFontMetrics fm(ColumnFont(painter, l.WrapColumn));
                for (const PrintedList::Entry& e : list.Entries)
                    l.WrapLines.push_back(
                        WrapText(fm, e.Cells[std::size_t(l.WrapColumn)], textWidth));
            }
        }
    }
    l.Offsets.push_back(0);
    for (int w : widths) l.Offsets.push_back(l.Offsets.back() + w);
    return l;
}

struct Layout {
    int H = 0;
    bool Two = false;
    bool Tall = false;
    ListLayout Across, Down;
};

Layout LayOut(const QPainter& painter, const LegendPrintData& legend, bool tall, int maxWidth) {
    Layout l;
    l.H = RowHeight(painter);
    l.Two = legend.TwoLists;
    l.Tall = tall;
    l.Down = LayOutList(painter, legend.Down, INT_MAX);
    if (l.Two) {
        l.Across = LayOutList(painter, legend.Across, INT_MAX);
        // Side by side too wide for the page: one above the other.
        if (!tall && l.Across.Width() + l.Down.Width() + Gap > maxWidth) l.Tall = true;
        if (l.Across.Width() > maxWidth) l.Across = LayOutList(painter, legend.Across, maxWidth);
    }
    if (l.Down.Width() > maxWidth) l.Down = LayOutList(painter, legend.Down, maxWidth);
    return l;
}

int BlockHeight(int rowHeight, const ListLayout& list) {
    int lines = 2;
    for (std::size_t k = 0; k < list.List->Entries.size(); ++k) lines += list.Lines(k);
    return rowHeight * lines;
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
        QPen pen(Qt::black, std::max(2, box.width() / 7));
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        const double s = box.width() / 14.0; // the tick is drawn for 14 units and scaled
        const QPointF a(box.left() + 3 * s, box.top() + 7 * s);
        const QPointF b(box.left() + 6 * s, box.top() + 10 * s);
        const QPointF c(box.left() + 11 * s, box.top() + 3 * s);
        painter.drawPolyline(QVector<QPointF>{a, b, c});
    }
    painter.restore();
}

// One cell of an entry; `cell` spans the entry's lines, `h` is one line.
void PrintCell(QPainter& painter, const LegendPrintData& legend, const ListLayout& layout,
               std::size_t entry, int column, const QRect& cell, int h) {
    const PrintedList& list = *layout.List;
    const CellColours colours = ColoursOf(legend, column);
    painter.fillRect(cell, colours.Background);
    QRect text(cell.left(), cell.top(), cell.width(), h);
    if (column == list.CheckColumn) {
        const QRect box(cell.left(), cell.top() + (h - BoxSize) / 2, BoxSize, BoxSize);
        DrawCheckBox(painter, box, list.Entries[entry].Solved);
        text.setLeft(cell.left() + BoxRoom);
    }
    const bool right = RightAligned(column);
    text.adjust(right ? InsetNear : InsetNear, 0, right ? -InsetFar : -InsetNear, 0);
    painter.setFont(ColumnFont(painter, column));
    painter.setPen(colours.Text);
    const Qt::Alignment align = (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    if (column == layout.WrapColumn) {
        for (const QString& line : layout.WrapLines[entry]) {
            painter.drawText(text, int(align | Qt::TextSingleLine), line);
            text.translate(0, h);
        }
        return;
    }
    painter.drawText(text, int(align | Qt::TextSingleLine),
                     list.Entries[entry].Cells[std::size_t(column)]);
}

// The heading at (x0, y0); a list taken up again says so after it, on the
// row below when the two do not fit the list's width together.
void PrintHeading(QPainter& painter, const QString& title, bool continued, int x0, int y0,
                  int width, int h) {
    const QFont base = painter.font();
    QFont titleFont = base;
    titleFont.setBold(true);
    titleFont.setUnderline(true);
    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics fm(titleFont);
    const QString more = QStringLiteral("(Fortsetzung)");
    const QString joined = title + QLatin1Char(' ') + more;
    if (!continued) {
        painter.drawText(QPoint(x0 + 1, y0 + 1 + fm.ascent()), title);
    } else if (fm.horizontalAdvance(joined) + 1 <= width) {
        painter.drawText(QPoint(x0 + 1, y0 + 1 + fm.ascent()), joined);
    } else {
        painter.drawText(QPoint(x0 + 1, y0 + 1 + fm.ascent()), title);
        painter.drawText(QPoint(x0 + 1, y0 + 1 + h + fm.ascent()), more);
    }
    painter.setFont(base);
}

void PrintEntry(QPainter& painter, const LegendPrintData& legend, const ListLayout& l,
                std::size_t k, int x0, int top, int h) {
    const QFont base = painter.font();
    const int height = h * l.Lines(k);
    for (std::size_t i = 0; i < l.List->Columns.size(); ++i) {
        const QRect cell(QPoint(x0 + l.Offsets[i], top),
                         QPoint(x0 + l.Offsets[i + 1] - 1, top + height - 1));
        PrintCell(painter, legend, l, k, l.List->Columns[i], cell, h);
        painter.setFont(base);
    }
}

// Goes on with one list at (x, y) down to `bottom`; returns the y after it.
// A heading stands only with at least one entry under it, unless `force`.
int FlowList(QPainter& painter, const LegendPrintData& legend, const Layout& l,
             const ListLayout& list, const QString& title, LegendCursor::List& at, int x, int y,
             int bottom, bool force, bool draw) {
    const int n = list.EntryCount();
    if (at.Started && at.Printed >= n) return y;
    const int first = at.Printed < n ? list.Lines(std::size_t(at.Printed)) * l.H : 0;
    if (!force && y + 2 * l.H + first > bottom) return y;
    if (draw) PrintHeading(painter, title, at.Started, x, y, list.Width(), l.H);
    at.Started = true;
    y += 2 * l.H;
    bool placed = false;
    while (at.Printed < n) {
        const int height = list.Lines(std::size_t(at.Printed)) * l.H;
        if (y + height > bottom && (placed || !force)) break;
        if (draw) PrintEntry(painter, legend, list, std::size_t(at.Printed), x, y, l.H);
        y += height;
        ++at.Printed;
        placed = true;
    }
    return y;
}

bool Finished(const LegendCursor::List& at, const ListLayout& list) {
    return at.Started && at.Printed >= list.EntryCount();
}

LegendPiece Flow(QPainter& painter, const QRect& area, const LegendPrintData& legend,
                 const Layout& l, const LegendCursor& from, bool force, bool draw) {
    painter.save();
    LegendPiece piece{from, {}};
    LegendCursor& at = piece.Next;
    const int x0 = area.left(), y0 = area.top();
    const int bottom = area.top() + area.height();
    const QString single = QStringLiteral("Legende:");
    const QString down = l.Two ? QStringLiteral("Senkrecht:") : single;
    int width = 0, end = y0;
    if (!l.Two) {
        end = FlowList(painter, legend, l, l.Down, down, at.Down, x0, y0, bottom, force, draw);
        width = l.Down.Width();
    } else if (l.Tall) {
        int y = y0;
        const bool acrossOpen = !Finished(at.Across, l.Across);
        if (acrossOpen) {
            y = FlowList(painter, legend, l, l.Across, QStringLiteral("Waagerecht:"), at.Across, x0,
                         y, bottom, force, draw);
            width = std::max(width, l.Across.Width());
            // The across block is two units higher than its rows; the
            // measured height leaves them out, so the down list may use them.
            if (Finished(at.Across, l.Across)) y += 2 + Gap;
        }
        if (Finished(at.Across, l.Across)) {
            const bool fresh = !acrossOpen || y == y0;
            const int downEnd = FlowList(painter, legend, l, l.Down, down, at.Down, x0, y,
                                         bottom + (acrossOpen ? 2 : 0), force && fresh, draw);
            if (downEnd > y) width = std::max(width, l.Down.Width());
            y = downEnd > y ? downEnd : y - (acrossOpen ? 2 + Gap : 0);
        }
        end = y;
    } else {
        const int a = FlowList(painter, legend, l, l.Across, QStringLiteral("Waagerecht:"),
                               at.Across, x0, y0, bottom, force, draw);
        const int dx = l.Across.Width() + Gap;
        const int d =
            FlowList(painter, legend, l, l.Down, down, at.Down, x0 + dx, y0, bottom, force, draw);
        width = dx + l.Down.Width();
        end = std::max(a, d);
    }
    at.Done = Finished(at.Down, l.Down) && (!l.Two || Finished(at.Across, l.Across));
    piece.Size = QSize(width, end - y0);
    painter.restore();
    return piece;
}
} // namespace

QSize MeasureLegendPrint(QPainter& painter, const LegendPrintData& legend, bool tall,
                         int maxWidth) {
    const Layout l = LayOut(painter, legend, tall, maxWidth);
    const int wD = l.Down.Width();
    const int hD = BlockHeight(l.H, l.Down);
    if (!l.Two) return {wD, hD};
    const int wA = l.Across.Width();
    const int hA = BlockHeight(l.H, l.Across);
    if (l.Tall) return {std::max(wA, wD), hD + hA + Gap};
    return {wD + wA + Gap, std::max(hD, hA)};
}

void PrintLegend(QPainter& painter, const QRect& area, const LegendPrintData& legend, bool tall,
                 int maxWidth) {
    painter.save();
    painter.fillRect(area, Qt::white);
    const Layout l = LayOut(painter, legend, tall, maxWidth);
    // The whole legend in one piece: nothing is held back for lack of room.
    Flow(painter, QRect(area.topLeft(), QSize(area.width(), INT_MAX / 4)), legend, l, {}, true,
         true);
    painter.restore();
}

LegendPiece PrintLegendPiece(QPainter& painter, const QRect& area, const LegendPrintData& legend,
                             bool tall, int maxWidth, const LegendCursor& from, bool draw,
                             bool force) {
    const Layout l = LayOut(painter, legend, tall, maxWidth);
    LegendPiece piece = Flow(painter, area, legend, l, from, force, false);
    if (draw && !piece.Size.isEmpty()) {
        painter.save();
        painter.fillRect(QRect(area.topLeft(), piece.Size), Qt::white);
        painter.restore();
        Flow(painter, area, legend, l, from, force, true);
    }
    return piece;
}
