// zoruvidedid-tool: the command-line companion of the player.
#include "Commands.h"

#include "TextUtil.h"

#include <QtGlobal>

#include <cstdio>
#include <exception>
#include <new>

namespace {
void Usage() {
    std::fputs("Aufruf:\n"
               "  zoruvidedid-tool --version\n"
               "  zoruvidedid-tool info [--json] DATEI\n"
               "  zoruvidedid-tool pack PROGRAMM RAETSELDATEI [--settings INI] [--picture BILD] "
               "-o AUSGABE\n"
               "  zoruvidedid-tool compile QUELLE -o AUSGABE\n"
               "  zoruvidedid-tool render DATEI -o AUSGABE.png|.jpg|.bmp [--solution] [--scale N]\n"
               "  zoruvidedid-tool clues [--json] DATEI\n"
               "  zoruvidedid-tool print DATEI -o AUSGABE.pdf [--portrait] [--two-pages] "
               "[--legend-below]\n"
               "      [--mode lines|grey|colour] [--stretch] [--cell-size MM] [--margins LR,TB]\n"
               "      [--legend-font MM] [--copies N]\n",
               stderr);
}

int Run(const std::string& command, const Args& args) {
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
