// The system colours the settings refer to, read from the application's palette.
#pragma once

#include "Settings.h"

#include <QColor>
#include <QPalette>

Colour ToColour(const QColor& c);
// Needs the application object: its palette is what the player shows.
SystemColours SystemColoursFromPalette();
// Every system colour index from the given palette.
SystemColours SystemColoursFrom(const QPalette& palette);
