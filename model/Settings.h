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

// The current values of the system colours; the UI fills them from its palette.
struct SystemColours {
    Colour Highlight = 0xD77800;  // index 13
    Colour ButtonFace = 0xF0F0F0; // index 15
    Colour Window = 0xFFFFFF;     // index 5
    Colour WindowText = 0x000000; // index 8

    // A plain RGB value for any colour; unknown system indexes give black.
    Colour Resolve(Colour c) const;
};

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
// The defaults, then every key of the block in its fixed order.
void LoadSettings(Settings& s, const TIniList& ini, const PuzzleImage& image);

// One setting of the block, for tools that list them all.
struct SettingKey {
    const char* Section;
    const char* Key;
    enum Type { Bool, Int, Colour, Text } KeyType;
};
extern const SettingKey SettingKeys[25];
// The current value of a key as a number (bools 0/1); Schriftart is not a number.
std::int64_t SettingNumber(const Settings& s, const char* key);
