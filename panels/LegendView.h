// One list of the clue-list window: an item model over the entries of one
// list (LegendModel) and the tree view that shows it with the list's colours,
// state images, tool tips and drag start.
#pragma once

#include "LegendModel.h"

#include <QAbstractTableModel>
#include <QTreeView>

#include <functional>

class QKeyEvent;
class QMouseEvent;
struct PuzzleSession;

// The entries of one list as rows, the six columns as columns.
class LegendItemModel : public QAbstractTableModel {
    Q_OBJECT
public:
    LegendItemModel(const PuzzleSession& session, const LegendLists& lists, bool across,
                    QObject* parent = nullptr);

    // Around a rebuild of the list behind the model: every row anew.
    void BeginReset() { beginResetModel(); }
    void EndReset() { endResetModel(); }
    // Rows changed in place (marks, hidden flags, colours).
    void Changed();
    bool Across() const { return across_; }
    const LegendLists& Lists() const { return lists_; }
    const std::vector<LegendItem>& Items() const { return lists_.List(across_); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const PuzzleSession& session_;
    const LegendLists& lists_;
    bool across_;
};

// The two state images: an empty 9 x 9 check box, and the box with a tick.
QPixmap LegendStateImage(bool checked);

class LegendView : public QTreeView {
    Q_OBJECT
public:
    LegendView(const PuzzleSession& session, LegendItemModel* model, QWidget* parent = nullptr);

    LegendItemModel* Items() const { return model_; }
    // The entry under a point of the viewport: row (-1 none), column (-1
    // outside all columns) and the distance from the column's left edge.
    struct Hit {
        int Row = -1;
        int Column = -1;
        int X = 0;
    };
    Hit HitAt(const QPoint& viewportPos) const;
    // The tip the list shows at a point of the viewport (UTF-8 from the model).
    QString TipAt(const QPoint& viewportPos) const;
    // The width the entries of a column take in the list's font.
    int ContentWidth(int column) const { return sizeHintForColumn(column); }
    // The row of the focused entry, -1 without one.
    int FocusedRow() const;
    // Rows hidden as the entries' hidden flags say.
    void ApplyHidden();
    // The colour of the selected entry while the list has no focus.
    void SetUnfocusedSelection(const QColor& colour);
    // The cursor the next drag shows (a registered drag cursor number).
    void SetDragCursorNumber(int number) { dragCursor_ = number; }
    int DragCursorNumber() const { return dragCursor_; }
    void SetDragAllowed(bool allowed);

    // The window's handlers: a press (before the list reacts to it), the
    // focus moving to an entry, the list gaining the focus, the pop-up menu.
    std::function<bool(LegendView*, QMouseEvent*, const Hit&)> OnMouseDown;
    std::function<void(LegendView*, int row)> OnFocusChanged;
    std::function<void(LegendView*)> OnActivated;
    std::function<void(LegendView*, const QPoint& globalPos)> OnPopup;
    // A key for the window before the list's own handling; true takes it.
    std::function<bool(LegendView*, QKeyEvent*)> OnKeyPress;

protected:
    void initViewItemOption(QStyleOptionViewItem* option) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    const PuzzleSession& session_;
    LegendItemModel* model_;
    QColor unfocusedSelection_;
    QString shownTip_;
    int dragCursor_ = 101;
    bool dragFromPress_ = true;
};
