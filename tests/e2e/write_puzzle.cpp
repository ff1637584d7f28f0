// Writes the small crossword the end-to-end check opens when the build has no
// packed example player.
#include "ContainerWriter.h"
#include "TestSupport.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT\n", argv[0]);
        return 2;
    }
    auto p = GridPuzzle(0, {"HAUS#", "A#BAD", "SONNE", "E#TOR"});
    NumberWords(*p);
    for (int i = 0; i < p->Image.WordCount; ++i) p->Image.Words[i].ClueText.set("Hinweis");
    p->Image.PuzzleTitle.set("Kleines Kreuzwort");
    p->Image.AllowedAids = AidFlag::MarkWrong | AidFlag::InsertLetter | AidFlag::ShowSolution;
    const std::string bytes = PuzzleFileBytes(p->Image, "7.46");
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return out ? 0 : 1;
}
