// The parts of a printout for one puzzle: the grid through the cell painter,
// the clue list or code table and the solution row built from the record.
#pragma once

#include "CellPainter.h"
#include "LegendPrint.h"
#include "PrintLayout.h"

// The grid's paint context from the record alone, as the board shows it right
// after loading (Sudoku aids worked out into `candidates`; the caller clears
// the field marking first, ClearFieldMarking).
CellPaintContext RecordGridContext(const PuzzleImage& image, const Settings& settings,
                                   CandidateTable& candidates);

class PuzzlePrintParts : public PrintParts {
public:
    // `grid`: the board's paint context, or RecordGridContext; `picture` the
    // puzzle picture (may be null).
    PuzzlePrintParts(const CellPaintContext& grid, const QImage* picture,
                     const PrintSettings& print);

    int PrintGrid(QPainter& painter, const QRect& area) override;
    QSize MeasureLegend(QPainter& painter, int cellUsed, bool tall, QSize room) override;
    LegendPiece PrintLegend(QPainter& painter, const QRect& area, bool tall, int maxWidth,
                            const LegendCursor& from, bool force) override;

private:
    const PuzzleImage& Image() const { return *grid_.Image; }
    const Settings& Config() const { return *grid_.Config; }

    CellPaintContext grid_;
    const QImage* picture_;
    PrintSettings print_;
    LegendPrintData clues_;
    bool hasClues_ = false;
};
