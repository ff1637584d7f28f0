#include "CommandMenus.h"

#include "CommandIds.h"
#include "SudokuAids.h"

#include <QAction>
#include <QMenu>

void FillMarkingMenu(QMenu* menu, CommandRegistry& commands, const QString& prefix, bool hints) {
    const auto mark = [&](const QString& name, const QString& caption, const QString& hint,
                          int tag) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(prefix + name);
        if (hints) a->setStatusTip(hint);
        a->setCheckable(true);
        a->setData(tag);
        commands.Get(MarkCommand(tag)).Bind(a);
    };
    const auto separator = [&](const QString& name) {
        QAction* a = menu->addSeparator();
        a->setObjectName(prefix + name);
        a->setData(-1);
    };
    mark(QStringLiteral("MarkKeine"), QStringLiteral("&Keine"),
         QStringLiteral("Die Markierung im Rätsel aufheben"), 0);
    separator(QStringLiteral("MarkN1"));
    for (int tag = 1; tag <= 12; ++tag) {
        const QString symbol = tag <= 9 ? QString::number(tag) : QString(QChar('A' + tag - 10));
        const QString article = tag <= 9 ? QStringLiteral("eine") : QStringLiteral("ein");
        mark(QStringLiteral("Mark%1").arg(tag), "\"&" + symbol + "\" möglich",
             "Alle Felder markieren, in die " + article + " \"" + symbol +
                 "\" eingetragen werden kann",
             tag);
    }
    separator(QStringLiteral("MarkN2"));
    mark(QStringLiteral("MarkDuo"), QStringLiteral("Nur &zwei Zahlen möglich"),
         QStringLiteral("Alle Felder markieren, in die nur ein oder zwei mögliche Zahlen "
                        "eingetragen werden können"),
         DuoMarkTag);
}

void FillSnapshotMenu(QMenu* menu, CommandRegistry& commands, const QString& prefix, bool hints) {
    QAction* take = menu->addAction(QStringLiteral("&Erstellen"));
    take->setObjectName(prefix + QStringLiteral("SnapErstellen"));
    if (hints)
        take->setStatusTip(
            QStringLiteral("Einen Schnappschuss des aktuellen Rätselzustands speichern"));
    commands.Get(CommandId::SnapshotTake).Bind(take);
    menu->addSeparator()->setObjectName(prefix + QStringLiteral("SnapN1"));
    for (int n = 1; n <= 4; ++n) {
        QAction* a = menu->addAction(QString::number(n));
        a->setObjectName(prefix + QStringLiteral("Snap%1").arg(n));
        a->setData(n);
        commands.Get(SnapshotCommand(n)).Bind(a);
    }
}
