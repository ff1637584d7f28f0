#include "PrintSources.h"

#include "KindTraits.h"
#include "SidePainter.h"

#include <QPainter>

namespace {
SidePaintContext PrintContext(const PuzzleImage& image, const Settings& settings, int colourMode,
                              bool showSolution) {
    SidePaintContext ctx;
    ctx.Image = &image;
    ctx.Config = &settings;
    ctx.ShowSolution = showSolution;
    // The code table shows what its window would: the real letters while the
    // solution is shown.
    ctx.LettersFromSolution = showSolution;
    ctx.Target = PaintTarget::Printer;
    ctx.ColourMode = colourMode;
    return ctx;
}
} // namespace

// The clue-list model is not part of the build yet; until it is, a clue-list
// kind prints its title and grid without the lists.
bool BuildLegendPrintData(const PuzzleImage& image, const Settings& settings, int colourMode,
                          LegendPrintData& legend) {
    if (!HasClueList(image.PuzzleKind)) return false;
    legend = LegendPrintData{};
    legend.Leerfeld1 = settings.FarbeLeerfeld1;
    legend.System = settings.System;
    legend.ColourMode = colourMode;
    return false;
}

QSize MeasureCodeTablePrint(QPainter& painter, const PuzzleImage& image, const Settings& settings,
                            int cellSize, bool tall) {
    if (!HasNumberLegend(image.PuzzleKind)) return {};
    return MeasureNumberLegendPrint(painter, settings, cellSize, tall);
}

void PrintCodeTable(QPainter& painter, const PuzzleImage& image, const Settings& settings,
                    int colourMode, bool showSolution, const QRect& area, bool tall) {
    if (!HasNumberLegend(image.PuzzleKind)) return;
    PrintNumberLegend(painter, PrintContext(image, settings, colourMode, showSolution), area, tall,
                      true);
}

void PrintSolutionWordRow(QPainter& painter, const PuzzleImage& image, const Settings& settings,
                          int colourMode, bool showSolution, const QRect& area) {
    PrintSolutionRow(painter, PrintContext(image, settings, colourMode, showSolution), area);
}
