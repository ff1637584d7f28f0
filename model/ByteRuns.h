// Changed byte runs between two blocks of equal size, written compactly: the
// history's steps and the progress file both keep only what differs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Little-endian writing of the few integer shapes the formats use.
void PutVarint(std::vector<std::uint8_t>& out, std::uint64_t value);
void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value);
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value);
void PutU64(std::vector<std::uint8_t>& out, std::uint64_t value);

// Reads what the Put functions wrote; any read past the end (or an overlong
// varint) sets Failed, and every later read returns 0.
struct ByteReader {
    const std::uint8_t* At = nullptr;
    const std::uint8_t* End = nullptr;
    bool Failed = false;

    explicit ByteReader(std::span<const std::uint8_t> data)
        : At(data.data()), End(data.data() + data.size()) {}
    std::size_t Left() const { return static_cast<std::size_t>(End - At); }
    std::uint64_t Varint();
    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    std::uint64_t U64();
    // The next n bytes, or null (and Failed) when fewer are left.
    const std::uint8_t* Take(std::size_t n);
};

// Appends the runs where `after` differs from `before` (n bytes each): for
// each the distance from the end of the previous run plus one, its length and
// its bytes (the before bytes first when `withBefore`), then a closing 0.
// Equal stretches shorter than a run's header are taken into the run.
void AppendRuns(std::vector<std::uint8_t>& out, const std::uint8_t* before,
                const std::uint8_t* after, std::size_t n, bool withBefore);

// Writes the runs the reader stands at into `block` (n bytes): the after
// bytes, or with `withBefore` and not `forward` the before bytes. False (and
// the reader failed) when a run reaches past the block or the data ends early.
bool ApplyRuns(ByteReader& in, std::uint8_t* block, std::size_t n, bool withBefore, bool forward);
