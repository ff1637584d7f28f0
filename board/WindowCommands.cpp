#include "WindowCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QMenu>

void DisableCloseCommand(QWidget* window) {
    if (!window) return;
    auto* sub = qobject_cast<QMdiSubWindow*>(window);
    if (!sub) sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (!sub) return;
    if (QMenu* menu = sub->systemMenu()) {
        const QString close = QCoreApplication::translate("QMdiSubWindow", "&Close");
        for (QAction* a : menu->actions())
            if (a->text() == close) a->setEnabled(false);
    }
    const Qt::WindowFlags flags = sub->windowFlags();
    if (flags & Qt::WindowCloseButtonHint || !(flags & Qt::CustomizeWindowHint)) {
        sub->setWindowFlags((flags | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint) &
                            ~Qt::WindowCloseButtonHint);
    }
}
