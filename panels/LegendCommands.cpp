#include "LegendCommands.h"

#include "BegriffDialog.h"
#include "BoardLink.h"
#include "Cp1252.h"
#include "Edits.h"
#include "GradientBar.h"
#include "KindTraits.h"
#include "LegendModel.h"
#include "LegendView.h"
#include "LookupUrl.h"
#include "ModalRunner.h"
#include "PuzzleGame.h"
#include "Session.h"
#include "TextUtil.h"
#include "UiCommand.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace {
constexpr int ButtonWidth = 23;
constexpr int ButtonHeight = 22;
constexpr int ButtonTop = 4;
constexpr int InputWordGap = 6;

using Id = LegendCommandId;

struct ButtonDef {
    const char* Name;
    int Left;
    const char* Glyph;
    const char* Hint;
    bool Checkable;
    Id Command;
};

const ButtonDef Buttons[] = {
    {"SBBegrNichtAusblenden", 4, "≡", "Bearbeitete Begriffe nicht ausblenden", true, Id::HideOff},
    {"SBBegrAusblenden", 27, "⋯", "Bearbeitete Begriffe ausblenden", true, Id::HideOn},
    {"SBBegrNichtMarkieren", 56, "☐", "Bearbeitete Begriffe nicht markieren", true, Id::MarkOff},
    {"SBBegrMarkieren", 79, "☑", "Bearbeitete Begriffe markieren", true, Id::MarkOn},
    {"SBEineLegende", 108, "1", "Alle Begriffe in einer Legende anzeigen", true, Id::OneList},
    {"SBZweiLegenden", 131, "2", "Getrennte Legenden für waagerechte und senkrechte Begriffe", true,
     Id::TwoLists},
    {"SBInputWord", 108, "W", "Den gesuchten Begriff zum markierten Legendeneintrag eingeben",
     false, Id::EnterWord},
};

struct ItemDef {
    const char* Name;
    const char* Caption; // null: a separator
    const char* Hint;
    bool Checkable;
    Id Command;
};

const ItemDef Items[] = {
    {"MItemLegendeBearbeitet", "Begriff als gelöst markieren",
     "Den Legendeneintrag als bearbeitet/unbearbeitet  markieren", true, Id::MarkEntry},
    {"MItemLegendeEingeben", "Begriff eingeben",
     "Den gesuchten Begriff zum markierten Legendeneintrag eingeben", false, Id::EnterWord},
    {"MItemLegendeNachschlagen", "Nachschlagen",
     "Den markierten Begriff im Online-Wörterbuch \"Wikipedia\" nachschlagen", false, Id::LookUp},
    {"MItemLegendeN1", nullptr, nullptr, false, Id::Count},
    {"MItemLegendeAusblenden", "Gelöste Begriffe ausblenden",
     "Als gelöst markierte Begriffe nicht mehr in der Legende anzeigen", true, Id::HideToggle},
    {"MItemLegendeMarkieren", "Gelöste Begriffe markieren", "Bearbeitete Begriffe markieren", true,
     Id::MarkToggle},
    {"MItemLegendeEineLegende", "Alle Begriffe in einer Legende",
     "Alle Begriffe in einer einzigen Legende anzeigen", true, Id::OneListToggle},
};
} // namespace

LegendCommands::LegendCommands(ClueListWindow& form)
    : form_(form), registry_(new LegendCommandTable(form.Widget())) {
    CreateButtons();
    CreateMenu();
    Register();
}

LegendCommands::~LegendCommands() = default;

void LegendCommands::CreateButtons() {
    for (const ButtonDef& def : Buttons) {
        auto* b = new QToolButton(form_.Toolbar());
        b->setObjectName(def.Name);
        b->setAutoRaise(true);
        b->setCheckable(def.Checkable);
        b->setText(QString::fromUtf8(def.Glyph));
        const QString hint = QString::fromUtf8(def.Hint);
        b->setToolTip(hint);
        b->setStatusTip(hint);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(def.Left, ButtonTop, ButtonWidth, ButtonHeight);
        registry_->Get(def.Command).Bind(b);
        if (def.Command == Id::EnterWord) inputWord_ = b;
        if (def.Command == Id::OneList) oneList_ = b;
        if (def.Command == Id::TwoLists) twoLists_ = b;
    }
}

void LegendCommands::CreateMenu() {
    menu_ = new QMenu(form_.Widget());
    menu_->setObjectName("MenuLegende");
    for (const ItemDef& def : Items) {
        QAction* a =
            def.Caption ? menu_->addAction(QString::fromUtf8(def.Caption)) : menu_->addSeparator();
        a->setObjectName(def.Name);
        if (def.Hint) a->setStatusTip(QString::fromUtf8(def.Hint));
        a->setCheckable(def.Checkable);
        if (def.Caption)
            registry_->Get(def.Command).Bind(a);
        else
            separator_ = a;
    }
}

void LegendCommands::Register() {
    ClueListWindow& f = form_;
    PuzzleSession& session = f.Session();
    Settings& s = session.settings;
    const int kind = session.image().PuzzleKind;
    const auto solutionOff = [&session] { return !session.flags.ShowSolution; };
    const auto hasEntry = [&f] { return f.ActiveEntry() != nullptr; };
    const bool lineKind = HasLineEntries(kind);
    const bool oneListKind = IsFillInKind(kind) || IsFenceKind(kind) || IsWordSearch(kind);
    const auto hideShown = [lineKind] { return !lineKind; };
    const auto markShown = [kind] { return !HasPlacedBlocks(kind); };
    const auto markEnabled = [&s] { return !s.BegriffeAusblenden; };
    const auto oneListShown = [oneListKind] { return oneListKind; };
    LegendCommandTable& r = *registry_;

    UiCommand& mark = r.Get(Id::MarkEntry);
    mark.SetHandler([this] { MItemLegendeBearbeitetClick(); });
    mark.SetRules(
        [lineKind, solutionOff, &s] {
            return !lineKind && solutionOff() && (s.BegriffeAusblenden || s.AutomatischMarkieren);
        },
        hasEntry,
        [&f] {
            const LegendItem* item = f.ActiveEntry();
            return item && item->Checked;
        });

    UiCommand& enter = r.Get(Id::EnterWord);
    enter.SetHandler([this] { MItemLegendeEingebenClick(); });
    enter.SetRules([kind, solutionOff] { return IsCrosswordKind(kind) && solutionOff(); },
                   hasEntry);

    UiCommand& lookUp = r.Get(Id::LookUp);
    lookUp.SetHandler([this] { MItemLegendeNachschlagenClick(); });
    lookUp.SetRules(
        [kind, solutionOff] { return (IsFenceKind(kind) || IsWordSearch(kind)) && solutionOff(); },
        hasEntry);

    UiCommand& hide = r.Get(Id::HideToggle);
    hide.SetHandler([this, &s] { SetHideSolved(!s.BegriffeAusblenden); });
    hide.SetRules(hideShown, {}, [&s] { return s.BegriffeAusblenden; });
    UiCommand& hideOff = r.Get(Id::HideOff);
    hideOff.SetHandler([this] { SetHideSolved(false); });
    hideOff.SetRules(hideShown, {}, [&s] { return !s.BegriffeAusblenden; });
    UiCommand& hideOn = r.Get(Id::HideOn);
    hideOn.SetHandler([this] { SetHideSolved(true); });
    hideOn.SetRules(hideShown, {}, [&s] { return s.BegriffeAusblenden; });

    UiCommand& marks = r.Get(Id::MarkToggle);
    marks.SetHandler([this, &s] { SetMarkSolved(!s.AutomatischMarkieren); });
    marks.SetRules(markShown, markEnabled, [&s] { return s.AutomatischMarkieren; });
    UiCommand& marksOff = r.Get(Id::MarkOff);
    marksOff.SetHandler([this] { SetMarkSolved(false); });
    marksOff.SetRules(markShown, markEnabled, [&s] { return !s.AutomatischMarkieren; });
    UiCommand& marksOn = r.Get(Id::MarkOn);
    marksOn.SetHandler([this] { SetMarkSolved(true); });
    marksOn.SetRules(markShown, markEnabled, [&s] { return s.AutomatischMarkieren; });

    UiCommand& one = r.Get(Id::OneListToggle);
    one.SetHandler([this, &s] { SetOneList(!s.EinfacheLegende); });
    one.SetRules(oneListShown, {}, [&s] { return s.EinfacheLegende; });
    UiCommand& oneOn = r.Get(Id::OneList);
    oneOn.SetHandler([this] { SetOneList(true); });
    oneOn.SetRules(oneListShown, {}, [&s] { return s.EinfacheLegende; });
    UiCommand& two = r.Get(Id::TwoLists);
    two.SetHandler([this] { SetOneList(false); });
    two.SetRules(oneListShown, {}, [&s] { return !s.EinfacheLegende; });
}

void LegendCommands::Refresh() {
    registry_->RefreshAll();
    // SBInputWord follows the third group when that is shown.
    const int left = twoLists_->isVisibleTo(form_.Toolbar())
                         ? twoLists_->x() + twoLists_->width() + InputWordGap
                         : oneList_->x();
    inputWord_->move(left, ButtonTop);
}

void LegendCommands::PrepareMenu() {
    Refresh();
    const bool separator =
        registry_->Get(Id::MarkEntry).Visible() || registry_->Get(Id::EnterWord).Visible();
    separator_->setVisible(separator);
}

void LegendCommands::MenuLegendePopup(const QPoint& globalPos) {
    PrepareMenu();
    bool any = false;
    for (QAction* a : menu_->actions()) any = any || (a->isVisible() && !a->isSeparator());
    // A menu without entries is not shown at all.
    if (any) menu_->popup(globalPos);
}

void LegendCommands::SetHideSolved(bool on) {
    form_.Session().settings.BegriffeAusblenden = on;
    form_.BuildLists();
    form_.UpdateLegendToolbar();
}

void LegendCommands::SetMarkSolved(bool on) {
    form_.Session().settings.AutomatischMarkieren = on;
    form_.UpdateLegendToolbar();
    form_.RepaintLists();
}

void LegendCommands::SetOneList(bool on) {
    form_.Session().settings.EinfacheLegende = on;
    form_.BuildLists();
    form_.UpdateLegendToolbar();
}

void LegendCommands::MItemLegendeBearbeitetClick() {
    LegendItem* item = form_.ActiveEntry();
    if (!item) return;
    ToggleEntryMark(*item, form_.Session().settings.BegriffeAusblenden);
    form_.RepaintLists();
}

void LegendCommands::MItemLegendeEingebenClick() {
    PuzzleSession& session = form_.Session();
    LegendView* list = form_.ActiveList();
    LegendItem* item = form_.ActiveEntry();
    BoardLink* board = form_.Board();
    if (!IsCrosswordKind(session.image().PuzzleKind) || !list || !item || !board) return;
    const LegendEntry entry = item->Entry;
    const bool across = form_.IsAcrossList(list);

    TWordEditDlg dlg(session.settings, form_.DialogParent());
    dlg.setWindowTitle(QStringLiteral("Gesuchten Begriff eingeben"));
    dlg.LblBegriff()->setText(QString::fromStdString(Cp1252ToUtf8(entry.Clue)) +
                              QStringLiteral(":"));
    dlg.WordData = QString::fromStdString(Cp1252ToUtf8(board->CurrentWordLetters(true)));
    if (RunModal(dlg) != QDialog::Accepted) return;
    // The dialog may have outlived the board or a rebuild of the lists.
    board = form_.Board();
    if (!board) return;

    const std::string text = NormalizeWord(Utf8ToCp1252(dlg.WordData.toStdString()), 15);
    PuzzleGame& game = form_.Game();
    const CellPos start = FindCellByNumber(game.Image(), entry.Number);
    if (!start.valid()) return;
    edit::WriteWord write;
    write.Col = start.Column;
    write.Row = start.Row;
    write.Across = across;
    write.Text = text;
    write.Evaluate = false; // after the list shows its mark
    game.Apply(write);
    // The list's own mark; WordSolvedMark is the board's to set.
    std::vector<LegendItem>& items = form_.Lists().List(across);
    for (LegendItem& it : items) {
        if (it.Entry.WordIndex == entry.WordIndex && it.Entry.Number == entry.Number) {
            it.Checked = true;
            break;
        }
    }
    form_.RepaintLists();
    game.Evaluate();
}

void LegendCommands::MItemLegendeNachschlagenClick() {
    const LegendItem* item = form_.ActiveEntry();
    if (!item) return;
    QDesktopServices::openUrl(LookupUrl(ProperCase(item->Entry.Word)));
}
