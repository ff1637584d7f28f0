// Arbitrary bytes as an ipuz file (crossword or Sudoku), and the same wrapped
// as ipuz(...) after a byte order mark.
#include "ForeignImport.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto puzzle = std::make_unique<Puzzle>();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)ReadIpuzFile(*puzzle, bytes);
    if (size % 4 == 1)
        (void)ImportForeignPuzzle(*puzzle, "\xEF\xBB\xBFipuz(" + std::string(bytes) + ")");
    return 0;
}
