// The white-to-darker-button-face gradient every window of the player carries.
#pragma once

#include <QColor>
#include <QWidget>

// The gradient's end colour: the palette's button face darkened by the factor 0.7.
QColor DarkButtonFace();

class GradientBar : public QWidget {
    Q_OBJECT
public:
    enum class Direction { Vertical, Horizontal, Diagonal };
    explicit GradientBar(QWidget* parent = nullptr, Direction direction = Direction::Vertical);

    void SetEndColour(const QColor& colour);
    QColor EndColour() const { return end_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Direction direction_;
    QColor end_;
};
