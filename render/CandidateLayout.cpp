#include "CandidateLayout.h"

#include "Sudoku.h"

#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <map>
#include <tuple>

namespace {
QString Symbol(int i) {
    return QString::fromStdString(SymbolText(i + 1));
}

// The widest and the tallest ink among the symbols.
QSize LargestInk(const QFont& font, int symbols) {
    QSize largest(0, 0);
    for (int i = 0; i < symbols; ++i) {
        const QRect ink = InkBox(font, Symbol(i));
        largest = largest.expandedTo(ink.size());
    }
    return largest;
}

// The ink all symbols share between them, relative to the baseline origin:
// placing this box keeps the symbols of one row on one baseline.
QRect CommonInk(const QFont& font, int symbols) {
    QRect common;
    for (int i = 0; i < symbols; ++i) common |= InkBox(font, Symbol(i));
    return common;
}

// Puts symbol i into `slot`: its ink centred across, the common ink centred
// down; then inside `inside`.
void Place(CandidateLayout& l, int i, const QRect& slot, const QRect& inside, const QRect& common) {
    const QRect ink = InkBox(l.Font, Symbol(i));
    const int baseline = slot.top() + (slot.height() - common.height()) / 2 - common.top();
    int x = slot.left() + (slot.width() - ink.width()) / 2;
    int y = baseline + ink.top();
    x = std::clamp(x, inside.left(), std::max(inside.left(), inside.right() + 1 - ink.width()));
    y = std::clamp(y, inside.top(), std::max(inside.top(), inside.bottom() + 1 - ink.height()));
    const auto at = static_cast<std::size_t>(i);
    l.Ink[at] = QRect(x, y, ink.width(), ink.height());
    l.Origin[at] = QPoint(x - ink.left(), y - ink.top());
}

// Below this pixel size outline glyphs blur into grey smudges; the small
// pixel glyphs stay legible.
constexpr int OutlineFromPixelSize = 8;

// The glyph as black and white pixels from its ink's top-left corner.
QImage InkMask(const QFont& font, const QString& text) {
    const QRect ink = InkBox(font, text);
    QImage mask(ink.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter p(&mask);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(-ink.topLeft(), text);
    return mask;
}

// Twelve symbols bring "B" beside "8": a size at which the two come out
// nearly alike is of no use. True when they differ in enough pixels.
bool TellsEightFromB(const QFont& font) {
    static QHash<QString, bool> cache;
    const auto found = cache.constFind(font.key());
    if (found != cache.constEnd()) return *found;
    const QImage eight = InkMask(font, QStringLiteral("8"));
    const QImage b = InkMask(font, QStringLiteral("B"));
    const int w = std::max(eight.width(), b.width());
    const int h = std::max(eight.height(), b.height());
    const auto dark = [](const QImage& m, int x, int y) {
        return x < m.width() && y < m.height() && qAlpha(m.pixel(x, y)) >= 128;
    };
    int differing = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) differing += dark(eight, x, y) != dark(b, x, y) ? 1 : 0;
    const bool apart = differing >= MinPixelsBetweenEightAndB;
    cache.insert(font.key(), apart);
    return apart;
}

// Whether a font serves the symbols of a puzzle of that many symbols.
bool Legible(const QFont& font, int symbols) {
    return symbols < 11 || TellsEightFromB(font);
}

QFont SizedFont(const QFont& base, int pixelSize) {
    QFont f = base;
    f.setPixelSize(pixelSize);
    return f;
}

// The plain grid: sub-cells of cell / box size from two pixels in, one pixel
// between neighbours. False when a symbol would not fit whole inside.
bool TryBoxGrid(CandidateLayout& l, QSize cell, int w, int h, int symbols, const QRect& inside) {
    const int sw = cell.width() / w;
    const int sh = cell.height() / h;
    if ((symbols + w - 1) / w > h) return false; // more rows than the box has
    const QRect common = CommonInk(l.Font, symbols);
    if (LargestInk(l.Font, symbols).width() > sw - 1 || common.height() > sh - 1) return false;
    if (!Legible(l.Font, symbols)) return false;
    for (int i = 0; i < symbols; ++i) {
        const QRect slot((i % w) * sw + CandidateInset, (i / w) * sh + CandidateInset, sw - 1,
                         sh - 1);
        Place(l, i, slot, inside, common);
        const QRect& placed = l.Ink[static_cast<std::size_t>(i)];
        if (!inside.contains(placed) || !slot.contains(placed)) return false;
    }
    return true;
}

// The free inside of the cell split into w columns and as many rows as the
// symbols need; the font shrinks until every symbol fits its slot, with a
// pixel between neighbours where there is room for one.
void SpreadInside(CandidateLayout& l, const QFont& base, int w, int symbols, const QRect& inside) {
    const int rows = (symbols + w - 1) / w;
    const auto column = [&](int k) { return inside.left() + k * inside.width() / w; };
    const auto row = [&](int k) { return inside.top() + k * inside.height() / rows; };
    const int slotW = inside.width() / w;
    const int slotH = inside.height() / rows;
    const int start = std::max(1, base.pixelSize());
    int chosen = 0;
    for (int gap : {1, 0}) {
        for (int size = start; size >= 1 && chosen == 0; --size) {
            const QFont f = SizedFont(base, size);
            if (LargestInk(f, symbols).width() <= slotW - gap &&
                CommonInk(f, symbols).height() <= slotH - gap && Legible(f, symbols))
                chosen = size;
        }
        if (chosen) break;
    }
    const QSize pixel(PixelGlyphWidth, PixelGlyphHeight);
    if (chosen < OutlineFromPixelSize && pixel.width() <= slotW - 1 && pixel.height() <= slotH) {
        l.PixelGlyphs = true;
        // Rows spread from the top to the bottom of the inside, so that what
        // little room there is goes between them.
        const int spare = inside.height() - rows * pixel.height();
        for (int i = 0; i < symbols; ++i) {
            const QRect slot(QPoint(column(i % w), row(i / w)),
                             QPoint(column(i % w + 1) - 1, row(i / w + 1) - 1));
            const int k = i / w;
            const int top = rows > 1 ? inside.top() + k * pixel.height() + k * spare / (rows - 1)
                                     : inside.top() + spare / 2;
            QRect ink(QPoint(slot.left() + (slot.width() - pixel.width()) / 2, top), pixel);
            ink.moveLeft(std::clamp(ink.left(), inside.left(), inside.right() + 1 - ink.width()));
            ink.moveTop(std::clamp(ink.top(), inside.top(), inside.bottom() + 1 - ink.height()));
            l.Ink[static_cast<std::size_t>(i)] = ink;
        }
        return;
    }
    l.Font = SizedFont(base, std::max(1, chosen));
    const QRect common = CommonInk(l.Font, symbols);
    for (int i = 0; i < symbols; ++i) {
        const QRect slot(QPoint(column(i % w), row(i / w)),
                         QPoint(column(i % w + 1) - 1, row(i / w + 1) - 1));
        Place(l, i, slot, inside, common);
    }
}
} // namespace

QRect InkBox(const QFont& font, const QString& text) {
    static QHash<QString, QRect> cache;
    const QString key = font.key() + QLatin1Char('\n') + text;
    const auto found = cache.constFind(key);
    if (found != cache.constEnd()) return *found;
    const QFontMetrics fm(font);
    const int pad = 4 + fm.height();
    QImage image(fm.horizontalAdvance(text) + 2 * pad, fm.height() + 2 * pad,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QPoint origin(pad, pad + fm.ascent());
    {
        QPainter p(&image);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(origin, text);
    }
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    const QRect ink =
        right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom)).translated(-origin);
    cache.insert(key, ink);
    return ink;
}

const CandidateLayout& LayOutCandidates(const QFont& base, QSize cell, int boxWidth, int boxHeight,
                                        int symbols) {
    static std::map<std::tuple<QString, int, int, int, int, int>, CandidateLayout> cache;
    const int w = std::max(1, boxWidth);
    const int h = std::max(1, boxHeight);
    symbols = std::clamp(symbols, 0, 12);
    const auto key = std::make_tuple(base.key(), cell.width(), cell.height(), w, h, symbols);
    const auto found = cache.find(key);
    if (found != cache.end()) return found->second;

    CandidateLayout l;
    l.Font = base;
    const QRect inside(CandidateInset, CandidateInset,
                       std::max(1, cell.width() - 2 * CandidateInset),
                       std::max(1, cell.height() - 2 * CandidateInset));
    l.BoxGrid = TryBoxGrid(l, cell, w, h, symbols, inside);
    if (!l.BoxGrid) SpreadInside(l, base, w, symbols, inside);
    return cache.emplace(key, l).first->second;
}

void DrawPixelSymbol(QPainter& painter, const QPoint& topLeft, int symbol, const QColor& colour) {
    // 3 x 5 pixels each for 1..9 and A..C; the "8" is round, so that the
    // square-backed "B" does not pass for it.
    static constexpr const char* Glyphs[12][PixelGlyphHeight] = {
        {".#.", "##.", ".#.", ".#.", "###"}, {"##.", "..#", ".#.", "#..", "###"},
        {"##.", "..#", ".#.", "..#", "##."}, {"#.#", "#.#", "###", "..#", "..#"},
        {"###", "#..", "##.", "..#", "##."}, {".##", "#..", "###", "#.#", "###"},
        {"###", "..#", ".#.", ".#.", ".#."}, {".#.", "#.#", ".#.", "#.#", ".#."},
        {"###", "#.#", "###", "..#", "##."}, {".#.", "#.#", "###", "#.#", "#.#"},
        {"##.", "#.#", "##.", "#.#", "##."}, {".##", "#..", "#..", "#..", ".##"}};
    if (symbol < 1 || symbol > 12) return;
    const auto& glyph = Glyphs[symbol - 1];
    for (int y = 0; y < PixelGlyphHeight; ++y)
        for (int x = 0; x < PixelGlyphWidth; ++x)
            if (glyph[y][x] == '#')
                painter.fillRect(topLeft.x() + x, topLeft.y() + y, 1, 1, colour);
}
