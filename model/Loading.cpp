#include "Loading.h"

#include "Container.h"
#include "Settings.h"

#include <QImage>

namespace {
std::string_view TrimControls(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) s.remove_suffix(1);
    return s;
}
} // namespace

std::string JoinCommandLine(const std::vector<std::string>& parameters) {
    std::string joined;
    for (const std::string& p : parameters) {
        std::string_view s = p;
        while (!s.empty() && s.front() == '"') s.remove_prefix(1);
        while (!s.empty() && s.back() == '"') s.remove_suffix(1);
        joined += TrimControls(s);
        joined += ' ';
    }
    return std::string(TrimControls(joined));
}

LoadOutcome LoadPuzzleFrom(Puzzle& puzzle, Settings& settings, QImage& picture,
                           const std::vector<std::string>& parameters,
                           const std::string& executablePath, int key) {
    LoadOutcome out;
    if (parameters.empty()) {
        out.FileName = executablePath;
        out.Result = LoadModule(puzzle, settings, picture, executablePath, &out.PictureBytes);
    } else {
        out.FileName = JoinCommandLine(parameters);
        out.Result =
            LoadPuzzleFile(puzzle, picture, out.FileName, out.Foreign, key, &out.PictureBytes);
        // A puzzle file carries no settings.
        SetDefaultSettings(settings, puzzle.Image);
    }
    return out;
}

std::string LoadFailureMessage(std::uint8_t result, const std::string& fileName) {
    if (LoadSucceeded(result)) return {};
    if (result == LoadResult::NotAPuzzle)
        return "In der Datei \"" + fileName +
               "\" ist kein bekanntes R\xC3\xA4tselformat gespeichert!";
    return "Aus der Datei \"" + fileName + "\" konnte nicht gelesen werden!";
}

std::string LoadFailureMessage(const LoadOutcome& outcome) {
    if (outcome.Result == LoadResult::Refused && !outcome.Foreign.Refusal.empty())
        return "Das Rätsel in der Datei \"" + outcome.FileName +
               "\" kann nicht gespielt werden: " + outcome.Foreign.Refusal;
    return LoadFailureMessage(outcome.Result, outcome.FileName);
}
