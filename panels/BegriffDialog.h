// The word entry dialog: one cell per letter of a word, confirmed only when
// every cell holds a letter.
#pragma once

#include <QDialog>
#include <QString>

#include <vector>

class GradientBar;
class QKeyEvent;
class QLabel;
class QPushButton;
class StringGrid;
struct Settings;

class TWordEditDlg : public QDialog {
    Q_OBJECT
public:
    explicit TWordEditDlg(const Settings& settings, QWidget* parent = nullptr);

    // On entry the word's letters (a blank for an empty cell); after "OK" the
    // typed letters, one per cell.
    QString WordData;

    QLabel* LblBegriff() const { return lblBegriff_; }
    StringGrid* GridBegriff() const { return gridBegriff_; }
    QPushButton* BtnOK() const { return btnOK_; }
    QPushButton* BtnCancel() const { return btnCancel_; }
    // The cells as they stand (a blank for an empty cell).
    QString Cells() const;

    // Fills the grid from WordData and fits the dialog to it.
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool GridBegriffKeyPress(QKeyEvent* event);
    void GridBegriffKeyUp(QKeyEvent* event);
    void EditBegriffChange();
    void BtnOKClick();
    void SetCell(int col, const QString& text);

    const Settings& settings_;
    GradientBar* verlauf_ = nullptr;
    QLabel* lblBegriff_ = nullptr;
    StringGrid* gridBegriff_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    std::vector<QString> cells_;
};
