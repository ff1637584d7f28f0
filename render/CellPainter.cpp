#include "CellPainter.h"

#include "CandidateLayout.h"
#include "Cp1252.h"
#include "GridLayout.h"
#include "KindTraits.h"
#include "Queries.h"
#include "Sudoku.h"
#include "TextUtil.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
using namespace PaintColours;
constexpr Colour WordSearchText = 0x800000;
constexpr Colour ButtonShadow = 0x80000010;
constexpr Colour ButtonHighlight = 0x80000014;

// Rectangle edges with right and bottom exclusive, as the drawing rules count them.
struct Edges {
    int L, T, R, B;
    int Width() const { return R - L; }
    int Height() const { return B - T; }
    QRect Rect() const { return {L, T, std::max(0, R - L), std::max(0, B - T)}; }
};
Edges EdgesOf(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// The 9 x 9 arrow glyphs: '#' is drawn.
constexpr const char* AcrossArrow[9] = {"....#....", "....##...", "....###..",
                                        "########.", "#########", "########.",
                                        "....###..", "....##...", "....#...."};

QString Text(std::string_view cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

// The output modes of one paint: screen, or paper with its colour mode.
struct Output {
    const CellPaintContext& Ctx;
    bool Screen() const { return Ctx.Target == PaintTarget::Screen; }
    bool Coloured() const { return Screen() || Ctx.ColourMode >= 1; }
    bool Full() const { return Screen() || Ctx.ColourMode >= 2; }
    const SystemColours& System() const { return Ctx.Config->System; }
    // A background: the full colour, its grey replacement, or white when only lines print.
    QColor Brush(Colour full, Colour grey) const {
        if (!Coloured()) return ToQColor(White, System());
        return ToQColor(Full() ? full : grey, System());
    }
    // A text colour: greys turn it grey, lines-only prints black.
    QColor Ink(Colour colour) const {
        if (Full()) return ToQColor(colour, System());
        if (!Coloured()) return Qt::black;
        const int g = qGray(ToQColor(colour, System()).rgb());
        return {g, g, g};
    }
};

QFont NumberFont(const CellPaintContext& ctx) {
    QFont f("Arial");
    const int z = ctx.Config->Zahlengroesse;
    f.setPixelSize(std::max(
        1, ctx.Target == PaintTarget::Screen ? z : static_cast<int>(std::lround(z * 2.2))));
    return f;
}

void TextAt(QPainter& p, int x, int y, const QString& text) {
    p.drawText(QRect(x, y, 10000, 10000), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

// A small number at (x, y); on paper it keeps within `width`, its font
// shrinking for three digits in a small cell.
void NumberAt(QPainter& p, const CellPaintContext& ctx, int x, int y, int width,
              const QString& text) {
    const QFont font = p.font();
    const int advance = QFontMetrics(font).horizontalAdvance(text);
    if (ctx.Target == PaintTarget::Screen || advance <= width || width <= 0) {
        TextAt(p, x, y, text);
        return;
    }
    QFont smaller = font;
    smaller.setPixelSize(std::max(1, font.pixelSize() * width / advance));
    p.setFont(smaller);
    TextAt(p, x, y, text);
    p.setFont(font);
}

// Lines-only paper: blocks get a light hatch instead of a fill, so that they
// still stand out from the letter cells.
void HatchBlock(QPainter& p, const QRect& r) {
    if (r.isEmpty()) return;
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, 1));
    const int step = std::max(6, std::min(r.width(), r.height()) / 4);
    for (int d = step / 2; d < r.width() + r.height(); d += step)
        p.drawLine(r.left() + d, r.top(), r.left() + d - r.height(), r.top() + r.height());
    p.restore();
}

void TextCentred(QPainter& p, const Edges& e, const QString& text) {
    if (text.isEmpty()) return;
    p.drawText(e.Rect(), Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip, text);
}

bool CellInCurrentWord(const CellPaintContext& ctx, int col, int row) {
    const PuzzleImage& im = *ctx.Image;
    if (ctx.CurrentCol <= 0 || ctx.CurrentRow <= 0) return false;
    const bool american = HasPlacedBlocks(im.PuzzleKind);
    const auto blocked = [&](int c, int r) {
        return im.cell(c, r).has(american ? CellFlag::PlacedBlock : CellFlag::Block);
    };
    if (blocked(col, row)) return false;
    if (col == ctx.CurrentCol && row == ctx.CurrentRow) return true;
    if (ctx.InputDirection == 2 && col == ctx.CurrentCol) {
        for (int r = std::min(row, ctx.CurrentRow); r <= std::max(row, ctx.CurrentRow); ++r)
            if (blocked(col, r)) return false;
        return true;
    }
    if (ctx.InputDirection == 1 && row == ctx.CurrentRow) {
        for (int c = std::min(col, ctx.CurrentCol); c <= std::max(col, ctx.CurrentCol); ++c)
            if (blocked(c, row)) return false;
        return true;
    }
    return false;
}

bool Highlighted(const CellPaintContext& ctx, int col, int row, const PaintCellOptions& o) {
    if (ctx.Target != PaintTarget::Screen) return false;
    const bool current = col == ctx.CurrentCol && row == ctx.CurrentRow;
    if (IsSudokuKind(ctx.Image->PuzzleKind)) return current;
    if (!ctx.Config->AktuellenBegriffMarkieren) return false;
    bool hl = !o.NotHighlighted && (o.InHighlightedWord || current);
    if (!hl && !o.NotHighlighted && !o.InHighlightedWord) hl = CellInCurrentWord(ctx, col, row);
    return hl;
}

void PaintHeader(QPainter& p, const CellPaintContext& ctx, int col, int row, Edges e) {
    const Output out{ctx};
    if (row == 0) ++e.R;
    if (col == 0) ++e.B;
    p.fillRect(e.Rect(), out.Brush(SystemColour::ButtonFace, Silver));
    const int kind = ctx.Image->PuzzleKind;
    if (!HasHeaderNumbers(kind) || (row == 0 && col == 0)) return;
    QFont f("Arial");
    f.setBold(true);
    f.setPixelSize(ctx.Target == PaintTarget::Screen ? 14 : 32);
    p.setFont(f);
    p.setPen(Qt::black);
    if (col == 0) {
        p.drawText(QRect(e.L, e.T, e.Width() - 4, e.Height()),
                   Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip, QString::number(row));
    } else {
        p.drawText(QRect(e.L, e.T, e.Width(), e.Height() - 4),
                   Qt::AlignHCenter | Qt::AlignBottom | Qt::TextDontClip, QString::number(col));
    }
}

void PaintBlock(QPainter& p, const CellPaintContext& ctx, int col, int row, Edges e,
                const PaintCellOptions& o) {
    const Output out{ctx};
    const PuzzleImage& im = *ctx.Image;
    const Settings& s = *ctx.Config;
    const CellRecord& cell = im.cell(col, row);
    const int kind = im.PuzzleKind;
    const bool picture =
        cell.has(CellFlag::Picture) && (im.ImageFlags & ImageFlag::HasPicture) != 0;
    QColor brush;
    if (IsFenceKind(kind)) {
        brush = out.Brush(s.FarbeLeerfeld2, Silver);
    } else if (HasPlacedBlocks(kind)) {
        const bool wrongMark = cell.has(CellFlag::PlacedBlock) && !cell.isBlock() && s.FehlerZeigen;
        brush = out.Brush(wrongMark ? Purple : s.FarbeLeerfeld1, Black);
    } else {
        brush = out.Brush(s.FarbeLeerfeld1, Black);
    }
    if (IsFenceKind(kind) && !picture) {
        // The thick walls of the fence grid run between blocks and letter cells.
        if (col < im.ColumnCount && o.Paint && !IsBlockDrawn(im, col + 1, row, ctx.ShowSolution)) {
            DrawLine(p, e.R - 1, e.T, e.R - 1, e.B, Qt::black, 2);
            e.R -= 2;
        }
        if (row < im.RowCount && !IsBlockDrawn(im, col, row + 1, ctx.ShowSolution)) {
            DrawLine(p, e.L, e.B - 1, e.R, e.B - 1, Qt::black, 2);
            e.B -= 2;
        }
    }
    if (picture) {
        // The tile covers the grid lines too.
        brush = out.Brush(Grey, Grey);
        e.R += ctx.Grid.LineWidth;
        e.B += ctx.Grid.LineWidth;
    }
    if (o.Paint) {
        p.fillRect(e.Rect(), brush);
        if (!out.Coloured()) HatchBlock(p, e.Rect());
        if (out.Screen() && HasPlacedBlocks(kind) && col == ctx.CurrentCol &&
            row == ctx.CurrentRow && ctx.Focused && ctx.Enabled && !ctx.ShowSolution && !picture)
            DrawInputMarker(p, e.Rect(), 0, true, s.System);
    }
    if (!picture || !(out.Screen() || ctx.ColourMode >= 1)) return;
    if (ctx.Picture && !ctx.Picture->isNull()) {
        const qreal dpr = ctx.Picture->devicePixelRatio();
        const QRectF source((col - ctx.PictureFirstCol) * ctx.PictureStep.width() * dpr,
                            (row - ctx.PictureFirstRow) * ctx.PictureStep.height() * dpr,
                            e.Width() * dpr, e.Height() * dpr);
        p.drawImage(QRectF(e.Rect()), *ctx.Picture, source);
    }
    const QColor shadow = ToQColor(ButtonShadow, s.System);
    const QColor light = ToQColor(ButtonHighlight, s.System);
    if (col == ctx.PictureFirstCol) DrawLine(p, e.L + 1, e.T, e.L + 1, e.B, shadow, 2);
    if (row == ctx.PictureFirstRow) DrawLine(p, e.L, e.T + 1, e.R, e.T + 1, shadow, 2);
    if (col == ctx.PictureLastCol) DrawLine(p, e.R - 1, e.T, e.R - 1, e.B, light, 2);
    if (row == ctx.PictureLastRow) DrawLine(p, e.L, e.B - 1, e.R, e.B - 1, light, 2);
}

void PaintCandidates(QPainter& p, const CellPaintContext& ctx, int col, int row, const Edges& e) {
    if (!ctx.Candidates || col > MaxSymbols || row > MaxSymbols) return;
    const auto& flags =
        (*ctx.Candidates)[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
    const int n = std::clamp<int>(ctx.Image->ColumnCount, 0, MaxSymbols);
    const CandidateLayout& layout =
        LayOutCandidates(p.font(), QSize(e.Width(), e.Height()), ctx.BoxWidth, ctx.BoxHeight, n);
    p.setFont(layout.Font);
    for (int i = 0; i < n; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (!flags[at]) continue;
        if (layout.PixelGlyphs)
            DrawPixelSymbol(p, layout.Ink[at].topLeft() + QPoint(e.L, e.T), i + 1, p.pen().color());
        else
            p.drawText(layout.Origin[at] + QPoint(e.L, e.T),
                       QString::fromStdString(SymbolText(i + 1)));
    }
}

void PaintSmallNumbers(QPainter& p, const CellPaintContext& ctx, int col, int row, const Edges& e,
                       const PaintCellOptions& o) {
    const PuzzleImage& im = *ctx.Image;
    const Settings& s = *ctx.Config;
    const CellRecord& cell = im.cell(col, row);
    const int kind = im.PuzzleKind;
    p.setFont(NumberFont(ctx));
    p.setPen(Qt::black);
    const QFontMetrics fm(p.font());
    if (!IsSudokuKind(kind) && cell.has(CellFlag::SolutionOrGiven) &&
        (im.ImageFlags & ImageFlag::SolutionPositions) != 0 && cell.SolutionPosition > 0)
        NumberAt(p, ctx, e.L + 1, e.B - fm.height(), e.Width() - 1,
                 QString::number(cell.SolutionPosition));
    const bool numbered = cell.CellNumber > 0 && cell.CellNumber < 200;
    if (IsNumberKind(kind) && o.Paint) {
        NumberAt(p, ctx, e.L + 1, e.T, e.Width() - 1,
                 QString::number(CodeOfLetter(im, cell.SolutionLetter.view())));
    } else if (IsCrosswordKind(kind) && o.Paint && numbered) {
        NumberAt(p, ctx, e.L + 1, e.T, e.Width() - 1, QString::number(cell.CellNumber));
    } else if (IsFenceKind(kind) && o.Paint && s.LaengenZeigen && numbered) {
        if (cell.StartsAcrossWord) {
            const int len = WordLength(im, cell.CellNumber, true);
            if (len > 0) TextAt(p, e.L + 1, e.T, QString::number(len));
        }
        if (cell.StartsDownWord) {
            const int len = WordLength(im, cell.CellNumber, false);
            if (len > 0) {
                const QString t = QString::number(len);
                TextAt(p, e.R - fm.horizontalAdvance(t) - 3, e.T, t);
            }
        }
    } else if (IsSudokuKind(kind) && s.MoeglicheZahlenZeigen &&
               IsBlankOrEmpty(im.entry(col, row))) {
        PaintCandidates(p, ctx, col, row, e);
    }
}

void PaintLetterCell(QPainter& p, const CellPaintContext& ctx, int col, int row, Edges e,
                     const PaintCellOptions& o) {
    const Output out{ctx};
    const PuzzleImage& im = *ctx.Image;
    const Settings& s = *ctx.Config;
    const CellRecord& cell = im.cell(col, row);
    const int kind = im.PuzzleKind;
    const bool hl = Highlighted(ctx, col, row, o);
    QColor brush;
    if (IsSudokuKind(kind) && cell.has(CellFlag::PlayerMark) && !hl)
        brush = out.Brush(s.FarbeLoesungfeld, LightGrey);
    else if (!IsSudokuKind(kind) && cell.has(CellFlag::SolutionOrGiven))
        brush = out.Brush(hl ? s.SolutionFieldMarkColour : s.FarbeLoesungfeld, LightGrey);
    else
        brush = out.Brush(hl ? s.LetterFieldMarkColour : s.FarbeBuchstabenfeld, White);

    switch (FamilyOf(kind)) {
    case KindFamily::Sudoku: {
        if (o.Paint) p.fillRect(e.Rect(), brush);
        const int w = std::max(1, ctx.BoxWidth);
        const int h = std::max(1, ctx.BoxHeight);
        const auto line = [&](bool boundary) {
            return boundary ? QColor(Qt::black) : ToQColor(Grey, s.System);
        };
        DrawLine(p, e.L - 1, e.T - 1, e.R, e.T - 1, line((row - 1) % h == 0), 3);
        DrawLine(p, e.L - 1, e.T - 1, e.L - 1, e.B, line((col - 1) % w == 0), 3);
        DrawLine(p, e.L - 1, e.B, e.R, e.B, line(row % h == 0), 3);
        DrawLine(p, e.R, e.T - 1, e.R, e.B, line(col % w == 0), 3);
        break;
    }
    // Cells framed on their own; an unknown kind gets the fence's frame.
    case KindFamily::Fence:
    case KindFamily::WordSearch:
    case KindFamily::None:
        if (o.Paint) {
            const int width = IsWordSearch(kind) ? 1 : 2;
            p.fillRect(QRect(e.L - 1, e.T - 1, e.Width() + 1, e.Height() + 1), brush);
            DrawLine(p, e.L - 1, e.T - 1, e.R, e.T - 1, Qt::black, width);
            DrawLine(p, e.L - 1, e.B - 1, e.R, e.B - 1, Qt::black, width);
            DrawLine(p, e.L - 1, e.T - 1, e.L - 1, e.B, Qt::black, width);
            DrawLine(p, e.R - 1, e.T - 1, e.R - 1, e.B, Qt::black, width);
        }
        break;
    case KindFamily::Crossword:
    case KindFamily::NumberCode:
    case KindFamily::FillIn:
    case KindFamily::HeaderLines:
        if (o.Paint) p.fillRect(e.Rect(), brush);
        break;
    }

    p.setFont(EntryLetterFont(*ctx.Config, ctx.Target, e.Height() - 4));
    const Letter& entered = im.entry(col, row);
    const Letter& solution = cell.SolutionLetter;
    if (IsWordSearch(kind)) {
        e.R -= 1;
        e.B -= 1;
        if (out.Coloured()) {
            brush = out.Brush(s.FarbeBuchstabenfeld, White);
            if (ctx.ShowSolution && cell.isBlock()) brush = ToQColor(Grey, s.System);
            if (cell.has(CellFlag::PlayerMark)) brush = out.Brush(s.FarbeLoesungfeld, LightGrey);
            if (o.Selected) brush = ToQColor(Silver, s.System);
        } else {
            brush = Qt::white;
        }
        if (o.Paint) p.fillRect(e.Rect(), brush);
        p.setPen(out.Ink(WordSearchText));
        TextCentred(p, e, Text(cell.isBlock() ? entered.view() : solution.view()));
        return;
    }

    Colour ink = s.FehlerZeigen && solution.view() != entered.view() ? s.FarbeFalscheBuchstaben
                                                                     : s.FarbeBuchstaben;
    if (HasSolutionColourCells(kind) && cell.has(CellFlag::SolutionOrGiven))
        ink = s.FarbeLoesungswort;
    if (ctx.ShowSolution) {
        ink = !solution.empty() && solution.view() != entered.view() ? s.FarbeFehlendeBuchstaben
                                                                     : s.FarbeBuchstaben;
        p.setPen(out.Ink(ink));
        TextCentred(p, e, Text(solution.view()));
    } else {
        p.setPen(out.Ink(ink));
        TextCentred(p, e, Text(entered.view()));
        if (s.LoesungswortVorgeben && HasSolutionColourCells(kind) &&
            cell.has(CellFlag::SolutionOrGiven))
            TextCentred(p, e, Text(solution.view()));
        if (out.Screen() && col == ctx.CurrentCol && row == ctx.CurrentRow && o.Paint &&
            ctx.Enabled && ctx.Focused && !IsSudokuKind(kind))
            DrawInputMarker(p, e.Rect(), ctx.InputDirection, true, s.System);
    }
    PaintSmallNumbers(p, ctx, col, row, e, o);
}
} // namespace

QColor ToQColor(Colour colour, const SystemColours& system) {
    if (colour & 0x80000000u) {
        // The two 3-D frame colours are not part of the model's system table.
        if ((colour & 0xFFu) == (ButtonShadow & 0xFFu))
            colour = Grey;
        else if ((colour & 0xFFu) == (ButtonHighlight & 0xFFu))
            colour = White;
        else
            colour = system.Resolve(colour);
    }
    return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
            static_cast<int>((colour >> 16) & 0xFF)};
}

bool IsBlockDrawn(const PuzzleImage& im, int col, int row, bool showSolution) {
    const int kind = im.PuzzleKind;
    const CellRecord& cell = im.cell(col, row);
    switch (FamilyOf(kind)) {
    case KindFamily::Crossword:
    case KindFamily::NumberCode:
    case KindFamily::FillIn:
    case KindFamily::Fence:
        return cell.isBlock();
    case KindFamily::HeaderLines:
        if (HasPlacedBlocks(kind))
            return showSolution ? cell.isBlock() : cell.has(CellFlag::PlacedBlock);
        return cell.isBlock();
    // The word search's blocks hold its filler letters; the Sudoku has none.
    case KindFamily::WordSearch:
    case KindFamily::Sudoku:
    case KindFamily::None:
        return false;
    }
    return false;
}

QRect ComputeCellRect(const CellPaintContext& ctx, int col, int row) {
    const BoardGeometry& g = ctx.Grid;
    const int kind = ctx.Image->PuzzleKind;
    const int extra = IsFenceKind(kind) ? 0 : 1;
    const int left = g.Border + g.HeaderColWidth + (g.ColWidth + g.LineWidth) * (col - 1) + extra;
    const int top = g.Border + g.HeaderRowHeight + (g.RowHeight + g.LineWidth) * (row - 1) + extra;
    return {left, top, g.ColWidth, g.RowHeight};
}

void PaintCell(QPainter& painter, const CellPaintContext& ctx, int col, int row, QRect rect,
               const PaintCellOptions& options) {
    if (!ctx.Image || !ctx.Config) return;
    if (options.ComputeRect) rect = ComputeCellRect(ctx, col, row);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const Edges e = EdgesOf(rect);
    if (col == 0 || row == 0)
        PaintHeader(painter, ctx, col, row, e);
    else if (IsBlockDrawn(*ctx.Image, col, row, ctx.ShowSolution))
        PaintBlock(painter, ctx, col, row, e, options);
    else
        PaintLetterCell(painter, ctx, col, row, e, options);
    painter.restore();
}

void DrawLine(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& colour, int width) {
    width = std::max(1, width);
    const int before = width / 2;
    const int after = (width - 1) / 2;
    if (x1 == x2 || y1 == y2) {
        // The end point itself is not part of the line, the pen's thickness is.
        const int left = std::min(x1, x2), right = std::max(x1, x2);
        const int top = std::min(y1, y2), bottom = std::max(y1, y2);
        QRect r;
        if (y1 == y2)
            r = QRect(QPoint(left - before, top - before),
                      QPoint(std::max(left, right - 1) + after, top + after));
        else
            r = QRect(QPoint(left - before, top - before),
                      QPoint(left + after, std::max(top, bottom - 1) + after));
        painter.fillRect(r, colour);
        return;
    }
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(x1, y1, x2, y2);
    painter.restore();
}

void DrawInputMarker(QPainter& painter, const QRect& rect, int direction, bool focused,
                     const SystemColours& system) {
    const Edges e = EdgesOf(rect);
    const int L = e.L, T = e.T, R = e.R, B = e.B;
    if (focused) {
        const QColor c = ToQColor(SystemColour::Highlight, system);
        DrawLine(painter, L + 1, T + 1, R - 1, T + 1, c, 2);
        DrawLine(painter, R - 1, T + 1, R - 1, B - 1, c, 2);
        DrawLine(painter, R - 1, B - 1, L + 1, B - 1, c, 2);
        DrawLine(painter, L + 1, B - 1, L + 1, T, c, 2);
    } else {
        DrawLine(painter, L + 2, B - 7, L + 2, B - 4, Qt::black);
        DrawLine(painter, L + 2, B - 4, R - 4, B - 4, Qt::black);
        DrawLine(painter, R - 4, B - 4, R - 4, B - 7, Qt::black);
    }
    if (direction != 1 && direction != 2) return;
    const int x0 = direction == 1 ? R - 11 : L + (R - L - 9) / 2;
    const int y0 = direction == 1 ? T + (B - T - 9) / 2 : B - 11;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            // The down arrow is the across arrow mirrored at the diagonal.
            const char bit = direction == 1 ? AcrossArrow[y][x] : AcrossArrow[x][y];
            if (bit == '#') painter.fillRect(x0 + x, y0 + y, 1, 1, Qt::black);
        }
}

int PictureScaleMode(std::uint8_t imageFlags) {
    const bool width = (imageFlags & 4) != 0;
    const bool height = (imageFlags & 8) != 0;
    if (width && height) return 3;
    if (width) return 1;
    if (height) return 2;
    return 0;
}

QImage ScaleBoardPicture(const QImage& picture, std::uint8_t imageFlags, QSize box,
                         qreal devicePixelRatio) {
    if (picture.isNull() || box.isEmpty()) return {};
    const int mode = PictureScaleMode(imageFlags);
    if (mode == 0) return picture.copy(); // its own size, one picture pixel per logical pixel
    const QSize pixels = (QSizeF(box) * devicePixelRatio).toSize();
    QImage target(pixels, QImage::Format_RGB32);
    target.fill(Qt::white);
    ScalePicture(picture, target, mode == 1 ? pixels.width() : pixels.height(), mode);
    target.setDevicePixelRatio(devicePixelRatio);
    return target;
}

QFont EntryLetterFont(const Settings& settings, PaintTarget target, int printPixelSize) {
    QFont f(Text(settings.Schriftart));
    f.setBold(true);
    if (target == PaintTarget::Screen)
        f.setPointSize(std::max(1, settings.Schriftgroesse));
    else
        f.setPixelSize(std::max(1, printPixelSize));
    return f;
}

QImage PlaceBoardPicture(CellPaintContext& ctx, const PuzzleImage& image, const QImage& picture,
                         qreal devicePixelRatio) {
    if (!(image.ImageFlags & ImageFlag::HasPicture)) return {};
    const ::CellRect area = PictureArea(image);
    ctx.PictureFirstCol = area.Left;
    ctx.PictureFirstRow = area.Top;
    ctx.PictureLastCol = area.Right;
    ctx.PictureLastRow = area.Bottom;
    ctx.PictureStep =
        QSize(ctx.Grid.ColWidth + ctx.Grid.LineWidth, ctx.Grid.RowHeight + ctx.Grid.LineWidth);
    const QSize box((area.Right - area.Left + 1) * ctx.PictureStep.width(),
                    (area.Bottom - area.Top + 1) * ctx.PictureStep.height());
    return ScaleBoardPicture(picture, image.ImageFlags, box, devicePixelRatio);
}

void ApplyBoardLayout(GridLayout& layout, const PuzzleImage& image, const Settings& settings) {
    const int kind = image.PuzzleKind;
    layout.Background = ToQColor(settings.FarbeBuchstabenfeld, settings.System);
    layout.LineColour = layout.Background.rgb() == QColor(0xC0, 0xC0, 0xC0).rgb()
                            ? QColor(0x80, 0x80, 0x80)
                            : QColor(0xC0, 0xC0, 0xC0);
    layout.LineWidth = IsFenceKind(kind) ? 0 : 1;
    layout.RowCount = image.RowCount + 1;
    layout.ColCount = image.ColumnCount + 1;
    layout.DefaultColWidth = settings.Feldgroesse;
    layout.DefaultRowHeight = settings.Feldgroesse;
    layout.ResetSizes();
    const bool headers = HasHeaderNumbers(kind);
    layout.SetColWidth(0, headers ? settings.Feldgroesse : 0);
    layout.SetRowHeight(0, headers ? settings.Feldgroesse : 0);
}

BoardGeometry GeometryOf(const GridLayout& layout) {
    return {layout.Border,          layout.ColWidth(0),      layout.RowHeight(0),
            layout.DefaultColWidth, layout.DefaultRowHeight, layout.LineWidth};
}

QSize BoardGridSize(const PuzzleImage& image, int cellSize) {
    const int kind = image.PuzzleKind;
    const int lw = IsFenceKind(kind) ? 0 : 1;
    const int header = HasHeaderNumbers(kind) ? cellSize : 0;
    int w = header + image.ColumnCount * (cellSize + lw) + 2;
    int h = header + image.RowCount * (cellSize + lw) + 2;
    if (!IsFenceKind(kind)) {
        ++w;
        ++h;
    }
    return {w, h};
}

int PrintGrid(QPainter& painter, const QRect& area, const PrintGridInput& input) {
    CellPaintContext ctx = input.Context;
    const PuzzleImage& im = *ctx.Image;
    const int kind = im.PuzzleKind;
    painter.save();
    painter.fillRect(area, Qt::white);
    const int f = HasHeaderNumbers(kind) ? 0 : 1;
    Edges draw = EdgesOf(area);
    QFont label;
    label.setPixelSize(42); // 12 points in tenths of a millimetre
    painter.setFont(label);
    // The solution clue above its boxes is drawn in the legend's font: the
    // room kept for it is the larger of the two heights.
    QFont clueFont;
    clueFont.setPixelSize(std::max(1, input.LegendFontHeight));
    const int clueHeight = QFontMetrics(clueFont).height();
    const int mpHeight = std::max(QFontMetrics(label).height(), clueHeight);
    if (HasSolutionWord(kind)) {
        const int columns = std::max(1, im.ColumnCount - f);
        draw.B = draw.B - (area.width() / columns + 2) - mpHeight - 10;
    }
    int lw = IsFenceKind(kind) ? 0 : 1;
    if (IsFenceKind(kind) || !IsWordKind(kind)) ++lw;
    const int n = im.ColumnCount - f + 1;
    const int m = im.RowCount - f + 1;
    const int p = std::max(1, std::min((draw.Width() - (n + 1) * lw) / std::max(1, n),
                                       (draw.Height() - (m + 1) * lw) / std::max(1, m)));
    const QRect gridArea(draw.L, draw.T, n * p + 2, m * p + 2);
    painter.fillRect(gridArea, ToQColor(Silver, ctx.Config->System));

    QImage picture;
    if ((im.ImageFlags & ImageFlag::HasPicture) && input.PuzzlePicture) {
        const QSize box((ctx.PictureLastCol - ctx.PictureFirstCol + 1) * p,
                        (ctx.PictureLastRow - ctx.PictureFirstRow + 1) * p);
        picture = ScaleBoardPicture(*input.PuzzlePicture, im.ImageFlags, box);
        if (ctx.ColourMode == 1 && !picture.isNull()) {
            picture = picture.convertToFormat(QImage::Format_RGB32);
            MakeGreyscale(picture);
        }
    }
    ctx.Picture = &picture;
    ctx.PictureStep = QSize(p, p);
    ctx.Grid.LineWidth = lw;
    ctx.CurrentCol = ctx.CurrentRow = 0;
    const int o = IsFenceKind(kind) || IsWordSearch(kind) ? 3 : 2;
    PaintCellOptions options;
    options.NotHighlighted = true;
    for (int k = 0; k < m; ++k) {
        for (int j = 0; j < n; ++j) {
            const QRect r(QPoint(j * p + gridArea.left() + 2, k * p + gridArea.top() + 2),
                          QPoint(j * p + gridArea.left() + p + o - lw - 1,
                                 k * p + gridArea.top() + p + o - lw - 1));
            PaintCell(painter, ctx, j + f, k + f, r, options);
        }
    }
    QRect frame = gridArea;
    if (IsWordKind(kind)) frame.adjust(-1, -1, 1, 1);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));

    if (HasSolutionWord(kind) && input.DrawSolutionRow) {
        const int top = area.bottom() + 1 - p - lw;
        const QRect row(area.left(), top, static_cast<int>(im.SolutionWord.size()) * p,
                        area.bottom() + 1 - top);
        input.DrawSolutionRow(painter, row);
        painter.setFont(clueFont);
        painter.setPen(Qt::black);
        TextAt(painter, row.left(), row.top() - clueHeight - 4,
               Text(im.SolutionClue.view()) + QStringLiteral(":"));
    }
    painter.restore();
    return p;
}
