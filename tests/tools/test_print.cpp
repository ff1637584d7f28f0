// The tool's print command, read back from the PDF with the poppler tools.
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
    return qEnvironmentVariable("ZORU_EXAMPLES") + "/" + name + ".puz";
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
        const QString missing = QString::fromStdString(TempDir()) + "/gibt-es-nicht.puz";
        const ToolRun run = RunTool({"print", missing, "-o", out});
        QCOMPARE(run.ExitCode, 1);
        QVERIFY(!run.Err.isEmpty());
        QVERIFY(!QFile::exists(out));

        const std::string junk = WriteTemp("kaputt.puz", std::string(300, 'x'));
        QCOMPARE(RunTool({"print", QString::fromStdString(junk), "-o", out}).ExitCode, 1);
        QVERIFY(!QFile::exists(out));
    }

    // Print and render write their output whole or not at all, never over an
    // input, under the name given byte for byte.
    void outputsAreWrittenWholeAndNeverOverAnInput() {
        const QString dir = QString::fromStdString(TempDir());
        const QString puzzle = dir + "/eingabe.puz";
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
