// The tool's print command, read back from the PDF with the poppler tools.
#include "ContainerWriter.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <unistd.h>

namespace {
QString Example(const char* name) {
    return qEnvironmentVariable("ZORU_EXAMPLES") + "/" + name + ".zvr";
}

QString OutPdf(const QString& name) {
    const QString out = QString::fromStdString(TempDir()) + "/" + name;
    QFile::remove(out);
    return out;
}

QByteArray Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    return p.readAllStandardOutput();
}

struct PdfInfo {
    int Pages = 0;
    double Width = 0, Height = 0; // points, of the first page
};

PdfInfo Info(const QString& pdf) {
    PdfInfo info;
    const QString text = QString::fromUtf8(Run("pdfinfo", {pdf}));
    const auto pages = QRegularExpression(R"(Pages:\s+(\d+))").match(text);
    if (pages.hasMatch()) info.Pages = pages.captured(1).toInt();
    const auto size = QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+))").match(text);
    if (size.hasMatch()) {
        info.Width = size.captured(1).toDouble();
        info.Height = size.captured(2).toDouble();
    }
    return info;
}

QString PageText(const QString& pdf, int page) {
    const QString n = QString::number(page);
    return QString::fromUtf8(Run("pdftotext", {"-f", n, "-l", n, "-layout", pdf, "-"}));
}

// The first page as an image at a low resolution.
QImage PageImage(const QString& pdf) {
    const QString base = pdf + "-page";
    Run("pdftoppm", {"-r", "40", "-f", "1", "-l", "1", "-png", "-singlefile", pdf, base});
    return QImage(base + ".png");
}

// A 15 x 15 crossword with 74 words, each clue carrying a token of its own
// ("K12X"), written as a puzzle file.
QString LongCrosswordFile() {
    std::vector<std::string> rows;
    for (int r = 1; r <= 15; ++r) {
        std::string row;
        for (int c = 1; c <= 15; ++c)
            row += (r - 1 + 2 * (c - 1)) % 8 == 0 ? '#' : char('A' + (r * 7 + c * 3) % 26);
        rows.push_back(row);
    }
    auto p = GridPuzzle(0, rows);
    NumberWords(*p);
    static const char* const clues[] = {"Schwester der Mutter", "Trinkgef\xE4\xDF mit Henkel",
                                        "l\xE4ngster Fluss Afrikas und Lebensader \xC4gyptens"};
    for (int i = 0; i < p->Image.WordCount; ++i)
        p->Image.Words[std::size_t(i)].ClueText.set("K" + std::to_string(i + 1) + "X " +
                                                    clues[i % 3]);
    p->Image.PuzzleTitle.set("Viele Begriffe");
    return QString::fromStdString(
        WriteTemp("viele-begriffe.zvr", PuzzleFileBytes(p->Image, "7.46")));
}

// How often each token K1X..KnX stands in the text; empty when every one
// stands there exactly once, else the first that does not.
QString NotOnce(const QString& text, int n) {
    for (int k = 1; k <= n; ++k) {
        const auto count = text.count(QRegularExpression(QString("\\bK%1X\\b").arg(k)));
        if (count != 1) return QString("K%1X %2 times").arg(k).arg(count);
    }
    return {};
}

int ColouredPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).saturation() > 60) ++n;
    return n;
}
} // namespace

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        for (const char* tool : {"pdfinfo", "pdftotext", "pdftoppm"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP("poppler-utils are not installed (scripts/install-deps.sh)");
    }

    void sudokuOnOneLandscapePage() {
        const QString out = OutPdf("sudoku.pdf");
        const ToolRun run = RunTool({"print", Example("sudoku-9"), "-o", out});
        QCOMPARE(run.ExitCode, 0);
        const PdfInfo info = Info(out);
        QCOMPARE(info.Pages, 1);
        QVERIFY(info.Width > info.Height);
        QCOMPARE(qRound(info.Width), 842); // A4
        QVERIFY(PageText(out, 1).contains(QStringLiteral("Sudoku 9 × 9 (mittelschwer)")));
    }

    void twoPortraitPagesRepeatTheTitle() {
        const QString out = OutPdf("kreuz.pdf");
        const ToolRun run = RunTool({"print", Example("schwedenraetsel-loesungswort"), "-o", out,
                                     "--two-pages", "--portrait", "--margins", "15,30"});
        QCOMPARE(run.ExitCode, 0);
        const PdfInfo info = Info(out);
        QCOMPARE(info.Pages, 2);
        QVERIFY(info.Height > info.Width);
        for (int page = 1; page <= 2; ++page)
            QVERIFY2(PageText(out, page).contains(QStringLiteral("Rund um Küche und Garten")),
                     qPrintable(QString("page %1").arg(page)));
    }

    void clueListsBesideAndAfterTheGrid() {
        const QString one = OutPdf("hinweise.pdf");
        QCOMPARE(RunTool({"print", Example("schwedenraetsel-loesungswort"), "-o", one}).ExitCode,
                 0);
        QCOMPARE(Info(one).Pages, 1);
        const QString text = PageText(one, 1);
        for (const char* expected : {"Waagerecht:", "Senkrecht:", "geflochtener Behälter",
                                     "längster Fluss Afrikas", "Trinkgefäß mit Henkel"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);

        const QString two = OutPdf("hinweise2.pdf");
        QCOMPARE(
            RunTool({"print", Example("schwedenraetsel-loesungswort"), "-o", two, "--two-pages"})
                .ExitCode,
            0);
        QVERIFY(!PageText(two, 1).contains(QStringLiteral("Waagerecht:")));
        QVERIFY(PageText(two, 2).contains(QStringLiteral("Trinkgefäß mit Henkel")));
    }

    void numberPuzzleCarriesItsCodeTable() {
        const QString one = OutPdf("zahlen.pdf");
        QCOMPARE(RunTool({"print", Example("zahlenraetsel"), "-o", one}).ExitCode, 0);
        QCOMPARE(Info(one).Pages, 1);
        const QString text = PageText(one, 1);
        QVERIFY(text.contains(QStringLiteral("Legende:")));
        // Every code number of the table is printed, the last one too.
        QVERIFY(text.contains(QStringLiteral("25")));
        const QString two = OutPdf("zahlen2.pdf");
        QCOMPARE(
            RunTool({"print", Example("zahlenraetsel"), "-o", two, "--two-pages", "--legend-below"})
                .ExitCode,
            0);
        QCOMPARE(Info(two).Pages, 2);
        QVERIFY(!PageText(two, 1).contains(QStringLiteral("Legende:")));
        QVERIFY(PageText(two, 2).contains(QStringLiteral("Legende:")));
    }

    void linesOnlyHasNoColour() {
        const QString colour = OutPdf("farbig.pdf");
        QCOMPARE(RunTool({"print", Example("schwedenraetsel-loesungswort"), "-o", colour}).ExitCode,
                 0);
        QVERIFY(ColouredPixels(PageImage(colour)) > 0);
        const QString lines = OutPdf("linien.pdf");
        QCOMPARE(RunTool({"print", Example("schwedenraetsel-loesungswort"), "-o", lines, "--mode",
                          "lines"})
                     .ExitCode,
                 0);
        const QImage page = PageImage(lines);
        QVERIFY(!page.isNull());
        QCOMPARE(ColouredPixels(page), 0);
    }

    void copiesFollowEachOtherInOneFile() {
        const QString out = OutPdf("kopien.pdf");
        QCOMPARE(RunTool({"print", Example("sudoku-4"), "-o", out, "--copies", "3", "--stretch"})
                     .ExitCode,
                 0);
        QCOMPARE(Info(out).Pages, 3);
        const QString two = OutPdf("kopien2.pdf");
        QCOMPARE(
            RunTool({"print", Example("fuellraetsel"), "-o", two, "--copies", "2", "--two-pages"})
                .ExitCode,
            0);
        QCOMPARE(Info(two).Pages, 4);
    }

    void aFailedLoadWritesNothing() {
        const QString out = OutPdf("nichts.pdf");
        const QString missing = QString::fromStdString(TempDir()) + "/gibt-es-nicht.zvr";
        const ToolRun run = RunTool({"print", missing, "-o", out});
        QCOMPARE(run.ExitCode, 1);
        QVERIFY(!run.Err.isEmpty());
        QVERIFY(!QFile::exists(out));

        const std::string junk = WriteTemp("kaputt.zvr", std::string(300, 'x'));
        QCOMPARE(RunTool({"print", QString::fromStdString(junk), "-o", out}).ExitCode, 1);
        QVERIFY(!QFile::exists(out));
    }

    void everyClueOnceInEveryLayout() {
        const QString puzzle = LongCrosswordFile();
        const QList<QStringList> layouts = {
            {},
            {"--portrait"},
            {"--legend-below"},
            {"--portrait", "--legend-below"},
            {"--two-pages"},
            {"--two-pages", "--portrait"},
            {"--portrait", "--legend-below", "--legend-font", "10"}};
        for (const QStringList& layout : layouts) {
            const QString out = OutPdf("viele.pdf");
            QCOMPARE(RunTool(QStringList{"print", puzzle, "-o", out} + layout).ExitCode, 0);
            const int pages = Info(out).Pages;
            QVERIFY2(pages >= 2, qPrintable(layout.join(' ')));
            QString all;
            for (int page = 1; page <= pages; ++page) {
                const QString text = PageText(out, page);
                // The title on every page.
                QVERIFY(text.contains(QStringLiteral("Viele Begriffe")));
                all += text;
            }
            const QString missing = NotOnce(all, 74);
            QVERIFY2(missing.isEmpty(), qPrintable(layout.join(' ') + ": " + missing));
        }
        // The document's title is the puzzle's.
        const QString out = OutPdf("titel.pdf");
        QCOMPARE(RunTool({"print", puzzle, "-o", out}).ExitCode, 0);
        QVERIFY(QString::fromUtf8(Run("pdfinfo", {out}))
                    .contains(QRegularExpression(R"(Title:\s+Viele Begriffe)")));
    }

    void helpAndLegendFont() {
        const ToolRun help = RunTool({"print", "--help"});
        QCOMPARE(help.ExitCode, 0);
        QVERIFY(help.Out.contains("--legend-font MM"));
        const QString out = OutPdf("schrift.pdf");
        for (const char* bad : {"1", "11", "x"})
            QCOMPARE(RunTool({"print", Example("fuellraetsel"), "-o", out, "--legend-font", bad})
                         .ExitCode,
                     2);
        QVERIFY(!QFile::exists(out));
    }

    // Print and render write their output whole or not at all, never over an
    // input, under the name given byte for byte.
    void outputsAreWrittenWholeAndNeverOverAnInput() {
        const QString dir = QString::fromStdString(TempDir());
        const QString puzzle = dir + "/eingabe.zvr";
        QVERIFY(QFile::copy(Example("sudoku-4"), puzzle));
        QFile input(puzzle);
        QVERIFY(input.open(QIODevice::ReadOnly));
        const QByteArray original = input.readAll();
        const QString link = dir + "/verweis.png", full = dir + "/voll.png";
        QVERIFY(QFile::link(puzzle, link));
        QVERIFY(QFile::link("/dev/full", full));
        for (const QString& command : {QStringLiteral("print"), QStringLiteral("render")}) {
            for (const QString& out : {puzzle, link}) {
                if (command == "render" && out == puzzle) continue; // not an image name
                const ToolRun run = RunTool({command, puzzle, "-o", out});
                QCOMPARE(run.ExitCode, 1);
                QVERIFY2(run.Err.contains("selbst; sie wird nicht überschrieben"), run.Err);
            }
            ToolRun run = RunTool({command, puzzle, "-o", full});
            QCOMPARE(run.ExitCode, 1);
            QVERIFY2(run.Err.contains("konnte nicht geschrieben werden: kein Platz mehr"), run.Err);
            run = RunTool({command, puzzle, "-o", dir});
            QCOMPARE(run.ExitCode, command == "print" ? 1 : 2);
            QVERIFY2(!run.Err.contains("QPainter") && !run.Err.contains("Returned"), run.Err);
            // A name that is no UTF-8 (Latin-1 "ä") keeps its bytes.
            QProcess named;
            named.start("sh", {"-c", "exec \"$0\" \"$1\" \"$2\" -o \"$2$(printf '\\344').png\"",
                               qEnvironmentVariable("ZORU_TOOL"), command, puzzle});
            QVERIFY(named.waitForFinished(60000));
            QCOMPARE(named.exitCode(), 0);
            const std::string written = puzzle.toStdString() + "\xE4.png";
            QVERIFY(::access(written.c_str(), F_OK) == 0);
            QCOMPARE(::unlink(written.c_str()), 0);
        }
        QVERIFY(input.seek(0));
        QCOMPARE(input.readAll(), original);
        // No temporary file is left beside the outputs.
        QVERIFY(QDir(dir).entryList({".eingabe*"}, QDir::Files | QDir::Hidden).isEmpty());
    }

    void badOptionsAreRefused() {
        const QString out = OutPdf("falsch.pdf");
        for (const QStringList& extra :
             {QStringList{"--mode", "bunt"}, QStringList{"--cell-size", "1"},
              QStringList{"--margins", "20"}, QStringList{"--margins", "5,20"},
              QStringList{"--copies", "0"}, QStringList{"--unbekannt"}}) {
            const ToolRun run =
                RunTool(QStringList{"print", Example("sudoku-9"), "-o", out} + extra);
            QCOMPARE(run.ExitCode, 2);
            QVERIFY(!QFile::exists(out));
        }
    }
};

QTEST_GUILESS_MAIN(TestPrint)
#include "test_print.moc"
