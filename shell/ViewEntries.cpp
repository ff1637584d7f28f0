#include "ViewEntries.h"

#include "CommandIds.h"
#include "CompanionFrame.h"
#include "CompanionLinks.h"
#include "Hauptformular.h"
#include "KindTraits.h"
#include "RaetselFormular.h"
#include "UiCommand.h"

#include <QAction>
#include <QMenu>

namespace {
QAction* EntryNamed(QMenu* menu, const char* name) {
    for (QAction* a : menu->actions())
        if (a->objectName() == QLatin1String(name)) return a;
    return nullptr;
}

// Adds a checkable entry behind `after` (at the end when it is missing).
void AddEntryAfter(QMenu* menu, const char* after, const char* name, const QString& caption,
                   const QString& hint, UiCommand& command) {
    auto* a = new QAction(caption, menu);
    a->setObjectName(name);
    a->setStatusTip(hint);
    a->setCheckable(true);
    const QList<QAction*> all = menu->actions();
    const qsizetype at = all.indexOf(EntryNamed(menu, after));
    menu->insertAction(at >= 0 && at + 1 < all.size() ? all[at + 1] : nullptr, a);
    command.Bind(a);
}

// The number legend while it is on screen (a closed one may still wait to be freed).
NumberLegendLink* ShownLegend(const TRMMainForm& frame) {
    NumberLegendLink* legend = frame.NumberLegend();
    return legend && !OuterWindow(legend->Widget())->isHidden() ? legend : nullptr;
}
} // namespace

void AddViewEntries(QMenu* ansicht, CommandRegistry& commands) {
    AddEntryAfter(ansicht, "MItemAnsVerkleinern", "MItemAnsAnpassen",
                  QStringLiteral("&An Fenster anpassen"),
                  QStringLiteral("Die Felder so groß machen, dass das Rätsel das Fenster füllt"),
                  commands.Get(CommandId::FitToWindow));
    AddEntryAfter(ansicht, "MItemAnsLoesung", "MItemAnsZahlenlegende",
                  QStringLiteral("&Zahlenlegende"),
                  QStringLiteral("Die Legende der Zahlen und ihrer Buchstaben zeigen"),
                  commands.Get(CommandId::NumberLegend));
}

void RegisterNumberLegendCommand(TRMMainForm& frame) {
    UiCommand& legend = frame.Commands().Get(CommandId::NumberLegend);
    legend.SetHandler([&frame] {
        TRaetselForm* board = frame.Board();
        if (!board) return;
        // The choice lasts for the run: a reset or a new showing of the board
        // keeps the legend as the player left it.
        Settings& s = frame.Session().settings;
        if (NumberLegendLink* open = ShownLegend(frame)) {
            s.LegendeZeigen = false;
            QWidget* outer = OuterWindow(open->Widget());
            // The board takes the room back once the window has gone.
            QObject::connect(outer, &QObject::destroyed, board, [board] { board->Relayout(); });
            outer->close();
            return;
        }
        s.LegendeZeigen = true;
        frame.OpenCompanions(*board);
        board->Relayout();
    });
    legend.SetRules(
        [&frame] {
            return frame.BoardOpen() && HasNumberLegend(frame.Session().image().PuzzleKind);
        },
        {}, [&frame] { return ShownLegend(frame) != nullptr; });
}
