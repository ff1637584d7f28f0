#include "GridLayout.h"

#include <QPainter>

#include <algorithm>

namespace {
int SizeAt(const std::vector<int>& sizes, int index, int fallback) {
    if (index < 0 || index >= static_cast<int>(sizes.size())) return fallback;
    return sizes[static_cast<std::size_t>(index)] < 0 ? fallback
                                                      : sizes[static_cast<std::size_t>(index)];
}

void StoreSize(std::vector<int>& sizes, int index, int size) {
    if (index < 0) return;
    if (index >= static_cast<int>(sizes.size()))
        sizes.resize(static_cast<std::size_t>(index) + 1, -1);
    sizes[static_cast<std::size_t>(index)] = std::max(0, size);
}
} // namespace

int GridLayout::ColWidth(int col) const {
    return SizeAt(ColWidths, col, DefaultColWidth);
}
int GridLayout::RowHeight(int row) const {
    return SizeAt(RowHeights, row, DefaultRowHeight);
}
void GridLayout::SetColWidth(int col, int width) {
    StoreSize(ColWidths, col, width);
}
void GridLayout::SetRowHeight(int row, int height) {
    StoreSize(RowHeights, row, height);
}

void GridLayout::ResetSizes() {
    ColWidths.clear();
    RowHeights.clear();
}

int GridLayout::ColLeft(int col) const {
    int x = Border;
    for (int c = 0; c < col; ++c) x += ColWidth(c) + LineWidth;
    return x;
}

int GridLayout::RowTop(int row) const {
    int y = Border;
    for (int r = 0; r < row; ++r) y += RowHeight(r) + LineWidth;
    return y;
}

QRect GridLayout::CellRect(int col, int row) const {
    if (col < 0 || row < 0 || col >= ColCount || row >= RowCount) return {};
    return {ColLeft(col), RowTop(row), ColWidth(col), RowHeight(row)};
}

bool GridLayout::MouseToCell(QPoint point, int& col, int& row) const {
    col = row = -1;
    int x = Border;
    for (int c = 0; c < ColCount; ++c) {
        const int w = ColWidth(c);
        if (point.x() >= x && point.x() < x + w) col = c;
        x += w + LineWidth;
    }
    int y = Border;
    for (int r = 0; r < RowCount; ++r) {
        const int h = RowHeight(r);
        if (point.y() >= y && point.y() < y + h) row = r;
        y += h + LineWidth;
    }
    if (col < 0 || row < 0) {
        col = row = -1;
        return false;
    }
    return true;
}

int GridLayout::ContentWidth() const {
    return ColLeft(ColCount) - Border;
}
int GridLayout::ContentHeight() const {
    return RowTop(RowCount) - Border;
}

QSize GridLayout::TotalSize() const {
    return {ContentWidth() + 2 * Border, ContentHeight() + 2 * Border};
}

void GridLayout::Paint(QPainter& painter, QSize size, const QRect& dirty, const StateOf& state,
                       const DrawCell& draw) const {
    painter.fillRect(QRect(QPoint(0, 0), size), Background);
    // The lines are the background of the cell area showing between the cells.
    const QRect content(Border, Border, ContentWidth(), ContentHeight());
    painter.fillRect(content, LineColour);
    if (Border > 0) {
        const QRect frame(0, 0, content.width() + 2 * Border, content.height() + 2 * Border);
        painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), Border), BorderColour);
        painter.fillRect(QRect(frame.left(), frame.bottom() - Border + 1, frame.width(), Border),
                         BorderColour);
        painter.fillRect(QRect(frame.left(), frame.top(), Border, frame.height()), BorderColour);
        painter.fillRect(QRect(frame.right() - Border + 1, frame.top(), Border, frame.height()),
                         BorderColour);
    }
    if (!draw) return;
    int y = Border;
    for (int r = 0; r < RowCount; ++r) {
        const int h = RowHeight(r);
        int x = Border;
        for (int c = 0; c < ColCount; ++c) {
            const int w = ColWidth(c);
            const QRect cell(x, y, w, h);
            if (w > 0 && h > 0 && cell.intersects(dirty)) {
                painter.save();
                draw(painter, c, r, cell, state ? state(c, r) : CellState{});
                painter.restore();
            }
            x += w + LineWidth;
        }
        y += h + LineWidth;
    }
}
