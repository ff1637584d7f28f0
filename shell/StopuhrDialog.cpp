#include "StopuhrDialog.h"

#include "CompanionFrame.h"
#include "Cp1252.h"
#include "GradientBar.h"
#include "PuzzleEvents.h"
#include "PuzzleGame.h"
#include "Session.h"
#include "TextUtil.h"

#include <QLCDNumber>
#include <QLabel>
#include <QPalette>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <chrono>

namespace {
QToolButton* CountButton(QWidget* parent, const char* name, const QString& text,
                         const QString& hint, int y) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setCheckable(true);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(186, y, 72, 22);
    return b;
}

QLabel* Label(QWidget* parent, const char* name, const QRect& geometry, bool bold) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}
} // namespace

std::int64_t TStopuhrForm::SteadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TStopuhrForm::TStopuhrForm(CompanionFrame& frame, QWidget* parent)
    : QWidget(parent), frame_(frame), now_(&TStopuhrForm::SteadyMilliseconds) {
    setObjectName("StopuhrForm");
    setWindowTitle(QStringLiteral("Lösungszeit"));
    auto* verlauf = new GradientBar(this);
    verlauf->setObjectName("Verlauf");
    verlauf->SetEndColour(DarkButtonFace());
    verlauf->setGeometry(0, 0, 266, 93);

    led_ = new QLCDNumber(this);
    led_->setObjectName("LEDTime");
    led_->setGeometry(6, 6, 141, 41);
    led_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    led_->setSegmentStyle(QLCDNumber::Filled);
    led_->setDigitCount(6);
    led_->setAutoFillBackground(true);
    const QString ledHint = QStringLiteral("Die für die Lösung des Rätsels benötigte Zeit");
    led_->setToolTip(ledHint);
    led_->setStatusTip(ledHint);

    minus_ = Label(this, "LblMinus", QRect(151, 6, 30, 41), true);
    minus_->setAlignment(Qt::AlignCenter);
    QFont minusFont("Arial");
    minusFont.setBold(true);
    minusFont.setPixelSize(32);
    minus_->setFont(minusFont);

    countUp_ = CountButton(this, "SBCountUp", QStringLiteral("Aufwärts"),
                           QStringLiteral("Die Zeit von Null an aufwärts zählen"), 3);
    countDown_ = CountButton(this, "SBCountDown", QStringLiteral("Abwärts"),
                             QStringLiteral("Die Zeit von der Bestzeit aus rückwärts zählen"), 27);
    countUp_->setChecked(true);
    connect(countUp_, &QToolButton::clicked, this, [this] { CountButtonClicked(countUp_); });
    connect(countDown_, &QToolButton::clicked, this, [this] { CountButtonClicked(countDown_); });

    auto* best = Label(this, "LblBestzeit", QRect(6, 62, 60, 18), false);
    best->setText(QStringLiteral("Bestzeit:"));
    bestTime_ = Label(this, "LblBestTime", QRect(62, 62, 48, 18), true);
    bestTime_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette blue = bestTime_->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 0xFF));
    bestTime_->setPalette(blue);
    const QString bestHint = QStringLiteral("Bisherige Bestzeit für die Lösung des Rätsels");
    bestTime_->setToolTip(bestHint);
    bestTime_->setStatusTip(bestHint);
    author_ = Label(this, "LblAuthor", QRect(118, 62, 144, 18), true);
    const QString authorHint =
        QStringLiteral("Name des Bestzeithalters für die Lösung des Rätsels");
    author_->setToolTip(authorHint);
    author_->setStatusTip(authorHint);

    setFixedSize(266, 93);

    timer_ = new QTimer(this);
    timer_->setObjectName("Timer");
    timer_->setInterval(500);
    connect(timer_, &QTimer::timeout, this, [this] { TimerTick(); });
    timer_->start();

    PuzzleGame& game = frame_.Game();
    connect(&game, &PuzzleGame::Changed, this, [this](const GameChange& change) {
        if (change.What == GameChange::Cause::Reset || change.What == GameChange::Cause::Undo)
            FormShow();
    });
    connect(&game, &PuzzleGame::BestTimeChanged, this, [this] { FormShow(); });
    // The window goes with the board.
    connect(&frame_.Events(), &PuzzleEvents::BoardClosing, this,
            [this] { OuterWindow(this)->close(); });
}

bool TStopuhrForm::ClockRunning() const {
    return frame_.Session().image().ClockRunning != 0;
}

void TStopuhrForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TStopuhrForm::FormShow() {
    const PuzzleImage& im = frame_.Session().image();
    countDown_->setEnabled(im.BestSeconds > 0);
    if (im.BestSeconds > 0) {
        bestTime_->setText(QString::fromStdString(FormatSolveTime(im.BestSeconds, false)));
        author_->setText(QString::fromStdString(Cp1252ToUtf8(im.BestTimeHolder.view())));
    } else {
        countUp_->setChecked(true);
        countDown_->setChecked(false);
    }
    baseTime_ = now_();
    baseElapsed_ = im.ElapsedSeconds;
    UpdateDisplay();
    SetClientSize(this, size());
    MoveOuterWindow(this, QPoint(frame_.ClientAreaWidth() - OuterWindow(this)->width() - 6, 0));
}

void TStopuhrForm::TimerTick() {
    PuzzleGame& game = frame_.Game();
    if (!game.Image().ClockRunning) return;
    game.SetClock(CountedSeconds(baseTime_, baseElapsed_, now_()), true);
    UpdateDisplay();
}

void TStopuhrForm::CountButtonClicked(QToolButton* clicked) {
    // One group: at most one button down, both may be up.
    if (clicked->isChecked()) (clicked == countUp_ ? countDown_ : countUp_)->setChecked(false);
    UpdateDisplay();
}

void TStopuhrForm::UpdateDisplay() {
    const PuzzleImage& im = frame_.Session().image();
    view_ = StopwatchDisplay(im.ElapsedSeconds, im.BestSeconds, countUp_->isChecked(),
                             countDown_->isChecked());
    minus_->setVisible(view_.SignVisible);
    QFont signFont = minus_->font();
    QPalette signPalette = minus_->palette();
    if (view_.Negative) {
        minus_->setText(QStringLiteral("-"));
        signPalette.setColor(QPalette::WindowText, QColor(0x80, 0, 0));
        signFont.setPointSize(26);
    } else {
        minus_->setText(QStringLiteral("+"));
        signPalette.setColor(QPalette::WindowText, QColor(0, 0x80, 0));
        signFont.setPointSize(24);
    }
    minus_->setFont(signFont);
    minus_->setPalette(signPalette);

    QColor colour;
    switch (view_.Tint) {
    case StopwatchTint::Red:
        colour = QColor(0xFF, 0, 0);
        break;
    case StopwatchTint::Green:
        colour = QColor(0, 0xFF, 0);
        break;
    case StopwatchTint::Blue:
        colour = QColor(0, 0, 0xFF);
        break;
    }
    QPalette p = led_->palette();
    p.setColor(QPalette::Window, QColor(0x33, 0x33, 0x33));
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Light, colour);
    p.setColor(QPalette::Dark, colour.darker(150));
    led_->setPalette(p);
    const QString text = QString::fromStdString(view_.Text);
    led_->setDigitCount(std::max(6, static_cast<int>(text.size())));
    led_->display(text);
}
