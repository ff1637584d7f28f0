// render: the board's grid as the player shows it right after loading, as PNG.
#include "Commands.h"

#include "CellPainter.h"
#include "Container.h"
#include "LoadInput.h"
#include "Loading.h"
#include "Queries.h"
#include "StringGrid.h"
#include "Sudoku.h"
#include "SudokuAids.h"
#include "SystemPalette.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

namespace {
struct RenderOptions {
    std::string Input;
    std::string Output;
    bool Solution = false;
    int Scale = 1;
};

int Usage() {
    std::fputs("usage: zoruvidedid-tool render FILE -o OUT.png [--solution] [--scale N]\n", stderr);
    return 2;
}

bool ParseArgs(const Args& args, RenderOptions& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" && i + 1 < args.size()) {
            o.Output = args[++i];
        } else if (a == "--solution") {
            o.Solution = true;
        } else if (a == "--scale" && i + 1 < args.size()) {
            char* end = nullptr;
            const long n = std::strtol(args[++i].c_str(), &end, 10);
            if (*end != '\0' || n < 1 || n > 8) return false;
            o.Scale = static_cast<int>(n);
        } else if (o.Input.empty() && !a.empty() && a[0] != '-') {
            o.Input = a;
        } else {
            return false;
        }
    }
    return !o.Input.empty() && !o.Output.empty();
}

// The grid as the board paints it: same layout, same painter, no input position.
QImage RenderGrid(LoadedInput& l, const RenderOptions& o) {
    PuzzleImage& im = l.P->Image;
    CandidateTable candidates{};
    CellPaintContext ctx;
    ctx.Image = &im;
    ctx.Config = &l.S;
    ctx.ShowSolution = o.Solution;
    if (IsSudokuKind(im.PuzzleKind)) {
        ctx.BoxWidth = SudokuBoxWidth(im);
        ctx.BoxHeight = SudokuBoxHeight(im);
        FillCandidates(im, candidates);
        ApplyFieldMarking(im, 0);
    }
    ctx.Candidates = &candidates;
    GridLayout layout;
    ApplyBoardLayout(layout, im, l.S);
    ctx.Grid = GeometryOf(layout);
    QImage picture;
    if (im.ImageFlags & ImageFlag::HasPicture) {
        const ::CellRect area = PictureArea(im);
        ctx.PictureFirstCol = area.Left;
        ctx.PictureFirstRow = area.Top;
        ctx.PictureLastCol = area.Right;
        ctx.PictureLastRow = area.Bottom;
        ctx.PictureStep =
            QSize(ctx.Grid.ColWidth + ctx.Grid.LineWidth, ctx.Grid.RowHeight + ctx.Grid.LineWidth);
        const QSize box((area.Right - area.Left + 1) * ctx.PictureStep.width(),
                        (area.Bottom - area.Top + 1) * ctx.PictureStep.height());
        picture = ScaleBoardPicture(l.Picture, im.ImageFlags, box, o.Scale);
    }
    ctx.Picture = &picture;

    const QSize size = layout.TotalSize();
    QImage image(size * o.Scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(o.Scale);
    // 96 dpi, the screen's logical resolution the point sizes are meant for.
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QPainter p(&image);
    layout.Paint(p, size, QRect(QPoint(0, 0), size), {},
                 [&](QPainter& painter, int c, int r, const QRect& rect, GridLayout::CellState) {
                     PaintCell(painter, ctx, c, r, rect);
                 });
    return image;
}
} // namespace

int RenderCommand(const Args& args) {
    RenderOptions o;
    if (!ParseArgs(args, o)) return Usage();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zoruvidedid-tool";
    static char* argv[] = {name, nullptr};
    // A widgets application, so that the palette is the player's.
    QApplication app(argc, argv);

    LoadedInput l = LoadInput(o.Input, SystemColoursFromPalette());
    if (l.Result != LoadResult::Loaded) {
        const std::string message =
            l.Error.empty() ? LoadFailureMessage(l.Result, o.Input) : l.Error;
        std::fprintf(stderr, "render: %s\n", message.c_str());
        return 1;
    }
    const QImage image = RenderGrid(l, o);
    if (!image.save(QString::fromStdString(o.Output), "PNG")) {
        std::fprintf(stderr, "render: cannot write %s\n", o.Output.c_str());
        return 1;
    }
    return 0;
}
