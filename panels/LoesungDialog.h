// The solution-word window: one cell per letter of the solution word, typed
// straight into the record's entered solution word.
#pragma once

#include "CompanionLinks.h"
#include "SidePainter.h"

#include <QWidget>

class BoardLink;
class CompanionFrame;
class QFrame;
class QKeyEvent;
class QLabel;
class StringGrid;

class TLoesungForm : public QWidget, public SolutionWordLink {
    Q_OBJECT
public:
    // The board is the editing road; the window closes with it.
    TLoesungForm(CompanionFrame& frame, BoardLink& board, QWidget* parent = nullptr);

    StringGrid* GridLoesung() const { return grid_; }
    QLabel* LblUmschreibung() const { return clue_; }
    // The letter a cell shows (empty for a blank).
    QString CellText(int col) const;

    // SolutionWordLink
    void FormShow() override;
    QWidget* Widget() override { return this; }
    void LayoutSolutionWindow() override;
    void KeepInRoom() override;

    // Blanks the letter under the cursor.
    void ClearSolutionLetter();
    bool GridLoesungKeyDown(QKeyEvent* event);
    bool GridLoesungKeyPress(QKeyEvent* event);
    SidePaintContext PaintContext() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Stores a letter (or a blank) at the current position through the board.
    void StoreLetter(char letter, bool evaluate);

    CompanionFrame& frame_;
    BoardLink* board_;
    QFrame* panel_ = nullptr;
    QLabel* clue_ = nullptr; // the caption again, wrapped, when the title bar cannot hold it
    StringGrid* grid_ = nullptr;
};
