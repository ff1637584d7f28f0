// Where the puzzle of a run comes from, and what the user is told when it fails.
#pragma once

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
};

// No parameters: the module of the executable. Otherwise the named puzzle
// file, then the default settings. Throws LoadError as LoadPuzzleFile does.
LoadOutcome LoadPuzzleFrom(Puzzle& puzzle, Settings& settings, QImage& picture,
                           const std::vector<std::string>& parameters,
                           const std::string& executablePath);

inline bool LoadSucceeded(std::uint8_t result) {
    return result == 4 || result == 5;
}

// The German message box text for a failed load (UTF-8), empty on success.
std::string LoadFailureMessage(std::uint8_t result, const std::string& fileName);
