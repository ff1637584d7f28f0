// What the board and the frame ask of the companion windows besides the clue
// list (ClueListLink). Each window implements its interface next to its
// widget base; the frame's FindChild returns them typed, or null when closed.
#pragma once

class QWidget;

// A companion window as the frame handles it: shown again, or placed.
class CompanionWindow {
public:
    virtual ~CompanionWindow() = default;
    // Rebuilds its contents from the puzzle and shows itself.
    virtual void FormShow() = 0;
    // The window to place and close (its MDI frame is found from it).
    virtual QWidget* Widget() = 0;
};

class NumberLegendLink : public CompanionWindow {
public:
    // The player's guesses, or with `showSolution` the real letters.
    virtual void FillLetters(bool showSolution) = 0;
    // Fits the code table to the cell size.
    virtual void LayoutNumberLegend() = 0;
};

class SolutionWordLink : public CompanionWindow {
public:
    // Fits the letter cells to the cell size.
    virtual void LayoutSolutionWindow() = 0;
    // Keeps the window where it stands, as far as it stays inside the frame
    // and clear of the number legend.
    virtual void KeepInRoom() = 0;
};

class StopwatchLink : public CompanionWindow {
public:
    virtual bool ClockRunning() const = 0;
};
