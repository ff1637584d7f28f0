// The clue lists on paper: one or two tables with a title each, measured and
// drawn on any painter in its own units (0.1 mm on the printer).
#pragma once

#include "Settings.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <vector>

class QPainter;

// One printed list as the clue-list model builds it: every entry in list
// order, hidden ones included.
struct PrintedList {
    struct Entry {
        std::array<QString, 6> Cells; // the cell text of each of the six columns
        bool Solved = false;
    };
    std::vector<int> Columns; // the visible columns (0..5) in column order
    int CheckColumn = -1;     // the column with the check box, -1 for none
    std::vector<Entry> Entries;
};

struct LegendPrintData {
    bool TwoLists = true;
    PrintedList Across;   // unused in one-list mode
    PrintedList Down;     // the only list in one-list mode
    Colour Leerfeld1 = 0; // background of column 1
    SystemColours System;
    int ColourMode = 2; // 0 lines only, 1 grey, 2 colour
};

// The printed size; tall puts the across list above the down list, else beside it.
QSize MeasureLegendPrint(QPainter& painter, const LegendPrintData& legend, bool tall);
// Draws the lists into the rectangle with the painter's current font.
void PrintLegend(QPainter& painter, const QRect& area, const LegendPrintData& legend, bool tall);
