// Where a Sudoku cell's candidates go: the symbols of one box row in one row
// of small cells, each drawn whole inside the cell's lines.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>

// The first and last pixel row and column of a cell belong to the box lines
// around it; candidates keep one more pixel free, so their ink starts this
// far in from each edge.
constexpr int CandidateInset = 2;

struct CandidateLayout {
    QFont Font;
    // Baseline origin of each symbol's text relative to the cell's top-left.
    std::array<QPoint, 12> Origin{};
    // Ink of each symbol relative to the cell's top-left.
    std::array<QRect, 12> Ink{};
    bool BoxGrid = false; // the plain sub-cell grid fitted as it is
    // The cell is too small for outline glyphs: draw the pixel glyphs at Ink.
    bool PixelGlyphs = false;
};

// "8" and "B" of an outline font must differ in this many pixels, or the
// font is too small for twelve symbols.
constexpr int MinPixelsBetweenEightAndB = 4;

constexpr int PixelGlyphWidth = 3;
constexpr int PixelGlyphHeight = 5;

class QColor;
class QPainter;

// Draws symbol 1..12 in the small pixel glyphs with its top-left pixel at topLeft.
void DrawPixelSymbol(QPainter& painter, const QPoint& topLeft, int symbol, const QColor& colour);

// The pixels a text covers when drawn at the origin (baseline left), measured
// by drawing it; cached per font and text.
QRect InkBox(const QFont& font, const QString& text);

// Lays out `symbols` candidates (1..12) of a cell of `cell` pixels with boxes
// `boxWidth` wide, starting from the `base` font. The first choice are the
// sub-cells of cell / box size, shifted by two pixels; when a symbol would run
// into the lines there, the symbols are spread over the free inside of the
// cell instead and the font shrinks until each fits whole; below a legible
// outline size the pixel glyphs take over. Cached.
const CandidateLayout& LayOutCandidates(const QFont& base, QSize cell, int boxWidth, int boxHeight,
                                        int symbols);
