#include "BegriffDialog.h"

#include "CellPainter.h"
#include "Cp1252.h"
#include "Glyphs.h"
#include "GradientBar.h"
#include "Settings.h"
#include "StringGrid.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;

// The two letters an umlaut is written as, or none.
bool UmlautLetters(QChar ch, QChar& first, QChar& second) {
    switch (ch.unicode()) {
    case 0xC4: // Ä
    case 0xE4: // ä
        first = QLatin1Char('A');
        second = QLatin1Char('E');
        return true;
    case 0xD6: // Ö
    case 0xF6: // ö
        first = QLatin1Char('O');
        second = QLatin1Char('E');
        return true;
    case 0xDC: // Ü
    case 0xFC: // ü
        first = QLatin1Char('U');
        second = QLatin1Char('E');
        return true;
    case 0xDF: // ß
        first = second = QLatin1Char('S');
        return true;
    default:
        return false;
    }
}

QChar UpperAscii(QChar ch) {
    if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z')) return QChar(ch.unicode() - 32);
    return ch;
}

bool IsEmptyCell(const QString& text) {
    return text.isEmpty() || text.at(0) == QLatin1Char(' ');
}
} // namespace

TWordEditDlg::TWordEditDlg(const Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName("WordEditDlg");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    resize(375, 136);

    verlauf_ = new GradientBar(this, GradientBar::Direction::Horizontal);
    verlauf_->setObjectName("Verlauf");
    verlauf_->SetEndColour(DarkButtonFace());
    auto* symbol = new QFrame(verlauf_);
    symbol->setObjectName("GradSymbol");
    symbol->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    symbol->setGeometry(8, 8, 34, 34);
    auto* icon = new QLabel(symbol);
    icon->setObjectName("ImgIcon");
    icon->setPixmap(AppIconPixmap(32));
    icon->setGeometry(1, 1, 32, 32);

    lblBegriff_ = new QLabel(this);
    lblBegriff_->setObjectName("LblBegriff");
    lblBegriff_->move(56, 5);

    gridBegriff_ = new StringGrid(this);
    gridBegriff_->setObjectName("GridBegriff");
    gridBegriff_->move(56, 21);
    gridBegriff_->setFocusPolicy(Qt::StrongFocus);
    gridBegriff_->setToolTip(QStringLiteral("Den gesuchten Begriff eingeben"));
    gridBegriff_->setStatusTip(gridBegriff_->toolTip());
    gridBegriff_->OnKeyPress = [this](QKeyEvent* e) { return GridBegriffKeyPress(e); };
    gridBegriff_->OnKeyUp = [this](QKeyEvent* e) { GridBegriffKeyUp(e); };
    gridBegriff_->OnDrawCell = [this](QPainter& p, int c, int, const QRect& rect,
                                      GridLayout::CellState state) {
        const SystemColours& system = settings_.System;
        const bool active = gridBegriff_->isEnabled() && isActiveWindow();
        const Colour background = state.Current && active ? settings_.LetterFieldMarkColour
                                                          : settings_.FarbeBuchstabenfeld;
        p.fillRect(rect, ToQColor(background, system));
        QFont f(QString::fromStdString(Cp1252ToUtf8(settings_.Schriftart)));
        f.setPointSize(std::max(1, settings_.Schriftgroesse));
        f.setBold(true);
        p.setFont(f);
        p.setPen(ToQColor(settings_.FarbeBuchstaben, system));
        if (c >= 0 && c < static_cast<int>(cells_.size()))
            p.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, cells_[std::size_t(c)]);
        if (state.Current && active) DrawInputMarker(p, rect, 1, false, system);
    };

    btnOK_ = new QPushButton(QStringLiteral("OK"), this);
    btnOK_->setObjectName("BtnOK");
    btnOK_->setToolTip(
        QStringLiteral("Den Begriff ins Rätsel aufnehmen und das Dialogfenster schließen"));
    btnOK_->setDefault(true);
    btnOK_->setEnabled(false);
    connect(btnOK_, &QPushButton::clicked, this, [this] { BtnOKClick(); });
    btnCancel_ = new QPushButton(QStringLiteral("Abbruch"), this);
    btnCancel_->setObjectName("BtnCancel");
    btnCancel_->setToolTip(
        QStringLiteral("Das Dialogfenster schließen ohne den Begriff ins Rätsel zu übernehmen"));
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* b : {btnOK_, btnCancel_}) {
        b->setStatusTip(b->toolTip());
        b->resize(ButtonWidth, ButtonHeight);
    }
    btnOK_->move(206, 100);
    btnCancel_->move(290, 100);
    WordData.clear();
}

QString TWordEditDlg::Cells() const {
    QString out;
    for (const QString& cell : cells_) out += IsEmptyCell(cell) ? QChar(' ') : cell.at(0);
    return out;
}

void TWordEditDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) FormShow();
    QDialog::showEvent(event);
}

void TWordEditDlg::FormShow() {
    gridBegriff_->setVisible(true);
    gridBegriff_->setEnabled(true);
    cells_.clear();
    for (QChar ch : WordData) cells_.push_back(QString(UpperAscii(ch)));
    const int size = settings_.Feldgroesse - 1;
    const int columns = static_cast<int>(cells_.size());
    gridBegriff_->ChangeLayout([&](GridLayout& l) {
        l.ColCount = columns;
        l.RowCount = 1;
        l.DefaultColWidth = size;
        l.DefaultRowHeight = size;
        l.LineWidth = 1;
        l.ResetSizes();
    });
    gridBegriff_->setFixedSize(columns * (size + 1) + 3, size + 2);

    const int gridBottom = gridBegriff_->y() + gridBegriff_->height();
    btnOK_->move(btnOK_->x(), gridBottom + 8);
    btnCancel_->move(btnCancel_->x(), gridBottom + 8);
    const int width = std::max(btnCancel_->x() + btnCancel_->width() + 8,
                               gridBegriff_->x() + gridBegriff_->width() + 8);
    const int height = btnCancel_->y() + btnCancel_->height() + 8;
    setFixedSize(width, height);
    verlauf_->setGeometry(0, 0, 50, height);
    lblBegriff_->adjustSize();
    if (QWidget* owner = parentWidget()) {
        const QPoint centre = owner->mapToGlobal(owner->rect().center());
        move(centre - QPoint(width / 2, height / 2));
    }
    gridBegriff_->setFocus();
    gridBegriff_->SetCurrent(0, 0);
    EditBegriffChange();
}

void TWordEditDlg::SetCell(int col, const QString& text) {
    if (col < 0 || col >= static_cast<int>(cells_.size())) return;
    cells_[std::size_t(col)] = text;
    gridBegriff_->InvalidateCell(col, 0);
}

bool TWordEditDlg::GridBegriffKeyPress(QKeyEvent* event) {
    // Enter and Escape go on to the dialog's default and cancel buttons.
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) return false;
    const QString text = event->text();
    if (text.isEmpty() || cells_.empty()) return true;
    const QChar ch = UpperAscii(text.at(0));
    const int col = gridBegriff_->Col();
    const int last = static_cast<int>(cells_.size()) - 1;
    QChar first, second;
    if ((ch >= QLatin1Char('A') && ch <= QLatin1Char('Z')) || ch == QLatin1Char(' ')) {
        SetCell(col, QString(ch));
        if (col < last) gridBegriff_->SelectCell(col + 1, 0);
    } else if (UmlautLetters(ch, first, second)) {
        SetCell(col, QString(first));
        if (col < last) {
            SetCell(col + 1, QString(second));
            gridBegriff_->SelectCell(std::min(col + 2, last), 0);
        }
    }
    EditBegriffChange();
    return true;
}

void TWordEditDlg::GridBegriffKeyUp(QKeyEvent* event) {
    const int col = gridBegriff_->Col();
    switch (event->key()) {
    case Qt::Key_Backspace:
        if (col > 0) {
            gridBegriff_->SelectCell(col - 1, 0);
            SetCell(col - 1, QString());
        }
        break;
    case Qt::Key_Delete:
        SetCell(col, QString());
        break;
    default:
        break; // Home, End and the arrows move through the grid itself
    }
    const int current = gridBegriff_->Col();
    if (current >= 0 && current < static_cast<int>(cells_.size()) &&
        cells_[std::size_t(current)].size() > 1)
        SetCell(current, cells_[std::size_t(current)].left(1));
    EditBegriffChange();
}

void TWordEditDlg::EditBegriffChange() {
    const bool full = !cells_.empty() && std::none_of(cells_.begin(), cells_.end(), IsEmptyCell);
    btnOK_->setEnabled(full);
}

void TWordEditDlg::BtnOKClick() {
    QString word;
    for (const QString& cell : cells_)
        word += IsEmptyCell(cell) ? QChar(' ') : UpperAscii(cell.at(0));
    WordData = word;
    accept();
}
