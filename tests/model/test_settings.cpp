// The settings reader's matching rules, the defaults and the blended colours.
#include "IniList.h"
#include "Settings.h"
#include "TestSupport.h"

#include <QtTest>

#include <set>
#include <sstream>

namespace {
TIniList Ini(const std::string& text) {
    TIniList ini;
    ini.LoadFromText(text);
    return ini;
}

Settings Loaded(const std::string& text, std::uint8_t aids = 255) {
    auto p = NewPuzzle();
    p->Image.AllowedAids = aids;
    Settings s;
    LoadSettings(s, Ini(text), p->Image);
    return s;
}
} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void freshListAndLineEnds() {
        TIniList fresh;
        QCOMPARE(fresh.Lines().size(), std::size_t(1));
        QCOMPARE(fresh.Lines()[0], std::string("; NoTitle"));
        TIniList ini = Ini("a\r\nb\rc\nd\r\n\r\ne");
        const std::vector<std::string> want = {"a", "b", "c", "d", "", "e"};
        QVERIFY(ini.Lines() == want);
        // The text ends at a zero byte.
        QCOMPARE(Ini(std::string("x=1\0y=2", 7)).Lines().size(), std::size_t(1));
        QVERIFY(!fresh.LoadFromStream(nullptr));
        std::istringstream in("skip[S]\nk=v\n");
        in.seekg(4);
        QVERIFY(fresh.LoadFromStream(&in));
        QCOMPARE(fresh.ReadRaw("S", "k"), std::string("v"));
    }

    void matchingRules() {
        const TIniList ini =
            Ini("[Sec]\nkey=1\nKey=2\nspaced = 3\n\nlate=4\n[sec2] \nk=5\n[Other]\n"
                "=novalue\nempty=\nnoequals\n");
        QCOMPARE(ini.ReadRaw("SEC", "KEY"), std::string("1")); // any case, first wins
        QCOMPARE(ini.ReadRaw("Sec", "spaced"), std::string()); // the name ends in a blank
        QCOMPARE(ini.ReadRaw("Sec", "spaced "), std::string(" 3"));
        QCOMPARE(ini.ReadRaw("Sec", "late"), std::string()); // after the empty line
        QCOMPARE(ini.ReadRaw("sec2", "k"), std::string());   // "[sec2] " names "sec2]"
        QCOMPARE(ini.ReadRaw("sec2]", "k"), std::string("5"));
        QCOMPARE(ini.ReadString("Other", "empty", "dflt"), std::string("dflt"));
        QCOMPARE(ini.FindKey("Missing", "key"), -1);
        QCOMPARE(ini.KeyName(ini.FindSection("Other") + 1), std::string());
        QCOMPARE(ini.KeyValue(ini.FindSection("Other") + 1), std::string("novalue"));
    }

    void integersAndBools() {
        const TIniList ini = Ini("[S]\na= 42\nb=42 \nc=$1F\nd=0x10\ne=-7\nf=abc\ng=\n"
                                 "h=9223372036854775807\ni=9223372036854775808\n"
                                 "j=-9223372036854775808\nk=$FFFFFFFFFFFFFFFF\nl=+5\n"
                                 "t=1\nu=0\nv= 1\nw=true\n");
        QCOMPARE(ini.ReadInteger("S", "a", 0), 42);
        QCOMPARE(ini.ReadInteger("S", "b", 0), 0); // a trailing blank makes it invalid
        QCOMPARE(ini.ReadInteger("S", "c", 0), 31);
        QCOMPARE(ini.ReadInteger("S", "d", 0), 16);
        QCOMPARE(ini.ReadInteger("S", "e", 0), -7);
        QCOMPARE(ini.ReadInteger("S", "f", 9), 9);
        QCOMPARE(ini.ReadInteger("S", "g", 9), 9);
        QCOMPARE(ini.ReadInteger("S", "h", 0), std::numeric_limits<std::int64_t>::max());
        QCOMPARE(ini.ReadInteger("S", "i", 3), 3);
        QCOMPARE(ini.ReadInteger("S", "j", 0), std::numeric_limits<std::int64_t>::min());
        QCOMPARE(ini.ReadInteger("S", "k", 0), -1);
        QCOMPARE(ini.ReadInteger("S", "l", 0), 5);
        QCOMPARE(ini.ReadBool("S", "t", false), true);
        QCOMPARE(ini.ReadBool("S", "u", true), false);
        QCOMPARE(ini.ReadBool("S", "v", false), false);
        QCOMPARE(ini.ReadBool("S", "w", false), false);
    }

    void generatorText() {
        const Settings s =
            Loaded("; NoTitle\r\n\r\n[Programm]\r\nHinweiseZeigen=1\r\nAuswahlAnzeigen=0\r\n\r\n"
                   "[Raetsel_Erstellen]\r\n\r\n[Raetsel_Anzeige]\r\nHinweiseZeigen=0\r\n\r\n"
                   "[Raetsel_Layout]\r\nSchriftgroesse=40\r\nZahlengroesse=16\r\nFeldgroesse=56\r\n"
                   "FarbeLeerfeld1=16512\r\n\r\n[Legende]\r\nAutomatischMarkieren=0\r\n\r\n");
        QCOMPARE(s.Schriftgroesse, 40);
        QCOMPARE(s.Zahlengroesse, 16);
        QCOMPARE(s.Feldgroesse, 56);
        QCOMPARE(s.FarbeLeerfeld1, Colour(16512));
        QCOMPARE(s.AuswahlAnzeigen, false);
        QCOMPARE(s.HinweiseZeigen, false);
        QCOMPARE(s.AutomatischMarkieren, false);
        QCOMPARE(s.EinfacheLegende, true);
        QCOMPARE(s.Schriftart, std::string("Arial"));
    }

    void valueQuirks() {
        QCOMPARE(Loaded("[Raetsel_Anzeige]\nFehlerZeigen=true\n").FehlerZeigen, true);
        QCOMPARE(Loaded("[Raetsel_Anzeige]\nFehlerZeigen=0\n").FehlerZeigen, false);
        QCOMPARE(Loaded("[Raetsel_Anzeige]\nFehlerZeigen=x\n", 0).FehlerZeigen, false);
        QCOMPARE(Loaded("[Raetsel_Layout]\nFeldgroesse=gross\n").Feldgroesse, 30);
        QCOMPARE(Loaded("[Raetsel_Layout]\nFeldgroesse=\n").Feldgroesse, 30);
        QCOMPARE(Loaded("[Raetsel_Layout]\nFeldgroesse= 40\n").Feldgroesse, 40);
        QCOMPARE(Loaded("[Raetsel_Anzeige]\nLaengenZeigen= 1\n").LaengenZeigen, false);
        QCOMPARE(Loaded("[raetsel_layout]\nfeldgroesse=33\n").Feldgroesse, 33);
        QCOMPARE(Loaded("[Raetsel_Layout]\nSchriftart=Times New Roman\n").Schriftart,
                 std::string("Times New Roman"));
        // A font name is no longer than any family's: a huge one would stall the font system.
        QCOMPARE(
            Loaded(("[Raetsel_Layout]\nSchriftart=" + std::string(1 << 20, 'x') + "\n").c_str())
                .Schriftart,
            std::string(64, 'x'));
        // Only the low 32 bits of a number are kept.
        QCOMPARE(Loaded("[Raetsel_Layout]\nFeldgroesse=$100000028\n").Feldgroesse, 40);
    }

    void sizesAreHeldToASaneRange_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("font");
        QTest::newRow("largest") << "2147483647" << 200 << 200;
        QTest::newRow("smallest") << "-2147483648" << 8 << 4;
        QTest::newRow("2^31 wraps") << "2147483648" << 8 << 4;
        QTest::newRow("zero") << "0" << 8 << 4;
        QTest::newRow("negative") << "-30" << 8 << 4;
        QTest::newRow("hex wrap") << "$FFFFFFFF" << 8 << 4;
        QTest::newRow("2^32 + 30") << "4294967326" << 30 << 30;
        QTest::newRow("just below") << "7" << 8 << 7;
        QTest::newRow("lowest font") << "4" << 8 << 4;
        QTest::newRow("below font") << "3" << 8 << 4;
        QTest::newRow("top") << "200" << 200 << 200;
        QTest::newRow("above") << "201" << 200 << 200;
    }

    void sizesAreHeldToASaneRange() {
        QFETCH(QString, value);
        QFETCH(int, cell);
        QFETCH(int, font);
        const std::string v = value.toStdString();
        const Settings s = Loaded("[Raetsel_Layout]\nSchriftgroesse=" + v + "\nZahlengroesse=" + v +
                                  "\nFeldgroesse=" + v + "\n");
        QCOMPARE(s.Feldgroesse, cell);
        QCOMPARE(s.Schriftgroesse, font);
        QCOMPARE(s.Zahlengroesse, font);
    }

    void everySystemColourResolves() {
        // Each system colour its own value: an index read from the wrong slot,
        // or from none, shows.
        SystemColours sys;
        for (const SystemColourSlot& slot : SystemColourSlots)
            sys.*slot.Member = 0x010101u * static_cast<Colour>(slot.Index + 1);
        std::set<int> seen;
        for (const SystemColourSlot& slot : SystemColourSlots) {
            const Colour own = 0x010101u * static_cast<Colour>(slot.Index + 1);
            QCOMPARE(sys.Resolve(0x80000000u | static_cast<Colour>(slot.Index)), own);
            seen.insert(slot.Index);
        }
        QCOMPARE(int(seen.size()), 30);
        QVERIFY(!seen.count(25));
        QCOMPARE(*seen.rbegin(), 30);
        // The button family, as the settings name it.
        sys.ButtonShadow = 0x808080;
        sys.ButtonHighlight = 0xFFFFFF;
        QCOMPARE(BlendColours(0x80000010, 0, sys), Colour(0x404040));
        QCOMPARE(BlendColours(0x80000014, 0x80000010, sys), Colour(0xBFBFBF));
        // Without a colour of its own an index takes the text colour, never black on black.
        sys.WindowText = 0x123456;
        QCOMPARE(sys.Resolve(0x80000019), Colour(0x123456));
        QCOMPARE(sys.Resolve(0x800000FF), Colour(0x123456));
        // The defaults give the button family the usual light-scheme greys.
        const SystemColours plain;
        QVERIFY(plain.Resolve(0x80000010) != 0); // button shadow
        QVERIFY(plain.Resolve(0x80000014) != 0); // button highlight
        QVERIFY(plain.Resolve(0x80000016) != 0); // light
    }

    void blendedColours() {
        SystemColours sys;
        sys.Highlight = 0x102030;
        QCOMPARE(BlendColours(0xFFFFFF, 0xAAAAFF, sys), Colour(0xD4D4FF));
        QCOMPARE(BlendColours(0x00FFFF, 0xAAAAFF, sys), Colour(0x55D4FF));
        QCOMPARE(BlendColours(0, SystemColour::Highlight, sys), Colour(0x081018));

        auto p = NewPuzzle();
        Settings s;
        s.System = sys;
        SetDefaultSettings(s, p->Image);
        QCOMPARE(s.LetterFieldMarkColour, Colour(0xAAAAFF));
        QCOMPARE(s.LetterFieldHighlightColour, SystemColour::Highlight);
        QCOMPARE(s.SolutionFieldMarkColour, Colour(0x55D4FF));
        QCOMPARE(s.EmptyFieldHighlightColour, Colour(0x081018));
        QCOMPARE(s.System.Highlight, Colour(0x102030)); // the palette survives the defaults

        TIniList ini;
        ini.LoadFromText(
            "[Raetsel_Layout]\nFarbeBuchstabenfeld=16777215\nFarbeMarkierung=11184895\n");
        LoadSettings(s, ini, p->Image);
        QCOMPARE(s.LetterFieldMarkColour, Colour(0xD4D4FF));
        QCOMPARE(s.LetterFieldHighlightColour, Colour(0x878F97));
    }

    void defaultsFollowTheImage() {
        auto p = NewPuzzle();
        Settings s;
        s.Feldgroesse = 50;
        s.Print.Copies = 3;
        p->Image.AllowedAids = 2;
        SetDefaultSettings(s, p->Image);
        QCOMPARE(s.FehlerZeigen, false);
        QCOMPARE(s.Feldgroesse, 30);
        QCOMPARE(s.Print.Copies, 1);
        QCOMPARE(s.Print.GridCellSize, 80);
        QCOMPARE(s.Print.ColourMode, 2);
        QCOMPARE(s.Print.OnePage, true);
        QCOMPARE(s.Print.Portrait, false);
        p->Image.AllowedAids = 1;
        SetDefaultSettings(s, p->Image);
        QCOMPARE(s.FehlerZeigen, true);
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "test_settings.moc"
