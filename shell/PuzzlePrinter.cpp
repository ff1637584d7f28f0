#include "PuzzlePrinter.h"

#include "BoardHost.h"
#include "Cp1252.h"
#include "DruckDialog.h"
#include "DruckMessageDialog.h"
#include "FileWrite.h"
#include "ModalRunner.h"
#include "PrintLayout.h"
#include "PuzzleGame.h"
#include "PuzzlePrint.h"
#include "RaetselFormular.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopedValueRollback>
#include <QStandardPaths>

const QString PuzzlePrinter::PdfEntry = QStringLiteral("PDF-Datei");

namespace {
// A file name from the title: characters that file systems refuse become "_".
QString FileNameFor(const QString& title) {
    QString name;
    for (const QChar c : title) {
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32)
            name += QLatin1Char('_');
        else
            name += c;
    }
    name = name.trimmed();
    if (name.isEmpty()) name = QStringLiteral("Rätsel");
    return name + QStringLiteral(".pdf");
}
} // namespace

PuzzlePrinter::PuzzlePrinter(BoardHost& host, std::function<TRaetselForm*()> board)
    : host_(host), board_(std::move(board)) {}

PuzzlePrinter::~PuzzlePrinter() {
    if (progress_) progress_->close();
}

QStringList PuzzlePrinter::PrinterNames() {
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.removeAll(PdfEntry);
    names << PdfEntry;
    return names;
}

void ConfigurePrinter(QPrinter& printer, const PrintSettings& settings, const QString& title) {
    printer.setPageOrientation(settings.Portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
    printer.setColorMode(settings.ColourMode >= 2 ? QPrinter::Color : QPrinter::GrayScale);
    printer.setDocName(title);
    printer.setCreator(QCoreApplication::applicationName());
}

void PuzzlePrinter::SelectPrinter(int index) {
    if (!printer_ || index < 0 || index >= names_.size()) return;
    const bool pdf = names_[index] == PdfEntry && index == names_.size() - 1;
    const QString key = pdf ? QStringLiteral("\n") + PdfEntry : names_[index];
    if (key == chosen_) return;
    chosen_ = key;
    pdfChosen_ = pdf;
    if (pdfChosen_) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setPageLayout(
            PdfPageLayout(printer_->pageLayout().orientation() == QPageLayout::Portrait));
    } else {
        // A file name left from a PDF print would send the job into that file.
        printer_->setOutputFileName(QString());
        printer_->setOutputFormat(QPrinter::NativeFormat);
        printer_->setPrinterName(names_[index]);
    }
}

bool PuzzlePrinter::SetupPrinter() {
    if (!printer_) return false;
    QPageSetupDialog dialog(printer_.get(), host_.DialogParent());
    dialog.setObjectName("PrnSetupDlg");
    return RunModal(dialog) == QDialog::Accepted;
}

QString PuzzlePrinter::AskPdfFile() const {
    const QString title = PrintTitleText(host_.Session().image());
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty() || !QDir(dir).exists()) dir = QDir::homePath();
    QFileDialog dialog(host_.DialogParent(), QStringLiteral("Ausdruck als PDF-Datei speichern"),
                       dir, QStringLiteral("PDF-Dateien (*.pdf)"));
    dialog.setObjectName("PdfFileDlg");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Saving only: the dialog must not delete or rename what it lists.
    dialog.setOption(QFileDialog::ReadOnly);
    dialog.selectFile(FileNameFor(title));
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void PuzzlePrinter::ShowProgress() {
    if (!progress_)
        progress_ = new TPrintMsgDlg([this] { return printing_; }, host_.DialogParent());
    const int kind = host_.Session().image().PuzzleKind;
    const QString text = QString::fromStdString(Cp1252ToUtf8(KindName(kind))) + " drucken";
    progress_->LblMessage()->setText(text.left(33));
    progress_->show();
    progress_->raise();
}

int PuzzlePrinter::MItemRaeDruckenClick() {
    TRaetselForm* board = board_();
    // One print at a time: its dialogs and jobs share the printer.
    if (!board || busy_) return 0;
    const QScopedValueRollback<bool> busy(busy_, true);
    PrintSettings& ps = host_.Session().settings.Print;
    // The printers are asked for only now: start-up stays free of the print system.
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    names_ = PrinterNames();
    {
        TPrintSettingsDlg dialog(host_.Session().image().PuzzleKind, names_, host_.DialogParent());
        QObject::connect(&dialog, &TPrintSettingsDlg::PrinterChosen, &dialog,
                         [this](int index) { SelectPrinter(index); });
        QObject::connect(&dialog, &TPrintSettingsDlg::SetupPrinterRequested, &dialog,
                         [this, &dialog] {
                             // The orientation chosen there is the dialog's too.
                             if (SetupPrinter())
                                 dialog.SetPortrait(printer_->pageLayout().orientation() ==
                                                    QPageLayout::Portrait);
                         });
        dialog.Load(ps);
        if (RunModal(dialog) != QDialog::Accepted) return 0;
        dialog.Store(ps);
    }
    // The printer the stored index names is the one printed on.
    SelectPrinter(std::min<int>(ps.PrinterIndex, static_cast<int>(names_.size()) - 1));
    QString file;
    if (pdfChosen_) {
        file = AskPdfFile();
        if (file.isEmpty()) return 0;
    }
    ShowProgress();
    ConfigurePrinter(*printer_, ps, PrintTitleText(host_.Session().image()));
    // A PDF is made in memory and written whole once complete: the printer's
    // own file output does not see a full disk and would leave half a file.
    QBuffer document;
    std::unique_ptr<QPdfWriter> pdf;
    QPagedPaintDevice* device = printer_.get();
    if (pdfChosen_) {
        document.open(QIODevice::WriteOnly);
        pdf = std::make_unique<QPdfWriter>(&document);
        pdf->setPageLayout(printer_->pageLayout());
        pdf->setResolution(printer_->resolution());
        pdf->setTitle(printer_->docName());
        pdf->setCreator(printer_->creator());
        device = pdf.get();
    }

    PuzzlePrintParts parts(board->PaintContext(), &host_.Game().Picture(), ps);
    printing_ = true;
    const auto pump = [] {
        // The progress window keeps moving; input waits until the job is done.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    pump();
    int done = 0;
    {
        PagedDeviceJobs jobs(*device, pdfChosen_);
        done = PrintCopies(jobs, host_.Session().image(), ps, parts, pump);
        if (!jobs.Finish()) done = 0;
    }
    printing_ = false;
    QString failure = pdfChosen_ ? QStringLiteral("Die PDF-Datei konnte nicht geschrieben werden.")
                                 : QStringLiteral("Der Ausdruck ist fehlgeschlagen.");
    if (pdfChosen_ && done == ps.Copies) {
        std::string reason;
        const QByteArray& bytes = document.data();
        if (!WriteFileWhole(QFile::encodeName(file).toStdString(),
                            {bytes.constData(), static_cast<std::size_t>(bytes.size())}, reason)) {
            done = 0;
            failure = QStringLiteral("Die PDF-Datei konnte nicht geschrieben werden: ") +
                      QString::fromStdString(reason) + QStringLiteral(".");
        }
    }
    if (done < ps.Copies) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Fehler!"), failure, QMessageBox::Ok,
                        host_.DialogParent());
        box.setObjectName("PrintFailedMsg");
        RunModal(box);
    }
    return done;
}

TPrintMsgDlg* PuzzlePrinter::ProgressWindow() const {
    return progress_.data();
}
