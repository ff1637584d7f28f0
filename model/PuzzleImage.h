// The puzzle record: one raw block of 86 772 bytes, shared by the generator's
// containers and by every window. Its layout is fixed byte for byte.
#pragma once

#include "KindTraits.h"

#include <bit>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

static_assert(std::endian::native == std::endian::little,
              "the record is read and written as raw little-endian bytes");

// A length-prefixed code page 1252 string of fixed capacity N. Only the first
// Length characters count; the bytes behind them are whatever the writer left
// there and stay untouched.
template <std::size_t N> struct ShortString {
    std::uint8_t Length;
    char Chars[N];

    static constexpr std::size_t Capacity = N;

    // A length byte above the capacity is read as the capacity.
    std::size_t size() const { return Length > N ? N : Length; }
    std::string_view view() const { return {Chars, size()}; }
    std::string str() const { return std::string(view()); }
    bool empty() const { return size() == 0; }
    // Stores at most N characters; bytes behind the new length are kept.
    void set(std::string_view text) {
        const std::size_t n = text.size() > N ? N : text.size();
        for (std::size_t i = 0; i < n; ++i) Chars[i] = text[i];
        Length = static_cast<std::uint8_t>(n);
    }
    void clear() { Length = 0; }
    bool operator==(std::string_view text) const { return view() == text; }
};

using Letter = ShortString<1>;

// A one-character field holding a single space.
inline bool IsBlank(const Letter& l) {
    return l.Length == 1 && l.Chars[0] == ' ';
}
// Empty or blank: nothing entered.
inline bool IsBlankOrEmpty(const Letter& l) {
    return l.size() == 0 || IsBlank(l);
}
inline void SetBlank(Letter& l) {
    l.Length = 1;
    l.Chars[0] = ' ';
}

namespace CellFlag {
constexpr std::int32_t Block = 1;
constexpr std::int32_t LetterCell = 2;
constexpr std::int32_t SolutionOrGiven = 4; // solution-word cell; Sudoku: given symbol
constexpr std::int32_t PlayerMark = 8;      // word search: found; Sudoku: symbol marking
constexpr std::int32_t PlacedBlock = 16;    // American crossword: the player's block
constexpr std::int32_t Picture = 64;
} // namespace CellFlag

struct CellRecord {
    Letter SolutionLetter;
    std::uint8_t Padding1[2];
    std::int32_t CellNumber; // kind 12 may store it negated; readers use the absolute value
    std::int32_t SolutionPosition;
    std::int32_t CellFlags;
    std::uint8_t StartsAcrossWord; // bytes, not bool: a file may hold any value here
    std::uint8_t StartsDownWord;
    std::uint8_t Padding2[2];

    bool has(std::int32_t flag) const { return (CellFlags & flag) != 0; }
    bool isBlock() const { return has(CellFlag::Block); }
    // The most negative value has no positive twin; a damaged file may hold it.
    std::int32_t number() const {
        if (CellNumber == INT32_MIN) return INT32_MAX;
        return CellNumber < 0 ? -CellNumber : CellNumber;
    }
};
static_assert(sizeof(CellRecord) == 20);
static_assert(offsetof(CellRecord, CellNumber) == 4);
static_assert(offsetof(CellRecord, SolutionPosition) == 8);
static_assert(offsetof(CellRecord, CellFlags) == 12);
static_assert(offsetof(CellRecord, StartsAcrossWord) == 16);
static_assert(offsetof(CellRecord, StartsDownWord) == 17);

namespace Direction {
constexpr std::uint8_t Down = 0;
constexpr std::uint8_t Across = 1;
} // namespace Direction

struct WordRecord {
    std::int32_t WordNumber;
    std::int32_t CodeLetter; // kinds 2, 3: character code of the letter with code = index
    std::uint8_t WordDirection;
    std::uint8_t WordReversed;
    std::uint8_t WordSolvedMark;
    Letter CodeGuess;
    ShortString<15> WordText;
    ShortString<102> ClueText;

    bool across() const { return WordDirection == Direction::Across; }
};
static_assert(sizeof(WordRecord) == 132);
static_assert(offsetof(WordRecord, CodeLetter) == 4);
static_assert(offsetof(WordRecord, WordDirection) == 8);
static_assert(offsetof(WordRecord, WordReversed) == 9);
static_assert(offsetof(WordRecord, WordSolvedMark) == 10);
static_assert(offsetof(WordRecord, CodeGuess) == 11);
static_assert(offsetof(WordRecord, WordText) == 13);
static_assert(offsetof(WordRecord, ClueText) == 29);

constexpr int GridSize = 52;  // indexes 0..51, the border included
constexpr int MaxCells = 50;  // used columns and rows
constexpr int MaxWords = 201; // entries of the word table
constexpr int MaxKind = 15;

struct PuzzleImage {
    CellRecord Cells[GridSize][GridSize];      // [column][row]
    Letter EnteredLetters[GridSize][GridSize]; // [column][row]
    WordRecord Words[MaxWords];
    ShortString<20> SolutionWord;
    ShortString<100> SolutionClue;
    ShortString<20> CreatorVersion;
    ShortString<20> EnteredSolutionWord;
    ShortString<8> Reserved8;
    ShortString<50> BestTimeHolder;
    std::uint8_t SolvedLevel;
    ShortString<255> PuzzleTitle;
    ShortString<255> PuzzleComment;
    std::uint8_t PuzzleKind;
    std::uint8_t RowCount;
    std::uint8_t ColumnCount;
    std::uint8_t WordCount;
    std::uint8_t Difficulty;
    std::uint8_t Reserved1;
    std::uint8_t AllowedAids;
    std::uint8_t ImageFlags;
    std::uint8_t PuzzleLanguage;
    std::uint16_t ElapsedSeconds;
    std::uint16_t BestSeconds;
    std::uint8_t ReverseDropAllowed;
    std::uint8_t ClockRunning;

    CellRecord& cell(int c, int r) { return Cells[c][r]; }
    const CellRecord& cell(int c, int r) const { return Cells[c][r]; }
    Letter& entry(int c, int r) { return EnteredLetters[c][r]; }
    const Letter& entry(int c, int r) const { return EnteredLetters[c][r]; }
};

static_assert(sizeof(PuzzleImage) == 86772);
static_assert(offsetof(PuzzleImage, EnteredLetters) == 54080);
static_assert(offsetof(PuzzleImage, Words) == 59488);
static_assert(offsetof(PuzzleImage, SolutionWord) == 86020);
static_assert(offsetof(PuzzleImage, SolutionClue) == 86041);
static_assert(offsetof(PuzzleImage, CreatorVersion) == 86142);
static_assert(offsetof(PuzzleImage, EnteredSolutionWord) == 86163);
static_assert(offsetof(PuzzleImage, Reserved8) == 86184);
static_assert(offsetof(PuzzleImage, BestTimeHolder) == 86193);
static_assert(offsetof(PuzzleImage, SolvedLevel) == 86244);
static_assert(offsetof(PuzzleImage, PuzzleTitle) == 86245);
static_assert(offsetof(PuzzleImage, PuzzleComment) == 86501);
static_assert(offsetof(PuzzleImage, PuzzleKind) == 86757);
static_assert(offsetof(PuzzleImage, RowCount) == 86758);
static_assert(offsetof(PuzzleImage, ColumnCount) == 86759);
static_assert(offsetof(PuzzleImage, WordCount) == 86760);
static_assert(offsetof(PuzzleImage, Difficulty) == 86761);
static_assert(offsetof(PuzzleImage, Reserved1) == 86762);
static_assert(offsetof(PuzzleImage, AllowedAids) == 86763);
static_assert(offsetof(PuzzleImage, ImageFlags) == 86764);
static_assert(offsetof(PuzzleImage, PuzzleLanguage) == 86765);
static_assert(offsetof(PuzzleImage, ElapsedSeconds) == 86766);
static_assert(offsetof(PuzzleImage, BestSeconds) == 86768);
static_assert(offsetof(PuzzleImage, ReverseDropAllowed) == 86770);
static_assert(offsetof(PuzzleImage, ClockRunning) == 86771);

namespace AidFlag {
constexpr std::uint8_t MarkWrong = 1;
constexpr std::uint8_t InsertLetter = 2;
constexpr std::uint8_t ShowSolution = 4;
constexpr std::uint8_t EditPuzzle = 64;
} // namespace AidFlag

namespace ImageFlag {
constexpr std::uint8_t SolutionPositions = 1;
constexpr std::uint8_t HasPicture = 2;
} // namespace ImageFlag

// Derived per-cell state beside the image: 0 blank, 1 filled, 255 filled and wrong.
// Sized like the grid so that walks over the border stay inside it.
struct CellCheckState {
    std::uint8_t State[GridSize][GridSize] = {};

    std::uint8_t& at(int c, int r) { return State[c][r]; }
    std::uint8_t at(int c, int r) const { return State[c][r]; }
};

namespace CheckState {
constexpr std::uint8_t Blank = 0;
constexpr std::uint8_t Filled = 1;
constexpr std::uint8_t Wrong = 255;
} // namespace CheckState

// The one current puzzle of a run: the record and its derived check state.
struct Puzzle {
    PuzzleImage Image;
    CellCheckState CheckState;
};

void ClearCell(PuzzleImage& image, int c, int r, bool clearNumber);
void ClearWord(PuzzleImage& image, int i);
// Every cell and word emptied, every entry blank, every check state 0.
void ClearPuzzleContent(Puzzle& puzzle);
// The empty 5 x 5 kind-0 state every load starts from.
void ResetPuzzleImage(Puzzle& puzzle);
