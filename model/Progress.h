// The player's progress as a small file of its own: everything the player
// produced on one puzzle, so that a later run can go on where this one ended.
// The record's share is kept as the bytes that differ from the record as read;
// the rest is the game's own state beside it.
//
// Layout (integers little-endian):
//   0  8  magic "ZVSTAND" and 0x1A
//   8  2  format version (ProgressVersion)
//  10  2  0
//  12  8  the puzzle's key (PuzzleKey of its record and picture as read)
//  20  8  when it was written: milliseconds since 1970 (UTC)
//  28  4  payload length L
//  32  L  payload:
//         record runs against the record as read (ByteRuns, after bytes only)
//         1 byte field-marking choice (0..13)
//         1 byte slot count (4), then per slot: 8 bytes time taken (a double,
//         0 = empty), and for a held slot the runs of its letters against the
//         entries as read
//         (from version 2) 2 bytes count of the player's own clue-list ticks,
//         then per tick: 1 byte list (1 across), 4 bytes entry key, 1 byte ticked
//  32+L 4 CRC-32 of all bytes before it
#pragma once

#include "PuzzleImage.h"
#include "Snapshots.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

constexpr std::uint16_t ProgressVersion = 2;

// What the player produced beside the record (the record itself holds the
// entries, marks, the clue list's ticks, the solution word, level and times).
struct ProgressExtras {
    int MarkTag = 0; // field marking: 0 none, 1..12 a symbol, 13 two candidates
    SnapshotStore Snapshots;
    // A tick the player set or took off in a clue list: the entry is a word
    // index (Across false) or a line's negative number in its list.
    struct Tick {
        bool Across = false;
        std::int32_t Entry = 0;
        bool Checked = false;
        bool operator==(const Tick&) const = default;
    };
    std::vector<Tick> Ticks;
};

// The puzzle's identity: a 64-bit FNV-1a hash of its record and picture bytes
// as read, so a packed player and the same puzzle as a file share progress.
std::uint64_t PuzzleKey(std::span<const std::uint8_t> record,
                        std::span<const std::uint8_t> picture);
// The key as 16 lower-case hex digits, the progress file's name.
std::string PuzzleKeyText(std::uint64_t key);

std::uint32_t Crc32(std::span<const std::uint8_t> data);

enum class ProgressFault {
    None,
    Damaged, // cut short, checksum wrong, or holding what the player cannot make
    Foreign, // not a progress file, or one of another puzzle
    Newer,   // written by a newer format version
};

struct ProgressRead {
    ProgressFault Fault = ProgressFault::None;
    std::string Reason;         // German, for the status line (UTF-8)
    std::int64_t SavedAtMs = 0; // when it was written
    bool ok() const { return Fault == ProgressFault::None; }
};

std::vector<std::uint8_t> EncodeProgress(std::uint64_t key, std::int64_t savedAtMs,
                                         const PuzzleImage& original, const PuzzleImage& current,
                                         const ProgressExtras& extras);

// Reads a progress file for the puzzle whose record as read is `original`.
// On success `image` is that record with the player's changes and `extras`
// holds the rest; on any fault neither is touched. The derived check state is
// the caller's to rebuild.
ProgressRead DecodeProgress(std::span<const std::uint8_t> data, std::uint64_t key,
                            const PuzzleImage& original, PuzzleImage& image,
                            ProgressExtras& extras);
