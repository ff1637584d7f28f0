#include "GradientBar.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPalette>

QColor DarkButtonFace() {
    const QColor face = QApplication::palette().color(QPalette::Button);
    return QColor(static_cast<int>(face.red() * 0.7), static_cast<int>(face.green() * 0.7),
                  static_cast<int>(face.blue() * 0.7));
}

GradientBar::GradientBar(QWidget* parent, Direction direction)
    : QWidget(parent), direction_(direction), end_(DarkButtonFace()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientBar::SetEndColour(const QColor& colour) {
    end_ = colour;
    update();
}

void GradientBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The gradient spans the whole bar: grown, all of it is painted anew, not
    // only the uncovered strip.
    update();
}

void GradientBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QPointF to;
    switch (direction_) {
    case Direction::Vertical:
        to = QPointF(0, height());
        break;
    case Direction::Horizontal:
        to = QPointF(width(), 0);
        break;
    case Direction::Diagonal:
        to = QPointF(width(), height());
        break;
    }
    QLinearGradient g(QPointF(0, 0), to);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, end_);
    p.fillRect(rect(), g);
}
