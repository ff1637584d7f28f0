#include "RaetselInfoDialog.h"

#include "Container.h"
#include "Cp1252.h"
#include "Glyphs.h"
#include "GradientBar.h"
#include "ModalRunner.h"
#include "TextUtil.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopedValueRollback>

namespace {
TRaetselInfoDlg* current = nullptr;

constexpr int ClientWidth = 462;
constexpr int FullHeight = 356;
constexpr int PanelAuthorHeight = 89;
constexpr int PanelTop = 108;
constexpr int LabelWidth = 80;
constexpr int FieldLeft = 82; // inside the panels, which start at x 60
constexpr int FieldWidth = 312;
constexpr int RowHeight = 21;

QString FromImage(std::string_view text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}

QLabel* Caption(QWidget* parent, const QString& text, int y, int height = RowHeight) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(0, y, LabelWidth, height);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

// The program file's date and time in the player's (German) short date and
// long time format; the time zone some locales add to the long time is left out.
QString ExecutableDate() {
    const QFileInfo exe(QString::fromStdString(OwnExecutablePath()));
    const QDateTime when = exe.lastModified();
    const QLocale locale;
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QRegularExpression("\\s*t+"));
    return locale.toString(when.date(), QLocale::ShortFormat) + " " +
           locale.toString(when.time(), timeFormat.trimmed());
}
} // namespace

TRaetselInfoDlg::TRaetselInfoDlg(QWidget* parent)
    : QDialog(parent), image_(std::make_unique<PuzzleImage>()) {
    current = this;
    setObjectName("RaetselInfoDlg");
    setWindowTitle("Rätsel-Eigenschaften");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, FullHeight);

    auto* verlauf = new GradientBar(this, GradientBar::Direction::Horizontal);
    verlauf->setObjectName("Verlauf");
    verlauf->setGeometry(0, 0, 50, 2000);
    auto* symbol = new QWidget(verlauf);
    symbol->setObjectName("GradSymbol");
    symbol->setGeometry(9, 8, 32, 32);
    auto* icon = new QLabel(symbol);
    icon->setObjectName("ImgIcon");
    icon->setPixmap(AppIconPixmap(32));
    icon->setGeometry(0, 0, 32, 32);

    auto* top = new QWidget(this);
    top->setGeometry(60, 8, ClientWidth - 60, 4 * 25);
    Caption(top, "Rätseltyp:", 0);
    Caption(top, "Größe:", 25);
    Caption(top, "Titel:", 50);
    Caption(top, "Sprache:", 75);
    lblType_ = Field(top, "LblType", QRect(FieldLeft, 0, FieldWidth, RowHeight));
    lblSize_ = Field(top, "LblSize", QRect(FieldLeft, 25, FieldWidth, RowHeight));
    lblTitle_ = Field(top, "LblTitle", QRect(FieldLeft, 50, FieldWidth, RowHeight));
    lblLanguage_ = Field(top, "LblLanguage", QRect(FieldLeft, 75, FieldWidth, RowHeight));
    imgLanguage_ = new QLabel(lblLanguage_);
    imgLanguage_->setObjectName("ImgLanguage");
    imgLanguage_->setGeometry(3, 2, 16, 16);

    panelAuthor_ = new QWidget(this);
    panelAuthor_->setObjectName("PanelAuthor");
    panelAuthor_->setGeometry(60, PanelTop, ClientWidth - 60, PanelAuthorHeight);
    lblAuthorDesr_ = Caption(panelAuthor_, QString(), 0);
    lblAuthorDesr_->setObjectName("LblAuthorDesr");
    lblCommentDescr_ = Caption(panelAuthor_, QString(), 25);
    lblCommentDescr_->setObjectName("LblCommentDescr");
    lblAuthor_ = Field(panelAuthor_, "LblAuthor", QRect(FieldLeft, 0, FieldWidth, RowHeight));
    lblComment_ = Field(panelAuthor_, "LblComment", QRect(FieldLeft, 25, FieldWidth, 57));
    lblComment_->setWordWrap(true);

    panelDate_ = new QWidget(this);
    panelDate_->setObjectName("PanelDate");
    panelDate_->setGeometry(60, PanelTop + PanelAuthorHeight, ClientWidth - 60, 120);
    Caption(panelDate_, "Erstellt am:", 0);
    Caption(panelDate_, "Erstellt mit:", 25);
    auto* aids = new QLabel("Hilfe- und\nBearb.-\noptionen:", panelDate_);
    aids->setGeometry(0, 51, LabelWidth, 48);
    aids->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDate_ = Field(panelDate_, "LblDate", QRect(FieldLeft, 0, FieldWidth, RowHeight));
    lblVersion_ = Field(panelDate_, "LblVersion", QRect(FieldLeft, 25, FieldWidth, RowHeight));
    auto box = [&](const char* name, int y) {
        auto* cb = new QCheckBox(panelDate_);
        cb->setObjectName(name);
        cb->setGeometry(FieldLeft, y, FieldWidth, 17);
        return cb;
    };
    cbHelpShowFail_ = box("CBHelpShowFail", 50);
    cbHelpAutoFill_ = box("CBHelpAutoFill", 67);
    cbHelpShowRiddle_ = box("CBHelpShowRiddle", 84);
    cbHelpShowRiddle_->setText("Gelöstes Rätsel anzeigen");
    cbHelpEditRiddle_ = box("CBHelpEditRiddle", 101);
    cbHelpEditRiddle_->setText("Rätsel bearbeiten");
    // Only for display: the panel is disabled, so nothing can be ticked; it
    // still reads like the rest of the dialog rather than greyed out.
    QPalette readable = panelDate_->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                     QPalette::Base, QPalette::Button, QPalette::Window})
        readable.setColor(QPalette::Disabled, role, readable.color(QPalette::Active, role));
    panelDate_->setPalette(readable);
    panelDate_->setEnabled(false);

    btnClose_ = new QPushButton("S&chließen", this);
    btnClose_->setObjectName("BtnClose");
    btnClose_->setToolTip("Änderungen übernehmen und Dialogfenster schließen");
    btnClose_->setStatusTip(btnClose_->toolTip());
    btnClose_->setDefault(true);
    btnClose_->resize(90, 25);
    connect(btnClose_, &QPushButton::clicked, this, &QDialog::accept);
}

TRaetselInfoDlg::~TRaetselInfoDlg() {
    if (current == this) current = nullptr;
}

TRaetselInfoDlg* TRaetselInfoDlg::Current() {
    return current;
}

void TRaetselInfoDlg::Execute(const PuzzleImage& image, QWidget* parent) {
    // The one dialog runs once at a time: a call while it runs must neither
    // run it again nor free it under the running one.
    static bool running = false;
    if (running) return;
    const QScopedValueRollback<bool> once(running, true);
    const QPointer<TRaetselInfoDlg> dlg = current ? current : new TRaetselInfoDlg(parent);
    dlg->SetImage(image);
    RunModal(*dlg);
    // Freed after showing, unless its parent went first.
    delete dlg.data();
}

QLabel* TRaetselInfoDlg::Field(QWidget* parent, const char* name, const QRect& geometry) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAutoFillBackground(true);
    l->setMargin(2);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, palette().color(QPalette::ToolTipBase));
    pal.setColor(QPalette::WindowText, palette().color(QPalette::ToolTipText));
    pal.setColor(QPalette::Disabled, QPalette::Window, palette().color(QPalette::ToolTipBase));
    pal.setColor(QPalette::Disabled, QPalette::WindowText, palette().color(QPalette::ToolTipText));
    l->setPalette(pal);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

void TRaetselInfoDlg::SetImage(const PuzzleImage& image) {
    *image_ = image;
}

QString TRaetselInfoDlg::LevelName(int difficulty) {
    static const char* const names[] = {"Unbestimmt", "Leicht", "Mittel", "Schwer"};
    // A level beyond the table is as good as unknown.
    if (difficulty < 0 || difficulty > 3) difficulty = 0;
    return names[difficulty];
}

QString TRaetselInfoDlg::LanguageName(int language) {
    static const char* const names[] = {"keine", "deutsch", "englisch", "französisch", "spanisch"};
    if (language < 0 || language > 4) return "unbekannt";
    return QString::fromUtf8(names[language]);
}

QString TRaetselInfoDlg::VersionLine(const QString& creatorVersion) {
    const std::string v = creatorVersion.toStdString();
    if (CompareVersionTexts(v, "6.00") < 0) return "Velmar Diruradevuzezid " + creatorVersion;
    return "Velmar Gridwerk " + creatorVersion;
}

void TRaetselInfoDlg::FormShow() {
    const PuzzleImage& im = *image_;
    const int kind = im.PuzzleKind;
    const bool sudoku = IsSudokuKind(kind);

    QString type = FromImage(KindName(kind));
    if (sudoku)
        type += " (" + LevelName(im.Difficulty) + ")";
    else if (HasSolutionWord(kind))
        type += " mit Lösungswort";
    lblType_->setText(type);

    lblSize_->setText(QString("%1 x %2 Felder").arg(im.ColumnCount).arg(im.RowCount));

    if (im.PuzzleLanguage != 0) {
        const QPixmap flag = LanguageFlag(im.PuzzleLanguage);
        imgLanguage_->setPixmap(flag);
        imgLanguage_->setVisible(!flag.isNull());
        // The blanks keep the text clear of the flag.
        lblLanguage_->setText(QString(6, ' ') + LanguageName(im.PuzzleLanguage));
    } else {
        imgLanguage_->hide();
        lblLanguage_->setText("keine");
    }

    const bool withAuthor = !sudoku || IsTimedKind(kind);
    panelAuthor_->setVisible(withAuthor);
    const int height = withAuthor ? FullHeight : FullHeight - PanelAuthorHeight;
    panelDate_->move(60, withAuthor ? PanelTop + PanelAuthorHeight : PanelTop);
    setFixedSize(ClientWidth, height);
    btnClose_->move((ClientWidth - btnClose_->width()) / 2 + 25, height - btnClose_->height() - 6);

    lblAuthor_->setText(FromImage(im.BestTimeHolder.view()));
    lblTitle_->setText(FromImage(im.PuzzleTitle.view()));

    if (sudoku) {
        lblAuthorDesr_->setText("Bester:");
        lblCommentDescr_->setText("Lösungszeit:");
        lblComment_->resize(lblComment_->width(), 21);
        lblComment_->setText(im.BestSeconds != 0
                                 ? QString::fromStdString(FormatSolveTime(im.BestSeconds, true))
                                 : QString());
        cbHelpShowFail_->setText("Falsche Symbole markieren");
        cbHelpAutoFill_->setText("Korrektes Symbol einfügen");
    } else {
        lblAuthorDesr_->setText("Autor:");
        lblCommentDescr_->setText("Kommentar");
        lblComment_->resize(lblComment_->width(), 57);
        lblComment_->setText(FromImage(im.PuzzleComment.view()));
        lblComment_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        cbHelpShowFail_->setText("Falsche Buchstaben markieren");
        cbHelpAutoFill_->setText("Korrekten Buchstaben einfügen");
    }
    if (sudoku) lblComment_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    cbHelpShowFail_->setChecked(im.AllowedAids & AidFlag::MarkWrong);
    cbHelpAutoFill_->setChecked(im.AllowedAids & AidFlag::InsertLetter);
    cbHelpShowRiddle_->setChecked(im.AllowedAids & AidFlag::ShowSolution);
    cbHelpEditRiddle_->setChecked(im.AllowedAids & AidFlag::EditPuzzle);
    cbHelpEditRiddle_->setVisible(!IsSudokuKind(kind));

    lblDate_->setText(ExecutableDate());
    lblVersion_->setText(VersionLine(FromImage(im.CreatorVersion.view())));
}

void TRaetselInfoDlg::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}
