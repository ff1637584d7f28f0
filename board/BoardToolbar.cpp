#include "BoardToolbar.h"

#include "CommandIds.h"
#include "CommandMenus.h"
#include "GradientBar.h"
#include "KindTraits.h"
#include "StringGrid.h"
#include "SudokuAids.h"
#include "SystemPalette.h"

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

BoardToolbar::BoardToolbar(int kind, StringGrid* grid, CommandRegistry& commands, QWidget* parent)
    : kind_(kind), grid_(grid), commands_(commands), board_(parent) {
    bar_ = new GradientBar(parent);
    bar_->setObjectName("Toolbar");
    bar_->setFixedHeight(Height);
    CreateButtons();
    if (IsSudokuKind(kind)) CreateMarkPanel();
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(grid, &QWidget::customContextMenuRequested, bar_, [this](const QPoint& pos) {
        QMenu* popup = Popup();
        commands_.RefreshAll();
        popup->popup(grid_->mapToGlobal(pos));
    });
}

QMenu* BoardToolbar::Popup() {
    if (!popup_) CreatePopup();
    return popup_;
}

QToolButton* BoardToolbar::AddButton(QWidget* parent, const char* name, int left,
                                     const QString& glyph, const QString& hint, bool checkable,
                                     CommandId command, UiCommand::Rule alsoVisible) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setAutoRaise(true);
    b->setCheckable(checkable);
    b->setText(glyph);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(left, parent == bar_ ? (Height - ButtonSize) / 2 : 0, ButtonSize, ButtonSize);
    commands_.Get(command).Bind(b, std::move(alsoVisible));
    return b;
}

void BoardToolbar::CreateButtons() {
    using Id = CommandId;
    const int kind = kind_;
    AddButton(bar_, "SBZoomIn", 4, QStringLiteral("+"),
              QStringLiteral("Die Gitter des Rätsels vergrößern"), false, Id::ZoomIn);
    AddButton(bar_, "SBZoomOut", 26, QStringLiteral("−"),
              QStringLiteral("Die Gitter des Rätsels verkleinern"), false, Id::ZoomOut);
    AddButton(bar_, "SBShowFail", 60, QStringLiteral("F"),
              QStringLiteral("Fehlerhafte Buchstaben im Rätsel farblich absetzen"), true,
              Id::ShowFail);
    // The length and the symbol buttons share one place; the kind picks one.
    AddButton(bar_, "SBShowHintGrids", 82, QStringLiteral("∷"),
              QStringLiteral("Alle möglichen Zahlen in den Feldern anzeigen"), true,
              Id::ShowLengths, [kind] { return IsSudokuKind(kind); });
    AddButton(bar_, "SBShowLength", 82, QStringLiteral("#"),
              QStringLiteral("Die Längen der Begriffe anzeigen"), true, Id::ShowLengths,
              [kind] { return IsFenceKind(kind); });
    hints_ = AddButton(bar_, "SBShowHints", 104, QStringLiteral("?"),
                       QStringLiteral("Nummern und Umschreibungen als Tooltip anzeigen"), true,
                       Id::ShowHints);
    const QString fill =
        QStringLiteral("An der aktuellen Eingabeposition den gesuchten Buchstaben eintragen");
    word_ =
        AddButton(bar_, "SBBegrEintragen", 136, QStringLiteral("W"), fill, false, Id::EnterWord);
    letter_ = AddButton(bar_, "SBBuchstEintragen", 158, QStringLiteral("B"), fill, false,
                        Id::RevealLetter);
    blank_ = AddButton(bar_, "SBLeerfeld", 180, QStringLiteral("■"),
                       QStringLiteral("Das markierte Feld im Rätsel als Leerfeld festlegen"), true,
                       Id::BlankField);
    bar_->SetEndColour(DarkButtonFace());
}

void BoardToolbar::CreateMarkPanel() {
    panelMark_ = new GradientBar(bar_);
    panelMark_->setObjectName("PanelMark");
    panelMark_->SetEndColour(DarkButtonFace());
    panelMark_->setGeometry(201, (Height - ButtonSize) / 2, 308, ButtonSize);
    AddButton(panelMark_, "SBMarkKeine", 0, QStringLiteral("∅"),
              QStringLiteral("Die Markierung im Rätsel aufheben"), true, MarkCommand(0));
    const QString symbolHint =
        QStringLiteral("Für dieses Symbol mögliche Felder im Rätsel farblich absetzen");
    // Every symbol button stays on the bar; one beyond the puzzle's symbols
    // marks as "Nur zwei Zahlen möglich" does.
    for (int tag = 1; tag <= 12; ++tag) {
        const std::string name = "SBMark" + std::to_string(tag);
        AddButton(panelMark_, name.c_str(), 22 * tag, SymbolGlyph(tag), symbolHint, true,
                  MarkCommand(tag), [] { return true; });
    }
    AddButton(panelMark_, "SBMarkDuo", 286, QStringLiteral("≤2"),
              QStringLiteral("Alle Felder markieren, in die nur ein oder zwei mögliche Zahlen "
                             "eingetragen werden können"),
              true, MarkCommand(DuoMarkTag));
}

QAction* BoardToolbar::AddItem(const char* name, const QString& caption, const QString& hint,
                               CommandId command, bool checkable, UiCommand::Rule alsoVisible) {
    QAction* a = popup_->addAction(caption);
    a->setObjectName(name);
    a->setStatusTip(hint);
    a->setCheckable(checkable);
    commands_.Get(command).Bind(a, std::move(alsoVisible));
    return a;
}

void BoardToolbar::CreatePopup() {
    using Id = CommandId;
    const int kind = kind_;
    popup_ = new QMenu(board_);
    popup_->setObjectName("MenuRaetselPlay");
    AddItem("MItemPlayRueckgaengig", QStringLiteral("Rückgängig"),
            QStringLiteral("Die letzte Änderung am Rätsel zurücknehmen"), Id::Undo);
    AddItem("MItemPlayWiederholen", QStringLiteral("Wiederholen"),
            QStringLiteral("Die zuletzt zurückgenommene Änderung wiederholen"), Id::Redo);
    popup_->addSeparator();
    AddItem("MItemPlayLeerfeld", QStringLiteral("Leerfeld"),
            QStringLiteral("Das markierte Feld im Rätsel als Leerfeld festlegen"), Id::BlankField,
            true);
    AddItem("MItemPlayBuchstEintragen",
            IsSudokuKind(kind) ? QStringLiteral("Symbol eintragen")
                               : QStringLiteral("Buchstaben eintragen"),
            QStringLiteral("An der aktuellen Eingabeposition den gesuchten Buchstaben eintragen"),
            Id::RevealLetter);
    AddItem("MItemPlayBegriffEintragen", QStringLiteral("Begriff eintragen.."),
            QStringLiteral("Den gesuchten Begriff für die aktuelle Eingabeposition eingeben"),
            Id::EnterWord);
    AddItem("MItemPlayUmschreibung", QStringLiteral("Umschreibung?"),
            QStringLiteral("Die Umschreibung des markierten Begriffs anzeigen"), Id::ShowClue);
    AddItem("MItemPlayNachschlagen", QStringLiteral("Nachschlagen"),
            QStringLiteral("Den markierten Begriff im Online-Wörterbuch \"Wikipedia\" "
                           "nachschlagen"),
            Id::LookUp);
    popup_->addSeparator();
    AddItem("MItemPlayZoomIn", QStringLiteral("Ansicht vergrößern"),
            QStringLiteral("Die Gitter des Rätsels vergrößern"), Id::ZoomIn);
    AddItem("MItemPlayZoomOut", QStringLiteral("Ansicht verkleinern"),
            QStringLiteral("Die Gitter des Rätsels verkleinern"), Id::ZoomOut);
    AddItem("MItemPlayAnpassen", QStringLiteral("An Fenster anpassen"),
            QStringLiteral("Die Felder so groß machen, dass das Rätsel das Fenster füllt"),
            Id::FitToWindow, true);
    popup_->addSeparator();
    AddItem("MItemPlayShowFail", QStringLiteral("Fehleinträge markieren"),
            QStringLiteral("Fehlerhafte Buchstaben im Rätsel farblich absetzen"), Id::ShowFail,
            true);
    if (IsSudokuKind(kind))
        AddItem("MItemPlayShowLength", QStringLiteral("&Mögliche Zahlen anzeigen"),
                QStringLiteral("Alle möglichen Zahlen in den Feldern anzeigen"), Id::ShowLengths,
                true);
    else
        AddItem("MItemPlayShowLength", QStringLiteral("&Begrifflängen anzeigen"),
                QStringLiteral("Die Längen der Begriffe anzeigen"), Id::ShowLengths, true);
    // No check mark: the tool button shows the state. The entry is always
    // there, for every kind.
    AddItem("MItemPlayShowHints", QStringLiteral("Tooltips anzeigen"), QString(), Id::ShowHints,
            false, [] { return true; });
    markMenu_ = popup_->addMenu(QStringLiteral("Felder markieren"));
    markMenu_->menuAction()->setObjectName("MItemPlayFelderMarkieren");
    markMenu_->menuAction()->setStatusTip(
        QStringLiteral("Ausgewählte Felder im Rätsel farblich markieren"));
    FillMarkingMenu(markMenu_, commands_, QStringLiteral("MItemPlay"), true);
    snapMenu_ = popup_->addMenu(QStringLiteral("Schnappschuss"));
    snapMenu_->menuAction()->setObjectName("MItemPlaySchnappschuss");
    FillSnapshotMenu(snapMenu_, commands_, QStringLiteral("MItemPlay"), true);
    popup_->addSeparator();
    AddItem("MItemPlaySchliessen", QStringLiteral("Schließen"),
            QStringLiteral("Das Rätsel schließen"), Id::CloseBoard);
    // Marking for the Sudoku kinds, snapshots for the untimed Sudoku.
    markMenu_->menuAction()->setVisible(IsSudokuKind(kind));
    snapMenu_->menuAction()->setVisible(HasSnapshots(kind));
}

void BoardToolbar::Arrange() {
    word_->move(hints_->isHidden() ? hints_->x() + 8 : Right(hints_) + 8, word_->y());
    letter_->move(Right(word_), letter_->y());
    if (panelMark_) panelMark_->move(Right(letter_), panelMark_->y());
}

int BoardToolbar::RightmostEdge() const {
    int edge = 0;
    if (panelMark_ && !panelMark_->isHidden()) edge = std::max(edge, Right(panelMark_) + 4);
    if (!blank_->isHidden()) edge = std::max(edge, Right(blank_) + 4);
    return edge;
}
