#include "LegendView.h"

#include "CellPainter.h"
#include "Cp1252.h"
#include "DragCursors.h"
#include "Session.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace {
QString FromCp1252(const std::string& text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}

// No focus rectangle around the current cell.
class LegendDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};
} // namespace

QPixmap LegendStateImage(bool checked) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    const QRect box(3, 3, 9, 9);
    p.fillRect(box.adjusted(1, 1, 0, 0), Qt::white);
    p.setPen(QColor(64, 64, 64));
    p.drawRect(box.adjusted(0, 0, 0, 0));
    if (checked) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF tick[] = {{5.0, 7.5}, {7.0, 9.8}, {11.0, 4.8}};
        p.drawPolyline(tick, 3);
    }
    return pm;
}

LegendItemModel::LegendItemModel(const PuzzleSession& session, const LegendLists& lists,
                                 bool across, QObject* parent)
    : QAbstractTableModel(parent), session_(session), lists_(lists), across_(across) {}

void LegendItemModel::Changed() {
    if (rowCount() == 0) return;
    emit dataChanged(index(0, 0), index(rowCount() - 1, LegendColumn::Count - 1));
}

int LegendItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(Items().size());
}

int LegendItemModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : LegendColumn::Count;
}

QVariant LegendItemModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const LegendItem& item = Items()[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    const Settings& s = session_.settings;
    switch (role) {
    case Qt::DisplayRole:
        return FromCp1252(EntryCellText(item.Entry, column));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Qt::AlignVCenter | (LegendHeaderRightAligned(column) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::FontRole:
        if (column == LegendColumn::Line) {
            QFont bold = QApplication::font();
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::BackgroundRole: {
        const QPalette pal = QApplication::palette();
        if (column == LegendColumn::Line) return pal.color(QPalette::Button);
        if (column == LegendColumn::Blanks) return ToQColor(s.FarbeLeerfeld1, s.System);
        return pal.color(QPalette::Base);
    }
    case Qt::ForegroundRole: {
        const QPalette pal = QApplication::palette();
        if (column == LegendColumn::Line) return pal.color(QPalette::ButtonText);
        if (column == LegendColumn::Blanks) return QColor(Qt::white);
        return pal.color(QPalette::Text);
    }
    case Qt::DecorationRole:
        // The solved mark shows only while marking is on.
        if (column == lists_.Columns.CheckColumn && s.AutomatischMarkieren)
            return LegendStateImage(item.Checked);
        return {};
    default:
        return {};
    }
}

QVariant LegendItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return QString::fromUtf8(LegendHeader(section));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(
            Qt::AlignVCenter |
            (LegendHeaderRightAligned(section) ? Qt::AlignRight : Qt::AlignLeft));
    return {};
}

Qt::ItemFlags LegendItemModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    // Dragging is allowed by the view, for the kinds that drop words.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren |
           Qt::ItemIsDragEnabled;
}

LegendView::LegendView(const PuzzleSession& session, LegendItemModel* model, QWidget* parent)
    : QTreeView(parent), session_(session), model_(model) {
    setModel(model);
    setItemDelegate(new LegendDelegate(this));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMouseTracking(true);
    setIconSize(QSize(16, 16));
    setSortingEnabled(false);
    header()->setStretchLastSection(true);
    header()->setSectionsMovable(false);
    header()->setSectionsClickable(false);
    setDragDropMode(QAbstractItemView::NoDragDrop);
}

void LegendView::SetDragAllowed(bool allowed) {
    setDragEnabled(allowed);
    setDragDropMode(allowed ? QAbstractItemView::DragOnly : QAbstractItemView::NoDragDrop);
}

LegendView::Hit LegendView::HitAt(const QPoint& pos) const {
    Hit hit;
    hit.Column = header()->logicalIndexAt(pos.x());
    if (hit.Column >= 0) hit.X = pos.x() - header()->sectionViewportPosition(hit.Column);
    const QModelIndex index = indexAt(pos);
    if (index.isValid()) hit.Row = index.row();
    return hit;
}

QString LegendView::TipAt(const QPoint& pos) const {
    const Hit hit = HitAt(pos);
    const std::vector<LegendItem>& items = model_->Items();
    const LegendEntry* entry =
        hit.Row >= 0 ? &items[static_cast<std::size_t>(hit.Row)].Entry : nullptr;
    const LegendLists& lists = model_->Lists();
    return QString::fromStdString(LegendTipText(
        lists.Kind, model_->Across(), lists.Columns.CheckColumn, hit.Column, hit.X, entry));
}

int LegendView::FocusedRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void LegendView::ApplyHidden() {
    const std::vector<LegendItem>& items = model_->Items();
    for (std::size_t i = 0; i < items.size(); ++i)
        setRowHidden(static_cast<int>(i), QModelIndex(), items[i].Hidden);
}

void LegendView::SetUnfocusedSelection(const QColor& colour) {
    unfocusedSelection_ = colour;
    viewport()->update();
}

void LegendView::initViewItemOption(QStyleOptionViewItem* option) const {
    QTreeView::initViewItemOption(option);
    // The list without focus shows its selected entry in the marking colour.
    if (!hasFocus() && unfocusedSelection_.isValid()) {
        for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
            option->palette.setColor(g, QPalette::Highlight, unfocusedSelection_);
    }
}

void LegendView::mousePressEvent(QMouseEvent* event) {
    const Hit hit = HitAt(event->position().toPoint());
    dragFromPress_ = true;
    if (OnMouseDown && !OnMouseDown(this, event, hit)) dragFromPress_ = false;
    QTreeView::mousePressEvent(event);
    // A click with Ctrl (reverse drop) must not take the entry out of the selection.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && !selectionModel()->isSelected(index))
        selectionModel()->select(index,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void LegendView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const Hit hit = HitAt(pos);
    const bool marks = session_.settings.AutomatischMarkieren;
    const int checkColumn = model_->Lists().Columns.CheckColumn;
    viewport()->setCursor(hit.Row >= 0 && OverStateImage(checkColumn, hit.Column, hit.X, marks)
                              ? Qt::PointingHandCursor
                              : Qt::ArrowCursor);
    // A changed tip is shown at the next pause of the mouse.
    const QString tip = TipAt(pos);
    if (tip != shownTip_) {
        shownTip_ = tip;
        QToolTip::hideText();
    }
    QTreeView::mouseMoveEvent(event);
}

void LegendView::keyPressEvent(QKeyEvent* event) {
    if (OnKeyPress && OnKeyPress(this, event)) {
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void LegendView::focusInEvent(QFocusEvent* event) {
    QTreeView::focusInEvent(event);
    if (OnActivated) OnActivated(this);
    viewport()->update();
}

void LegendView::focusOutEvent(QFocusEvent* event) {
    QTreeView::focusOutEvent(event);
    viewport()->update();
}

bool LegendView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = TipAt(help->pos());
        shownTip_ = tip;
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport());
        return true;
    }
    return QTreeView::viewportEvent(event);
}

void LegendView::contextMenuEvent(QContextMenuEvent* event) {
    if (OnPopup) OnPopup(this, event->globalPos());
}

void LegendView::startDrag(Qt::DropActions) {
    const int row = FocusedRow();
    if (!dragFromPress_ || row < 0) return;
    auto* drag = new QDrag(this);
    auto* mime = new QMimeData;
    mime->setText(FromCp1252(model_->Items()[static_cast<std::size_t>(row)].Entry.Word));
    drag->setMimeData(mime);
    const QPixmap cursor = DragCursorFor(dragCursor_).pixmap();
    if (!cursor.isNull()) {
        for (Qt::DropAction a : {Qt::CopyAction, Qt::MoveAction, Qt::LinkAction})
            drag->setDragCursor(cursor, a);
    }
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

void LegendView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTreeView::currentChanged(current, previous);
    if (OnFocusChanged && current.isValid() && current.row() != previous.row())
        OnFocusChanged(this, current.row());
}
