// Reading a puzzle the way the tool's commands take it: a puzzle file by its
// header at the start, else a packed player with its module at the fixed offset.
#pragma once

#include "ForeignImport.h"
#include "PuzzleImage.h"
#include "Settings.h"

#include <QImage>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct LoadedInput {
    std::unique_ptr<Puzzle> P = std::make_unique<Puzzle>();
    Settings S; // the module's settings, or the defaults for a puzzle file
    QImage Picture;
    std::uint8_t Result = 0;
    bool Module = false;
    std::string HeaderVersion;
    std::string Error; // a file that exists but cannot be opened, or why a crossword was refused
    // A crossword of the public formats: its format and what the import lost.
    ForeignFormat Foreign = ForeignFormat::None;
    std::vector<std::string> Warnings;
};

// The key for locked Across Lite files, taken from "--key NNNN" by the command
// line before the command runs; every input read afterwards uses it.
void SetInputKey(int key);
// Removes "--key NNNN" from the arguments. False with a message when the key
// is not four digits or missing.
bool TakeKeyOption(std::vector<std::string>& args, int& key, std::string& error);

// The settings resolve system colours with `system` (the defaults without a palette).
// An imported crossword's warnings go to the error stream, naming the file.
LoadedInput LoadInput(const std::string& path, const SystemColours& system = {});

// For the commands that draw: a widgets application (so that the palette is
// the player's, offscreen unless a platform is set), the input loaded with
// it, then `draw`. A failed load is reported as "COMMAND: message" and gives 1.
int WithDrawingInput(const char* command, const std::string& path,
                     const std::function<int(LoadedInput&)>& draw);
