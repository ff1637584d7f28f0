#include "Hauptformular.h"

#include "SystemPalette.h"

#include "Container.h"
#include "Cp1252.h"
#include "DragCursors.h"
#include "EditCommands.h"
#include "Glyphs.h"
#include "GradientBar.h"
#include "HinweisDialog.h"
#include "InfoDialog.h"
#include "Loading.h"
#include "ModalRunner.h"
#include "RaetselFormular.h"
#include "RaetselInfoDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QScreen>
#include <QSet>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdlib>
#include <ctime>
#include <functional>
#include <map>
#include <memory>

namespace {
constexpr int ToolBarHeight = 33;
constexpr int StatusBarHeight = 21;

// The window classes behind the child kinds, as FindChild tells them apart.
const char* ChildClass(int kind) {
    switch (kind) {
    case ChildKind::Board:
        return "TRaetselForm";
    case ChildKind::SolutionWord:
        return "TLoesungForm";
    case ChildKind::ClueList:
        return "TLegendForm";
    case ChildKind::NumberLegend:
        return "TNumLegendForm";
    case ChildKind::Stopwatch:
        return "TStopuhrForm";
    default:
        return nullptr;
    }
}

} // namespace

struct TRMMainForm::Controls {
    GradientBar* ToolBar = nullptr;
    QFrame* StatusBar = nullptr;
    QLabel* LblHints = nullptr;
    std::map<QString, QAction*> items;
    std::map<QString, QToolButton*> buttons;
    // Commands that have a handler; every other item stays disabled.
    std::map<QAction*, std::function<void()>> handlers;
    QMenu* Raetsel = nullptr;
    QMenu* Bearbeiten = nullptr;
    QMenu* FelderMarkieren = nullptr;
    QMenu* Schnappschuss = nullptr;
    QMenu* Ansicht = nullptr;

    QAction* item(const char* name) const {
        const auto it = items.find(QString::fromLatin1(name));
        return it == items.end() ? nullptr : it->second;
    }
    QToolButton* button(const char* name) const { return buttons.at(QString::fromLatin1(name)); }
    bool wired(QAction* a) const { return handlers.count(a) != 0; }
};

TRMMainForm::TRMMainForm(PuzzleSession& session, std::vector<std::string> parameters,
                         QWidget* parent)
    : QMainWindow(parent), session_(session), parameters_(std::move(parameters)),
      executablePath_(OwnExecutablePath()), ui_(new Controls) {
    setObjectName("RMMainForm");
    setWindowTitle("Diruradevuzezid");
    resize(640, 480);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    ui_->ToolBar = new GradientBar(central);
    ui_->ToolBar->setObjectName("ToolBar");
    ui_->ToolBar->setFixedHeight(ToolBarHeight);
    layout->addWidget(ui_->ToolBar);
    mdiArea_ = new QMdiArea(central);
    mdiArea_->setObjectName("MdiArea");
    mdiArea_->setBackground(QColor(128, 128, 128));
    mdiArea_->viewport()->setMouseTracking(true);
    mdiArea_->viewport()->installEventFilter(this);
    layout->addWidget(mdiArea_, 1);
    ui_->StatusBar = new QFrame(central);
    ui_->StatusBar->setObjectName("StatusBar");
    ui_->StatusBar->setFixedHeight(StatusBarHeight);
    auto* statusLayout = new QVBoxLayout(ui_->StatusBar);
    statusLayout->setContentsMargins(2, 2, 2, 2);
    ui_->LblHints = new QLabel(ui_->StatusBar);
    ui_->LblHints->setObjectName("LblHints");
    ui_->LblHints->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui_->LblHints->setAlignment(Qt::AlignCenter);
    statusLayout->addWidget(ui_->LblHints);
    layout->addWidget(ui_->StatusBar);
    setCentralWidget(central);

    BuildMenu();
    BuildToolBar();
    FormCreate();
}

TRMMainForm::~TRMMainForm() {
    // The children go with the frame; their departure must not call back into it.
    for (QMdiSubWindow* sub : mdiArea_->subWindowList()) disconnect(sub, nullptr, this, nullptr);
    qApp->removeEventFilter(this);
    delete ui_;
}

void TRMMainForm::FormCreate() {
    // Hints reach the status line through the status-tip events (event()).
    qApp->installEventFilter(this);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    RegisterDragCursors();
    ui_->ToolBar->SetEndColour(DarkButtonFace());
    puzzlePicture_ = QImage();
    setWindowTitle("Velmar Gridwerk - " + QApplication::applicationDisplayName());
    setWindowIcon(AppIcon());
}

void TRMMainForm::BuildMenu() {
    auto add = [this](QMenu* menu, const char* name, const QString& caption, const QString& hint,
                      const QKeySequence& shortcut = {}) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        a->setStatusTip(hint);
        if (!shortcut.isEmpty()) a->setShortcut(shortcut);
        ui_->items[QString::fromLatin1(name)] = a;
        return a;
    };
    auto separator = [this](QMenu* menu, const char* name) {
        QAction* a = menu->addSeparator();
        a->setObjectName(name);
        ui_->items[QString::fromLatin1(name)] = a;
        return a;
    };
    auto submenu = [this](QMenu* parent, const char* name, const QString& caption) {
        QMenu* m = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name) + "Menu");
        m->menuAction()->setObjectName(name);
        ui_->items[QString::fromLatin1(name)] = m->menuAction();
        return m;
    };

    QMenu* r = ui_->Raetsel = submenu(nullptr, "MItemRaetsel", "&R\u00e4tsel");
    add(r, "MItemRaeDrucken", "&Drucken..", "Das R\u00e4tsel und die Legende drucken",
        QKeySequence(Qt::CTRL | Qt::Key_P))
        ->setEnabled(false);
    add(r, "MItemRaeInfos", "&Eigenschaften..", "Informationen zum aktuellen R\u00e4tsel anzeigen")
        ->setEnabled(false);
    separator(r, "MItemPrgN1");
    add(r, "MItemPrgInfo", "I&nfo..", "Informationen zum Programm anzeigen");
    add(r, "MItemPrgBeenden", "&Beenden", "Das Programm beenden",
        QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* b = ui_->Bearbeiten = submenu(nullptr, "MItemBearbeiten", "&Bearbeiten");
    add(b, "MItemBeaRueckgaengig", "&R\u00fcckg\u00e4ngig",
        "Die letzte \u00c4nderung am R\u00e4tsel zur\u00fccknehmen",
        QKeySequence(Qt::ALT | Qt::Key_Backspace));
    add(b, "MItemBeaZuruecksetzen", "&Zur\u00fccksetzen",
        "Alle Begriffe aus dem R\u00e4tsel l\u00f6schen");
    separator(b, "MItemBeaN1");
    add(b, "MItemBeaLeerfeld", "&Leerfeld",
        "Das markierte Feld im R\u00e4tsel als Leerfeld festlegen")
        ->setCheckable(true);
    add(b, "MItemBeaBegriff", "&Begriff eintragen..", "Den markierten Begriff eingeben",
        QKeySequence(Qt::CTRL | Qt::Key_Return));
    add(b, "MItemBeaEintragen", "Buchstaben &eintragen",
        "An der aktuellen Eingabeposition den gesuchten Buchstaben eintragen");
    QMenu* m = ui_->FelderMarkieren = submenu(b, "MItemBeaFelderMarkieren", "&Felder markieren");
    m->menuAction()->setStatusTip("Ausgew\u00e4hlte Felder im R\u00e4tsel farblich markieren");
    auto mark = [&](const char* name, const QString& caption, const QString& hint, int tag) {
        QAction* a = add(m, name, caption, hint);
        a->setCheckable(true);
        a->setData(tag);
    };
    mark("MItemBeaMarkKeine", "&Keine", "Die Markierung im R\u00e4tsel aufheben", 0);
    separator(m, "MItemBeaMarkN1")->setData(-1);
    static const char* const markNames[] = {"MItemBeaMark1",  "MItemBeaMark2",  "MItemBeaMark3",
                                            "MItemBeaMark4",  "MItemBeaMark5",  "MItemBeaMark6",
                                            "MItemBeaMark7",  "MItemBeaMark8",  "MItemBeaMark9",
                                            "MItemBeaMark10", "MItemBeaMark11", "MItemBeaMark12"};
    for (int tag = 1; tag <= 12; ++tag) {
        const QString symbol = tag <= 9 ? QString::number(tag) : QString(QChar('A' + tag - 10));
        const QString article = tag <= 9 ? "eine" : "ein";
        mark(markNames[tag - 1], "\"&" + symbol + "\" m\u00f6glich",
             "Alle Felder markieren, in die " + article + " \"" + symbol +
                 "\" eingetragen werden kann",
             tag);
    }
    separator(m, "MItemBeaMarkN2")->setData(-1);
    mark("MItemBeaMarkDuo", "Nur &zwei Zahlen m\u00f6glich",
         "Alle Felder markieren, in die nur ein oder zwei m\u00f6gliche Zahlen eingetragen "
         "werden k\u00f6nnen",
         13);
    QMenu* s = ui_->Schnappschuss = submenu(b, "MItemBeaSchnappschuss", "&Schnappschuss");
    add(s, "MItemBeaSnapErstellen", "&Erstellen",
        "Einen Schnappschuss des aktuellen R\u00e4tselzustands speichern");
    separator(s, "MItemBeaSnapN1");
    static const char* const snapNames[] = {"MItemBeaSnap1", "MItemBeaSnap2", "MItemBeaSnap3",
                                            "MItemBeaSnap4"};
    for (int tag = 1; tag <= 4; ++tag)
        add(s, snapNames[tag - 1], QString::number(tag), QString())->setData(tag);

    QMenu* v = ui_->Ansicht = submenu(nullptr, "MItemAnsicht", "&Ansicht");
    QAction* solution = add(v, "MItemAnsLoesung", "&L\u00f6sung zeigen",
                            "Die L\u00f6sung des kompletten R\u00e4tsels zeigen");
    solution->setCheckable(true);
    solution->setEnabled(false);
    separator(v, "MItemAnsN1");
    add(v, "MItemAnsVergroessern", "&Vergr\u00f6\u00dfern",
        "Die Gitter des R\u00e4tsels vergr\u00f6\u00dfern")
        ->setData(1);
    add(v, "MItemAnsVerkleinern", "Ver&kleinern", "Die Gitter des R\u00e4tsels verkleinern")
        ->setData(-1);
    separator(v, "MItemAnsN3");
    add(v, "MItemAnsFehleintraege", "&Fehleintr\u00e4ge markieren",
        "Fehlerhafte Buchstaben im R\u00e4tsel farblich absetzen")
        ->setCheckable(true);
    add(v, "MItemAnsBegriffLaengen", "&Begriffl\u00e4ngen anzeigen",
        "Die L\u00e4ngen der Begriffe anzeigen")
        ->setCheckable(true);
    add(v, "MItemAnsTooltips", "&Tooltips anzeigen",
        "Nummern und Umschreibungen als Tooltip anzeigen")
        ->setCheckable(true);

    // The frame's own commands.
    auto wire = [this](const char* name, std::function<void()> handler) {
        QAction* a = ui_->item(name);
        ui_->handlers[a] = handler;
        connect(a, &QAction::triggered, this, [handler] { handler(); });
    };
    wire("MItemRaeInfos", [this] { MItemRaeInfosClick(); });
    wire("MItemPrgInfo", [this] { MItemPrgInfoClick(); });
    wire("MItemPrgBeenden", [this] { MItemPrgBeendenClick(); });
    // Edit and view commands; those of the board run only while it is open.
    const auto onBoard = [this](void (TRaetselForm::*command)()) {
        return [this, command] {
            EditCommands::Of(*this).OnBoard([command](TRaetselForm& b) { (b.*command)(); });
        };
    };
    wire("MItemBeaRueckgaengig", [this] { Undo(); });
    wire("MItemBeaZuruecksetzen", [this] { EditCommands::Of(*this).MItemBeaZuruecksetzenClick(); });
    wire("MItemBeaLeerfeld",
         [this] { EditCommands::Of(*this).MItemBeaLeerfeldClick(ui_->item("MItemBeaLeerfeld")); });
    wire("MItemBeaEintragen", onBoard(&TRaetselForm::MItemPlayBuchstEintragenClick));
    wire("MItemBeaBegriff", onBoard(&TRaetselForm::MItemPlayBegriffEintragenClick));
    wire("MItemAnsLoesung", [this] { EditCommands::Of(*this).MItemAnsLoesungClick(); });
    for (const char* zoom : {"MItemAnsVergroessern", "MItemAnsVerkleinern"}) {
        QAction* item = ui_->item(zoom);
        wire(zoom, [this, item] {
            EditCommands::Of(*this).OnBoard(
                [item](TRaetselForm& b) { b.MItemPlayZoomInClick(item->data().toInt()); });
        });
    }
    wire("MItemAnsFehleintraege", onBoard(&TRaetselForm::MItemPlayShowFailClick));
    wire("MItemAnsTooltips", onBoard(&TRaetselForm::MItemPlayShowHintsClick));
    wire("MItemAnsBegriffLaengen", onBoard(&TRaetselForm::MItemPlayShowLengthClick));

    connect(ui_->Raetsel, &QMenu::aboutToShow, this, [this] { MItemRaetselOpen(); });
    connect(ui_->Bearbeiten, &QMenu::aboutToShow, this, [this] { MItemBearbeitenOpen(); });
    connect(ui_->FelderMarkieren, &QMenu::aboutToShow, this,
            [this] { MItemFelderMarkierenOpen(); });
    connect(ui_->Schnappschuss, &QMenu::aboutToShow, this, [this] { MItemSchnappschussOpen(); });
    connect(ui_->Ansicht, &QMenu::aboutToShow, this, [this] { MItemAnsichtOpen(); });

    // No puzzle yet: the Edit and View menus appear with the board.
    ui_->Bearbeiten->menuAction()->setVisible(false);
    ui_->Ansicht->menuAction()->setVisible(false);
    DisableUnwired();
}

void TRMMainForm::BuildToolBar() {
    struct ButtonDef {
        const char* name;
        int x;
        ToolGlyph glyph;
        const char* hint;
        const char* item; // the menu entry whose handler the button runs
        bool enabled;
    };
    static const ButtonDef buttons[] = {
        {"TBPrgBeenden", 4, ToolGlyph::Exit, "Das Programm beenden", "MItemPrgBeenden", true},
        {"TBRaeDrucken", 37, ToolGlyph::Print, "Das R\u00e4tsel und die Legende drucken",
         "MItemRaeDrucken", false},
        {"TBRaeInfos", 62, ToolGlyph::PuzzleInfo,
         "Informationen zum aktuellen R\u00e4tsel anzeigen", "MItemRaeInfos", false},
        {"TBBeaRueckgaengig", 96, ToolGlyph::Undo,
         "Die letzte \u00c4nderung am R\u00e4tsel zur\u00fccknehmen", "MItemBeaRueckgaengig",
         false},
        {"TBBeaZuruecksetzen", 121, ToolGlyph::Reset,
         "Alle Begriffe aus dem R\u00e4tsel l\u00f6schen", "MItemBeaZuruecksetzen", false},
        {"TBHlfInfo", 154, ToolGlyph::ProgramInfo, "Informationen zum Programm anzeigen",
         "MItemPrgInfo", true},
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
        b->setEnabled(def.enabled);
        ui_->buttons[QString::fromLatin1(def.name)] = b;
        const char* item = def.item;
        connect(b, &QToolButton::clicked, this, [this, item] {
            const auto it = ui_->handlers.find(ui_->item(item));
            if (it != ui_->handlers.end()) it->second();
        });
    }
}

QAction* TRMMainForm::MenuItem(const char* name) const {
    return ui_->item(name);
}

void TRMMainForm::DisableUnwired() {
    for (const auto& [name, action] : ui_->items) {
        if (action->isSeparator() || action->menu()) continue;
        if (!ui_->wired(action)) action->setEnabled(false);
    }
}

QSize TRMMainForm::FrameSizeFor(const QSize& screen) {
    QSize size(640, 480);
    if (screen.width() >= 800) size.setWidth(800);
    if (screen.height() >= 600) size.setHeight(600);
    if (screen.width() >= 1000) size.setWidth(1000);
    if (screen.height() >= 750) size.setHeight(750);
    return size;
}

void TRMMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (startupPosted_) return;
    startupPosted_ = true;
    if (const QScreen* s = screen()) {
        const QRect area = s->geometry();
        resize(FrameSizeFor(area.size()));
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    QCoreApplication::postEvent(this, new QEvent(StartupMessage));
}

bool TRMMainForm::event(QEvent* event) {
    if (event->type() == StartupMessage) {
        HandleStartupMessage();
        return true;
    }
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TRMMainForm::HandleStartupMessage() {
    // An information box opened before the message came is closed; its
    // opener frees it once its modal loop has returned.
    if (infoDlg_) infoDlg_->close();
    SetStandardCaption();
    // Companion windows open with the board; at start there is none yet.
    LoadPuzzle();
}

std::uint8_t TRMMainForm::LoadPuzzle() {
    session_.settings.System = SystemColoursFromPalette();
    LoadOutcome outcome;
    try {
        outcome = LoadPuzzleFrom(session_.puzzle, session_.settings, puzzlePicture_, parameters_,
                                 executablePath_);
    } catch (const LoadError& e) {
        // An existing file that cannot be opened: the general error report.
        QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(),
                        QString::fromUtf8(e.what()), QMessageBox::Ok, this);
        RunModal(box);
        return LoadResult::ReadError;
    }
    if (LoadSucceeded(outcome.Result)) {
        TRaetselForm::Open(*this);
        UpdateCommandStates();
    } else {
        QMessageBox box(
            QMessageBox::Critical, "Fehler",
            QString::fromStdString(LoadFailureMessage(outcome.Result, outcome.FileName)),
            QMessageBox::Ok, this);
        RunModal(box);
    }
    return outcome.Result;
}

void TRMMainForm::SetStandardCaption() {
    setWindowTitle("Velmar " + QApplication::applicationDisplayName());
}

QWidget* TRMMainForm::FindChild(int kind) const {
    const char* cls = ChildClass(kind);
    if (!cls) return nullptr;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        QWidget* w = sub->widget();
        if (w && w->inherits(cls)) return w;
    }
    return nullptr;
}

TRaetselForm* TRMMainForm::Board() const {
    return qobject_cast<TRaetselForm*>(FindChild(ChildKind::Board));
}

bool TRMMainForm::BoardOpen() const {
    return FindChild(ChildKind::Board) != nullptr;
}

bool TRMMainForm::AidAllowed(int bits) const {
    if (!BoardOpen()) return true;
    return (session_.image().AllowedAids & bits) != 0;
}

QMdiSubWindow* TRMMainForm::AddChild(QWidget* content) {
    QMdiSubWindow* sub = mdiArea_->addSubWindow(content);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // A child closes before it is gone; look again once it has left the area.
    connect(sub, &QObject::destroyed, this, [this] {
        QMetaObject::invokeMethod(
            this, [this] { UpdateCommandStates(); }, Qt::QueuedConnection);
    });
    return sub;
}

void TRMMainForm::UpdateCommandStates() {
    const bool board = BoardOpen();
    // Asking the print system costs time at start: only when printing can happen.
    const bool printer = board && ui_->wired(ui_->item("MItemRaeDrucken")) &&
                         !QPrinterInfo::availablePrinters().isEmpty();
    ui_->button("TBRaeDrucken")->setEnabled(printer);
    ui_->button("TBRaeInfos")->setEnabled(board);
    ui_->button("TBBeaZuruecksetzen")
        ->setEnabled(board && ui_->wired(ui_->item("MItemBeaZuruecksetzen")));
    if (!AidAllowed(AidFlag::MarkWrong)) session_.settings.FehlerZeigen = false;
    ui_->Bearbeiten->menuAction()->setVisible(board);
    ui_->Ansicht->menuAction()->setVisible(board);
}

void TRMMainForm::MItemRaetselOpen() {
    ui_->item("MItemRaeDrucken")->setEnabled(ui_->button("TBRaeDrucken")->isEnabled());
    ui_->item("MItemRaeInfos")->setEnabled(ui_->button("TBRaeInfos")->isEnabled());
}

void TRMMainForm::MItemBearbeitenOpen() {
    const TRaetselForm* board = Board();
    auto visible = [board](const char* button) { return board && board->ButtonVisible(button); };
    auto down = [board](const char* button) { return board && board->ButtonDown(button); };
    QAction* undo = ui_->item("MItemBeaRueckgaengig");
    undo->setVisible(board != nullptr);
    undo->setEnabled(ui_->button("TBBeaRueckgaengig")->isEnabled());
    ui_->item("MItemBeaN1")->setVisible(undo->isVisible());
    ui_->item("MItemBeaZuruecksetzen")->setEnabled(ui_->button("TBBeaZuruecksetzen")->isEnabled());
    QAction* blank = ui_->item("MItemBeaLeerfeld");
    blank->setVisible(visible("SBLeerfeld"));
    if (blank->isVisible()) blank->setChecked(down("SBLeerfeld"));
    QAction* fill = ui_->item("MItemBeaEintragen");
    fill->setVisible(visible("SBBuchstEintragen"));
    fill->setText(IsSudokuKind(session_.image().PuzzleKind) ? "Symbol &eintragen"
                                                            : "Buchstaben &eintragen");
    ui_->item("MItemBeaBegriff")->setVisible(visible("SBBegrEintragen"));
    ui_->item("MItemBeaFelderMarkieren")->setVisible(visible("SBShowHintGrids"));
    ui_->item("MItemBeaSchnappschuss")
        ->setVisible(board != nullptr && session_.image().PuzzleKind == 14);
    DisableUnwired();
}

void TRMMainForm::MItemFelderMarkierenOpen() {
    const TRaetselForm* board = Board();
    if (!board) return;
    const int columns = session_.image().ColumnCount;
    for (QAction* a : ui_->FelderMarkieren->actions()) {
        const int tag = a->data().toInt();
        a->setVisible(tag <= 0 || tag == 13 || tag <= columns);
        if (a->isCheckable()) a->setChecked(tag == board->MarkTag);
    }
    DisableUnwired();
}

void TRMMainForm::MItemSchnappschussOpen() {
    // A snapshot item shows once its snapshot holds a time; until the board
    // keeps snapshots, none does.
    for (int n = 1; n <= 4; ++n) {
        const QByteArray name = "MItemBeaSnap" + QByteArray::number(n);
        ui_->item(name.constData())->setVisible(false);
    }
    DisableUnwired();
}

void TRMMainForm::MItemAnsichtOpen() {
    const TRaetselForm* board = Board();
    auto visible = [board](const char* button) { return board && board->ButtonVisible(button); };
    auto down = [board](const char* button) { return board && board->ButtonDown(button); };
    QAction* solution = ui_->item("MItemAnsLoesung");
    solution->setEnabled(board && AidAllowed(AidFlag::ShowSolution));
    solution->setChecked(ShowSolution);
    ui_->item("MItemAnsVergroessern")->setVisible(board != nullptr);
    ui_->item("MItemAnsVerkleinern")->setVisible(board != nullptr);
    ui_->item("MItemAnsN1")->setVisible(board != nullptr);
    QAction* fail = ui_->item("MItemAnsFehleintraege");
    fail->setVisible(board && AidAllowed(AidFlag::MarkWrong));
    if (fail->isVisible()) fail->setChecked(session_.settings.FehlerZeigen);
    QAction* tips = ui_->item("MItemAnsTooltips");
    tips->setVisible(visible("SBShowHints"));
    if (tips->isVisible()) tips->setChecked(down("SBShowHints"));
    QAction* lengths = ui_->item("MItemAnsBegriffLaengen");
    if (IsSudokuKind(session_.image().PuzzleKind)) {
        lengths->setText("&M\u00f6gliche Symbole anzeigen");
        lengths->setStatusTip("Alle m\u00f6glichen Symbole in den Feldern anzeigen");
    } else {
        lengths->setText("&Begriffl\u00e4ngen anzeigen");
        lengths->setStatusTip("Die L\u00e4ngen der Begriffe anzeigen");
    }
    lengths->setVisible(visible("SBShowLength") || visible("SBShowHintGrids"));
    if (lengths->isVisible())
        lengths->setChecked(visible("SBShowLength") ? down("SBShowLength")
                                                    : down("SBShowHintGrids"));
    ui_->item("MItemAnsN3")
        ->setVisible(fail->isVisible() || lengths->isVisible() || tips->isVisible());
    DisableUnwired();
}

int TRMMainForm::ClientAreaHeight() const {
    // The height below the menu, less tool bar, status bar and one more menu-bar
    // height of room, as the children have always been sized.
    const int menu = menuBar()->sizeHint().height();
    return height() - menu - ToolBarHeight - StatusBarHeight - menu;
}

int TRMMainForm::ClientAreaWidth() const {
    return width();
}

void TRMMainForm::ShowHint(const QString& hint) {
    ui_->LblHints->setText(hint);
}

QString TRMMainForm::CurrentHint() const {
    return ui_->LblHints->text();
}

void TRMMainForm::RememberUndo() {
    EditCommands::Of(*this).RememberUndo();
}

void TRMMainForm::Undo() {
    EditCommands::Of(*this).Undo();
}

void TRMMainForm::MItemRaeInfosClick() {
    if (!BoardOpen()) return;
    TRaetselInfoDlg::Execute(session_.image(), this);
}

void TRMMainForm::MItemPrgInfoClick() {
    auto dlg = std::make_unique<TInfoDlg>(
        QString::fromStdString(Cp1252ToUtf8(session_.image().CreatorVersion.view())), this);
    infoDlg_ = dlg.get();
    RunModal(*dlg);
    infoDlg_ = nullptr;
}

void TRMMainForm::MItemPrgBeendenClick() {
    close();
}

void TRMMainForm::closeEvent(QCloseEvent* event) {
    // No unsaved work to ask about: the player never saves.
    THintForm::CloseIfVisible();
    puzzlePicture_ = QImage();
    event->accept();
}

bool TRMMainForm::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Shift || key->key() == Qt::Key_Control)
            ModifierKey(key->key(), event->type() == QEvent::KeyPress);
        break;
    }
    case QEvent::MouseMove:
        if (watched == mdiArea_->viewport()) THintForm::CloseIfVisible();
        break;
    default:
        break;
    }
    // Never consumes: every message goes on to its window.
    return false;
}

void TRMMainForm::ModifierKey(int key, bool down) {
    const PuzzleImage& im = session_.image();
    if (key == Qt::Key_Shift) {
        if (!session_.settings.EinfacheLegende || ShiftHeld == down) return;
        ShiftHeld = down;
        RefreshDragCursor();
        return;
    }
    if (im.PuzzleKind == 12 && CtrlHeldKind12 != down) CtrlHeldKind12 = down;
    if (im.ReverseDropAllowed != 0 && CtrlHeldReverse != down) {
        CtrlHeldReverse = down;
        RefreshDragCursor();
    }
}

void TRMMainForm::RefreshDragCursor() {
    if (QWidget* clueList = FindChild(ChildKind::ClueList)) {
        if (clueList->metaObject()->indexOfMethod("UpdateDragCursor()") >= 0)
            QMetaObject::invokeMethod(clueList, "UpdateDragCursor", Qt::DirectConnection);
    }
    // Setting the pointer where it is makes the system show the new cursor now.
    QCursor::setPos(QCursor::pos());
}
