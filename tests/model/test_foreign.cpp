// Across Lite and ipuz files, written here, read into the record.
#include "Container.h"
#include "ContainerWriter.h"
#include "Cp1252.h"
#include "ForeignImport.h"
#include "TestSupport.h"

#include <QtTest>

#include <cstring>

namespace {
// CAT / A.O / BOX: 1 across CAT, 1 down CAB, 2 down TOX, 3 across BOX.
PuzSpec SmallPuz() {
    PuzSpec s;
    s.Width = 3;
    s.Height = 3;
    s.Solution = "CATA.OBOX";
    s.Title = "Kleines";
    s.Author = "Ann";
    s.Copyright = "(c) 2024";
    s.Notes = "Kreise lesen";
    s.Clues = {"Tier", "Taxi", "Ochse", "Kiste"};
    return s;
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
}

std::string Utf8(std::string_view cp1252) {
    return Cp1252ToUtf8(cp1252);
}

const char* SmallIpuz =
    "ipuz({\"version\": \"http://ipuz.org/v2\", \"kind\": [\"http://ipuz.org/crossword#1\"], "
    " \"dimensions\": {\"width\": 3, \"height\": 3}, \"block\": \"@\", \"empty\": \"0\", "
    " \"title\": \"<i>Klein</i> &amp; fein\", \"author\": \"Bo\", \"intro\": \"Lies die Kreise.\", "
    " \"styles\": {\"rund\": {\"shapebg\": \"circle\"}}, "
    " \"puzzle\": [[1, {\"cell\": 0, \"style\": \"rund\"}, 2], [0, \"@\", 0], [3, 0, null]], "
    " \"solution\": [[\"c\", {\"value\": \"A\"}, \"T\"], [\"A\", \"@\", \"O\"], [\"BOX\", \"O\", "
    "null]], "
    " \"saved\": [[\"C\", \"0\", \"0\"], [\"0\", \"@\", \"0\"], [\"0\", \"0\", null]], "
    " \"clues\": {\"Across:Waagerecht\": [[1, \"Tier\"], {\"number\": \"3\", \"clue\": "
    "\"Dreizehn\"}], "
    "           \"down\": [[\"1\", \"Taxi ✓\"], [2, \"Ochse\"]]}})";
} // namespace

class ForeignTest : public QObject {
    Q_OBJECT
private slots:
    void puzCrosswordKeepsItsItems() {
        PuzSpec s = SmallPuz();
        s.Player = "C-Q-.----";
        s.Sections = PuzSection("GRBS", std::string("\0\0\0\0\0\0\1\0\0", 9)) +
                     PuzSection("RTBL", " 0:BOLD;99999999999:X;") + PuzSection("LTIM", "70000,1") +
                     PuzSection("GEXT", std::string("\x80\0\0\0\0\x40\0\0\0", 9)) + "\r\n";
        s.Before = "xyz";
        const std::string bytes = PuzBytes(s);
        QCOMPARE(SniffForeignFormat(bytes), ForeignFormat::Puz);
        // Whatever the record held before, the same file gives the same bytes.
        auto a = NewPuzzle(), b = NewPuzzle();
        std::memset(static_cast<void*>(&b->Image), 0x5A, sizeof(PuzzleImage));
        const ImportOutcome o = ImportForeignPuzzle(*a, bytes);
        QVERIFY2(o.ok(), o.Refusal.c_str());
        QVERIFY(ImportForeignPuzzle(*b, bytes).ok());
        QVERIFY(ImageBytes(a->Image) == ImageBytes(b->Image));

        const PuzzleImage& im = a->Image;
        QCOMPARE(o.Warnings, std::vector<std::string>{
                                 "Feld Zeile 3, Spalte 1 ist ein Rebus (BOLD); gespielt wird B."});
        QCOMPARE(o.OpeningNote, std::string("Kreise lesen"));
        QCOMPARE(im.PuzzleKind, 0);
        QCOMPARE(im.WordCount, 4);
        QCOMPARE(im.cell(2, 2).CellFlags, CellFlag::Block);
        QCOMPARE(im.cell(1, 1).CellFlags, CellFlag::LetterCell | CellFlag::SolutionOrGiven);
        QCOMPARE(im.cell(3, 2).CellFlags, CellFlag::LetterCell); // revealed is no given
        QCOMPARE(im.cell(3, 1).CellNumber, 2);
        QVERIFY(im.cell(1, 3).StartsAcrossWord && !im.cell(1, 3).StartsDownWord);
        const std::pair<const char*, const char*> words[] = {
            {"CAT", "Tier"}, {"BOX", "Kiste"}, {"CAB", "Taxi"}, {"TOX", "Ochse"}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(im.Words[i].WordText.str(), std::string(words[i].first));
            QCOMPARE(im.Words[i].ClueText.str(), std::string(words[i].second));
        }
        QCOMPARE(im.Words[3].WordNumber, 2);
        QVERIFY(!im.Words[3].across());
        QCOMPARE(im.entry(1, 1).str(), std::string("C"));
        QCOMPARE(im.entry(3, 1).str(), std::string("Q"));
        QVERIFY(IsBlank(im.entry(2, 1)));
        QCOMPARE(im.ElapsedSeconds, 65535);
        QCOMPARE(im.PuzzleTitle.str(), std::string("Kleines"));
        QCOMPARE(im.BestTimeHolder.str(), std::string("Ann"));
        QCOMPARE(Utf8(im.PuzzleComment.view()), std::string("(c) 2024 – Kreise lesen"));
        QCOMPARE(im.CreatorVersion.str(), std::string("puz 1.3"));
        QCOMPARE(im.AllowedAids, 7);
    }

    void puzVariantsAndChecksum() {
        PuzSpec s = SmallPuz();
        s.Version = "2.0";
        s.Title = "Grüße ✓";
        std::string bytes = PuzBytes(s);
        auto p = NewPuzzle();
        ImportOutcome o = ImportForeignPuzzle(*p, bytes);
        QVERIFY(o.ok());
        QCOMPARE(Utf8(p->Image.PuzzleTitle.view()), std::string("Grüße ?"));
        QCOMPARE(o.Warnings,
                 std::vector<std::string>{"Titel: „✓“ gibt es im Rätsel nicht; dafür steht „?“."});
        bytes[0] = static_cast<char>(bytes[0] ^ 1);
        o = ImportForeignPuzzle(*p, bytes);
        QVERIFY(o.ok());
        QCOMPARE(o.Warnings.front(), std::string("Die Prüfsumme der Datei stimmt nicht."));
        // A long clue is cut at a word boundary.
        s = SmallPuz();
        s.Clues[0] = std::string(95, 'x') + " langes Ende";
        o = ImportForeignPuzzle(*p, PuzBytes(s));
        QCOMPARE(o.Warnings, std::vector<std::string>{"Hinweis 1 waagerecht gekürzt."});
        QCOMPARE(p->Image.Words[0].ClueText.str(), std::string(95, 'x') + "\x85");
    }

    void lockedPuzNeedsItsKey() {
        PuzSpec s = SmallPuz();
        s.Key = 3715;
        const std::string bytes = PuzBytes(s);
        auto p = NewPuzzle();
        ImportOutcome o = ImportForeignPuzzle(*p, bytes);
        QCOMPARE(o.Status, ImportStatus::KeyNeeded);
        QCOMPARE(o.Refusal, std::string("Das Rätsel ist verschlüsselt: Aufruf mit --key und dem "
                                        "vierstelligen Schlüssel."));
        o = ImportForeignPuzzle(*p, bytes, 3716);
        QCOMPARE(o.Status, ImportStatus::WrongKey);
        QCOMPARE(o.Refusal, std::string("Der Schlüssel passt nicht."));
        o = ImportForeignPuzzle(*p, bytes, ParseUnlockKey("3715"));
        QVERIFY2(o.ok(), o.Refusal.c_str());
        QCOMPARE(p->Image.Words[1].WordText.str(), std::string("BOX"));
        QCOMPARE(ParseUnlockKey("37a5"), NoKey);
    }

    void puzRefusals() {
        const auto refusal = [](const PuzSpec& s) {
            auto p = NewPuzzle();
            const ImportOutcome o = ImportForeignPuzzle(*p, PuzBytes(s));
            return o.Status == ImportStatus::Refused ? o.Refusal : std::string("angenommen");
        };
        PuzSpec s;
        s.Width = 21;
        s.Height = 1;
        s.Solution = std::string(21, 'A');
        s.Clues = {"lang"};
        QCOMPARE(refusal(s), std::string("Das Wort 1 waagerecht hat 21 Buchstaben; ein Wort darf "
                                         "höchstens 15 Buchstaben haben."));
        s.Width = 51;
        s.Height = 3;
        s.Solution = std::string(153, 'A');
        QCOMPARE(refusal(s), std::string("Das Gitter ist 51 × 3 Felder groß; höchstens 50 × 50 "
                                         "Felder sind möglich."));
        // 13 rows of "AA." seventeen times: 221 across words and 34 down words.
        s.Width = 50;
        s.Height = 13;
        std::string row;
        for (int i = 0; i < 16; ++i) row += "AA.";
        s.Solution.clear();
        for (int r = 0; r < 13; ++r) s.Solution += row + "AA";
        QCOMPARE(refusal(s),
                 std::string("Das Rätsel hat 255 Wörter; höchstens 201 Wörter sind möglich."));
        s = SmallPuz();
        s.Solution[2] = '7';
        QCOMPARE(refusal(s), std::string("Feld Zeile 1, Spalte 3 enthält „7“; möglich sind nur "
                                         "die Buchstaben A bis Z."));
        s = SmallPuz();
        s.Clues.pop_back();
        QCOMPARE(refusal(s), std::string("Die Datei hat 3 Hinweise, das Gitter aber 4 Wörter; zu "
                                         "jedem Wort gehört genau ein Hinweis."));
        std::string bytes = PuzBytes(SmallPuz());
        bytes[0x30] = 1;
        bytes[0x31] = 4;
        auto p = NewPuzzle();
        QVERIFY(ImportForeignPuzzle(*p, bytes).Refusal.find("diagrammlos") != std::string::npos);
        bytes = PuzBytes(SmallPuz());
        QVERIFY(ImportForeignPuzzle(*p, bytes.substr(0, 60))
                    .Refusal.starts_with("Die Datei ist unvollständig"));
    }

    void ipuzCrosswordVariants() {
        const std::string bytes = "\xEF\xBB\xBF" + std::string(SmallIpuz);
        QCOMPARE(SniffForeignFormat(bytes), ForeignFormat::Ipuz);
        auto p = NewPuzzle();
        const ImportOutcome o = ImportForeignPuzzle(*p, bytes);
        QVERIFY2(o.ok(), o.Refusal.c_str());
        const PuzzleImage& im = p->Image;
        QCOMPARE(o.Warnings,
                 (std::vector<std::string>{
                     "Feld Zeile 3, Spalte 1 ist ein Rebus (BOX); gespielt wird B.",
                     "Hinweis 1 senkrecht: „✓“ gibt es im Rätsel nicht; dafür steht „?“."}));
        QCOMPARE(Utf8(im.PuzzleTitle.view()), std::string("Klein & fein"));
        QCOMPARE(im.BestTimeHolder.str(), std::string("Bo"));
        QCOMPARE(im.PuzzleComment.str(), std::string("Lies die Kreise."));
        QCOMPARE(o.OpeningNote, std::string("Lies die Kreise."));
        QCOMPARE(im.CreatorVersion.str(), std::string("ipuz 2"));
        QCOMPARE(im.cell(3, 3).CellFlags, CellFlag::Block);
        QCOMPARE(im.cell(2, 1).CellFlags, CellFlag::LetterCell | CellFlag::SolutionOrGiven);
        QCOMPARE(im.cell(1, 1).SolutionLetter.str(), std::string("C"));
        QCOMPARE(im.entry(1, 1).str(), std::string("C"));
        QVERIFY(IsBlank(im.entry(2, 1)));
        QCOMPARE(im.WordCount, 4);
        QCOMPARE(im.Words[1].WordText.str(), std::string("BO"));
        QCOMPARE(im.Words[1].ClueText.str(), std::string("Dreizehn"));
        QCOMPARE(im.Words[2].ClueText.str(), std::string("Taxi ?"));
    }

    void ipuzRefusals() {
        const auto refusal = [](std::string text, const char* from, const char* to) {
            if (from) Replace(text, from, to);
            auto p = NewPuzzle();
            const ImportOutcome o = ImportForeignPuzzle(*p, text);
            return o.ok() ? std::string("angenommen") : o.Refusal;
        };
        const std::string base = SmallIpuz;
        QCOMPARE(refusal(base, "crossword#1", "acrostic#1"),
                 std::string("Die ipuz-Art „http://ipuz.org/acrostic#1“ kann nicht gespielt "
                             "werden; möglich sind Kreuzworträtsel und Sudoku."));
        QCOMPARE(refusal(base, "\"down\"", "\"Diagonal\""),
                 std::string("Die Hinweisrichtung „Diagonal“ gibt es hier nicht; möglich sind nur "
                             "waagerecht und senkrecht."));
        QCOMPARE(refusal(base, "[2, \"Ochse\"]", "[2, \"Ochse\"], [4, \"Nichts\"]"),
                 std::string("Zum Hinweis 4 senkrecht gibt es kein Wort im Gitter."));
        QCOMPARE(refusal(base, ", [2, \"Ochse\"]", ""),
                 std::string("Das Wort 2 senkrecht hat keinen Hinweis."));
        QVERIFY(refusal(base, "\"solution\"", "\"checksum\"").find("keine Lösung") !=
                std::string::npos);
        QVERIFY(refusal(base, "\"Bo\",", "\"Bo\"")
                    .starts_with("Die ipuz-Datei ist kein gültiges JSON (Fehler bei Zeichen "));
    }

    void ipuzSudoku() {
        std::string text =
            "{\"version\": \"http://ipuz.org/v2\", \"kind\": [\"http://ipuz.org/sudoku#1\"], "
            "            \"charset\": \"WXYZ\", \"author\": \"Cy\", \"title\": \"Vier\", "
            "            \"puzzle\": [[\"W\", 0, 0, 0], [0, 0, \"W\", 0], [0, \"W\", 0, "
            "{\"given\": \"Y\"}], [0, 0, 0, \"W\"]], "
            "            \"saved\": [[0, 0, \"Y\", 0], [0, 0, 0, 0], [0, 0, 0, 0], [0, 0, 0, 0]]}";
        auto p = NewPuzzle();
        ImportOutcome o = ImportForeignPuzzle(*p, text);
        QCOMPARE(o.Refusal, std::string("Die Datei enthält keine vollständige Lösung, und die "
                                        "Vorgaben führen zu keiner eindeutigen."));
        Replace(text, "[\"W\", 0, 0, 0]", "[\"W\", \"X\", 0, 0]");
        Replace(text, "[0, 0, 0, \"W\"]]", "[\"Z\", 0, 0, \"W\"]]");
        o = ImportForeignPuzzle(*p, text);
        QVERIFY2(o.ok(), o.Refusal.c_str());
        const PuzzleImage& im = p->Image;
        QCOMPARE(im.PuzzleKind, 14);
        QCOMPARE(im.cell(1, 1).CellFlags, CellFlag::LetterCell | CellFlag::SolutionOrGiven);
        QCOMPARE(im.entry(4, 3).str(), std::string("3"));
        QCOMPARE(im.entry(3, 1).str(), std::string("3"));
        QCOMPARE(im.cell(3, 1).CellFlags, CellFlag::LetterCell);
        QCOMPARE(im.cell(4, 4).SolutionLetter.str(), std::string("1"));
        QCOMPARE(im.PuzzleComment.str(), std::string("Cy"));
        QVERIFY(im.BestTimeHolder.empty());
        std::string rule = text;
        Replace(rule, "\"author\"", "\"cages\": [{\"cells\": [[1,1]]}], \"author\"");
        QCOMPARE(ImportForeignPuzzle(*p, rule).Refusal,
                 std::string("Sudokus mit der Zusatzregel „cages“ können nicht gespielt werden."));
        Replace(text, "WXYZ", "0123456789ABCDEFG");
        QCOMPARE(ImportForeignPuzzle(*p, text).Refusal,
                 std::string("Ein Sudoku mit 17 Zeichen kann nicht gespielt werden; möglich sind "
                             "4, 6, 8, 9 oder 12."));
    }

    void ownFormatIsNotForeign() {
        QCOMPARE(SniffForeignFormat(PuzzleFileBytes(NewPuzzle()->Image, "7.46")),
                 ForeignFormat::None);
        QCOMPARE(SniffForeignFormat("{\"a\": 1}"), ForeignFormat::None);
        // The file loader reads past a start that is not ours when it may be
        // one of the public formats, whatever the name.
        PuzSpec s = SmallPuz();
        s.Before = "xyz";
        QImage picture;
        for (const std::string& bytes : {PuzBytes(s), std::string(SmallIpuz)}) {
            auto p = NewPuzzle();
            QCOMPARE(LoadPuzzleFile(*p, picture, WriteTemp("fremd.dat", bytes)),
                     LoadResult::Loaded);
            QCOMPARE(p->Image.ColumnCount, 3);
        }
    }
};

QTEST_APPLESS_MAIN(ForeignTest)
#include "test_foreign.moc"
