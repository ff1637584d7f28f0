#include "CompanionFrame.h"

#include <QFontMetrics>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>

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

void StopShortOf(QWidget* window, const QRect& other) {
    const QRect own = window->geometry();
    if (!own.intersects(other)) return;
    constexpr int Gap = 5;
    const QSize narrower(other.left() - Gap - own.left(), own.height());
    const QSize lower(own.width(), other.top() - Gap - own.top());
    const auto area = [](QSize s) {
        return s.width() > 0 && s.height() > 0 ? s.width() * s.height() : 0;
    };
    const QSize keep = area(narrower) >= area(lower) ? narrower : lower;
    // With no room on either side it stays as it is rather than vanish.
    if (area(keep) > 0) window->resize(keep.expandedTo(window->minimumSize()));
}

int CaptionClientWidth(QWidget* content) {
    auto* sub = qobject_cast<QMdiSubWindow*>(content->parentWidget());
    if (!sub) return 0;
    QStyleOptionTitleBar option;
    option.initFrom(sub);
    option.subControls = QStyle::SC_All;
    option.titleBarFlags = sub->windowFlags();
    option.titleBarState = static_cast<int>(sub->windowState());
    option.text = content->windowTitle();
    // The label's share of the title bar grows with the window: measure it once.
    constexpr int Probe = 4000;
    option.rect =
        QRect(0, 0, Probe, sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, sub));
    const int label =
        sub->style()
            ->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarLabel, sub)
            .width();
    // Title bars draw their caption in bold and keep a few pixels free beside it.
    QFont bold = sub->font();
    bold.setBold(true);
    constexpr int TextMargin = 16;
    const int text = QFontMetrics(bold).horizontalAdvance(option.text) + TextMargin;
    const QMargins m = sub->contentsMargins();
    return text + (Probe - label) - m.left() - m.right();
}
