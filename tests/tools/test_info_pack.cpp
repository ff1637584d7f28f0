// The tool's info and pack commands: their outputs are contracts.
#include "Container.h"
#include "ContainerWriter.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {
QJsonObject InfoJson(const std::string& path, int* exitCode = nullptr) {
    const ToolRun run = RunTool({"info", "--json", QString::fromStdString(path)});
    if (exitCode) *exitCode = run.ExitCode;
    return QJsonDocument::fromJson(run.Out).object();
}

std::unique_ptr<Puzzle> Crossword() {
    auto p = GridPuzzle(1, {"H\xC4US",
                            "A#\xDF"
                            "E",
                            "USER"});
    PuzzleImage& im = p->Image;
    im.cell(1, 1).CellNumber = 1;
    im.cell(1, 1).StartsAcrossWord = im.cell(1, 1).StartsDownWord = 1;
    im.cell(3, 2).CellNumber = -2; // stored negated, reported as stored
    im.cell(2, 1).CellFlags |= CellFlag::SolutionOrGiven;
    im.cell(2, 1).SolutionPosition = 1;
    im.WordCount = 2;
    im.Words[0].WordNumber = 1;
    im.Words[0].WordDirection = Direction::Across;
    im.Words[0].WordText.set("HAEUS");
    im.Words[0].ClueText.set("Geb\xE4ude");
    im.Words[1].WordNumber = 1;
    im.Words[1].WordDirection = Direction::Down;
    im.Words[1].WordReversed = 1;
    im.Words[1].WordText.set("HAU");
    im.SolutionWord.set("\xC4");
    im.PuzzleTitle.set("Gr\xFC\xDF"
                       "e");
    im.BestTimeHolder.set("M\xFCller");
    im.entry(1, 1).set("h");
    return p;
}
} // namespace

class InfoPackTest : public QObject {
    Q_OBJECT
private slots:
    void infoOfAPuzzleFile() {
        auto p = Crossword();
        const std::string path = WriteTemp("kreuz.zvr", PuzzleFileBytes(p->Image, "7.46"));
        int exitCode = -1;
        const QJsonObject o = InfoJson(path, &exitCode);
        QCOMPARE(exitCode, 0);
        QCOMPARE(o["result"].toInt(), 4);
        QCOMPARE(o["container"].toString(), QString("file"));
        QCOMPARE(o["headerVersion"].toString(), QString("7.46"));
        QCOMPARE(o["kind"].toInt(), 1);
        QCOMPARE(o["kindName"].toString(), QString("Schwedenrätsel"));
        QCOMPARE(o["columns"].toInt(), 4);
        QCOMPARE(o["rows"].toInt(), 3);
        QCOMPARE(o["title"].toString(), QString("Grüße"));
        QCOMPARE(o["author"].toString(), QString("Müller"));
        QCOMPARE(o["solutionWord"].toString(), QString("Ä"));
        QVERIFY(o["settings"].isNull());
        QVERIFY(o["picture"].isNull());
        QCOMPARE(o["clockRunning"].toBool(), true);
        QCOMPARE(o["solutionLetters"].toArray()[1].toString(), QString("A.ßE"));
        // Entries as the board holds them after opening: checked and upper case.
        QCOMPARE(o["enteredLetters"].toArray()[0].toString(), QString("H   "));
        QCOMPARE(o["cellFlags"].toArray()[0].toArray()[1].toInt(), 6);
        QCOMPARE(o["cellFlags"].toArray()[1].toArray()[1].toInt(), 1);
        QCOMPARE(o["cellNumbers"].toArray()[1].toArray()[2].toInt(), -2);
        const QJsonArray words = o["words"].toArray();
        QCOMPARE(words.size(), 2);
        QCOMPARE(words[1].toObject()["direction"].toString(), QString("down"));
        QCOMPARE(words[1].toObject()["reversed"].toBool(), true);
        QCOMPARE(words[0].toObject()["clue"].toString(), QString("Gebäude"));
        QVERIFY(!words[0].toObject().contains("codeLetter"));
    }

    void codeTableOfANumberPuzzle() {
        // The table has 26 codes even when the puzzle has fewer words.
        auto p = GridPuzzle(2, {"AB"});
        for (int i = 0; i < 26; ++i) p->Image.Words[i].CodeLetter = 'Z' - i;
        p->Image.WordCount = 2;
        const QJsonObject o = InfoJson(WriteTemp("codes.zvr", PuzzleFileBytes(p->Image, "7.46")));
        QCOMPARE(o["words"].toArray().size(), 2);
        QCOMPARE(o["codeLetters"].toString(), QString("ZYXWVUTSRQPONMLKJIHGFEDCBA"));
    }

    void judgementOnOpening() {
        // Every symbol given: complete and correct; then one entry that repeats a symbol.
        auto p = Sudoku9(std::string(81, '1'));
        QJsonObject o = InfoJson(WriteTemp("voll.zvr", PuzzleFileBytes(p->Image, "7.46")));
        QCOMPARE(o["evaluation"].toObject()["level"].toInt(), 3);
        QCOMPARE(o["evaluation"].toObject()["message"].toString(),
                 QString("Sie haben das Rätsel gelöst!"));
        QCOMPARE(o["checkState"].toArray()[0].toArray()[0].toInt(), 1);
        // (2,1) no given: its entry repeats the 1 of column 1 in row 1.
        p = Sudoku9("10" + std::string(79, '1'));
        p->Image.entry(2, 1).set("1");
        o = InfoJson(WriteTemp("falsch.zvr", PuzzleFileBytes(p->Image, "7.46")));
        QCOMPARE(o["checkState"].toArray()[0].toArray()[1].toInt(), 255);
        QCOMPARE(o["evaluation"].toObject()["level"].toInt(), 2);
        QVERIFY(o["evaluation"].toObject()["message"].isNull()); // Sudokus stay silent at level 2
        // Nothing entered: level stays 0, no message, every state blank.
        auto empty = Sudoku9();
        o = InfoJson(WriteTemp("leer.zvr", PuzzleFileBytes(empty->Image, "7.46")));
        QCOMPARE(o["evaluation"].toObject()["level"].toInt(), 0);
        QCOMPARE(o["checkState"].toArray()[8].toArray()[8].toInt(), 0);
    }

    void failedLoadsGiveResultAndMessageOnly() {
        int exitCode = -1;
        const std::string missing = TempDir() + "/fehlt.zvr";
        QJsonObject o = InfoJson(missing, &exitCode);
        QCOMPARE(exitCode, 1);
        QCOMPARE(o.keys(), QStringList({"message", "result"}));
        QCOMPARE(o["result"].toInt(), 3);
        QCOMPARE(o["message"].toString(),
                 QString("Aus der Datei \"%1\" konnte nicht gelesen werden!")
                     .arg(QString::fromStdString(missing)));
        const std::string junk = WriteTemp("junk.bin", std::string(100, 'x'));
        o = InfoJson(junk, &exitCode);
        QCOMPARE(o["result"].toInt(), 0);
        QVERIFY(o["message"].toString().contains("ist kein bekanntes Rätselformat gespeichert!"));
        auto p = Crossword();
        p->Image.ColumnCount = 200;
        o = InfoJson(WriteTemp("bad.zvr", PuzzleFileBytes(p->Image, "7.46")), &exitCode);
        QCOMPARE(o["result"].toInt(), 7);
        QCOMPARE(exitCode, 1);
    }

    void packedPlayerCarriesTheModule() {
        auto p = Crossword();
        p->Image.CreatorVersion.set("7.46");
        p->Image.ImageFlags = ImageFlag::HasPicture;
        QImage pic(8, 5, QImage::Format_RGB32);
        pic.fill(Qt::red);
        QByteArray bmp;
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        pic.save(&buffer, "BMP");
        // A file whose header has no version carries no picture, yet its image asks for one.
        const std::string puz = WriteTemp("bild.zvr", PuzzleFileBytes(p->Image, ""));
        const std::string bmpPath = WriteTemp("bild.bmp", bmp.toStdString());
        const std::string ini =
            WriteTemp("s.ini", "; NoTitle\n\n[Raetsel_Layout]\nFeldgroesse=41\n\n");
        const std::string player = WriteTemp("player", std::string(5000, 'P'));
        const QString out = QString::fromStdString(TempDir() + "/packed");
        // The picture the puzzle asks for must be given.
        ToolRun run = RunTool(
            {"pack", QString::fromStdString(player), QString::fromStdString(puz), "-o", out});
        QCOMPARE(run.ExitCode, 1);
        run = RunTool({"pack", QString::fromStdString(player), QString::fromStdString(puz),
                       "--settings", QString::fromStdString(ini), "--picture",
                       QString::fromStdString(bmpPath), "-o", out});
        QCOMPARE(run.ExitCode, 0);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith(QByteArray(5000, 'P')));
        QCOMPARE(bytes.mid(5000, ModuleOffset - 5000), QByteArray(ModuleOffset - 5000, '\0'));
        QVERIFY(bytes.mid(ModuleOffset).startsWith("Dadorerovaduzuve7.46"));
        QVERIFY(bytes.contains("[Raetsel_Layout]\r\nFeldgroesse=41\r\n"));
        QVERIFY(f.permissions() & QFileDevice::ExeOwner);
        const QJsonObject o = InfoJson(out.toStdString());
        QCOMPARE(o["result"].toInt(), 4);
        QCOMPARE(o["container"].toString(), QString("module"));
        QCOMPARE(o["settings"].toObject()["Feldgroesse"].toInt(), 41);
        QCOMPARE(o["settings"].toObject()["FehlerZeigen"].toBool(), true);
        QCOMPARE(o["settings"].toObject()["Schriftart"].toString(), QString("Arial"));
        QCOMPARE(o["settings"].toObject().size(), 25);
        QCOMPARE(o["picture"].toObject()["width"].toInt(), 8);
        // A picture stored in the puzzle file travels into the module.
        const std::string withPicture = WriteTemp(
            "mitbild.zvr", PuzzleFileBytes(p->Image, "7.46", StoredPicture{0, bmp.toStdString()}));
        run = RunTool({"pack", QString::fromStdString(player), QString::fromStdString(withPicture),
                       "-o", out});
        QCOMPARE(run.ExitCode, 0);
        QCOMPARE(InfoJson(out.toStdString())["picture"].toObject()["height"].toInt(), 5);
    }

    void packRefusesAnOversizedPlayer() {
        auto p = Crossword();
        const std::string puz = WriteTemp("k.zvr", PuzzleFileBytes(p->Image, "7.46"));
        const std::string big =
            WriteTemp("big", std::string(static_cast<std::size_t>(ModuleOffset), 'B'));
        const ToolRun run =
            RunTool({"pack", QString::fromStdString(big), QString::fromStdString(puz), "-o",
                     QString::fromStdString(TempDir() + "/x")});
        QCOMPARE(run.ExitCode, 1);
        QVERIFY(run.Err.contains("1360000"));
    }

    void infoReportsTheStateAfterOpening() {
        // A timed Sudoku entered completely and correctly, its clock still running:
        // opening it stops the clock and keeps the better time.
        auto p = SudokuOfSize(4, 15);
        PuzzleImage& im = p->Image;
        for (int c = 1; c <= 4; ++c)
            for (int r = 1; r <= 4; ++r) im.entry(c, r).set(im.cell(c, r).SolutionLetter.view());
        im.ClockRunning = 1;
        im.ElapsedSeconds = 50;
        im.BestSeconds = 90;
        const std::string path = WriteTemp("zeit.zvr", PuzzleFileBytes(im, "7.46"));
        const QJsonObject o = InfoJson(path);
        QCOMPARE(o["evaluation"].toObject()["level"].toInt(), 3);
        QCOMPARE(o["solvedLevel"].toInt(), 3);
        QCOMPARE(o["clockRunning"].toBool(), false);
        QCOMPARE(o["bestSeconds"].toInt(), 50);
        QCOMPARE(o["elapsedSeconds"].toInt(), 50);
    }

    void plainInfoAlignsLabelsByCharacters() {
        auto p = Crossword();
        const ToolRun run = RunTool({"info", QString::fromStdString(WriteTemp(
                                                 "a.zvr", PuzzleFileBytes(p->Image, "7.46")))});
        QCOMPARE(run.ExitCode, 0);
        const QStringList lines = QString::fromUtf8(run.Out).split('\n');
        int checked = 0;
        for (const QString& line : lines) {
            if (line.startsWith("Lösung:")) break; // the label lines end here
            // Label, padding to 18 characters, one blank, the value (possibly empty).
            QVERIFY2(line.size() >= 19 && line[18] == ' ' &&
                         (line.size() == 19 || line[19] != ' ') &&
                         line.left(18).trimmed().endsWith(':'),
                     qPrintable(line));
            ++checked;
        }
        QVERIFY(checked > 10);
        QVERIFY(run.Out.contains("Behälter:"));
        QVERIFY(run.Out.contains("Größe:"));
    }

    void terminalOutputEscapesControlCharacters() {
        auto p = Crossword();
        p->Image.PuzzleTitle.set("Neu\x1B[2J\nGel\xF6st\x81");
        p->Image.Words[0].ClueText.set("Haus\rX");
        const std::string path = WriteTemp("esc.zvr", PuzzleFileBytes(p->Image, "7.46"));
        const ToolRun run = RunTool({"info", QString::fromStdString(path)});
        QCOMPARE(run.ExitCode, 0);
        QVERIFY(!run.Out.contains('\x1B'));
        QVERIFY(!run.Out.contains('\r'));
        QVERIFY(!run.Out.contains("\xC2\x81"));
        QVERIFY2(run.Out.contains("Neu\\x1B[2J\\nGelöst\\u0081"), run.Out.constData());
        QVERIFY(run.Out.contains("Haus\\rX"));
        // JSON escapes by itself; its texts stay as stored.
        QCOMPARE(InfoJson(path)["title"].toString(), QString("Neu\x1B[2J\nGelöst\u0081"));
    }

    void humanReadableInfo() {
        auto p = Crossword();
        const ToolRun run = RunTool({"info", QString::fromStdString(WriteTemp(
                                                 "h.zvr", PuzzleFileBytes(p->Image, "7.46")))});
        QCOMPARE(run.ExitCode, 0);
        QVERIFY(run.Out.contains("Schwedenrätsel"));
        QVERIFY(run.Out.contains("HAEUS"));
    }
};

QTEST_GUILESS_MAIN(InfoPackTest)
#include "test_info_pack.moc"
