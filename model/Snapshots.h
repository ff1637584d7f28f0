// Snapshots of a Sudoku's entries: the player keeps up to four and may return
// to any of them, for example before trying out a guess. They belong to the
// board and are never written to the puzzle.
#pragma once

#include "PuzzleImage.h"

#include <array>

// One slot: all entered letters in the record's own layout, and when they were
// taken (days since 30 Dec 1899, the time of day as fraction; 0 = empty).
struct BoardSnapshot {
    Letter Letters[GridSize][GridSize];
    double TakenAt = 0;

    bool Held() const { return TakenAt > 0; }
};

class SnapshotStore {
public:
    static constexpr int SlotCount = 4;

    SnapshotStore() { Clear(); }

    // Every slot blank and empty.
    void Clear();
    // Copies the entries into the lowest empty slot, or, with all four in use,
    // into the oldest (on equal times the lower number). Returns the slot 1..4.
    int Take(const PuzzleImage& image, double now);
    // Copies slot n's letters back over the entries and stores each again so
    // that the check state follows. False (and nothing changed) for an empty
    // or unknown slot.
    bool Restore(int n, Puzzle& puzzle) const;

    bool Held(int n) const { return Valid(n) && slots_[Index(n)].Held(); }
    // 0 for an empty or unknown slot.
    double TakenAt(int n) const { return Valid(n) ? slots_[Index(n)].TakenAt : 0; }
    int HeldCount() const;

    // A slot as it is, and one put back as it was (the progress file keeps
    // them across runs). Slot numbers outside 1..4 give slot 1 and put nothing.
    const BoardSnapshot& Slot(int n) const { return slots_[Valid(n) ? Index(n) : 0]; }
    void Put(int n, const BoardSnapshot& slot) {
        if (Valid(n)) slots_[Index(n)] = slot;
    }

private:
    static bool Valid(int n) { return n >= 1 && n <= SlotCount; }
    static std::size_t Index(int n) { return static_cast<std::size_t>(n - 1); }

    std::array<BoardSnapshot, SlotCount> slots_;
};
