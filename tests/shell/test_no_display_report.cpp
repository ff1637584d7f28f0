// The player without a screen reports on the error stream what it loaded; the
// puzzle's texts must not reach the terminal as control sequences. Its only
// options answer without loading anything.
#include "ContainerWriter.h"
#include "Startup.h"
#include "TestSupport.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QtTest>

namespace {
struct Run {
    int Code = -1;
    QByteArray Out, Err;
};

Run RunPlayer(const QStringList& arguments, const QString& folder = {}) {
    QProcess player;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen"); // no screen to show it on
    player.setProcessEnvironment(env);
    if (!folder.isEmpty()) player.setWorkingDirectory(folder);
    player.start(QString::fromLocal8Bit(qgetenv("ZORU_PLAYER")), arguments);
    if (!player.waitForFinished(60000)) return {};
    return {player.exitCode(), player.readAllStandardOutput(), player.readAllStandardError()};
}
} // namespace

class NoDisplayReportTest : public QObject {
    Q_OBJECT
private slots:
    void commandLine() {
        using A = CommandLine::Action;
        const auto parse = [](std::vector<std::string> args) { return ParseCommandLine(args); };
        QVERIFY(parse({}).What == A::Play && parse({}).Parameters.empty());
        QVERIFY(parse({"x.zvr", "--help"}).What == A::Usage);
        QVERIFY(parse({"--version", "--help"}).What == A::Version);
        // After "--" nothing is an option; the rest stay parts of one file name.
        const CommandLine after = parse({"Mein", "--", "--help", "--"});
        QVERIFY(after.What == A::Play);
        QCOMPARE(after.Parameters, (std::vector<std::string>{"Mein", "--help", "--"}));
        QCOMPARE(parse({"-h", "-style"}).Parameters, (std::vector<std::string>{"-h", "-style"}));

        const Run help = RunPlayer({"--help"});
        QCOMPARE(help.Code, 0);
        QVERIFY2(help.Out.startsWith("Aufruf: zoruvidedid"), help.Out.constData());
        QVERIFY(help.Err.isEmpty());
        const Run version = RunPlayer({"--version", "fehlt.zvr"});
        QCOMPARE(version.Code, 0);
        QVERIFY2(QRegularExpression("^zoruvidedid \\d+\\.\\d+(\\.\\d+)*\n$")
                     .match(QString::fromUtf8(version.Out))
                     .hasMatch(),
                 version.Out.constData());

        // A file named like an option opens after "--".
        auto p = GridPuzzle(4, {"AB"});
        NumberWords(*p);
        WriteTemp("--help", PuzzleFileBytes(p->Image, "7.46"));
        const Run opened = RunPlayer({"--", "--help"}, QString::fromStdString(TempDir()));
        QCOMPARE(opened.Code, 0);
        QVERIFY2(opened.Err.contains("Geladen: "), opened.Err.constData());
    }

    void titleControlCharactersAreEscaped() {
        auto p = GridPuzzle(4, {"AB"});
        NumberWords(*p);
        p->Image.PuzzleTitle.set("Alt\x1B]0;fremd\x07\nGeladen: nichts\x9B"
                                 "2J");
        const std::string path = WriteTemp("titel.zvr", PuzzleFileBytes(p->Image, "7.46"));
        QProcess player;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen"); // no screen to show it on
        player.setProcessEnvironment(env);
        player.start(QString::fromLocal8Bit(qgetenv("ZORU_PLAYER")),
                     {QString::fromStdString(path)});
        QVERIFY(player.waitForFinished(60000));
        QCOMPARE(player.exitCode(), 0);
        const QByteArray err = player.readAllStandardError();
        QVERIFY2(err.contains("Alt\\x1B]0;fremd\\x07\\nGeladen: nichts"), err.constData());
        QVERIFY(!err.contains('\x1B'));
        QVERIFY(!err.contains('\x07'));
        // One line for the missing screen, one for the puzzle: the title adds none.
        QCOMPARE(err.count('\n'), 2);
    }
};

QTEST_GUILESS_MAIN(NoDisplayReportTest)
#include "test_no_display_report.moc"
