// Writes the small crossword the end-to-end checks open: as a puzzle file of
// our own when the build has no packed example player, or (--puz, --locked
// KEY) as an Across Lite file.
#include "ContainerWriter.h"
#include "Cp1252.h"
#include "TestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {
// The same crossword with its words' clues, in the Across Lite word order.
std::string AcrossLite(int key) {
    PuzSpec s;
    s.Width = 5;
    s.Height = 4;
    s.Solution = "HAUS.A.BADSONNEE.TOR";
    s.Title = "Kleines Kreuzwort";
    s.Author = "E2E";
    s.Notes = "Die Kreise ergeben nichts.";
    s.Clues = {"Gebäude", "Gräte", "Bewohner", "Schwimmbad", "Sonne", "Stern", "Tor", "Zugang"};
    s.Sections = PuzSection("GEXT", std::string("\x80\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 20));
    for (std::string& clue : s.Clues) clue = Utf8ToCp1252(clue);
    s.Key = key;
    return PuzBytes(s);
}
} // namespace

int main(int argc, char** argv) {
    std::string bytes;
    if (argc == 3 && std::string(argv[1]) == "--puz") {
        bytes = AcrossLite(0);
    } else if (argc == 4 && std::string(argv[1]) == "--locked") {
        bytes = AcrossLite(std::atoi(argv[2]));
    } else if (argc == 2) {
        auto p = GridPuzzle(0, {"HAUS#", "A#BAD", "SONNE", "E#TOR"});
        NumberWords(*p);
        for (int i = 0; i < p->Image.WordCount; ++i) p->Image.Words[i].ClueText.set("Hinweis");
        p->Image.PuzzleTitle.set("Kleines Kreuzwort");
        p->Image.AllowedAids = AidFlag::MarkWrong | AidFlag::InsertLetter | AidFlag::ShowSolution;
        bytes = PuzzleFileBytes(p->Image, "7.46");
    } else {
        std::fprintf(stderr, "usage: %s [--puz | --locked KEY] OUT\n", argv[0]);
        return 2;
    }
    std::ofstream out(argv[argc - 1], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return out ? 0 : 1;
}
