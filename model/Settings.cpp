#include "Settings.h"

#include "PuzzleImage.h"

#include <algorithm>
#include <cstring>
#include <variant>

const SystemColourSlot SystemColourSlots[30] = {
    {0, &SystemColours::ScrollBar},
    {1, &SystemColours::Background},
    {2, &SystemColours::ActiveCaption},
    {3, &SystemColours::InactiveCaption},
    {4, &SystemColours::Menu},
    {5, &SystemColours::Window},
    {6, &SystemColours::WindowFrame},
    {7, &SystemColours::MenuText},
    {8, &SystemColours::WindowText},
    {9, &SystemColours::CaptionText},
    {10, &SystemColours::ActiveBorder},
    {11, &SystemColours::InactiveBorder},
    {12, &SystemColours::AppWorkspace},
    {13, &SystemColours::Highlight},
    {14, &SystemColours::HighlightText},
    {15, &SystemColours::ButtonFace},
    {16, &SystemColours::ButtonShadow},
    {17, &SystemColours::GrayText},
    {18, &SystemColours::ButtonText},
    {19, &SystemColours::InactiveCaptionText},
    {20, &SystemColours::ButtonHighlight},
    {21, &SystemColours::DarkShadow},
    {22, &SystemColours::Light},
    {23, &SystemColours::InfoText},
    {24, &SystemColours::InfoBackground},
    {26, &SystemColours::HotLight},
    {27, &SystemColours::GradientActiveCaption},
    {28, &SystemColours::GradientInactiveCaption},
    {29, &SystemColours::MenuHighlight},
    {30, &SystemColours::MenuBar},
};

Colour SystemColours::Resolve(Colour c) const {
    if ((c & 0x80000000u) == 0) return c & 0xFFFFFFu;
    const int index = static_cast<int>(c & 0xFFu);
    for (const SystemColourSlot& slot : SystemColourSlots)
        if (slot.Index == index) return this->*slot.Member & 0xFFFFFFu;
    return WindowText & 0xFFFFFFu;
}

Colour BlendColours(Colour a, Colour b, const SystemColours& system) {
    const Colour x = system.Resolve(a);
    const Colour y = system.Resolve(b);
    Colour result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const Colour sum = ((x >> shift) & 0xFFu) + ((y >> shift) & 0xFFu);
        result |= (sum / 2) << shift;
    }
    return result;
}

namespace {
using Member = std::variant<bool Settings::*, std::int32_t Settings::*, Colour Settings::*,
                            std::string Settings::*>;

struct KeyBinding {
    SettingKey Key;
    Member Field;
};

// The keys in the order they are read.
const KeyBinding Bindings[25] = {
    {{"Programm", "AuswahlAnzeigen", SettingKey::Bool}, &Settings::AuswahlAnzeigen},
    {{"Raetsel_Erstellen", "LoesungswortVorgeben", SettingKey::Bool},
     &Settings::LoesungswortVorgeben},
    {{"Raetsel_Anzeige", "FehlerZeigen", SettingKey::Bool}, &Settings::FehlerZeigen},
    {{"Raetsel_Anzeige", "LaengenZeigen", SettingKey::Bool}, &Settings::LaengenZeigen},
    {{"Raetsel_Anzeige", "MoeglicheZahlenZeigen", SettingKey::Bool},
     &Settings::MoeglicheZahlenZeigen},
    {{"Raetsel_Anzeige", "HinweiseZeigen", SettingKey::Bool}, &Settings::HinweiseZeigen},
    {{"Raetsel_Anzeige", "AktuellenBegriffMarkieren", SettingKey::Bool},
     &Settings::AktuellenBegriffMarkieren},
    {{"Raetsel_Anzeige", "LegendeZeigen", SettingKey::Bool}, &Settings::LegendeZeigen},
    {{"Raetsel_Anzeige", "LoesungswortZeigen", SettingKey::Bool}, &Settings::LoesungswortZeigen},
    {{"Raetsel_Layout", "Schriftart", SettingKey::Text}, &Settings::Schriftart},
    {{"Raetsel_Layout", "Schriftgroesse", SettingKey::Int}, &Settings::Schriftgroesse},
    {{"Raetsel_Layout", "Zahlengroesse", SettingKey::Int}, &Settings::Zahlengroesse},
    {{"Raetsel_Layout", "Feldgroesse", SettingKey::Int}, &Settings::Feldgroesse},
    {{"Raetsel_Layout", "FarbeMarkierung", SettingKey::Colour}, &Settings::FarbeMarkierung},
    {{"Raetsel_Layout", "FarbeBuchstaben", SettingKey::Colour}, &Settings::FarbeBuchstaben},
    {{"Raetsel_Layout", "FarbeBuchstabenfeld", SettingKey::Colour}, &Settings::FarbeBuchstabenfeld},
    {{"Raetsel_Layout", "FarbeLoesungswort", SettingKey::Colour}, &Settings::FarbeLoesungswort},
    {{"Raetsel_Layout", "FarbeLoesungfeld", SettingKey::Colour}, &Settings::FarbeLoesungfeld},
    {{"Raetsel_Layout", "FarbeLeerfeld1", SettingKey::Colour}, &Settings::FarbeLeerfeld1},
    {{"Raetsel_Layout", "FarbeLeerfeld2", SettingKey::Colour}, &Settings::FarbeLeerfeld2},
    {{"Raetsel_Layout", "FarbeFalscheBuchstaben", SettingKey::Colour},
     &Settings::FarbeFalscheBuchstaben},
    {{"Raetsel_Layout", "FarbeFehlendeBuchstaben", SettingKey::Colour},
     &Settings::FarbeFehlendeBuchstaben},
    {{"Legende", "EinfacheLegende", SettingKey::Bool}, &Settings::EinfacheLegende},
    {{"Legende", "BegriffeAusblenden", SettingKey::Bool}, &Settings::BegriffeAusblenden},
    {{"Legende", "AutomatischMarkieren", SettingKey::Bool}, &Settings::AutomatischMarkieren},
};

template <class... F> struct Overload : F... { using F::operator()...; };
template <class... F> Overload(F...) -> Overload<F...>;

void ReadKey(Settings& s, const TIniList& ini, const KeyBinding& b) {
    const char* sec = b.Key.Section;
    const char* key = b.Key.Key;
    std::visit(Overload{
                   [&](bool Settings::*m) { s.*m = ini.ReadBool(sec, key, s.*m); },
                   [&](std::int32_t Settings::*m) {
                       s.*m = static_cast<std::int32_t>(ini.ReadInteger(sec, key, s.*m));
                   },
                   [&](Colour Settings::*m) {
                       s.*m = static_cast<Colour>(ini.ReadInteger(sec, key, s.*m));
                   },
                   [&](std::string Settings::*m) { s.*m = ini.ReadString(sec, key, s.*m); },
               },
               b.Field);
}

// The derived colours are computed right after the colours they depend on.
void DeriveAfter(Settings& s, const char* key) {
    const auto blend = [&](Colour a, Colour b) { return BlendColours(a, b, s.System); };
    if (std::strcmp(key, "FarbeBuchstabenfeld") == 0) {
        s.LetterFieldMarkColour = blend(s.FarbeBuchstabenfeld, s.FarbeMarkierung);
        s.LetterFieldHighlightColour = blend(s.FarbeBuchstabenfeld, SystemColour::Highlight);
    } else if (std::strcmp(key, "FarbeLoesungfeld") == 0) {
        s.SolutionFieldMarkColour = blend(s.FarbeLoesungfeld, s.FarbeMarkierung);
        s.SolutionFieldHighlightColour = blend(s.FarbeLoesungfeld, SystemColour::Highlight);
    } else if (std::strcmp(key, "FarbeLeerfeld2") == 0) {
        s.EmptyFieldHighlightColour = blend(s.FarbeLeerfeld1, SystemColour::Highlight);
    }
}
} // namespace

void ClampSizes(Settings& s) {
    s.Feldgroesse = std::clamp(s.Feldgroesse, SizeLimit::MinCell, SizeLimit::MaxCell);
    s.Schriftgroesse = std::clamp(s.Schriftgroesse, SizeLimit::MinFont, SizeLimit::MaxFont);
    s.Zahlengroesse = std::clamp(s.Zahlengroesse, SizeLimit::MinFont, SizeLimit::MaxFont);
    if (s.Schriftart.size() > SizeLimit::MaxFontName) s.Schriftart.resize(SizeLimit::MaxFontName);
}

const SettingKey SettingKeys[25] = {
#define K(i) Bindings[i].Key
    K(0),  K(1),  K(2),  K(3),  K(4),  K(5),  K(6),  K(7),  K(8),  K(9),  K(10), K(11), K(12),
    K(13), K(14), K(15), K(16), K(17), K(18), K(19), K(20), K(21), K(22), K(23), K(24),
#undef K
};

void SetDefaultSettings(Settings& s, const PuzzleImage& image) {
    const SystemColours system = s.System;
    s = Settings{};
    s.System = system;
    s.FehlerZeigen = (image.AllowedAids & AidFlag::MarkWrong) != 0;
    s.LetterFieldMarkColour = s.FarbeMarkierung;
    s.LetterFieldHighlightColour = SystemColour::Highlight;
    s.SolutionFieldMarkColour = BlendColours(0x00FFFF, 0xAAAAFF, system);
    s.SolutionFieldHighlightColour = BlendColours(0x00FFFF, SystemColour::Highlight, system);
    s.EmptyFieldHighlightColour = BlendColours(0, SystemColour::Highlight, system);
}

void LoadSettings(Settings& s, const TIniList& ini, const PuzzleImage& image) {
    SetDefaultSettings(s, image);
    for (const KeyBinding& b : Bindings) {
        ReadKey(s, ini, b);
        DeriveAfter(s, b.Key.Key);
    }
    ClampSizes(s);
}

std::int64_t SettingNumber(const Settings& s, const char* key) {
    for (const KeyBinding& b : Bindings) {
        if (std::strcmp(b.Key.Key, key) != 0) continue;
        return std::visit(Overload{
                              [&](bool Settings::*m) -> std::int64_t { return s.*m ? 1 : 0; },
                              [&](std::int32_t Settings::*m) -> std::int64_t { return s.*m; },
                              [&](Colour Settings::*m) -> std::int64_t { return s.*m; },
                              [&](std::string Settings::*) -> std::int64_t { return 0; },
                          },
                          b.Field);
    }
    return 0;
}
