// The clue lists on paper: one or two tables with a title each, measured and
// drawn on any painter in its own units (0.1 mm on the printer). A legend too
// long for its space is printed piece by piece, each piece going on as far as
// its rectangle allows.
#pragma once

#include "Settings.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <climits>
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

// How far the printing of a legend has come.
struct LegendCursor {
    struct List {
        bool Started = false; // its heading is on paper
        int Printed = 0;      // entries printed
    };
    List Across, Down;
    bool Done = false;
};

// What a piece of the legend took: where the next piece starts and the size
// of this one.
struct LegendPiece {
    LegendCursor Next;
    QSize Size;
};

// The printed size; tall puts the across list above the down list, else beside
// it. Lists wider than `maxWidth` wrap their text columns; two lists side by
// side that do not fit the width stand one above the other instead.
QSize MeasureLegendPrint(QPainter& painter, const LegendPrintData& legend, bool tall,
                         int maxWidth = INT_MAX);
// Draws the lists into the rectangle with the painter's current font.
void PrintLegend(QPainter& painter, const QRect& area, const LegendPrintData& legend, bool tall,
                 int maxWidth = INT_MAX);
// Draws (with `draw`, else only measures) the part of the legend from `from`
// that fits into the rectangle's height, in the column layout `maxWidth`
// gives; a list taken up again carries "(Fortsetzung)" after its heading. A
// heading stands only with an entry under it; with `force` the piece holds at
// least one entry even where it does not fit, so that every call goes on.
LegendPiece PrintLegendPiece(QPainter& painter, const QRect& area, const LegendPrintData& legend,
                             bool tall, int maxWidth, const LegendCursor& from, bool draw,
                             bool force);
