#include "SidePainter.h"

#include "CodeTable.h"
#include "Cp1252.h"
#include "SolutionEntry.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
using namespace PaintColours;

bool Screen(const SidePaintContext& ctx) {
    return ctx.Target == PaintTarget::Screen;
}
// The screen and colour prints show every colour; grey and line prints do not.
bool FullColour(const SidePaintContext& ctx) {
    return Screen(ctx) || ctx.ColourMode >= 2;
}
bool LinesOnly(const SidePaintContext& ctx) {
    return !Screen(ctx) && ctx.ColourMode <= 0;
}

QColor Qc(const SidePaintContext& ctx, Colour c) {
    return ToQColor(c, ctx.Config->System);
}

QString Text1252(char ch) {
    if (ch == '\0') return {};
    return QString::fromStdString(Cp1252ToUtf8(std::string_view(&ch, 1)));
}

// On paper the side windows' letters take two thirds of the cell.
QFont LetterFont(const SidePaintContext& ctx, int cellHeight) {
    return EntryLetterFont(*ctx.Config, ctx.Target, cellHeight * 2 / 3);
}

int MpHeight(const QFont& font) {
    return QFontMetrics(font).height();
}
} // namespace

QString CodeCellLetter(const SidePaintContext& ctx, int code) {
    if (ctx.LettersFromSolution) return Text1252(CodeLetterOf(*ctx.Image, code));
    return QString::fromStdString(Cp1252ToUtf8(CodeGuessOf(*ctx.Image, code)));
}

QColor CodeLetterColour(const SidePaintContext& ctx, int code) {
    const Settings& s = *ctx.Config;
    Colour ink = s.FarbeBuchstaben;
    if (FullColour(ctx)) {
        if (s.FehlerZeigen && CodeGuessWrong(*ctx.Image, code)) ink = s.FarbeFalscheBuchstaben;
        if (ctx.ShowSolution && CodeGuessMissing(*ctx.Image, code)) ink = s.FarbeFehlendeBuchstaben;
    }
    return Qc(ctx, ink);
}

void PaintCodeCell(QPainter& painter, const SidePaintContext& ctx, int col, int row, bool selected,
                   const QRect& rect) {
    if (!ctx.Image || !ctx.Config) return;
    const Settings& s = *ctx.Config;
    const int code = CodeAtTableCell(col, row);
    if (code < 0) return;
    const bool letterCell = IsCodeLetterColumn(col);
    QColor back;
    if (letterCell) {
        if (Screen(ctx) && selected)
            back = Qc(ctx, s.LetterFieldMarkColour);
        else
            back = Qc(ctx, FullColour(ctx) ? s.FarbeBuchstabenfeld : White);
    } else {
        back = Qc(ctx, FullColour(ctx)  ? SystemColour::ButtonFace
                       : LinesOnly(ctx) ? White
                                        : Silver);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // One unit beyond the cell on every side, so neighbours share their outline.
    const QRect box = rect.adjusted(-1, -1, 1, 1);
    painter.fillRect(box, back);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));

    QString text;
    if (letterCell) {
        painter.setFont(LetterFont(ctx, rect.height()));
        painter.setPen(CodeLetterColour(ctx, code));
        text = CodeCellLetter(ctx, code);
    } else {
        QFont f("Arial");
        f.setPixelSize(Screen(ctx) ? 14 : 32);
        painter.setFont(f);
        painter.setPen(Qt::black);
        text = QString::number(code);
    }
    painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip, text);
    if (letterCell && Screen(ctx) && selected) DrawInputMarker(painter, rect, 0, false, s.System);
    painter.restore();
}

QSize MeasureNumberLegendPrint(const QPainter& painter, const Settings& settings, int cellSize,
                               bool tall) {
    const int s = cellSize != 0 ? cellSize : settings.Feldgroesse;
    const int across = (tall ? CodeTable::Columns : CodeTable::Rows) * (s + 1);
    const int down = (tall ? CodeTable::Rows : CodeTable::Columns) * (s + 1);
    return {across, down + 2 * MpHeight(painter.font())};
}

void PrintNumberLegend(QPainter& painter, const SidePaintContext& ctx, const QRect& rect, bool tall,
                       bool fit) {
    if (!ctx.Image || !ctx.Config) return;
    painter.save();
    const QFont base = painter.font();
    const int title = 2 * MpHeight(base);
    int cell = ctx.Config->Feldgroesse;
    if (fit) {
        // Four cells with their lines span the narrow side, as measured; in
        // the wide layout the title takes its share of the height first.
        cell = (tall ? rect.width() : rect.height() - title) / CodeTable::Columns - 1;
    }
    cell = std::max(1, cell);
    const int f = cell + 1;

    QFont heading = base;
    heading.setBold(true);
    heading.setUnderline(true);
    painter.setFont(heading);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(QRect(rect.left() + 1, rect.top() + 1, std::max(1, rect.width()), title),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                     QStringLiteral("Legende:"));

    const int top = rect.top() + title;
    for (int g = 0; g < CodeTable::Columns; ++g) {
        for (int d = 0; d < CodeTable::Rows; ++d) {
            const int across = tall ? g : d;
            const int down = tall ? d : g;
            const QRect r(rect.left() + across * f, top + down * f, f, f);
            PaintCodeCell(painter, ctx, g, d, false, r);
        }
    }
    painter.restore();
}

QString SolutionCellLetter(const SidePaintContext& ctx, int index) {
    const char ch = ctx.ShowSolution ? SolutionLetterAt(*ctx.Image, index)
                                     : EnteredSolutionLetter(*ctx.Image, index);
    return ch == ' ' ? QString() : Text1252(ch);
}

QColor SolutionLetterColour(const SidePaintContext& ctx, int index) {
    const Settings& s = *ctx.Config;
    const PuzzleImage& im = *ctx.Image;
    Colour ink = s.FarbeLoesungswort;
    if (FullColour(ctx)) {
        if (ctx.ShowSolution && SolutionLetterWrong(im, index)) ink = s.FarbeFehlendeBuchstaben;
        const QString shown = SolutionCellLetter(ctx, index);
        if (s.FehlerZeigen && shown != Text1252(SolutionLetterAt(im, index)))
            ink = s.FarbeFalscheBuchstaben;
    }
    return Qc(ctx, ink);
}

void PaintSolutionCell(QPainter& painter, const SidePaintContext& ctx, int index, const QRect& rect,
                       const SolutionCellState& state) {
    if (!ctx.Image || !ctx.Config) return;
    const Settings& s = *ctx.Config;
    const PuzzleImage& im = *ctx.Image;
    QColor back;
    if (Screen(ctx) && state.Marked)
        back = Qc(ctx, s.SolutionFieldMarkColour);
    else if (LinesOnly(ctx))
        back = Qt::white;
    else
        back = Qc(ctx, FullColour(ctx) ? s.FarbeLoesungfeld : LightGrey);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QRect r = rect;
    if (state.Fill) {
        painter.fillRect(r, back);
    } else {
        // Paper: an outlined box two units larger, moved two units right; the
        // letter area keeps the move.
        const QRect box = r.adjusted(-2, -2, 2, 2).translated(2, 0);
        painter.fillRect(box, back);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        r.translate(2, 0);
    }
    if (im.ImageFlags & ImageFlag::SolutionPositions) {
        QFont f("Arial");
        const int z = s.Zahlengroesse;
        f.setPixelSize(std::max(1, Screen(ctx) ? z : static_cast<int>(std::lround(z * 2.2))));
        painter.setFont(f);
        painter.setPen(Qt::black);
        painter.drawText(QRect(r.left() + 1, r.top(), r.width(), r.height()),
                         Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine | Qt::TextDontClip,
                         QString::number(index + 1));
    }
    painter.setFont(LetterFont(ctx, r.height()));
    painter.setPen(SolutionLetterColour(ctx, index));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(r, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip,
                     SolutionCellLetter(ctx, index));
    if (Screen(ctx) && state.InputMarker) DrawInputMarker(painter, r, 1, false, s.System);
    painter.restore();
}

void PrintSolutionRow(QPainter& painter, const SidePaintContext& ctx, const QRect& rect) {
    if (!ctx.Image || !ctx.Config) return;
    const int h = rect.height();
    SolutionCellState state;
    state.Fill = false;
    for (int b = 0; b < SolutionWordLength(*ctx.Image); ++b)
        PaintSolutionCell(painter, ctx, b, QRect(rect.left() + h * b, rect.top(), h, h), state);
}
