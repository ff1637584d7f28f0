#include "Progress.h"

#include "ByteRuns.h"
#include "SudokuAids.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <memory>

namespace {
constexpr std::array<std::uint8_t, 8> Magic = {'Z', 'V', 'S', 'T', 'A', 'N', 'D', 0x1A};
constexpr std::size_t HeaderSize = 32;

const std::uint8_t* Bytes(const PuzzleImage& image) {
    return reinterpret_cast<const std::uint8_t*>(&image);
}
const std::uint8_t* LetterBytes(const Letter (&letters)[GridSize][GridSize]) {
    return reinterpret_cast<const std::uint8_t*>(letters);
}
std::uint8_t* LetterBytes(Letter (&letters)[GridSize][GridSize]) {
    return reinterpret_cast<std::uint8_t*>(letters);
}

constexpr std::array<std::uint32_t, 256> CrcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[i] = c;
    }
    return table;
}();

ProgressRead Fault(ProgressFault fault, std::string reason) {
    return {fault, std::move(reason), 0};
}

// Whether `restored` differs from `original` only where the player can
// change a record: entries, found and block marks, the sign of a word
// search's numbers, solved marks, code guesses (and the code table's texts a
// reset empties), the solution word's letters, the level and the times.
bool OnlyPlayersChanges(const PuzzleImage& original, const PuzzleImage& restored) {
    auto t = std::make_unique<PuzzleImage>(restored);
    constexpr std::int32_t PlayerFlags = CellFlag::PlayerMark | CellFlag::PlacedBlock;
    for (int c = 0; c < GridSize; ++c) {
        for (int r = 0; r < GridSize; ++r) {
            CellRecord& cell = t->cell(c, r);
            const CellRecord& was = original.cell(c, r);
            if (((cell.CellFlags ^ was.CellFlags) & ~PlayerFlags) == 0)
                cell.CellFlags = was.CellFlags;
            if (cell.number() == was.number()) cell.CellNumber = was.CellNumber;
        }
    }
    std::memcpy(t->EnteredLetters, original.EnteredLetters, sizeof(t->EnteredLetters));
    for (int i = 0; i < MaxWords; ++i) {
        WordRecord& w = t->Words[i];
        const WordRecord& was = original.Words[i];
        w.WordSolvedMark = was.WordSolvedMark;
        w.CodeGuess = was.CodeGuess;
        if (i < 26 && w.ClueText.Length == 0) w.ClueText.Length = was.ClueText.Length;
    }
    t->EnteredSolutionWord = original.EnteredSolutionWord;
    if (t->SolvedLevel <= 3) t->SolvedLevel = original.SolvedLevel;
    if (t->ClockRunning <= 1) t->ClockRunning = original.ClockRunning;
    t->ElapsedSeconds = original.ElapsedSeconds;
    t->BestSeconds = original.BestSeconds;
    return std::memcmp(t.get(), &original, sizeof(PuzzleImage)) == 0;
}
} // namespace

std::uint64_t PuzzleKey(std::span<const std::uint8_t> record,
                        std::span<const std::uint8_t> picture) {
    std::uint64_t h = 14695981039346656037ull;
    for (const auto part : {record, picture})
        for (const std::uint8_t b : part) h = (h ^ b) * 1099511628211ull;
    return h;
}

std::string PuzzleKeyText(std::uint64_t key) {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, key >>= 4) text[static_cast<std::size_t>(i)] = Hex[key & 0xF];
    return text;
}

std::uint32_t Crc32(std::span<const std::uint8_t> data) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (const std::uint8_t b : data) c = CrcTable[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::vector<std::uint8_t> EncodeProgress(std::uint64_t key, std::int64_t savedAtMs,
                                         const PuzzleImage& original, const PuzzleImage& current,
                                         const ProgressExtras& extras) {
    std::vector<std::uint8_t> out(Magic.begin(), Magic.end());
    PutU16(out, ProgressVersion);
    PutU16(out, 0);
    PutU64(out, key);
    PutU64(out, static_cast<std::uint64_t>(savedAtMs));
    PutU32(out, 0); // the payload length, set below

    AppendRuns(out, Bytes(original), Bytes(current), sizeof(PuzzleImage), false);
    out.push_back(static_cast<std::uint8_t>(extras.MarkTag));
    out.push_back(SnapshotStore::SlotCount);
    for (int n = 1; n <= SnapshotStore::SlotCount; ++n) {
        const BoardSnapshot& slot = extras.Snapshots.Slot(n);
        PutU64(out, std::bit_cast<std::uint64_t>(slot.Held() ? slot.TakenAt : 0.0));
        if (slot.Held())
            AppendRuns(out, LetterBytes(original.EnteredLetters), LetterBytes(slot.Letters),
                       sizeof(slot.Letters), false);
    }
    const auto ticks = std::min<std::size_t>(extras.Ticks.size(), 0xFFFF);
    PutU16(out, static_cast<std::uint16_t>(ticks));
    for (std::size_t i = 0; i < ticks; ++i) {
        const ProgressExtras::Tick& t = extras.Ticks[i];
        out.push_back(t.Across ? 1 : 0);
        PutU32(out, static_cast<std::uint32_t>(t.Entry));
        out.push_back(t.Checked ? 1 : 0);
    }

    const auto length = static_cast<std::uint32_t>(out.size() - HeaderSize);
    for (int i = 0; i < 4; ++i)
        out[28 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(length >> (8 * i));
    PutU32(out, Crc32(out));
    return out;
}

ProgressRead DecodeProgress(std::span<const std::uint8_t> data, std::uint64_t key,
                            const PuzzleImage& original, PuzzleImage& image,
                            ProgressExtras& extras) {
    if (data.size() < Magic.size() || !std::equal(Magic.begin(), Magic.end(), data.begin()))
        return Fault(ProgressFault::Foreign, "keine Fortschrittsdatei");
    ByteReader head(data.subspan(Magic.size()));
    const std::uint16_t version = head.U16();
    if (!head.Failed && version > ProgressVersion)
        return Fault(ProgressFault::Newer,
                     "neueres Format (Version " + std::to_string(version) + ")");
    head.U16();
    const std::uint64_t fileKey = head.U64();
    const std::int64_t savedAt = static_cast<std::int64_t>(head.U64());
    const std::uint32_t length = head.U32();
    if (head.Failed || version == 0 || data.size() - HeaderSize < std::size_t{length} + 4)
        return Fault(ProgressFault::Damaged, "unvollständig");
    const std::size_t end = HeaderSize + length;
    ByteReader crc(data.subspan(end, 4));
    if (data.size() != end + 4 || crc.U32() != Crc32(data.first(end)))
        return Fault(ProgressFault::Damaged, "Prüfsumme falsch");
    if (fileKey != key) return Fault(ProgressFault::Foreign, "gehört zu einem anderen Rätsel");

    ByteReader in(data.subspan(HeaderSize, length));
    auto restored = std::make_unique<PuzzleImage>(original);
    auto more = std::make_unique<ProgressExtras>();
    bool sound = ApplyRuns(in, reinterpret_cast<std::uint8_t*>(restored.get()), sizeof(PuzzleImage),
                           false, true);
    more->MarkTag = in.U8();
    sound = sound && in.U8() == SnapshotStore::SlotCount;
    for (int n = 1; sound && n <= SnapshotStore::SlotCount; ++n) {
        BoardSnapshot slot;
        slot.TakenAt = std::bit_cast<double>(in.U64());
        std::memcpy(slot.Letters, original.EnteredLetters, sizeof(slot.Letters));
        if (!std::isfinite(slot.TakenAt) || slot.TakenAt < 0) sound = false;
        if (sound && slot.Held())
            sound = ApplyRuns(in, LetterBytes(slot.Letters), sizeof(slot.Letters), false, true);
        else
            for (auto& column : slot.Letters)
                for (Letter& letter : column) SetBlank(letter);
        more->Snapshots.Put(n, slot);
    }
    // Version 1 kept no ticks.
    const int ticks = sound && version >= 2 ? in.U16() : 0;
    for (int i = 0; sound && !in.Failed && i < ticks; ++i) {
        ProgressExtras::Tick t;
        const std::uint8_t across = in.U8();
        t.Entry = static_cast<std::int32_t>(in.U32());
        const std::uint8_t checked = in.U8();
        sound = across <= 1 && checked <= 1;
        t.Across = across == 1;
        t.Checked = checked == 1;
        more->Ticks.push_back(t);
    }
    if (!sound || in.Failed || in.Left() != 0 || more->MarkTag < 0 || more->MarkTag > DuoMarkTag ||
        !OnlyPlayersChanges(original, *restored))
        return Fault(ProgressFault::Damaged, "unstimmiger Inhalt");

    image = *restored;
    extras = *more;
    return {ProgressFault::None, {}, savedAt};
}
