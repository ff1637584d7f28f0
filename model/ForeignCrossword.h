// What both foreign readers hand to the one routine that lays a crossword out
// in the record: the grid as the file has it, texts still in UTF-8.
#pragma once

#include "ForeignImport.h"

#include <cstdint>
#include <string>
#include <vector>

struct ForeignCell {
    bool Block = false;
    bool Circled = false;
    std::string Solution; // UTF-8; more than one character is a rebus
    std::string Entered;  // the player's entry as the file has it (UTF-8), or empty
};

struct ForeignClue {
    int Number = 0; // 0: the clues are in word order (Across Lite)
    bool Across = true;
    std::string Text; // UTF-8
};

struct ForeignCrossword {
    int Width = 0, Height = 0;
    std::vector<ForeignCell> Cells; // reading order
    std::vector<ForeignClue> Clues;
    bool CluesInWordOrder = false;
    std::string Title, Author, Copyright, Notes, Intro; // UTF-8
    std::string Version;                                // e.g. "puz 1.3"
    std::uint16_t ElapsedSeconds = 0;

    ForeignCell& at(int c, int r) {
        return Cells[static_cast<std::size_t>((r - 1) * Width + (c - 1))];
    }
    const ForeignCell& at(int c, int r) const {
        return Cells[static_cast<std::size_t>((r - 1) * Width + (c - 1))];
    }
};

// Lays the crossword out as kind 0; warnings already in `outcome` are kept.
void BuildForeignCrossword(const ForeignCrossword& source, Puzzle& puzzle, ImportOutcome& outcome);

// Sizes the record cannot hold, as a refusal; empty when they fit.
std::string GridSizeRefusal(int width, int height);

// A text of the file (UTF-8) for a field of `capacity` code page 1252
// characters: characters the code page lacks become '?', a text too long is
// shortened at a word boundary with "…"; both are reported, naming `what`.
std::string RecordText(std::string_view utf8, std::size_t capacity, const std::string& what,
                       std::vector<std::string>& warnings);

// The puzzle in the one state every import starts from: every byte zero, then reset.
void StartImport(Puzzle& puzzle);

// "Zeile 1, Spalte 3" for messages.
std::string FieldName(int c, int r);
