// The stopwatch of the timed Sudoku: counts the solving time into the record
// while the clock runs and shows it counting up, or down from the best time.
#pragma once

#include "CompanionLinks.h"
#include "StopwatchClock.h"

#include <QWidget>

#include <cstdint>
#include <functional>

class CompanionFrame;
class QLCDNumber;
class QLabel;
class QTimer;
class QToolButton;

class TStopuhrForm : public QWidget, public StopwatchLink {
    Q_OBJECT
public:
    // Milliseconds of a steady clock; tests put in their own.
    using TickSource = std::function<std::int64_t()>;

    explicit TStopuhrForm(CompanionFrame& frame, QWidget* parent = nullptr);

    // The clock read by the show step and every tick.
    void SetTickSource(TickSource source) { now_ = std::move(source); }
    static std::int64_t SteadyMilliseconds();

    // StopwatchLink
    void FormShow() override;
    QWidget* Widget() override { return this; }
    bool ClockRunning() const override;

    // Each 500 ms: the time into the record while the clock runs, then the display.
    void TimerTick();
    void UpdateDisplay();
    // What the display shows now.
    const StopwatchView& View() const { return view_; }

    QLCDNumber* LEDTime() const { return led_; }
    QLabel* LblMinus() const { return minus_; }
    QLabel* LblBestTime() const { return bestTime_; }
    QLabel* LblAuthor() const { return author_; }
    QToolButton* SBCountUp() const { return countUp_; }
    QToolButton* SBCountDown() const { return countDown_; }
    QTimer* Timer() const { return timer_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CountButtonClicked(QToolButton* clicked);

    CompanionFrame& frame_;
    TickSource now_;
    std::int64_t baseTime_ = 0;
    std::uint16_t baseElapsed_ = 0;
    StopwatchView view_;
    QLCDNumber* led_ = nullptr;
    QLabel* minus_ = nullptr;
    QToolButton* countUp_ = nullptr;
    QToolButton* countDown_ = nullptr;
    QLabel* bestTime_ = nullptr;
    QLabel* author_ = nullptr;
    QTimer* timer_ = nullptr;
};
