#include "MessageDialog.h"

#include "Evaluation.h"
#include "Glyphs.h"
#include "GradientBar.h"
#include "ModalRunner.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

TWinMsgDlg::TWinMsgDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("WinMsgDlg");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(305, 87);

    auto* verlauf = new GradientBar(this, GradientBar::Direction::Horizontal);
    verlauf->setObjectName("Verlauf");
    verlauf->setGeometry(0, 0, 50, 87);
    auto* symbol = new QWidget(verlauf);
    symbol->setObjectName("GradSymbol");
    symbol->setGeometry(9, 8, 32, 32);
    imgError_ = new QLabel(symbol);
    imgError_->setObjectName("ImgError");
    imgError_->setPixmap(ErrorSymbol());
    imgError_->setGeometry(0, 0, 32, 32);
    imgOK_ = new QLabel(symbol);
    imgOK_->setObjectName("ImgOK");
    imgOK_->setPixmap(OkSymbol());
    imgOK_->setGeometry(0, 0, 32, 32);

    lblMessage_ = new QLabel(this);
    lblMessage_->setObjectName("LblMessage");
    lblMessage_->setGeometry(57, 6, 241, 43);
    lblMessage_->setAlignment(Qt::AlignCenter);
    lblMessage_->setWordWrap(true);
    QFont bold = lblMessage_->font();
    bold.setBold(true);
    lblMessage_->setFont(bold);

    btnClose_ = new QPushButton("S&chließen", this);
    btnClose_->setObjectName("BtnClose");
    btnClose_->setToolTip("Das Dialogfenster schließen");
    btnClose_->setStatusTip(btnClose_->toolTip());
    btnClose_->setGeometry(140, 55, 90, 25);
    btnClose_->setDefault(true);
    connect(btnClose_, &QPushButton::clicked, this, &QDialog::reject);
    installEventFilter(this);
    btnClose_->installEventFilter(this);
}

TWinMsgDlg::~TWinMsgDlg() {
    qDeleteAll(typedOn_);
}

bool TWinMsgDlg::eventFilter(QObject* watched, QEvent* event) {
    // Typing on after the message popped up: the key closes it and is kept.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.size() == 1 && text.at(0).isLetterOrNumber() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            typedOn_ << key->clone();
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TWinMsgDlg::FormShow() {
    imgOK_->setVisible(MessageKind > 0);
    imgError_->setVisible(MessageKind == 0);
    if (MessageKind != 0) {
        setWindowTitle("Glückwunsch!");
    } else {
        setWindowTitle("Fehler!");
        QApplication::beep();
    }
}

void TWinMsgDlg::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

bool ShowCompletionNotice(const CompletionNotice& notice, QWidget* parent) {
    if (!notice.ShowMessage) return false;
    TWinMsgDlg dlg(parent);
    dlg.MessageKind = notice.MessageKind;
    dlg.LblMessage()->setText(QString::fromStdString(notice.Message));
    RunModal(dlg);
    for (const QKeyEvent* key : dlg.TypedOn()) {
        QWidget* target = QApplication::focusWidget();
        if (!target) break;
        QCoreApplication::postEvent(target, key->clone());
        QCoreApplication::postEvent(
            target, new QKeyEvent(QEvent::KeyRelease, key->key(), key->modifiers(), key->text()));
    }
    return true;
}
