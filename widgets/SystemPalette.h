// The system colours the settings refer to, read from the application's palette.
#pragma once

#include "Settings.h"

#include <QColor>

Colour ToColour(const QColor& c);
// Needs a QApplication: the widgets' palette is what the player shows.
SystemColours SystemColoursFromPalette();
