#include "InfoDialog.h"

#include "Container.h"
#include "Glyphs.h"
#include "GradientBar.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QUrl>

namespace {
QLabel* Text(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    return l;
}
} // namespace

TInfoDlg::TInfoDlg(const QString& creatorVersion, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      creatorVersion_(creatorVersion) {
    setObjectName("InfoDlg");
    setWindowTitle("Info");
    setFixedSize(321, 206);

    auto* verlauf1 = new GradientBar(this, GradientBar::Direction::Horizontal);
    verlauf1->setObjectName("Verlauf1");
    verlauf1->setGeometry(0, 0, 50, 206);
    auto* bevel1 = new QFrame(verlauf1);
    bevel1->setObjectName("Bevel1");
    bevel1->setFrameShape(QFrame::Panel);
    bevel1->setFrameShadow(QFrame::Sunken);
    bevel1->setGeometry(7, 7, 36, 36);
    imgAppLogo_ = new QLabel(bevel1);
    imgAppLogo_->setObjectName("ImgAppLogo");
    imgAppLogo_->setGeometry(2, 2, 32, 32);

    auto* label3 =
        Text(this, "Dieses ausführbare Rätsel wurde erstellt mit dem:", QRect(58, 4, 258, 30));
    label3->setObjectName("Label3");
    label3->setWordWrap(true);

    auto* appName = Text(this, "Gridwerk", QRect(58, 32, 258, 40));
    appName->setObjectName("LblAppName");
    QFont serif("Times New Roman");
    serif.setPixelSize(35);
    serif.setBold(true);
    serif.setItalic(true);
    appName->setFont(serif);
    QPalette navy = appName->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    appName->setPalette(navy);

    lblVersion_ = Text(this, QString(), QRect(60, 73, 250, 18));
    lblVersion_->setObjectName("LblVersion");
    QFont arial("Arial");
    arial.setPixelSize(13);
    arial.setBold(true);
    lblVersion_->setFont(arial);

    lblCopyr_ = Text(this, QString(), QRect(60, 91, 250, 16));
    lblCopyr_->setObjectName("LblCopyr");

    panelURL_ = new QFrame(this);
    panelURL_->setObjectName("PanelURL");
    panelURL_->setFrameShape(QFrame::Panel);
    panelURL_->setFrameShadow(QFrame::Sunken);
    panelURL_->setGeometry(58, 111, 256, 50);
    panelURL_->setEnabled(false);
    auto* verlauf2 = new GradientBar(panelURL_, GradientBar::Direction::Diagonal);
    verlauf2->setObjectName("Verlauf2");
    verlauf2->setGeometry(2, 2, 252, 46);
    Text(verlauf2, "Internet :", QRect(6, 6, 58, 16));
    Text(verlauf2, "e-Mail :", QRect(6, 25, 58, 16));
    lblURL_ = Text(verlauf2, QString(), QRect(64, 6, 186, 16));
    lblURL_->setObjectName("LblURL");
    lbleMail_ = Text(verlauf2, QString(), QRect(64, 25, 186, 16));
    lbleMail_->setObjectName("LbleMail");
    for (QLabel* link : {lblURL_, lbleMail_}) {
        link->setTextFormat(Qt::RichText);
        link->setTextInteractionFlags(Qt::TextBrowserInteraction);
        link->setOpenExternalLinks(true);
    }

    imgVelmarLogo_ = new QLabel(this);
    imgVelmarLogo_->setObjectName("ImgVelmarLogo");
    imgVelmarLogo_->setGeometry(60, 172, 44, 24);
    imgVelmarLogo_->setCursor(Qt::PointingHandCursor);
    imgVelmarLogo_->installEventFilter(this);

    sbClose_ = new QPushButton("S&chließen", this);
    sbClose_->setObjectName("SBClose");
    sbClose_->setToolTip("Die Info-Box schließen");
    sbClose_->setStatusTip(sbClose_->toolTip());
    sbClose_->setGeometry(224, 170, 90, 27);
    sbClose_->setFlat(true);
    connect(sbClose_, &QPushButton::clicked, this, &QDialog::accept);
}

QString TInfoDlg::MakerLine(int year) {
    return QString(MakerText) + " " + QString::number(year);
}

void TInfoDlg::FormShow() {
    lblVersion_->setText(creatorVersion_.isEmpty() ? QString() : "Version " + creatorVersion_);
    const QString mail = MailAddress;
    lbleMail_->setText(QString("<a href=\"mailto:%1\">%1</a>").arg(mail));
    lbleMail_->setToolTip("Eine e-Mail an Velmar schreiben");
    imgAppLogo_->setPixmap(AppIconPixmap(32));
    const QFileInfo exe(QString::fromStdString(OwnExecutablePath()));
    lblCopyr_->setText(MakerLine(exe.lastModified().date().year()));
    imgVelmarLogo_->setPixmap(MakerLogo());
    imgVelmarLogo_->setToolTip("Velmar");
    const QString web = WebAddress;
    lblURL_->setText(QString("<a href=\"%1\">%2</a>").arg(web, QString(web).remove("https://")));
    lblURL_->setToolTip("Homepage der Firma Velmar aufrufen");
    panelURL_->setEnabled(true);
}

void TInfoDlg::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TInfoDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        sbClose_->isVisible()) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TInfoDlg::paintEvent(QPaintEvent*) {
    // The background: a soft wash from white to the light button face, with a frame
    // since the box has no title bar.
    QPainter p(this);
    QLinearGradient g(0, 0, width(), height());
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, palette().color(QPalette::Button));
    p.fillRect(rect(), g);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool TInfoDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == imgVelmarLogo_ && event->type() == QEvent::MouseButtonRelease) {
        QDesktopServices::openUrl(QUrl(WebAddress));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
