// Arbitrary settings text, with arbitrary system colours, to the colours the
// cells are painted with.
#include "CellPainter.h"
#include "IniList.h"
#include "PuzzleImage.h"
#include "Settings.h"

#include <QColor>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

namespace {
Colour TakeColour(const std::uint8_t*& data, std::size_t& size) {
    Colour c = 0;
    const std::size_t n = size < sizeof c ? size : sizeof c;
    if (n > 0) std::memcpy(&c, data, n);
    data += n;
    size -= n;
    return c & 0xFFFFFFu; // the palette gives plain RGB values
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto puzzle = [] {
        auto p = std::make_unique<Puzzle>();
        ResetPuzzleImage(*p);
        return p;
    }();
    Settings s;
    s.System.Highlight = TakeColour(data, size);
    s.System.ButtonFace = TakeColour(data, size);
    s.System.Window = TakeColour(data, size);
    s.System.WindowText = TakeColour(data, size);
    TIniList ini;
    ini.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    LoadSettings(s, ini, puzzle->Image);
    const Colour colours[] = {s.FarbeMarkierung,
                              s.FarbeBuchstaben,
                              s.FarbeBuchstabenfeld,
                              s.FarbeLoesungswort,
                              s.FarbeLoesungfeld,
                              s.FarbeLeerfeld1,
                              s.FarbeLeerfeld2,
                              s.FarbeFalscheBuchstaben,
                              s.FarbeFehlendeBuchstaben,
                              s.LetterFieldMarkColour,
                              s.LetterFieldHighlightColour,
                              s.SolutionFieldMarkColour,
                              s.SolutionFieldHighlightColour,
                              s.EmptyFieldHighlightColour};
    // Every colour, plain or system, ends as a valid 24-bit value.
    for (Colour a : colours) {
        if (!ToQColor(a, s.System).isValid() || s.System.Resolve(a) > 0xFFFFFFu) __builtin_trap();
        for (Colour b : colours)
            if (BlendColours(a, b, s.System) > 0xFFFFFFu) __builtin_trap();
    }
    return 0;
}
