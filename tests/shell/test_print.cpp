// The print command: its settings dialog, the progress window, and printing
// into a PDF file from the frame.
#include "BoardFixture.h"
#include "DruckDialog.h"
#include "DruckMessageDialog.h"
#include "ModalRunner.h"
#include "PuzzlePrinter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

namespace {
template <class W = QWidget> W* Child(QWidget& w, const char* name) {
    return w.findChild<W*>(QString::fromLatin1(name));
}

// Answers every modal dialog with `answer`, recording their object names.
struct Answers {
    std::function<int(QDialog&)> Answer;
    QStringList Seen;
    ModalRunner previous;
    explicit Answers(std::function<int(QDialog&)> answer) : Answer(std::move(answer)) {
        previous = SetModalRunner([this](QDialog& d) {
            Seen << d.objectName();
            return Answer(d);
        });
    }
    ~Answers() { SetModalRunner(previous); }
};

bool SamePrintSettings(const PrintSettings& a, const PrintSettings& b) {
    return a.StretchToPage == b.StretchToPage && a.GridCellSize == b.GridCellSize &&
           a.Portrait == b.Portrait && a.OnePage == b.OnePage && a.LegendRight == b.LegendRight &&
           a.ColourMode == b.ColourMode && a.MarginLeftRight == b.MarginLeftRight &&
           a.MarginTopBottom == b.MarginTopBottom && a.LegendFontHeight == b.LegendFontHeight &&
           a.PrinterIndex == b.PrinterIndex && a.Copies == b.Copies;
}
} // namespace

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void sudokuShowsScalingInsteadOfLayout() {
        TPrintSettingsDlg dlg(14, {"PDF-Datei"});
        dlg.Load(PrintSettings{});
        dlg.show();
        QVERIFY(!Child(dlg, "GBLayout")->isVisible());
        QVERIFY(Child(dlg, "GBScale")->isVisible());
        QCOMPARE(Child<QGroupBox>(dlg, "GBScale")->title(), QStringLiteral(" Skalierung: "));
        QVERIFY(!Child(dlg, "SELegFontSize")->isVisible());
        QVERIFY(!Child(dlg, "LblLegFontSize1")->isVisible());
        // Fixed size by default; stretching greys out the millimetres.
        QVERIFY(Child(dlg, "SpinGridSize")->isEnabled());
        Child<QCheckBox>(dlg, "RBSizeStretch")->click();
        QVERIFY(!Child(dlg, "SpinGridSize")->isEnabled());
        QVERIFY(!Child(dlg, "LblSize")->isEnabled());
        QVERIFY(!Child<QCheckBox>(dlg, "RBSizeFixed")->isChecked());
        PrintSettings stored;
        dlg.Store(stored);
        QVERIFY(stored.StretchToPage);
    }

    void layoutPreviewsAndLegendPosition() {
        TPrintSettingsDlg dlg(0, {"PDF-Datei"});
        dlg.Load(PrintSettings{});
        dlg.show();
        QVERIFY(Child(dlg, "GBLayout")->isVisible());
        QVERIFY(!Child(dlg, "GBScale")->isVisible());
        QVERIFY(Child(dlg, "SELegFontSize")->isVisible());
        const auto shownPreviews = [&] {
            QStringList shown;
            for (const char* n : {"ImgOnePagePortaitB", "ImgOnePagePortaitR",
                                  "ImgOnePageLandscapeB", "ImgOnePageLandscapeR"})
                if (Child(dlg, n)->isVisible()) shown << n;
            return shown;
        };
        QCOMPARE(shownPreviews(), QStringList{"ImgOnePageLandscapeR"});
        Child<QRadioButton>(dlg, "RBLegendBottom")->click();
        QCOMPARE(shownPreviews(), QStringList{"ImgOnePageLandscapeB"});
        Child<QRadioButton>(dlg, "RBPortrait")->click();
        QCOMPARE(shownPreviews(), QStringList{"ImgOnePagePortaitB"});

        Child<QCheckBox>(dlg, "RBTwoPages")->click();
        QVERIFY(!Child<QCheckBox>(dlg, "RBOnePage")->isChecked());
        QVERIFY(!Child(dlg, "RBLegendRight")->isEnabled());
        QVERIFY(!Child(dlg, "RBLegendBottom")->isEnabled());
        // A click on the one-page sketch chooses one page again.
        QTest::mouseClick(Child(dlg, "ImgOnePagePortaitB"), Qt::LeftButton);
        QVERIFY(Child<QCheckBox>(dlg, "RBOnePage")->isChecked());
        QVERIFY(Child(dlg, "RBLegendRight")->isEnabled());
        QTest::mouseClick(Child(dlg, "ImgTwoPages"), Qt::LeftButton);
        QVERIFY(Child<QCheckBox>(dlg, "RBTwoPages")->isChecked());

        PrintSettings stored;
        dlg.Store(stored);
        QVERIFY(stored.Portrait);
        QVERIFY(!stored.OnePage);
        QVERIFY(!stored.LegendRight);
    }

    void typedValuesAreBroughtIntoRange() {
        TPrintSettingsDlg dlg(0, {"Drucker A", "PDF-Datei"});
        PrintSettings ps;
        ps.PrinterIndex = 1;
        ps.ColourMode = 1;
        dlg.Load(ps);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        auto* margin = Child<RangeSpinBox>(dlg, "SpinLMargin");
        margin->setFocus();
        margin->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(margin, "75");
        QCOMPARE(margin->findChild<QLineEdit*>()->text(), QStringLiteral("75"));
        auto* copies = Child<RangeSpinBox>(dlg, "SENumCopies");
        copies->findChild<QLineEdit*>()->setText("drei");
        auto* font = Child<RangeSpinBox>(dlg, "SELegFontSize");
        font->findChild<QLineEdit*>()->setText("1");
        PrintSettings stored;
        dlg.Store(stored);
        QCOMPARE(stored.MarginLeftRight, 500);
        QCOMPARE(stored.Copies, 1);
        QCOMPARE(stored.LegendFontHeight, 20);
        QCOMPARE(stored.PrinterIndex, 1);
        QCOMPARE(stored.ColourMode, 1);
        QCOMPARE(stored.MarginTopBottom, 200);
    }

    void anUnknownPrinterIndexSelectsTheFirst() {
        TPrintSettingsDlg dlg(0, {"Drucker A", "PDF-Datei"});
        PrintSettings ps;
        ps.PrinterIndex = 7;
        dlg.Load(ps);
        QList<int> chosen;
        connect(&dlg, &TPrintSettingsDlg::PrinterChosen, this, [&](int i) { chosen << i; });
        dlg.show();
        QCOMPARE(Child<QComboBox>(dlg, "ComboDrucker")->currentIndex(), 0);
        QCOMPARE(chosen, QList<int>{0});
    }

    void progressWindowAnimatesAndHidesWhenDone() {
        bool busy = true;
        auto* w = new TPrintMsgDlg([&] { return busy; });
        QCOMPARE(w->windowTitle(),
                 "Velmar " + QApplication::applicationDisplayName() + " - Druckauftrag");
        w->show();
        QVERIFY(w->Timer()->isActive());
        QCOMPARE(w->Timer()->interval(), 500);
        QCOMPARE(w->VisibleFrame(), 0);
        for (int tick = 1; tick <= 40; ++tick) {
            w->TimerTimer();
            QCOMPARE(w->VisibleFrame(), tick % 3);
        }
        // Still printing: the window stays.
        QVERIFY(w->isVisible());
        busy = false;
        w->TimerTimer();
        QVERIFY(!w->isVisible());
        QVERIFY(!w->Timer()->isActive());
        delete w;
    }

    void cancelPrintsNothingAndKeepsTheSettings() {
        auto o = OpenBoard(*SmallCrossword(1), "druck-abbruch.zvr");
        QVERIFY(o->Board);
        UiCommand& print = o->Frame->Commands().Get(CommandId::Print);
        QVERIFY(print.Available());
        QVERIFY(print.Enabled());
        QVERIFY(MenuItem(*o->Frame, "MItemRaeDrucken")->isEnabled());
        QCOMPARE(MenuItem(*o->Frame, "MItemRaeDrucken")->shortcut(), QKeySequence("Ctrl+P"));
        const PrintSettings before = o->Session->settings.Print;
        Answers answers([](QDialog& d) {
            // Change things, then cancel.
            Child<QRadioButton>(d, "RBPortrait")->click();
            Child<RangeSpinBox>(d, "SpinLMargin")->setValue(40);
            return int(QDialog::Rejected);
        });
        print.Trigger();
        QCOMPARE(answers.Seen, QStringList{"PrintSettingsDlg"});
        QVERIFY(SamePrintSettings(o->Session->settings.Print, before));
        QVERIFY(!o->Frame->Printer().ProgressWindow());
    }

    void colourModeTitleAndOrientationReachThePrinter() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setColorMode(QPrinter::GrayScale); // a queue printing grey by default
        // The user's set-up chose A3.
        printer.setPageSize(QPageSize(QPageSize::A3));
        PrintSettings ps;
        ConfigurePrinter(printer, ps, QStringLiteral("Grüße"));
        QCOMPARE(printer.colorMode(), QPrinter::Color);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A3);
        QCOMPARE(printer.docName(), QStringLiteral("Grüße"));
        for (int mode : {0, 1}) {
            ps.ColourMode = mode;
            ps.Portrait = true;
            ConfigurePrinter(printer, ps, {});
            QCOMPARE(printer.colorMode(), QPrinter::GrayScale);
            QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
        }
    }

    void thePaperOfTheSetupSurvivesThePrint() {
        auto o = OpenBoard(*SmallCrossword(1), "druck-a3.zvr");
        QVERIFY(o->Board);
        const QString out = QString::fromStdString(TempDir()) + "/a3.pdf";
        QFile::remove(out);
        bool portraitShown = false;
        Answers answers([&](QDialog& d) {
            if (auto* files = qobject_cast<QFileDialog*>(&d)) {
                files->selectFile(out);
                return int(QDialog::Accepted);
            }
            if (auto* setup = qobject_cast<QPageSetupDialog*>(&d)) {
                setup->printer()->setPageSize(QPageSize(QPageSize::Letter));
                setup->printer()->setPageOrientation(QPageLayout::Portrait);
                return int(QDialog::Accepted);
            }
            // As on showing: the chosen printer is set up first.
            qobject_cast<TPrintSettingsDlg*>(&d)->FormShow();
            auto* combo = Child<QComboBox>(d, "ComboDrucker");
            combo->setCurrentIndex(combo->count() - 1);
            Child<QAbstractButton>(d, "SBSetupPrinter")->click();
            // The set-up's orientation is the dialog's.
            portraitShown = Child<QRadioButton>(d, "RBPortrait")->isChecked();
            return int(QDialog::Accepted);
        });
        QCOMPARE(o->Frame->Printer().MItemRaeDruckenClick(), 1);
        QCOMPARE(answers.Seen, (QStringList{"PrintSettingsDlg", "PrnSetupDlg", "PdfFileDlg"}));
        QVERIFY(portraitShown);
        QVERIFY(o->Session->settings.Print.Portrait);
        const QPrinter* printer = o->Frame->Printer().Printer();
        QCOMPARE(printer->pageLayout().pageSize().id(), QPageSize::Letter);
        QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Portrait);
        QFile pdf(out);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        // Letter, portrait: 612 x 792 points.
        QVERIFY(pdf.readAll().contains("/MediaBox [0 0 612.000000 792.000000]"));
    }

    void printsIntoAPdfFileNamedAfterTheTitle() {
        auto p = SmallCrossword(1);
        p->Image.PuzzleTitle.set("Haus/Garten");
        auto o = OpenBoard(*p, "druck-pdf.zvr");
        QVERIFY(o->Board);
        const QString out = QString::fromStdString(TempDir()) + "/ausdruck.pdf";
        QFile::remove(out);
        QString suggested;
        bool readOnly = false;
        Answers answers([&](QDialog& d) {
            if (auto* files = qobject_cast<QFileDialog*>(&d)) {
                readOnly = files->testOption(QFileDialog::ReadOnly);
                suggested = files->selectedFiles().value(0);
                files->selectFile(out);
                return int(QDialog::Accepted);
            }
            auto* combo = Child<QComboBox>(d, "ComboDrucker");
            combo->setCurrentIndex(combo->count() - 1);
            Child<RangeSpinBox>(d, "SENumCopies")->setValue(2);
            return int(QDialog::Accepted);
        });
        QCOMPARE(o->Frame->Printer().MItemRaeDruckenClick(), 2);
        QCOMPARE(answers.Seen, (QStringList{"PrintSettingsDlg", "PdfFileDlg"}));
        QVERIFY2(suggested.endsWith("Haus_Garten.pdf"), qPrintable(suggested));
        // A save dialog must not delete or rename what it lists.
        QVERIFY(readOnly);
        QVERIFY(o->Frame->Printer().PdfChosen());
        QCOMPARE(o->Session->settings.Print.Copies, 2);
        QFile pdf(out);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        // Both copies in the one file, one page each.
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 2);

        TPrintMsgDlg* progress = o->Frame->Printer().ProgressWindow();
        QVERIFY(progress);
        QVERIFY(progress->isVisible());
        QCOMPARE(progress->LblMessage()->text(), QStringLiteral("Schwedenrätsel drucken"));
        QVERIFY(!o->Frame->Printer().Printing());

        // Cancelling the file dialog prints nothing.
        QFile::remove(out);
        answers.Answer = [](QDialog& d) {
            return int(qobject_cast<QFileDialog*>(&d) ? QDialog::Rejected : QDialog::Accepted);
        };
        QCOMPARE(o->Frame->Printer().MItemRaeDruckenClick(), 0);
        QVERIFY(!QFile::exists(out));

        // A file that cannot be written is a failure the user is told of.
        QString failure;
        answers.Answer = [&](QDialog& d) {
            if (auto* files = qobject_cast<QFileDialog*>(&d))
                files->selectFile(QString::fromStdString(TempDir()) + "/fehlt/ausdruck.pdf");
            if (auto* box = qobject_cast<QMessageBox*>(&d)) failure = box->text();
            return int(QDialog::Accepted);
        };
        QCOMPARE(o->Frame->Printer().MItemRaeDruckenClick(), 0);
        QCOMPARE(failure, QStringLiteral("Die PDF-Datei konnte nicht geschrieben werden: den "
                                         "Ordner gibt es nicht."));
    }
};

QTEST_MAIN(TestPrint)
#include "test_print.moc"
