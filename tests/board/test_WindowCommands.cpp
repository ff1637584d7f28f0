// Greying out the Close command of an MDI child.
#include "WindowCommands.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>

class TestWindowCommands : public QObject {
    Q_OBJECT
private slots:
    void closeCommandIsGreyed() {
        QMdiArea area;
        auto* content = new QWidget;
        QMdiSubWindow* sub = area.addSubWindow(content);
        area.show();
        QAction* close = nullptr;
        for (QAction* a : sub->systemMenu()->actions())
            if (a->text() == QStringLiteral("&Close")) close = a;
        QVERIFY(close);
        QVERIFY(close->isEnabled());
        DisableCloseCommand(content);
        QVERIFY(!close->isEnabled());
        QVERIFY(!(sub->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(sub->windowFlags() & Qt::WindowSystemMenuHint);
        // The other commands stay.
        int enabled = 0;
        for (QAction* a : sub->systemMenu()->actions())
            if (!a->isSeparator() && a->isEnabled()) ++enabled;
        QVERIFY(enabled > 0);
        DisableCloseCommand(nullptr);
        QWidget loose;
        DisableCloseCommand(&loose); // no system menu: nothing to do
    }
};

QTEST_MAIN(TestWindowCommands)
#include "test_WindowCommands.moc"
