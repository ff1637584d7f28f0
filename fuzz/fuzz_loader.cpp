// Arbitrary bytes as a puzzle file and as the module block behind a player.
#include "Container.h"
#include "Settings.h"

#include <QImage>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {
std::string Scratch(const char* tag) {
    return "/tmp/zoru-fuzz-" + std::to_string(::getpid()) + "-" + tag;
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto puzzle = std::make_unique<Puzzle>();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    QImage picture;
    const std::string file = Scratch("file");
    Write(file, bytes);
    (void)LoadPuzzleFile(*puzzle, picture, file);

    // The same bytes as a module: the player's own part is only zeros.
    std::string exe(static_cast<std::size_t>(ModuleOffset), '\0');
    exe += bytes;
    const std::string module = Scratch("module");
    Write(module, exe);
    Settings settings;
    (void)LoadModule(*puzzle, settings, picture, module);
    std::remove(file.c_str());
    std::remove(module.c_str());
    return 0;
}
