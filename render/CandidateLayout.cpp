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

// Puts the ink of symbol i centred into `slot`, then inside `inside`.
void Place(CandidateLayout& l, int i, const QRect& slot, const QRect& inside) {
    const QRect ink = InkBox(l.Font, Symbol(i));
    int x = slot.left() + (slot.width() - ink.width()) / 2;
    int y = slot.top() + (slot.height() - ink.height()) / 2;
    x = std::clamp(x, inside.left(), std::max(inside.left(), inside.right() + 1 - ink.width()));
    y = std::clamp(y, inside.top(), std::max(inside.top(), inside.bottom() + 1 - ink.height()));
    const auto at = static_cast<std::size_t>(i);
    l.Ink[at] = QRect(x, y, ink.width(), ink.height());
    l.Origin[at] = QPoint(x - ink.left(), y - ink.top());
}

// The plain grid: sub-cells of cell / box size from two pixels in, one pixel
// between neighbours. False when a symbol would not fit whole inside.
bool TryPartPositions(CandidateLayout& l, QSize cell, int w, int h, int symbols,
                      const QRect& inside) {
    const int sw = cell.width() / w;
    const int sh = cell.height() / h;
    if ((symbols + w - 1) / w > h) return false; // more rows than the box has
    const QSize ink = LargestInk(l.Font, symbols);
    if (ink.width() > sw - 1 || ink.height() > sh - 1) return false;
    for (int i = 0; i < symbols; ++i) {
        const QRect slot((i % w) * sw + CandidateInset, (i / w) * sh + CandidateInset, sw - 1,
                         sh - 1);
        Place(l, i, slot, inside);
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
            QFont f = base;
            f.setPixelSize(size);
            const QSize ink = LargestInk(f, symbols);
            if (ink.width() <= slotW - gap && ink.height() <= slotH - gap) chosen = size;
        }
        if (chosen) break;
    }
    l.Font = base;
    l.Font.setPixelSize(std::max(1, chosen));
    for (int i = 0; i < symbols; ++i) {
        const QRect slot(QPoint(column(i % w), row(i / w)),
                         QPoint(column(i % w + 1) - 1, row(i / w + 1) - 1));
        Place(l, i, slot, inside);
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
    l.PartPositions = TryPartPositions(l, cell, w, h, symbols, inside);
    if (!l.PartPositions) SpreadInside(l, base, w, symbols, inside);
    return cache.emplace(key, l).first->second;
}
