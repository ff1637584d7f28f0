#include "StringGrid.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
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

StringGrid::StringGrid(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setAcceptDrops(true);
    // Every pixel is painted, so nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(layout_.TotalSize());
}

void StringGrid::ChangeLayout(const std::function<void(GridLayout&)>& change) {
    change(layout_);
    layout_.LineWidth = std::clamp(layout_.LineWidth, 0, 1);
    ClampCurrent();
    updateGeometry();
    update();
}

void StringGrid::SetColCount(int count) {
    ChangeLayout([&](GridLayout& l) { l.ColCount = std::max(0, count); });
}
void StringGrid::SetRowCount(int count) {
    ChangeLayout([&](GridLayout& l) { l.RowCount = std::max(0, count); });
}
void StringGrid::SetDefaultColWidth(int width) {
    ChangeLayout([&](GridLayout& l) { l.DefaultColWidth = std::max(0, width); });
}
void StringGrid::SetDefaultRowHeight(int height) {
    ChangeLayout([&](GridLayout& l) { l.DefaultRowHeight = std::max(0, height); });
}
void StringGrid::SetColWidth(int col, int width) {
    ChangeLayout([&](GridLayout& l) { l.SetColWidth(col, width); });
}
void StringGrid::SetRowHeight(int row, int height) {
    ChangeLayout([&](GridLayout& l) { l.SetRowHeight(row, height); });
}
void StringGrid::SetGridLineWidth(int width) {
    ChangeLayout([&](GridLayout& l) { l.LineWidth = width; });
}
void StringGrid::SetBackground(const QColor& colour) {
    ChangeLayout([&](GridLayout& l) {
        l.Background = colour;
        // Lines stay visible on a silver background.
        l.LineColour = colour.rgb() == QColor(0xC0, 0xC0, 0xC0).rgb() ? QColor(0x80, 0x80, 0x80)
                                                                      : QColor(0xC0, 0xC0, 0xC0);
    });
}

void StringGrid::ClampCurrent() {
    col_ = std::clamp(col_, 0, std::max(0, layout_.ColCount - 1));
    row_ = std::clamp(row_, 0, std::max(0, layout_.RowCount - 1));
}

bool StringGrid::SelectCell(int col, int row) {
    if (col < 0 || row < 0 || col >= layout_.ColCount || row >= layout_.RowCount) return false;
    if (OnSelectCell && !OnSelectCell(col, row)) return false;
    SetCurrent(col, row);
    return true;
}

void StringGrid::SetCurrent(int col, int row) {
    if (col < 0 || row < 0 || col >= layout_.ColCount || row >= layout_.RowCount) return;
    InvalidateCell(col_, row_);
    col_ = col;
    row_ = row;
    InvalidateCell(col_, row_);
}

void StringGrid::SetRangeSelect(bool on) {
    if (rangeSelect_ == on) return;
    rangeSelect_ = on;
    selection_ = {};
    update();
}

GridSelection StringGrid::Selection() const {
    if (!rangeSelect_) return {col_, row_, col_, row_};
    return selection_;
}

void StringGrid::SetSelection(const GridSelection& selection) {
    selection_ = selection;
    dragging_ = false;
    update();
}

void StringGrid::InvalidateCell(int col, int row) {
    const QRect r = layout_.CellRect(col, row);
    if (!r.isEmpty()) update(r);
}

void StringGrid::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const GridLayout::StateOf state = [this](int c, int r) {
        GridLayout::CellState s;
        s.Current = c == col_ && r == row_;
        s.Selected = rangeSelect_ ? selection_.Contains(c, r) : s.Current;
        return s;
    };
    layout_.Paint(p, size(), event->rect(), state, OnDrawCell);
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
    if (OnKeyDown && OnKeyDown(event)) return;
    int c = col_, r = row_;
    switch (event->key()) {
    case Qt::Key_Left:
        --c;
        break;
    case Qt::Key_Right:
        ++c;
        break;
    case Qt::Key_Up:
        --r;
        break;
    case Qt::Key_Down:
        ++r;
        break;
    case Qt::Key_Home:
        c = 0;
        break;
    case Qt::Key_End:
        c = layout_.ColCount - 1;
        break;
    case Qt::Key_PageUp:
        r = 0;
        break;
    case Qt::Key_PageDown:
        r = layout_.RowCount - 1;
        break;
    default:
        if (!event->text().isEmpty() && event->key() != Qt::Key_Delete && OnKeyPress &&
            OnKeyPress(event))
            return;
        QWidget::keyPressEvent(event);
        return;
    }
    if (c != col_ || r != row_) {
        if (SelectCell(c, r) && rangeSelect_) {
            selection_ = {col_, row_, col_, row_};
            update();
        }
    }
}

void StringGrid::keyReleaseEvent(QKeyEvent* event) {
    if (OnKeyUp) OnKeyUp(event);
    QWidget::keyReleaseEvent(event);
}

void StringGrid::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    int c = 0, r = 0;
    if (event->button() == Qt::LeftButton && MouseToCell(event->position().toPoint(), c, r)) {
        if (SelectCell(c, r) && rangeSelect_) {
            anchorCol_ = c;
            anchorRow_ = r;
            selection_ = {c, r, c, r};
            dragging_ = true;
            update();
        }
    }
    if (OnMouseDown) OnMouseDown(event);
}

void StringGrid::mouseMoveEvent(QMouseEvent* event) {
    int c = 0, r = 0;
    if (dragging_ && (event->buttons() & Qt::LeftButton) &&
        MouseToCell(event->position().toPoint(), c, r) && (c != col_ || r != row_) &&
        SelectCell(c, r)) {
        selection_ = {std::min(anchorCol_, c), std::min(anchorRow_, r), std::max(anchorCol_, c),
                      std::max(anchorRow_, r)};
        update();
    }
    if (OnMouseMove) OnMouseMove(event);
}

void StringGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
    if (OnMouseUp) OnMouseUp(event);
}

void StringGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (OnDblClick) OnDblClick(event);
}

bool StringGrid::HandleDrag(QDropEvent* event) {
    int c = -1, r = -1;
    MouseToCell(event->position().toPoint(), c, r);
    const bool accept = OnDragOver && OnDragOver(event, c, r);
    if (accept)
        event->acceptProposedAction();
    else
        event->ignore();
    return accept;
}

void StringGrid::dragEnterEvent(QDragEnterEvent* event) {
    // Entering is allowed whenever someone listens, so that the moves over the
    // cells are reported; each move then asks OnDragOver.
    if (OnDragOver)
        event->acceptProposedAction();
    else
        event->ignore();
}

void StringGrid::dragMoveEvent(QDragMoveEvent* event) {
    HandleDrag(event);
}

void StringGrid::dropEvent(QDropEvent* event) {
    int c = -1, r = -1;
    MouseToCell(event->position().toPoint(), c, r);
    if (!HandleDrag(event)) return;
    if (OnDrop) OnDrop(event, c, r);
}
