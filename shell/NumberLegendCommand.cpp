#include "NumberLegendCommand.h"

#include "CommandIds.h"
#include "CompanionFrame.h"
#include "CompanionLinks.h"
#include "Hauptformular.h"
#include "KindTraits.h"
#include "RaetselFormular.h"
#include "UiCommand.h"

namespace {
// The number legend while it is on screen (a closed one may still wait to be freed).
NumberLegendLink* ShownLegend(const TRMMainForm& frame) {
    NumberLegendLink* legend = frame.NumberLegend();
    return legend && !OuterWindow(legend->Widget())->isHidden() ? legend : nullptr;
}
} // namespace

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
