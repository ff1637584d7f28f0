// The hints pop-up on the board: it goes when a modal box opens, and a pop-up
// under the pointer does not take the status line's text away.
#include "BoardFixture.h"
#include "HinweisDialog.h"
#include "ModalRunner.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QTest>

namespace {
bool HintShowing() {
    return THintForm::Current() && THintForm::Current()->isVisible();
}

void Hover(OpenedBoard& o, const QPoint& local) {
    QCursor::setPos(o.Grid()->mapToGlobal(local));
    QTest::mouseMove(o.Grid(), local);
}

void SendLeave(QWidget* w) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(w, &leave);
}
} // namespace

class TestHintWindow : public QObject {
    Q_OBJECT
private slots:
    void modalBoxPutsTheHintAway() {
        auto o = OpenBoard(*SmallCrossword(), "hint-modal.zvr");
        QVERIFY(o->Board);
        o->Session->settings.HinweiseZeigen = true;
        Hover(*o, o->Grid()->CellRect(1, 1).center());
        QVERIFY(HintShowing());
        bool showingDuringBox = true;
        const ModalRunner previous = SetModalRunner([&](QDialog& d) {
            showingDuringBox = HintShowing();
            return qobject_cast<QMessageBox*>(&d) ? int(QMessageBox::No) : 0;
        });
        o->Frame->Commands().Get(CommandId::Reset).Trigger();
        SetModalRunner(previous);
        QVERIFY(!showingDuringBox);
        QVERIFY(!HintShowing());
    }

    void statusOverHeaderCellsSurvivesAPopUp() {
        auto o = OpenBoard(*GridPuzzle(8, {"AB#", "CDE"}), "hint-header.zvr");
        QVERIFY(o->Board);
        o->Session->settings.HinweiseZeigen = true;
        const QRect header = o->Grid()->CellRect(2, 0);
        const QString column = QStringLiteral("Die in der Legende angezeigte Spaltennummer");
        Hover(*o, QPoint(header.center().x(), header.bottom() - 6));
        QCOMPARE(o->Frame->CurrentHint(), column);
        QVERIFY(HintShowing());
        // The pop-up under the pointer makes the grid believe the pointer left.
        SendLeave(o->Grid());
        QCOMPARE(o->Frame->CurrentHint(), column);
        // A pointer that really went elsewhere empties the status line.
        QCursor::setPos(o->Frame->mapToGlobal(QPoint(-50, -50)));
        SendLeave(o->Grid());
        QVERIFY(o->Frame->CurrentHint().isEmpty());
    }
};

QTEST_MAIN(TestHintWindow)
#include "test_HintWindow.moc"
