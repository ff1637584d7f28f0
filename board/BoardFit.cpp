// The board's cell size: the zoom steps, Ctrl + wheel, and fitting the cells
// to the board window ("An Fenster anpassen", a maximised board).
#include "BoardHost.h"
#include "CommandIds.h"
#include "PuzzleEvents.h"
#include "RaetselFormular.h"
#include "Session.h"
#include "StringGrid.h"
#include "UiCommand.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QTimer>
#include <QWheelEvent>

namespace {
constexpr int MinCellSize = 20;
constexpr int MaxCellSize = 60;
// One notch of a usual mouse wheel.
constexpr int WheelStep = 120;
} // namespace

int FitCellSize(const PuzzleImage& image, QSize viewport, int least, int most) {
    for (int size = most; size > least; --size) {
        const QSize grid = BoardGridSize(image, size);
        if (grid.width() <= viewport.width() && grid.height() <= viewport.height()) return size;
    }
    return least;
}

void TRaetselForm::Zoom(int step) {
    // A size the player chose himself is no longer the window's.
    if (fitToWindow_) {
        fitToWindow_ = false;
        host_.Commands().Get(CommandId::FitToWindow).Refresh();
    }
    const Settings& s = session_.settings;
    if (step == 0 || (step < 0 && s.Feldgroesse <= MinCellSize) ||
        (step > 0 && s.Feldgroesse >= MaxCellSize))
        return;
    SetCellSize(s.Feldgroesse + step, true);
}

void TRaetselForm::SetCellSize(int size, bool window) {
    Settings& s = session_.settings;
    s.Feldgroesse = size;
    s.Schriftgroesse = FontSizeForCell(size);
    // The side windows take the new size first, so that the board and the
    // solution word are placed among them as they now are.
    emit host_.Events().Zoomed();
    if (window) {
        LayoutBoard();
    } else {
        const QScopedValueRollback<bool> sizing(arranging_, true);
        LayoutGrid();
        host_.ArrangeChildren();
    }
    RepaintGrid();
}

void TRaetselForm::SetFitToWindow(bool on) {
    fitToWindow_ = on;
    if (on) FitToRoom();
    host_.Commands().Get(CommandId::FitToWindow).Refresh();
}

void TRaetselForm::Relayout() {
    if (fitToWindow_)
        FitToRoom();
    else
        LayoutBoard();
}

void TRaetselForm::FitToRoom() {
    QMdiSubWindow* sub = SubWindow();
    if (sub && sub->isMinimized()) return;
    if (!sub || sub->isMaximized()) {
        RefitToView();
        return;
    }
    // The side windows change with the cells, and with them the room: a
    // second pass settles it.
    for (int pass = 0; pass < 3; ++pass) {
        {
            // The board takes all the room the frame has for it, stopping
            // short of the windows beside it.
            const QScopedValueRollback<bool> sizing(arranging_, true);
            const QMdiArea* area = sub->mdiArea();
            const int width = area ? area->viewport()->width() - sub->x() : sub->width();
            sub->resize(width, host_.ClientAreaHeight() - 6);
            host_.ArrangeChildren();
        }
        const int size = FitCellSize(session_.image(), scrollBox_->maximumViewportSize(),
                                     MinCellSize, MaxCellSize);
        if (size == session_.settings.Feldgroesse) break;
        SetCellSize(size, false);
    }
    LayoutBoard();
    RepaintGrid();
}

void TRaetselForm::RefitToView() {
    const int size =
        FitCellSize(session_.image(), scrollBox_->maximumViewportSize(), MinCellSize, MaxCellSize);
    // The window keeps the size it was given (the player may still be
    // dragging its edge); the grid fills it.
    if (size != session_.settings.Feldgroesse) SetCellSize(size, false);
}

void TRaetselForm::QueueRefit() {
    if (refitQueued_) return;
    refitQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        refitQueued_ = false;
        if (fitToWindow_) RefitToView();
    });
}

void TRaetselForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fitToWindow_ && !arranging_) QueueRefit();
}

bool TRaetselForm::WheelZoom(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) return false;
    wheelRest_ += event->angleDelta().y();
    while (wheelRest_ >= WheelStep || wheelRest_ <= -WheelStep) {
        const int step = wheelRest_ > 0 ? 1 : -1;
        wheelRest_ -= step * WheelStep;
        Zoom(step);
    }
    return true;
}

void TRaetselForm::WatchWindowState() {
    QMdiSubWindow* sub = SubWindow();
    if (!sub || watchingState_) return;
    watchingState_ = true;
    connect(sub, &QMdiSubWindow::windowStateChanged, this, [this] {
        if (FollowMaximised()) Relayout();
    });
}

bool TRaetselForm::FollowMaximised() {
    const QMdiSubWindow* sub = SubWindow();
    const bool now = sub && sub->isMaximized();
    if (now == maximised_) return false;
    maximised_ = now;
    if (now) {
        // A maximised board fills the frame with its cells.
        sizeBeforeMaximised_ = session_.settings.Feldgroesse;
        fitBeforeMaximised_ = fitToWindow_;
        fitToWindow_ = true;
        QueueRefit();
    } else if (fitToWindow_) {
        // Restored, it comes back as it was, unless the player zoomed meanwhile.
        fitToWindow_ = fitBeforeMaximised_;
        SetCellSize(sizeBeforeMaximised_, false);
    }
    host_.Commands().Get(CommandId::FitToWindow).Refresh();
    return true;
}
