// The pages of a printout: the title, the grid and the legend on one or two
// pages, in tenths of a millimetre with y growing downwards. The player's
// printers and the tool's PDF output go through the same code.
#pragma once

#include "LegendPrint.h"
#include "Settings.h"

#include <QPageLayout>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPaintDevice;
struct PuzzleImage;

// The printable area in page units (0.1 mm).
struct PageExtent {
    int W = 0;
    int H = 0;
};

// Maps the painter to 0.1 mm per unit with the origin at the top-left corner
// of the device's printable area; runs again on every new page.
PageExtent SetupPrintMapping(QPainter& painter, const QPaintDevice& device);

// The title text: the puzzle's title, or the kind name (with " mit Lösungswort"),
// then the Sudoku level in parentheses.
QString PrintTitleText(const PuzzleImage& image);
// Draws the title at (left, top) and returns its text height in page units.
int PrintTitle(QPainter& painter, const PuzzleImage& image, int left, int top);
// The title's width in page units.
int PrintTitleWidth(const PuzzleImage& image);
// The legend's font: the painter's face without any style, `height` units high.
void SetLegendFont(QPainter& painter, int height);

// The nearest integer, a half going to the even neighbour.
int NearestEven(double x);
// The largest rectangle with height/width = ratio inside aw x ah.
QSize FitAspect(int aw, int ah, double ratio, bool widthFirst);

// What the pages are made of: the grid and the legend drawing.
class PrintParts {
public:
    virtual ~PrintParts() = default;
    // Draws the grid into the area and returns the cell size used.
    virtual int PrintGrid(QPainter& painter, const QRect& area) = 0;
    // The legend's printed size in the painter's current font (tall: the lists
    // or the code table one above the other); an empty size when there is none.
    // Clue lists keep within the width of `room` (their text columns wrap);
    // the code table takes cells of `cellUsed` (0: the board's), smaller where
    // it would not fit into `room`.
    virtual QSize MeasureLegend(QPainter& painter, int cellUsed, bool tall, QSize room) = 0;
    // Prints the legend from `from` into the area, as much of it as the
    // area's height holds (the code table always whole, sized from the area),
    // in the columns `maxWidth` gives as MeasureLegend's room did; with
    // `force` at least one entry. Returns where it stopped and what it took.
    virtual LegendPiece PrintLegend(QPainter& painter, const QRect& area, bool tall, int maxWidth,
                                    const LegendCursor& from, bool force) = 0;
    // The rows of the number legend's code table in its tall layout.
    virtual int NumberLegendRows() const { return 13; }
};

// Where the jobs go: a printer, a PDF file, or a test's recorder.
class PrintJobTarget {
public:
    virtual ~PrintJobTarget() = default;
    // Starts a job (opens the painter); false when the device refuses.
    virtual bool BeginJob() = 0;
    virtual QPainter& Painter() = 0;
    virtual const QPaintDevice& Device() const = 0;
    virtual bool NewPage() = 0;
    // Ends the job; false when the output could not be finished.
    virtual bool EndJob() = 0;
    virtual bool Portrait() const = 0;
};

// `Copies` jobs, each begun and ended on its own; `pump` runs after every page
// so that the windows stay responsive. Returns the number of finished jobs.
int PrintCopies(PrintJobTarget& target, const PuzzleImage& image, const PrintSettings& print,
                PrintParts& parts, const std::function<void()>& pump = {});

// Jobs on a printer or a PDF writer. With `oneDocument` (a file as output),
// later copies continue the same document on new pages instead of writing
// the file over.
class PagedDeviceJobs : public PrintJobTarget {
public:
    PagedDeviceJobs(QPagedPaintDevice& device, bool oneDocument);
    ~PagedDeviceJobs() override;

    bool BeginJob() override;
    QPainter& Painter() override { return *painter_; }
    const QPaintDevice& Device() const override;
    bool NewPage() override;
    bool EndJob() override;
    bool Portrait() const override;
    // Ends the document of a one-document output.
    bool Finish();

private:
    QPagedPaintDevice& device_;
    bool oneDocument_;
    std::unique_ptr<QPainter> painter_;
    bool open_ = false;
};

// A4 with the orientation, the whole sheet as printable area (the margins of
// the print settings are the only ones).
QPageLayout PdfPageLayout(bool portrait);
