// Loading puzzle files and module blocks, damaged ones included.
#include "Container.h"
#include "ContainerWriter.h"
#include "Settings.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QImage>
#include <QtTest>

namespace {
std::string Header(const std::string& version) {
    return MakeHeader(version);
}

std::string TinyPicture(const char* format) {
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

// A fake executable: some bytes, zeros up to the module offset, then the block.
std::string Executable(const std::string& module) {
    std::string bytes = "\x7f"
                        "ELF fake player";
    bytes.resize(static_cast<std::size_t>(ModuleOffset), '\0');
    return bytes + module;
}

std::string GeneratorSettings() {
    return WithCrLf("; NoTitle\n\n[Programm]\nHinweiseZeigen=1\nAuswahlAnzeigen=0\n\n"
                    "[Raetsel_Erstellen]\nLoesungswortVorgeben=0\n\n"
                    "[Raetsel_Anzeige]\nHinweiseZeigen=0\n\n"
                    "[Raetsel_Layout]\nSchriftgroesse=40\nZahlengroesse=16\nFeldgroesse=56\n"
                    "FarbeLeerfeld1=16512\n\n[Legende]\nAutomatischMarkieren=0\n\n");
}
} // namespace

class ContainerTest : public QObject {
    Q_OBJECT
private slots:
    void headerRules() {
        char h[HeaderSize];
        std::string s = Header("7.46");
        std::memcpy(h, s.data(), HeaderSize);
        QVERIFY(IsPuzzleHeader(h));
        QCOMPARE(HeaderVersionText(h), std::string("7.46"));
        s = Header("");
        std::memcpy(h, s.data(), HeaderSize);
        QCOMPARE(HeaderVersionText(h), std::string("???"));
        s = Header("7.46");
        for (int i = 0; i < 16; ++i)
            s[static_cast<std::size_t>(i)] =
                static_cast<char>(std::toupper(s[static_cast<std::size_t>(i)]));
        std::memcpy(h, s.data(), HeaderSize);
        QVERIFY(!IsPuzzleHeader(h));
        // The header text ends at a zero byte: a zero inside the magic spoils it.
        s = Header("7.46");
        s[5] = '\0';
        std::memcpy(h, s.data(), HeaderSize);
        QVERIFY(!IsPuzzleHeader(h));
        // A zero in the version field cuts the version short.
        s = Header("7.46");
        s[18] = '\0';
        std::memcpy(h, s.data(), HeaderSize);
        QCOMPARE(HeaderVersionText(h), std::string("7."));
    }

    void versionOrderIsOrdinal() {
        QVERIFY(VersionAtLeast("7.40", "7.40"));
        QVERIFY(VersionAtLeast("7.46", "7.40"));
        QVERIFY(VersionAtLeast("7.5", "7.40"));
        QVERIFY(!VersionAtLeast("10.0", "7.40"));
        QVERIFY(!VersionAtLeast("7.4", "7.40"));
        QVERIFY(!VersionAtLeast("???", "7.40"));
    }

    void puzzleFileLoads() {
        std::string mask(81, '0');
        mask[0] = mask[80] = '1';
        auto src = Sudoku9(mask);
        src->Image.PuzzleTitle.set("Sudoku Nr. 68");
        const std::string path = WriteTemp("ok.zvr", PuzzleFileBytes(src->Image, "7.46"));
        auto p = NewPuzzle();
        QImage picture;
        QCOMPARE(LoadPuzzleFile(*p, picture, path), LoadResult::Loaded);
        QCOMPARE(std::memcmp(&p->Image, &src->Image, sizeof(PuzzleImage)), 0);
        QVERIFY(picture.isNull());
    }

    void puzzleFileFailures() {
        auto src = Sudoku9();
        auto p = NewPuzzle();
        QImage picture;
        QCOMPARE(LoadPuzzleFile(*p, picture, TempDir() + "/missing.zvr"), LoadResult::FileMissing);
        QCOMPARE(LoadPuzzleFile(*p, picture, TempDir()), LoadResult::ReadError);
        const std::string full = PuzzleFileBytes(src->Image, "7.46");
        // Truncated anywhere: in the header, just after it, inside the image.
        for (std::size_t cut : {std::size_t(0), std::size_t(30), std::size_t(31), std::size_t(1000),
                                full.size() - 1}) {
            const std::string path = WriteTemp("cut.zvr", full.substr(0, cut));
            QCOMPARE(LoadPuzzleFile(*p, picture, path), LoadResult::ReadError);
        }
        std::string wrong = full;
        wrong[0] = 'd';
        QCOMPARE(LoadPuzzleFile(*p, picture, WriteTemp("wrong.zvr", wrong)),
                 LoadResult::NotAPuzzle);
        // A bad header leaves the reset state.
        QCOMPARE(p->Image.ColumnCount, 5);
        QCOMPARE(p->Image.PuzzleKind, 0);
    }

    void countsBeyondTheGridAreUnreadable() {
        const auto bad = [](auto change) {
            auto src = Sudoku9();
            change(src->Image);
            auto p = NewPuzzle();
            QImage picture;
            return LoadPuzzleFile(*p, picture,
                                  WriteTemp("bad.zvr", PuzzleFileBytes(src->Image, "7.46")));
        };
        QCOMPARE(bad([](PuzzleImage& im) { im.ColumnCount = 51; }), LoadResult::ReadError);
        QCOMPARE(bad([](PuzzleImage& im) { im.RowCount = 0; }), LoadResult::ReadError);
        QCOMPARE(bad([](PuzzleImage& im) { im.WordCount = 202; }), LoadResult::ReadError);
        QCOMPARE(bad([](PuzzleImage& im) { im.PuzzleKind = 16; }), LoadResult::ReadError);
        QCOMPARE(bad([](PuzzleImage& im) {
                     im.ColumnCount = 50;
                     im.RowCount = 50;
                 }),
                 LoadResult::Loaded);
    }

    void pictureRule() {
        auto src = Sudoku9();
        src->Image.ImageFlags = ImageFlag::HasPicture;
        auto p = NewPuzzle();
        QImage picture;
        const StoredPicture jpeg{1, TinyPicture("JPG")};
        const StoredPicture bmp{0, TinyPicture("BMP")};
        // Blank header version: no picture is read even with the flag.
        QCOMPARE(LoadPuzzleFile(*p, picture, WriteTemp("p.zvr", PuzzleFileBytes(src->Image, ""))),
                 LoadResult::Loaded);
        QVERIFY(picture.isNull());
        // Version 7.40 and the flag, but no kind byte left.
        QCOMPARE(
            LoadPuzzleFile(*p, picture, WriteTemp("p.zvr", PuzzleFileBytes(src->Image, "7.40"))),
            LoadResult::ReadError);
        QCOMPARE(LoadPuzzleFile(*p, picture,
                                WriteTemp("p.zvr", PuzzleFileBytes(src->Image, "7.5", bmp))),
                 LoadResult::Loaded);
        QCOMPARE(picture.size(), QSize(6, 4));
        picture = QImage();
        QCOMPARE(LoadPuzzleFile(*p, picture,
                                WriteTemp("p.zvr", PuzzleFileBytes(src->Image, "7.46", jpeg))),
                 LoadResult::Loaded);
        QCOMPARE(picture.size(), QSize(6, 4));
        QVERIFY(qAbs(picture.pixelColor(2, 2).green() - 200) < 20);
        // Version 10.0 sorts below 7.40: the picture bytes are not read at all.
        picture = QImage();
        QCOMPARE(LoadPuzzleFile(*p, picture,
                                WriteTemp("p.zvr", PuzzleFileBytes(src->Image, "10.0", jpeg))),
                 LoadResult::Loaded);
        QVERIFY(picture.isNull());
        // A broken or truncated JPEG is a read error, never a crash or an exit.
        StoredPicture broken = jpeg;
        broken.Data = broken.Data.substr(0, broken.Data.size() / 2);
        QCOMPARE(LoadPuzzleFile(*p, picture,
                                WriteTemp("p.zvr", PuzzleFileBytes(src->Image, "7.46", broken))),
                 LoadResult::ReadError);
        broken.Data = "not a jpeg at all";
        QCOMPARE(LoadPuzzleFile(*p, picture,
                                WriteTemp("p.zvr", PuzzleFileBytes(src->Image, "7.46", broken))),
                 LoadResult::ReadError);
        StoredPicture badBmp{0, "BM garbage"};
        QCOMPARE(LoadPuzzleFile(*p, picture,
                                WriteTemp("p.zvr", PuzzleFileBytes(src->Image, "7.46", badBmp))),
                 LoadResult::ReadError);
    }

    void oversizedPictureIsRefused() {
        // A JPEG header that claims 60000 x 60000 pixels is refused before decoding.
        std::string data = TinyPicture("JPG");
        const std::size_t sof = data.find("\xFF\xC0", 0, 2);
        QVERIFY(sof != std::string::npos);
        data[sof + 5] = '\xEA';
        data[sof + 6] = '\x60';
        data[sof + 7] = '\xEA';
        data[sof + 8] = '\x60';
        auto src = Sudoku9();
        src->Image.ImageFlags = ImageFlag::HasPicture;
        auto p = NewPuzzle();
        QImage picture;
        QCOMPARE(LoadPuzzleFile(*p, picture,
                                WriteTemp("big.zvr", PuzzleFileBytes(src->Image, "7.46",
                                                                     StoredPicture{1, data}))),
                 LoadResult::ReadError);
    }

    void moduleWithGeneratorSettings() {
        auto src = Sudoku9();
        src->Image.CreatorVersion.set("7.46");
        const std::string settings = GeneratorSettings();
        const std::string exe = WriteTemp("player", Executable(ModuleBytes(src->Image, settings)));
        auto p = NewPuzzle();
        Settings s;
        SetDefaultSettings(s, p->Image);
        QImage picture;
        QCOMPARE(LoadModule(*p, s, picture, exe), LoadResult::Loaded);
        QCOMPARE(p->Image.PuzzleKind, 14);
        QCOMPARE(s.Schriftgroesse, 40);
        QCOMPARE(s.Feldgroesse, 56);
        QCOMPARE(s.FarbeLeerfeld1, Colour(16512));
        QCOMPARE(s.HinweiseZeigen, false);
        QCOMPARE(s.AuswahlAnzeigen, false);
        QCOMPARE(s.AutomatischMarkieren, false);
    }

    void moduleSettingsDamageCostsOnlySettings() {
        auto src = Sudoku9();
        src->Image.CreatorVersion.set("7.46");
        auto p = NewPuzzle();
        QImage picture;
        Settings s;
        // Length 0: no settings read; the puzzle loads.
        SetDefaultSettings(s, p->Image);
        s.Feldgroesse = 44;
        QCOMPARE(
            LoadModule(*p, s, picture, WriteTemp("m0", Executable(ModuleBytes(src->Image, "")))),
            LoadResult::Loaded);
        QCOMPARE(s.Feldgroesse, 44);
        // A length beyond the end of the file: settings skipped, still loaded.
        std::string module = ModuleBytes(src->Image, "");
        const std::size_t lenAt = HeaderSize + 4 + sizeof(PuzzleImage);
        module[lenAt + 3] = '\x7F';
        QCOMPARE(LoadModule(*p, s, picture, WriteTemp("m1", Executable(module))),
                 LoadResult::Loaded);
        QCOMPARE(s.Feldgroesse, 44);
        // Ending right after the image (no length word) still loads without a picture.
        module = ModuleBytes(src->Image, "").substr(0, lenAt);
        QCOMPARE(LoadModule(*p, s, picture, WriteTemp("m2", Executable(module))),
                 LoadResult::Loaded);
        // Binary garbage as settings text: the defaults, still loaded.
        QCOMPARE(LoadModule(*p, s, picture,
                            WriteTemp("m3", Executable(ModuleBytes(src->Image,
                                                                   std::string("\0\xFF[x", 4))))),
                 LoadResult::Loaded);
        QCOMPARE(s.Feldgroesse, 30);
    }

    // A settings block beyond the size limit is damage: the settings stay the
    // defaults, as for a block that runs past the end of the file.
    void oversizedSettingsBlockIsSkipped() {
        auto src = Sudoku9();
        src->Image.CreatorVersion.set("7.46");
        auto p = NewPuzzle();
        QImage picture;
        Settings s;
        std::string text = WithCrLf("[Raetsel_Layout]\nFeldgroesse=56\n");
        const std::string atTheLimit = text + std::string(MaxSettingsBytes - text.size(), '\n');
        SetDefaultSettings(s, p->Image);
        QCOMPARE(LoadModuleFromBytes(*p, s, picture, ModuleBytes(src->Image, atTheLimit)),
                 LoadResult::Loaded);
        QCOMPARE(s.Feldgroesse, 56);
        SetDefaultSettings(s, p->Image);
        QCOMPARE(LoadModuleFromBytes(*p, s, picture, ModuleBytes(src->Image, atTheLimit + "\n")),
                 LoadResult::Loaded);
        QCOMPARE(s.Feldgroesse, 30);
        // Through the file as well; a picture behind such a block is lost with it.
        SetDefaultSettings(s, p->Image);
        QCOMPARE(LoadModule(*p, s, picture,
                            WriteTemp("big-settings",
                                      Executable(ModuleBytes(src->Image, atTheLimit + "\n")))),
                 LoadResult::Loaded);
        QCOMPARE(s.Feldgroesse, 30);
        src->Image.ImageFlags = ImageFlag::HasPicture;
        QCOMPARE(LoadModuleFromBytes(*p, s, picture,
                                     ModuleBytes(src->Image, atTheLimit + "\n",
                                                 StoredPicture{0, TinyPicture("BMP")})),
                 LoadResult::ReadError);
    }

    // The memory loaders read what the file loaders read.
    void bytesLoadLikeFiles() {
        auto src = Sudoku9();
        src->Image.CreatorVersion.set("7.46");
        src->Image.ImageFlags = ImageFlag::HasPicture;
        const StoredPicture bmp{0, TinyPicture("BMP")};
        auto p = NewPuzzle();
        QImage picture;
        Settings s;
        SetDefaultSettings(s, p->Image);
        const std::string module = ModuleBytes(src->Image, GeneratorSettings(), bmp);
        p->CheckState.at(3, 3) = CheckState::Wrong; // left from an earlier puzzle
        QCOMPARE(LoadModuleFromBytes(*p, s, picture, module), LoadResult::Loaded);
        QCOMPARE(p->CheckState.at(3, 3), CheckState::Blank);
        QCOMPARE(s.Feldgroesse, 56);
        QCOMPARE(picture.size(), QSize(6, 4));
        // A source that went on beyond the limit: its picture is not complete.
        QCOMPARE(LoadModuleFromBytes(*p, s, picture, module, true), LoadResult::ReadError);
        const std::string file = PuzzleFileBytes(src->Image, "7.46", bmp);
        QCOMPARE(LoadPuzzleFileFromBytes(*p, picture, file), LoadResult::Loaded);
        p->CheckState.at(3, 3) = CheckState::Wrong;
        QCOMPARE(LoadPuzzleFileFromBytes(*p, picture, file.substr(0, 30)), LoadResult::ReadError);
        QCOMPARE(p->CheckState.at(3, 3), CheckState::Blank);
        QCOMPARE(p->Image.ColumnCount, 5); // the reset state
        QCOMPARE(LoadPuzzleFileFromBytes(*p, picture, "x" + file), LoadResult::NotAPuzzle);
        // Without a picture the excess is never looked at.
        src->Image.ImageFlags = 0;
        QCOMPARE(LoadPuzzleFileFromBytes(*p, picture, PuzzleFileBytes(src->Image, "7.46"), true),
                 LoadResult::Loaded);
    }

    void moduleFailures() {
        auto src = Sudoku9();
        src->Image.CreatorVersion.set("7.46");
        auto p = NewPuzzle();
        QImage picture;
        Settings s;
        const std::string module = ModuleBytes(src->Image, GeneratorSettings());
        // No module at all behind the player.
        QCOMPARE(LoadModule(*p, s, picture, WriteTemp("e0", "just a program")),
                 LoadResult::ReadError);
        std::string wrong = module;
        wrong[3] = 'X';
        QCOMPARE(LoadModule(*p, s, picture, WriteTemp("e1", Executable(wrong))),
                 LoadResult::NotAPuzzle);
        for (std::size_t cut : {std::size_t(20), std::size_t(33), std::size_t(5000)}) {
            QCOMPARE(LoadModule(*p, s, picture, WriteTemp("e2", Executable(module.substr(0, cut)))),
                     LoadResult::ReadError);
        }
        // The picture rule in a module uses the image's own version.
        src->Image.ImageFlags = ImageFlag::HasPicture;
        QCOMPARE(
            LoadModule(*p, s, picture, WriteTemp("e3", Executable(ModuleBytes(src->Image, "")))),
            LoadResult::ReadError);
        QCOMPARE(
            LoadModule(*p, s, picture,
                       WriteTemp("e4", Executable(ModuleBytes(
                                           src->Image, "", StoredPicture{0, TinyPicture("BMP")})))),
            LoadResult::Loaded);
        QCOMPARE(picture.size(), QSize(6, 4));
        src->Image.CreatorVersion.set("7.39");
        picture = QImage();
        QCOMPARE(
            LoadModule(*p, s, picture, WriteTemp("e5", Executable(ModuleBytes(src->Image, "")))),
            LoadResult::Loaded);
        QVERIFY(picture.isNull());
    }
};

QTEST_GUILESS_MAIN(ContainerTest)
#include "test_container.moc"
