// render: the board's grid as the player shows it right after loading, as PNG, JPEG or BMP.
#include "Commands.h"

#include "CellPainter.h"
#include "Container.h"
#include "FileUtil.h"
#include "FileWrite.h"
#include "GridLayout.h"
#include "LoadInput.h"
#include "PuzzlePrint.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {
struct RenderOptions {
    std::string Input;
    std::string Output;
    bool Solution = false;
    int Scale = 1;
};

constexpr const char* UsageText =
    "Aufruf: zoruvidedid-tool render DATEI -o AUSGABE.png|.jpg|.bmp [--solution] [--scale N]\n";

// Empty when the arguments are complete, else what is wrong with them.
std::string ParseArgs(const Args& args, RenderOptions& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "-o" || a == "--scale") {
            if (!hasValue) return a + " braucht einen Wert";
            const std::string& value = args[++i];
            if (a == "-o") {
                o.Output = value;
                continue;
            }
            char* end = nullptr;
            errno = 0;
            const long n = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || errno != 0 || n < 1 || n > 8)
                return "--scale verlangt eine ganze Zahl von 1 bis 8, nicht \"" + value + "\"";
            o.Scale = static_cast<int>(n);
        } else if (a == "--solution") {
            o.Solution = true;
        } else if (!a.empty() && a[0] == '-') {
            return "unbekannte Option \"" + a + "\"";
        } else if (o.Input.empty()) {
            o.Input = a;
        } else {
            return "unerwartetes Argument \"" + a + "\"";
        }
    }
    if (o.Input.empty()) return "keine Rätseldatei angegeben";
    if (o.Output.empty()) return "keine Ausgabedatei angegeben (-o)";
    return {};
}

// The image format the output's extension names; empty for one we do not write.
const char* FormatOf(const std::string& path) {
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    if (suffix == "png") return "PNG";
    if (suffix == "jpg" || suffix == "jpeg") return "JPEG";
    if (suffix == "bmp") return "BMP";
    return nullptr;
}

// The grid as the board paints it: same layout, same painter, no input position.
QImage RenderGrid(LoadedInput& l, const RenderOptions& o) {
    PuzzleImage& im = l.P->Image;
    CandidateTable candidates{};
    ClearFieldMarking(im);
    CellPaintContext ctx = RecordGridContext(im, l.S, candidates);
    ctx.ShowSolution = o.Solution;
    GridLayout layout;
    ApplyBoardLayout(layout, im, l.S);
    const QImage picture = PlaceBoardPicture(ctx, im, l.Picture, o.Scale);
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
    if (const std::string wrong = ParseArgs(args, o); !wrong.empty()) {
        Complain("render", wrong);
        std::fputs(UsageText, stderr);
        return 2;
    }
    const char* format = FormatOf(o.Output);
    if (!format) {
        Complain("render", "\"" + o.Output +
                               "\": geschrieben werden nur PNG (.png), JPEG (.jpg, .jpeg) und BMP "
                               "(.bmp)");
        return 2;
    }
    if (const std::string refused = OutputIsInput(o.Output, {o.Input}); !refused.empty()) {
        Complain("render", refused);
        return 1;
    }
    return WithDrawingInput("render", o.Input, [&](LoadedInput& l) {
        // Encoded in memory, then written whole.
        QBuffer encoded;
        encoded.open(QIODevice::WriteOnly);
        std::string reason = "das Bild lässt sich nicht in diesem Format speichern";
        const QByteArray& bytes = encoded.data();
        if (!RenderGrid(l, o).save(&encoded, format) ||
            !WriteFileWhole(o.Output, {bytes.constData(), std::size_t(bytes.size())}, reason)) {
            Complain("render", "\"" + o.Output +
                                   "\": Die Bilddatei konnte nicht geschrieben werden: " + reason +
                                   ".");
            return 1;
        }
        return 0;
    });
}
