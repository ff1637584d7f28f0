#include "Glyphs.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {
QPixmap Canvas(int w, int h) {
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    return pm;
}

void DrawExit(QPainter& p) {
    // An open door with an arrow leaving it.
    p.setPen(QPen(QColor(60, 40, 20), 1));
    p.setBrush(QColor(150, 100, 50));
    p.drawRect(3, 2, 9, 16);
    p.setBrush(QColor(90, 60, 30));
    p.drawPolygon(QPolygon({{3, 2}, {8, 4}, {8, 19}, {3, 18}}));
    p.setPen(QPen(QColor(200, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(11, 10, 18, 10);
    p.drawLine(15, 7, 18, 10);
    p.drawLine(15, 13, 18, 10);
}

void DrawPrint(QPainter& p) {
    p.setPen(QPen(QColor(50, 50, 50), 1));
    p.setBrush(Qt::white);
    p.drawRect(5, 1, 10, 7);
    p.setBrush(QColor(170, 170, 180));
    p.drawRoundedRect(QRectF(1.5, 7.5, 17, 7), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(5, 12, 10, 6);
    p.setPen(QColor(90, 90, 90));
    p.drawLine(7, 14, 13, 14);
    p.drawLine(7, 16, 12, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 170, 40));
    p.drawRect(15, 9, 2, 1);
}

void DrawPuzzleInfo(QPainter& p) {
    // A small grid sheet with an "i".
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(1, 1, 13, 13);
    p.setPen(QColor(150, 150, 150));
    for (int i = 1; i < 3; ++i) {
        p.drawLine(1 + i * 13 / 3, 2, 1 + i * 13 / 3, 13);
        p.drawLine(2, 1 + i * 13 / 3, 13, 1 + i * 13 / 3);
    }
    p.setPen(QPen(QColor(20, 40, 140), 1));
    p.setBrush(QColor(40, 90, 200));
    p.drawEllipse(QRectF(9.5, 9.5, 9, 9));
    p.setPen(QPen(Qt::white, 1.6));
    p.drawLine(QPointF(14, 13.2), QPointF(14, 16.8));
    p.drawPoint(QPointF(14, 11.6));
}

void DrawUndo(QPainter& p) {
    p.setPen(QPen(QColor(30, 70, 170), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(5, 8);
    arc.cubicTo(9, 3, 18, 5, 16, 12);
    arc.cubicTo(15, 16, 11, 17, 8, 16);
    p.drawPath(arc);
    p.setBrush(QColor(30, 70, 170));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(2, 3), QPointF(9, 5), QPointF(3, 11)}));
}

// The undo arrow mirrored: forward again.
void DrawRedo(QPainter& p) {
    p.translate(20, 0);
    p.scale(-1, 1);
    DrawUndo(p);
}

void DrawOpen(QPainter& p) {
    // An opened folder: its back with the tab, the front flap tilted forward.
    p.setPen(QPen(QColor(120, 90, 20), 1));
    p.setBrush(QColor(230, 190, 80));
    p.drawPolygon(QPolygon({{2, 4}, {8, 4}, {10, 6}, {16, 6}, {16, 16}, {2, 16}}));
    p.setBrush(QColor(250, 220, 120));
    p.drawPolygon(QPolygon({{5, 9}, {19, 9}, {16, 16}, {2, 16}}));
}

void DrawReset(QPainter& p) {
    // An eraser over a letter line.
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.drawLine(2, 18, 18, 18);
    p.setBrush(QColor(230, 120, 140));
    p.drawPolygon(QPolygon({{3, 12}, {11, 4}, {17, 10}, {9, 18}}));
    p.setBrush(QColor(80, 120, 220));
    p.drawPolygon(QPolygon({{3, 12}, {7, 8}, {13, 14}, {9, 18}}));
}

void DrawProgramInfo(QPainter& p) {
    // A question mark drawn as strokes: the glyphs need no font at start-up.
    p.setPen(QPen(QColor(20, 60, 20), 1));
    p.setBrush(QColor(250, 220, 60));
    p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
    QPainterPath hook;
    hook.moveTo(7, 7.5);
    hook.cubicTo(7, 4, 13, 4, 13, 7.5);
    hook.cubicTo(13, 10, 10, 10, 10, 12.5);
    p.setPen(QPen(QColor(40, 40, 40), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QPointF(10, 15.5), 1.3, 1.3);
}
} // namespace

QPixmap ToolPixmap(ToolGlyph glyph) {
    QPixmap pm = Canvas(20, 20);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (glyph) {
    case ToolGlyph::Exit:
        DrawExit(p);
        break;
    case ToolGlyph::Print:
        DrawPrint(p);
        break;
    case ToolGlyph::PuzzleInfo:
        DrawPuzzleInfo(p);
        break;
    case ToolGlyph::Open:
        DrawOpen(p);
        break;
    case ToolGlyph::Undo:
        DrawUndo(p);
        break;
    case ToolGlyph::Redo:
        DrawRedo(p);
        break;
    case ToolGlyph::Reset:
        DrawReset(p);
        break;
    case ToolGlyph::ProgramInfo:
        DrawProgramInfo(p);
        break;
    }
    return pm;
}

QPixmap Greyed(const QPixmap& pixmap) {
    QImage img = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int a = qAlpha(line[x]);
            if (a == 0) continue;
            const int g = 140 + qGray(line[x]) / 3;
            line[x] = qRgba(g, g, g, a);
        }
    }
    return QPixmap::fromImage(img);
}

QIcon ToolIcon(ToolGlyph glyph) {
    const QPixmap normal = ToolPixmap(glyph);
    QIcon icon;
    icon.addPixmap(normal, QIcon::Normal);
    icon.addPixmap(normal, QIcon::Active);
    icon.addPixmap(Greyed(normal), QIcon::Disabled);
    return icon;
}

QPixmap AppIconPixmap(int size) {
    QPixmap pm = Canvas(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 32.0;
    p.scale(s, s);
    p.setPen(QPen(QColor(30, 30, 80), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(2, 2, 28, 28), 3, 3);
    p.setPen(QPen(QColor(120, 120, 150), 1));
    for (int i = 1; i < 4; ++i) {
        p.drawLine(QPointF(2 + i * 7, 3), QPointF(2 + i * 7, 29));
        p.drawLine(QPointF(3, 2 + i * 7), QPointF(29, 2 + i * 7));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 80));
    p.drawRect(QRectF(9.5, 2.5, 6.5, 6.5));
    p.drawRect(QRectF(23.5, 16.5, 6, 6.5));
    // A red "Z" in one cell and a "V" in another, drawn as strokes.
    p.setPen(QPen(QColor(200, 20, 20), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF(
        {QPointF(17.5, 10.5), QPointF(21.5, 10.5), QPointF(17.5, 14.5), QPointF(21.5, 14.5)}));
    p.drawPolyline(QPolygonF({QPointF(3.5, 17.5), QPointF(5.5, 21.5), QPointF(7.5, 17.5)}));
    return pm;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 48}) icon.addPixmap(AppIconPixmap(size));
    return icon;
}

QPixmap ErrorSymbol() {
    QPixmap pm = Canvas(32, 32);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 0, 0), 1));
    p.setBrush(QColor(215, 30, 30));
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(10, 10, 22, 22);
    p.drawLine(22, 10, 10, 22);
    return pm;
}

QPixmap OkSymbol() {
    QPixmap pm = Canvas(32, 32);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 90, 0), 1));
    p.setBrush(QColor(40, 160, 40));
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygon({{9, 16}, {14, 21}, {23, 10}}));
    return pm;
}

QPixmap LanguageFlag(int language) {
    if (language < 1 || language > 4) return {};
    QPixmap pm = Canvas(16, 16);
    QPainter p(&pm);
    const QRect r(0, 3, 16, 11);
    switch (language) {
    case 1: // black, red, gold
        p.fillRect(0, 3, 16, 4, Qt::black);
        p.fillRect(0, 7, 16, 3, QColor(221, 0, 0));
        p.fillRect(0, 10, 16, 4, QColor(255, 206, 0));
        break;
    case 2: // blue field, white and red cross
        p.fillRect(r, QColor(1, 33, 105));
        p.fillRect(0, 7, 16, 3, Qt::white);
        p.fillRect(6, 3, 4, 11, Qt::white);
        p.fillRect(0, 8, 16, 1, QColor(200, 16, 46));
        p.fillRect(7, 3, 2, 11, QColor(200, 16, 46));
        break;
    case 3: // blue, white, red upright
        p.fillRect(0, 3, 5, 11, QColor(0, 35, 149));
        p.fillRect(5, 3, 6, 11, Qt::white);
        p.fillRect(11, 3, 5, 11, QColor(237, 41, 57));
        break;
    case 4: // red, wide yellow, red
        p.fillRect(0, 3, 16, 3, QColor(198, 11, 30));
        p.fillRect(0, 6, 16, 5, QColor(255, 196, 0));
        p.fillRect(0, 11, 16, 3, QColor(198, 11, 30));
        break;
    }
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    return pm;
}

QPixmap MakerLogo() {
    QPixmap pm = Canvas(44, 24);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 44, 24);
    g.setColorAt(0, QColor(30, 60, 150));
    g.setColorAt(1, QColor(10, 20, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 43, 23), 4, 4);
    QFont f("Liberation Sans");
    f.setPixelSize(12);
    f.setBold(true);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 44, 24), Qt::AlignCenter, "Velmar");
    return pm;
}
