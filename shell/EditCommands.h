// The frame's edit and view commands: undo, reset and "Lösung zeigen". Each
// hands its change to the game, which says what changed.
#pragma once

#include <functional>

class PuzzleGame;
class QWidget;

class EditCommands {
public:
    // `boardOpen` tells whether there is a board to change; `parent` owns the question.
    EditCommands(PuzzleGame& game, std::function<bool()> boardOpen, QWidget* parent)
        : game_(game), boardOpen_(std::move(boardOpen)), parent_(parent) {}

    // Puts the record back before the last change.
    void Undo();
    bool UndoPossible() const;

    // Asks, then has the game clear everything the player did.
    void MItemBeaZuruecksetzenClick();
    void MItemAnsLoesungClick();

private:
    PuzzleGame& game_;
    std::function<bool()> boardOpen_;
    QWidget* parent_;
};
