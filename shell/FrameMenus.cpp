// The frame's menus and tool bar: every entry and button a view of its command.
#include "CommandIds.h"
#include "CommandMenus.h"
#include "FrameControls.h"
#include "Glyphs.h"
#include "GradientBar.h"
#include "UiCommand.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include <optional>

void TRMMainForm::BuildMenu() {
    using Id = CommandId;
    // Every entry is made a view of its command as it is created.
    auto add = [this](QMenu* menu, const char* name, const QString& caption, const QString& hint,
                      std::optional<CommandId> command, const QKeySequence& shortcut = {}) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        a->setStatusTip(hint);
        if (!shortcut.isEmpty()) a->setShortcut(shortcut);
        if (command) commands_->Get(*command).Bind(a);
        return a;
    };
    auto separator = [](QMenu* menu, const char* name) {
        QAction* a = menu->addSeparator();
        a->setObjectName(name);
        return a;
    };
    auto submenu = [this](QMenu* parent, const char* name, const QString& caption) {
        QMenu* m = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name) + "Menu");
        m->menuAction()->setObjectName(name);
        return m;
    };

    QMenu* r = ui_->Raetsel = submenu(nullptr, "MItemRaetsel", "&Rätsel");
    add(r, "MItemRaeOeffnen", "&Öffnen…", "Ein Rätsel aus einer Datei öffnen", Id::Open,
        QKeySequence(Qt::CTRL | Qt::Key_O));
    QMenu* recent = submenu(r, "MItemRaeZuletzt", "&Zuletzt geöffnet");
    recent->menuAction()->setStatusTip("Eines der zuletzt geöffneten Rätsel wieder öffnen");
    connect(recent, &QMenu::aboutToShow, this, [this, recent] { FillRecentMenu(recent); });
    separator(r, "MItemRaeN1");
    add(r, "MItemRaeDrucken", "&Drucken..", "Das Rätsel und die Legende drucken", Id::Print,
        QKeySequence(Qt::CTRL | Qt::Key_P));
    add(r, "MItemRaeInfos", "&Eigenschaften..", "Informationen zum aktuellen Rätsel anzeigen",
        Id::PuzzleInfo);
    add(r, "MItemRaeAutosave", "Fortschritt &automatisch speichern",
        "Den Fortschritt im Rätsel nach jeder Änderung sichern", Id::Autosave)
        ->setCheckable(true);
    separator(r, "MItemPrgN1");
    add(r, "MItemPrgInfo", "I&nfo..", "Informationen zum Programm anzeigen", Id::ProgramInfo);
    add(r, "MItemPrgBeenden", "&Beenden", "Das Programm beenden", Id::Quit,
        QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* b = ui_->Bearbeiten = submenu(nullptr, "MItemBearbeiten", "&Bearbeiten");
    add(b, "MItemBeaRueckgaengig", "&Rückgängig", "Die letzte Änderung am Rätsel zurücknehmen",
        Id::Undo, QKeySequence(Qt::ALT | Qt::Key_Backspace))
        ->setShortcuts(
            {QKeySequence(Qt::ALT | Qt::Key_Backspace), QKeySequence(Qt::CTRL | Qt::Key_Z)});
    add(b, "MItemBeaWiederholen", "&Wiederholen",
        "Die zuletzt zurückgenommene Änderung wiederholen", Id::Redo,
        QKeySequence(Qt::CTRL | Qt::Key_Y))
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    add(b, "MItemBeaZuruecksetzen", "&Zurücksetzen", "Alle Begriffe aus dem Rätsel löschen",
        Id::Reset);
    ui_->BeaN1 = separator(b, "MItemBeaN1");
    add(b, "MItemBeaLeerfeld", "&Leerfeld", "Das markierte Feld im Rätsel als Leerfeld festlegen",
        Id::BlankField)
        ->setCheckable(true);
    add(b, "MItemBeaBegriff", "&Begriff eintragen..", "Den markierten Begriff eingeben",
        Id::EnterWord, QKeySequence(Qt::CTRL | Qt::Key_Return));
    ui_->BeaEintragen = add(b, "MItemBeaEintragen", "Buchstaben &eintragen",
                            "An der aktuellen Eingabeposition den gesuchten Buchstaben eintragen",
                            Id::RevealLetter);
    QMenu* m = ui_->FelderMarkieren = submenu(b, "MItemBeaFelderMarkieren", "&Felder markieren");
    m->menuAction()->setStatusTip("Ausgewählte Felder im Rätsel farblich markieren");
    // Their entries come when a Sudoku needs them (FillSudokuMenus).
    ui_->Schnappschuss = submenu(b, "MItemBeaSchnappschuss", "&Schnappschuss");

    QMenu* v = ui_->Ansicht = submenu(nullptr, "MItemAnsicht", "&Ansicht");
    add(v, "MItemAnsLoesung", "&Lösung zeigen", "Die Lösung des kompletten Rätsels zeigen",
        Id::ShowSolution)
        ->setCheckable(true);
    add(v, "MItemAnsZahlenlegende", "&Zahlenlegende",
        "Die Legende der Zahlen und ihrer Buchstaben zeigen", Id::NumberLegend)
        ->setCheckable(true);
    ui_->AnsN1 = separator(v, "MItemAnsN1");
    add(v, "MItemAnsVergroessern", "&Vergrößern", "Die Gitter des Rätsels vergrößern", Id::ZoomIn)
        ->setData(1);
    add(v, "MItemAnsVerkleinern", "Ver&kleinern", "Die Gitter des Rätsels verkleinern", Id::ZoomOut)
        ->setData(-1);
    add(v, "MItemAnsAnpassen", "&An Fenster anpassen",
        "Die Felder so groß machen, dass das Rätsel das Fenster füllt", Id::FitToWindow)
        ->setCheckable(true);
    ui_->AnsN3 = separator(v, "MItemAnsN3");
    ui_->AnsFehleintraege = add(v, "MItemAnsFehleintraege", "&Fehleinträge markieren",
                                "Fehlerhafte Buchstaben im Rätsel farblich absetzen", Id::ShowFail);
    ui_->AnsFehleintraege->setCheckable(true);
    ui_->AnsBegriffLaengen = add(v, "MItemAnsBegriffLaengen", "&Begrifflängen anzeigen",
                                 "Die Längen der Begriffe anzeigen", Id::ShowLengths);
    ui_->AnsBegriffLaengen->setCheckable(true);
    ui_->AnsTooltips = add(v, "MItemAnsTooltips", "&Tooltips anzeigen",
                           "Nummern und Umschreibungen als Tooltip anzeigen", Id::ShowHints);
    ui_->AnsTooltips->setCheckable(true);

    // Whatever menu opens shows the commands' states of now.
    for (QMenu* menu :
         {ui_->Raetsel, ui_->Bearbeiten, ui_->Ansicht, ui_->FelderMarkieren, ui_->Schnappschuss})
        connect(menu, &QMenu::aboutToShow, this, [this] {
            FillSudokuMenus();
            UpdateMenus();
        });

    // No puzzle yet: the Edit and View menus appear with the board.
    ui_->Bearbeiten->menuAction()->setVisible(false);
    ui_->Ansicht->menuAction()->setVisible(false);
}

void TRMMainForm::BuildToolBar() {
    struct ButtonDef {
        const char* name;
        int x;
        ToolGlyph glyph;
        const char* hint;
        CommandId command;
    };
    static const ButtonDef buttons[] = {
        {"TBPrgBeenden", 4, ToolGlyph::Exit, "Das Programm beenden", CommandId::Quit},
        {"TBRaeOeffnen", 37, ToolGlyph::Open, "Ein Rätsel aus einer Datei öffnen", CommandId::Open},
        {"TBRaeDrucken", 62, ToolGlyph::Print, "Das Rätsel und die Legende drucken",
         CommandId::Print},
        {"TBRaeInfos", 87, ToolGlyph::PuzzleInfo, "Informationen zum aktuellen Rätsel anzeigen",
         CommandId::PuzzleInfo},
        {"TBBeaRueckgaengig", 121, ToolGlyph::Undo, "Die letzte Änderung am Rätsel zurücknehmen",
         CommandId::Undo},
        {"TBBeaWiederholen", 146, ToolGlyph::Redo,
         "Die zuletzt zurückgenommene Änderung wiederholen", CommandId::Redo},
        {"TBBeaZuruecksetzen", 171, ToolGlyph::Reset, "Alle Begriffe aus dem Rätsel löschen",
         CommandId::Reset},
        {"TBHlfInfo", 204, ToolGlyph::ProgramInfo, "Informationen zum Programm anzeigen",
         CommandId::ProgramInfo},
    };
    for (const ButtonDef& def : buttons) {
        auto* b = new QToolButton(ui_->ToolBar);
        b->setObjectName(def.name);
        b->setAutoRaise(true);
        b->setGeometry(def.x, 5, 25, 25);
        b->setIcon(ToolIcon(def.glyph));
        b->setIconSize(QSize(20, 20));
        b->setFocusPolicy(Qt::NoFocus);
        const QString hint = QString::fromUtf8(def.hint);
        b->setToolTip(hint);
        b->setStatusTip(hint);
        // The tool bar's buttons are there without a board too.
        commands_->Get(def.command).Bind(b, [] { return true; });
    }
}

void TRMMainForm::FillSudokuMenus() {
    if (ui_->sudokuMenusFilled) return;
    ui_->sudokuMenusFilled = true;
    FillMarkingMenu(ui_->FelderMarkieren, *commands_, QStringLiteral("MItemBea"), true);
    FillSnapshotMenu(ui_->Schnappschuss, *commands_, QStringLiteral("MItemBea"), true);
}
