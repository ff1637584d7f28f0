// The text form in which puzzles are written by hand for the compile command:
// "key: value" lines, grid blocks of one character per cell and a word list.
#pragma once

#include "PuzzleBuilder.h"

#include <string>
#include <string_view>
#include <vector>

struct PuzzleSource {
    PuzzleLayout Layout;     // texts already in code page 1252
    std::string PicturePath; // as written, relative to the source file
    std::vector<BuildMessage> Faults;
};

// Parses UTF-8 source text. Faults name the line they were found on.
PuzzleSource ParsePuzzleSource(std::string_view utf8);

// The kind code for a number or a name such as "schwedenraetsel mit loesungswort"
// (umlauts, blanks and case do not matter); -1 when unknown.
int KindFromName(std::string_view text);
