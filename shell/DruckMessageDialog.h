// The small stay-on-top window that shows what is being printed, with a
// moving printer picture while the job runs.
#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

class TPrintMsgDlg : public QWidget {
    Q_OBJECT
public:
    // `printing` tells whether the printer is still busy with the job.
    explicit TPrintMsgDlg(std::function<bool()> printing, QWidget* parent = nullptr);

    QLabel* LblMessage() const { return lblMessage_; }
    QTimer* Timer() const { return timer_; }
    int TickCount() const { return tickCount_; }
    // One step of the animation; hides the window once the printer is done.
    void TimerTimer();
    // The frame (0..2) shown now.
    int VisibleFrame() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::function<bool()> printing_;
    QLabel* lblMessage_ = nullptr;
    QLabel* printers_[3] = {};
    QTimer* timer_ = nullptr;
    int tickCount_ = 0;
};

// The printer picture of the animation, frame 0..2 (33 x 32).
QPixmap PrinterFrame(int frame);
