// The main frame: an MDI frame holding the puzzle's windows, with menu, tool
// bar and status line. It loads the puzzle once it is on screen.
#pragma once

#include "PuzzleImage.h"
#include "Session.h"

#include <QEvent>
#include <QImage>
#include <QMainWindow>

#include <cstdint>
#include <string>
#include <vector>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class TRaetselForm;
class TInfoDlg;

// The kinds FindChild tells apart.
namespace ChildKind {
constexpr int Board = 1;
constexpr int SolutionWord = 2;
constexpr int ClueList = 3;
constexpr int NumberLegend = 4;
constexpr int Stopwatch = 5;
} // namespace ChildKind

class TRMMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Posted to itself when first shown; loading starts only when it is handled.
    static constexpr QEvent::Type StartupMessage = static_cast<QEvent::Type>(2049);

    TRMMainForm(PuzzleSession& session, std::vector<std::string> parameters,
                QWidget* parent = nullptr);
    ~TRMMainForm() override;

    PuzzleSession& Session() { return session_; }
    QImage& PuzzlePicture() { return puzzlePicture_; }
    QMdiArea* MdiArea() const { return mdiArea_; }

    // The content widget of the first MDI child of that kind, or null.
    QWidget* FindChild(int kind) const;
    TRaetselForm* Board() const;
    bool BoardOpen() const;
    // True without a board; else whether AllowedAids has any of the bits.
    bool AidAllowed(int bits) const;
    void UpdateCommandStates();
    // Client height minus tool bar, status bar and menu bar.
    int ClientAreaHeight() const;
    int ClientAreaWidth() const;
    // "Velmar " followed by the application title.
    void SetStandardCaption();
    // Puts a child window into the MDI area (freed when closed).
    QMdiSubWindow* AddChild(QWidget* content);
    // The status line's text.
    void ShowHint(const QString& hint);
    QString CurrentHint() const;

    // The frame's size on a screen of that size (the designed 640 x 480 below 800 x 600).
    static QSize FrameSizeFor(const QSize& screen);
    // Loads from the command line or the own executable, reports a failure,
    // opens the board. Returns the load result.
    std::uint8_t LoadPuzzle();
    // The file a module is read from; the running executable unless a test sets another.
    void SetExecutablePath(std::string path) { executablePath_ = std::move(path); }
    // The menu entry of that object name (MItem...), or null.
    QAction* MenuItem(const char* name) const;

    // One-step undo: the whole puzzle before the last change.
    void RememberUndo();
    void Undo();

    // Commands of the frame itself.
    void MItemRaeInfosClick();
    void MItemPrgInfoClick();
    void MItemPrgBeendenClick();

    // Run-time flags read by the board and the side windows.
    bool ShowSolution = false;
    bool ShiftHeld = false;
    bool CtrlHeldKind12 = false;
    bool CtrlHeldReverse = false;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void BuildMenu();
    void BuildToolBar();
    void HandleStartupMessage();
    void ModifierKey(int key, bool down);
    void RefreshDragCursor();
    // Enabling rules, recomputed whenever the menu opens.
    void MItemRaetselOpen();
    void MItemBearbeitenOpen();
    void MItemFelderMarkierenOpen();
    void MItemSchnappschussOpen();
    void MItemAnsichtOpen();
    // Items whose command is not wired yet stay disabled.
    void DisableUnwired();

    PuzzleSession& session_;
    std::vector<std::string> parameters_;
    std::string executablePath_;
    bool startupPosted_ = false;
    TInfoDlg* infoDlg_ = nullptr;
    QImage puzzlePicture_;
    QMdiArea* mdiArea_ = nullptr;
    // Further controls and handlers are private to the implementation.
    struct Controls;
    Controls* ui_ = nullptr;
};
