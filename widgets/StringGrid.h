// An owner-drawn string grid: the owner paints every cell; the grid keeps the
// geometry, the current cell and the range selection, and reports input.
#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

#include <functional>
#include <vector>

class QPainter;

// Column and row sizes, grid lines and border of a grid, without a widget, so
// that the same geometry and background can be painted onto any device.
struct GridLayout {
    int ColCount = 5;
    int RowCount = 5;
    int DefaultColWidth = 64;
    int DefaultRowHeight = 24;
    int LineWidth = 1; // 0 or 1: the line after every column and row
    int Border = 1;    // a one-pixel frame around the client area
    QColor Background = Qt::white;
    QColor LineColour = QColor(0xC0, 0xC0, 0xC0);
    QColor BorderColour = QColor(0x80, 0x80, 0x80);
    std::vector<int> ColWidths;  // per index; negative = the default
    std::vector<int> RowHeights; // per index; negative = the default

    int ColWidth(int col) const;
    int RowHeight(int row) const;
    void SetColWidth(int col, int width);
    void SetRowHeight(int row, int height);
    // Per-index sizes back to the defaults.
    void ResetSizes();

    // Left edge of a column and top edge of a row, in widget coordinates.
    int ColLeft(int col) const;
    int RowTop(int row) const;
    QRect CellRect(int col, int row) const;
    // The cell under a point in widget coordinates; false outside every cell
    // (grid lines, border, beyond the last column or row).
    bool MouseToCell(QPoint point, int& col, int& row) const;
    // Cells and their lines, without the border.
    int ContentWidth() const;
    int ContentHeight() const;
    QSize TotalSize() const;

    struct CellState {
        bool Selected = false;
        bool Current = false;
    };
    using DrawCell = std::function<void(QPainter&, int col, int row, const QRect&, CellState)>;
    using StateOf = std::function<CellState(int col, int row)>;
    // Border, line background and the area beyond the cells, then every cell
    // that meets `dirty` through `draw`. `size` is the painted widget's size.
    void Paint(QPainter& painter, QSize size, const QRect& dirty, const StateOf& state,
               const DrawCell& draw) const;
};

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
