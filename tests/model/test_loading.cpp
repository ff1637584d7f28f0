// Where a run's puzzle comes from and what a failed load tells the user.
#include "Container.h"
#include "ContainerWriter.h"
#include "Loading.h"
#include "Settings.h"
#include "TestSupport.h"

#include <QImage>
#include <QtTest>

#include <filesystem>
#include <unistd.h>

class LoadingTest : public QObject {
    Q_OBJECT
private slots:
    void joinsParameters() {
        QCOMPARE(JoinCommandLine({"/tmp/Mein", "Rätsel.zvr"}), std::string("/tmp/Mein Rätsel.zvr"));
        QCOMPARE(JoinCommandLine({"\"/tmp/a b.zvr\""}), std::string("/tmp/a b.zvr"));
        QCOMPARE(JoinCommandLine({"\"\" x\t", " y "}), std::string("x y"));
        QCOMPARE(JoinCommandLine({"\"", "a"}), std::string("a"));
        QCOMPARE(JoinCommandLine({}), std::string());
    }

    void messages() {
        QCOMPARE(
            LoadFailureMessage(0, "/x/y.zvr"),
            std::string("In der Datei \"/x/y.zvr\" ist kein bekanntes Rätselformat gespeichert!"));
        QCOMPARE(LoadFailureMessage(3, "a"),
                 std::string("Aus der Datei \"a\" konnte nicht gelesen werden!"));
        QCOMPARE(LoadFailureMessage(7, "a"),
                 std::string("Aus der Datei \"a\" konnte nicht gelesen werden!"));
        QVERIFY(LoadFailureMessage(4, "a").empty());
        QVERIFY(LoadFailureMessage(5, "a").empty());
    }

    void fileSplitAtABlankIsRejoined() {
        auto src = Sudoku9();
        src->Image.AllowedAids = 0;
        const std::string path = WriteTemp("zwei teile.zvr", PuzzleFileBytes(src->Image, "7.46"));
        const std::string dir = TempDir();
        auto p = NewPuzzle();
        Settings s;
        s.Feldgroesse = 44;
        QImage picture;
        const LoadOutcome out =
            LoadPuzzleFrom(*p, s, picture, {dir + "/zwei", "teile.zvr"}, "/nonexistent/player");
        QCOMPARE(out.Result, LoadResult::Loaded);
        QCOMPARE(out.FileName, path);
        // A puzzle file runs with the defaults, FehlerZeigen following its aids.
        QCOMPARE(s.Feldgroesse, 30);
        QCOMPARE(s.FehlerZeigen, false);
    }

    void failuresNameTheRightFile() {
        auto p = NewPuzzle();
        Settings s;
        QImage picture;
        LoadOutcome out = LoadPuzzleFrom(*p, s, picture, {TempDir() + "/fehlt.zvr"}, "/self");
        QCOMPARE(out.Result, LoadResult::FileMissing);
        QVERIFY(LoadFailureMessage(out.Result, out.FileName).rfind("Aus der Datei \"", 0) == 0);
        const std::string junk = WriteTemp("junk.zvr", std::string(200, 'j'));
        out = LoadPuzzleFrom(*p, s, picture, {junk}, "/self");
        QCOMPARE(out.Result, LoadResult::NotAPuzzle);
        QCOMPARE(out.FileName, junk);
        // Without parameters the executable itself is read.
        out = LoadPuzzleFrom(*p, s, picture, {}, junk);
        QCOMPARE(out.FileName, junk);
        QCOMPARE(out.Result, LoadResult::ReadError);
        // Whether an executable carries a puzzle: a header at the module
        // offset, not merely its length (unstripped builds reach past it).
        const std::string padding(ModuleOffset, 'x');
        QVERIFY(!CarriesModule(junk));
        QVERIFY(!CarriesModule(WriteTemp("lang", padding + std::string(200, 'y'))));
        QVERIFY(!CarriesModule(TempDir() + "/fehlt"));
        QVERIFY(CarriesModule(WriteTemp("gepackt", padding + ModuleBytes(p->Image, ""))));
    }

    void unreadableExistingFileIsAnError() {
        if (::geteuid() == 0) QSKIP("root reads every file");
        const std::string path = WriteTemp("locked.zvr", "x");
        std::filesystem::permissions(path, std::filesystem::perms::none);
        auto p = NewPuzzle();
        QImage picture;
        QVERIFY_THROWS_EXCEPTION(LoadError, LoadPuzzleFile(*p, picture, path));
    }
};

QTEST_GUILESS_MAIN(LoadingTest)
#include "test_loading.moc"
