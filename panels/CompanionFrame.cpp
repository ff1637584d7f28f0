#include "CompanionFrame.h"

#include <QMdiSubWindow>

QWidget* OuterWindow(QWidget* content) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(content->parentWidget())) return sub;
    return content;
}

void SetClientSize(QWidget* content, QSize client) {
    content->setFixedSize(client);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(content->parentWidget())) {
        const QMargins m = sub->contentsMargins();
        sub->resize(client.width() + m.left() + m.right(), client.height() + m.top() + m.bottom());
    }
}

void MoveOuterWindow(QWidget* content, QPoint topLeft) {
    OuterWindow(content)->move(topLeft);
}
