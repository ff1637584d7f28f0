#include "Snapshots.h"

#include "Queries.h"

#include <cstring>

static_assert(sizeof(BoardSnapshot::Letters) == sizeof(PuzzleImage::EnteredLetters),
              "a snapshot holds the entries block as it is");

void SnapshotStore::Clear() {
    for (BoardSnapshot& slot : slots_) {
        for (auto& column : slot.Letters)
            for (Letter& letter : column) SetBlank(letter);
        slot.TakenAt = 0;
    }
}

int SnapshotStore::Take(const PuzzleImage& image, double now) {
    int target = 0;
    for (int n = 1; n <= SlotCount && target == 0; ++n)
        if (!Held(n)) target = n;
    if (target == 0) {
        target = 1;
        for (int n = 2; n <= SlotCount; ++n)
            if (TakenAt(n) < TakenAt(target)) target = n;
    }
    BoardSnapshot& slot = slots_[Index(target)];
    std::memcpy(slot.Letters, image.EnteredLetters, sizeof(slot.Letters));
    // A clock before 1900 would make the slot look empty; it still holds entries.
    slot.TakenAt = now > 0 ? now : 1e-9;
    return target;
}

bool SnapshotStore::Restore(int n, Puzzle& puzzle) const {
    if (!Held(n)) return false;
    std::memcpy(puzzle.Image.EnteredLetters, slots_[Index(n)].Letters,
                sizeof(puzzle.Image.EnteredLetters));
    RecheckEntries(puzzle);
    return true;
}

int SnapshotStore::HeldCount() const {
    int count = 0;
    for (int n = 1; n <= SlotCount; ++n)
        if (Held(n)) ++count;
    return count;
}
