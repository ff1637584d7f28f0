// Keeping the player's work: the progress comes back in the next run, a file
// that cannot be used is set aside, nothing is written when switched off; the
// history goes back and forth over resets, words and snapshots while the
// clock never goes back.
#include "Autosave.h"
#include "PuzzleGame.h"
#include "Queries.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

namespace {
// One run of the player on a puzzle as read.
struct Run {
    PuzzleSession session;
    PuzzleGame game{session};
    explicit Run(const Puzzle& read, std::string picture = {}) {
        session.puzzle = read;
        game.Loaded(QImage(), std::move(picture));
    }
};
bool Same(const PuzzleImage& a, const PuzzleImage& b) {
    return std::memcmp(&a, &b, sizeof(PuzzleImage)) == 0;
}
} // namespace

class TestKeep : public QObject {
    Q_OBJECT

private slots:
    void theNextRunGoesOnWhereThisOneEnded() {
        QTemporaryDir home;
        const QString folder = home.path() + "/zoruvidedid";
        const auto read = Sudoku9("1" + std::string(80, '0'));
        auto left = std::make_unique<PuzzleImage>();
        QString path;
        {
            Run run(*read, "\x01jpeg");
            Autosave save(run.game, true, folder);
            QCOMPARE(save.Restore().What, ProgressLoad::Outcome::Fresh);
            run.game.Start();
            run.game.Apply(edit::TypeLetter{2, 1, "5", true});
            run.game.SetMarkTag(3);
            QCOMPARE(run.game.TakeSnapshot(45000.5), 1);
            run.game.Apply(edit::TypeLetter{3, 1, "7", true});
            run.game.SetClock(321, true);
            save.SaveNow();
            path = save.Path();
            *left = run.game.Image();
        }
        // Only the progress file was written.
        QCOMPARE(QDir(home.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"zoruvidedid"});
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});

        Run next(*read, "\x01jpeg");
        Autosave save(next.game, true, folder);
        const ProgressLoad load = save.Restore();
        QCOMPARE(load.What, ProgressLoad::Outcome::Restored);
        QVERIFY(load.StatusText().startsWith("Fortschritt vom "));
        QVERIFY(load.StatusText().endsWith(" wiederhergestellt"));
        next.game.Start();
        QVERIFY(Same(next.game.Image(), *left));
        QCOMPARE(next.game.MarkTag(), 3);
        QVERIFY(next.game.Snapshots().Held(1));
        QCOMPARE(int(next.game.Image().ElapsedSeconds), 321);
        QCOMPARE(next.game.State().CheckState.at(3, 1),
                 left->entry(3, 1).view() == left->cell(3, 1).SolutionLetter.view()
                     ? CheckState::Filled
                     : CheckState::Wrong);
        // Another picture is another puzzle: it starts fresh.
        Run other(*read, "\x01gif");
        Autosave otherSave(other.game, true, folder);
        QCOMPARE(otherSave.Restore().What, ProgressLoad::Outcome::Fresh);
    }

    void unusableFilesAreSetAsideAndOffWritesNothing() {
        QTemporaryDir home;
        const QString folder = home.path() + "/zoruvidedid";
        const auto read = Sudoku9();
        Run run(*read);
        auto save = std::make_unique<Autosave>(run.game, true, folder);
        QDir().mkpath(folder);
        for (const QByteArray& bad : {QByteArray("ZVSTAND\x1a broken"), QByteArray("something")}) {
            QFile f(save->Path());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bad);
            f.close();
            const ProgressLoad load = save->Restore();
            QCOMPARE(load.What, ProgressLoad::Outcome::SetAside);
            QVERIFY(load.StatusText().contains("beiseitegelegt"));
            QVERIFY(!QFile::exists(save->Path()));
            QVERIFY(QFile::exists(folder + "/" + load.AsideName));
            QVERIFY(Same(run.game.Image(), read->Image));
        }
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2); // set aside, not deleted

        // Switched off: the file goes and nothing more is written.
        run.game.Start();
        run.game.Apply(edit::TypeLetter{1, 1, "4", true});
        save->SaveNow();
        QVERIFY(QFile::exists(save->Path()));
        save->SetEnabled(false);
        QVERIFY(!QFile::exists(save->Path()));
        run.game.Apply(edit::TypeLetter{1, 2, "5", true});
        save->SaveNow();
        save.reset();
        Run later(*read);
        Autosave off(later.game, false, folder);
        later.game.Start();
        later.game.Apply(edit::TypeLetter{1, 3, "6", true});
        QCOMPARE(off.Restore().What, ProgressLoad::Outcome::Fresh);
        off.SaveNow();
        QVERIFY(!QFile::exists(off.Path()));
    }

    void undoAndRedoGoOverResetsWordsAndSnapshotsButNotTheClock() {
        auto timed = Sudoku9();
        timed->Image.PuzzleKind = 15;
        Run run(*timed);
        PuzzleGame& game = run.game;
        game.Start();
        game.Apply(edit::TypeLetter{1, 1, "4", true});
        game.SetClock(100, true);
        game.Apply(edit::WriteWord{1, 2, true, "56", false, -1, false, false});
        game.SetClock(130, true);
        game.Reset();
        QVERIFY(IsBlank(game.Image().entry(1, 1)));
        game.SetClock(20, true);
        game.Undo(); // the reset: entries and the time before it come back
        QCOMPARE(run.game.Image().entry(2, 2).str(), std::string("6"));
        QCOMPARE(int(game.Image().ElapsedSeconds), 150);
        game.Undo(); // the word, one step; the clock stays
        QVERIFY(IsBlank(game.Image().entry(1, 2)) && IsBlank(game.Image().entry(2, 2)));
        QCOMPARE(int(game.Image().ElapsedSeconds), 150);
        QVERIFY(game.CanRedo());
        game.Redo();
        game.Redo();
        QVERIFY(IsBlank(game.Image().entry(1, 1)));
        QCOMPARE(int(game.Image().ElapsedSeconds), 20);
        QVERIFY(!game.CanRedo());
        game.Undo();
        game.Apply(edit::TypeLetter{9, 9, "1", true}); // a new step drops the redo tail
        QVERIFY(!game.CanRedo());
    }
};

QTEST_GUILESS_MAIN(TestKeep)
#include "test_keep.moc"
