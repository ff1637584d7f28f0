#include "PrintSources.h"

#include "KindTraits.h"

#include <QPainter>

// The clue-list model and the side windows' drawing are not part of the
// build yet; until they are, the printout carries the grid and the title.

bool BuildLegendPrintData(const PuzzleImage& image, const Settings& settings, int colourMode,
                          LegendPrintData& legend) {
    if (!HasClueList(image.PuzzleKind)) return false;
    legend = LegendPrintData{};
    legend.Leerfeld1 = settings.FarbeLeerfeld1;
    legend.System = settings.System;
    legend.ColourMode = colourMode;
    return false;
}

QSize MeasureCodeTablePrint(QPainter&, const PuzzleImage&, const Settings&, int, bool) {
    return {};
}

void PrintCodeTable(QPainter&, const PuzzleImage&, const Settings&, int, bool, const QRect&, bool) {
}

void PrintSolutionWordRow(QPainter&, const PuzzleImage&, const Settings&, int, bool, const QRect&) {
}
