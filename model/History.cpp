#include "History.h"

#include "ByteRuns.h"

#include <algorithm>
#include <cstring>

namespace {
const std::uint8_t* Bytes(const PuzzleImage& image) {
    return reinterpret_cast<const std::uint8_t*>(&image);
}
std::uint8_t* Bytes(PuzzleImage& image) {
    return reinterpret_cast<std::uint8_t*>(&image);
}
} // namespace

EditHistory::EditHistory(std::size_t stepLimit, std::size_t byteLimit)
    : stepLimit_(std::max<std::size_t>(stepLimit, 1)), byteLimit_(byteLimit),
      before_(std::make_unique<PuzzleImage>()) {}

void EditHistory::Begin(const PuzzleImage& image, std::span<const std::uint8_t> extra) {
    *before_ = image;
    extraBefore_.assign(extra.begin(), extra.end());
    begun_ = true;
}

bool EditHistory::Commit(const PuzzleImage& image, std::span<const std::uint8_t> extra) {
    if (!begun_) return false;
    begun_ = false;
    Step step;
    step.Before = {before_->ElapsedSeconds, before_->SolvedLevel, before_->ClockRunning};
    step.After = {image.ElapsedSeconds, image.SolvedLevel, image.ClockRunning};
    // The time fields are kept apart from the runs: undo must not write them back.
    before_->ElapsedSeconds = image.ElapsedSeconds;
    before_->SolvedLevel = image.SolvedLevel;
    before_->ClockRunning = image.ClockRunning;
    before_->BestSeconds = image.BestSeconds;
    AppendRuns(step.Runs, Bytes(*before_), Bytes(image), sizeof(PuzzleImage), true);
    const std::size_t common = std::min(extra.size(), extraBefore_.size());
    AppendRuns(step.Runs, extraBefore_.data(), extra.data(), common, true);
    const bool timeChanged = step.Before.Elapsed != step.After.Elapsed ||
                             step.Before.Level != step.After.Level ||
                             step.Before.Clock != step.After.Clock;
    if (step.Runs.size() == 2 && !timeChanged) return false; // two closing zeros: no change

    while (steps_.size() > applied_) {
        bytes_ -= Cost(steps_.back());
        steps_.pop_back();
    }
    step.Runs.shrink_to_fit();
    bytes_ += Cost(step);
    steps_.push_back(std::move(step));
    ++applied_;
    Trim();
    return true;
}

bool EditHistory::Undo(PuzzleImage& image, std::span<std::uint8_t> extra) {
    if (!CanUndo()) return false;
    --applied_;
    Apply(steps_[applied_], false, image, extra);
    return true;
}

bool EditHistory::Redo(PuzzleImage& image, std::span<std::uint8_t> extra) {
    if (!CanRedo()) return false;
    Apply(steps_[applied_], true, image, extra);
    ++applied_;
    return true;
}

void EditHistory::Apply(const Step& step, bool forward, PuzzleImage& image,
                        std::span<std::uint8_t> extra) const {
    ByteReader in(step.Runs);
    ApplyRuns(in, Bytes(image), sizeof(PuzzleImage), true, forward);
    ApplyRuns(in, extra.data(), extra.size(), true, forward);

    // The clock keeps what was played since: a step only moves it by the time
    // it took away or gave itself.
    const int delta = int{step.After.Elapsed} - int{step.Before.Elapsed};
    const int elapsed = int{image.ElapsedSeconds} + (forward ? delta : -delta);
    image.ElapsedSeconds = static_cast<std::uint16_t>(std::clamp(elapsed, 0, 0xFFFF));
    if (step.Before.Level != step.After.Level) {
        // Undo only brings a level back up; redoing a reset lowers it as the
        // reset did.
        const std::uint8_t target = forward ? step.After.Level : step.Before.Level;
        const bool lowers = forward && step.After.Level < step.Before.Level;
        image.SolvedLevel = lowers ? target : std::max(image.SolvedLevel, target);
    }
    if (step.Before.Clock != step.After.Clock)
        image.ClockRunning = forward ? step.After.Clock : step.Before.Clock;
}

void EditHistory::Trim() {
    while (!steps_.empty() && applied_ > 0 &&
           (steps_.size() > stepLimit_ || (bytes_ > byteLimit_ && steps_.size() > 1))) {
        bytes_ -= Cost(steps_.front());
        steps_.pop_front();
        --applied_;
    }
}

void EditHistory::Clear() {
    steps_.clear();
    applied_ = 0;
    bytes_ = 0;
    begun_ = false;
}

std::size_t EditHistory::Cost(const Step& step) {
    return sizeof(Step) + step.Runs.capacity();
}
