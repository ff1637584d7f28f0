// The legend and solution-row printouts built from the puzzle record alone,
// through the same list model and drawing the side windows use. A printout
// never depends on whether a side window happens to be open.
#pragma once

#include "LegendPrint.h"
#include "PuzzleImage.h"
#include "Settings.h"

#include <QRect>
#include <QSize>

class QPainter;

// The clue lists of the puzzle as printed; false for kinds without a clue list.
bool BuildLegendPrintData(const PuzzleImage& image, const Settings& settings, int colourMode,
                          LegendPrintData& legend);

// The number legend (code table) of kinds 2 and 3, its cells `cellSize` (0:
// Feldgroesse) or smaller where the table would not fit into `room`.
QSize MeasureCodeTablePrint(QPainter& painter, const PuzzleImage& image, const Settings& settings,
                            int cellSize, bool tall, QSize room);
void PrintCodeTable(QPainter& painter, const PuzzleImage& image, const Settings& settings,
                    int colourMode, bool showSolution, const QRect& area, bool tall);

// The solution-word boxes under the grid.
void PrintSolutionWordRow(QPainter& painter, const PuzzleImage& image, const Settings& settings,
                          int colourMode, bool showSolution, const QRect& area);
