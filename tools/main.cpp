// zoruvidedid-tool: the command-line companion of the player.
#include "Commands.h"
#include "LoadInput.h"

#include "TextUtil.h"

#include <QtGlobal>

#include <cstdio>
#include <exception>
#include <new>

namespace {
void Usage() {
    std::fputs("Aufruf:\n"
               "  zoruvidedid-tool --version\n"
               "  zoruvidedid-tool info [--key NNNN] [--json] DATEI\n"
               "  zoruvidedid-tool pack PROGRAMM RAETSELDATEI [--settings INI] [--picture BILD] "
               "-o AUSGABE\n"
               "  zoruvidedid-tool compile QUELLE -o AUSGABE\n"
               "  zoruvidedid-tool import [--key NNNN] EINGABE -o AUSGABE\n"
               "  zoruvidedid-tool render [--key NNNN] DATEI -o AUSGABE.png|.jpg|.bmp [--solution] "
               "[--scale N]\n"
               "  zoruvidedid-tool clues [--key NNNN] [--json] DATEI\n"
               "  zoruvidedid-tool print [--key NNNN] DATEI -o AUSGABE.pdf [--portrait] "
               "[--two-pages] "
               "[--legend-below]\n"
               "      [--mode lines|grey|colour] [--stretch] [--cell-size MM] [--margins LR,TB]\n"
               "      [--legend-font MM] [--copies N]\n"
               "DATEI und EINGABE dürfen auch Across-Lite- (.puz) und ipuz-Dateien sein; "
               "--key öffnet\n"
               "verschlüsselte Across-Lite-Dateien.\n",
               stderr);
}

int Run(const std::string& command, Args args) {
    // Every command that reads a puzzle takes the key of a locked crossword.
    if (command == "info" || command == "clues" || command == "render" || command == "print" ||
        command == "import") {
        int key = NoKey;
        std::string error;
        if (!TakeKeyOption(args, key, error)) {
            std::fprintf(stderr, "%s: %s\n", command.c_str(), error.c_str());
            return 2;
        }
        SetInputKey(key);
    }
    if (command == "import") return ImportCommand(args);
    if (command == "info") return InfoCommand(args);
    if (command == "pack") return PackCommand(args);
    if (command == "compile") return CompileCommand(args);
    if (command == "render") return RenderCommand(args);
    if (command == "clues") return CluesCommand(args);
    if (command == "print") return PrintCommand(args);
    if (command == "--help" || command == "-h") {
        Usage();
        return 0;
    }
    if (command == "--version") {
        std::fputs("zoruvidedid-tool " ZORU_VERSION "\n", stdout);
        return 0;
    }
    std::fprintf(stderr, "unbekannter Befehl: %s\n", EscapeControlChars(command).c_str());
    Usage();
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        Usage();
        return 2;
    }
    // The tool says in German what went wrong; the toolkit's own English notes
    // (a missing runtime folder, a painter on a bad device) are not for its users.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const std::string command = argv[1];
    const Args args(argv + 2, argv + argc);
    // The last safety net: the commands report their own errors by file, but
    // nothing may end in an abort.
    try {
        return Run(command, args);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "%s: nicht genug Speicher\n", EscapeControlChars(command).c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: unerwarteter Fehler: %s\n", EscapeControlChars(command).c_str(),
                     EscapeControlChars(e.what()).c_str());
    }
    return 1;
}
