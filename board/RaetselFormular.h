// The board: the child window of the frame that shows the puzzle grid.
#pragma once

#include "CellPainter.h"
#include "Queries.h"

#include <QImage>
#include <QWidget>

#include <string_view>

#include <functional>
#include <set>
#include <string>

class ClueListLink;
class GradientBar;
class QAction;
class QKeyEvent;
class QMdiSubWindow;
class QMenu;
class QMouseEvent;
class QScrollArea;
class QToolButton;
class QUrl;
class StringGrid;
class TRMMainForm;
struct PuzzleSession;

// The board's caption for the puzzle (UTF-8): its title, else the kind name
// with the solution-word or level suffix.
QString BoardCaption(const PuzzleImage& image);
// The letter size that goes with a cell size.
int FontSizeForCell(int cellSize);
// First letter and every letter after a separator upper case, the rest lower
// case (code page 1252).
std::string ProperCase(std::string_view text);
// The encyclopedia article of a word (code page 1252).
QUrl LookupUrl(std::string_view word);
// The text of the status line for a cell of the board.
QString StatusHintFor(const PuzzleImage& image, int col, int row);

class TRaetselForm : public QWidget {
    Q_OBJECT
public:
    // Creates the board as a child of the frame and shows it.
    static TRaetselForm* Open(TRMMainForm& frame);

    explicit TRaetselForm(TRMMainForm& frame);
    ~TRaetselForm() override;

    void FormShow();
    void LayoutBoard();
    void SelectFirstCell();
    // Word search: no cell selected.
    void ClearSelection();
    // Zoom by the sender's step (+1 in, -1 out).
    void MItemPlayZoomInClick(int step);
    void UpdateToolbar(int col, int row);
    // Candidates from the entries, then the current field marking again.
    void RecomputeCandidates();

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
    // The clue list's jump to a word.
    void SelectWordByNumber(int number, bool across);
    // The letters of the run through the current cell (code page 1252).
    std::string CurrentWordLetters(bool fromEntries) const;
    int CurrentWordNumber() const;

    // Commands of the tool bar and the popup menu.
    void MenuRaetselPlayPopup();
    void SetBlankMark(bool on);
    void MItemPlayLeerfeldClick();
    void MItemPlayBuchstEintragenClick();
    void MItemPlayBegriffEintragenClick();
    void MItemPlayUmschreibungClick();
    void MItemPlayNachschlagenClick();
    // Dragging a word from the clue list; source is the widget the drag started from.
    bool RaetselDragOver(const QObject* source, int col, int row);
    void RaetselDragDrop(const QObject* source, int col, int row);
    void SBShowFailClick(bool pressed);
    void MItemPlayShowFailClick();
    void SBShowLengthClick(bool pressed);
    void MItemPlayShowLengthClick();
    void SBShowHintsClick(bool pressed);
    void MItemPlayShowHintsClick();
    void SBShowHintGridsClick(bool pressed);
    // Clears the entries and marks; the frame has asked and recorded the undo point.
    void ResetBoard();

    // The clue list while it is open, else null.
    ClueListLink* ClueList() const;
    // Where ClueList looks; by default the frame's clue-list child.
    std::function<ClueListLink*()> ClueListSource;
    // Judges the puzzle and tells the player the outcome.
    void RunEvaluation();

    QRect CellRect(int col, int row) const;
    void RepaintCell(int col, int row);
    // The cells of a word, from its start cell up to the next block.
    void RepaintWord(const WordInfo& word);
    // The run through a cell in a direction (1 across, else down), bounded by blocked cells.
    void RepaintRun(int col, int row, std::uint8_t direction);
    void RepaintGrid();

    // Draws the grid onto paper (one unit = 0.1 mm) and returns the cell size.
    int PrintGrid(QPainter& painter, const QRect& area);
    // What PaintCell needs for the screen, from the board's current state.
    CellPaintContext PaintContext() const;

    // Tool buttons the frame's enabling rules look at.
    bool ButtonVisible(const char* name) const;
    bool ButtonDown(const char* name) const;
    bool ButtonEnabled(const char* name) const;

    StringGrid* Raetsel = nullptr;
    QScrollArea* ScrollBox = nullptr;
    GradientBar* Toolbar = nullptr;
    GradientBar* PanelMark = nullptr;
    QMenu* MenuRaetselPlay = nullptr;
    QAction* PlayItem(const char* name) const;

    int PrevCol = 0, PrevRow = 0;
    int HoverCol = -1, HoverRow = -1;
    std::uint8_t InputDirection = 0;
    std::uint8_t PrevInputDirection = 0;
    WordInfo CurrentWord, PrevWord;
    int BoxWidth = 0, BoxHeight = 0;
    CandidateTable Candidates{};
    int MarkTag = 0;
    int PictureFirstCol = 0, PictureFirstRow = 0, PictureLastCol = 0, PictureLastRow = 0;
    QImage PictureBitmap;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void CreateToolbar();
    void CreatePopupMenu();
    void ConnectGrid();
    QToolButton* AddButton(QWidget* parent, const char* name, int left, const QString& glyph,
                           const QString& hint, bool checkable);
    QToolButton* Button(const char* name) const;
    void SetButtonEnabled(const char* name, bool enabled);
    void CloseChild(int kind);
    QMdiSubWindow* SubWindow() const;
    bool Blocked(int col, int row) const;
    void ScalePictureBitmap();
    // Repaints the runs whose highlight changes when the input position moves
    // from (PrevCol, PrevRow) in PrevInputDirection to (col, row).
    void MoveHighlight(int col, int row);
    void UndoPoint();
    // Reports the word through the current cell to the clue list (AutomatischMarkieren).
    void ReportWord(bool across, bool solved, bool onlyWhenFull);
    void ShowTooltip(int col, int row, const QPoint& globalMouse);
    void RefreshSideWindows();

    TRMMainForm& frame_;
    PuzzleSession& session_;
    // The state UpdateToolbar gave each button, before the pending ones are greyed.
    std::set<std::string> enabled_;
};
