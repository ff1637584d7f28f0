// What the tool does with inputs it cannot use: every failure is a German
// message naming the file and exit status 1 (2 for wrong arguments), never an
// abort, a hang or an unbounded read. Also the settings text pack stores and
// the picture formats render writes.
#include "Container.h"
#include "ContainerWriter.h"
#include "TestSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string PuzzleFile() {
    static const std::string path = [] {
        auto p = GridPuzzle(4, {"AB"});
        NumberWords(*p);
        return WriteTemp("eingabe.zvr", PuzzleFileBytes(p->Image, "7.46"));
    }();
    return path;
}

std::string Player() {
    return WriteTemp("programm", std::string(4000, 'P'));
}

// The module block of a packed file, from its settings text on.
QByteArray PackedBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().mid(ModuleOffset);
}
} // namespace

class ToolInputsTest : public QObject {
    Q_OBJECT
private slots:
    void unreadableInputsNameTheFile_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("named");
        const QString dir = Q(TempDir());
        const QString out = Q(TempDir() + "/aus");
        const QString puz = Q(PuzzleFile());
        const QString player = Q(Player());
        const QString missing = Q(TempDir() + "/fehlt.txt");
        QTest::newRow("compile dir") << QStringList{"compile", dir, "-o", out} << dir;
        QTest::newRow("compile zero")
            << QStringList{"compile", "/dev/zero", "-o", out} << "/dev/zero";
        QTest::newRow("compile missing") << QStringList{"compile", missing, "-o", out} << missing;
        QTest::newRow("pack player dir") << QStringList{"pack", dir, puz, "-o", out} << dir;
        QTest::newRow("pack player zero")
            << QStringList{"pack", "/dev/zero", puz, "-o", out} << "/dev/zero";
        QTest::newRow("pack puzzle dir") << QStringList{"pack", player, dir, "-o", out} << dir;
        QTest::newRow("pack settings dir")
            << QStringList{"pack", player, puz, "--settings", dir, "-o", out} << dir;
        QTest::newRow("pack settings zero")
            << QStringList{"pack", player, puz, "--settings", "/dev/zero", "-o", out}
            << "/dev/zero";
        QTest::newRow("pack picture dir")
            << QStringList{"pack", player, puz, "--picture", dir, "-o", out} << dir;
        QTest::newRow("pack picture missing")
            << QStringList{"pack", player, puz, "--picture", missing, "-o", out} << missing;
        QTest::newRow("info dir") << QStringList{"info", dir} << dir;
        QTest::newRow("render dir") << QStringList{"render", dir, "-o", out + ".png"} << dir;
    }

    void unreadableInputsNameTheFile() {
        QFETCH(QStringList, args);
        QFETCH(QString, named);
        const ToolRun run = RunTool(args);
        // info reports a failed load in its report, on standard output.
        const QString err = QString::fromUtf8(run.Err + run.Out);
        QCOMPARE(run.ExitCode, 1); // a crash reports -1
        QVERIFY2(err.contains("\"" + named + "\""), qPrintable(err));
        QVERIFY2(!err.contains("terminate") && !err.contains("basic_filebuf"), qPrintable(err));
    }

    void sourceCompiledInAPicture() {
        // The picture named by a source is read with the same care.
        const std::string src = WriteTemp("bildquelle.txt", "kind: 0\npicture: .\n"
                                                            "picture-area: 1,1 1,1\ngrid:\n#AB\n");
        const ToolRun run = RunTool({"compile", Q(src), "-o", Q(TempDir() + "/bildquelle.zvr")});
        QCOMPARE(run.ExitCode, 1);
        QVERIFY2(run.Err.contains("Zeile 2: ") && run.Err.contains("Verzeichnis"),
                 run.Err.constData());
    }

    void pipeWithoutWriterEndsAfterAShortWait() {
        const std::string fifo = TempDir() + "/leer.fifo";
        ::unlink(fifo.c_str());
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        QElapsedTimer clock;
        clock.start();
        const ToolRun run = RunTool({"compile", Q(fifo), "-o", Q(TempDir() + "/fifo.zvr")});
        QCOMPARE(run.ExitCode, 1);
        QVERIFY(run.Err.contains(fifo.c_str()));
        QVERIFY(clock.elapsed() < 60000);
        ::unlink(fifo.c_str());
    }

    void sourceFromAPipeIsReadToItsEnd() {
        QProcess p;
        p.start(QString::fromLocal8Bit(qgetenv("ZORU_TOOL")),
                {"compile", "/dev/stdin", "-o", Q(TempDir() + "/pipe.zvr")});
        QVERIFY(p.waitForStarted());
        p.write("kind: 4\ngrid:\nAB\n\nclues:\nAB: weg\n");
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(QFile::exists(Q(TempDir() + "/pipe.zvr")));
    }

    void settingsAreStoredInCodePage1252() {
        const std::string ini =
            WriteTemp("utf8.ini", "\xEF\xBB\xBF; NoTitle\n\n[Raetsel_Layout]\nSchriftart=B\xC3\xBC"
                                  "cher \xE2\x82\xAC\nFeldgroesse=41\n");
        const QString out = Q(TempDir() + "/mit-ini");
        const ToolRun run =
            RunTool({"pack", Q(Player()), Q(PuzzleFile()), "--settings", Q(ini), "-o", out});
        QVERIFY2(run.ExitCode == 0, run.Err.constData());
        const QByteArray module = PackedBytes(out);
        QVERIFY(module.contains("Schriftart=B\xFC"
                                "cher \x80\r\nFeldgroesse=41\r\n"));
        QVERIFY(!module.contains("\xEF\xBB\xBF"));
        const ToolRun info = RunTool({"info", "--json", out});
        const QJsonObject settings =
            QJsonDocument::fromJson(info.Out).object()["settings"].toObject();
        QCOMPARE(settings["Schriftart"].toString(), QString("Bücher €"));
        QCOMPARE(settings["Feldgroesse"].toInt(), 41);
    }

    void settingsThatCannotBeStoredAreRefused_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("expected");
        QTest::newRow("snowman") << QByteArray("[Raetsel_Layout]\r\nFeldgroesse=30\r\n"
                                               "Schriftart=\xE2\x98\x83\r\n")
                                 << "Zeile 3: das Zeichen \"☃\" (U+2603) gibt es in Codepage 1252";
        QTest::newRow("code page bytes") << QByteArray("; x\n[Raetsel_Layout]\nSchriftart=B\xFC\n")
                                         << "Zeile 3: kein gültiger UTF-8-Text";
        QTest::newRow("binary") << QByteArray("\x7F"
                                              "ELF\x02\x01\x01\0\0\0",
                                              10)
                                << "Zeile 1: das Steuerzeichen U+007F";
        QTest::newRow("nul") << QByteArray("a=1\nb\0=2\n", 9)
                             << "Zeile 2: das Steuerzeichen U+0000";
    }

    void settingsThatCannotBeStoredAreRefused() {
        QFETCH(QByteArray, ini);
        QFETCH(QString, expected);
        const std::string path = WriteTemp("falsch.ini", ini.toStdString());
        const QString out = Q(TempDir() + "/nicht-da");
        QFile::remove(out);
        const ToolRun run =
            RunTool({"pack", Q(Player()), Q(PuzzleFile()), "--settings", Q(path), "-o", out});
        QCOMPARE(run.ExitCode, 1);
        const QString err = QString::fromUtf8(run.Err);
        QVERIFY2(err.contains(Q(path)) && err.contains(expected), qPrintable(err));
        QVERIFY(!QFile::exists(out));
    }

    void renderWritesTheFormatItsExtensionNames() {
        const auto render = [](const QString& name) {
            const QString out = Q(TempDir()) + "/" + name;
            QFile::remove(out);
            const ToolRun run = RunTool({"render", Q(PuzzleFile()), "-o", out});
            QFile f(out);
            return std::pair{run, f.open(QIODevice::ReadOnly) ? f.read(4) : QByteArray()};
        };
        QCOMPARE(render("r.png").second, QByteArray("\x89PNG"));
        QCOMPARE(render("r.JPG").second.left(3), QByteArray("\xFF\xD8\xFF"));
        QCOMPARE(render("r.jpeg").second.left(3), QByteArray("\xFF\xD8\xFF"));
        QCOMPARE(render("r.bmp").second.left(2), QByteArray("BM"));
        const auto [gif, bytes] = render("r.gif");
        QCOMPARE(gif.ExitCode, 2);
        QVERIFY(bytes.isEmpty());
        QVERIFY2(gif.Err.contains("r.gif") && gif.Err.contains(".png"), gif.Err.constData());
    }

    void wrongArgumentsSayWhatIsWrong_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expected");
        const QString puz = Q(PuzzleFile());
        QTest::newRow("scale 9") << QStringList{"render", puz, "-o", "x.png", "--scale", "9"}
                                 << "--scale verlangt eine ganze Zahl von 1 bis 8, nicht \"9\"";
        QTest::newRow("scale word")
            << QStringList{"render", puz, "-o", "x.png", "--scale", "zwei"} << "nicht \"zwei\"";
        QTest::newRow("scale missing")
            << QStringList{"render", puz, "-o", "x.png", "--scale"} << "--scale braucht einen Wert";
        QTest::newRow("render no out")
            << QStringList{"render", puz} << "keine Ausgabedatei angegeben";
        QTest::newRow("render option") << QStringList{"render", puz, "-o", "x.png", "--farbe"}
                                       << "unbekannte Option \"--farbe\"";
        QTest::newRow("command") << QStringList{"raten"} << "unbekannter Befehl: raten";
        QTest::newRow("command escaped")
            << QStringList{"\x1b[2J"} << "unbekannter Befehl: \\x1B[2J";
        QTest::newRow("option escaped")
            << QStringList{"render", puz, "-o", "x.png", "-\x1b]0;t\x07"}
            << "unbekannte Option \"-\\x1B]0;t\\x07\"";
        QTest::newRow("compile usage") << QStringList{"compile", puz} << "Aufruf: zoruvidedid-tool";
        QTest::newRow("pack usage") << QStringList{"pack", puz} << "Aufruf: zoruvidedid-tool";
        QTest::newRow("info usage") << QStringList{"info"} << "Aufruf: zoruvidedid-tool";
    }

    void wrongArgumentsSayWhatIsWrong() {
        QFETCH(QStringList, args);
        QFETCH(QString, expected);
        const ToolRun run = RunTool(args);
        QCOMPARE(run.ExitCode, 2);
        const QString err = QString::fromUtf8(run.Err);
        QVERIFY2(err.contains(expected), qPrintable(err));
        QVERIFY2(!err.contains("usage") && !err.contains('\x1b'), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(ToolInputsTest)
#include "test_tool_inputs.moc"
