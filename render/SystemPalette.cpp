#include "SystemPalette.h"

#include <QGuiApplication>
#include <QPalette>

Colour ToColour(const QColor& c) {
    return static_cast<Colour>(c.red()) | static_cast<Colour>(c.green()) << 8 |
           static_cast<Colour>(c.blue()) << 16;
}

namespace {
struct PaletteSource {
    int Index;
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

// Where each system colour comes from in the widgets' palette.
constexpr PaletteSource Sources[] = {
    {0, QPalette::Active, QPalette::Midlight},         // scroll bar
    {1, QPalette::Active, QPalette::Dark},             // desktop
    {2, QPalette::Active, QPalette::Highlight},        // active caption
    {3, QPalette::Inactive, QPalette::Mid},            // inactive caption
    {4, QPalette::Active, QPalette::Window},           // menu
    {5, QPalette::Active, QPalette::Base},             // window
    {6, QPalette::Active, QPalette::Shadow},           // window frame
    {7, QPalette::Active, QPalette::WindowText},       // menu text
    {8, QPalette::Active, QPalette::Text},             // window text
    {9, QPalette::Active, QPalette::HighlightedText},  // caption text
    {10, QPalette::Active, QPalette::Button},          // active border
    {11, QPalette::Inactive, QPalette::Button},        // inactive border
    {12, QPalette::Active, QPalette::Dark},            // application workspace
    {13, QPalette::Active, QPalette::Highlight},       // highlight
    {14, QPalette::Active, QPalette::HighlightedText}, // highlighted text
    {15, QPalette::Active, QPalette::Button},          // button face
    {16, QPalette::Active, QPalette::Dark},            // button shadow
    {17, QPalette::Disabled, QPalette::Text},          // grey text
    {18, QPalette::Active, QPalette::ButtonText},      // button text
    {19, QPalette::Disabled, QPalette::WindowText},    // inactive caption text
    {20, QPalette::Active, QPalette::Light},           // button highlight
    {21, QPalette::Active, QPalette::Shadow},          // dark shadow
    {22, QPalette::Active, QPalette::Midlight},        // light
    {23, QPalette::Active, QPalette::ToolTipText},     // info text
    {24, QPalette::Active, QPalette::ToolTipBase},     // info background
    {26, QPalette::Active, QPalette::Link},            // hot-tracked item
    {27, QPalette::Active, QPalette::Highlight},       // caption gradient, active
    {28, QPalette::Inactive, QPalette::Mid},           // caption gradient, inactive
    {29, QPalette::Active, QPalette::Highlight},       // menu highlight
    {30, QPalette::Active, QPalette::Window},          // menu bar
};
} // namespace

SystemColours SystemColoursFromPalette() {
    return SystemColoursFrom(QGuiApplication::palette());
}

SystemColours SystemColoursFrom(const QPalette& palette) {
    SystemColours system;
    for (const SystemColourSlot& slot : SystemColourSlots) {
        for (const PaletteSource& source : Sources) {
            if (source.Index != slot.Index) continue;
            system.*slot.Member = ToColour(palette.color(source.Group, source.Role));
            break;
        }
    }
    return system;
}
