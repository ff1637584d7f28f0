// Arbitrary settings text through the reader and every key.
#include "IniList.h"
#include "PuzzleImage.h"
#include "Settings.h"

#include <cstdint>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto puzzle = [] {
        auto p = std::make_unique<Puzzle>();
        ResetPuzzleImage(*p);
        return p;
    }();
    TIniList ini;
    ini.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    Settings s;
    LoadSettings(s, ini, puzzle->Image);
    std::int64_t v = 0;
    (void)ParseInteger(std::string_view(reinterpret_cast<const char*>(data), size), v);
    return 0;
}
