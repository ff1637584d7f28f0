// The hints pop-up against real pointer events: the board runs on an X server
// (xvfb-run) and xdotool moves and clicks the pointer, so the server decides
// which window gets them. The pop-up opens over the neighbouring cells; a
// click there must reach the grid, and a pop-up under the pointer must not
// make the grid lose the pointer (the status line keeps its text).
#include "BoardFixture.h"
#include "HinweisDialog.h"

#include <QApplication>
#include <QProcess>
#include <QTest>

namespace {
// Runs xdotool with the arguments; true when it succeeded.
bool Xdotool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    if (!p.waitForFinished(10000)) return false;
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool MovePointer(const QPoint& global) {
    return Xdotool(
        {"mousemove", "--sync", QString::number(global.x()), QString::number(global.y())});
}

QPoint CellCentre(const OpenedBoard& o, int c, int r) {
    return o.Grid()->mapToGlobal(o.Grid()->CellRect(c, r).center());
}

bool HintShowing() {
    return THintForm::Current() && THintForm::Current()->isVisible();
}

std::unique_ptr<OpenedBoard> OpenOnScreen(const Puzzle& puzzle, const std::string& name) {
    auto o = OpenBoard(puzzle, name);
    if (!o->Board || !QTest::qWaitForWindowExposed(o->Frame.get())) return nullptr;
    o->Session->settings.HinweiseZeigen = true;
    // Let the window system settle the frame's final place.
    QTest::qWait(300);
    return o;
}
} // namespace

class HintWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (run through xvfb-run with QT_QPA_PLATFORM=xcb)");
        QVERIFY2(Xdotool({"version"}), "xdotool is missing");
    }

    void clickThroughTheHintReachesTheGrid() {
        //   H A U S #
        //   A # B A D      (3,2) starts "BAD": its hint opens over (4,2)
        auto o = OpenOnScreen(*SmallCrossword(), "hint-click.zvr");
        QVERIFY(o);
        QCOMPARE(QPoint(o->Grid()->Col(), o->Grid()->Row()), QPoint(1, 1));
        QVERIFY(MovePointer(CellCentre(*o, 3, 2) + QPoint(4, 0)));
        QVERIFY(QTest::qWaitFor(HintShowing, 3000));
        // A point of the neighbouring cell that the pop-up covers.
        const QRect next(o->Grid()->mapToGlobal(o->Grid()->CellRect(4, 2).topLeft()),
                         o->Grid()->CellRect(4, 2).size());
        const QRect covered = next.intersected(THintForm::Current()->frameGeometry());
        QVERIFY2(!covered.isEmpty(), "the pop-up does not cover the next cell");
        QVERIFY(Xdotool({"mousemove", "--sync", QString::number(covered.center().x()),
                         QString::number(covered.center().y()), "click", "1"}));
        QVERIFY(
            QTest::qWaitFor([&] { return o->Grid()->Col() == 4 && o->Grid()->Row() == 2; }, 3000));
        // The pop-up never became the active window.
        QVERIFY(QApplication::activeWindow() != THintForm::Current() ||
                THintForm::Current() == nullptr);
    }

    void headerStatusStaysUnderTheHint() {
        // Kind 8: the header cell's hint opens just above the cell's bottom,
        // right under a pointer in the lower part of the cell.
        auto o = OpenOnScreen(*GridPuzzle(8, {"AB#", "CDE"}), "hint-header.zvr");
        QVERIFY(o);
        const QRect header = o->Grid()->CellRect(2, 0);
        const QPoint lower =
            o->Grid()->mapToGlobal(QPoint(header.center().x(), header.bottom() - 6));
        QVERIFY(MovePointer(lower));
        QVERIFY(QTest::qWaitFor(HintShowing, 3000));
        QVERIFY(THintForm::Current()->frameGeometry().contains(lower));
        QTest::qWait(400); // any crossing event the pop-up causes has come by now
        QCOMPARE(o->Frame->CurrentHint(),
                 QStringLiteral("Die in der Legende angezeigte Spaltennummer"));
    }
};

QTEST_MAIN(HintWindowTest)
#include "hint_window.moc"
