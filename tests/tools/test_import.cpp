// import and --key: crosswords of the public formats through the tool.
#include "Container.h"
#include "TestSupport.h"

#include <QFile>
#include <QImage>
#include <QtTest>

namespace {
PuzSpec Small(int key = 0) {
    PuzSpec s;
    s.Width = 3;
    s.Height = 3;
    s.Solution = "CATA.OBOX";
    s.Clues = {"Tier", std::string(120, 'y'), "Ochse", "Kiste"};
    s.Title = "Klein\x1B[31m";
    s.Key = key;
    return s;
}
} // namespace

class ImportTest : public QObject {
    Q_OBJECT
private slots:
    void importsWholeOrNothing() {
        const std::string in = WriteTemp("gesperrt.bin", PuzBytes(Small(2468)));
        const QString out = QString::fromStdString(TempDir() + "/aus.zvr");
        ToolRun run = RunTool({"import", QString::fromStdString(in), "-o", out});
        QCOMPARE(run.ExitCode, 1);
        QVERIFY(run.Err.contains("Aufruf mit --key"));
        QVERIFY(!QFile::exists(out));
        run = RunTool({"import", "--key", "2468", QString::fromStdString(in), "-o", out});
        QCOMPARE(run.ExitCode, 0);
        QVERIFY(run.Err.contains("Hinweis 1 senkrecht gekürzt."));
        auto p = NewPuzzle();
        QImage picture;
        QCOMPARE(LoadPuzzleFile(*p, picture, out.toStdString()), LoadResult::Loaded);
        QCOMPARE(p->Image.Words[1].WordText.str(), std::string("BOX"));
        // The file's text is shown escaped, never obeyed.
        run = RunTool({"info", "--key", "2468", QString::fromStdString(in)});
        QCOMPARE(run.ExitCode, 0);
        QVERIFY(run.Out.contains("Across-Lite-Datei"));
        QVERIFY(run.Out.contains("Klein\\x1B[31m") && !run.Out.contains('\x1B'));
        run = RunTool({"import", "--key", "2468", out, "-o", out});
        QCOMPARE(run.ExitCode, 1);
        QVERIFY(run.Err.contains("ist die Eingabe selbst"));
        run = RunTool({"render", "--key", "1111", QString::fromStdString(in), "-o",
                       QString::fromStdString(TempDir() + "/x.png")});
        QCOMPARE(run.ExitCode, 1);
        QVERIFY(run.Err.contains("Der Schlüssel passt nicht."));
    }
};

QTEST_GUILESS_MAIN(ImportTest)
#include "test_import.moc"
