#include "StringGrid.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

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
