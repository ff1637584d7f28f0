#include "PuzzlePrinter.h"

#include "BoardHost.h"
#include "Cp1252.h"
#include "DruckDialog.h"
#include "DruckMessageDialog.h"
#include "ModalRunner.h"
#include "PrintLayout.h"
#include "PuzzleGame.h"
#include "PuzzlePrint.h"
#include "RaetselFormular.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
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

void PuzzlePrinter::SelectPrinter(int index) {
    if (!printer_ || index < 0 || index >= names_.size()) return;
    pdfChosen_ = names_[index] == PdfEntry && index == names_.size() - 1;
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

void PuzzlePrinter::SetupPrinter() {
    if (!printer_) return;
    QPageSetupDialog dialog(printer_.get(), host_.DialogParent());
    RunModal(dialog);
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
    if (!board) return 0;
    PrintSettings& ps = host_.Session().settings.Print;
    // The printers are asked for only now: start-up stays free of the print system.
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    names_ = PrinterNames();
    {
        TPrintSettingsDlg dialog(host_.Session().image().PuzzleKind, names_, host_.DialogParent());
        QObject::connect(&dialog, &TPrintSettingsDlg::PrinterChosen, &dialog,
                         [this](int index) { SelectPrinter(index); });
        QObject::connect(&dialog, &TPrintSettingsDlg::SetupPrinterRequested, &dialog,
                         [this] { SetupPrinter(); });
        dialog.Load(ps);
        if (RunModal(dialog) != QDialog::Accepted) return 0;
        dialog.Store(ps);
    }
    // The printer the stored index names is the one printed on.
    SelectPrinter(std::min<int>(ps.PrinterIndex, static_cast<int>(names_.size()) - 1));
    if (pdfChosen_) {
        const QString file = AskPdfFile();
        if (file.isEmpty()) return 0;
        printer_->setOutputFileName(file);
    }
    ShowProgress();
    printer_->setPageOrientation(ps.Portrait ? QPageLayout::Portrait : QPageLayout::Landscape);

    PuzzlePrintParts parts(board->PaintContext(), &host_.Game().Picture(), ps);
    printing_ = true;
    const auto pump = [] {
        // The progress window keeps moving; input waits until the job is done.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    pump();
    int done = 0;
    {
        PagedDeviceJobs jobs(*printer_, pdfChosen_);
        done = PrintCopies(jobs, host_.Session().image(), ps, parts, pump);
        if (!jobs.Finish()) done = 0;
    }
    printing_ = false;
    if (done < ps.Copies) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Fehler!"),
                        pdfChosen_
                            ? QStringLiteral("Die PDF-Datei konnte nicht geschrieben werden.")
                            : QStringLiteral("Der Ausdruck ist fehlgeschlagen."),
                        QMessageBox::Ok, host_.DialogParent());
        box.setObjectName("PrintFailedMsg");
        RunModal(box);
    }
    return done;
}

TPrintMsgDlg* PuzzlePrinter::ProgressWindow() const {
    return progress_.data();
}
