#include "HinweisDialog.h"

#include "ModalRunner.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace {
THintForm* current = nullptr;
}

THintForm::THintForm(QWidget* parent)
    // Transparent for input: the pop-up sits over the cells next to the pointer,
    // and a click or a pointer move there belongs to the grid below.
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput) {
    static const bool closedByModals = [] {
        OnModalOpening([] { CloseIfVisible(); });
        return true;
    }();
    (void)closedByModals;
    setObjectName("HintForm");
    setWindowTitle("Hinweise");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::NoFocus);
    hinweis_ = new QLabel(this);
    hinweis_->setObjectName("Hinweis");
    hinweis_->setAutoFillBackground(true);
    hinweis_->setFrameShape(QFrame::Box);
    hinweis_->setMargin(2);
    QPalette pal = hinweis_->palette();
    pal.setColor(QPalette::Window, QApplication::palette().color(QPalette::ToolTipBase));
    pal.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::ToolTipText));
    hinweis_->setPalette(pal);
    hinweis_->setWordWrap(false);
    hinweis_->setFocusPolicy(Qt::NoFocus);
    hinweis_->setAttribute(Qt::WA_TransparentForMouseEvents);
    current = this;
}

THintForm::~THintForm() {
    if (current == this) current = nullptr;
}

THintForm* THintForm::Current() {
    return current;
}

void THintForm::CloseIfVisible() {
    if (current && current->isVisible()) current->close();
}

THintForm* THintForm::Open(QWidget* mainWindow, const QString& text, int x, int y, int fontSize) {
    CloseIfVisible();
    THintForm* hint = current ? current : new THintForm;
    QFont f = hint->hinweis_->font();
    f.setPointSize(fontSize > 0 ? fontSize : 8);
    f.setBold(fontSize > 0);
    hint->hinweis_->setFont(f);
    hint->hinweis_->setText(text);
    hint->hinweis_->adjustSize();
    hint->move(x, y - hint->hinweis_->height() - 4);
    hint->SetMainWindow(mainWindow);
    hint->FormShow();
    hint->show();
    return hint;
}

QPoint THintForm::KeepInside(const QPoint& pos, const QSize& size, const QRect& screen) {
    QPoint p = pos;
    if (p.x() + size.width() > screen.right() + 1) p.setX(screen.right() + 1 - size.width() - 5);
    if (p.y() + size.height() > screen.bottom() + 1)
        p.setY(screen.bottom() + 1 - size.height() - 5);
    return p;
}

void THintForm::FormShow() {
    hinweis_->move(0, 0);
    resize(hinweis_->size());
    const QScreen* screen = QGuiApplication::screenAt(pos());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    move(KeepInside(pos(), size(), screen->geometry()));
}

void THintForm::changeEvent(QEvent* event) {
    // Should the window manager activate the pop-up anyway, hand the focus back.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && mainWindow_ &&
        mainWindow_->isVisible())
        mainWindow_->activateWindow();
    QWidget::changeEvent(event);
}

void THintForm::closeEvent(QCloseEvent* event) {
    if (current == this) current = nullptr;
    QWidget::closeEvent(event);
}
