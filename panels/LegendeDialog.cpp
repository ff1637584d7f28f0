#include "LegendeDialog.h"

#include "BoardLink.h"
#include "CellPainter.h"
#include "DragCursors.h"
#include "GradientBar.h"
#include "KindTraits.h"
#include "LegendCommands.h"
#include "LegendView.h"
#include "PuzzleEvents.h"
#include "PuzzleGame.h"
#include "Session.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {
constexpr int ToolbarHeight = 30;
constexpr int SplitterMinimum = 50;
// A board wider than the frame leaves no room; the list keeps a usable width
// and the board stops short of it.
constexpr int MinimumWidth = 200;
constexpr int MinimumHeight = 100;

QWidget* OuterWindow(QWidget* w) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget())) return sub;
    return w;
}

QWidget* ListPanel(QWidget* parent, QLabel*& label, const QString& caption, const char* name,
                   LegendView* list) {
    auto* panel = new QWidget(parent);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    label = new QLabel(caption, panel);
    label->setObjectName(name);
    label->setContentsMargins(4, 2, 4, 2);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    layout->addWidget(label);
    list->setParent(panel);
    layout->addWidget(list, 1);
    panel->setMinimumHeight(SplitterMinimum);
    return panel;
}
} // namespace

TLegendForm::TLegendForm(PuzzleSession& session, PuzzleEvents& events, PuzzleGame& game,
                         BoardLink& board, std::function<FrameRoom()> room, QWidget* parent)
    : QWidget(parent), session_(session), events_(events), game_(game), board_(&board),
      boardWindow_(board.BoardWindow()), room_(std::move(room)) {
    setObjectName("LegendForm");
    setWindowTitle(QStringLiteral("Legende"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolbar_ = new GradientBar(this);
    toolbar_->setObjectName("Toolbar");
    toolbar_->setFixedHeight(ToolbarHeight);
    layout->addWidget(toolbar_);

    modelWaagerecht_ = new LegendItemModel(session_, lists_, true, this);
    modelSenkrecht_ = new LegendItemModel(session_, lists_, false, this);
    vtWaagerecht_ = new LegendView(session_, modelWaagerecht_);
    vtWaagerecht_->setObjectName("VTWaagerecht");
    vtSenkrecht_ = new LegendView(session_, modelSenkrecht_);
    vtSenkrecht_->setObjectName("VTSenkrecht");

    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->setObjectName("Splitter");
    splitter_->setChildrenCollapsible(false);
    panelTop_ = ListPanel(splitter_, panelLblWaager_, QStringLiteral("Waagerecht :"),
                          "PanelLblWaager", vtWaagerecht_);
    panelTop_->setObjectName("PanelTop");
    QWidget* bottom = ListPanel(splitter_, panelLblSenkr_, QStringLiteral("Senkrecht :"),
                                "PanelLblSenkr", vtSenkrecht_);
    bottom->setObjectName("PanelBottom");
    splitter_->addWidget(panelTop_);
    splitter_->addWidget(bottom);
    // Both halves share the height, so that on a small or scaled screen
    // neither list shrinks to a row; a divider the player moved stays.
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 1);
    connect(splitter_, &QSplitter::splitterMoved, this, [this] { splitMoved_ = true; });
    splitter_->handle(1)->setToolTip(QStringLiteral("Diesen Teiler mit der Maus verschieben"));
    splitter_->handle(1)->setStatusTip(QStringLiteral("Diesen Teiler mit der Maus verschieben"));
    layout->addWidget(splitter_, 1);

    for (LegendView* list : {vtWaagerecht_, vtSenkrecht_}) {
        list->OnMouseDown = [this](LegendView* l, QMouseEvent* e, const LegendView::Hit& hit) {
            return VTWaagerechtMouseDown(l, e, hit.Row, hit.Column, hit.X);
        };
        list->OnFocusChanged = [this](LegendView* l, int row) { VTWaagerechtFocusChanged(l, row); };
        list->OnKeyPress = [this](LegendView* l, QKeyEvent* e) {
            return VTWaagerechtKeyPress(l, e);
        };
        list->OnActivated = [this](LegendView* l) {
            activeList_ = l;
            typing_ = false;
            // The keyboard comes back to the list last worked in.
            setFocusProxy(l);
            commands_->Refresh();
        };
        list->OnPopup = [this](LegendView* l, const QPoint& at) {
            activeList_ = l;
            commands_->MenuLegendePopup(at);
        };
    }
    commands_ = std::make_unique<LegendCommands>(*this);

    connect(&game_, &PuzzleGame::Changed, this, [this](const GameChange& change) {
        using Cause = GameChange::Cause;
        // Finished and broken words come as reports (AutomatischMarkieren).
        for (const WordReport& r : change.Reports) MarkWordSolved(r.WordIndex, r.Across, r.Solved);
        if (change.What == Cause::Reset) FormShow();
        if (change.What == Cause::Undo) BuildLists();
        if (change.What == Cause::ShowSolution && isVisible()) UpdateLegendToolbar();
    });
    connect(&events_, &PuzzleEvents::BoardClosing, this, [this] {
        board_ = nullptr;
        OuterWindow(this)->close();
    });
    FormCreate();
}

TLegendForm::~TLegendForm() = default;

void TLegendForm::FormCreate() {
    toolbar_->SetEndColour(DarkButtonFace());
    syncEnabled_ = false;
}

BoardLink* TLegendForm::Board() const {
    return boardWindow_ ? board_ : nullptr;
}

LegendView* TLegendForm::ListOf(bool across) const {
    return across && lists_.TwoLists ? vtWaagerecht_ : vtSenkrecht_;
}

LegendView* TLegendForm::ActiveList() const {
    if (activeList_ == vtWaagerecht_ && !lists_.TwoLists) return nullptr;
    return activeList_;
}

LegendItem* TLegendForm::ActiveEntry() {
    LegendView* list = ActiveList();
    if (!list) return nullptr;
    const int row = list->FocusedRow();
    std::vector<LegendItem>& items = lists_.List(IsAcrossList(list));
    if (row < 0 || row >= static_cast<int>(items.size())) return nullptr;
    return &items[static_cast<std::size_t>(row)];
}

void TLegendForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Only the first showing builds the lists; a list restored from its
    // minimised state shows what it had.
    if (event->spontaneous() || shown_) return;
    shown_ = true;
    FormShow();
}

void TLegendForm::closeEvent(QCloseEvent* event) {
    event->accept();
}

void TLegendForm::FormShow() {
    DisableCloseCommand();
    BuildLists();
    UpdateLegendToolbar();
    syncEnabled_ = true;
    PlaceWindow();
}

void TLegendForm::DisableCloseCommand() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!sub) return;
    // The list goes with the board, never on its own: the frame's style draws
    // the close button with the system menu, so neither is offered, and the
    // close entry (with its shortcut) is greyed.
    const Qt::WindowFlags flags =
        Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint;
    if (sub->windowFlags() != flags) sub->setWindowFlags(flags);
    if (QMenu* menu = sub->systemMenu()) {
        const QList<QKeySequence> close = QKeySequence::keyBindings(QKeySequence::Close);
        for (QAction* a : menu->actions()) {
            for (const QKeySequence& k : a->shortcuts())
                if (close.contains(k)) a->setEnabled(false);
        }
    }
}

QRect TLegendForm::Placement(const FrameRoom& room) {
    int width = room.BoardWidth >= 0 ? room.ClientWidth - room.BoardWidth - 12 : MinimumWidth;
    width = std::max(width, MinimumWidth);
    int height = room.SolutionWindowHeight >= 0
                     ? room.ClientAreaHeight - room.SolutionWindowHeight - 4
                     : room.ClientHeight - 6;
    height = std::max(height, MinimumHeight);
    return QRect(room.ClientWidth - width - 6, 0, width, height);
}

void TLegendForm::PlaceWindow() {
    if (!room_) return;
    OuterWindow(this)->setGeometry(Placement(room_()));
    if (!splitMoved_) splitter_->setSizes({1 << 16, 1 << 16});
}

void TLegendForm::BuildLists() {
    // A rebuild focuses nothing on the board: the board keeps its cursor, and
    // the lists show its word again afterwards.
    const bool sync = syncEnabled_;
    syncEnabled_ = false;
    for (LegendItemModel* m : {modelWaagerecht_, modelSenkrecht_}) m->BeginReset();
    lists_ = ::BuildLists(session_.image(), session_.settings);
    game_.RestoreOwnTicks(lists_);
    for (LegendItemModel* m : {modelWaagerecht_, modelSenkrecht_}) m->EndReset();
    panelTop_->setVisible(lists_.TwoLists);
    panelLblSenkr_->setVisible(lists_.TwoLists);
    if (!focusProxy() || !lists_.TwoLists)
        setFocusProxy(lists_.TwoLists ? vtWaagerecht_ : vtSenkrecht_);
    SetupColumns();
    const Settings& s = session_.settings;
    const QColor marking = ToQColor(s.FarbeMarkierung, s.System);
    for (LegendView* list : {vtWaagerecht_, vtSenkrecht_}) {
        list->SetUnfocusedSelection(marking);
        list->ApplyHidden();
        list->SetDragAllowed(IsFenceKind(lists_.Kind));
    }
    UpdateDragCursor();
    if (BoardLink* board = Board(); board && IsCrosswordKind(lists_.Kind))
        if (const int number = board->CurrentWordNumber(); number > 0)
            FocusEntryByNumber(number, board->InputAcross());
    syncEnabled_ = sync;
    commands_->Refresh();
}

void TLegendForm::SetupColumns() {
    const LegendColumns& c = lists_.Columns;
    // The set widths are the least; a header or an entry that needs more in
    // the font on screen gets it, the same in both lists.
    std::array<int, LegendColumn::Count> width = c.Width;
    for (int i = 0; i < LegendColumn::Count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (!c.Visible[k] || i == c.FillColumn) continue;
        for (LegendView* list : {vtWaagerecht_, vtSenkrecht_})
            width[k] =
                std::max({width[k], list->header()->sectionSizeHint(i), list->ContentWidth(i)});
    }
    for (LegendView* list : {vtWaagerecht_, vtSenkrecht_}) {
        QHeaderView* header = list->header();
        for (int i = 0; i < LegendColumn::Count; ++i) {
            const auto k = static_cast<std::size_t>(i);
            header->setSectionHidden(i, !c.Visible[k]);
            header->setSectionResizeMode(i, LegendColumns::Resizable(i) ? QHeaderView::Interactive
                                                                        : QHeaderView::Fixed);
            list->setColumnWidth(i, width[k]);
        }
        // The fill column is the last visible one; it takes the width left over.
        header->setStretchLastSection(true);
    }
}

void TLegendForm::UpdateLegendToolbar() {
    commands_->Refresh();
}

void TLegendForm::RepaintLists() {
    for (LegendView* list : {vtWaagerecht_, vtSenkrecht_}) {
        list->Items()->Changed();
        list->ApplyHidden();
        list->viewport()->update();
    }
    commands_->Refresh();
}

void TLegendForm::FocusEntryByNumber(int number, bool across) {
    const int entry = ::FindEntryByNumber(lists_, number, across);
    if (entry < 0) return;
    syncEnabled_ = false;
    for (LegendView* list : {vtWaagerecht_, vtSenkrecht_}) list->clearSelection();
    LegendView* list = ListOf(across);
    // The current cell lies in a shown column: the arrow keys select the rows
    // they move to from there (from a hidden one they selected the first row).
    const QModelIndex index = list->Items()->index(entry, lists_.Columns.FillColumn);
    list->scrollTo(index);
    list->setCurrentIndex(index);
    activeList_ = list;
    LegendView* other = list == vtWaagerecht_ ? vtSenkrecht_ : vtWaagerecht_;
    other->viewport()->update();
    syncEnabled_ = true;
    commands_->Refresh();
}

void TLegendForm::MarkWordSolved(int wordIndex, bool across, bool solved) {
    if (game_.MarkWordSolved(lists_, wordIndex, across, solved)) RepaintLists();
}

int TLegendForm::FindEntryByNumber(int number, bool across) {
    return ::FindEntryByNumber(lists_, number, across);
}

std::string TLegendForm::EntryWord(int entry, bool across) {
    const std::vector<LegendItem>& list = lists_.List(across);
    if (entry < 0 || entry >= static_cast<int>(list.size())) return std::string();
    return list[static_cast<std::size_t>(entry)].Entry.Word;
}

void TLegendForm::SetEntrySolved(int entry, bool across, bool solved) {
    if (game_.SetEntrySolved(lists_, entry, across, solved)) RepaintLists();
}

void TLegendForm::UpdateDragCursor() {
    const RunFlags& f = session_.flags;
    if (!f.ShiftHeld)
        dragCursor_ = f.CtrlHeldReverse ? DragCursor::RightToLeft : DragCursor::LeftToRight;
    else
        dragCursor_ = f.CtrlHeldReverse ? DragCursor::BottomToTop : DragCursor::TopToBottom;
    for (LegendView* list : {vtWaagerecht_, vtSenkrecht_}) list->SetDragCursorNumber(dragCursor_);
}

int TLegendForm::DragSourceList(const QObject* source) const {
    if (source && source == vtWaagerecht_ && lists_.TwoLists) return 1;
    if (source && source == vtSenkrecht_) return 0;
    return -1;
}

std::optional<ClueEntryWord> TLegendForm::FocusedEntry(bool across) const {
    const int row = ListOf(across)->FocusedRow();
    const std::vector<LegendItem>& list = lists_.List(across);
    if (row < 0 || row >= static_cast<int>(list.size())) return std::nullopt;
    const LegendEntry& e = list[static_cast<std::size_t>(row)].Entry;
    return ClueEntryWord{e.Word, e.WordIndex};
}

bool TLegendForm::VTWaagerechtMouseDown(LegendView* list, QMouseEvent* event, int row, int column,
                                        int x) {
    typing_ = false;
    Settings& s = session_.settings;
    const bool across = IsAcrossList(list);
    std::vector<LegendItem>& items = lists_.List(across);
    if (row >= 0 && row < static_cast<int>(items.size()) &&
        OverStateImage(lists_.Columns.CheckColumn, column, x, s.AutomatischMarkieren)) {
        // The player's own mark: the list entry only, no hiding.
        game_.ToggleOwnTick(lists_, across, row, false);
        RepaintLists();
        return false;
    }
    if (!IsFenceKind(lists_.Kind)) return true;
    RunFlags& f = session_.flags;
    const Qt::KeyboardModifiers mods = event->modifiers();
    f.CtrlHeldReverse = session_.image().ReverseDropAllowed != 0 && (mods & Qt::ControlModifier);
    f.ShiftHeld = s.EinfacheLegende ? (mods & Qt::ShiftModifier) != 0 : !across;
    UpdateDragCursor();
    return true;
}

void TLegendForm::VTWaagerechtFocusChanged(LegendView* list, int row) {
    activeList_ = list;
    // The player chose another entry; the board's own moves keep the typing on.
    if (syncEnabled_) typing_ = false;
    commands_->Refresh();
    const std::vector<LegendItem>& items = lists_.List(IsAcrossList(list));
    if (!syncEnabled_ || row < 0 || row >= static_cast<int>(items.size())) return;
    const int number = items[static_cast<std::size_t>(row)].Entry.Number;
    BoardLink* board = Board();
    if (board && number > 0 && IsCrosswordKind(lists_.Kind))
        board->SelectWordByNumber(number, IsAcrossList(list));
    // The focused entry is the selected one, in both lists together, whether
    // the arrow keys, a click or the board moved it.
    if (list->FocusedRow() != row) return;
    LegendView* other = list == vtWaagerecht_ ? vtSenkrecht_ : vtWaagerecht_;
    other->clearSelection();
    list->selectionModel()->select(list->Items()->index(row, lists_.Columns.FillColumn),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

bool TLegendForm::VTWaagerechtKeyPress(LegendView* list, QKeyEvent* event) {
    // Only the crosswords' entries stand for a word at a known place on the board.
    BoardLink* board = Board();
    if (!board || !IsCrosswordKind(lists_.Kind)) return false;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    const char16_t ch = text.size() == 1 ? text.at(0).unicode() : 0;
    if (!((ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z'))) return false;
    const bool across = IsAcrossList(list);
    int number = 0;
    // The first letter goes to the word's first free cell, the later ones
    // follow the board's cursor along it.
    if (!typing_) {
        const int row = list->FocusedRow();
        const std::vector<LegendItem>& items = lists_.List(across);
        if (row < 0 || row >= static_cast<int>(items.size()) ||
            !list->selectionModel()->isRowSelected(row, QModelIndex()))
            return false;
        number = items[static_cast<std::size_t>(row)].Entry.Number;
        if (number <= 0) return false;
    }
    typing_ = true;
    board->TypeFromClueList(number, across, ch);
    return true;
}
