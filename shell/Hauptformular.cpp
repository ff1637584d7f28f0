#include "Hauptformular.h"
#include "FrameControls.h"

#include "SystemPalette.h"

#include "ClueListLink.h"
#include "CommandIds.h"
#include "CompanionLinks.h"
#include "Container.h"
#include "Cp1252.h"
#include "EditCommands.h"
#include "Evaluation.h"
#include "Glyphs.h"
#include "GradientBar.h"
#include "HinweisDialog.h"
#include "InfoDialog.h"
#include "KeepWork.h"
#include "LegendeDialog.h"
#include "LoesungDialog.h"
#include "MessageDialog.h"
#include "ModalRunner.h"
#include "NumberLegendCommand.h"
#include "PuzzleEvents.h"
#include "PuzzleGame.h"
#include "PuzzlePrinter.h"
#include "RaetselFormular.h"
#include "RaetselInfoDialog.h"
#include "StopuhrDialog.h"
#include "StringGrid.h"
#include "UiCommand.h"
#include "ZahlenDialog.h"

#include <QAction>
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
#include <QScreen>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>

namespace {
constexpr int ToolBarHeight = 33;
constexpr int StatusBarHeight = 21;
// A title bar and thin borders, assumed before the window manager has told
// its own: 40 pixels in height in all.
constexpr QMargins UsualDecoration(4, 32, 4, 8);
} // namespace

TRMMainForm::TRMMainForm(PuzzleSession& session, std::vector<std::string> parameters,
                         QWidget* parent)
    : QMainWindow(parent), session_(session), parameters_(std::move(parameters)),
      executablePath_(OwnExecutablePath()), events_(new PuzzleEvents(this)),
      game_(new PuzzleGame(session, this)), commands_(new CommandRegistry(this)),
      edit_(new EditCommands(
          *game_, [this] { return BoardOpen(); }, this)),
      printer_(std::make_unique<PuzzlePrinter>(*this, [this] { return Board(); })),
      ui_(new Controls) {
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
    // An imported puzzle's notes stand here: never read as markup, and a long
    // one is cut by the frame instead of widening it.
    ui_->LblHints->setTextFormat(Qt::PlainText);
    ui_->LblHints->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusLayout->addWidget(ui_->LblHints);
    layout->addWidget(ui_->StatusBar);
    setCentralWidget(central);

    BuildMenu();
    BuildToolBar();
    for (const bool backwards : {false, true}) {
        auto* cycle = new QAction(this);
        cycle->setObjectName(backwards ? "ActFocusBack" : "ActFocusNext");
        cycle->setShortcut(backwards ? QKeySequence(Qt::SHIFT | Qt::Key_F6)
                                     : QKeySequence(Qt::Key_F6));
        cycle->setShortcutContext(Qt::WindowShortcut);
        connect(cycle, &QAction::triggered, this, [this, backwards] { CycleFocus(backwards); });
        addAction(cycle);
    }
    RegisterCommands();
    keep_ = new KeepWork(
        *game_, commands_->Get(CommandId::Autosave),
        [this](const QString& text) { ShowHint(text); }, this);
    // The views were bound before the handlers came.
    commands_->RefreshAll();
    FormCreate();
    // A solution word closed by the player comes back when its entries change
    // wholesale; an open one refreshes itself.
    connect(game_, &PuzzleGame::Changed, this, [this](const GameChange& change) {
        using Cause = GameChange::Cause;
        if (change.What == Cause::Reset || change.What == Cause::Undo ||
            change.What == Cause::ShowSolution)
            OpenSolutionWord(false);
        if (change.What != Cause::Clock) UpdateMenus();
    });
    connect(game_, &PuzzleGame::StepsChanged, this, [this] {
        commands_->Get(CommandId::Undo).Refresh();
        commands_->Get(CommandId::Redo).Refresh();
    });
    connect(game_, &PuzzleGame::CompletionRequested, this,
            [this](const CompletionNotice& notice) { ShowCompletionNotice(notice); });
}

TRMMainForm::~TRMMainForm() {
    // The progress is written while the game it reads still exists.
    delete keep_;
    keep_ = nullptr;
    // The children go with the frame; their departure must not call back into it.
    for (QMdiSubWindow* sub : mdiArea_->findChildren<QMdiSubWindow*>())
        disconnect(sub, nullptr, this, nullptr);
    qApp->removeEventFilter(this);
    // The board's commands leave the registry while it still exists.
    // (also those closed but not yet deleted).
    for (QMdiSubWindow* sub : mdiArea_->findChildren<QMdiSubWindow*>()) delete sub;
    delete edit_;
    delete ui_;
}

void TRMMainForm::FormCreate() {
    // Hints reach the status line through the status-tip events (event()).
    qApp->installEventFilter(this);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    // The drag cursors are drawn when the first drag asks for one.
    ui_->ToolBar->SetEndColour(DarkButtonFace());
    setWindowTitle("Velmar Gridwerk - " + QApplication::applicationDisplayName());
    setWindowIcon(AppIcon());
}

void TRMMainForm::RegisterCommands() {
    const auto board = [this] { return BoardOpen(); };
    commands_->Get(CommandId::Open).SetHandler([this] { OpenChosenPuzzle(); });
    UiCommand& print = commands_->Get(CommandId::Print);
    // "PDF-Datei" is always in the printer list, so a board is all printing needs.
    print.SetHandler([this] { printer_->MItemRaeDruckenClick(); });
    print.SetRules({}, board);
    UiCommand& info = commands_->Get(CommandId::PuzzleInfo);
    info.SetHandler([this] { MItemRaeInfosClick(); });
    info.SetRules({}, board);
    commands_->Get(CommandId::ProgramInfo).SetHandler([this] { MItemPrgInfoClick(); });
    commands_->Get(CommandId::Quit).SetHandler([this] { MItemPrgBeendenClick(); });
    UiCommand& undo = commands_->Get(CommandId::Undo);
    undo.SetHandler([this] { Undo(); });
    undo.SetRules(board, [this] { return BoardOpen() && game_->CanUndo(); });
    UiCommand& redo = commands_->Get(CommandId::Redo);
    redo.SetHandler([this] {
        if (BoardOpen()) game_->Redo();
    });
    redo.SetRules(board, [this] { return BoardOpen() && game_->CanRedo(); });
    UiCommand& reset = commands_->Get(CommandId::Reset);
    reset.SetHandler([this] { edit_->MItemBeaZuruecksetzenClick(); });
    reset.SetRules({}, board);
    UiCommand& solution = commands_->Get(CommandId::ShowSolution);
    solution.SetHandler([this] { edit_->MItemAnsLoesungClick(); });
    solution.SetRules(
        {}, [this] { return BoardOpen() && AidAllowed(AidFlag::ShowSolution); },
        [this] { return game_->Flags().ShowSolution; });
    RegisterNumberLegendCommand(*this);
}

QSize TRMMainForm::FrameSizeFor(const QSize& screen) {
    QSize size(640, 480);
    if (screen.width() >= 800) size.setWidth(800);
    if (screen.height() >= 600) size.setHeight(600);
    if (screen.width() >= 1000) size.setWidth(1000);
    if (screen.height() >= 750) size.setHeight(750);
    return size;
}

QRect TRMMainForm::FrameGeometryFor(const QSize& screen, const QRect& available,
                                    const QMargins& decoration) {
    const QMargins around = decoration.isNull() ? UsualDecoration : decoration;
    QSize outer = FrameSizeFor(screen).grownBy(around);
    outer = outer.boundedTo(available.size());
    const QPoint topLeft(available.left() + (available.width() - outer.width()) / 2,
                         available.top() + (available.height() - outer.height()) / 2);
    return QRect(topLeft, outer);
}

void TRMMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (startupPosted_) return;
    startupPosted_ = true;
    if (const QScreen* s = screen()) {
        const QMargins known(geometry().left() - frameGeometry().left(),
                             geometry().top() - frameGeometry().top(),
                             frameGeometry().right() - geometry().right(),
                             frameGeometry().bottom() - geometry().bottom());
        const QRect outer = FrameGeometryFor(s->geometry().size(), s->availableGeometry(), known);
        resize(outer.size().shrunkBy(known.isNull() ? UsualDecoration : known));
        move(outer.topLeft());
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
    // Installed without a puzzle and started without a file (the desktop
    // menu): the player offers one to open instead of a read error.
    if (parameters_.empty() && !CarriesModule(executablePath_)) {
        ShowHint("Kein Rätsel geöffnet: „Rätsel → Öffnen…“ (Strg+O) wählt eines.");
        QTimer::singleShot(0, this, [this] { OpenChosenPuzzle(); });
        return;
    }
    // Companion windows open with the board; at start there is none yet.
    LoadPuzzle();
}

void TRMMainForm::SetStandardCaption() {
    setWindowTitle("Velmar " + QApplication::applicationDisplayName());
}

TRaetselForm* TRMMainForm::Board() const {
    return FindChild<TRaetselForm>();
}

bool TRMMainForm::BoardOpen() const {
    return Board() != nullptr;
}

ClueListLink* TRMMainForm::ClueList() const {
    return FindChild<ClueListLink>();
}

NumberLegendLink* TRMMainForm::NumberLegend() const {
    return FindChild<NumberLegendLink>();
}

SolutionWordLink* TRMMainForm::SolutionWord() const {
    return FindChild<SolutionWordLink>();
}

StopwatchLink* TRMMainForm::Stopwatch() const {
    return FindChild<StopwatchLink>();
}

namespace {
// What a companion window is made from.
struct CompanionContext {
    TRMMainForm& Frame;
    BoardLink& Board;
};

// The companion windows of the board, in the order they open: when the
// puzzle and the settings want one, which one is open, how it is made, its
// title-bar buttons (none given: the default ones), whether the board stops
// short of it, and whether the board is laid out again when it appears.
struct CompanionRow {
    bool (*Wanted)(int kind, const Settings& s);
    CompanionWindow* (*Open)(const TRMMainForm& frame);
    QWidget* (*Create)(const CompanionContext& c);
    Qt::WindowFlags Buttons;
    bool BesideBoard;
    bool LayOutBoard;
};

constexpr Qt::WindowFlags NoButtons = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

const CompanionRow Companions[] = {
    // The solution word (LoesungswortZeigen).
    {[](int kind, const Settings& s) { return HasSolutionWord(kind) && s.LoesungswortZeigen; },
     [](const TRMMainForm& f) -> CompanionWindow* { return f.SolutionWord(); },
     [](const CompanionContext& c) -> QWidget* { return new TLoesungForm(c.Frame, c.Board); },
     NoButtons, false, false},
    // The stopwatch of the timed Sudoku.
    {[](int kind, const Settings&) { return IsTimedKind(kind); },
     [](const TRMMainForm& f) -> CompanionWindow* { return f.Stopwatch(); },
     [](const CompanionContext& c) -> QWidget* { return new TStopuhrForm(c.Frame); }, NoButtons,
     false, false},
    // With LegendeZeigen the clue list (the board stops short of it) ...
    {[](int kind, const Settings& s) { return s.LegendeZeigen && HasClueList(kind); },
     [](const TRMMainForm& f) -> CompanionWindow* { return f.ClueList(); },
     [](const CompanionContext& c) -> QWidget* {
         TRMMainForm& f = c.Frame;
         return new TLegendForm(f.Session(), f.Events(), f.Game(), c.Board,
                                [&f] { return f.Room(); });
     },
     Qt::WindowFlags(), true, true},
    // ... or the number legend.
    {[](int kind, const Settings& s) { return HasNumberLegend(kind) && s.LegendeZeigen; },
     [](const TRMMainForm& f) -> CompanionWindow* { return f.NumberLegend(); },
     [](const CompanionContext& c) -> QWidget* { return new TNumLegendForm(c.Frame, c.Board); },
     NoButtons | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint, true, false},
};
} // namespace

void TRMMainForm::OpenCompanions(BoardLink& board) {
    // Each wanted companion is shown again if it is open, else created.
    const int kind = session_.image().PuzzleKind;
    // The Edit menu's Sudoku entries come with a Sudoku.
    if (IsSudokuKind(kind)) FillSudokuMenus();
    for (const CompanionRow& row : Companions) {
        if (!row.Wanted(kind, session_.settings)) continue;
        if (CompanionWindow* open = row.Open(*this)) {
            open->FormShow();
            continue;
        }
        QMdiSubWindow* sub = AddChild(row.Create({*this, board}));
        if (row.Buttons) sub->setWindowFlags(row.Buttons);
        // Showing runs the window's FormShow, which sizes and places it.
        sub->show();
        if (row.LayOutBoard)
            if (TRaetselForm* b = Board()) b->LayoutBoard();
    }
}

void TRMMainForm::ArrangeChildren() {
    TRaetselForm* board = Board();
    if (!board) return;
    SolutionWordLink* word = SolutionWord();
    if (word) word->KeepInRoom();
    // A maximised (or minimised) board keeps the size the frame gives it.
    if (QMdiSubWindow* sub = board->SubWindow(); sub && (sub->isMaximized() || sub->isMinimized()))
        return;
    // The board stops short of the companions beside it, in the table's order.
    QWidget* self = board->BoardWindow();
    for (const CompanionRow& row : Companions) {
        if (!row.BesideBoard) continue;
        CompanionWindow* side = row.Open(*this);
        if (!side) continue;
        const QWidget* outer = OuterWindow(side->Widget());
        if (outer->x() - 5 < self->width()) self->resize(outer->x() - 5, self->height());
    }
    // Nor does it cover the solution word.
    if (word) StopShortOf(self, OuterWindow(word->Widget())->geometry());
}

void TRMMainForm::OpenSolutionWord(bool showIfOpen) {
    TRaetselForm* board = Board();
    if (!board || !HasSolutionWord(session_.image().PuzzleKind) ||
        !session_.settings.LoesungswortZeigen)
        return;
    SolutionWordLink* open = SolutionWord();
    if (open && !showIfOpen) return;
    ShowCompanion(
        open, [&] { return new TLoesungForm(*this, *board); }, NoButtons);
}

void TRMMainForm::ShowCompanion(CompanionWindow* open, const std::function<QWidget*()>& create,
                                Qt::WindowFlags buttons) {
    if (open) {
        open->FormShow();
        return;
    }
    QMdiSubWindow* sub = AddChild(create());
    sub->setWindowFlags(buttons);
    // Showing runs the window's FormShow, which sizes and places it.
    sub->show();
}

FrameRoom TRMMainForm::Room() const {
    FrameRoom room;
    room.ClientWidth = mdiArea_->viewport()->width();
    room.ClientHeight = mdiArea_->viewport()->height();
    room.ClientAreaHeight = ClientAreaHeight();
    if (TRaetselForm* b = Board()) room.BoardWidth = b->BoardWindow()->width();
    if (SolutionWordLink* word = SolutionWord()) {
        QWidget* w = word->Widget();
        auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
        room.SolutionWindowHeight = (sub ? static_cast<QWidget*>(sub) : w)->height();
    }
    if (NumberLegendLink* legend = NumberLegend())
        room.NumberLegend = OuterWindow(legend->Widget())->geometry();
    return room;
}

const QImage& TRMMainForm::PuzzlePicture() const {
    return game_->Picture();
}

void TRMMainForm::Undo() {
    edit_->Undo();
}

void TRMMainForm::ShowCompletionNotice(const CompletionNotice& notice) {
    ::ShowCompletionNotice(notice, this);
}

void TRMMainForm::CloseChild(QWidget* content) {
    if (!content) return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(content->parentWidget()))
        sub->close();
    else
        content->close();
}

void TRMMainForm::BoardClosing() {
    UpdateMenus();
    SetStandardCaption();
    // The companions close themselves.
    emit events_->BoardClosing();
    game_->Close();
}

void TRMMainForm::CloseProgram() {
    if (TRaetselForm* board = Board()) CloseChild(board);
    close();
}

bool TRMMainForm::AidAllowed(int bits) const {
    if (!BoardOpen()) return true;
    return (session_.image().AllowedAids & bits) != 0;
}

QMdiSubWindow* TRMMainForm::AddChild(QWidget* content) {
    QMdiSubWindow* sub = mdiArea_->addSubWindow(content);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // A child closes before it is gone; look again once it has left the area.
    connect(sub, &QObject::destroyed, this,
            [this] { QTimer::singleShot(0, this, [this] { UpdateMenus(); }); });
    return sub;
}

void TRMMainForm::UpdateMenus() {
    const bool board = BoardOpen();
    const int kind = session_.image().PuzzleKind;
    if (!AidAllowed(AidFlag::MarkWrong)) session_.settings.FehlerZeigen = false;
    commands_->RefreshAll();
    ui_->Bearbeiten->menuAction()->setVisible(board);
    ui_->Ansicht->menuAction()->setVisible(board);
    // Bearbeiten: marking for the Sudoku kinds, snapshots for the untimed one.
    ui_->BeaN1->setVisible(board);
    ui_->BeaEintragen->setText(IsSudokuKind(kind) ? "Symbol &eintragen" : "Buchstaben &eintragen");
    ui_->FelderMarkieren->menuAction()->setVisible(board && IsSudokuKind(kind));
    ui_->Schnappschuss->menuAction()->setVisible(board && HasSnapshots(kind));
    // Ansicht.
    ui_->AnsN1->setVisible(board);
    QAction* lengths = ui_->AnsBegriffLaengen;
    if (IsSudokuKind(kind)) {
        lengths->setText("&Mögliche Symbole anzeigen");
        lengths->setStatusTip("Alle möglichen Symbole in den Feldern anzeigen");
    } else {
        lengths->setText("&Begrifflängen anzeigen");
        lengths->setStatusTip("Die Längen der Begriffe anzeigen");
    }
    ui_->AnsN3->setVisible(ui_->AnsFehleintraege->isVisible() || lengths->isVisible() ||
                           ui_->AnsTooltips->isVisible());
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

void TRMMainForm::CycleFocus(bool backwards) {
    std::vector<QWidget*> ring;
    if (TRaetselForm* board = Board()) ring.push_back(board->Grid());
    CompanionWindow* side = ClueList();
    if (!side) side = NumberLegend();
    for (CompanionWindow* w : {side, static_cast<CompanionWindow*>(SolutionWord())})
        if (w && w->Widget()->isVisible()) ring.push_back(w->Widget());
    if (ring.empty()) return;
    const QWidget* focus = QApplication::focusWidget();
    int at = -1;
    for (std::size_t i = 0; i < ring.size(); ++i)
        if (focus && (focus == ring[i] || ring[i]->isAncestorOf(focus))) at = static_cast<int>(i);
    const int n = static_cast<int>(ring.size());
    const int next = at < 0 ? 0 : (at + (backwards ? n - 1 : 1)) % n;
    QWidget* target = ring[static_cast<std::size_t>(next)];
    for (QMdiSubWindow* sub : mdiArea_->subWindowList())
        if (sub->isAncestorOf(target)) {
            if (sub->isMinimized()) sub->showNormal();
            mdiArea_->setActiveSubWindow(sub);
        }
    target->setFocus(Qt::ShortcutFocusReason);
}

void TRMMainForm::MItemRaeInfosClick() {
    if (!BoardOpen()) return;
    TRaetselInfoDlg::Execute(session_.image(), this);
}

void TRMMainForm::MItemPrgInfoClick() {
    if (infoDlg_) return; // it runs already
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
    // No unsaved work to ask about: the progress is kept as it is.
    keep_->SaveNow();
    THintForm::CloseIfVisible();
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
    case QEvent::StatusTip:
        // A pop-up menu is a window of its own, so its entries' hints stop
        // there; the frame's own menus reach event() through the menu bar.
        if (auto* menu = qobject_cast<QMenu*>(watched); menu && menu->isWindow()) {
            for (QObject* o = menu->parent(); o; o = o->parent()) {
                if (o != this) continue;
                ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
                break;
            }
        }
        break;
    default:
        break;
    }
    // Never consumes: every message goes on to its window.
    return false;
}

void TRMMainForm::ModifierKey(int key, bool down) {
    const PuzzleImage& im = session_.image();
    const RunFlags& flags = game_->Flags();
    if (key == Qt::Key_Shift) {
        if (!session_.settings.EinfacheLegende || flags.ShiftHeld == down) return;
        game_->SetShiftHeld(down);
        RefreshDragCursor();
        return;
    }
    if (IsWordSearch(im.PuzzleKind) && flags.CtrlHeldKind12 != down)
        game_->SetCtrlHeldWordSearch(down);
    if (im.ReverseDropAllowed != 0 && flags.CtrlHeldReverse != down) {
        game_->SetCtrlHeldReverse(down);
        RefreshDragCursor();
    }
}

void TRMMainForm::RefreshDragCursor() {
    if (ClueListLink* clueList = ClueList()) clueList->UpdateDragCursor();
    // Setting the pointer where it is makes the system show the new cursor now.
    QCursor::setPos(QCursor::pos());
}
