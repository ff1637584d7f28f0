#include "ZahlenDialog.h"

#include "BoardLink.h"
#include "CodeTable.h"
#include "CompanionFrame.h"
#include "PuzzleEvents.h"
#include "PuzzleGame.h"
#include "Session.h"
#include "StringGrid.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QShowEvent>

namespace {
constexpr int Margin = 5; // the inner panel's border around the table
} // namespace

TNumLegendForm::TNumLegendForm(CompanionFrame& frame, BoardLink& board, QWidget* parent)
    : QWidget(parent), frame_(frame), board_(&board) {
    setObjectName("NumLegendForm");
    setWindowTitle(QStringLiteral("Legende"));
    grid_ = new StringGrid(this);
    grid_->setObjectName("GridZahlen");
    grid_->move(Margin, Margin);
    // Skipped by Tab; a click or the frame gives it the focus.
    grid_->setFocusPolicy(Qt::ClickFocus);
    const QString hint = QStringLiteral("Die Buchstaben eingeben, die den Zahlen im Rätsel "
                                        "zugeordnet werden");
    grid_->setToolTip(hint);
    grid_->setStatusTip(hint);
    grid_->ChangeLayout([](GridLayout& l) {
        l.ColCount = CodeTable::Columns;
        l.RowCount = CodeTable::Rows;
    });
    grid_->SetCurrent(1, 0);
    grid_->OnDrawCell = [this](QPainter& p, int c, int r, const QRect& rect,
                               GridLayout::CellState state) {
        PaintCodeCell(p, PaintContext(), c, r, state.Current && grid_->hasFocus(), rect);
    };
    grid_->OnSelectCell = [this](int c, int r) { return GridZahlenSelectCell(c, r); };
    grid_->OnKeyDown = [this](QKeyEvent* e) { return GridZahlenKeyDown(e); };
    grid_->OnKeyPress = [this](QKeyEvent* e) { return GridZahlenKeyPress(e); };
    grid_->installEventFilter(this);
    // Activating the window puts the keys into the table.
    setFocusPolicy(Qt::ClickFocus);
    setFocusProxy(grid_);

    PuzzleEvents& events = frame_.Events();
    connect(&frame_.Game(), &PuzzleGame::Changed, this, [this](const GameChange& change) {
        using Cause = GameChange::Cause;
        if (change.What == Cause::Reset) FormShow();
        if (change.What == Cause::Undo) FillLetters(false);
        if (change.What == Cause::ShowSolution) FillLetters(frame_.Game().Flags().ShowSolution);
    });
    connect(&events, &PuzzleEvents::Zoomed, this, [this] { LayoutNumberLegend(); });
    connect(&events, &PuzzleEvents::ErrorMarkingChanged, grid_, [this] { grid_->update(); });
    // The window goes with the board.
    connect(&events, &PuzzleEvents::BoardClosing, this, [this] {
        board_ = nullptr;
        OuterWindow(this)->close();
    });
    LayoutNumberLegend();
}

SidePaintContext TNumLegendForm::PaintContext() const {
    SidePaintContext ctx;
    const PuzzleSession& session = frame_.Session();
    ctx.Image = &session.image();
    ctx.Config = &session.settings;
    ctx.ShowSolution = session.flags.ShowSolution;
    ctx.LettersFromSolution = fromSolution_;
    ctx.Target = PaintTarget::Screen;
    return ctx;
}

QString TNumLegendForm::CellText(int col, int row) const {
    const int code = CodeAtTableCell(col, row);
    if (code < 0) return {};
    if (!IsCodeLetterColumn(col)) return QString::number(code);
    return CodeCellLetter(PaintContext(), code);
}

int TNumLegendForm::CurrentCode() const {
    // The number stands in the cell left of the letter.
    return CodeAtTableCell(grid_->Col() - 1, grid_->Row());
}

void TNumLegendForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

bool TNumLegendForm::eventFilter(QObject* watched, QEvent* event) {
    // The current cell is marked only while the table has the focus.
    if (watched == grid_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        grid_->update();
    return QWidget::eventFilter(watched, event);
}

void TNumLegendForm::FormShow() {
    LayoutNumberLegend();
    FillLetters(frame_.Session().flags.ShowSolution);
    MoveOuterWindow(this, QPoint(frame_.ClientAreaWidth() - OuterWindow(this)->width() - 10, 0));
}

void TNumLegendForm::FillLetters(bool showSolution) {
    fromSolution_ = showSolution;
    if (!IsCodeLetterColumn(grid_->Col())) grid_->SetCurrent(1, grid_->Row());
    grid_->update();
}

void TNumLegendForm::LayoutNumberLegend() {
    const auto layout = [this](int size) {
        grid_->ChangeLayout([size](GridLayout& l) {
            l.DefaultColWidth = size;
            l.DefaultRowHeight = size;
            l.ResetSizes();
        });
        return grid_->Layout().TotalSize();
    };
    QSize table = layout(frame_.Session().settings.Feldgroesse);
    // The table has no scroll bar: with large cells it keeps to the frame's
    // height rather than hide its last rows (the letters follow the cells).
    const int room = frame_.Room().ClientHeight;
    const int decoration = OuterWindow(this)->height() - height();
    const int over = table.height() + 2 * Margin + decoration - room;
    if (room > 0 && over > 0) {
        constexpr int LeastCell = 12;
        const int rows = CodeTable::Rows;
        table = layout(
            std::max(LeastCell, grid_->Layout().DefaultRowHeight - (over + rows - 1) / rows));
    }
    grid_->setFixedSize(table);
    // Small cells leave the title bar too narrow for "Legende": the window
    // keeps the caption's width.
    const QSize client = table + QSize(2 * Margin, 2 * Margin);
    SetClientSize(this, client.expandedTo(QSize(CaptionClientWidth(this), 0)));
    // A window that would stick out at the right moves back into the frame.
    QWidget* outer = OuterWindow(this);
    const int x = frame_.ClientAreaWidth() - outer->width() - 10;
    if (x < outer->x() + outer->width()) outer->move(x, outer->y());
}

bool TNumLegendForm::GridZahlenSelectCell(int col, int /*row*/) {
    return IsCodeLetterColumn(col);
}

bool TNumLegendForm::GridZahlenKeyDown(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Up: {
        int col = grid_->Col(), row = grid_->Row();
        if (!WrapCodeTable(col, row, event->key() == Qt::Key_Down)) return false;
        grid_->SelectCell(col, row);
        return true;
    }
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        ClearCode();
        return true;
    default:
        return false;
    }
}

bool TNumLegendForm::GridZahlenKeyPress(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() != 1) return true;
    const QChar ch = text.at(0);
    if (ch == QLatin1Char(' ')) {
        ClearCode();
        return true;
    }
    const char letter = ch.toLatin1();
    const bool ascii = (letter >= 'a' && letter <= 'z') || (letter >= 'A' && letter <= 'Z');
    const int code = CurrentCode();
    if (!ascii || code < 0 || !board_) return true;
    frame_.Game().Apply(edit::CodeGuess{code, letter});
    grid_->update();
    return true;
}

void TNumLegendForm::ClearCode() {
    const int code = CurrentCode();
    if (code < 0 || !board_) return;
    frame_.Game().Apply(edit::CodeGuess{code, 0});
    grid_->update();
}
