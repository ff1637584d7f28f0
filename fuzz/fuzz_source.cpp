// Arbitrary text through the compile command's source reader and the builder;
// whatever they accept must load as the player loads it.
#include "Container.h"
#include "ContainerWriter.h"
#include "PuzzleBuilder.h"
#include "PuzzleSource.h"

#include <QImage>

#include <cstdint>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto built = std::make_unique<Puzzle>();
    static auto loaded = std::make_unique<Puzzle>();
    const PuzzleSource source =
        ParsePuzzleSource(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!source.Faults.empty()) return 0;
    if (!BuildPuzzle(source.Layout, *built).empty()) return 0;
    // A picture is read from its own file; without it the flag cannot load.
    if (!source.PicturePath.empty()) return 0;
    const PuzzleImage& im = built->Image;
    const std::string bytes = PuzzleFileBytes(im, im.CreatorVersion.view());
    QImage picture;
    if (LoadPuzzleFileFromBytes(*loaded, picture, bytes) != LoadResult::Loaded) __builtin_trap();
    return 0;
}
