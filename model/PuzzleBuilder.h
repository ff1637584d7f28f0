// Laying out a puzzle the way the generator does: from a grid of letters (or
// Sudoku symbols), the words' clues and the descriptive texts to the filled
// record — cell numbers, word table, code table, solution-word cells, givens.
// Used by the tool's compile command and by tests that need real puzzles.
#pragma once

#include "PuzzleImage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Rows of one character per cell, with the source line of each row (0 = none).
struct GridLayer {
    std::vector<std::string> Rows;
    std::vector<int> Lines;
    bool empty() const { return Rows.empty(); }
};

// One line of the word list: a clue for a word of the grid, or (word search)
// a word to hide. Texts in code page 1252; the word is normalised like typed
// words (upper case, umlauts folded).
struct ClueLine {
    std::string Word;
    std::string Clue;
    int Direction = -1; // -1 either, else Direction::Across or Direction::Down
    int Line = 0;
};

struct PictureCells {
    int Left = 0, Top = 0, Right = 0, Bottom = 0; // inclusive, 1-based
};

namespace PictureFit {
constexpr std::uint8_t None = 0;
constexpr std::uint8_t Width = 4;
constexpr std::uint8_t Height = 8;
constexpr std::uint8_t Stretch = 12;
} // namespace PictureFit

// Source lines of the single-valued fields, for the messages (0 = none).
struct LayoutLines {
    int Kind = 0, Title = 0, Author = 0, Comment = 0, Version = 0, Difficulty = 0;
    int SolutionWord = 0, SolutionClue = 0, SolutionCells = 0, Picture = 0, Code = 0;
    int ReverseDrop = 0, BestSeconds = 0;
};

// Everything a puzzle is made of. Texts are code page 1252.
struct PuzzleLayout {
    int Kind = 0;
    std::string Title, Author, Comment;
    std::string Version = "7.46";
    int Difficulty = 0;
    std::uint8_t AllowedAids = AidFlag::MarkWrong | AidFlag::InsertLetter | AidFlag::ShowSolution;
    int Language = 1;
    bool ShowSolutionPositions = false;
    bool ReverseDropAllowed = false;
    std::uint16_t BestSeconds = 0;

    // 'A'..'Z' letter cells, '#' blocks; Sudoku kinds: the solved symbols.
    GridLayer Grid;
    // Sudoku kinds: the given symbols, '.' where nothing is given.
    GridLayer Givens;
    // Entries the player finds already filled, '.' where none.
    GridLayer Entries;

    std::string SolutionWord; // empty: taken from the solution cells, or none
    std::string SolutionClue;
    std::vector<std::pair<int, int>> SolutionCells; // (column, row) of positions 1, 2, ...

    std::optional<PictureCells> Picture;
    std::uint8_t PictureFitFlags = PictureFit::Stretch;

    std::string CodeLetters; // kinds 2, 3: the letter of code 0..25; empty = shuffled

    std::vector<ClueLine> Clues;
    LayoutLines Lines;
};

struct BuildMessage {
    int Line = 0;     // 0 when the fault has no line of its own
    std::string Text; // German, UTF-8
};

// Fills the puzzle from the layout (after resetting it). Returns the faults
// found; the puzzle is only meaningful when there are none.
std::vector<BuildMessage> BuildPuzzle(const PuzzleLayout& layout, Puzzle& puzzle);

// Solutions of a Sudoku grid ('.' = open) up to the limit; -1 when the search
// gave up before deciding.
int CountSudokuSolutions(const std::vector<std::string>& rows, int limit);
// The one solution of a Sudoku grid ('.' = open), or nothing when there is
// none, more than one, or the search gave up.
std::vector<std::string> SolveSudoku(const std::vector<std::string>& rows);
