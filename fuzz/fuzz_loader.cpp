// Arbitrary bytes as a puzzle file and as the module block behind a player,
// read from memory as the loaders read every file.
#include "Container.h"
#include "Settings.h"

#include <QImage>

#include <cstdint>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto puzzle = std::make_unique<Puzzle>();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    QImage picture;
    (void)LoadPuzzleFileFromBytes(*puzzle, picture, bytes);
    Settings settings;
    SetDefaultSettings(settings, puzzle->Image);
    // Now and then as if the source went on beyond the limit.
    (void)LoadModuleFromBytes(*puzzle, settings, picture, bytes, size % 8 == 1);
    return 0;
}
