// The history of a run's changes, for undo and redo over many steps. A step
// keeps only the bytes a change altered, of the record and of the game's own
// state beside it (a plain block of bytes the game chooses), so a long game of
// a large puzzle costs little memory.
//
// Time is not part of what undo gives back: the elapsed and best time and the
// reached completion level stay as they are. Only a step that itself changed
// them (a reset) carries them: undoing it adds the time it took away to the
// clock and brings the level back up; redoing it takes that time away again.
#pragma once

#include "PuzzleImage.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <vector>

class EditHistory {
public:
    // At least this many steps are kept; older ones go first when either
    // limit is passed.
    static constexpr std::size_t DefaultStepLimit = 100000;
    static constexpr std::size_t DefaultByteLimit = std::size_t{64} << 20;

    explicit EditHistory(std::size_t stepLimit = DefaultStepLimit,
                         std::size_t byteLimit = DefaultByteLimit);

    // Remembers the state before a change.
    void Begin(const PuzzleImage& image, std::span<const std::uint8_t> extra);
    // Compares with the state remembered by Begin and records what changed as
    // one step, dropping the steps that could have been redone. A change that
    // altered nothing records no step; returns whether one was recorded.
    bool Commit(const PuzzleImage& image, std::span<const std::uint8_t> extra);

    bool CanUndo() const { return applied_ > 0; }
    bool CanRedo() const { return applied_ < steps_.size(); }
    // Puts the state before the last step back (after for Redo); false when
    // there is nothing to undo (redo). `extra` must have the size it had.
    bool Undo(PuzzleImage& image, std::span<std::uint8_t> extra);
    bool Redo(PuzzleImage& image, std::span<std::uint8_t> extra);

    void Clear();
    std::size_t StepCount() const { return steps_.size(); }
    // The memory the steps hold, roughly.
    std::size_t ByteCount() const { return bytes_; }

private:
    struct TimeFields {
        std::uint16_t Elapsed = 0;
        std::uint8_t Level = 0;
        std::uint8_t Clock = 0;
    };
    struct Step {
        std::vector<std::uint8_t> Runs; // per plane: changed byte runs, before and after
        TimeFields Before, After;
    };

    void Apply(const Step& step, bool forward, PuzzleImage& image,
               std::span<std::uint8_t> extra) const;
    void Trim();
    static std::size_t Cost(const Step& step);

    std::deque<Step> steps_;
    std::size_t applied_ = 0; // steps before the undo position
    std::size_t bytes_ = 0;
    std::size_t stepLimit_;
    std::size_t byteLimit_;
    std::unique_ptr<PuzzleImage> before_;
    std::vector<std::uint8_t> extraBefore_;
    bool begun_ = false;
};
