// The undo history of a game: today one step, the whole record before the
// last change that records an undo point.
#pragma once

#include "PuzzleImage.h"

#include <memory>

class UndoHistory {
public:
    UndoHistory() : image_(std::make_unique<PuzzleImage>()) {}
    // Copies the record as it is before a change; undo becomes possible.
    void Remember(const PuzzleImage& image) {
        *image_ = image;
        possible_ = true;
    }
    // Puts the copy back once; false when there is nothing to undo.
    bool Undo(PuzzleImage& image) {
        if (!possible_) return false;
        image = *image_;
        possible_ = false;
        return true;
    }
    bool CanUndo() const { return possible_; }
    // One step keeps nothing to redo.
    bool CanRedo() const { return false; }
    bool Redo(PuzzleImage&) { return false; }
    // The record the next undo puts back.
    const PuzzleImage& Image() const { return *image_; }
    // A new puzzle starts without history.
    void Clear() { possible_ = false; }

private:
    std::unique_ptr<PuzzleImage> image_;
    bool possible_ = false;
};
