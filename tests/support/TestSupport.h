// Helpers shared by the tests: temp files, fixture images, running the tool.
#pragma once

#include "PuzzleImage.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

// A fresh puzzle in the reset state.
std::unique_ptr<Puzzle> NewPuzzle();

// A puzzle of the given kind from rows of text, one character per cell:
// '#' a block, ' ' or '.' an empty non-letter cell, anything else a letter
// cell with that solution letter (code page 1252). No numbers or words yet.
std::unique_ptr<Puzzle> GridPuzzle(int kind, const std::vector<std::string>& rows);

// A valid 9 x 9 Sudoku (kind 14) with the givens marked where mask has '1'.
std::unique_ptr<Puzzle> Sudoku9(const std::string& givenMask = std::string(81, '0'));

// Writes bytes into a file under the test's temp dir and returns its path.
std::string WriteTemp(const std::string& name, const std::string& bytes);
std::string TempDir();

struct ToolRun {
    int ExitCode = -1;
    QByteArray Out;
    QByteArray Err;
};
// Runs zoruvidedid-tool (path from ZORU_TOOL) with the arguments.
ToolRun RunTool(const QStringList& args);

// Numbers the words of a grid the way a generator would for a test: every run of
// two or more non-block cells across or down becomes a word, numbered in reading
// order, with its solution letters as WordText. Returns the number of words.
int NumberWords(Puzzle& puzzle);

// A valid n x n Sudoku (n = 4, 6, 8, 9 or 12) of the given kind, no givens, all blank.
std::unique_ptr<Puzzle> SudokuOfSize(int n, int kind = 14);

// An Across Lite file built the way the format describes it, checksums
// computed; `key` (1000..9999) locks the solution.
struct PuzSpec {
    int Width = 0, Height = 0;
    std::string Solution; // reading order, '.' blocks
    std::string Player;   // empty: '-' for every letter cell
    std::string Version = "1.3";
    std::string Title, Author, Copyright, Notes;
    std::vector<std::string> Clues; // word order
    std::string Sections;           // extra sections as PuzSection gives them
    int Key = 0;
    std::string Before; // stray bytes before the header
};
std::string PuzBytes(const PuzSpec& spec);
std::string PuzSection(const std::string& name, const std::string& data);
std::uint16_t PuzChecksum(const std::string& region, std::uint16_t start = 0);
