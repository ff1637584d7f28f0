// The print command of the frame: the settings dialog, the printer or PDF
// file, the progress window and the jobs themselves.
#pragma once

#include "Settings.h"

#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class QPrinter;
class TPrintMsgDlg;
class BoardHost;
class TRaetselForm;

// The print settings onto the printer: orientation, colour or grey (lines
// only print grey), and the document's name; the paper size chosen in the
// printer's set-up stays.
void ConfigurePrinter(QPrinter& printer, const PrintSettings& settings, const QString& title);

class PuzzlePrinter {
public:
    // The last entry of the printer list: a PDF file instead of a printer.
    static const QString PdfEntry;

    // `board` is the open board, or null.
    PuzzlePrinter(BoardHost& host, std::function<TRaetselForm*()> board);
    ~PuzzlePrinter();

    // The names for the printer list: the installed printers in the system's
    // order, then "PDF-Datei".
    static QStringList PrinterNames();
    // The print command: dialog, then the copies. Returns the jobs printed.
    int MItemRaeDruckenClick();

    // The printer of that list index becomes the one printed on; choosing the
    // one already chosen keeps its set-up (paper size, orientation).
    void SelectPrinter(int index);
    // The printer printed on, once the print command has made it.
    QPrinter* Printer() const { return printer_.get(); }
    bool PdfChosen() const { return pdfChosen_; }
    bool Printing() const { return printing_; }
    TPrintMsgDlg* ProgressWindow() const;

private:
    // The file to print into, asked with a save dialog; empty when cancelled.
    QString AskPdfFile() const;
    void ShowProgress();
    // The printer's set-up dialog; true when it was confirmed.
    bool SetupPrinter();

    BoardHost& host_;
    std::function<TRaetselForm*()> board_;
    QStringList names_;
    std::unique_ptr<QPrinter> printer_;
    QString chosen_; // the printer SelectPrinter set up last
    bool pdfChosen_ = false;
    bool printing_ = false;
    bool busy_ = false; // from the settings dialog to the end of the jobs
    QPointer<TPrintMsgDlg> progress_;
};
