// The main frame: an MDI frame holding the puzzle's windows, with menu, tool
// bar and status line. It loads the puzzle once it is on screen, owns the
// commands and says what happens to the puzzle (PuzzleEvents).
#pragma once

#include "BoardHost.h"
#include "CompanionFrame.h"
#include "FrameRoom.h"
#include "Loading.h"
#include "PuzzleImage.h"
#include "Session.h"

#include <QEvent>
#include <QMainWindow>
#include <QMargins>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CommandRegistry;
class NumberLegendLink;
class StopwatchLink;
class CompanionWindow;
class EditCommands;
class KeepWork;
class PuzzleEvents;
class PuzzleGame;
class PuzzlePrinter;
class QAction;
class QMenu;
class TInfoDlg;
class TRaetselForm;
struct CompletionNotice;

class TRMMainForm : public QMainWindow, public BoardHost, public CompanionFrame {
    Q_OBJECT
public:
    // Posted to itself when first shown; loading starts only when it is handled.
    static constexpr QEvent::Type StartupMessage = static_cast<QEvent::Type>(2049);

    TRMMainForm(PuzzleSession& session, std::vector<std::string> parameters,
                QWidget* parent = nullptr);
    ~TRMMainForm() override;

    QMdiArea* MdiArea() const { return mdiArea_; }
    EditCommands& Edit() const { return *edit_; }
    // The progress of the open puzzle kept on disk.
    KeepWork& Keep() const { return *keep_; }
    PuzzlePrinter& Printer() const { return *printer_; }

    // The first open child window that is a Link, or null.
    template <class Link> Link* FindChild() const {
        for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::CreationOrder))
            if (auto* link = dynamic_cast<Link*>(sub->widget())) return link;
        return nullptr;
    }
    TRaetselForm* Board() const;
    bool BoardOpen() const;
    // The commands' states and the menus' entries as the puzzle and the
    // cursor stand now: after every change, cursor move and opening menu.
    void UpdateMenus();
    // Client height minus tool bar, status bar and menu bar.
    int ClientAreaHeight() const override;
    int ClientAreaWidth() const override;
    // The room the side windows place themselves in.
    FrameRoom Room() const override;
    // "Velmar " followed by the application title.
    void SetStandardCaption() override;
    // Puts a child window into the MDI area (freed when closed).
    QMdiSubWindow* AddChild(QWidget* content);
    // Closes a child window together with its MDI frame.
    static void CloseChild(QWidget* content);
    // The status line's text.
    void ShowHint(const QString& hint) override;
    QString CurrentHint() const;

    // The frame's size on a screen of that size (the designed 640 x 480 below 800 x 600).
    static QSize FrameSizeFor(const QSize& screen);
    // Where the frame's outer window goes: that size, shrunk to the screen's
    // available area with the window manager's decoration around it, and
    // centred in that area. An unknown decoration (all zero) counts as a
    // usual title bar and border.
    static QRect FrameGeometryFor(const QSize& screen, const QRect& available,
                                  const QMargins& decoration);
    // Loads from the command line or the own executable, reports a failure,
    // opens the board. Returns the load result.
    std::uint8_t LoadPuzzle();
    // Replaces the open puzzle by the named file once that has loaded (its
    // progress kept first); a file that fails leaves the open puzzle as it
    // is. Returns whether the file opened.
    bool OpenPuzzleFile(const QString& fileName);
    // "Rätsel → Öffnen…": the chooser, then OpenPuzzleFile.
    void OpenChosenPuzzle();
    // The file a module is read from; the running executable unless a test sets another.
    void SetExecutablePath(std::string path) { executablePath_ = std::move(path); }

    // BoardHost
    PuzzleSession& Session() override { return session_; }
    PuzzleEvents& Events() override { return *events_; }
    CommandRegistry& Commands() override { return *commands_; }
    PuzzleGame& Game() override { return *game_; }
    // The process-wide puzzle picture (null image when there is none).
    const QImage& PuzzlePicture() const;
    ClueListLink* ClueList() const override;
    NumberLegendLink* NumberLegend() const;
    SolutionWordLink* SolutionWord() const override;
    StopwatchLink* Stopwatch() const;
    void OpenCompanions(BoardLink& board) override;
    // Places the children: the board stops short of the companions beside it.
    void ArrangeChildren() override;
    // The solution-word window shown again if open, else created (with a board
    // and LoesungswortZeigen, for kinds with a solution word).
    void OpenSolutionWord(bool showIfOpen);
    void ShowCompletionNotice(const CompletionNotice& notice);
    bool AidAllowed(int bits) const override;
    QWidget* DialogParent() override { return this; }
    void BoardClosing() override;
    void CloseProgram() override;

    void Undo();
    // F6 / Shift+F6: the focus goes round the open windows that take keys,
    // board -> clue list or number legend -> solution word -> board.
    void CycleFocus(bool backwards);
    // Commands of the frame itself.
    void MItemRaeInfosClick();
    void MItemPrgInfoClick();
    void MItemPrgBeendenClick();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    // The board for a puzzle just loaded into the session, and what the status line says.
    void ShowLoadedPuzzle(QImage picture, LoadOutcome& outcome);
    // Board and companions gone at once, so that the next board is the only one.
    void CloseAllChildren();
    void FillRecentMenu(QMenu* menu);
    void BuildMenu();
    // The entries of the marking and snapshot submenus, made when first needed.
    void FillSudokuMenus();
    void BuildToolBar();
    void RegisterCommands();
    void HandleStartupMessage();
    void ModifierKey(int key, bool down);
    void RefreshDragCursor();
    // Shows an open companion again, or creates it into the MDI area with
    // the given title-bar buttons.
    void ShowCompanion(CompanionWindow* open, const std::function<QWidget*()>& create,
                       Qt::WindowFlags buttons);

    PuzzleSession& session_;
    std::vector<std::string> parameters_;
    std::string executablePath_;
    bool startupPosted_ = false;
    TInfoDlg* infoDlg_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    PuzzleEvents* events_ = nullptr;
    PuzzleGame* game_ = nullptr;
    CommandRegistry* commands_ = nullptr;
    EditCommands* edit_ = nullptr;
    KeepWork* keep_ = nullptr;
    std::unique_ptr<PuzzlePrinter> printer_;
    // Further controls are private to the implementation.
    struct Controls;
    Controls* ui_ = nullptr;
};
