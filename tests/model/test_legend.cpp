// The clue lists as data: entries, order, columns, marks and tips per kind.
#include "KindTraits.h"
#include "LegendModel.h"
#include "Queries.h"
#include "TestSupport.h"

#include <QtTest>

namespace {
// A puzzle of a kind with words given as (number, across, word, clue), in
// word-table order.
struct W {
    int Number;
    bool Across;
    std::string Word;
    std::string Clue;
};
std::unique_ptr<Puzzle> WithWords(int kind, const std::vector<W>& words) {
    auto p = GridPuzzle(kind, {"AB", "CD"});
    PuzzleImage& im = p->Image;
    im.WordCount = static_cast<std::uint8_t>(words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        WordRecord& w = im.Words[i];
        w.WordNumber = words[i].Number;
        w.WordDirection = words[i].Across ? Direction::Across : Direction::Down;
        w.WordText.set(words[i].Word);
        w.ClueText.set(words[i].Clue);
    }
    return p;
}

std::vector<std::string> Column(const std::vector<LegendItem>& list, int column) {
    std::vector<std::string> texts;
    for (const LegendItem& item : list) texts.push_back(EntryCellText(item.Entry, column));
    return texts;
}

std::vector<int> Indexes(const std::vector<LegendItem>& list) {
    std::vector<int> out;
    for (const LegendItem& item : list) out.push_back(item.Entry.WordIndex);
    return out;
}

Settings Defaults(const PuzzleImage& im) {
    Settings s;
    SetDefaultSettings(s, im);
    return s;
}

// Kind 8: row 1 holds two across words, row 2 none, row 3 one; blocks counted per line.
std::unique_ptr<Puzzle> FrenchGrid(int kind = 8) {
    auto p = GridPuzzle(kind, {"AB#CD", "#####", "EFGH#"});
    PuzzleImage& im = p->Image;
    NumberWords(*p);
    for (int i = 0; i < im.WordCount; ++i) im.Words[i].ClueText.set("K" + std::to_string(i));
    return p;
}
} // namespace

class LegendModelTest : public QObject {
    Q_OBJECT
private slots:
    void crosswordListsByNumberWithTheirColumns() {
        auto p = WithWords(0, {{5, true, "TOR", "Eingang"},
                               {1, true, "HAUS", "Geb\xE4ude"},
                               {1, false, "HASE", "Langohr"},
                               {3, true, "BAD", "Raum"}});
        Settings s = Defaults(p->Image);
        s.EinfacheLegende = true; // crosswords keep two lists anyway
        const LegendLists l = BuildLists(p->Image, s);
        QVERIFY(l.TwoLists);
        QCOMPARE(Indexes(l.Across), (std::vector<int>{1, 3, 0}));
        QCOMPARE(Indexes(l.Down), (std::vector<int>{2}));
        QCOMPARE(Column(l.Across, LegendColumn::Number), (std::vector<std::string>{"1", "3", "5"}));
        QCOMPARE(Column(l.Across, LegendColumn::Clue),
                 (std::vector<std::string>{"Geb\xE4ude", "Raum", "Eingang"}));
        QCOMPARE(EntryCellText(l.Across[0].Entry, LegendColumn::Length), std::string("4"));
        QCOMPARE(EntryCellText(l.Across[0].Entry, LegendColumn::Line), std::string("0"));
        QVERIFY(l.Across[0].HasCheckBox);
        const LegendColumns& c = l.Columns;
        QCOMPARE(c.Visible, (std::array<bool, 6>{false, false, true, false, false, true}));
        QCOMPARE(c.CheckColumn, LegendColumn::Number);
        QCOMPARE(c.FillColumn, LegendColumn::Clue);
        QCOMPARE(c.Width[LegendColumn::Number], 50);
        QCOMPARE(c.Width[LegendColumn::Clue], 30);
        QVERIFY(LegendColumns::Resizable(LegendColumn::Word));
        QVERIFY(!LegendColumns::Resizable(LegendColumn::Number));
    }

    void columnSetUpPerKind() {
        struct Case {
            int Kind;
            std::array<bool, 6> Visible;
            int Check, Fill;
        };
        const Case cases[] = {
            {4, {false, false, false, false, false, true}, 5, 5},
            {7, {false, false, false, true, true, false}, 3, 4},
            {9, {true, false, false, false, false, true}, 0, 5},
            {11, {true, true, false, false, false, true}, -1, 5},
            {12, {false, false, false, false, true, false}, 4, 4},
        };
        for (const Case& k : cases) {
            const LegendColumns c = SetupColumns(k.Kind);
            QCOMPARE(c.Visible, k.Visible);
            QCOMPARE(c.CheckColumn, k.Check);
            QCOMPARE(c.FillColumn, k.Fill);
        }
        QCOMPARE(SetupColumns(10).Width[0], 30); // no check column: all narrow
        QCOMPARE(QString::fromUtf8(LegendHeader(LegendColumn::Length)), QString("Länge"));
        QVERIFY(LegendHeaderRightAligned(LegendColumn::Number));
        QVERIFY(!LegendHeaderRightAligned(LegendColumn::Length));
    }

    void textOrderFoldsOnlyPlainLettersAndKeepsEqualKeysInOrder() {
        // Kind 4 sorts by clue: a-z fold to A-Z, umlauts by their code (after Z),
        // the shorter of two texts with the same start first.
        auto p = WithWords(4, {{1, true, "W0", "Zebra"},
                               {2, true, "W1", "\xC4pfel"},
                               {3, false, "W2", "banane"},
                               {4, true, "W3", "Aster"},
                               {5, false, "W4", "Banane"},
                               {6, true, "W5", "ast"},
                               {7, true, "W6", "\xE4rger"}});
        Settings s = Defaults(p->Image);
        s.EinfacheLegende = true;
        const LegendLists l = BuildLists(p->Image, s);
        QVERIFY(!l.TwoLists);
        QVERIFY(l.Across.empty());
        QCOMPARE(Indexes(l.Down), (std::vector<int>{5, 3, 2, 4, 0, 1, 6}));
        QCOMPARE(CompareLegendText("banane", "BANANE"), 0);
        QCOMPARE(CompareLegendText("\xE4", "\xC4"), 1); // umlauts are not folded
        QCOMPARE(CompareLegendText("", "a"), -1);

        s.EinfacheLegende = false;
        const LegendLists two = BuildLists(p->Image, s);
        QCOMPARE(Indexes(two.Across), (std::vector<int>{5, 3, 0, 1, 6}));
        QCOMPARE(Indexes(two.Down), (std::vector<int>{2, 4}));
    }

    void fenceAndWordSearchKeys() {
        // Kind 6 by word length, equal lengths in word-table order; one list holds both directions.
        auto fence = WithWords(6, {{1, true, "EILE", ""},
                                   {2, false, "AXT", ""},
                                   {3, true, "OPA", ""},
                                   {4, false, "ZEHE", ""},
                                   {5, true, "", ""}});
        Settings s = Defaults(fence->Image);
        s.EinfacheLegende = true;
        LegendLists l = BuildLists(fence->Image, s);
        QCOMPARE(Indexes(l.Down), (std::vector<int>{4, 1, 2, 0, 3}));
        QCOMPARE(Column(l.Down, LegendColumn::Length),
                 (std::vector<std::string>{"0", "3", "3", "4", "4"}));
        // The across flag names the only list in one-list mode.
        QCOMPARE(FindEntryByIndex(l, 2, true), 2);
        QCOMPARE(FindEntryByIndex(l, 1, false), 1);

        auto search =
            WithWords(12, {{1, true, "igel", ""}, {2, false, "EULE", ""}, {3, true, "ADLER", ""}});
        const LegendLists w = BuildLists(search->Image, Defaults(search->Image));
        QCOMPARE(Column(w.Down, LegendColumn::Word),
                 (std::vector<std::string>{"ADLER", "EULE", "igel"}));
    }

    void lineEntriesJoinTheCluesOfALine() {
        auto p = FrenchGrid();
        const PuzzleImage& im = p->Image;
        const LegendLists l = BuildLists(im, Defaults(im));
        QVERIFY(l.TwoLists);
        QCOMPARE(l.Across.size(), std::size_t(3));
        QCOMPARE(l.Down.size(), std::size_t(5));
        // Row 1: two across words, cell order, one separator.
        const std::string k0 = im.Words[0].ClueText.str();
        const std::string k1 =
            im.Words[FindWord(im, im.cell(4, 1).CellNumber, true)].ClueText.str();
        QCOMPARE(l.Across[0].Entry.Clue, k0 + "  |  " + k1);
        QCOMPARE(l.Across[0].Entry.LineNumber, 1);
        QCOMPARE(l.Across[0].Entry.WordIndex, -1);
        QCOMPARE(l.Across[0].Entry.Number, 0);
        QVERIFY(!l.Across[0].HasCheckBox);
        QCOMPARE(l.Across[0].Entry.BlankCount, 1);
        // Row 2: no word, all blocks.
        QCOMPARE(l.Across[1].Entry.Clue, std::string());
        QCOMPARE(l.Across[1].Entry.BlankCount, 5);
        QCOMPARE(EntryCellText(l.Across[1].Entry, LegendColumn::Blanks), std::string("5"));
        // Column 1 holds no down word (A over a block).
        QCOMPARE(l.Down[0].Entry.Clue, std::string());
        QCOMPARE(l.Down[0].Entry.LineNumber, 1);
        QCOMPARE(l.Down[4].Entry.BlankCount, 2);
    }

    void lineCluesAreTrimmedAndCut() {
        auto p = FrenchGrid();
        PuzzleImage& im = p->Image;
        const int second = FindWord(im, im.cell(4, 1).CellNumber, true);
        im.Words[0].ClueText.set("  Oper ");
        im.Words[second].ClueText.set("Erz |");
        LegendLists l = BuildLists(im, Defaults(im));
        // Blanks, then bars at the very ends go, then blanks again: a bar that
        // ends a clue stays when blanks stand behind it.
        QCOMPARE(l.Across[0].Entry.Clue, std::string("Oper   |  Erz |"));
        // Three long clues in one line are cut to 255 characters.
        auto wide = GridPuzzle(8, {"AB#CD#EF"});
        NumberWords(*wide);
        for (int i = 0; i < wide->Image.WordCount; ++i)
            wide->Image.Words[i].ClueText.set(std::string(102, static_cast<char>('a' + i)));
        l = BuildLists(wide->Image, Defaults(wide->Image));
        QCOMPARE(l.Across[0].Entry.Clue.size(), std::size_t(255));
        QCOMPARE(l.Across[0].Entry.Clue.substr(100, 7), std::string("aa  |  "));
    }

    void solvedMarksHideAndShowEntries() {
        auto p =
            WithWords(0, {{1, true, "HAUS", "a"}, {1, false, "HASE", "b"}, {2, true, "BAD", "c"}});
        PuzzleImage& im = p->Image;
        im.Words[2].WordSolvedMark = 1;
        Settings s = Defaults(im);
        s.BegriffeAusblenden = true;
        LegendLists l = BuildLists(im, s);
        QVERIFY(l.Across[1].Checked);
        QVERIFY(l.Across[1].Hidden);
        QVERIFY(!l.Across[0].Hidden);

        // Reported broken: shown again, the mark cleared.
        QVERIFY(MarkWordSolved(l, im, s, 2, true, false));
        QVERIFY(!l.Across[1].Checked);
        QVERIFY(!l.Across[1].Hidden);
        QCOMPARE(im.Words[2].WordSolvedMark, std::uint8_t(0));

        // Into the wrong list, or with no index: nothing.
        QVERIFY(!MarkWordSolved(l, im, s, 1, true, true));
        QVERIFY(!MarkWordSolved(l, im, s, -1, true, true));
        QCOMPARE(im.Words[1].WordSolvedMark, std::uint8_t(0));
        QVERIFY(!SetEntrySolved(l, im, s, 7, true, true));

        QVERIFY(MarkWordSolved(l, im, s, 1, false, true));
        QVERIFY(l.Down[0].Checked && l.Down[0].Hidden);
        QCOMPARE(im.Words[1].WordSolvedMark, std::uint8_t(1));

        // Hiding follows a change of the mark only.
        s.BegriffeAusblenden = false;
        l = BuildLists(im, s);
        s.BegriffeAusblenden = true;
        QVERIFY(SetEntrySolved(l, im, s, 0, false, true));
        QVERIFY(l.Down[0].Checked);
        QVERIFY(!l.Down[0].Hidden);

        // The player's own mark leaves the record alone.
        ToggleEntryMark(l.Across[0], true);
        QVERIFY(l.Across[0].Checked && l.Across[0].Hidden);
        QCOMPARE(im.Words[0].WordSolvedMark, std::uint8_t(0));
        ToggleEntryMark(l.Across[0], false);
        QVERIFY(!l.Across[0].Checked);
        QVERIFY(l.Across[0].Hidden);
    }

    void lineEntriesCarryTheirOwnMark() {
        auto p = FrenchGrid(9);
        PuzzleImage& im = p->Image;
        const auto before = im.Words[0].WordSolvedMark;
        Settings s = Defaults(im);
        s.BegriffeAusblenden = true;
        LegendLists l = BuildLists(im, s);
        // No word behind a line entry: only the entry changes.
        QVERIFY(SetEntrySolved(l, im, s, 0, true, true));
        QVERIFY(l.Across[0].Checked);
        QVERIFY(l.Across[0].Hidden);
        QCOMPARE(im.Words[0].WordSolvedMark, before);
        QCOMPARE(FindEntryByIndex(l, 0, true), -1);
    }

    void findByNumberTakesTheFirstInListOrder() {
        auto p = WithWords(1, {{4, true, "X", "later"},
                               {2, true, "Y", "first"},
                               {2, true, "Z", "second"},
                               {2, false, "V", "down"}});
        const LegendLists l = BuildLists(p->Image, Defaults(p->Image));
        QCOMPARE(FindEntryByNumber(l, 2, true), 0);
        QCOMPARE(l.Across[0].Entry.Clue, std::string("first"));
        QCOMPARE(FindEntryByNumber(l, 2, false), 0);
        QCOMPARE(FindEntryByNumber(l, 4, false), -1);
        QCOMPARE(FindEntryByNumber(l, 9, true), -1);
    }

    void kindsWithoutAListAndDamagedCounts() {
        for (int kind : {2, 3, 13, 14, 15}) {
            QVERIFY(!HasClueList(kind));
            auto p = WithWords(kind, {{1, true, "AB", "x"}});
            const LegendLists l = BuildLists(p->Image, Defaults(p->Image));
            QVERIFY(l.Across.empty() && l.Down.empty());
        }
        for (int kind : {0, 1, 4, 5, 6, 7, 8, 9, 10, 11, 12}) QVERIFY(HasClueList(kind));
        // A word count beyond the table reads the table only.
        auto p = WithWords(6, {{1, true, "AB", ""}});
        p->Image.WordCount = 255;
        const LegendLists l = BuildLists(p->Image, Defaults(p->Image));
        QCOMPARE(l.Across.size() + l.Down.size(), std::size_t(MaxWords));
    }

    void tipsFollowTheColumnAndTheLine() {
        const auto tip = [](int kind, bool across, int column, int x,
                            const LegendEntry* e = nullptr) {
            return QString::fromStdString(
                LegendTipText(kind, across, SetupColumns(kind).CheckColumn, column, x, e));
        };
        LegendEntry none;
        LegendEntry two;
        two.Clue = "Oper  |  Erz";
        QCOMPARE(tip(8, true, 5, 40, &none), QString("Kein Begriff in dieser Rätselzeile"));
        QCOMPARE(tip(8, true, 5, 40, &two), QString("2 Begriff(e) in dieser Rätselzeile"));
        QCOMPARE(tip(9, false, 5, 40, &two), QString("2 Begriff(e) in dieser Rätselspalte"));
        QCOMPARE(tip(8, true, 5, 40), QString("Die Umschreibung des gesuchten Begriffs"));
        QCOMPARE(tip(8, true, 0, 5), QString("Den Begriff als gelöst oder ungelöst markieren"));
        QCOMPARE(tip(8, false, 0, 25), QString("Nummer der Spalte für die umschriebenen Begriffe"));
        // Kind 10 has no check column: no tip about marking.
        QCOMPARE(tip(10, true, 0, 5), QString("Nummer der Zeile für die umschriebenen Begriffe"));
        QCOMPARE(tip(10, false, 1, 5), QString("Die Anzahl der Leerfelder in dieser Spalte"));
        QCOMPARE(tip(12, true, 4, 30), QString("Dieser Begriff muss im Rätsel gefunden werden"));
        QCOMPARE(tip(6, true, 4, 30), QString("Dieser Begriff muss ins Rätsel eingefügt werden"));
        QCOMPARE(tip(6, true, 3, 30), QString("Die Länge des Begriffs"));
        QCOMPARE(tip(0, true, 2, 30), QString("Die Nummer des gesuchten Begriffs im Rätsel"));
        QCOMPARE(tip(0, true, 5, 3, &two), QString("Die Umschreibung des gesuchten Begriffs"));
        QCOMPARE(tip(0, true, -1, 0), QString());

        QVERIFY(OverStateImage(2, 2, 19, true));
        QVERIFY(!OverStateImage(2, 2, 20, true));
        QVERIFY(!OverStateImage(2, 2, 5, false));
        QVERIFY(!OverStateImage(-1, 0, 5, true));
    }
};

QTEST_APPLESS_MAIN(LegendModelTest)
#include "test_legend.moc"
