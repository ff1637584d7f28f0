// Taking, replacing and restoring the four snapshots of a Sudoku's entries.
#include "Queries.h"
#include "Snapshots.h"
#include "TestSupport.h"

#include <QTest>

class TestSnapshots : public QObject {
    Q_OBJECT

private slots:
    void takeFillsTheLowestEmptySlotThenTheOldest() {
        auto p = Sudoku9();
        SnapshotStore store;
        for (int n = 1; n <= 4; ++n) QVERIFY(!store.Held(n));
        QCOMPARE(store.Take(p->Image, 100.5), 1);
        QCOMPARE(store.Take(p->Image, 100.2), 2);
        QCOMPARE(store.Take(p->Image, 100.7), 3);
        QCOMPARE(store.Take(p->Image, 100.9), 4);
        QCOMPARE(store.HeldCount(), 4);
        // The fifth replaces the oldest, which need not be the first.
        QCOMPARE(store.Take(p->Image, 101.0), 2);
        QCOMPARE(store.TakenAt(2), 101.0);
        QCOMPARE(store.Take(p->Image, 101.1), 1);
        QCOMPARE(store.Take(p->Image, 101.2), 3);
        QCOMPARE(store.HeldCount(), 4);
        // Equal times: the lower number goes first.
        SnapshotStore same;
        for (int n = 1; n <= 4; ++n) QCOMPARE(same.Take(p->Image, 7.0), n);
        QCOMPARE(same.Take(p->Image, 7.5), 1);
        QCOMPARE(same.Take(p->Image, 8.0), 2);

        // Out-of-range slots are never held.
        QVERIFY(!store.Held(0));
        QVERIFY(!store.Held(5));
        QCOMPARE(store.TakenAt(-1), 0.0);
        store.Clear();
        QCOMPARE(store.HeldCount(), 0);
        QCOMPARE(store.Take(p->Image, 102.0), 1);
    }

    void restoreBringsTheEntriesAndTheirCheckStateBack() {
        auto p = Sudoku9("1" + std::string(80, '0')); // (1,1) gives its 1
        SetEnteredLetter(*p, 2, 1, "2");              // right
        SetEnteredLetter(*p, 3, 1, "9");              // wrong
        SnapshotStore store;
        QCOMPARE(store.Take(p->Image, 45000.25), 1);

        // The player goes on; deleting the given symbol leaves it.
        SetEnteredLetter(*p, 2, 1, "");
        SetEnteredLetter(*p, 3, 1, "3");
        SetEnteredLetter(*p, 1, 1, "");
        SetEnteredLetter(*p, 9, 9, "5");
        QCOMPARE(store.Take(p->Image, 45000.5), 2);

        QVERIFY(store.Restore(1, *p));
        QCOMPARE(p->Image.entry(1, 1).str(), std::string("1"));
        QCOMPARE(p->Image.entry(2, 1).str(), std::string("2"));
        QCOMPARE(p->Image.entry(3, 1).str(), std::string("9"));
        QCOMPARE(p->Image.entry(9, 9).str(), std::string(" "));
        QCOMPARE(p->CheckState.at(1, 1), CheckState::Filled);
        QCOMPARE(p->CheckState.at(3, 1), CheckState::Wrong);
        QCOMPARE(p->CheckState.at(9, 9), CheckState::Blank);
        // The slot stays filled and can be restored again after more changes.
        QVERIFY(store.Held(1));
        QVERIFY(store.Restore(2, *p));
        QCOMPARE(p->Image.entry(1, 1).str(), std::string("1"));
        QCOMPARE(p->Image.entry(3, 1).str(), std::string("3"));
        QCOMPARE(p->CheckState.at(3, 1), CheckState::Filled);
        QCOMPARE(p->CheckState.at(9, 9), CheckState::Wrong);
        // Restoring changes nothing but entries and check state.
        QCOMPARE(int(p->Image.SolvedLevel), 0);
        QVERIFY(p->Image.cell(1, 1).has(CellFlag::SolutionOrGiven));
    }

    void emptySlotsRestoreNothing() {
        auto p = Sudoku9();
        SetEnteredLetter(*p, 4, 4, "2");
        SnapshotStore store;
        for (int n : {0, 1, 4, 5}) QVERIFY(!store.Restore(n, *p));
        QCOMPARE(p->Image.entry(4, 4).str(), std::string("2"));
        // A clock that reads nothing still leaves a held slot.
        QCOMPARE(store.Take(p->Image, 0), 1);
        QVERIFY(store.Held(1));
    }
};

QTEST_GUILESS_MAIN(TestSnapshots)
#include "test_Snapshots.moc"
