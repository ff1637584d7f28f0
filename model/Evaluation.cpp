#include "Evaluation.h"

#include "Settings.h"
#include "SolutionEntry.h"
#include "Sudoku.h"

#include <algorithm>
#include <array>

namespace {
constexpr std::uint8_t LevelWrong = 2;
constexpr std::uint8_t LevelSolved = 3;

const char* const SolvedText = "Sie haben das Rätsel gelöst!";
const char* const BestTimeText = "Sie haben das Rätsel in Bestzeit gelöst!";
const char* const WrongText = "Das Rätsel ist vollständig ausgefüllt, aber nicht korrekt gelöst!";

bool IsOneLetter(const Letter& l, char ch) {
    return l.size() == 1 && l.Chars[0] == ch;
}
} // namespace

CompletionNotice EvaluateCompletion(Puzzle& puzzle, const Settings& settings) {
    PuzzleImage& im = puzzle.Image;
    const int kind = im.PuzzleKind;
    const int columns = std::min<int>(im.ColumnCount, MaxCells);
    const int rows = std::min<int>(im.RowCount, MaxCells);
    const bool codeKind = IsNumberKind(kind);
    bool correct = true;
    bool complete = true;
    // Which one-letter solutions the grid holds, gathered in the same pass for the code check.
    std::array<bool, 256> occurs{};

    for (int c = 1; c <= columns; ++c) {
        for (int r = 1; r <= rows; ++r) {
            const CellRecord& cell = im.cell(c, r);
            const std::int32_t f = cell.CellFlags;
            if (codeKind && cell.SolutionLetter.size() == 1)
                occurs[static_cast<unsigned char>(cell.SolutionLetter.Chars[0])] = true;
            if (HasPlacedBlocks(kind)) {
                // The player's blocks must stand exactly on the puzzle's blocks.
                if (((f & CellFlag::PlacedBlock) != 0) != ((f & CellFlag::Block) != 0))
                    correct = false;
            } else if (IsWordSearch(kind)) {
                const bool marked = (f & CellFlag::PlayerMark) != 0;
                const bool block = (f & CellFlag::Block) != 0;
                if (marked == block) correct = false;
                continue;
            } else if (IsSudokuKind(kind)) {
                const Letter& entry = im.entry(c, r);
                if (IsBlankOrEmpty(entry)) {
                    correct = false;
                    complete = false;
                } else {
                    // Only the puzzle's own symbols can solve it; anything else reads as 0.
                    const int value = SymbolValue(entry.view());
                    if (value < 1 || value > columns || !SudokuAllows(im, value, c, r))
                        correct = false;
                }
                continue;
            }
            if (f & CellFlag::LetterCell) {
                const std::uint8_t state = puzzle.CheckState.at(c, r);
                if (state == CheckState::Blank) complete = false;
                if (state != CheckState::Filled) correct = false;
            }
        }
    }

    if (codeKind) {
        for (int i = 0; i < 26; ++i) {
            const WordRecord& w = im.Words[i];
            const char letter = static_cast<char>(w.CodeLetter & 0xFF);
            if (occurs[static_cast<unsigned char>(letter)] && !IsOneLetter(w.CodeGuess, letter))
                correct = false;
        }
    }

    if (correct && HasSolutionWord(kind) && !(im.SolutionWord == "@@@") &&
        !settings.LoesungswortVorgeben) {
        // The entered word is read by position: the player fills it out of order.
        for (std::size_t k = 0; k < im.SolutionWord.size(); ++k) {
            const char e = EnteredSolutionLetter(im, static_cast<int>(k));
            if (e == ' ')
                complete = false;
            else if (e != im.SolutionWord.Chars[k])
                correct = false;
        }
    }

    CompletionNotice notice;
    if (!complete) return notice;
    const std::uint8_t level = correct ? LevelSolved : LevelWrong;
    if (im.SolvedLevel >= level) return notice;
    im.SolvedLevel = level;

    if (level == LevelSolved) {
        notice.ShowMessage = true;
        notice.MessageKind = 1;
        notice.Message = SolvedText;
        if (IsTimedKind(kind)) {
            im.ClockRunning = 0;
            notice.RefreshStopwatch = true;
            // A time of 0 seconds was never measured: it is no best time, and
            // as BestSeconds it would read as "no best time" anyway.
            if (im.ElapsedSeconds > 0 &&
                (im.BestSeconds == 0 || im.ElapsedSeconds < im.BestSeconds)) {
                im.BestSeconds = im.ElapsedSeconds;
                notice.MessageKind = 2;
                notice.Message = BestTimeText;
            }
        }
    } else if (IsWordKind(kind)) {
        notice.ShowMessage = true;
        notice.MessageKind = 0;
        notice.Message = WrongText;
    }
    return notice;
}
