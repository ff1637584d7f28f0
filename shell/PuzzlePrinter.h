// The print command of the frame: the settings dialog, the printer or PDF
// file, the progress window and the jobs themselves.
#pragma once

#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class QPrinter;
class TPrintMsgDlg;
class BoardHost;
class TRaetselForm;

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

    // The printer of that list index becomes the one printed on.
    void SelectPrinter(int index);
    bool PdfChosen() const { return pdfChosen_; }
    bool Printing() const { return printing_; }
    TPrintMsgDlg* ProgressWindow() const;

private:
    // The file to print into, asked with a save dialog; empty when cancelled.
    QString AskPdfFile() const;
    void ShowProgress();
    void SetupPrinter();

    BoardHost& host_;
    std::function<TRaetselForm*()> board_;
    QStringList names_;
    std::unique_ptr<QPrinter> printer_;
    bool pdfChosen_ = false;
    bool printing_ = false;
    QPointer<TPrintMsgDlg> progress_;
};
