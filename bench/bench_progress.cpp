// What keeping the player's work costs on the GUI thread: recording one step
// of the history around a key press, encoding the progress for the writer
// (the disk write itself runs beside the GUI thread), and reading a saved
// progress back at start. All on a 50 x 50 puzzle with every cell entered.
#include "History.h"
#include "Progress.h"
#include "Queries.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>

namespace {
std::unique_ptr<Puzzle> FullGrid() {
    auto p = std::make_unique<Puzzle>();
    ResetPuzzleImage(*p);
    PuzzleImage& im = p->Image;
    im.PuzzleKind = 4;
    im.ColumnCount = 50;
    im.RowCount = 50;
    for (int c = 1; c <= 50; ++c)
        for (int r = 1; r <= 50; ++r) {
            im.cell(c, r).CellFlags = CellFlag::LetterCell;
            im.cell(c, r).SolutionLetter.set(std::string(1, char('A' + (c * 7 + r) % 26)));
        }
    return p;
}
void EnterAll(Puzzle& p) {
    for (int c = 1; c <= 50; ++c)
        for (int r = 1; r <= 50; ++r)
            SetEnteredLetter(p, c, r, std::string(1, char('A' + (c + r) % 26)));
}
std::span<const std::uint8_t> Raw(const PuzzleImage& im) {
    return {reinterpret_cast<const std::uint8_t*>(&im), sizeof(im)};
}
} // namespace

class BenchProgress : public QObject {
    Q_OBJECT

private slots:
    void historyStepOfOneKey() {
        auto p = FullGrid();
        EnterAll(*p);
        EditHistory history;
        int i = 0;
        QBENCHMARK {
            history.Begin(p->Image, {});
            SetEnteredLetter(*p, 25, 25, std::string(1, char('A' + i++ % 26)));
            history.Commit(p->Image, {});
        }
    }

    void encodeForTheWriter() {
        auto original = FullGrid();
        auto p = std::make_unique<Puzzle>(*original);
        EnterAll(*p);
        const std::uint64_t key = PuzzleKey(Raw(original->Image), {});
        auto extras = std::make_unique<ProgressExtras>();
        std::size_t size = 0;
        QBENCHMARK {
            size = EncodeProgress(key, 1, original->Image, p->Image, *extras).size();
        }
        QVERIFY(size > 5000); // one run per entered cell, the whole grid differs
    }

    void readAtStart() {
        auto original = FullGrid();
        auto p = std::make_unique<Puzzle>(*original);
        EnterAll(*p);
        const std::uint64_t key = PuzzleKey(Raw(original->Image), {});
        auto extras = std::make_unique<ProgressExtras>();
        for (int n = 0; n < 4; ++n) extras->Snapshots.Take(p->Image, 45000 + n);
        const auto bytes = EncodeProgress(key, 1, original->Image, p->Image, *extras);
        QTemporaryDir dir;
        const QString path = dir.filePath("state.progress");
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        out.close();
        auto back = std::make_unique<Puzzle>(*original);
        QBENCHMARK {
            // Key, file and decode; the check state is rebuilt from the entries
            // at every start, with or without a saved progress.
            QVERIFY(PuzzleKey(Raw(original->Image), {}) == key);
            QFile in(path);
            QVERIFY(in.open(QIODevice::ReadOnly));
            const QByteArray data = in.readAll();
            const ProgressRead read = DecodeProgress(
                {reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size())},
                key, original->Image, back->Image, *extras);
            QVERIFY(read.ok());
        }
    }
};

QTEST_GUILESS_MAIN(BenchProgress)
#include "bench_progress.moc"
