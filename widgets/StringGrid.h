// An owner-drawn string grid: the owner paints every cell; the grid keeps the
// geometry, the current cell and the range selection, and reports input.
#pragma once

#include "GridLayout.h"

#include <QColor>
#include <QRect>
#include <QWidget>

#include <functional>

// The selection rectangle in cell indexes; empty when reversed or before the
// first row or column (the cleared selection is 0, -1, 0, -1).
struct GridSelection {
    int Left = 0, Top = -1, Right = 0, Bottom = -1;
    bool Contains(int col, int row) const {
        return col >= Left && col <= Right && row >= Top && row <= Bottom;
    }
    bool Empty() const { return Right < Left || Bottom < Top || Left < 0 || Top < 0; }
};

class StringGrid : public QWidget {
    Q_OBJECT
public:
    explicit StringGrid(QWidget* parent = nullptr);

    const GridLayout& Layout() const { return layout_; }
    // Changes the geometry through a callback and repaints once.
    void ChangeLayout(const std::function<void(GridLayout&)>& change);

    int ColCount() const { return layout_.ColCount; }
    int RowCount() const { return layout_.RowCount; }
    void SetColCount(int count);
    void SetRowCount(int count);
    void SetDefaultColWidth(int width);
    void SetDefaultRowHeight(int height);
    void SetColWidth(int col, int width);
    void SetRowHeight(int row, int height);
    void SetGridLineWidth(int width);
    void SetBackground(const QColor& colour);
    QRect CellRect(int col, int row) const { return layout_.CellRect(col, row); }
    bool MouseToCell(QPoint point, int& col, int& row) const {
        return layout_.MouseToCell(point, col, row);
    }

    int Col() const { return col_; }
    int Row() const { return row_; }
    // Moves the current cell after asking OnSelectCell; false when refused or
    // outside the grid.
    bool SelectCell(int col, int row);
    // Moves the current cell without asking anyone.
    void SetCurrent(int col, int row);

    bool RangeSelect() const { return rangeSelect_; }
    void SetRangeSelect(bool on);
    GridSelection Selection() const;
    void SetSelection(const GridSelection& selection);

    void InvalidateCell(int col, int row);
    void InvalidateGrid() { update(); }

    // The owner draws every cell.
    GridLayout::DrawCell OnDrawCell;
    // Asked before the current cell moves; false refuses.
    std::function<bool(int col, int row)> OnSelectCell;
    // Key and mouse events; a key handler returning true swallows the key.
    std::function<bool(QKeyEvent*)> OnKeyDown;
    std::function<bool(QKeyEvent*)> OnKeyPress; // keys that produce text
    std::function<void(QKeyEvent*)> OnKeyUp;
    std::function<void(QMouseEvent*)> OnMouseDown;
    std::function<void(QMouseEvent*)> OnMouseUp;
    std::function<void(QMouseEvent*)> OnMouseMove;
    std::function<void(QMouseEvent*)> OnDblClick;
    // Whether a drag may be dropped on the cell under the pointer (col, row -1
    // outside the cells).
    std::function<bool(QDropEvent*, int col, int row)> OnDragOver;
    std::function<void(QDropEvent*, int col, int row)> OnDrop;

    QSize sizeHint() const override { return layout_.TotalSize(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ClampCurrent();
    bool HandleDrag(QDropEvent* event);

    GridLayout layout_;
    int col_ = 0;
    int row_ = 0;
    bool rangeSelect_ = false;
    GridSelection selection_;
    int anchorCol_ = 0;
    int anchorRow_ = 0;
    bool dragging_ = false;
};
