// The progress file: every kind of player work comes back byte for byte, and
// damaged, foreign and newer files are refused without touching the game.
#include "Edits.h"
#include "Progress.h"
#include "Queries.h"
#include "TestSupport.h"

#include <QTest>

#include <cstring>

class TestProgress : public QObject {
    Q_OBJECT

    static bool Same(const PuzzleImage& a, const PuzzleImage& b) {
        return std::memcmp(&a, &b, sizeof(PuzzleImage)) == 0;
    }
    static std::span<const std::uint8_t> Raw(const PuzzleImage& im) {
        return {reinterpret_cast<const std::uint8_t*>(&im), sizeof(im)};
    }

private slots:
    void everyItemComesBack() {
        auto original = GridPuzzle(11, {"AB#", "CDE"});
        const PuzzleImage& o = original->Image;
        auto played = std::make_unique<Puzzle>(*original);
        PuzzleImage& im = played->Image;
        SetEnteredLetter(*played, 1, 1, "A");
        SetEnteredLetter(*played, 2, 2, "X");
        im.cell(3, 1).CellFlags |= CellFlag::PlacedBlock;
        im.cell(1, 2).CellFlags |= CellFlag::PlayerMark;
        im.cell(2, 1).CellNumber = -im.cell(2, 1).CellNumber;
        im.Words[2].WordSolvedMark = 1;
        im.Words[4].CodeGuess.set("Q");
        im.Words[5].ClueText.clear();
        im.EnteredSolutionWord.set("AB  C");
        im.SolvedLevel = 2;
        im.ElapsedSeconds = 4321;
        im.BestSeconds = 1234;
        im.ClockRunning = 0;
        ProgressExtras extras;
        extras.MarkTag = 13;
        extras.Snapshots.Take(im, 45000.5);
        SetEnteredLetter(*played, 1, 1, "B");
        extras.Snapshots.Take(im, 45001.25);
        extras.Ticks = {{true, -3, true}, {false, 4, false}, {false, 0, true}};

        const std::uint64_t key = PuzzleKey(Raw(o), {});
        QCOMPARE(PuzzleKeyText(key).size(), std::size_t{16});
        QVERIFY(key != PuzzleKey(Raw(o), std::vector<std::uint8_t>{1}));
        const auto data = EncodeProgress(key, 1700000000123, o, im, extras);
        QVERIFY(data.size() < 300);

        auto back = std::make_unique<PuzzleImage>(o);
        auto more = std::make_unique<ProgressExtras>();
        const ProgressRead read = DecodeProgress(data, key, o, *back, *more);
        QVERIFY2(read.ok(), read.Reason.c_str());
        QCOMPARE(read.SavedAtMs, std::int64_t{1700000000123});
        QVERIFY(Same(*back, im));
        QCOMPARE(more->MarkTag, 13);
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(more->Snapshots.TakenAt(n), extras.Snapshots.TakenAt(n));
            QVERIFY(std::memcmp(more->Snapshots.Slot(n).Letters, extras.Snapshots.Slot(n).Letters,
                                sizeof(BoardSnapshot::Letters)) == 0);
        }
        QCOMPARE(more->Ticks, extras.Ticks);

        // A file of the first version, which kept no ticks, still reads.
        auto first = EncodeProgress(key, 1, o, im, ProgressExtras{});
        first.erase(first.end() - 6, first.end() - 4); // the tick count
        first.resize(first.size() - 4);
        first[8] = 1;
        first[28] = static_cast<std::uint8_t>(first[28] - 2);
        const std::uint32_t crc = Crc32(first);
        for (int i = 0; i < 4; ++i) first.push_back(static_cast<std::uint8_t>(crc >> (8 * i)));
        more->Ticks = extras.Ticks;
        QVERIFY(DecodeProgress(first, key, o, *back, *more).ok());
        QVERIFY(more->Ticks.empty());
        QVERIFY(Same(*back, im));
    }

    void damagedForeignAndNewerFilesAreRefused() {
        auto p = Sudoku9("1" + std::string(80, '0'));
        const PuzzleImage& o = p->Image;
        auto played = std::make_unique<Puzzle>(*p);
        SetEnteredLetter(*played, 2, 1, "2");
        const std::uint64_t key = PuzzleKey(Raw(o), {});
        const auto good = EncodeProgress(key, 1, o, played->Image, ProgressExtras{});
        auto fault = [&](const std::vector<std::uint8_t>& data, std::uint64_t k = 0) {
            auto target = std::make_unique<PuzzleImage>(o);
            ProgressExtras extras;
            extras.MarkTag = 7;
            const ProgressRead read = DecodeProgress(data, k ? k : key, o, *target, extras);
            // A refused file leaves the game as it was and names its reason.
            if (!read.ok() && (!Same(*target, o) || extras.MarkTag != 7 || read.Reason.empty()))
                return ProgressFault{-1};
            return read.Fault;
        };
        QCOMPARE(fault(good), ProgressFault::None);
        QCOMPARE(fault(good, key + 1), ProgressFault::Foreign);
        QCOMPARE(fault({'P', 'K', 3, 4}), ProgressFault::Foreign);
        auto cut = good;
        cut.resize(good.size() - 1);
        QCOMPARE(fault(cut), ProgressFault::Damaged);
        QCOMPARE(fault({good.begin(), good.begin() + 20}), ProgressFault::Damaged);
        auto flipped = good;
        flipped[flipped.size() / 2] ^= 0x10;
        QCOMPARE(fault(flipped), ProgressFault::Damaged);
        auto newer = good;
        newer[8] = ProgressVersion + 1;
        QCOMPARE(fault(newer), ProgressFault::Newer);

        // Sound bytes whose content the player cannot have made: a changed
        // solution letter, a cleared letter-cell flag.
        auto other = std::make_unique<Puzzle>(*played);
        other->Image.cell(3, 3).SolutionLetter.set("7");
        QCOMPARE(fault(EncodeProgress(key, 1, o, other->Image, {})), ProgressFault::Damaged);
        other = std::make_unique<Puzzle>(*played);
        other->Image.cell(3, 3).CellFlags &= ~CellFlag::LetterCell;
        QCOMPARE(fault(EncodeProgress(key, 1, o, other->Image, {})), ProgressFault::Damaged);
    }
};

QTEST_GUILESS_MAIN(TestProgress)
#include "test_Progress.moc"
