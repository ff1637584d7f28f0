// The geometry of an owner-drawn grid without a widget: the board, the tool's
// pictures and the printout paint the same cells through it.
#pragma once

#include <QColor>
#include <QRect>

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
