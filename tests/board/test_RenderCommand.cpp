// The tool's render command: the board's grid as PNG, from a file or a module.
#include "BoardFixture.h"
#include "CellPainter.h"
#include "ContainerWriter.h"
#include "TestSupport.h"

#include <QFile>
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
        const std::string file = WriteTemp("render.zvr", PuzzleFileBytes(p->Image, "7.46"));
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

    // The tool paints what the screen shows: every example's grid grabbed from a
    // real board equals the rendered picture, but for the current cell and its
    // word, which the render leaves without highlight.
    void sameImageAsTheScreen() {
        QFile list(qEnvironmentVariable("ZORU_EXAMPLES") + "/list.txt");
        if (!list.open(QIODevice::ReadOnly)) QSKIP("examples not built");
        int compared = 0;
        for (const QByteArray& line : list.readAll().split('\n')) {
            const QString name = QString::fromUtf8(line.trimmed());
            if (name.isEmpty()) continue;
            const QString file = qEnvironmentVariable("ZORU_EXAMPLES") + "/" + name + ".zvr";
            const auto o = OpenBoardFile(file.toStdString());
            QVERIFY2(o->Board, qPrintable(name));
            // Without the word highlight only the current cell is marked.
            o->Session->settings.AktuellenBegriffMarkieren = false;
            const QImage screen = o->Grid()->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QImage rendered =
                Render(file.toStdString(), {}).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(rendered.size(), screen.size());
            const QRect current =
                o->Grid()->Col() > 0
                    ? o->Grid()->CellRect(o->Grid()->Col(), o->Grid()->Row()).adjusted(-2, -2, 2, 2)
                    : QRect();
            int differing = 0;
            for (int y = 0; y < screen.height(); ++y)
                for (int x = 0; x < screen.width(); ++x)
                    if (!current.contains(x, y) && screen.pixel(x, y) != rendered.pixel(x, y))
                        ++differing;
            if (differing) {
                qWarning() << name << differing << "pixels differ";
                screen.save("/tmp/diff-screen.png");
                rendered.save("/tmp/diff-render.png");
            }
            QCOMPARE(differing, 0);
            ++compared;
        }
        QVERIFY(compared > 10);
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

    // A packed player whose settings show the possible symbols: the render draws
    // them as the board does.
    void candidatesAsTheBoardDrawsThem() {
        auto p = Sudoku9("1111" + std::string(77, '0'));
        p->Image.entry(5, 5).set("7");
        const std::string plain =
            WriteTemp("render-candidates.zvr", PuzzleFileBytes(p->Image, "7.46"));
        const std::string settings = WithCrLf("[Raetsel_Anzeige]\nMoeglicheZahlenZeigen=1\n");
        const std::string module = std::string(1360000, '\0') + ModuleBytes(p->Image, settings);
        const std::string packed = WriteTemp("render-candidates.exe", module);
        const QImage without = Render(plain, {}).convertToFormat(QImage::Format_RGB32);
        const QImage with = Render(packed, {}).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(with.size(), without.size());
        QVERIFY(with != without);

        const auto o = OpenBoardFile(plain);
        QVERIFY(o->Board);
        o->Session->settings.MoeglicheZahlenZeigen = true;
        o->Board->RepaintGrid();
        const QImage screen = o->Grid()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(screen.size(), with.size());
        const QRect current =
            o->Grid()->CellRect(o->Grid()->Col(), o->Grid()->Row()).adjusted(-2, -2, 2, 2);
        int differing = 0;
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                if (!current.contains(x, y) && screen.pixel(x, y) != with.pixel(x, y)) ++differing;
        QCOMPARE(differing, 0);
    }

    void failuresExitWithAMessage() {
        ToolRun run;
        Render(TempDir() + "/missing.zvr", {}, &run);
        QCOMPARE(run.ExitCode, 1);
        QVERIFY(!run.Err.isEmpty());
        const std::string junk = WriteTemp("junk.zvr", std::string(100, 'x'));
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
