// The tool's render command: the board's grid as PNG, from a file or a module.
#include "CellPainter.h"
#include "ContainerWriter.h"
#include "TestSupport.h"

#include <QImage>
#include <QTest>

namespace {
QImage Render(const std::string& file, const QStringList& extra, ToolRun* run = nullptr) {
    const QString out = QString::fromStdString(TempDir()) + "/out.png";
    QFile::remove(out);
    const ToolRun r =
        RunTool(QStringList{"render", QString::fromStdString(file), "-o", out} + extra);
    if (run) *run = r;
    return QImage(out);
}
} // namespace

class TestRenderCommand : public QObject {
    Q_OBJECT
private slots:
    void rendersTheGridAsTheBoardSizesIt() {
        auto p = GridPuzzle(0, {"AB#", "CDE"});
        p->Image.entry(1, 1).set("X");
        const std::string file = WriteTemp("render.puz", PuzzleFileBytes(p->Image, "7.46"));
        ToolRun run;
        const QImage image = Render(file, {}, &run);
        QCOMPARE(run.ExitCode, 0);
        QCOMPARE(image.size(), BoardGridSize(p->Image, 30));
        QCOMPARE(image.pixelColor(0, 0), QColor(0x80, 0x80, 0x80)); // the grid's frame
        // Block (3,1): column 3 starts at 1 + 1 + 2 * 31.
        QCOMPARE(image.pixelColor(1 + 1 + 2 * 31 + 15, 2 + 15), QColor(Qt::black));
        // No input position: the first cell is not highlighted.
        QCOMPARE(image.pixelColor(2 + 27, 2 + 27), QColor(Qt::white));

        const QImage twice = Render(file, {"--scale", "2"});
        QCOMPARE(twice.size(), image.size() * 2);
        QCOMPARE(twice.pixelColor(2 * (1 + 1 + 2 * 31 + 15), 2 * (2 + 15)), QColor(Qt::black));

        // The solution shown: the empty cell (2,1) gets its letter in the missing-letter colour.
        const QImage solved = Render(file, {"--solution"});
        bool missing = false;
        for (int y = 33; y < 33 + 30; ++y)
            for (int x = 2; x < 2 + 30; ++x)
                if (solved.pixelColor(x + 31, y - 31) == QColor(0, 0, 255)) missing = true;
        QVERIFY(missing);
    }

    void moduleSettingsApply() {
        auto p = GridPuzzle(0, {"A#"});
        const std::string settings =
            WithCrLf("[Raetsel_Layout]\nFeldgroesse=40\nFarbeLeerfeld1=255\n");
        const std::string module = std::string(1360000, '\0') + ModuleBytes(p->Image, settings);
        const std::string file = WriteTemp("render-module.exe", module);
        ToolRun run;
        const QImage image = Render(file, {}, &run);
        QCOMPARE(run.ExitCode, 0);
        QCOMPARE(image.size(), BoardGridSize(p->Image, 40));
        QCOMPARE(image.pixelColor(2 + 41 + 20, 2 + 20), QColor(255, 0, 0));
    }

    void failuresExitWithAMessage() {
        ToolRun run;
        Render(TempDir() + "/missing.puz", {}, &run);
        QCOMPARE(run.ExitCode, 1);
        QVERIFY(!run.Err.isEmpty());
        const std::string junk = WriteTemp("junk.puz", std::string(100, 'x'));
        Render(junk, {}, &run);
        QCOMPARE(run.ExitCode, 1);
        QCOMPARE(RunTool({"render", QString::fromStdString(junk)}).ExitCode, 2); // no -o
        QCOMPARE(RunTool({"render", QString::fromStdString(junk), "-o", "x.png", "--scale", "0"})
                     .ExitCode,
                 2);
    }
};

QTEST_MAIN(TestRenderCommand)
#include "test_RenderCommand.moc"
