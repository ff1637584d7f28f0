// zoruvidedid-tool: the command-line companion of the player.
#include "Commands.h"


#include <cstdio>
#include <cstring>

namespace {
void Usage() {
    std::fputs("usage:\n"
               "  zoruvidedid-tool info [--json] FILE\n"
               "  zoruvidedid-tool pack PLAYER PUZZLEFILE [--settings INI] [--picture FILE] -o OUT\n"
               "  zoruvidedid-tool compile SOURCE -o OUT\n"
               "  zoruvidedid-tool render FILE -o OUT.png [--solution] [--scale N]\n",
               stderr);
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        Usage();
        return 2;
    }
    const std::string command = argv[1];
    Args args(argv + 2, argv + argc);
    if (command == "info") return InfoCommand(args);
    if (command == "pack") return PackCommand(args);
    if (command == "compile") return CompileCommand(args);
    if (command == "render") return RenderCommand(args);
    if (command == "clues") return CluesCommand(args);
    if (command == "--help" || command == "-h") {
        Usage();
        return 0;
    }
    std::fprintf(stderr, "unknown command: %s\n", command.c_str());
    Usage();
    return 2;
}
