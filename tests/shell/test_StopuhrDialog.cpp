// The stopwatch of the timed Sudoku inside the real frame, driven by a test
// clock: counting up and down, the buttons, solving with and without a new
// best time, reset and undo, and that no other kind gets a clock.
#include "BoardFixture.h"
#include "ModalRunner.h"
#include "StopuhrDialog.h"

#include <QApplication>
#include <QLCDNumber>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {
struct Opened : OpenedBoard {
    std::int64_t now = 1'000'000;
    TStopuhrForm* Watch() const { return dynamic_cast<TStopuhrForm*>(Frame->Stopwatch()); }
    // The watch reads the test clock from here on; its own timer is stopped.
    void UseTestClock() {
        Watch()->Timer()->stop();
        Watch()->SetTickSource([this] { return now; });
        Watch()->FormShow();
    }
    void Pass(int seconds) {
        now += std::int64_t(seconds) * 1000;
        Watch()->TimerTick();
    }
    QString Shown() const { return QString::fromStdString(Watch()->View().Text); }
    QColor Digits() const { return Watch()->LEDTime()->palette().color(QPalette::WindowText); }
    // Types the solution into every blank cell; the last one is typed wrong when asked.
    void SolveOnBoard(bool lastWrong = false) {
        std::vector<std::pair<int, int>> blanks;
        for (int r = 1; r <= Im().RowCount; ++r)
            for (int c = 1; c <= Im().ColumnCount; ++c)
                if (IsBlankOrEmpty(Im().entry(c, r))) blanks.emplace_back(c, r);
        for (std::size_t i = 0; i < blanks.size(); ++i) {
            const auto [c, r] = blanks[i];
            Select(c, r);
            QString letter = QString::fromStdString(Im().cell(c, r).SolutionLetter.str());
            if (lastWrong && i + 1 == blanks.size())
                letter = letter == QLatin1String("1") ? QStringLiteral("2") : QStringLiteral("1");
            Type(letter);
        }
    }
};

std::unique_ptr<Opened> OpenTimed(int bestSeconds = 0, const std::string& holder = "") {
    auto p = SudokuOfSize(4, 15);
    p->Image.BestSeconds = static_cast<std::uint16_t>(bestSeconds);
    p->Image.BestTimeHolder.set(holder);
    return OpenBoard<Opened>(*p, "timed.zvr");
}

// Questions are answered "Ja".
struct Messages : CaughtMessages {
    Messages() : CaughtMessages(QMessageBox::Yes) {}
};

const QColor Blue(0, 0, 0xFF), Green(0, 0xFF, 0), Red(0xFF, 0, 0);
} // namespace

class TestStopuhrDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName("Zoruvidedid"); }

    void opensForTheTimedSudokuAtTheTopRight() {
        const auto o = OpenTimed();
        QVERIFY(o->Board);
        TStopuhrForm* watch = o->Watch();
        QVERIFY(watch);
        QCOMPARE(watch->windowTitle(), QStringLiteral("Lösungszeit"));
        QCOMPARE(watch->size(), QSize(266, 93));
        QVERIFY(watch->Timer()->isActive());
        QCOMPARE(watch->Timer()->interval(), 500);
        QVERIFY(watch->ClockRunning());
        const QWidget* outer = watch->parentWidget();
        QCOMPARE(outer->y(), 0);
        QCOMPARE(outer->x() + outer->width(), o->Frame->ClientAreaWidth() - 6);
        // The timed kind opens no other side window.
        QVERIFY(!o->Frame->SolutionWord());
        QVERIFY(!o->Frame->NumberLegend());
    }

    void noClockForOtherKinds() {
        for (int kind : {14, 2, 1}) {
            auto p = kind == 14 ? SudokuOfSize(4, 14) : SmallCrossword(kind);
            const auto o = OpenBoard<Opened>(*p, "untimed.zvr");
            QVERIFY(o->Board);
            QVERIFY(!o->Frame->Stopwatch());
            QVERIFY(o->Frame->findChildren<TStopuhrForm*>().isEmpty());
        }
    }

    void countsUpWithoutABestTime() {
        const auto o = OpenTimed();
        o->UseTestClock();
        TStopuhrForm* watch = o->Watch();
        QCOMPARE(o->Shown(), QStringLiteral("0:00"));
        QVERIFY(!watch->SBCountDown()->isEnabled());
        QVERIFY(watch->SBCountUp()->isChecked());
        QVERIFY(!watch->LblMinus()->isVisibleTo(watch));
        o->Pass(61);
        QCOMPARE(int(o->Im().ElapsedSeconds), 61);
        QCOMPARE(o->Shown(), QStringLiteral("1:01"));
        QCOMPARE(o->Digits(), Blue);
        // Ticks come every half second; the count stays whole seconds.
        o->now += 400;
        watch->TimerTick();
        QCOMPARE(int(o->Im().ElapsedSeconds), 61);
        o->now += 200;
        watch->TimerTick();
        QCOMPARE(int(o->Im().ElapsedSeconds), 62);
        // Clicking "Aufwärts" cannot raise it: still counting up in blue.
        QTest::mouseClick(watch->SBCountUp(), Qt::LeftButton);
        QVERIFY(watch->SBCountUp()->isChecked());
        QCOMPARE(o->Shown(), QStringLiteral("1:02"));
        QCOMPARE(o->Digits(), Blue);
    }

    void countsDownFromTheBestTime() {
        const auto o = OpenTimed(300, "Anna");
        o->UseTestClock();
        TStopuhrForm* watch = o->Watch();
        QCOMPARE(watch->LblBestTime()->text(), QStringLiteral("05:00"));
        QCOMPARE(watch->LblAuthor()->text(), QStringLiteral("Anna"));
        QVERIFY(watch->SBCountDown()->isEnabled());
        QCOMPARE(o->Digits(), Green); // counting up, a best time exists

        QTest::mouseClick(watch->SBCountDown(), Qt::LeftButton);
        QVERIFY(watch->SBCountDown()->isChecked());
        QVERIFY(!watch->SBCountUp()->isChecked());
        o->Pass(240);
        QCOMPARE(o->Shown(), QStringLiteral("1:00"));
        QCOMPARE(o->Digits(), Green);
        QVERIFY(watch->LblMinus()->isVisibleTo(watch));
        QCOMPARE(watch->LblMinus()->text(), QStringLiteral("+"));
        o->Pass(120);
        QCOMPARE(o->Shown(), QStringLiteral("-1:00"));
        QCOMPARE(o->Digits(), Red);
        QCOMPARE(watch->LblMinus()->text(), QStringLiteral("-"));

        // Raising "Abwärts" leaves neither down: the count-down value, no sign.
        QTest::mouseClick(watch->SBCountDown(), Qt::LeftButton);
        QVERIFY(!watch->SBCountDown()->isChecked() && !watch->SBCountUp()->isChecked());
        QCOMPARE(o->Shown(), QStringLiteral("-1:00"));
        QVERIFY(!watch->LblMinus()->isVisibleTo(watch));
        QTest::mouseClick(watch->SBCountUp(), Qt::LeftButton);
        QCOMPARE(o->Shown(), QStringLiteral("6:00"));
    }

    void solvingStopsTheClockAndKeepsTheBestTime() {
        const auto o = OpenTimed(300, "Anna");
        Messages messages;
        o->UseTestClock();
        o->Pass(95);
        o->SolveOnBoard();
        QCOMPARE(o->Im().SolvedLevel, std::uint8_t(3));
        QVERIFY(!o->Watch()->ClockRunning());
        QCOMPARE(int(o->Im().BestSeconds), 95);
        QCOMPARE(o->Watch()->LblBestTime()->text(), QStringLiteral("01:35"));
        QCOMPARE(messages.texts,
                 QStringList{QStringLiteral("Sie haben das Rätsel in Bestzeit gelöst!")});
        // The display stands still.
        o->Pass(30);
        QCOMPARE(int(o->Im().ElapsedSeconds), 95);
        QCOMPARE(o->Shown(), QStringLiteral("1:35"));
    }

    void slowerSolveKeepsTheOldBestTime() {
        const auto o = OpenTimed(60, "Anna");
        Messages messages;
        o->UseTestClock();
        o->Pass(130);
        o->SolveOnBoard();
        QCOMPARE(int(o->Im().BestSeconds), 60);
        QCOMPARE(o->Watch()->LblBestTime()->text(), QStringLiteral("01:00"));
        QCOMPARE(messages.texts, QStringList{QStringLiteral("Sie haben das Rätsel gelöst!")});
    }

    void resetAndUndoRestartTheDisplay() {
        const auto o = OpenTimed();
        Messages messages;
        o->UseTestClock();
        o->Pass(40);
        o->SolveOnBoard(true); // the last symbol wrong: filled, not solved
        QVERIFY(o->Watch()->ClockRunning());
        o->Pass(5);
        QCOMPARE(o->Shown(), QStringLiteral("0:45"));
        o->Frame->Edit().MItemBeaZuruecksetzenClick();
        QCOMPARE(int(o->Im().ElapsedSeconds), 0);
        QCOMPARE(o->Shown(), QStringLiteral("0:00"));
        o->Pass(3);
        QCOMPARE(o->Shown(), QStringLiteral("0:03"));
        // Undo of the reset gives back the time played before it; the 3 s
        // since stay counted.
        o->Frame->Undo();
        QCOMPARE(o->Shown(), QStringLiteral("0:48"));
        o->Pass(2);
        QCOMPARE(o->Shown(), QStringLiteral("0:50"));
    }

    void closesWithTheBoard() {
        const auto o = OpenTimed();
        QVERIFY(o->Watch());
        TRMMainForm::CloseChild(o->Board);
        QVERIFY(QTest::qWaitFor([&] { return !o->Frame->Stopwatch(); }, 2000));
    }
};

QTEST_MAIN(TestStopuhrDialog)
#include "test_StopuhrDialog.moc"
