#include "DruckMessageDialog.h"

#include "GradientBar.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

QPixmap PrinterFrame(int frame) {
    QPixmap pm(33, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    // The sheet coming out of the printer moves a little further each frame.
    const int out = 4 + 5 * frame;
    p.fillRect(9, 2, 15, 10, Qt::white);
    p.setPen(Qt::black);
    p.drawRect(9, 2, 14, 10);
    p.fillRect(2, 11, 29, 12, QColor(0xC0, 0xC0, 0xC0));
    p.drawRect(2, 11, 28, 12);
    p.fillRect(4, 13, 4, 2, QColor(0x00, 0xA0, 0x00));
    p.fillRect(8, 22, 17, out, Qt::white);
    p.drawRect(8, 22, 16, out);
    p.setPen(QColor(0x80, 0x80, 0x80));
    for (int y = 25; y < 22 + out; y += 3) p.drawLine(10, y, 22, y);
    return pm;
}

TPrintMsgDlg::TPrintMsgDlg(std::function<bool()> printing, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      printing_(std::move(printing)) {
    setObjectName("PrintMsgDlg");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Velmar " + QApplication::applicationDisplayName() + " - Druckauftrag");
    setFixedSize(317, 66);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);

    auto* verlauf = new GradientBar(this, GradientBar::Direction::Vertical);
    verlauf->setObjectName("Verlauf");
    verlauf->setGeometry(0, 0, 317, 66);
    verlauf->SetEndColour(DarkButtonFace());

    auto* panel = new QFrame(this);
    panel->setObjectName("PanelMessage");
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    panel->setPalette(pal);
    panel->setGeometry(8, 8, 301, 50);
    for (int i = 0; i < 3; ++i) {
        printers_[i] = new QLabel(panel);
        printers_[i]->setObjectName(QStringLiteral("ImgPrinter%1").arg(i + 1));
        printers_[i]->setPixmap(PrinterFrame(i));
        printers_[i]->setGeometry(8, 9, 33, 32);
        printers_[i]->setVisible(i == 0);
    }
    lblMessage_ = new QLabel(panel);
    lblMessage_->setObjectName("LblMessage");
    lblMessage_->setAlignment(Qt::AlignCenter);
    lblMessage_->setGeometry(44, 1, 301 - 44 - 2, 48);

    timer_ = new QTimer(this);
    timer_->setInterval(500);
    connect(timer_, &QTimer::timeout, this, &TPrintMsgDlg::TimerTimer);
}

void TPrintMsgDlg::showEvent(QShowEvent* event) {
    // Centred on the screen the window opens on.
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen())
        move(screen->availableGeometry().center() - rect().center());
    timer_->start();
    QWidget::showEvent(event);
}

void TPrintMsgDlg::TimerTimer() {
    ++tickCount_;
    for (int i = 0; i < 3; ++i) printers_[i]->setVisible(tickCount_ % 3 == i);
    if (!(printing_ && printing_()) && tickCount_ > 30) {
        timer_->stop();
        hide();
    }
}

int TPrintMsgDlg::VisibleFrame() const {
    for (int i = 0; i < 3; ++i)
        if (!printers_[i]->isHidden()) return i;
    return -1;
}
