// print: the puzzle's printout as the player prints it, into a PDF file (A4).
#include "Commands.h"

#include "Container.h"
#include "LoadInput.h"
#include "Loading.h"
#include "PrintLayout.h"
#include "PuzzlePrint.h"
#include "SystemPalette.h"

#include <QApplication>
#include <QFile>
#include <QPdfWriter>

#include <cstdio>
#include <cstdlib>

namespace {
struct PrintOptions {
    std::string Input;
    std::string Output;
    PrintSettings Print; // the player's defaults until an option says otherwise
};

int Usage() {
    std::fputs("Aufruf: zoruvidedid-tool print DATEI -o AUSGABE.pdf [--portrait] [--two-pages]\n"
               "        [--legend-below] [--mode lines|grey|colour] [--stretch]\n"
               "        [--cell-size MM] [--margins LR,TB] [--copies N]\n",
               stderr);
    return 2;
}

bool Number(const std::string& text, int min, int max, int& out) {
    char* end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || n < min || n > max) return false;
    out = static_cast<int>(n);
    return true;
}

bool ParseArgs(const Args& args, PrintOptions& o) {
    PrintSettings& ps = o.Print;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        int n = 0;
        if (a == "-o" && hasValue) {
            o.Output = args[++i];
        } else if (a == "--portrait") {
            ps.Portrait = true;
        } else if (a == "--two-pages") {
            ps.OnePage = false;
        } else if (a == "--legend-below") {
            ps.LegendRight = false;
        } else if (a == "--stretch") {
            ps.StretchToPage = true;
        } else if (a == "--mode" && hasValue) {
            const std::string& m = args[++i];
            if (m == "lines")
                ps.ColourMode = 0;
            else if (m == "grey")
                ps.ColourMode = 1;
            else if (m == "colour")
                ps.ColourMode = 2;
            else
                return false;
        } else if (a == "--cell-size" && hasValue) {
            // The range of the print dialog's cell size.
            if (!Number(args[++i], 2, 50, n)) return false;
            ps.GridCellSize = n * 10;
        } else if (a == "--margins" && hasValue) {
            const std::string& m = args[++i];
            const std::size_t comma = m.find(',');
            int lr = 0, tb = 0;
            if (comma == std::string::npos || !Number(m.substr(0, comma), 10, 50, lr) ||
                !Number(m.substr(comma + 1), 10, 50, tb))
                return false;
            ps.MarginLeftRight = lr * 10;
            ps.MarginTopBottom = tb * 10;
        } else if (a == "--copies" && hasValue) {
            if (!Number(args[++i], 1, 100, n)) return false;
            ps.Copies = n;
        } else if (o.Input.empty() && !a.empty() && a[0] != '-') {
            o.Input = a;
        } else {
            return false;
        }
    }
    return !o.Input.empty() && !o.Output.empty();
}
} // namespace

int PrintCommand(const Args& args) {
    PrintOptions o;
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
        std::fprintf(stderr, "print: %s\n", message.c_str());
        return 1;
    }
    const PrintSettings& ps = o.Print;
    const QString output = QString::fromStdString(o.Output);
    bool ok = false;
    {
        QPdfWriter pdf(output);
        pdf.setCreator(QStringLiteral("zoruvidedid-tool"));
        pdf.setTitle(PrintTitleText(l.P->Image));
        pdf.setPageLayout(PdfPageLayout(ps.Portrait));
        CandidateTable candidates{};
        const CellPaintContext grid = RecordGridContext(l.P->Image, l.S, candidates);
        PuzzlePrintParts parts(grid, &l.Picture, ps);
        PagedDeviceJobs jobs(pdf, true);
        const int done = PrintCopies(jobs, l.P->Image, ps, parts);
        ok = jobs.Finish() && done == ps.Copies;
    }
    if (!ok) {
        QFile::remove(output);
        std::fprintf(stderr, "print: %s kann nicht geschrieben werden\n", o.Output.c_str());
        return 1;
    }
    return 0;
}
