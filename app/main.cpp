// Program entry. Until the main frame exists, the player loads its puzzle and
// reports what it loaded on the error stream.
#include "Container.h"
#include "Cp1252.h"
#include "Loading.h"
#include "PuzzleImage.h"
#include "Settings.h"

#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {
bool DisplayAvailable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return std::string(platform) != "offscreen";
    const char* x = std::getenv("DISPLAY");
    const char* w = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (w && *w);
}
} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> parameters(argv + 1, argv + argc);
    auto puzzle = std::make_unique<Puzzle>();
    Settings settings;
    SetDefaultSettings(settings, puzzle->Image);
    QImage picture;
    LoadOutcome outcome;
    try {
        outcome = LoadPuzzleFrom(*puzzle, settings, picture, parameters, OwnExecutablePath());
    } catch (const LoadError& e) {
        std::fprintf(stderr, "Fehler: %s\n", e.what());
        return 1;
    }
    if (!DisplayAvailable())
        std::fprintf(stderr, "Kein Bildschirm verfügbar: das Rätsel wird nicht angezeigt.\n");
    if (!LoadSucceeded(outcome.Result)) {
        std::fprintf(stderr, "%s\n", LoadFailureMessage(outcome.Result, outcome.FileName).c_str());
        return 1;
    }
    const PuzzleImage& image = puzzle->Image;
    std::fprintf(stderr, "Geladen: %s (%d \xC3\x97 %d, %d Begriffe) \"%s\"\n",
                 Cp1252ToUtf8(KindName(image.PuzzleKind)).c_str(), image.ColumnCount,
                 image.RowCount, image.WordCount, Cp1252ToUtf8(image.PuzzleTitle.view()).c_str());
    return 0;
}
