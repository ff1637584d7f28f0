// Where the puzzle of a run comes from, and what the user is told when it fails.
#pragma once

#include "ForeignImport.h"

#include <cstdint>
#include <string>
#include <vector>

class QImage;
struct Puzzle;
struct Settings;

// All command-line parameters as one file name: quotes and control characters
// stripped from each, single blanks between (a path split at blanks is rejoined).
std::string JoinCommandLine(const std::vector<std::string>& parameters);

struct LoadOutcome {
    std::uint8_t Result = 0;
    std::string FileName;     // the file that was read: own executable or the named file
    std::string PictureBytes; // the picture as read: its kind byte and data (empty: none)
    // A crossword of the public formats: what was lost (German), the notes to
    // show when it opens, or why it was refused; the status tells a locked file.
    ImportOutcome Foreign;
};

// No parameters: the module of the executable. Otherwise the named puzzle
// file, then the default settings. Throws LoadError as LoadPuzzleFile does.
LoadOutcome LoadPuzzleFrom(Puzzle& puzzle, Settings& settings, QImage& picture,
                           const std::vector<std::string>& parameters,
                           const std::string& executablePath, int key = NoKey);

inline bool LoadSucceeded(std::uint8_t result) {
    return result == 4 || result == 5;
}

// The German message box text for a failed load (UTF-8), empty on success.
std::string LoadFailureMessage(std::uint8_t result, const std::string& fileName);
// The same for a whole outcome: a refused crossword names its reason.
std::string LoadFailureMessage(const LoadOutcome& outcome);
