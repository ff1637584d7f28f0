// The board: the child window of the frame that shows the puzzle grid.
#pragma once

#include "BoardView.h"
#include "CellPainter.h"
#include "Queries.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <string>

class BoardCommands;
class BoardHost;
class BoardToolbar;
class ClueListLink;
class GradientBar;
class QKeyEvent;
class QMdiSubWindow;
class QMenu;
class QMouseEvent;
class QResizeEvent;
class QScrollArea;
class QWheelEvent;
class StringGrid;
class PuzzleGame;
struct GameChange;
struct InputKey;
struct PuzzleSession;

// The board's caption for the puzzle (UTF-8): its title, else the kind name
// with the solution-word or level suffix.
QString BoardCaption(const PuzzleImage& image);
// The letter size that goes with a cell size.
int FontSizeForCell(int cellSize);
// The text of the status line for a cell of the board.
QString StatusHintFor(const PuzzleImage& image, int col, int row);
// The largest cell size from `least` to `most` at which the whole grid fits
// a viewport of that size; `least` when none does.
int FitCellSize(const PuzzleImage& image, QSize viewport, int least, int most);

// Where the input stands: the current cell before the last move, the
// direction and the word through the cell, and the cell under the pointer.
struct BoardCursor {
    int PrevCol = 0, PrevRow = 0;
    int HoverCol = -1, HoverRow = -1;
    std::uint8_t InputDirection = 0; // 0 not chosen, 1 across, 2 down
    std::uint8_t PrevInputDirection = 0;
    WordInfo CurrentWord, PrevWord;
};

// What the board draws from besides the game's state: Sudoku boxes and the
// picture scaled to the picture cells.
struct BoardPaintState {
    int BoxWidth = 0, BoxHeight = 0;
    int PictureFirstCol = 0, PictureFirstRow = 0, PictureLastCol = 0, PictureLastRow = 0;
    QImage PictureBitmap;
};

class TRaetselForm : public QWidget, public BoardView {
    Q_OBJECT
public:
    explicit TRaetselForm(BoardHost& host, QWidget* parent = nullptr);
    ~TRaetselForm() override;

    // BoardView
    BoardHost& Host() const override { return host_; }
    PuzzleSession& Session() const override { return session_; }
    PuzzleGame& Game() const override { return game_; }
    StringGrid* Grid() const override { return raetsel_; }
    QWidget* View() override { return this; }
    std::uint8_t InputDirection() const override { return cursor_.InputDirection; }

    QScrollArea* ScrollBox() const { return scrollBox_; }
    BoardToolbar& Toolbar() const { return *toolbar_; }
    BoardCommands& Commands() const { return *commands_; }
    BoardCursor& Cursor() { return cursor_; }
    const BoardCursor& Cursor() const { return cursor_; }
    const BoardPaintState& PaintState() const { return paint_; }
    QMdiSubWindow* SubWindow() const;

    void FormShow();
    void LayoutBoard();
    void SelectFirstCell();
    void ClearSelection() override;
    // Zoom by one pixel per step (+1 in, -1 out); it ends fitting to the window.
    void Zoom(int step) override;
    bool FitToWindow() const override { return fitToWindow_; }
    // Turned on, the cells fill the room the frame has for the board and
    // follow every later change of the board window's size.
    void SetFitToWindow(bool on) override;
    // After the windows around the board changed: fitted to the room while
    // fitting, else sized to the grid.
    void Relayout();
    // The tool bar and the commands' states for a cell (the one becoming
    // current while the grid asks), or for the current cell.
    void UpdateToolbar(int col, int row);
    void UpdateToolbar() override;
    // The cell the commands' states were last worked out for.
    QPoint CommandCell() const override { return commandCell_; }

    // The grid asks before its current cell moves; other board code calls it
    // with fromGrid false after moving the cell itself.
    bool RaetselSelectCell(int col, int row, bool fromGrid);
    // First choice of the input direction, the toggle (sameCell) and the turn at blocks.
    void DecideDirection(int col, int row, bool sameCell);
    // Key handlers of the grid; true swallows the key.
    bool RaetselKeyPress(QKeyEvent* event);
    bool RaetselKeyDown(QKeyEvent* event);
    void RaetselKeyUp(QKeyEvent* event);
    void RaetselMouseDown(QMouseEvent* event);
    void RaetselMouseMove(QMouseEvent* event);
    void RaetselMouseUp(QMouseEvent* event);
    void RaetselDblClick(QMouseEvent* event);

    // BoardLink
    void SelectWordByNumber(int number, bool across) override;
    std::string CurrentWordLetters(bool fromEntries) const override;
    int CurrentWordNumber() const override;
    bool InputAcross() const override { return cursor_.InputDirection == 1; }
    void RepaintGrid() override;
    QWidget* BoardWindow() override;
    void TypeFromClueList(int number, bool across, char32_t letter) override;

    // The clue list while it is open, else null.
    ClueListLink* ClueList() const override;

    bool Blocked(int col, int row) const override;
    QRect CellRect(int col, int row) const;
    void RepaintCell(int col, int row);
    // The run through a cell in a direction (1 across, else down), bounded by blocked cells.
    void RepaintRun(int col, int row, std::uint8_t direction);

    // What PaintCell needs for the screen, from the board's current state.
    CellPaintContext PaintContext() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    // The grid's rows, columns and sizes for the cell size (LayoutBoard
    // without the window).
    void LayoutGrid();
    // A new cell size for grid and side windows; `window` sizes the board
    // window to the grid as well.
    void SetCellSize(int size, bool window);
    // Fitting: to the room the frame offers, or to the viewport as it is.
    void FitToRoom();
    void RefitToView();
    void QueueRefit();
    // Ctrl + wheel zooms; true when the wheel was taken.
    bool WheelZoom(QWheelEvent* event);
    // A maximised board fits its cells to the frame; restored, it takes its
    // former cells back. FollowMaximised is true when the state changed.
    void WatchWindowState();
    bool FollowMaximised();
    void ConnectGrid();
    void ScalePictureBitmap();
    // Repaints the runs whose highlight changes when the input position moves
    // from (PrevCol, PrevRow) in PrevInputDirection to (col, row).
    void MoveHighlight(int col, int row);
    void ShowTooltip(int col, int row, const QPoint& globalMouse);
    // Repaints what a change of the game touched and refreshes the commands.
    void GameChanged(const GameChange& change);
    // Hands a key to the interpreter and the resulting edit to the game.
    bool TypeKey(const InputKey& key, bool enter);

    BoardHost& host_;
    PuzzleSession& session_;
    PuzzleGame& game_;
    StringGrid* raetsel_ = nullptr;
    QScrollArea* scrollBox_ = nullptr;
    BoardCursor cursor_;
    QPoint commandCell_;
    BoardPaintState paint_;
    std::unique_ptr<BoardToolbar> toolbar_;
    std::unique_ptr<BoardCommands> commands_;
    bool fitToWindow_ = false;
    bool arranging_ = false; // the board sizes its window itself: no refit
    bool refitQueued_ = false;
    bool watchingState_ = false;
    bool maximised_ = false;
    bool fitBeforeMaximised_ = false;
    int sizeBeforeMaximised_ = 0;
    int wheelRest_ = 0; // wheel turns short of one step
};
