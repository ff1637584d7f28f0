// Drawing the cells of the board, on screen and on paper, with no window
// needed: the board, the printout and the tool's render command share it.
#pragma once

#include "PuzzleImage.h"
#include "Settings.h"
#include "SudokuAids.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>

#include <array>
#include <functional>

class QPainter;
struct GridLayout;

enum class PaintTarget { Screen, Printer };

// The fixed colours the cell and side-window painters use besides the settings.
namespace PaintColours {
constexpr Colour Black = 0x000000;
constexpr Colour White = 0xFFFFFF;
constexpr Colour Grey = 0x808080;
constexpr Colour Silver = 0xC0C0C0;
constexpr Colour LightGrey = 0xDDDDDD;
constexpr Colour Purple = 0x800080;
} // namespace PaintColours

// The font of entered letters: Schriftart, bold; on screen Schriftgroesse
// points, on paper the pixel size the caller derives from its cell.
QFont EntryLetterFont(const Settings& settings, PaintTarget target, int printPixelSize);

// A settings colour as a QColor; system colours take their current values.
QColor ToQColor(Colour colour, const SystemColours& system);

// The grid's geometry as the cell painter sees it.
struct BoardGeometry {
    int Border = 0; // the grid's frame in front of the header column and row
    int HeaderColWidth = 0;
    int HeaderRowHeight = 0;
    int ColWidth = 30;
    int RowHeight = 30;
    int LineWidth = 1;
};

// Everything PaintCell reads besides the cell itself.
struct CellPaintContext {
    const PuzzleImage* Image = nullptr;
    const Settings* Config = nullptr;
    bool ShowSolution = false;
    int CurrentCol = 0; // 0: no current cell
    int CurrentRow = 0;
    std::uint8_t InputDirection = 0; // 0 none, 1 across, 2 down
    bool Focused = false;            // the grid has the focus
    bool Enabled = true;
    const CandidateTable* Candidates = nullptr;
    int BoxWidth = 3;
    int BoxHeight = 3;
    // The puzzle picture scaled to the picture cells (screen: PictureBitmap;
    // printer: the print-size picture), tiled by PictureStep per cell.
    const QImage* Picture = nullptr;
    QSize PictureStep;
    int PictureFirstCol = 0, PictureFirstRow = 0, PictureLastCol = 0, PictureLastRow = 0;
    BoardGeometry Grid;
    int ColourMode = 2; // printer: 0 lines only, 1 grey, 2 colour
    PaintTarget Target = PaintTarget::Screen;
};

struct PaintCellOptions {
    bool Selected = false;          // the grid's selected state (word search drag)
    bool NotHighlighted = false;    // draw without word highlight
    bool InHighlightedWord = false; // the caller knows the cell is in the highlighted word
    bool Paint = true;              // fill and draw letters
    bool ComputeRect = false;       // take the rectangle from the geometry
};

// Whether the cell is drawn as a block (kinds 10, 11 follow the player's marks
// unless the solution is shown).
bool IsBlockDrawn(const PuzzleImage& image, int col, int row, bool showSolution);
// The rectangle PaintCell computes from the geometry (ComputeRect).
QRect ComputeCellRect(const CellPaintContext& ctx, int col, int row);

void PaintCell(QPainter& painter, const CellPaintContext& ctx, int col, int row, QRect rect,
               const PaintCellOptions& options = {});

// A line of the given pen width; axis-parallel lines cover whole pixels
// (width 2 covers the coordinate and the one before it, width 3 one on each side).
void DrawLine(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& colour,
              int width = 1);
// The frame (focused) or bracket (not focused) of the input position, with the
// across (1) or down (2) arrow.
void DrawInputMarker(QPainter& painter, const QRect& rect, int direction, bool focused,
                     const SystemColours& system);

// ScalePicture's mode for the image's picture flags 4 and 8.
int PictureScaleMode(std::uint8_t imageFlags);
// The puzzle picture drawn into a box of the given size (logical pixels) as the
// image's flags say, at the given device pixel ratio.
QImage ScaleBoardPicture(const QImage& picture, std::uint8_t imageFlags, QSize box,
                         qreal devicePixelRatio = 1);
// For a context whose Grid is set: the picture area's cells and the step per
// cell into ctx, and the picture scaled over those cells (null without one).
QImage PlaceBoardPicture(CellPaintContext& ctx, const PuzzleImage& image, const QImage& picture,
                         qreal devicePixelRatio = 1);

// Steps 1-6 of fitting the grid to the cell size: counts, sizes, headers,
// line width and background, from the puzzle and the settings.
void ApplyBoardLayout(GridLayout& layout, const PuzzleImage& image, const Settings& settings);
BoardGeometry GeometryOf(const GridLayout& layout);
// The grid's outer size for the puzzle (what the board gives its grid).
QSize BoardGridSize(const PuzzleImage& image, int cellSize);

struct PrintGridInput {
    CellPaintContext Context; // Target and ColourMode as wanted; Picture is made here
    const QImage* PuzzlePicture = nullptr;
    // Draws the solution-word boxes into the rectangle, when that window is open.
    std::function<void(QPainter&, const QRect&)> DrawSolutionRow;
    int LegendFontHeight = 40;
};

// Draws the whole grid into `area` (one unit = 0.1 mm on paper) and returns
// the cell size used.
int PrintGrid(QPainter& painter, const QRect& area, const PrintGridInput& input);
