// The player's start: its windows in their fixed order, and the report made
// when there is no screen to show them on.
#pragma once

#include <string>
#include <vector>

struct PuzzleSession;
class TRMMainForm;

struct PlayerWindows {
    TRMMainForm* Frame = nullptr;
};

// What the command line asks for. --help and --version are the only options;
// "--" ends them, and every other argument is part of the puzzle file name,
// joined as before.
struct CommandLine {
    enum class Action { Play, Usage, Version };
    Action What = Action::Play;
    std::vector<std::string> Parameters;
};
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);
// The short German usage and the "zoruvidedid <version>" line, each ending in a newline.
std::string UsageText();
std::string VersionText();

// The frame; the properties dialog is made when it is first asked for and the
// hints window when the first hint shows. Nothing is loaded yet: the frame loads once it is shown
// and its start-up message is handled.
PlayerWindows CreatePlayerWindows(PuzzleSession& session, std::vector<std::string> parameters);

// German for everything Qt itself shows (message-box buttons, the board
// window's system menu and title-bar tips) whatever the user's locale, and a
// German locale for dates and numbers. Call once the application object
// exists. Returns whether Qt's German translations were found.
bool UseGermanLanguage();

// Whether a window system is there to show the player on. The offscreen
// platform counts as none: nobody could see or close the window.
bool DisplayAvailable();
// Loads as the player would and reports on the error stream what it found.
// Returns the process exit code.
int ReportWithoutDisplay(const std::vector<std::string>& parameters);
