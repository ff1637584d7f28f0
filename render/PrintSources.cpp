#include "PrintSources.h"

#include "Cp1252.h"
#include "KindTraits.h"
#include "LegendModel.h"
#include "SidePainter.h"

#include <QPainter>

#include <algorithm>

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

bool BuildLegendPrintData(const PuzzleImage& image, const Settings& settings, int colourMode,
                          LegendPrintData& legend) {
    legend = LegendPrintData{};
    if (!HasClueList(image.PuzzleKind)) return false;
    legend.Leerfeld1 = settings.FarbeLeerfeld1;
    legend.System = settings.System;
    legend.ColourMode = colourMode;
    // The same lists the clue-list window builds; entries hidden there as
    // solved are printed all the same.
    const LegendLists lists = BuildLists(image, settings);
    legend.TwoLists = lists.TwoLists;
    const auto fill = [&](const std::vector<LegendItem>& items, PrintedList& out) {
        for (int c = 0; c < LegendColumn::Count; ++c)
            if (lists.Columns.Visible[std::size_t(c)]) out.Columns.push_back(c);
        out.CheckColumn = lists.Columns.CheckColumn;
        for (const LegendItem& item : items) {
            PrintedList::Entry e;
            for (int c = 0; c < LegendColumn::Count; ++c)
                e.Cells[std::size_t(c)] =
                    QString::fromStdString(Cp1252ToUtf8(EntryCellText(item.Entry, c)));
            e.Solved = item.Checked;
            out.Entries.push_back(std::move(e));
        }
    };
    if (lists.TwoLists) fill(lists.Across, legend.Across);
    fill(lists.Down, legend.Down);
    return true;
}

QSize MeasureCodeTablePrint(QPainter& painter, const PuzzleImage& image, const Settings& settings,
                            int cellSize, bool tall, QSize room) {
    if (!HasNumberLegend(image.PuzzleKind)) return {};
    const QSize wanted = MeasureNumberLegendPrint(painter, settings, cellSize, tall);
    if (wanted.width() <= room.width() && wanted.height() <= room.height()) return wanted;
    // The largest cells with which the table and its title stay inside the room.
    const QSize unit = MeasureNumberLegendPrint(painter, settings, 1, tall);
    const QSize twice = MeasureNumberLegendPrint(painter, settings, 2, tall);
    const int perW = twice.width() - unit.width(), perH = twice.height() - unit.height();
    const int title = unit.height() - 2 * perH;
    const int cell =
        std::max(1, std::min((room.width() / perW) - 1, (room.height() - title) / perH - 1));
    return MeasureNumberLegendPrint(painter, settings, cell, tall);
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
