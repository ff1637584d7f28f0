// The tool reads puzzles from pipes as from files, and never waits for ever.
#include "Container.h"
#include "ContainerWriter.h"
#include "TestSupport.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
struct PipedRun {
    int ExitCode = -1;
    QJsonObject Json;
};

// `info --json /dev/stdin` with the bytes written into its standard input.
PipedRun InfoFromPipe(const std::string& bytes) {
    QProcess p;
    p.start(QString::fromLocal8Bit(qgetenv("ZORU_TOOL")), {"info", "--json", "/dev/stdin"});
    PipedRun run;
    if (!p.waitForStarted()) return run;
    p.write(bytes.data(), static_cast<qint64>(bytes.size()));
    p.closeWriteChannel();
    if (!p.waitForFinished(60000)) return run;
    run.ExitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.Json = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    return run;
}
} // namespace

class StreamsTest : public QObject {
    Q_OBJECT
private slots:
    void puzzleFileThroughAPipe() {
        auto src = Sudoku9();
        src->Image.PuzzleTitle.set("Aus der Leitung");
        const PipedRun run = InfoFromPipe(PuzzleFileBytes(src->Image, "7.46"));
        QCOMPARE(run.ExitCode, 0);
        QCOMPARE(run.Json["title"].toString(), QString("Aus der Leitung"));
    }

    void packedPlayerThroughAPipe() {
        auto src = Sudoku9();
        src->Image.CreatorVersion.set("7.46");
        std::string exe(static_cast<std::size_t>(ModuleOffset), '\0');
        exe += ModuleBytes(src->Image, WithCrLf("[Raetsel_Layout]\nFeldgroesse=44\n"));
        const PipedRun run = InfoFromPipe(exe);
        QCOMPARE(run.ExitCode, 0);
        QCOMPARE(run.Json["kind"].toInt(), 14);
    }

    void namedPipeWithoutWriterFails() {
        const std::string fifo = TempDir() + "/leer.fifo";
        ::unlink(fifo.c_str());
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        QElapsedTimer t;
        t.start();
        const ToolRun run = RunTool({"info", "--json", QString::fromStdString(fifo)});
        QCOMPARE(run.ExitCode, 1);
        QVERIFY(t.elapsed() < 30000);
        const QJsonObject o = QJsonDocument::fromJson(run.Out).object();
        QCOMPARE(o["result"].toInt(), 7);
        QVERIFY(o["message"].toString().startsWith("Aus der Datei"));
    }
};

QTEST_GUILESS_MAIN(StreamsTest)
#include "test_streams.moc"
