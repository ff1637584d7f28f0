// The player's display and behaviour settings, read from the module's settings
// block; changed at run time only in memory, never written back.
#pragma once

#include "IniList.h"

#include <cstdint>
#include <string>

struct PuzzleImage;

using Colour = std::uint32_t; // 0x00BBGGRR; top bit set: a system colour by its low byte

namespace SystemColour {
constexpr Colour Highlight = 0x8000000D;
constexpr Colour ButtonFace = 0x8000000F;
} // namespace SystemColour

// The current values of the system colours, by their index (the low byte of a
// system colour value). The UI fills them from its palette; the defaults are
// the usual light scheme, for tools that run without one.
struct SystemColours {
    Colour ScrollBar = 0xC8C8C8;               // 0
    Colour Background = 0x000000;              // 1, the desktop
    Colour ActiveCaption = 0xD1B499;           // 2
    Colour InactiveCaption = 0xDBCDBF;         // 3
    Colour Menu = 0xF0F0F0;                    // 4
    Colour Window = 0xFFFFFF;                  // 5
    Colour WindowFrame = 0x646464;             // 6
    Colour MenuText = 0x000000;                // 7
    Colour WindowText = 0x000000;              // 8
    Colour CaptionText = 0x000000;             // 9
    Colour ActiveBorder = 0xB4B4B4;            // 10
    Colour InactiveBorder = 0xFCF7F4;          // 11
    Colour AppWorkspace = 0xABABAB;            // 12
    Colour Highlight = 0xD77800;               // 13
    Colour HighlightText = 0xFFFFFF;           // 14
    Colour ButtonFace = 0xF0F0F0;              // 15
    Colour ButtonShadow = 0xA0A0A0;            // 16
    Colour GrayText = 0x6D6D6D;                // 17
    Colour ButtonText = 0x000000;              // 18
    Colour InactiveCaptionText = 0x000000;     // 19
    Colour ButtonHighlight = 0xFFFFFF;         // 20
    Colour DarkShadow = 0x696969;              // 21
    Colour Light = 0xE3E3E3;                   // 22
    Colour InfoText = 0x000000;                // 23
    Colour InfoBackground = 0xE1FFFF;          // 24
    Colour HotLight = 0xCC6600;                // 26
    Colour GradientActiveCaption = 0xEAD1B9;   // 27
    Colour GradientInactiveCaption = 0xF2E4D7; // 28
    Colour MenuHighlight = 0xFF9933;           // 29
    Colour MenuBar = 0xF0F0F0;                 // 30

    // A plain RGB value for any colour. A system index without a colour (25, or
    // above 30) gives the window text colour, so that nothing turns invisible.
    Colour Resolve(Colour c) const;
};

// Every system colour by its index; index 25 has none.
struct SystemColourSlot {
    int Index;
    Colour SystemColours::*Member;
};
extern const SystemColourSlot SystemColourSlots[30];

Colour BlendColours(Colour a, Colour b, const SystemColours& system);

struct PrintSettings {
    bool StretchToPage = false;
    int GridCellSize = 80; // tenths of a millimetre
    bool Portrait = false;
    bool OnePage = true;
    bool LegendRight = true;
    int ColourMode = 2;
    int MarginLeftRight = 200;
    int MarginTopBottom = 200;
    int LegendFontHeight = 40;
    int PrinterIndex = 0;
    int Copies = 1;
};

struct Settings {
    // Programm
    bool AuswahlAnzeigen = true;
    // Raetsel_Erstellen
    bool LoesungswortVorgeben = false;
    // Raetsel_Anzeige
    bool FehlerZeigen = true;
    bool LaengenZeigen = false;
    bool MoeglicheZahlenZeigen = false;
    bool HinweiseZeigen = true;
    bool AktuellenBegriffMarkieren = true;
    bool LegendeZeigen = true;
    bool LoesungswortZeigen = true;
    // Raetsel_Layout
    std::string Schriftart = "Arial"; // code page 1252
    std::int32_t Schriftgroesse = 12;
    std::int32_t Zahlengroesse = 12;
    std::int32_t Feldgroesse = 30;
    Colour FarbeMarkierung = 0xAAAAFF;
    Colour FarbeBuchstaben = 0x800000;
    Colour FarbeBuchstabenfeld = 0xFFFFFF;
    Colour FarbeLoesungswort = 0;
    Colour FarbeLoesungfeld = 0x00FFFF;
    Colour FarbeLeerfeld1 = 0;
    Colour FarbeLeerfeld2 = 0xC0C0C0;
    Colour FarbeFalscheBuchstaben = 0xFF00FF;
    Colour FarbeFehlendeBuchstaben = 0xFF0000;
    // Legende
    bool EinfacheLegende = true;
    bool BegriffeAusblenden = false;
    bool AutomatischMarkieren = true;

    // Derived colours.
    Colour LetterFieldMarkColour = 0xAAAAFF;
    Colour LetterFieldHighlightColour = SystemColour::Highlight;
    Colour SolutionFieldMarkColour = 0;
    Colour SolutionFieldHighlightColour = 0;
    Colour EmptyFieldHighlightColour = 0;

    PrintSettings Print;
    SystemColours System;
};

// Every default, the print settings included. FehlerZeigen follows the image's AllowedAids.
void SetDefaultSettings(Settings& s, const PuzzleImage& image);
// The defaults, then every key of the block in its fixed order; sizes clamped.
void LoadSettings(Settings& s, const TIniList& ini, const PuzzleImage& image);
// Holds the cell and font sizes to SizeLimit's ranges and the font name to
// its length.
void ClampSizes(Settings& s);

// One setting of the block, for tools that list them all.
struct SettingKey {
    const char* Section;
    const char* Key;
    enum Type { Bool, Int, Colour, Text } KeyType;
};
extern const SettingKey SettingKeys[25];

// Sizes from a settings block are held to these ranges, so that a damaged or
// hostile block can neither overflow the board's geometry nor hide the board.
namespace SizeLimit {
constexpr std::int32_t MinCell = 8, MaxCell = 200; // Feldgroesse, pixels
constexpr std::int32_t MinFont = 4, MaxFont = 200; // Schriftgroesse, Zahlengroesse, points
// Schriftart, characters: longer than any family name. A huge name would hold
// the font system's matching for a minute.
constexpr std::size_t MaxFontName = 64;
} // namespace SizeLimit
// The current value of a key as a number (bools 0/1); Schriftart is not a number.
std::int64_t SettingNumber(const Settings& s, const char* key);
