// The result message of the completion check: congratulation or error.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
struct CompletionNotice;

class TWinMsgDlg : public QDialog {
    Q_OBJECT
public:
    explicit TWinMsgDlg(QWidget* parent = nullptr);

    // 0 error, 1 solved, 2 solved in best time.
    int MessageKind = 0;

    QLabel* LblMessage() const { return lblMessage_; }
    QLabel* ImgError() const { return imgError_; }
    QLabel* ImgOK() const { return imgOK_; }
    QPushButton* BtnClose() const { return btnClose_; }

    // Caption and symbol for MessageKind; an error also beeps.
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* lblMessage_ = nullptr;
    QLabel* imgError_ = nullptr;
    QLabel* imgOK_ = nullptr;
    QPushButton* btnClose_ = nullptr;
};

// Shows the notice's message modally when the evaluation asks for one.
// Returns whether a message was shown.
bool ShowCompletionNotice(const CompletionNotice& notice, QWidget* parent = nullptr);
