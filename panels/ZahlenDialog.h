// The number legend: the code table of a number puzzle. Typing a letter beside
// a number gives the number that letter and writes it into every grid cell of
// that number; the table itself keeps nothing, it shows the record.
#pragma once

#include "CompanionLinks.h"
#include "SidePainter.h"

#include <QWidget>

class BoardLink;
class CompanionFrame;
class QKeyEvent;
class StringGrid;

class TNumLegendForm : public QWidget, public NumberLegendLink {
    Q_OBJECT
public:
    // The board is the editing road; the window closes with it.
    TNumLegendForm(CompanionFrame& frame, BoardLink& board, QWidget* parent = nullptr);

    StringGrid* GridZahlen() const { return grid_; }
    // The text a cell of the table shows: its number, or its letter.
    QString CellText(int col, int row) const;
    bool LettersFromSolution() const { return fromSolution_; }

    // NumberLegendLink
    void FormShow() override;
    QWidget* Widget() override { return this; }
    void FillLetters(bool showSolution) override;
    void LayoutNumberLegend() override;

    // Takes the letter of the current cell's number away.
    void ClearCode();
    bool GridZahlenKeyDown(QKeyEvent* event);
    bool GridZahlenKeyPress(QKeyEvent* event);
    bool GridZahlenSelectCell(int col, int row);
    // What the cells are painted from.
    SidePaintContext PaintContext() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int CurrentCode() const;

    CompanionFrame& frame_;
    BoardLink* board_;
    StringGrid* grid_ = nullptr;
    bool fromSolution_ = false;
};
