#include "ByteRuns.h"

#include <cstring>

void PutVarint(std::vector<std::uint8_t>& out, std::uint64_t value) {
    while (value >= 0x80) {
        out.push_back(static_cast<std::uint8_t>(value | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<std::uint8_t>(value));
}

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    for (int i = 0; i < 2; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutU64(std::vector<std::uint8_t>& out, std::uint64_t value) {
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

const std::uint8_t* ByteReader::Take(std::size_t n) {
    if (Failed || Left() < n) {
        Failed = true;
        return nullptr;
    }
    const std::uint8_t* p = At;
    At += n;
    return p;
}

std::uint64_t ByteReader::Varint() {
    std::uint64_t value = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        const std::uint8_t* b = Take(1);
        if (!b) return 0;
        value |= static_cast<std::uint64_t>(*b & 0x7F) << shift;
        if (!(*b & 0x80)) return value;
    }
    Failed = true;
    return 0;
}

namespace {
std::uint64_t Fixed(ByteReader& in, int bytes) {
    const std::uint8_t* p = in.Take(static_cast<std::size_t>(bytes));
    if (!p) return 0;
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= static_cast<std::uint64_t>(p[i]) << (8 * i);
    return value;
}

// A run header costs about this much; equal stretches up to it are cheaper
// carried inside the run.
constexpr std::size_t MergeGap = 4;
} // namespace

std::uint8_t ByteReader::U8() {
    return static_cast<std::uint8_t>(Fixed(*this, 1));
}
std::uint16_t ByteReader::U16() {
    return static_cast<std::uint16_t>(Fixed(*this, 2));
}
std::uint32_t ByteReader::U32() {
    return static_cast<std::uint32_t>(Fixed(*this, 4));
}
std::uint64_t ByteReader::U64() {
    return Fixed(*this, 8);
}

void AppendRuns(std::vector<std::uint8_t>& out, const std::uint8_t* before,
                const std::uint8_t* after, std::size_t n, bool withBefore) {
    std::size_t previousEnd = 0;
    std::size_t i = 0;
    while (i < n) {
        // Most of a block is unchanged: skip it in wide steps.
        constexpr std::size_t Wide = 64;
        while (i + Wide <= n && std::memcmp(before + i, after + i, Wide) == 0) i += Wide;
        while (i < n && before[i] == after[i]) ++i;
        if (i >= n) break;
        const std::size_t start = i;
        std::size_t end = i + 1; // one past the last differing byte
        for (std::size_t j = end; j < n && j - end <= MergeGap; ++j)
            if (before[j] != after[j]) end = j + 1;
        PutVarint(out, start - previousEnd + 1);
        PutVarint(out, end - start);
        if (withBefore) out.insert(out.end(), before + start, before + end);
        out.insert(out.end(), after + start, after + end);
        previousEnd = end;
        i = end;
    }
    out.push_back(0);
}

bool ApplyRuns(ByteReader& in, std::uint8_t* block, std::size_t n, bool withBefore, bool forward) {
    std::size_t position = 0;
    for (;;) {
        const std::uint64_t gap = in.Varint();
        if (in.Failed) return false;
        if (gap == 0) return true;
        const std::uint64_t length = in.Varint();
        if (in.Failed || length == 0 || gap - 1 > n - position ||
            length > n - position - (gap - 1)) {
            in.Failed = true;
            return false;
        }
        position += static_cast<std::size_t>(gap - 1);
        const std::size_t len = static_cast<std::size_t>(length);
        const std::uint8_t* beforeBytes = withBefore ? in.Take(len) : nullptr;
        const std::uint8_t* afterBytes = in.Take(len);
        if (in.Failed) return false;
        std::memcpy(block + position, withBefore && !forward ? beforeBytes : afterBytes, len);
        position += len;
    }
}
