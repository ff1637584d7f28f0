#include "KindTraits.h"

#include <array>

namespace {
std::array<KindTraits, 16> MakeTable() {
    std::array<KindTraits, 16> t{};
    for (int k = 0; k < 16; ++k) {
        KindTraits& x = t[static_cast<std::size_t>(k)];
        x.Known = k != 13;
        x.SolutionWord = k % 2 == 1 && k < 14;
        x.Crossword = k == 0 || k == 1;
        x.NumberCode = k == 2 || k == 3;
        x.FillIn = k == 4 || k == 5;
        x.Fence = k == 6 || k == 7;
        x.HeaderNumbers = k >= 8 && k <= 11;
        x.PlacedBlocks = k == 10 || k == 11;
        x.WordSearch = k == 12;
        x.Sudoku = k == 14 || k == 15;
        x.Snapshots = k == 14;
        x.Timed = k == 15;
    }
    return t;
}
} // namespace

const KindTraits& Traits(int kind) {
    static const std::array<KindTraits, 16> table = MakeTable();
    static const KindTraits none{};
    if (kind < 0 || kind >= static_cast<int>(table.size())) return none;
    return table[static_cast<std::size_t>(kind)];
}
