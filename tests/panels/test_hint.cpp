// The hints pop-up: placement inside the screen, font, closing, focus.
#include "HinweisDialog.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QtTest>

class HintTest : public QObject {
    Q_OBJECT

private slots:
    void keptInsideTheScreen() {
        const QRect screen(0, 0, 1024, 768);
        const QSize size(120, 20);
        QCOMPARE(THintForm::KeepInside({100, 100}, size, screen), QPoint(100, 100));
        QCOMPARE(THintForm::KeepInside({1000, 100}, size, screen), QPoint(1024 - 120 - 5, 100));
        QCOMPARE(THintForm::KeepInside({100, 760}, size, screen), QPoint(100, 768 - 20 - 5));
        QCOMPARE(THintForm::KeepInside({1020, 760}, size, screen), QPoint(899, 743));
        // Exactly touching the edge is still inside.
        QCOMPARE(THintForm::KeepInside({904, 748}, size, screen), QPoint(904, 748));
        // A second screen to the right keeps its own edges.
        QCOMPARE(THintForm::KeepInside({2000, 10}, size, QRect(1024, 0, 1024, 768)),
                 QPoint(2048 - 125, 10));
    }

    void openedNearTheEdges() {
        QMainWindow main;
        main.show();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        THintForm* hint = THintForm::Open(&main, "Ein längerer Hinweistext", 300, 200);
        const int h = hint->Hinweis()->height();
        QCOMPARE(hint->pos(), QPoint(300, 200 - h - 4));
        QCOMPARE(hint->size(), hint->Hinweis()->size());
        QVERIFY(!hint->Hinweis()->wordWrap());

        hint = THintForm::Open(&main, "Ein längerer Hinweistext", screen.right() - 3,
                               screen.bottom() + 50);
        QCOMPARE(hint->x(), screen.right() + 1 - hint->width() - 5);
        QCOMPARE(hint->y(), screen.bottom() + 1 - hint->height() - 5);
        hint->close();
    }

    void fontFollowsTheGivenSize() {
        QMainWindow main;
        THintForm* hint = THintForm::Open(&main, "a", 10, 50, 0);
        QCOMPARE(hint->Hinweis()->font().pointSize(), 8);
        QVERIFY(!hint->Hinweis()->font().bold());
        hint = THintForm::Open(&main, "a", 10, 50, 12);
        QCOMPARE(hint->Hinweis()->font().pointSize(), 12);
        QVERIFY(hint->Hinweis()->font().bold());
        hint->close();
    }

    void oneWindowAtATime() {
        QMainWindow main;
        main.show();
        QPointer<THintForm> first = THintForm::Open(&main, "eins", 10, 50);
        QPointer<THintForm> second = THintForm::Open(&main, "zwei", 10, 50);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QVERIFY(second);
        QCOMPARE(THintForm::Current(), second.data());
        QCOMPARE(second->Hinweis()->text(), QString("zwei"));

        // Clicks pass through to the window below; the opener closes it.
        QVERIFY(second->windowFlags() & Qt::WindowTransparentForInput);
        THintForm::CloseIfVisible();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(second.isNull());
        QVERIFY(THintForm::Current() == nullptr);
        // Closing when none is open is harmless.
        THintForm::CloseIfVisible();
    }

    void neverTakesTheFocus() {
        QMainWindow main;
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        THintForm* hint = THintForm::Open(&main, "Hinweis", 50, 80);
        QVERIFY(hint->testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(hint->windowFlags() & Qt::WindowDoesNotAcceptFocus);
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&main));
        hint->close();
    }
};

QTEST_MAIN(HintTest)
#include "test_hint.moc"
