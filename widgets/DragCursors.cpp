#include "DragCursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTransform>

#include <map>

namespace {
std::map<int, QCursor>& Registry() {
    static std::map<int, QCursor> cursors;
    return cursors;
}

// A 32 x 32 cursor: a small word box with a thick arrow pointing right; the
// other three directions are rotations of it. The hot spot is the centre.
QPixmap RightArrow() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(4, 13);
    arrow.lineTo(18, 13);
    arrow.lineTo(18, 7);
    arrow.lineTo(28, 16);
    arrow.lineTo(18, 25);
    arrow.lineTo(18, 19);
    arrow.lineTo(4, 19);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(arrow);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::black);
    p.drawPath(arrow);
    return pm;
}

QCursor Rotated(const QPixmap& base, int degrees) {
    QTransform t;
    t.rotate(degrees);
    return QCursor(base.transformed(t, Qt::SmoothTransformation), 16, 16);
}
} // namespace

void RegisterDragCursors() {
    auto& reg = Registry();
    if (!reg.empty()) return;
    const QPixmap right = RightArrow();
    reg.emplace(DragCursor::LeftToRight, QCursor(right, 16, 16));
    reg.emplace(DragCursor::RightToLeft, Rotated(right, 180));
    reg.emplace(DragCursor::TopToBottom, Rotated(right, 90));
    reg.emplace(DragCursor::BottomToTop, Rotated(right, 270));
}

bool DragCursorRegistered(int number) {
    return Registry().count(number) != 0;
}

QCursor DragCursorFor(int number) {
    // Drawn when the first drag asks for one, not at start.
    if (number >= DragCursor::LeftToRight && number <= DragCursor::BottomToTop)
        RegisterDragCursors();
    const auto it = Registry().find(number);
    return it == Registry().end() ? QCursor(Qt::ArrowCursor) : it->second;
}
