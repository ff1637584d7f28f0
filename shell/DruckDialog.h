// The print settings dialog "Rätsel drucken": layout, scaling, colours,
// margins, legend font, printer and copies, edited before every print.
#pragma once

#include "Settings.h"

#include <QDialog>
#include <QSpinBox>
#include <QStringList>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QToolButton;

// A spin edit that takes any typed text and brings it into its range when
// the field is left: the nearest bound, or the minimum for text that is no
// whole number.
class RangeSpinBox : public QSpinBox {
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;
    // Brings the typed text into range now.
    void Commit();
    int ValueOf(const QString& text) const;

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;
    int valueFromText(const QString& text) const override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A page sketch of the layout; a click chooses it.
class PageSketch : public QWidget {
    Q_OBJECT
public:
    enum class Kind { PortraitBelow, PortraitRight, LandscapeBelow, LandscapeRight, TwoPages };
    PageSketch(Kind kind, QWidget* parent);

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Kind kind_;
};

class TPrintSettingsDlg : public QDialog {
    Q_OBJECT
public:
    // `printers`: the names for the printer list, in the system's order.
    TPrintSettingsDlg(int puzzleKind, const QStringList& printers, QWidget* parent = nullptr);

    void Load(const PrintSettings& settings);
    // The dialog's values into `settings` (typed values brought into range first).
    void Store(PrintSettings& settings);
    // What showing the dialog does: previews, enabling, the printer choice.
    void FormShow();
    // The preview that matches orientation and legend position.
    void UpdatePreviews();
    // The orientation chosen in the printer's own set-up.
    void SetPortrait(bool portrait);

signals:
    // The printer of that list index is now the one printed on.
    void PrinterChosen(int index);
    void SetupPrinterRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildLayoutBox();
    void BuildScaleBox();
    void BuildRightColumn();
    void UpdateEnabling();

    QGroupBox* gbLayout_ = nullptr;
    QGroupBox* gbScale_ = nullptr;
    QRadioButton* rbPortrait_ = nullptr;
    QRadioButton* rbLandscape_ = nullptr;
    QCheckBox* rbOnePage_ = nullptr;
    QCheckBox* rbTwoPages_ = nullptr;
    PageSketch* previews_[4] = {};
    PageSketch* imgTwoPages_ = nullptr;
    QRadioButton* rbLegendRight_ = nullptr;
    QRadioButton* rbLegendBottom_ = nullptr;
    QCheckBox* rbSizeStretch_ = nullptr;
    QCheckBox* rbSizeFixed_ = nullptr;
    RangeSpinBox* spinGridSize_ = nullptr;
    QLabel* lblSize_ = nullptr;
    QButtonGroup* rgColors_ = nullptr;
    RangeSpinBox* spinLMargin_ = nullptr;
    RangeSpinBox* spinTMargin_ = nullptr;
    QLabel* lblLegFontSize1_ = nullptr;
    RangeSpinBox* seLegFontSize_ = nullptr;
    QLabel* lblLegFontSize2_ = nullptr;
    QComboBox* comboDrucker_ = nullptr;
    QToolButton* sbSetupPrinter_ = nullptr;
    RangeSpinBox* seNumCopies_ = nullptr;
};
