#include "PuzzlePrint.h"

#include "GridLayout.h"
#include "KindTraits.h"
#include "PrintSources.h"
#include "Queries.h"
#include "Sudoku.h"

CellPaintContext RecordGridContext(const PuzzleImage& image, const Settings& settings,
                                   CandidateTable& candidates) {
    CellPaintContext ctx;
    ctx.Image = &image;
    ctx.Config = &settings;
    if (IsSudokuKind(image.PuzzleKind)) {
        ctx.BoxWidth = SudokuBoxWidth(image);
        ctx.BoxHeight = SudokuBoxHeight(image);
        FillCandidates(image, candidates);
    }
    ctx.Candidates = &candidates;
    GridLayout layout;
    ApplyBoardLayout(layout, image, settings);
    ctx.Grid = GeometryOf(layout);
    if (image.ImageFlags & ImageFlag::HasPicture) {
        const ::CellRect area = PictureArea(image);
        ctx.PictureFirstCol = area.Left;
        ctx.PictureFirstRow = area.Top;
        ctx.PictureLastCol = area.Right;
        ctx.PictureLastRow = area.Bottom;
    }
    return ctx;
}

PuzzlePrintParts::PuzzlePrintParts(const CellPaintContext& grid, const QImage* picture,
                                   const PrintSettings& print)
    : grid_(grid), picture_(picture), print_(print) {
    grid_.Target = PaintTarget::Printer;
    grid_.ColourMode = print.ColourMode;
    hasClues_ = BuildLegendPrintData(Image(), Config(), print.ColourMode, clues_);
}

int PuzzlePrintParts::PrintGrid(QPainter& painter, const QRect& area) {
    PrintGridInput input;
    input.Context = grid_;
    input.PuzzlePicture = picture_;
    input.LegendFontHeight = print_.LegendFontHeight;
    // The solution row goes on paper whenever the puzzle lets the player enter
    // the solution word, open window or not.
    if (HasSolutionWord(Image().PuzzleKind) && Config().LoesungswortZeigen) {
        input.DrawSolutionRow = [this](QPainter& p, const QRect& row) {
            PrintSolutionWordRow(p, Image(), Config(), print_.ColourMode, grid_.ShowSolution, row);
        };
    }
    return ::PrintGrid(painter, area, input);
}

QSize PuzzlePrintParts::MeasureLegend(QPainter& painter, int cellUsed, bool tall, QSize room) {
    if (IsNumberKind(Image().PuzzleKind))
        return MeasureCodeTablePrint(painter, Image(), Config(), cellUsed, tall, room);
    if (!hasClues_) return {};
    return MeasureLegendPrint(painter, clues_, tall, room.width());
}

LegendPiece PuzzlePrintParts::PrintLegend(QPainter& painter, const QRect& area, bool tall,
                                          int maxWidth, const LegendCursor& from, bool force) {
    LegendPiece whole;
    whole.Next.Done = true;
    if (IsNumberKind(Image().PuzzleKind)) {
        PrintCodeTable(painter, Image(), Config(), print_.ColourMode, grid_.ShowSolution, area,
                       tall);
        whole.Size = area.size();
        return whole;
    }
    if (!hasClues_) return whole;
    return PrintLegendPiece(painter, area, clues_, tall, maxWidth, from, true, force);
}
