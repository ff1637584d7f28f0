#include "LoesungDialog.h"

#include "BoardLink.h"
#include "CompanionFrame.h"
#include "Cp1252.h"
#include "PuzzleEvents.h"
#include "PuzzleGame.h"
#include "Session.h"
#include "SolutionEntry.h"
#include "StringGrid.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QShowEvent>

#include <algorithm>

namespace {
constexpr int Margin = 4; // the inner panel's border around the table
} // namespace

TLoesungForm::TLoesungForm(CompanionFrame& frame, BoardLink& board, QWidget* parent)
    : QWidget(parent), frame_(frame), board_(&board) {
    setObjectName("LoesungForm");
    setWindowTitle(QStringLiteral("Umschreibung der Lösung:"));
    panel_ = new QFrame(this);
    panel_->setObjectName("Panel");
    clue_ = new QLabel(panel_);
    clue_->setObjectName("LblUmschreibung");
    clue_->setWordWrap(true);
    clue_->hide();
    grid_ = new StringGrid(panel_);
    grid_->setObjectName("GridLoesung");
    grid_->move(Margin, Margin);
    grid_->setFocusPolicy(Qt::ClickFocus);
    const QString hint = QStringLiteral("Das gesuchte Lösungswort");
    grid_->setToolTip(hint);
    grid_->setStatusTip(hint);
    grid_->ChangeLayout([](GridLayout& l) {
        l.RowCount = 1;
        l.ColCount = 1;
    });
    grid_->OnDrawCell = [this](QPainter& p, int c, int, const QRect& rect,
                               GridLayout::CellState state) {
        SolutionCellState cell;
        cell.Marked = state.Current && grid_->hasFocus();
        cell.InputMarker = cell.Marked;
        PaintSolutionCell(p, PaintContext(), c, rect, cell);
    };
    grid_->OnKeyDown = [this](QKeyEvent* e) { return GridLoesungKeyDown(e); };
    grid_->OnKeyPress = [this](QKeyEvent* e) { return GridLoesungKeyPress(e); };
    grid_->installEventFilter(this);
    // Activating the window puts the keys into the table.
    setFocusPolicy(Qt::ClickFocus);
    setFocusProxy(grid_);

    PuzzleEvents& events = frame_.Events();
    connect(&frame_.Game(), &PuzzleGame::Changed, this, [this](const GameChange& change) {
        using Cause = GameChange::Cause;
        if (change.What == Cause::Reset || change.What == Cause::Undo ||
            change.What == Cause::ShowSolution)
            FormShow();
    });
    connect(&events, &PuzzleEvents::Zoomed, this, [this] { LayoutSolutionWindow(); });
    connect(&events, &PuzzleEvents::ErrorMarkingChanged, grid_, [this] { grid_->update(); });
    // The window goes with the board.
    connect(&events, &PuzzleEvents::BoardClosing, this, [this] {
        board_ = nullptr;
        OuterWindow(this)->close();
    });
}

SidePaintContext TLoesungForm::PaintContext() const {
    SidePaintContext ctx;
    const PuzzleSession& session = frame_.Session();
    ctx.Image = &session.image();
    ctx.Config = &session.settings;
    ctx.ShowSolution = session.flags.ShowSolution;
    ctx.Target = PaintTarget::Screen;
    return ctx;
}

QString TLoesungForm::CellText(int col) const {
    return SolutionCellLetter(PaintContext(), col);
}

void TLoesungForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

bool TLoesungForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        grid_->update();
    return QWidget::eventFilter(watched, event);
}

void TLoesungForm::LayoutSolutionWindow() {
    const int size = frame_.Session().settings.Feldgroesse;
    const int letters = std::max(1, SolutionWordLength(frame_.Session().image()));
    grid_->ChangeLayout([&](GridLayout& l) {
        l.ColCount = letters;
        l.RowCount = 1;
        l.DefaultColWidth = size;
        l.DefaultRowHeight = size;
        l.ResetSizes();
    });
    if (grid_->Col() >= letters) grid_->SetCurrent(letters - 1, 0);
    const QSize table = grid_->Layout().TotalSize();
    grid_->setFixedSize(table);
    // The caption is the clue and shown nowhere else: the window grows until
    // the title bar shows it whole, as far as the frame has room; beyond that
    // the clue is written, wrapped, above the cells.
    const int room = std::max(table.width() + 2 * Margin, frame_.ClientAreaWidth() - 12);
    const int caption = CaptionClientWidth(this);
    const int width = std::clamp(caption, table.width() + 2 * Margin, room);
    int top = Margin;
    clue_->setVisible(caption > room);
    if (caption > room) {
        clue_->setText(windowTitle());
        const int height = clue_->heightForWidth(width - 2 * Margin);
        clue_->setGeometry(Margin, Margin, width - 2 * Margin, height);
        top += height + Margin;
    }
    grid_->move(Margin, top);
    const QSize client(width, top + table.height() + Margin);
    panel_->setFixedSize(client);
    SetClientSize(this, client);
}

void TLoesungForm::FormShow() {
    const PuzzleImage& im = frame_.Session().image();
    setWindowTitle(QString::fromStdString(Cp1252ToUtf8(im.SolutionClue.view())) +
                   QStringLiteral(":"));
    LayoutSolutionWindow();
    grid_->update();
    const QWidget* outer = OuterWindow(this);
    MoveOuterWindow(this, QPoint(frame_.ClientAreaWidth() - outer->width() - 6,
                                 frame_.ClientAreaHeight() - outer->height() - 6));
    KeepInRoom();
}

void TLoesungForm::KeepInRoom() {
    const FrameRoom room = frame_.Room();
    QWidget* outer = OuterWindow(this);
    QRect r = outer->geometry();
    const auto inside = [&room](QRect& at) {
        at.moveLeft(std::clamp(at.left(), 0, std::max(0, room.ClientWidth - at.width())));
        at.moveTop(std::clamp(at.top(), 0, std::max(0, room.ClientHeight - at.height())));
    };
    inside(r);
    // A number legend grown with the cells leaves no room below it: the
    // window goes beside it on the left, or below it while that fits.
    const QRect legend = room.NumberLegend;
    constexpr int Gap = 6;
    if (legend.isValid() && r.intersects(legend)) {
        if (legend.left() - Gap - r.width() >= 0)
            r.moveLeft(legend.left() - Gap - r.width());
        else if (legend.bottom() + Gap + r.height() <= room.ClientHeight)
            r.moveTop(legend.bottom() + Gap);
        inside(r);
    }
    outer->move(r.topLeft());
}

void TLoesungForm::StoreLetter(char letter, bool evaluate) {
    if (!board_) return;
    frame_.Game().Apply(edit::SolutionLetter{grid_->Col(), letter, evaluate});
    grid_->update();
}

void TLoesungForm::ClearSolutionLetter() {
    StoreLetter(' ', false);
}

bool TLoesungForm::GridLoesungKeyDown(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Delete:
        ClearSolutionLetter();
        return true;
    case Qt::Key_Backspace:
        // Back one cell and clear it; on the first cell clear that one.
        if (grid_->Col() > 0) grid_->SelectCell(grid_->Col() - 1, 0);
        ClearSolutionLetter();
        return true;
    default:
        return false;
    }
}

bool TLoesungForm::GridLoesungKeyPress(QKeyEvent* event) {
    const QString text = event->text();
    const QChar ch = text.isEmpty() ? QChar() : text.at(0);
    const char latin = ch.toLatin1();
    if ((latin >= 'a' && latin <= 'z') || (latin >= 'A' && latin <= 'Z')) {
        const int col = grid_->Col();
        // The cursor moves on before the evaluation may show its message.
        if (col < grid_->ColCount() - 1) grid_->SelectCell(col + 1, 0);
        if (!board_) return true;
        frame_.Game().Apply(edit::SolutionLetter{col, latin, true});
        grid_->update();
        return true;
    }
    ClearSolutionLetter();
    return true;
}
