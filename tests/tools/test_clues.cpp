// The tool's clues command: the lists as the window builds them, as JSON.
#include "Container.h"
#include "ContainerWriter.h"
#include "Cp1252.h"
#include "LegendModel.h"
#include "Settings.h"
#include "TestSupport.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {
QJsonObject CluesJson(const std::string& path, int* exitCode = nullptr) {
    const ToolRun run = RunTool({"clues", "--json", QString::fromStdString(path)});
    if (exitCode) *exitCode = run.ExitCode;
    return QJsonDocument::fromJson(run.Out).object();
}

// A word grid of kind 6 with one solved word.
std::unique_ptr<Puzzle> Fence() {
    auto p = GridPuzzle(6, {"HAUS#", "A#BAD", "SONNE", "E#TOR"});
    NumberWords(*p);
    p->Image.Words[1].WordSolvedMark = 1;
    return p;
}

std::string PackedPlayer(const std::string& name, const PuzzleImage& im, const std::string& ini) {
    std::string bytes(static_cast<std::size_t>(ModuleOffset), '\0');
    bytes += ModuleBytes(im, WithCrLf(ini));
    return WriteTemp(name, bytes);
}

// The entries of a list as the model gives them, for comparison with the tool.
void CompareList(const QJsonArray& json, const std::vector<LegendItem>& list) {
    QCOMPARE(json.size(), static_cast<qsizetype>(list.size()));
    for (std::size_t i = 0; i < list.size(); ++i) {
        const QJsonObject e = json[static_cast<qsizetype>(i)].toObject();
        const LegendEntry& m = list[i].Entry;
        QCOMPARE(e["wordIndex"].toInt(), m.WordIndex);
        QCOMPARE(e["lineNumber"].toInt(), m.LineNumber);
        QCOMPARE(e["number"].toInt(), m.Number);
        QCOMPARE(e["blankCount"].toInt(), m.BlankCount);
        QCOMPARE(e["clue"].toString().toStdString(), Cp1252ToUtf8(m.Clue));
        QCOMPARE(e["checked"].toBool(), list[i].Checked);
        QCOMPARE(e["hidden"].toBool(), list[i].Hidden);
        const QJsonArray texts = e["texts"].toArray();
        QCOMPARE(texts.size(), 6);
        for (int c = 0; c < 6; ++c)
            QCOMPARE(texts[c].toString().toStdString(), Cp1252ToUtf8(EntryCellText(m, c)));
    }
}
} // namespace

class CluesTest : public QObject {
    Q_OBJECT
private slots:
    void everyExampleGivesTheWindowsLists() {
        const QString dir = qEnvironmentVariable("ZORU_EXAMPLES");
        QFile list(dir + "/list.txt");
        QVERIFY(list.open(QIODevice::ReadOnly));
        int withList = 0;
        for (const QByteArray& line : list.readAll().split('\n')) {
            if (line.trimmed().isEmpty()) continue;
            const std::string path =
                (dir + "/" + QString::fromUtf8(line.trimmed()) + ".zvr").toStdString();
            int exitCode = -1;
            const QJsonObject o = CluesJson(path, &exitCode);
            QCOMPARE(exitCode, 0);
            QCOMPARE(o["result"].toInt(), 4);
            Puzzle p;
            QImage picture;
            QCOMPARE(LoadPuzzleFile(p, picture, path), std::uint8_t(4));
            Settings s;
            SetDefaultSettings(s, p.Image);
            QCOMPARE(o["kind"].toInt(), int(p.Image.PuzzleKind));
            if (!HasClueList(p.Image.PuzzleKind)) {
                QCOMPARE(o.keys(), QStringList({"clueList", "kind", "result"}));
                QCOMPARE(o["clueList"].toBool(), false);
                continue;
            }
            ++withList;
            const LegendLists l = BuildLists(p.Image, s);
            QCOMPARE(o["twoLists"].toBool(), l.TwoLists);
            QCOMPARE(o["checkColumn"].toInt(), l.Columns.CheckColumn);
            QCOMPARE(o["fillColumn"].toInt(), l.Columns.FillColumn);
            CompareList(o["across"].toArray(), l.Across);
            CompareList(o["down"].toArray(), l.Down);
            if (!l.TwoLists) QVERIFY(o["across"].toArray().isEmpty());
        }
        QCOMPARE(withList, 11);
    }

    void settingsOfAPackedPlayerDecide() {
        auto p = Fence();
        // A puzzle file takes the defaults: one list, solved words shown.
        QJsonObject o = CluesJson(WriteTemp("zaun.zvr", PuzzleFileBytes(p->Image, "7.46")));
        QCOMPARE(o["twoLists"].toBool(), false);
        QVERIFY(o["across"].toArray().isEmpty());
        QCOMPARE(o["visibleColumns"].toArray(), QJsonArray({3, 4}));
        QCOMPARE(o["checkColumn"].toInt(), 3);
        QCOMPARE(o["fillColumn"].toInt(), 4);
        const QJsonArray one = o["down"].toArray();
        QCOMPARE(one.size(), p->Image.WordCount);
        // Shortest words first.
        QCOMPARE(one[0].toObject()["texts"].toArray()[3].toString(), QString("3"));
        QCOMPARE(one.last().toObject()["word"].toString(), QString("SONNE"));

        // The player's block: two lists, solved words hidden.
        const std::string ini = "[Legende]\nEinfacheLegende=0\nBegriffeAusblenden=1\n";
        int exitCode = -1;
        o = CluesJson(PackedPlayer("zaun-player", p->Image, ini), &exitCode);
        QCOMPARE(exitCode, 0);
        QCOMPARE(o["twoLists"].toBool(), true);
        const QJsonArray across = o["across"].toArray();
        const QJsonArray down = o["down"].toArray();
        QCOMPARE(across.size() + down.size(), p->Image.WordCount);
        int hidden = 0;
        for (const QJsonArray& l : {across, down}) {
            for (const QJsonValue& v : l) {
                const QJsonObject e = v.toObject();
                QCOMPARE(e["hidden"].toBool(), e["wordIndex"].toInt() == 1);
                QCOMPARE(e["checked"].toBool(), e["wordIndex"].toInt() == 1);
                hidden += e["hidden"].toBool();
            }
        }
        QCOMPARE(hidden, 1);
    }

    void failuresAndTheTable() {
        int exitCode = -1;
        const std::string missing = TempDir() + "/fehlt.zvr";
        QJsonObject o = CluesJson(missing, &exitCode);
        QCOMPARE(exitCode, 1);
        QCOMPARE(o.keys(), QStringList({"message", "result"}));
        QCOMPARE(o["result"].toInt(), 3);
        o = CluesJson(WriteTemp("junk.bin", std::string(64, 'x')), &exitCode);
        QCOMPARE(o["result"].toInt(), 0);
        QCOMPARE(exitCode, 1);

        auto cross = GridPuzzle(0, {"HAUS#", "A#BAD"});
        NumberWords(*cross);
        // A terminal must not obey control characters in a clue (title, clear screen).
        cross->Image.Words[0].ClueText.set("Geb\xE4ude\x1b]0;x\x07\x1b[2J");
        ToolRun run = RunTool({"clues", QString::fromStdString(WriteTemp(
                                            "k.zvr", PuzzleFileBytes(cross->Image, "7.46")))});
        QCOMPARE(run.ExitCode, 0);
        const QString text = QString::fromUtf8(run.Out);
        QVERIFY(text.contains("Waagerecht:"));
        QVERIFY(text.contains("Senkrecht:"));
        QVERIFY(text.contains("Gebäude\\x1B]0;x\\x07\\x1B[2J"));
        QVERIFY(!run.Out.contains('\x1b') && !run.Out.contains('\x07'));
        QVERIFY(text.contains("Nummer"));

        auto sudoku = Sudoku9();
        run = RunTool({"clues", QString::fromStdString(
                                    WriteTemp("s.zvr", PuzzleFileBytes(sudoku->Image, "7.46")))});
        QCOMPARE(run.ExitCode, 0);
        QVERIFY(QString::fromUtf8(run.Out).contains("keine Legende"));
        run = RunTool({"clues"});
        QCOMPARE(run.ExitCode, 2);
        QVERIFY(!run.Err.isEmpty());
    }
};

QTEST_MAIN(CluesTest)
#include "test_clues.moc"
