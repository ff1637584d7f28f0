// Drawing the number legend's code table and the solution-word row, on screen
// and on paper, from the record alone: the two side windows paint their cells
// with it, and the printout draws both without needing the windows.
#pragma once

#include "CellPainter.h"
#include "PuzzleImage.h"
#include "Settings.h"

#include <QRect>
#include <QSize>

class QPainter;

struct SidePaintContext {
    const PuzzleImage* Image = nullptr;
    const Settings* Config = nullptr;
    bool ShowSolution = false; // the run's "Lösung zeigen"
    // The code table shows the real letters instead of the player's.
    bool LettersFromSolution = false;
    PaintTarget Target = PaintTarget::Screen;
    int ColourMode = 2; // printer: 0 lines only, 1 grey, 2 colour
};

// The letter a code-table letter cell shows (empty for none).
QString CodeCellLetter(const SidePaintContext& ctx, int code);
// The colour of a code letter: wrong guesses and (with the solution shown)
// missing ones stand out on screen and in colour prints.
QColor CodeLetterColour(const SidePaintContext& ctx, int code);

// One cell of the code table in its tall layout (columns 0..3, rows 0..12).
// `selected`: on screen, the current cell while the table has the focus.
void PaintCodeCell(QPainter& painter, const SidePaintContext& ctx, int col, int row, bool selected,
                   const QRect& rect);
// The printed legend's size: the table at `cellSize` (0: Feldgroesse), tall
// (4 columns, 13 rows) or wide (13 columns, 4 rows), with room for its title
// in the painter's current font.
QSize MeasureNumberLegendPrint(const QPainter& painter, const Settings& settings, int cellSize,
                               bool tall);
// The title "Legende:" and the table into `rect`; with `fit` the cells take
// their size from the rectangle, else Feldgroesse.
void PrintNumberLegend(QPainter& painter, const SidePaintContext& ctx, const QRect& rect, bool tall,
                       bool fit);

struct SolutionCellState {
    bool Marked = false;      // screen: current cell while the table has the focus
    bool InputMarker = false; // screen: current cell while the window is active
    bool Fill = true;         // screen fills the cell; paper draws an outlined box
};
// The letter a solution cell shows: the solution's with the solution shown,
// else the player's (empty for a blank).
QString SolutionCellLetter(const SidePaintContext& ctx, int index);
QColor SolutionLetterColour(const SidePaintContext& ctx, int index);
// One cell (position `index`, from 0) of the solution word.
void PaintSolutionCell(QPainter& painter, const SidePaintContext& ctx, int index, const QRect& rect,
                       const SolutionCellState& state);
// All cells side by side, each as high and as wide as the rectangle is high.
void PrintSolutionRow(QPainter& painter, const SidePaintContext& ctx, const QRect& rect);
