// The program information box: version, maker, web and mail links.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QFrame;

class TInfoDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* WebAddress = "https://www.example.org/zoruvidedid";
    static constexpr const char* MailAddress = "support@example.org";
    static constexpr const char* MakerText = "Copyright © Velmar";

    // creatorVersion: the puzzle's generator version (UTF-8), may be empty.
    explicit TInfoDlg(const QString& creatorVersion, QWidget* parent = nullptr);

    // Version, links, logo and maker line; enables the link panel.
    void FormShow();
    // The maker line for a program file last changed in that year.
    static QString MakerLine(int year);

    QLabel* LblVersion() const { return lblVersion_; }
    QLabel* LblCopyr() const { return lblCopyr_; }
    QLabel* LblURL() const { return lblURL_; }
    QLabel* LbleMail() const { return lbleMail_; }
    QFrame* PanelURL() const { return panelURL_; }
    QPushButton* SBClose() const { return sbClose_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString creatorVersion_;
    QLabel* imgAppLogo_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblCopyr_ = nullptr;
    QLabel* lblURL_ = nullptr;
    QLabel* lbleMail_ = nullptr;
    QLabel* imgVelmarLogo_ = nullptr;
    QFrame* panelURL_ = nullptr;
    QPushButton* sbClose_ = nullptr;
};
