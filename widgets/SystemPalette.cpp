#include "SystemPalette.h"

#include <QApplication>
#include <QPalette>

Colour ToColour(const QColor& c) {
    return static_cast<Colour>(c.red()) | static_cast<Colour>(c.green()) << 8 |
           static_cast<Colour>(c.blue()) << 16;
}

SystemColours SystemColoursFromPalette() {
    const QPalette pal = QApplication::palette();
    SystemColours system;
    system.Highlight = ToColour(pal.color(QPalette::Highlight));
    system.ButtonFace = ToColour(pal.color(QPalette::Button));
    system.Window = ToColour(pal.color(QPalette::Base));
    system.WindowText = ToColour(pal.color(QPalette::Text));
    return system;
}
