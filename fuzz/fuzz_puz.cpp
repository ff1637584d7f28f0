// Arbitrary bytes as an Across Lite file, read without and with a key, and as a
// puzzle file whatever it is called.
#include "Container.h"
#include "ForeignImport.h"

#include <QImage>

#include <cstdint>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto puzzle = std::make_unique<Puzzle>();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)ReadPuzFile(*puzzle, bytes);
    // A key drawn from the input, so that unlocking runs over every shape.
    const int key = size > 1 ? (data[0] | data[size - 1] << 8) % 10000 : 1234;
    (void)ReadPuzFile(*puzzle, bytes, key);
    QImage picture;
    ImportOutcome foreign;
    (void)LoadAnyPuzzleFromBytes(*puzzle, picture, bytes, false, foreign, key);
    return 0;
}
