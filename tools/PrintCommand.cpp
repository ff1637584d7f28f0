// print: the puzzle's printout as the player prints it, into a PDF file (A4).
#include "Commands.h"

#include "Container.h"
#include "FileUtil.h"
#include "FileWrite.h"
#include "LoadInput.h"
#include "PrintLayout.h"
#include "PuzzlePrint.h"

#include <QBuffer>
#include <QPdfWriter>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {
struct PrintOptions {
    std::string Input;
    std::string Output;
    PrintSettings Print; // the player's defaults until an option says otherwise
};

constexpr const char* UsageText =
    "Aufruf: zoruvidedid-tool print DATEI -o AUSGABE.pdf [--portrait] [--two-pages]\n"
    "        [--legend-below] [--mode lines|grey|colour] [--stretch] [--cell-size MM]\n"
    "        [--margins LR,TB] [--legend-font MM] [--copies N]\n";

constexpr const char* OptionsText =
    "Der Ausdruck des Players als PDF-Datei (A4), mit seinen Voreinstellungen:\n"
    "  --portrait          Hochformat statt Querformat\n"
    "  --two-pages         Rätsel und Legende auf getrennten Seiten\n"
    "  --legend-below      die Legende unter das Rätsel statt rechts daneben\n"
    "  --mode M            lines (nur Linien), grey (Graustufen) oder colour (farbig)\n"
    "  --stretch           Sudoku auf die Seite strecken\n"
    "  --cell-size MM      feste Zellgröße eines Sudokus, 2 bis 50 mm\n"
    "  --margins LR,TB     Seitenränder links/rechts und oben/unten, 10 bis 50 mm\n"
    "  --legend-font MM    Schrifthöhe der Legende, 2 bis 10 mm\n"
    "  --copies N          Anzahl Kopien, 1 bis 100, nacheinander in der Datei\n";

bool Number(const std::string& text, int min, int max, int& out) {
    char* end = nullptr;
    errno = 0;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || n < min || n > max) return false;
    out = static_cast<int>(n);
    return true;
}

// Empty when the arguments are complete, else what is wrong with them.
std::string ParseArgs(const Args& args, PrintOptions& o) {
    PrintSettings& ps = o.Print;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" || a == "--mode" || a == "--cell-size" || a == "--margins" ||
            a == "--legend-font" || a == "--copies") {
            if (i + 1 >= args.size()) return a + " braucht einen Wert";
            const std::string& v = args[++i];
            int n = 0;
            if (a == "-o") {
                o.Output = v;
            } else if (a == "--mode") {
                if (v == "lines")
                    ps.ColourMode = 0;
                else if (v == "grey")
                    ps.ColourMode = 1;
                else if (v == "colour")
                    ps.ColourMode = 2;
                else
                    return "--mode verlangt lines, grey oder colour, nicht \"" + v + "\"";
            } else if (a == "--cell-size") {
                // The range of the print dialog's cell size.
                if (!Number(v, 2, 50, n))
                    return "--cell-size verlangt eine ganze Zahl von 2 bis 50, nicht \"" + v + "\"";
                ps.GridCellSize = n * 10;
            } else if (a == "--margins") {
                const std::size_t comma = v.find(',');
                int lr = 0, tb = 0;
                if (comma == std::string::npos || !Number(v.substr(0, comma), 10, 50, lr) ||
                    !Number(v.substr(comma + 1), 10, 50, tb))
                    return "--margins verlangt zwei ganze Zahlen von 10 bis 50 wie 20,20, nicht "
                           "\"" +
                           v + "\"";
                ps.MarginLeftRight = lr * 10;
                ps.MarginTopBottom = tb * 10;
            } else if (a == "--legend-font") {
                // The range of the print dialog's legend font height.
                if (!Number(v, 2, 10, n))
                    return "--legend-font verlangt eine ganze Zahl von 2 bis 10, nicht \"" + v +
                           "\"";
                ps.LegendFontHeight = n * 10;
            } else {
                if (!Number(v, 1, 100, n))
                    return "--copies verlangt eine ganze Zahl von 1 bis 100, nicht \"" + v + "\"";
                ps.Copies = n;
            }
        } else if (a == "--portrait") {
            ps.Portrait = true;
        } else if (a == "--two-pages") {
            ps.OnePage = false;
        } else if (a == "--legend-below") {
            ps.LegendRight = false;
        } else if (a == "--stretch") {
            ps.StretchToPage = true;
        } else if (o.Input.empty() && !a.empty() && a[0] != '-') {
            o.Input = a;
        } else {
            return "unbekannte Angabe \"" + a + "\"";
        }
    }
    if (o.Input.empty()) return "die Rätseldatei fehlt";
    if (o.Output.empty()) return "die Ausgabedatei (-o) fehlt";
    return {};
}
} // namespace

int PrintCommand(const Args& args) {
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            std::fputs(UsageText, stdout);
            std::fputs(OptionsText, stdout);
            return 0;
        }
    }
    PrintOptions o;
    if (const std::string wrong = ParseArgs(args, o); !wrong.empty()) {
        Complain("print", wrong);
        std::fputs(UsageText, stderr);
        return 2;
    }
    if (const std::string refused = OutputIsInput(o.Output, {o.Input}); !refused.empty()) {
        Complain("print", refused);
        return 1;
    }
    return WithDrawingInput("print", o.Input, [&](LoadedInput& l) {
        const PrintSettings& ps = o.Print;
        // The document is made in memory and written whole: a full disk or a
        // folder as output costs no half-written file.
        QBuffer document;
        document.open(QIODevice::WriteOnly);
        bool ok = false;
        {
            QPdfWriter pdf(&document);
            pdf.setCreator(QStringLiteral("zoruvidedid-tool"));
            pdf.setTitle(PrintTitleText(l.P->Image));
            pdf.setPageLayout(PdfPageLayout(ps.Portrait));
            CandidateTable candidates{};
            ClearFieldMarking(l.P->Image);
            const CellPaintContext grid = RecordGridContext(l.P->Image, l.S, candidates);
            PuzzlePrintParts parts(grid, &l.Picture, ps);
            PagedDeviceJobs jobs(pdf, true);
            const int done = PrintCopies(jobs, l.P->Image, ps, parts);
            ok = jobs.Finish() && done == ps.Copies;
        }
        std::string reason = "der Ausdruck ist fehlgeschlagen";
        const QByteArray& bytes = document.data();
        if (!ok ||
            !WriteFileWhole(o.Output, {bytes.constData(), std::size_t(bytes.size())}, reason)) {
            Complain("print", "\"" + o.Output +
                                  "\": Die PDF-Datei konnte nicht geschrieben werden: " + reason +
                                  ".");
            return 1;
        }
        return 0;
    });
}
