#include "BoardToolbar.h"

#include "BoardHost.h"
#include "CommandIds.h"
#include "GradientBar.h"
#include "KindTraits.h"
#include "RaetselFormular.h"
#include "Session.h"
#include "StringGrid.h"
#include "SystemPalette.h"
#include "UiCommand.h"

#include <QMenu>
#include <QToolButton>

#include <algorithm>

namespace {
int Right(const QWidget* w) {
    return w->x() + w->width();
}

QString SymbolGlyph(int tag) {
    return tag <= 9 ? QString::number(tag) : QString(QChar('A' + tag - 10));
}
} // namespace

BoardToolbar::BoardToolbar(TRaetselForm& board, QWidget* parent) : board_(board) {
    bar_ = new GradientBar(parent);
    bar_->setObjectName("Toolbar");
    bar_->setFixedHeight(Height);
    CreateButtons();
    if (IsSudokuKind(board_.Session().image().PuzzleKind)) CreateMarkPanel();
    StringGrid* grid = board_.Grid();
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(grid, &QWidget::customContextMenuRequested, bar_,
                     [this, grid](const QPoint& pos) {
                         QMenu* popup = Popup();
                         board_.Host().Commands().RefreshAll();
                         RefreshSubmenus(board_.Host().Commands());
                         popup->popup(grid->mapToGlobal(pos));
                     });
}

QToolButton* BoardToolbar::AddButton(QWidget* parent, const char* name, int left,
                                     const QString& glyph, const QString& hint, bool checkable) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setAutoRaise(true);
    b->setCheckable(checkable);
    b->setText(glyph);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(left, parent == bar_ ? (Height - ButtonSize) / 2 : 0, ButtonSize, ButtonSize);
    return b;
}

void BoardToolbar::CreateButtons() {
    AddButton(bar_, "SBZoomIn", 4, QStringLiteral("+"),
              QStringLiteral("Die Gitter des Rätsels vergrößern"), false);
    AddButton(bar_, "SBZoomOut", 26, QStringLiteral("−"),
              QStringLiteral("Die Gitter des Rätsels verkleinern"), false);
    AddButton(bar_, "SBShowFail", 60, QStringLiteral("F"),
              QStringLiteral("Fehlerhafte Buchstaben im Rätsel farblich absetzen"), true);
    AddButton(bar_, "SBShowHintGrids", 82, QStringLiteral("∷"),
              QStringLiteral("Alle möglichen Zahlen in den Feldern anzeigen"), true);
    AddButton(bar_, "SBShowLength", 82, QStringLiteral("#"),
              QStringLiteral("Die Längen der Begriffe anzeigen"), true);
    AddButton(bar_, "SBShowHints", 104, QStringLiteral("?"),
              QStringLiteral("Nummern und Umschreibungen als Tooltip anzeigen"), true);
    const QString fill =
        QStringLiteral("An der aktuellen Eingabeposition den gesuchten Buchstaben eintragen");
    AddButton(bar_, "SBBegrEintragen", 136, QStringLiteral("W"), fill, false);
    AddButton(bar_, "SBBuchstEintragen", 158, QStringLiteral("B"), fill, false);
    AddButton(bar_, "SBLeerfeld", 180, QStringLiteral("■"),
              QStringLiteral("Das markierte Feld im Rätsel als Leerfeld festlegen"), true);
    bar_->SetEndColour(DarkButtonFace());
}

void BoardToolbar::CreateMarkPanel() {
    panelMark_ = new GradientBar(bar_);
    panelMark_->setObjectName("PanelMark");
    panelMark_->SetEndColour(DarkButtonFace());
    panelMark_->setGeometry(201, (Height - ButtonSize) / 2, 308, ButtonSize);
    AddButton(panelMark_, "SBMarkKeine", 0, QStringLiteral("∅"),
              QStringLiteral("Die Markierung im Rätsel aufheben"), true);
    const QString symbolHint =
        QStringLiteral("Für dieses Symbol mögliche Felder im Rätsel farblich absetzen");
    for (int tag = 1; tag <= 12; ++tag) {
        const std::string name = "SBMark" + std::to_string(tag);
        AddButton(panelMark_, name.c_str(), 22 * tag, SymbolGlyph(tag), symbolHint, true);
    }
    AddButton(panelMark_, "SBMarkDuo", 286, QStringLiteral("≤2"),
              QStringLiteral("Alle Felder markieren, in die nur ein oder zwei mögliche Zahlen "
                             "eingetragen werden können"),
              true);
}

QAction* BoardToolbar::AddItem(const char* name, const QString& caption, const QString& hint,
                               bool checkable) {
    QAction* a = popup_->addAction(caption);
    a->setObjectName(name);
    a->setStatusTip(hint);
    a->setCheckable(checkable);
    return a;
}

void BoardToolbar::CreatePopup() {
    const int kind = board_.Session().image().PuzzleKind;
    popup_ = new QMenu(&board_);
    popup_->setObjectName("MenuRaetselPlay");
    AddItem("MItemPlayLeerfeld", QStringLiteral("Leerfeld"),
            QStringLiteral("Das markierte Feld im Rätsel als Leerfeld festlegen"), true);
    AddItem("MItemPlayBuchstEintragen",
            IsSudokuKind(kind) ? QStringLiteral("Symbol eintragen")
                               : QStringLiteral("Buchstaben eintragen"),
            QStringLiteral("An der aktuellen Eingabeposition den gesuchten Buchstaben eintragen"));
    AddItem("MItemPlayBegriffEintragen", QStringLiteral("Begriff eintragen.."),
            QStringLiteral("Den gesuchten Begriff für die aktuelle Eingabeposition eingeben"));
    AddItem("MItemPlayUmschreibung", QStringLiteral("Umschreibung?"),
            QStringLiteral("Die Umschreibung des markierten Begriffs anzeigen"));
    AddItem("MItemPlayNachschlagen", QStringLiteral("Nachschlagen"),
            QStringLiteral("Den markierten Begriff im Online-Wörterbuch \"Wikipedia\" "
                           "nachschlagen"));
    popup_->addSeparator();
    AddItem("MItemPlayZoomIn", QStringLiteral("Ansicht vergrößern"),
            QStringLiteral("Die Gitter des Rätsels vergrößern"));
    AddItem("MItemPlayZoomOut", QStringLiteral("Ansicht verkleinern"),
            QStringLiteral("Die Gitter des Rätsels verkleinern"));
    popup_->addSeparator();
    AddItem("MItemPlayShowFail", QStringLiteral("Fehleinträge markieren"),
            QStringLiteral("Fehlerhafte Buchstaben im Rätsel farblich absetzen"), true);
    if (IsSudokuKind(kind))
        AddItem("MItemPlayShowLength", QStringLiteral("&Mögliche Zahlen anzeigen"),
                QStringLiteral("Alle möglichen Zahlen in den Feldern anzeigen"), true);
    else
        AddItem("MItemPlayShowLength", QStringLiteral("&Begrifflängen anzeigen"),
                QStringLiteral("Die Längen der Begriffe anzeigen"), true);
    // No check mark: the tool button shows the state.
    AddItem("MItemPlayShowHints", QStringLiteral("Tooltips anzeigen"), QString());
    markMenu_ = popup_->addMenu(QStringLiteral("Felder markieren"));
    markMenu_->menuAction()->setObjectName("MItemPlayFelderMarkieren");
    markMenu_->menuAction()->setStatusTip(
        QStringLiteral("Ausgewählte Felder im Rätsel farblich markieren"));
    QAction* none = markMenu_->addAction(QStringLiteral("&Keine"));
    none->setObjectName("MItemPlayMarkKeine");
    none->setCheckable(true);
    none->setStatusTip(QStringLiteral("Die Markierung im Rätsel aufheben"));
    markMenu_->addSeparator();
    for (int tag = 1; tag <= 12; ++tag) {
        const QString symbol = SymbolGlyph(tag);
        QAction* a = markMenu_->addAction("\"&" + symbol + "\" möglich");
        a->setObjectName(QStringLiteral("MItemPlayMark%1").arg(tag));
        a->setCheckable(true);
        a->setStatusTip(
            QStringLiteral("Alle Felder markieren, in die %1 \"%2\" eingetragen "
                           "werden kann")
                .arg(tag <= 9 ? QStringLiteral("eine") : QStringLiteral("ein"), symbol));
    }
    markMenu_->addSeparator();
    QAction* duo = markMenu_->addAction(QStringLiteral("Nur &zwei Zahlen möglich"));
    duo->setObjectName("MItemPlayMarkDuo");
    duo->setCheckable(true);
    duo->setStatusTip(QStringLiteral("Alle Felder markieren, in die nur ein oder zwei mögliche "
                                     "Zahlen eingetragen werden können"));
    snapMenu_ = popup_->addMenu(QStringLiteral("Schnappschuss"));
    snapMenu_->menuAction()->setObjectName("MItemPlaySchnappschuss");
    QAction* take = snapMenu_->addAction(QStringLiteral("&Erstellen"));
    take->setObjectName("MItemPlaySnapErstellen");
    take->setStatusTip(
        QStringLiteral("Einen Schnappschuss des aktuellen Rätselzustands speichern"));
    snapMenu_->addSeparator();
    for (int n = 1; n <= 4; ++n) {
        QAction* a = snapMenu_->addAction(QString::number(n));
        a->setObjectName(QStringLiteral("MItemPlaySnap%1").arg(n));
    }
    popup_->addSeparator();
    AddItem("MItemPlaySchliessen", QStringLiteral("Schließen"),
            QStringLiteral("Das Rätsel schließen"));
    if (commands_) BindPopup();
}

QMenu* BoardToolbar::Popup() {
    if (!popup_) CreatePopup();
    return popup_;
}

QToolButton* BoardToolbar::Button(const char* name) const {
    return bar_->findChild<QToolButton*>(QString::fromLatin1(name));
}

QAction* BoardToolbar::PopupItem(const char* name) {
    return Popup()->findChild<QAction*>(QString::fromLatin1(name));
}

void BoardToolbar::Bind(CommandRegistry& commands) {
    commands_ = &commands;
    const int kind = board_.Session().image().PuzzleKind;
    const auto button = [&](const char* id, const char* name) {
        commands.Get(id).Bind(Button(name));
    };
    button(CommandId::ZoomIn, "SBZoomIn");
    button(CommandId::ZoomOut, "SBZoomOut");
    button(CommandId::ShowFail, "SBShowFail");
    button(CommandId::BlankField, "SBLeerfeld");
    button(CommandId::RevealLetter, "SBBuchstEintragen");
    button(CommandId::EnterWord, "SBBegrEintragen");
    // The length and the symbol buttons share one place; the kind picks one.
    UiCommand& lengths = commands.Get(CommandId::ShowLengths);
    lengths.Bind(Button("SBShowLength"), [kind] { return IsFenceKind(kind); });
    lengths.Bind(Button("SBShowHintGrids"), [kind] { return IsSudokuKind(kind); });
    commands.Get(CommandId::ShowHints).Bind(Button("SBShowHints"));

    if (panelMark_) {
        commands.Get(CommandId::Mark(0)).Bind(panelMark_->findChild<QToolButton*>("SBMarkKeine"));
        for (int tag = 1; tag <= 12; ++tag) {
            // Every symbol button stays on the bar; one beyond the puzzle's
            // symbols marks as "Nur zwei Zahlen möglich" does.
            const QString name = QStringLiteral("SBMark%1").arg(tag);
            commands.Get(CommandId::Mark(tag)).Bind(panelMark_->findChild<QToolButton*>(name), [] {
                return true;
            });
        }
        commands.Get(CommandId::Mark(DuoMarkTag))
            .Bind(panelMark_->findChild<QToolButton*>("SBMarkDuo"));
    }
    if (popup_) BindPopup();
}

void BoardToolbar::BindPopup() {
    CommandRegistry& commands = *commands_;
    const auto item = [&](const char* id, const char* name) {
        commands.Get(id).Bind(PopupItem(name));
    };
    item(CommandId::ZoomIn, "MItemPlayZoomIn");
    item(CommandId::ZoomOut, "MItemPlayZoomOut");
    item(CommandId::ShowFail, "MItemPlayShowFail");
    item(CommandId::BlankField, "MItemPlayLeerfeld");
    item(CommandId::RevealLetter, "MItemPlayBuchstEintragen");
    item(CommandId::EnterWord, "MItemPlayBegriffEintragen");
    item(CommandId::ShowClue, "MItemPlayUmschreibung");
    item(CommandId::LookUp, "MItemPlayNachschlagen");
    item(CommandId::CloseBoard, "MItemPlaySchliessen");
    item(CommandId::ShowLengths, "MItemPlayShowLength");
    // The popup entry is always there, for every kind.
    commands.Get(CommandId::ShowHints).Bind(PopupItem("MItemPlayShowHints"), [] { return true; });

    commands.Get(CommandId::Mark(0)).Bind(markMenu_->findChild<QAction*>("MItemPlayMarkKeine"));
    for (int tag = 1; tag <= 12; ++tag) {
        const QString name = QStringLiteral("MItemPlayMark%1").arg(tag);
        commands.Get(CommandId::Mark(tag)).Bind(markMenu_->findChild<QAction*>(name));
    }
    commands.Get(CommandId::Mark(DuoMarkTag))
        .Bind(markMenu_->findChild<QAction*>("MItemPlayMarkDuo"));
    commands.Get(CommandId::SnapshotTake)
        .Bind(snapMenu_->findChild<QAction*>("MItemPlaySnapErstellen"));
    for (int n = 1; n <= 4; ++n)
        commands.Get(CommandId::Snapshot(n))
            .Bind(snapMenu_->findChild<QAction*>(QStringLiteral("MItemPlaySnap%1").arg(n)));
    RefreshSubmenus(commands);
}

void BoardToolbar::RefreshSubmenus(CommandRegistry& commands) {
    // Marking for the Sudoku kinds, snapshots for the untimed Sudoku.
    (void)commands;
    if (!popup_) return;
    const int kind = board_.Session().image().PuzzleKind;
    markMenu_->menuAction()->setVisible(IsSudokuKind(kind));
    snapMenu_->menuAction()->setVisible(HasSnapshots(kind));
}

void BoardToolbar::Arrange() {
    QToolButton* hints = Button("SBShowHints");
    QToolButton* word = Button("SBBegrEintragen");
    QToolButton* letter = Button("SBBuchstEintragen");
    word->move(hints->isHidden() ? hints->x() + 8 : Right(hints) + 8, word->y());
    letter->move(Right(word), letter->y());
    if (panelMark_) panelMark_->move(Right(letter), panelMark_->y());
}

int BoardToolbar::RightmostEdge() const {
    int edge = 0;
    if (panelMark_ && !panelMark_->isHidden()) edge = std::max(edge, Right(panelMark_) + 4);
    const QToolButton* blank = Button("SBLeerfeld");
    if (!blank->isHidden()) edge = std::max(edge, Right(blank) + 4);
    return edge;
}
