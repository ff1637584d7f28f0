// The result message of the completion check: congratulation or error.
#pragma once

#include <QDialog>
#include <QKeyEvent>
#include <QList>

class QLabel;
class QPushButton;
struct CompletionNotice;

class TWinMsgDlg : public QDialog {
    Q_OBJECT
public:
    explicit TWinMsgDlg(QWidget* parent = nullptr);
    ~TWinMsgDlg() override;

    // 0 error, 1 solved, 2 solved in best time.
    int MessageKind = 0;

    QLabel* LblMessage() const { return lblMessage_; }
    QLabel* ImgError() const { return imgError_; }
    QLabel* ImgOK() const { return imgOK_; }
    QPushButton* BtnClose() const { return btnClose_; }

    // Caption and symbol for MessageKind; an error also beeps.
    void FormShow();
    // Letters and digits typed while the message was up: they closed it and
    // belong to the window the player was typing in.
    const QList<QKeyEvent*>& TypedOn() const { return typedOn_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* lblMessage_ = nullptr;
    QLabel* imgError_ = nullptr;
    QLabel* imgOK_ = nullptr;
    QPushButton* btnClose_ = nullptr;
    QList<QKeyEvent*> typedOn_;
};

// Shows the notice's message modally when the evaluation asks for one; keys
// typed on it go on to the window that has the focus afterwards. Returns
// whether a message was shown.
bool ShowCompletionNotice(const CompletionNotice& notice, QWidget* parent = nullptr);
