// The board: the child window of the frame that shows the puzzle grid.
#pragma once

#include "CellPainter.h"
#include "Queries.h"

#include <QImage>
#include <QWidget>

#include <set>
#include <string>

class GradientBar;
class QMdiSubWindow;
class QScrollArea;
class QToolButton;
class StringGrid;
class TRMMainForm;
struct PuzzleSession;

// The board's caption for the puzzle (UTF-8): its title, else the kind name
// with the solution-word or level suffix.
QString BoardCaption(const PuzzleImage& image);
// The letter size that goes with a cell size.
int FontSizeForCell(int cellSize);

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
    QToolButton* AddButton(QWidget* parent, const char* name, int left, const QString& glyph,
                           const QString& hint, bool checkable);
    QToolButton* Button(const char* name) const;
    void SetButtonEnabled(const char* name, bool enabled);
    void CloseChild(int kind);
    QMdiSubWindow* SubWindow() const;
    bool Blocked(int col, int row) const;
    void ScalePictureBitmap();

    TRMMainForm& frame_;
    PuzzleSession& session_;
    // The state UpdateToolbar gave each button, before the pending ones are greyed.
    std::set<std::string> enabled_;
};
