#include "DruckDialog.h"

#include "Glyphs.h"
#include "GradientBar.h"
#include "KindTraits.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QWidget>

#include <algorithm>

namespace {
const char* const OnePageHint = "Rätsel und Legende auf eine einzelne Seite drucken";
const char* const TwoPagesHint = "Rätsel und Legende auf zwei getrennten Seiten drucken";
const char* const MarginHint = "Abstand des Rätsels vom Seitenrand in Millimetern";

template <class W> W* Named(W* widget, const char* name, const QString& hint = {}) {
    widget->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) {
        widget->setToolTip(hint);
        widget->setStatusTip(hint);
    }
    return widget;
}

QLabel* Label(const QString& text, QWidget* parent, QRect where, const char* name = nullptr) {
    auto* l = new QLabel(text, parent);
    if (name) l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(where);
    return l;
}

RangeSpinBox* Spin(QWidget* parent, const char* name, const QString& hint, int min, int max,
                   int step, QRect where) {
    auto* s = Named(new RangeSpinBox(parent), name, hint);
    s->setRange(min, max);
    s->setSingleStep(step);
    s->setGeometry(where);
    return s;
}

// A little page: white sheet, title line, grid square and legend lines.
void DrawPage(QPainter& p, QRect page, bool legendRight, bool legendBelow, bool gridOnly,
              bool legendOnly) {
    p.fillRect(page, Qt::white);
    p.setPen(Qt::black);
    p.drawRect(page.adjusted(0, 0, -1, -1));
    const QRect inner = page.adjusted(4, 4, -4, -4);
    p.fillRect(QRect(inner.left(), inner.top(), inner.width() / 2, 2), Qt::black);
    const int top = inner.top() + 5;
    auto legend = [&](QRect area) {
        p.setPen(QColor(0x60, 0x60, 0x60));
        for (int y = area.top(); y + 1 < area.bottom(); y += 4)
            p.drawLine(area.left(), y, area.right(), y);
    };
    if (legendOnly) {
        legend(QRect(inner.left(), top, inner.width(), inner.bottom() - top));
        return;
    }
    int side = std::min(inner.width(), inner.bottom() - top);
    if (legendRight) side = std::min(side, inner.width() * 3 / 5);
    if (legendBelow) side = std::min(side, (inner.bottom() - top) * 3 / 5);
    const QRect grid(inner.left(), top, side, side);
    p.fillRect(grid, QColor(0xC0, 0xC0, 0xC0));
    p.setPen(Qt::black);
    p.drawRect(grid.adjusted(0, 0, -1, -1));
    for (int i = 1; i < 4; ++i) {
        p.drawLine(grid.left() + i * side / 4, grid.top(), grid.left() + i * side / 4,
                   grid.bottom());
        p.drawLine(grid.left(), grid.top() + i * side / 4, grid.right(), grid.top() + i * side / 4);
    }
    if (gridOnly) return;
    if (legendRight)
        legend(
            QRect(grid.right() + 4, inner.top(), inner.right() - grid.right() - 4, inner.height()));
    else
        legend(QRect(inner.left(), grid.bottom() + 4, inner.width(),
                     inner.bottom() - grid.bottom() - 4));
}
} // namespace

// ---- RangeSpinBox

int RangeSpinBox::ValueOf(const QString& text) const {
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok) return minimum();
    return static_cast<int>(std::clamp<qlonglong>(v, minimum(), maximum()));
}

void RangeSpinBox::Commit() {
    setValue(ValueOf(lineEdit()->text()));
    lineEdit()->setText(textFromValue(value()));
}

QValidator::State RangeSpinBox::validate(QString& text, int&) const {
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (ok && v >= minimum() && v <= maximum()) return QValidator::Acceptable;
    // Anything may be typed; it is set right when the field is left.
    return QValidator::Intermediate;
}

void RangeSpinBox::fixup(QString& text) const {
    text = textFromValue(ValueOf(text));
}

int RangeSpinBox::valueFromText(const QString& text) const {
    return ValueOf(text);
}

void RangeSpinBox::focusOutEvent(QFocusEvent* event) {
    Commit();
    QSpinBox::focusOutEvent(event);
}

void RangeSpinBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) Commit();
    QSpinBox::keyPressEvent(event);
}

// ---- PageSketch

PageSketch::PageSketch(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setCursor(Qt::PointingHandCursor);
}

void PageSketch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    switch (kind_) {
    case Kind::PortraitBelow:
    case Kind::PortraitRight: {
        const int h = r.height() - 1, w = h * 21 / 29;
        DrawPage(p, QRect(r.left() + (r.width() - w) / 2, r.top(), w, h),
                 kind_ == Kind::PortraitRight, kind_ == Kind::PortraitBelow, false, false);
        break;
    }
    case Kind::LandscapeBelow:
    case Kind::LandscapeRight: {
        const int w = r.width() - 1, h = std::min(r.height() - 1, w * 21 / 29);
        DrawPage(p, QRect(r.left(), r.top() + (r.height() - h) / 2, w, h),
                 kind_ == Kind::LandscapeRight, kind_ == Kind::LandscapeBelow, false, false);
        break;
    }
    case Kind::TwoPages: {
        const int h = r.height() - 1, w = std::min(h * 21 / 29, r.width() / 2 - 3);
        DrawPage(p, QRect(r.left(), r.top(), w, h), false, false, true, false);
        DrawPage(p, QRect(r.left() + w + 6, r.top(), w, h), false, false, false, true);
        break;
    }
    }
}

void PageSketch::mousePressEvent(QMouseEvent*) {
    emit Clicked();
}

// ---- TPrintSettingsDlg

TPrintSettingsDlg::TPrintSettingsDlg(int puzzleKind, const QStringList& printers, QWidget* parent)
    : QDialog(parent) {
    setObjectName("PrintSettingsDlg");
    setWindowTitle("Rätsel drucken");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(569, 310);

    auto* verlauf = new GradientBar(this, GradientBar::Direction::Horizontal);
    verlauf->setObjectName("Verlauf");
    verlauf->setGeometry(0, 0, 50, 310);
    verlauf->SetEndColour(DarkButtonFace());
    auto* symbol = new QFrame(verlauf);
    symbol->setObjectName("GradSymbol");
    symbol->setFrameStyle(QFrame::Box | QFrame::Sunken);
    symbol->setGeometry(7, 8, 36, 36);
    auto* icon = new QLabel(symbol);
    icon->setObjectName("ImgIcon");
    icon->setPixmap(ToolPixmap(ToolGlyph::Print));
    icon->setAlignment(Qt::AlignCenter);
    icon->setGeometry(2, 2, 32, 32);

    BuildLayoutBox();
    BuildScaleBox();
    BuildRightColumn();

    lblLegFontSize1_ =
        Label("Schrifthöhe der Legende:", this, {60, 246, 150, 20}, "LblLegFontSize1");
    seLegFontSize_ = Spin(this, "SELegFontSize", "Höhe der Schriftart in der Legende", 2, 10, 1,
                          {212, 244, 50, 24});
    lblLegFontSize2_ = Label("mm", this, {268, 246, 30, 20}, "LblLegFontSize2");

    comboDrucker_->addItems(printers);

    const bool layout = HasPrintedLegend(puzzleKind);
    gbLayout_->setVisible(layout);
    gbScale_->setVisible(!layout);
    lblLegFontSize1_->setVisible(layout);
    seLegFontSize_->setVisible(layout);
    lblLegFontSize2_->setVisible(layout);

    auto* ok = Named(new QPushButton("&OK", this), "BtnOK",
                     "Das Dialogfenster schließen und den Ausdruck starten");
    ok->setGeometry(382, 274, 85, 27);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = Named(new QPushButton("&Abbruch", this), "BtnCancel",
                         "Das Dialogfenster schließen ohne den Ausdruck zu starten");
    cancel->setGeometry(474, 274, 85, 27);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TPrintSettingsDlg::BuildLayoutBox() {
    gbLayout_ = Named(new QGroupBox(" Layout: ", this), "GBLayout");
    gbLayout_->setGeometry(58, 6, 300, 230);
    rbPortrait_ = Named(new QRadioButton("Hochformat", gbLayout_), "RBPortrait",
                        "Das Rätsel auf eine Seite im Hochformat drucken");
    rbPortrait_->setGeometry(12, 22, 120, 20);
    rbLandscape_ = Named(new QRadioButton("Querformat", gbLayout_), "RBLandscape",
                         "Das Rätsel auf eine Seite im Querformat drucken");
    rbLandscape_->setGeometry(150, 22, 120, 20);
    auto* orientation = new QButtonGroup(this);
    orientation->addButton(rbPortrait_);
    orientation->addButton(rbLandscape_);

    rbOnePage_ = Named(new QCheckBox("Rätsel und Legende auf einer Seite:", gbLayout_), "RBOnePage",
                       OnePageHint);
    rbOnePage_->setGeometry(12, 48, 280, 20);
    rbTwoPages_ = Named(new QCheckBox("Rätsel und Legende auf getrennten Seiten:", gbLayout_),
                        "RBTwoPages", TwoPagesHint);
    rbTwoPages_->setGeometry(12, 140, 280, 20);
    auto* pages = new QButtonGroup(this);
    pages->addButton(rbOnePage_);
    pages->addButton(rbTwoPages_);
    pages->setExclusive(true);

    static const char* const names[] = {"ImgOnePagePortaitB", "ImgOnePagePortaitR",
                                        "ImgOnePageLandscapeB", "ImgOnePageLandscapeR"};
    for (int i = 0; i < 4; ++i) {
        previews_[i] = Named(new PageSketch(static_cast<PageSketch::Kind>(i), gbLayout_), names[i],
                             OnePageHint);
        previews_[i]->setGeometry(32, 72, 90, 62);
        connect(previews_[i], &PageSketch::Clicked, this, [this] { rbOnePage_->setChecked(true); });
    }
    imgTwoPages_ =
        Named(new PageSketch(PageSketch::Kind::TwoPages, gbLayout_), "ImgTwoPages", TwoPagesHint);
    imgTwoPages_->setGeometry(32, 164, 90, 58);
    connect(imgTwoPages_, &PageSketch::Clicked, this, [this] { rbTwoPages_->setChecked(true); });

    auto* panel = new QWidget(gbLayout_);
    panel->setObjectName("PanelLegPosition");
    panel->setGeometry(140, 78, 150, 52);
    rbLegendRight_ = Named(new QRadioButton("Legende rechts", panel), "RBLegendRight",
                           "Die Legende rechts neben das Rätsel drucken");
    rbLegendRight_->setGeometry(0, 2, 150, 20);
    rbLegendBottom_ = Named(new QRadioButton("Legende unten", panel), "RBLegendBottom",
                            "Die Legende unter das Rätsel drucken");
    rbLegendBottom_->setGeometry(0, 28, 150, 20);

    for (QAbstractButton* b :
         {static_cast<QAbstractButton*>(rbPortrait_), static_cast<QAbstractButton*>(rbLandscape_),
          static_cast<QAbstractButton*>(rbLegendRight_),
          static_cast<QAbstractButton*>(rbLegendBottom_)})
        connect(b, &QAbstractButton::clicked, this, [this] { UpdatePreviews(); });
    connect(rbOnePage_, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });
    connect(rbTwoPages_, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });
}

void TPrintSettingsDlg::BuildScaleBox() {
    gbScale_ = Named(new QGroupBox(" Skalierung: ", this), "GBScale");
    gbScale_->setGeometry(58, 6, 300, 230);
    rbSizeStretch_ =
        Named(new QCheckBox("Rätselgröße auf Seitenbreite / -höhe strecken", gbScale_),
              "RBSizeStretch", "Das Rätsel beim Ausdruck auf die verfügbare Seitenbreite strecken");
    rbSizeStretch_->setGeometry(12, 26, 282, 20);
    const QString fixedHint = "Beim Ausdruck des Rätsels die eingestellte Höhe und Breite für die "
                              "Gitterzellen verwenden";
    rbSizeFixed_ = Named(new QCheckBox("Feste Gittergröße :", gbScale_), "RBSizeFixed", fixedHint);
    rbSizeFixed_->setGeometry(12, 58, 140, 20);
    auto* scale = new QButtonGroup(this);
    scale->addButton(rbSizeStretch_);
    scale->addButton(rbSizeFixed_);
    scale->setExclusive(true);
    spinGridSize_ = Spin(gbScale_, "SpinGridSize", fixedHint, 2, 50, 1, {156, 56, 56, 24});
    lblSize_ = Label("Millimeter", gbScale_, {218, 58, 76, 20}, "LblSize");
    lblSize_->setToolTip(fixedHint);
    const auto enable = [this] {
        spinGridSize_->setEnabled(rbSizeFixed_->isChecked());
        lblSize_->setEnabled(rbSizeFixed_->isChecked());
    };
    connect(rbSizeStretch_, &QCheckBox::toggled, this, enable);
    connect(rbSizeFixed_, &QCheckBox::toggled, this, enable);
}

void TPrintSettingsDlg::BuildRightColumn() {
    auto* colours = Named(new QGroupBox(" Farben: ", this), "RGColors", "Farbmodus beim Druck");
    colours->setGeometry(366, 6, 195, 92);
    rgColors_ = new QButtonGroup(this);
    static const char* const items[] = {"Nur Linien drucken", "Ausdruck in Graustufen",
                                        "Farbig drucken"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(items[i]), colours);
        b->setObjectName(QStringLiteral("RGColors%1").arg(i));
        b->setToolTip("Farbmodus beim Druck");
        b->setGeometry(12, 20 + 22 * i, 178, 20);
        rgColors_->addButton(b, i);
    }

    auto* margins = Named(new QGroupBox(" Seitenränder: ", this), "GBMargins");
    margins->setGeometry(366, 102, 195, 76);
    Label("Links / rechts : ", margins, {10, 22, 100, 20});
    spinLMargin_ = Spin(margins, "SpinLMargin", MarginHint, 10, 50, 10, {112, 20, 50, 24});
    Label("mm", margins, {166, 22, 24, 20});
    Label("Oben / unten :", margins, {10, 48, 100, 20});
    spinTMargin_ = Spin(margins, "SpinTMargin", MarginHint, 10, 50, 10, {112, 46, 50, 24});
    Label("mm", margins, {166, 48, 24, 20});

    Label("Drucker:", this, {366, 182, 100, 18});
    comboDrucker_ =
        Named(new QComboBox(this), "ComboDrucker", "Der für den Ausdruck zu benutzende Drucker");
    comboDrucker_->setGeometry(366, 200, 163, 24);
    sbSetupPrinter_ = Named(new QToolButton(this), "SBSetupPrinter",
                            "Die Einstellungen des gewählten Druckers ändern");
    sbSetupPrinter_->setText("...");
    sbSetupPrinter_->setGeometry(533, 200, 28, 24);
    connect(sbSetupPrinter_, &QToolButton::clicked, this, [this] { emit SetupPrinterRequested(); });
    connect(comboDrucker_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0) emit PrinterChosen(index);
    });

    Label("Anzahl Kopien:", this, {366, 236, 100, 20});
    seNumCopies_ =
        Spin(this, "SENumCopies", "Anzahl zu druckender Kopien", 1, 100, 1, {470, 234, 60, 24});
}

void TPrintSettingsDlg::Load(const PrintSettings& s) {
    rbSizeStretch_->setChecked(s.StretchToPage);
    rbSizeFixed_->setChecked(!s.StretchToPage);
    spinGridSize_->setValue(s.GridCellSize / 10);
    spinGridSize_->setEnabled(!s.StretchToPage);
    lblSize_->setEnabled(!s.StretchToPage);
    rbPortrait_->setChecked(s.Portrait);
    rbLandscape_->setChecked(!s.Portrait);
    rbOnePage_->setChecked(s.OnePage);
    rbTwoPages_->setChecked(!s.OnePage);
    rbLegendRight_->setChecked(s.LegendRight);
    rbLegendBottom_->setChecked(!s.LegendRight);
    if (QAbstractButton* b = rgColors_->button(s.ColourMode)) b->setChecked(true);
    spinLMargin_->setValue(s.MarginLeftRight / 10);
    spinTMargin_->setValue(s.MarginTopBottom / 10);
    seLegFontSize_->setValue(s.LegendFontHeight / 10);
    comboDrucker_->setCurrentIndex(s.PrinterIndex < comboDrucker_->count() ? s.PrinterIndex : -1);
    seNumCopies_->setValue(s.Copies);
    UpdateEnabling();
    UpdatePreviews();
}

void TPrintSettingsDlg::Store(PrintSettings& s) {
    for (RangeSpinBox* spin :
         {spinGridSize_, spinLMargin_, spinTMargin_, seLegFontSize_, seNumCopies_})
        spin->Commit();
    s.StretchToPage = rbSizeStretch_->isChecked();
    s.GridCellSize = spinGridSize_->value() * 10;
    s.Portrait = rbPortrait_->isChecked();
    s.OnePage = rbOnePage_->isChecked();
    s.LegendRight = rbLegendRight_->isChecked();
    s.ColourMode = std::max(0, rgColors_->checkedId());
    s.MarginLeftRight = spinLMargin_->value() * 10;
    s.MarginTopBottom = spinTMargin_->value() * 10;
    s.LegendFontHeight = seLegFontSize_->value() * 10;
    s.PrinterIndex = std::max(0, comboDrucker_->currentIndex());
    s.Copies = seNumCopies_->value();
}

void TPrintSettingsDlg::SetPortrait(bool portrait) {
    (portrait ? rbPortrait_ : rbLandscape_)->setChecked(true);
    UpdatePreviews();
}

void TPrintSettingsDlg::UpdatePreviews() {
    const int shown = (rbPortrait_->isChecked() ? 0 : 2) + (rbLegendRight_->isChecked() ? 1 : 0);
    for (int i = 0; i < 4; ++i) previews_[i]->setVisible(i == shown);
}

void TPrintSettingsDlg::UpdateEnabling() {
    const bool one = rbOnePage_->isChecked();
    rbLegendRight_->setEnabled(one);
    rbLegendBottom_->setEnabled(one);
}

void TPrintSettingsDlg::FormShow() {
    UpdatePreviews();
    UpdateEnabling();
    if (comboDrucker_->count() > 0 && comboDrucker_->currentIndex() < 0)
        comboDrucker_->setCurrentIndex(0);
    if (comboDrucker_->currentIndex() >= 0) emit PrinterChosen(comboDrucker_->currentIndex());
}

void TPrintSettingsDlg::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}
