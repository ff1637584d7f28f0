#include "PrintLayout.h"

#include "Cp1252.h"
#include "KindTraits.h"
#include "PuzzleImage.h"

#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>

#include <algorithm>
#include <cmath>

namespace {
QString Utf(std::string_view cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

QFont TitleFont() {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(50);
    f.setBold(true);
    f.setUnderline(true);
    return f;
}

// Areas never shrink below one unit: a puzzle too large for the margins
// still prints, only small.
int AtLeastOne(int v) {
    return std::max(1, v);
}

QRect GridRect(int left, int top, QSize size) {
    return {left, top, size.width(), size.height()};
}

// The part of a clue list still to print and the column layout it keeps
// from page to page.
struct LegendRun {
    bool Tall = false;
    int MaxWidth = 0;
    int BandWidth = 0;
    LegendCursor At;
};

constexpr int BandGap = 30; // between legend bands side by side

// Fills the region with bands of the legend side by side, the first one
// always holding something; false when nothing more could be printed.
bool LegendBands(QPainter& p, const QRect& region, PrintParts& parts, LegendRun& run) {
    int x = region.left();
    const int right = region.left() + region.width();
    bool printed = false;
    for (bool first = true; !run.At.Done; first = false) {
        if (!first && x + run.BandWidth > right) break;
        const LegendPiece piece =
            parts.PrintLegend(p, QRect(x, region.top(), run.BandWidth, region.height()), run.Tall,
                              run.MaxWidth, run.At, first);
        if (piece.Size.isEmpty()) break;
        printed = true;
        run.At = piece.Next;
        x += run.BandWidth + BandGap;
    }
    return printed;
}

// Further pages for the rest of the legend, each with the title again.
void ContinueLegend(PrintJobTarget& target, const PuzzleImage& im, const PrintSettings& ps,
                    PrintParts& parts, LegendRun& run, const std::function<void()>& pump) {
    const int Lm = ps.MarginLeftRight, Tm = ps.MarginTopBottom;
    while (!run.At.Done) {
        if (!target.NewPage()) return;
        if (pump) pump();
        QPainter& p = target.Painter();
        const PageExtent page = SetupPrintMapping(p, target.Device());
        const int Th = PrintTitle(p, im, Lm, Tm);
        SetLegendFont(p, ps.LegendFontHeight);
        const QRect region(Lm, Tm + Th, page.W - 2 * Lm, page.H - 2 * Tm - Th);
        if (!LegendBands(p, region, parts, run)) return;
    }
}

// The clue list in `area`: whole when it fits, else what fits, then the rest
// on further pages.
void PlaceLegend(PrintJobTarget& target, const PuzzleImage& im, const PrintSettings& ps,
                 PrintParts& parts, LegendRun& run, const QRect& area, QSize legend,
                 const std::function<void()>& pump) {
    QPainter& p = target.Painter();
    if (legend.height() <= area.height()) {
        run.At =
            parts.PrintLegend(p, QRect(area.topLeft(), legend), run.Tall, run.MaxWidth, {}, true)
                .Next;
    } else {
        run.At = parts.PrintLegend(p, area, run.Tall, run.MaxWidth, {}, false).Next;
    }
    ContinueLegend(target, im, ps, parts, run, pump);
}

void CaseA(PrintJobTarget& target, const PuzzleImage& im, const PrintSettings& ps,
           PrintParts& parts, const std::function<void()>& pump) {
    QPainter& p = target.Painter();
    const PageExtent page = SetupPrintMapping(p, target.Device());
    const int W = page.W, H = page.H;
    const int Lm = ps.MarginLeftRight, Tm = ps.MarginTopBottom;
    const int R = im.RowCount, C = std::max<int>(1, im.ColumnCount);
    const int K = im.PuzzleKind;
    const bool number = IsNumberKind(K);
    const double ratio = double(R) / C;
    const int Th = PrintTitle(p, im, Lm, Tm);
    const int gridTop = Tm + Th + 30;
    constexpr int Unlimited = 1 << 28;

    LegendRun run;
    run.Tall = ps.LegendRight;
    // Beside the grid the legend leaves the grid a third of the width; below
    // it, it may take the whole width.
    const int usable = W - 2 * Lm - 30;
    run.MaxWidth = ps.LegendRight ? std::max(1, usable - usable / 3) : std::max(1, W - 2 * Lm);
    const QSize room(run.MaxWidth, Unlimited);

    QSize fitted;
    bool overflowBelow = false;
    if (ps.LegendRight) {
        int aw = 0;
        if (number) {
            int cell = (W - 2 * Lm - 30) / (C + 4);
            const int gh = HasSolutionWord(K) ? H - 2 * Tm : H - 2 * Tm - 2 * cell;
            const int rowsNeeded = std::max(R, parts.NumberLegendRows() + 2);
            // The code table beside the grid takes the grid's cell size: when
            // its rows do not fit the page at this size, the cells shrink
            // until they do (the whole height as width would still let the
            // table run off the page).
            if (cell * rowsNeeded > gh) cell = std::max(1, gh / rowsNeeded);
            aw = C * cell;
        } else {
            SetLegendFont(p, ps.LegendFontHeight);
            const QSize legend = parts.MeasureLegend(p, 0, true, room);
            aw = W - 2 * Lm - legend.width() - 30;
        }
        fitted = FitAspect(AtLeastOne(aw), AtLeastOne(H - Th - 30 - 2 * Tm), ratio, false);
    } else {
        int ah = 0;
        if (number) {
            // The rows of the grid and of the table under it share the height;
            // the table's 13 columns must fit the width as well.
            int cell = (H - 2 * Tm - 30 - 2 * Th) / (HasSolutionWord(K) ? R + 6 : R + 4);
            cell = std::min(cell, (W - 2 * Lm) / (parts.NumberLegendRows() + 1));
            ah = R * cell;
        } else {
            SetLegendFont(p, ps.LegendFontHeight);
            const QSize legend = parts.MeasureLegend(p, 0, false, room);
            ah = H - 2 * Tm - legend.height() - Th - 60;
            // A long legend leaves the grid a third of the height and goes on
            // under it and on further pages.
            const int third = (H - 2 * Tm) / 3;
            if (ah < third) {
                ah = third;
                overflowBelow = true;
            }
        }
        fitted = FitAspect(AtLeastOne(W - 2 * Lm), AtLeastOne(ah), ratio, true);
    }
    const int cellUsed = parts.PrintGrid(p, GridRect(Lm, gridTop, fitted));

    SetLegendFont(p, ps.LegendFontHeight);
    if (ps.LegendRight) {
        // Level with the title, unless the title reaches under the legend:
        // then the legend starts with the grid.
        QSize legend = parts.MeasureLegend(p, cellUsed, true, QSize(room.width(), H - 2 * Tm));
        if (legend.isEmpty()) return;
        int top = Tm;
        if (Lm + PrintTitleWidth(im) > W - Lm - legend.width()) {
            top = gridTop;
            if (number)
                legend = parts.MeasureLegend(p, cellUsed, true, QSize(room.width(), H - Tm - top));
        }
        run.BandWidth = legend.width();
        PlaceLegend(target, im, ps, parts, run,
                    QRect(W - Lm - legend.width(), top, legend.width(), H - Tm - top), legend,
                    pump);
        return;
    }
    // Below the grid: resting on the bottom margin, never over the grid.
    const int free = H - Tm - (gridTop + fitted.height() + 30);
    const QSize legend = parts.MeasureLegend(
        p, cellUsed, false, QSize(room.width(), number ? std::max(1, free) : Unlimited));
    if (legend.isEmpty()) return;
    run.Tall = false;
    run.BandWidth = legend.width();
    if (!overflowBelow) {
        PlaceLegend(target, im, ps, parts, run,
                    QRect(Lm, H - Tm - legend.height(), legend.width(), legend.height()), legend,
                    pump);
        return;
    }
    const int top = H - Tm - std::max(1, free);
    PlaceLegend(target, im, ps, parts, run, QRect(Lm, top, legend.width(), H - Tm - top), legend,
                pump);
}

void CaseB(PrintJobTarget& target, const PuzzleImage& im, const PrintSettings& ps,
           PrintParts& parts, const std::function<void()>& pump) {
    QPainter* p = &target.Painter();
    PageExtent page = SetupPrintMapping(*p, target.Device());
    const int Lm = ps.MarginLeftRight, Tm = ps.MarginTopBottom;
    const int R = im.RowCount, C = std::max<int>(1, im.ColumnCount);
    const int K = im.PuzzleKind;
    int Th = PrintTitle(*p, im, Lm, Tm);
    const int top = Tm + Th + 30;
    // The room below the title ends at the bottom margin: the 3 mm gap under
    // the title counts too, so the grid never reaches into the margin.
    const int roomW = page.W - 2 * Lm;
    const int roomH = page.H - 2 * Tm - Th - 30;
    QRect grid =
        GridRect(Lm, top, FitAspect(AtLeastOne(roomW), AtLeastOne(roomH), double(R) / C, true));
    if (IsSudokuKind(K) && !ps.StretchToPage) {
        const int w2 = ps.GridCellSize * C, h2 = ps.GridCellSize * R;
        if (w2 < roomW && h2 < roomH) grid = QRect(Lm, top, w2, h2);
    }
    const int cellUsed = parts.PrintGrid(*p, grid);
    if (!HasPrintedLegend(K)) return;

    if (!target.NewPage()) return;
    if (pump) pump();
    p = &target.Painter();
    page = SetupPrintMapping(*p, target.Device());
    Th = PrintTitle(*p, im, Lm, Tm);
    SetLegendFont(*p, ps.LegendFontHeight);
    LegendRun run;
    run.Tall = target.Portrait();
    run.MaxWidth = std::max(1, page.W - 2 * Lm);
    // The code table takes the grid's cells, as far as the page holds them.
    const QRect region(Lm, Tm + Th, run.MaxWidth, std::max(1, page.H - 2 * Tm - Th));
    const QSize legend = parts.MeasureLegend(*p, cellUsed, run.Tall, region.size());
    if (legend.isEmpty()) return;
    run.BandWidth = legend.width();
    if (legend.height() <= region.height()) {
        parts.PrintLegend(*p, QRect(region.topLeft(), legend), run.Tall, run.MaxWidth, {}, true);
        return;
    }
    LegendBands(*p, region, parts, run);
    ContinueLegend(target, im, ps, parts, run, pump);
}

void Pages(PrintJobTarget& target, const PuzzleImage& image, const PrintSettings& print,
           PrintParts& parts, const std::function<void()>& pump) {
    const int K = image.PuzzleKind;
    if (print.OnePage && HasPrintedLegend(K))
        CaseA(target, image, print, parts, pump);
    else
        CaseB(target, image, print, parts, pump);
}
} // namespace

PageExtent SetupPrintMapping(QPainter& painter, const QPaintDevice& device) {
    PageExtent page{device.widthMM() * 10, device.heightMM() * 10};
    // The viewport covers exactly W x H tenths of a millimetre of the device,
    // so that one unit is 0.1 mm in both directions.
    const int vw = static_cast<int>(std::lround(page.W * device.logicalDpiX() / 254.0));
    const int vh = static_cast<int>(std::lround(page.H * device.logicalDpiY() / 254.0));
    painter.resetTransform();
    painter.setViewport(0, 0, vw, vh);
    painter.setWindow(0, 0, page.W, page.H);
    return page;
}

QString PrintTitleText(const PuzzleImage& image) {
    const int kind = image.PuzzleKind;
    QString text;
    if (!image.PuzzleTitle.empty()) {
        text = Utf(image.PuzzleTitle.view());
    } else {
        text = Utf(KindName(kind));
        if (HasSolutionWord(kind)) text += QStringLiteral(" mit Lösungswort");
    }
    static const char* const Levels[] = {"leicht", "mittelschwer", "schwer", "sehr schwer"};
    // A level outside the four names has no text to print.
    if (IsSudokuKind(kind) && image.Difficulty < 4)
        text += QStringLiteral(" (%1)").arg(QString::fromUtf8(Levels[image.Difficulty]));
    return text;
}

int PrintTitleWidth(const PuzzleImage& image) {
    return QFontMetrics(TitleFont()).horizontalAdvance(PrintTitleText(image));
}

int PrintTitle(QPainter& painter, const PuzzleImage& image, int left, int top) {
    const QFont font = TitleFont();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const Qt::BGMode mode = painter.backgroundMode();
    painter.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics fm(font);
    painter.drawText(QPoint(left, top + fm.ascent()), PrintTitleText(image));
    painter.setBackgroundMode(mode);
    painter.setBrush(Qt::SolidPattern);
    return fm.height();
}

void SetLegendFont(QPainter& painter, int height) {
    QFont f = painter.font();
    f.setBold(false);
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    f.setPixelSize(std::max(1, height));
    painter.setFont(f);
}

int NearestEven(double x) {
    return static_cast<int>(std::nearbyint(x)); // the default rounding mode rounds halves to even
}

QSize FitAspect(int aw, int ah, double ratio, bool widthFirst) {
    if (!(ratio > 0)) return {aw, ah};
    int w = 0, h = 0;
    if (widthFirst) {
        w = aw;
        h = NearestEven(ratio * aw);
        if (h > ah) {
            h = ah;
            w = NearestEven(ah / ratio);
        }
    } else {
        h = ah;
        w = NearestEven(ah / ratio);
        if (w > aw) {
            w = aw;
            h = NearestEven(ratio * aw);
        }
    }
    return {w, h};
}

int PrintCopies(PrintJobTarget& target, const PuzzleImage& image, const PrintSettings& print,
                PrintParts& parts, const std::function<void()>& pump) {
    int done = 0;
    for (int copy = 0; copy < print.Copies; ++copy) {
        if (!target.BeginJob()) break;
        Pages(target, image, print, parts, pump);
        if (!target.EndJob()) break;
        ++done;
        if (pump) pump();
    }
    return done;
}

PagedDeviceJobs::PagedDeviceJobs(QPagedPaintDevice& device, bool oneDocument)
    : device_(device), oneDocument_(oneDocument), painter_(std::make_unique<QPainter>()) {}

PagedDeviceJobs::~PagedDeviceJobs() {
    Finish();
}

bool PagedDeviceJobs::BeginJob() {
    if (open_) {
        // A further copy in the same document starts on a page of its own.
        if (!oneDocument_) return false;
        return device_.newPage();
    }
    open_ = painter_->begin(&device_);
    return open_;
}

const QPaintDevice& PagedDeviceJobs::Device() const {
    return device_;
}

bool PagedDeviceJobs::NewPage() {
    return device_.newPage();
}

bool PagedDeviceJobs::EndJob() {
    if (oneDocument_) return open_;
    return Finish();
}

bool PagedDeviceJobs::Finish() {
    if (!open_) return true;
    open_ = false;
    return painter_->end();
}

bool PagedDeviceJobs::Portrait() const {
    return device_.pageLayout().orientation() == QPageLayout::Portrait;
}

QPageLayout PdfPageLayout(bool portrait) {
    return QPageLayout(QPageSize(QPageSize::A4),
                       portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
                       QMarginsF(0, 0, 0, 0));
}
