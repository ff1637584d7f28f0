// Reading a published-size Across Lite crossword into the record: 21 x 21
// cells, 140 clues, checksums checked. It runs once when a file is opened.
#include "ForeignImport.h"

#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace {
// '#' blocks; every word at most 7 letters, 140 words.
const char* const Shape[21] = {
    "#AAAAAAA#AAAAAAA#AAAA", "AAAAAAA#AAAAAAA#AAAAA", "AAAAAA#AAAAAAA#AAAAAA",
    "AAAAA#AAAA#AA#AAAAAAA", "AAAA#AAAAAAA#AAAAAAA#", "AAA#AAAAAAA#AAAAAAA#A",
    "AA#AAAAAAA#AAAAAAA#AA", "A#AAAAAAA#AA#A#AA#AAA", "#AAAAAAA#AAAAAAA#AAAA",
    "AAA#AAA#AAAAAAA#AAAAA", "AAAAAA#AAAAAAA#AAAAAA", "AAAAA#AAAAAAA#AAAAAAA",
    "AAAA#AAAAAAA#AAAAAAA#", "#AA#AAAAAAA#AAAAAAA#A", "AA#AAAAAAA#AAAA#AA#AA",
    "A#AAAAAAA#AAAAAAA#AAA", "#AAAAAAA#AAAAAAA#AAAA", "AAAAAAA#AAAAAAA#AAAAA",
    "AAAAAA#AAAAAAA#AAAAAA", "AAAAA#AAAAAAA#AAAAAAA", "AAAA#AAAAAAA#AAAAAAA#"};

std::uint16_t Checksum(const std::string& region, std::uint16_t sum) {
    for (char ch : region) {
        sum = static_cast<std::uint16_t>((sum >> 1) | ((sum & 1) << 15));
        sum = static_cast<std::uint16_t>(sum + static_cast<unsigned char>(ch));
    }
    return sum;
}

std::string U16(unsigned v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)};
}

std::string PublishedSizeFile() {
    std::string solution, player;
    for (int r = 0; r < 21; ++r)
        for (int c = 0; c < 21; ++c) {
            const bool block = Shape[r][c] == '#';
            solution += block ? '.' : static_cast<char>('A' + (r * 7 + c * 3) % 26);
            player += block ? '.' : '-';
        }
    std::vector<std::string> clues;
    for (int i = 0; i < 140; ++i)
        clues.push_back("Ein Hinweis von gewöhnlicher Länge, Nummer " + std::to_string(i));
    const std::string cib = std::string{21, 21} + U16(140) + U16(1) + U16(0);
    const std::string head = "Titel", author = "Autor", copyright = "(c) Verlag";
    std::string strings, text;
    for (const std::string& t : {head, author, copyright}) {
        strings += t + '\0';
        text += t + '\0';
    }
    for (const std::string& clue : clues) {
        strings += clue + '\0';
        text += clue;
    }
    strings += '\0'; // no notes
    const std::uint16_t cibSum = Checksum(cib, 0);
    const std::uint16_t sum = Checksum(text, Checksum(player, Checksum(solution, cibSum)));
    return U16(sum) + std::string("ACROSS&DOWN\0", 12) + U16(cibSum) + std::string(8, '\0') +
           std::string("1.3\0", 4) + std::string(16, '\0') + cib + solution + player + strings;
}
} // namespace

class BenchImport : public QObject {
    Q_OBJECT
private slots:
    void acrossLite21x21() {
        const std::string file = PublishedSizeFile();
        auto puzzle = std::make_unique<Puzzle>();
        const ImportOutcome once = ImportForeignPuzzle(*puzzle, file);
        QVERIFY2(once.ok(), once.Refusal.c_str());
        QVERIFY(once.Warnings.empty());
        QCOMPARE(puzzle->Image.WordCount, 140);
        QBENCHMARK {
            (void)ImportForeignPuzzle(*puzzle, file);
        }
    }
};

QTEST_GUILESS_MAIN(BenchImport)
#include "bench_import.moc"
