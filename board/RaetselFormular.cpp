#include "RaetselFormular.h"

#include "BoardCommands.h"
#include "BoardHost.h"
#include "BoardToolbar.h"
#include "ClueListLink.h"
#include "CompanionLinks.h"
#include "Cp1252.h"
#include "GradientBar.h"
#include "HinweisDialog.h"
#include "PuzzleEvents.h"
#include "PuzzleGame.h"
#include "Session.h"
#include "StringGrid.h"
#include "Sudoku.h"
#include "UiCommand.h"

#include <QCloseEvent>
#include <QCursor>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace {
// The outer window of a child: its MDI frame when it has one.
QWidget* OuterWindow(QWidget* w) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget())) return sub;
    return w;
}
} // namespace

QString BoardCaption(const PuzzleImage& image) {
    if (!image.PuzzleTitle.empty())
        return QString::fromStdString(Cp1252ToUtf8(image.PuzzleTitle.view()));
    static const char* const Levels[] = {"leicht", "mittelschwer", "schwer", "sehr schwer"};
    const int kind = image.PuzzleKind;
    QString caption = QString::fromStdString(Cp1252ToUtf8(KindName(kind)));
    if (HasSolutionWord(kind)) {
        caption += QStringLiteral(" mit Lösungswort");
    } else if (IsSudokuKind(kind) && image.Difficulty < 4) {
        // A level outside the four names has no text to show.
        caption += QStringLiteral(" (%1)").arg(QString::fromUtf8(Levels[image.Difficulty]));
    }
    return caption;
}

int FontSizeForCell(int cellSize) {
    if (cellSize > 30) return cellSize - 16;
    if (cellSize > 27) return cellSize - 14;
    if (cellSize > 23) return cellSize - 12;
    return cellSize - 10;
}

TRaetselForm::TRaetselForm(BoardHost& host, QWidget* parent)
    : QWidget(parent), host_(host), session_(host.Session()), game_(host.Game()) {
    setWindowTitle(QStringLiteral("Diruradevuzezid"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    scrollBox_ = new QScrollArea(this);
    scrollBox_->setObjectName("ScrollBox");
    scrollBox_->setFrameShape(QFrame::NoFrame);
    scrollBox_->setWidgetResizable(false);
    scrollBox_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    raetsel_ = new StringGrid;
    raetsel_->setObjectName("Raetsel");
    scrollBox_->setWidget(raetsel_);
    toolbar_ = std::make_unique<BoardToolbar>(session_.image().PuzzleKind, raetsel_,
                                              host_.Commands(), this);
    layout->addWidget(toolbar_->Bar());
    layout->addWidget(scrollBox_, 1);
    resize(417, 467);

    raetsel_->OnDrawCell = [this](QPainter& p, int c, int r, const QRect& rect,
                                  GridLayout::CellState state) {
        PaintCellOptions options;
        options.Selected = state.Selected;
        PaintCell(p, PaintContext(), c, r, rect, options);
    };
    raetsel_->OnSelectCell = [this](int c, int r) { return RaetselSelectCell(c, r, true); };
    raetsel_->installEventFilter(this);
    scrollBox_->viewport()->installEventFilter(this);
    ConnectGrid();
    commands_ = std::make_unique<BoardCommands>(*this);
    commands_->Register(host_.Commands());
    // The tool bar's views were bound before the handlers came.
    host_.Commands().RefreshAll();
    FormCreate();
    connect(&game_, &PuzzleGame::Changed, this, [this](const GameChange& c) { GameChanged(c); });
}

TRaetselForm::~TRaetselForm() {
    // The commands leave the registry before the views and the state they read go.
    commands_.reset();
}

QMdiSubWindow* TRaetselForm::SubWindow() const {
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

QWidget* TRaetselForm::BoardWindow() {
    return OuterWindow(this);
}

void TRaetselForm::ConnectGrid() {
    raetsel_->OnKeyPress = [this](QKeyEvent* e) { return RaetselKeyPress(e); };
    raetsel_->OnKeyDown = [this](QKeyEvent* e) { return RaetselKeyDown(e); };
    raetsel_->OnKeyUp = [this](QKeyEvent* e) { RaetselKeyUp(e); };
    raetsel_->OnMouseDown = [this](QMouseEvent* e) { RaetselMouseDown(e); };
    raetsel_->OnMouseMove = [this](QMouseEvent* e) { RaetselMouseMove(e); };
    raetsel_->OnMouseUp = [this](QMouseEvent* e) { RaetselMouseUp(e); };
    raetsel_->OnDblClick = [this](QMouseEvent* e) { RaetselDblClick(e); };
    raetsel_->OnDragOver = [this](QDropEvent* e, int c, int r) {
        return commands_->RaetselDragOver(e->source(), c, r);
    };
    raetsel_->OnDrop = [this](QDropEvent* e, int c, int r) {
        commands_->RaetselDragDrop(e->source(), c, r);
    };
}

void TRaetselForm::FormCreate() {
    const PuzzleImage& im = game_.Image();
    // An open solution-word window goes; FormShow opens it again.
    if (SolutionWordLink* word = host_.SolutionWord()) OuterWindow(word->Widget())->close();
    cursor_.HoverCol = cursor_.HoverRow = -1;
    setWindowTitle(BoardCaption(im));
    host_.SetStandardCaption();
    if (IsSudokuKind(im.PuzzleKind)) {
        paint_.BoxWidth = SudokuBoxWidth(im);
        paint_.BoxHeight = SudokuBoxHeight(im);
    }
    // Aids, the clock of the timed Sudoku and the check state of the loaded entries.
    game_.Start();
    if (!IsWordSearch(im.PuzzleKind))
        SelectFirstCell();
    else
        ClearSelection();
}

void TRaetselForm::GameChanged(const GameChange& change) {
    if (change.What == GameChange::Cause::Clock || change.What == GameChange::Cause::Started)
        return;
    if (change.WholeGrid) {
        RepaintGrid();
    } else {
        for (const CellPos& cell : change.Cells) RepaintCell(cell.Column, cell.Row);
    }
    UpdateToolbar();
}

bool TRaetselForm::Blocked(int col, int row) const {
    return IsInputBlocked(session_.image(), col, row);
}

void TRaetselForm::SelectFirstCell() {
    const PuzzleImage& im = session_.image();
    cursor_.PrevCol = cursor_.PrevRow = 0;
    // The grid takes the puzzle's size first, so that any first cell can become current.
    raetsel_->ChangeLayout([&](GridLayout& l) {
        l.ColCount = im.ColumnCount + 1;
        l.RowCount = im.RowCount + 1;
    });
    raetsel_->SetCurrent(raetsel_->ColCount() - 1, raetsel_->RowCount() - 1);
    for (int r = 1; r <= im.RowCount; ++r) {
        for (int c = 1; c <= im.ColumnCount; ++c) {
            if (im.cell(c, r).isBlock()) continue;
            raetsel_->SelectCell(c, r);
            return;
        }
    }
}

void TRaetselForm::ClearSelection() {
    if (!IsWordSearch(session_.image().PuzzleKind)) return;
    raetsel_->SetSelection(GridSelection{0, -1, 0, -1});
}

QRect TRaetselForm::CellRect(int col, int row) const {
    return raetsel_->CellRect(col, row);
}

void TRaetselForm::RepaintCell(int col, int row) {
    raetsel_->InvalidateCell(col, row);
}

void TRaetselForm::RepaintRun(int col, int row, std::uint8_t direction) {
    const PuzzleImage& im = session_.image();
    if (col < 1 || row < 1 || col > im.ColumnCount || row > im.RowCount || Blocked(col, row))
        return;
    const int dc = direction == 1 ? 1 : 0;
    const int dr = direction == 1 ? 0 : 1;
    const auto inside = [&](int c, int r) {
        return c >= 1 && r >= 1 && c <= im.ColumnCount && r <= im.RowCount && !Blocked(c, r);
    };
    for (int c = col, r = row; inside(c, r); c += dc, r += dr) RepaintCell(c, r);
    for (int c = col - dc, r = row - dr; inside(c, r); c -= dc, r -= dr) RepaintCell(c, r);
}

void TRaetselForm::RepaintGrid() {
    raetsel_->InvalidateGrid();
}

CellPaintContext TRaetselForm::PaintContext() const {
    CellPaintContext ctx;
    const PuzzleImage& im = session_.image();
    ctx.Image = &im;
    ctx.Config = &session_.settings;
    ctx.ShowSolution = session_.flags.ShowSolution;
    // A word search has no input position.
    if (!IsWordSearch(im.PuzzleKind)) {
        ctx.CurrentCol = raetsel_->Col();
        ctx.CurrentRow = raetsel_->Row();
    }
    ctx.InputDirection = cursor_.InputDirection;
    ctx.Focused = raetsel_->hasFocus();
    ctx.Enabled = raetsel_->isEnabled();
    ctx.Candidates = &game_.Candidates();
    ctx.BoxWidth = paint_.BoxWidth;
    ctx.BoxHeight = paint_.BoxHeight;
    ctx.Picture = &paint_.PictureBitmap;
    ctx.Grid = GeometryOf(raetsel_->Layout());
    ctx.PictureStep =
        QSize(ctx.Grid.ColWidth + ctx.Grid.LineWidth, ctx.Grid.RowHeight + ctx.Grid.LineWidth);
    ctx.PictureFirstCol = paint_.PictureFirstCol;
    ctx.PictureFirstRow = paint_.PictureFirstRow;
    ctx.PictureLastCol = paint_.PictureLastCol;
    ctx.PictureLastRow = paint_.PictureLastRow;
    ctx.Target = PaintTarget::Screen;
    return ctx;
}

void TRaetselForm::UpdateToolbar(int col, int row) {
    commandCell_ = QPoint(col, row);
    host_.Commands().RefreshAll();
    toolbar_->Arrange();
}

void TRaetselForm::UpdateToolbar() {
    UpdateToolbar(raetsel_->Col(), raetsel_->Row());
}

void TRaetselForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TRaetselForm::FormShow() {
    const PuzzleImage& im = session_.image();
    UpdateToolbar();
    // Maximising and restoring show the board again, before the frame says so.
    FollowMaximised();
    if (QMdiSubWindow* sub = SubWindow(); sub && !sub->isMaximized()) sub->move(0, 0);
    if (im.ImageFlags & ImageFlag::HasPicture) {
        const ::CellRect area = PictureArea(im);
        paint_.PictureFirstCol = area.Left;
        paint_.PictureFirstRow = area.Top;
        paint_.PictureLastCol = area.Right;
        paint_.PictureLastRow = area.Bottom;
    }
    LayoutBoard();
    host_.OpenCompanions(*this);
    {
        // The companions stand now: the board stops short of them.
        const QScopedValueRollback<bool> sizing(arranging_, true);
        host_.ArrangeChildren();
    }
    WatchWindowState();
    raetsel_->setFocus();
}

void TRaetselForm::LayoutGrid() {
    const PuzzleImage& im = session_.image();
    const Settings& s = session_.settings;
    raetsel_->ChangeLayout([&](GridLayout& l) { ApplyBoardLayout(l, im, s); });
    raetsel_->SetRangeSelect(IsWordSearch(im.PuzzleKind));
    raetsel_->setFixedSize(BoardGridSize(im, s.Feldgroesse));
    if (im.ImageFlags & ImageFlag::HasPicture) ScalePictureBitmap();
}

void TRaetselForm::LayoutBoard() {
    const QScopedValueRollback<bool> sizing(arranging_, true);
    LayoutGrid();
    const QSize grid = raetsel_->size();
    QMdiSubWindow* sub = SubWindow();
    // A maximised (or minimised) board keeps the size the frame gives it; the
    // grid scrolls inside it and the tool bar spans its whole width.
    if (sub && (sub->isMaximized() || sub->isMinimized())) return;
    int widthNeeded = std::max(grid.width(), toolbar_->RightmostEdge());
    const QMargins frame = sub ? sub->contentsMargins() : QMargins();
    const int heightNeeded = frame.top() + frame.bottom() + grid.height() + BoardToolbar::Height;
    const int room = host_.ClientAreaHeight() - 6;
    int clientHeight = grid.height() + BoardToolbar::Height;
    if (room < heightNeeded) {
        // The scroll box scrolls; its vertical bar must not cover the last column.
        clientHeight = room - frame.top() - frame.bottom();
        widthNeeded += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    }
    resize(widthNeeded, clientHeight);
    if (sub)
        sub->resize(widthNeeded + frame.left() + frame.right(),
                    clientHeight + frame.top() + frame.bottom());
    // The board stops short of the companions beside it.
    host_.ArrangeChildren();
}

void TRaetselForm::ScalePictureBitmap() {
    const GridLayout& l = raetsel_->Layout();
    const QSize box(
        (paint_.PictureLastCol - paint_.PictureFirstCol + 1) * (l.DefaultColWidth + l.LineWidth),
        (paint_.PictureLastRow - paint_.PictureFirstRow + 1) * (l.DefaultRowHeight + l.LineWidth));
    paint_.PictureBitmap =
        ScaleBoardPicture(game_.Picture(), session_.image().ImageFlags, box, devicePixelRatioF());
}

ClueListLink* TRaetselForm::ClueList() const {
    return host_.ClueList();
}

bool TRaetselForm::eventFilter(QObject* watched, QEvent* event) {
    // A window that opens under the pointer (the hints pop-up where input
    // passes through it is not honoured) makes the grid believe the pointer
    // left; it has not, and the status line keeps the cell's text.
    if (watched == raetsel_ && event->type() == QEvent::Leave) {
        const QWidget* view = scrollBox_->viewport();
        if (view->rect().contains(view->mapFromGlobal(QCursor::pos())) &&
            raetsel_->rect().contains(raetsel_->mapFromGlobal(QCursor::pos())))
            return true;
        // The pointer has gone: so has the hint of the cell it was over.
        THintForm::CloseIfVisible();
        cursor_.HoverCol = cursor_.HoverRow = -1;
    }
    // Typing goes on under the pointer; the hint must not hide the letters.
    if (watched == raetsel_ && event->type() == QEvent::KeyPress) THintForm::CloseIfVisible();
    if ((watched == raetsel_ || watched == scrollBox_->viewport()) &&
        event->type() == QEvent::Wheel && WheelZoom(static_cast<QWheelEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void TRaetselForm::closeEvent(QCloseEvent* event) {
    paint_.PictureBitmap = QImage();
    THintForm::CloseIfVisible();
    host_.BoardClosing();
    event->accept();
}
