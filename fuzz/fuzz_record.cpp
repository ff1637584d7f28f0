// Arbitrary bytes loaded as a puzzle file or a module, then interpreted the way
// the player does: every query over every cell and word, the check state, the
// evaluation (before and after filling in the solution) and a paint of the grid.
#include "CellPainter.h"
#include "Container.h"
#include "Evaluation.h"
#include "GridLayout.h"
#include "PuzzlePrint.h"
#include "Queries.h"
#include "Settings.h"
#include "Sudoku.h"
#include "SudokuAids.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <memory>
#include <string_view>

namespace {
void AskEveryCell(const PuzzleImage& im, bool fehlerZeigen) {
    for (int c = 0; c <= im.ColumnCount + 1; ++c) {
        for (int r = 0; r <= im.RowCount + 1; ++r) {
            (void)WordMembership(im, c, r);
            for (bool across : {true, false}) {
                (void)WordStart(im, c, r, across);
                (void)WordNumberAt(im, c, r, across);
                (void)IsWordFilled(im, c, r, across, fehlerZeigen);
                WordAtOptions o;
                o.Across = across;
                o.Reverse = c % 2 == 0;
                o.EnteredLetters = r % 2 == 0;
                (void)WordAt(im, c, r, o);
            }
            if (IsSudokuKind(im.PuzzleKind) && c >= 1 && r >= 1 && c <= im.ColumnCount &&
                r <= im.RowCount) {
                (void)SudokuBox(im, c, r);
                (void)CountCandidates(im, c, r);
            }
        }
    }
}

void AskEveryWord(const PuzzleImage& im) {
    for (int i = 0; i < im.WordCount; ++i) {
        const WordRecord& w = im.Words[i];
        (void)IsWordPlacedAt(im, i);
        (void)FindWord(im, w.WordNumber, w.across());
        (void)FindWordByText(im, w.WordText.view(), w.across());
        (void)ClueOf(im, w.WordNumber, w.across());
        (void)WordLength(im, w.WordNumber, w.across());
        (void)FindCellByNumber(im, w.WordNumber);
        (void)CodeOfLetter(im, w.CodeGuess.view());
    }
    for (char l = 'A'; l <= 'Z'; ++l) (void)LetterOccurs(im, l);
    for (int line = 0; line <= 51; ++line) {
        (void)CountCellsInLine(im, line, true, line % 2 == 0, CellFlag::Block);
        (void)CountCellsInLine(im, line, false, line % 2 == 1, CellFlag::LetterCell);
    }
    (void)PictureArea(im);
}

// The grid as the board paints it, into a window of fixed size.
void PaintGrid(PuzzleImage& im, const Settings& settings, const QImage& puzzlePicture) {
    CandidateTable candidates{};
    ClearFieldMarking(im);
    CellPaintContext ctx = RecordGridContext(im, settings, candidates);
    ctx.CurrentCol = im.ColumnCount / 2 + 1;
    ctx.CurrentRow = im.RowCount / 2 + 1;
    ctx.InputDirection = 1;
    ctx.Focused = true;
    // Cells marked for symbol 1, so that the marked painting runs too.
    if (IsSudokuKind(im.PuzzleKind)) ApplyFieldMarking(im, 1);
    GridLayout layout;
    ApplyBoardLayout(layout, im, settings);
    const QImage picture = PlaceBoardPicture(ctx, im, puzzlePicture);
    ctx.Picture = &picture;
    // A window onto the grid around the current cell, as a scrolled board shows it.
    const QRect cell = layout.CellRect(ctx.CurrentCol, ctx.CurrentRow);
    const QRect view(cell.center() - QPoint(160, 160), QSize(320, 320));
    QImage target(view.size(), QImage::Format_RGB32);
    QPainter p(&target);
    p.translate(-view.topLeft());
    layout.Paint(p, layout.TotalSize(), view, {},
                 [&](QPainter& painter, int c, int r, const QRect& rect, GridLayout::CellState) {
                     PaintCell(painter, ctx, c, r, rect);
                 });
}

void FillInTheSolution(Puzzle& puzzle) {
    PuzzleImage& im = puzzle.Image;
    for (int c = 1; c <= im.ColumnCount; ++c)
        for (int r = 1; r <= im.RowCount; ++r)
            SetEnteredLetter(puzzle, c, r, im.cell(c, r).SolutionLetter.view());
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_record";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto puzzle = std::make_unique<Puzzle>();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    QImage picture;
    Settings settings;
    SetDefaultSettings(settings, puzzle->Image);
    if (LoadPuzzleFileFromBytes(*puzzle, picture, bytes) != LoadResult::Loaded) {
        SetDefaultSettings(settings, puzzle->Image);
        if (LoadModuleFromBytes(*puzzle, settings, picture, bytes) != LoadResult::Loaded) return 0;
    }
    PuzzleImage& im = puzzle->Image;
    RecheckEntries(*puzzle);
    AskEveryCell(im, settings.FehlerZeigen);
    AskEveryWord(im);
    (void)EvaluateCompletion(*puzzle, settings);
    PaintGrid(im, settings, picture);
    FillInTheSolution(*puzzle);
    AskEveryCell(im, settings.FehlerZeigen);
    (void)EvaluateCompletion(*puzzle, settings);
    return 0;
}
