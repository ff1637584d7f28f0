// Everything a run holds about its one puzzle that is not a window's: the
// record with its check state, the process-wide settings, the one-step undo
// copy and the run-time flags. The program creates one and hands it to the
// windows; tests build their own.
#pragma once

#include "PuzzleImage.h"
#include "Settings.h"

#include <memory>

// Flags of the run that every window reads: the shown solution and the
// modifier keys that change how words are dropped and lines are marked.
struct RunFlags {
    bool ShowSolution = false;
    bool ShiftHeld = false;
    bool CtrlHeldKind12 = false;
    bool CtrlHeldReverse = false;
};

// One-step undo: the whole record before the last change.
class UndoStore {
public:
    UndoStore() : image_(std::make_unique<PuzzleImage>()) {}
    // Copies the record as it is before a change; undo becomes possible.
    void Remember(const PuzzleImage& image) {
        *image_ = image;
        possible_ = true;
    }
    // Puts the copy back once; false when there is nothing to undo.
    bool Restore(PuzzleImage& image) {
        if (!possible_) return false;
        image = *image_;
        possible_ = false;
        return true;
    }
    bool Possible() const { return possible_; }
    const PuzzleImage& Image() const { return *image_; }

private:
    std::unique_ptr<PuzzleImage> image_;
    bool possible_ = false;
};

struct PuzzleSession {
    Puzzle puzzle;
    Settings settings;
    RunFlags flags;
    UndoStore undo;

    PuzzleImage& image() { return puzzle.Image; }
    const PuzzleImage& image() const { return puzzle.Image; }
};
