// pack: a one-puzzle player — the player's bytes, zeros up to the module
// offset, then the module block.
#include "Commands.h"

#include "Container.h"
#include "ContainerWriter.h"
#include "FileUtil.h"
#include "Picture.h"

#include <QImage>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {
int Fail(const std::string& message) {
    std::fprintf(stderr, "pack: %s\n", message.c_str());
    return 1;
}
} // namespace

int PackCommand(const Args& args) {
    std::string player, puzzleFile, settingsFile, pictureFile, out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "-o" && hasValue) out = args[++i];
        else if (a == "--settings" && hasValue) settingsFile = args[++i];
        else if (a == "--picture" && hasValue) pictureFile = args[++i];
        else if (player.empty()) player = a;
        else if (puzzleFile.empty()) puzzleFile = a;
        else return Fail("unexpected argument " + a);
    }
    if (player.empty() || puzzleFile.empty() || out.empty()) {
        std::fprintf(stderr, "usage: zoruvidedid-tool pack PLAYER PUZZLEFILE [--settings INI] "
                             "[--picture FILE] -o OUT\n");
        return 2;
    }
    auto playerBytes = ReadWholeFile(player);
    if (!playerBytes) return Fail("cannot read player " + player);
    if (static_cast<std::int64_t>(playerBytes->size()) >= ModuleOffset)
        return Fail("player " + player + " has " + std::to_string(playerBytes->size()) +
                    " bytes; it must end before byte " + std::to_string(ModuleOffset));

    // The puzzle file must load as the player would load it.
    auto puzzle = std::make_unique<Puzzle>();
    QImage decoded;
    std::uint8_t result = 0;
    try {
        result = LoadPuzzleFile(*puzzle, decoded, puzzleFile);
    } catch (const LoadError& e) {
        return Fail(e.what());
    }
    if (result != LoadResult::Loaded)
        return Fail("puzzle file " + puzzleFile + " does not load (result " +
                    std::to_string(result) + ")");
    auto fileBytes = ReadWholeFile(puzzleFile);
    if (!fileBytes) return Fail("cannot read " + puzzleFile);
    const PuzzleImage& image = puzzle->Image;

    std::string settings;
    if (!settingsFile.empty()) {
        auto text = ReadWholeFile(settingsFile);
        if (!text) return Fail("cannot read settings " + settingsFile);
        settings = WithCrLf(*text);
    }

    std::optional<StoredPicture> picture;
    if (!pictureFile.empty()) {
        auto data = ReadWholeFile(pictureFile);
        if (!data) return Fail("cannot read picture " + pictureFile);
        picture = StoredPicture{PictureKindOf(*data), *data};
    } else {
        const std::size_t behind = HeaderSize + sizeof(PuzzleImage);
        if (fileBytes->size() > behind + 1) {
            picture = StoredPicture{static_cast<unsigned char>((*fileBytes)[behind]),
                                    fileBytes->substr(behind + 1)};
        }
    }
    // In a module the generator's version inside the image decides.
    if (PictureFollows(image.CreatorVersion.view(), image)) {
        if (!picture) return Fail("the puzzle asks for a picture; give one with --picture");
        QImage check;
        if (!DecodePicture(picture->Kind, picture->Data, check))
            return Fail("the picture cannot be decoded");
    } else if (picture) {
        std::fprintf(stderr, "pack: the puzzle shows no picture; the picture is left out\n");
        picture.reset();
    }

    std::string bytes = std::move(*playerBytes);
    bytes.resize(static_cast<std::size_t>(ModuleOffset), '\0');
    bytes += ModuleBytes(image, settings, picture);
    std::string error;
    if (!WriteWholeFile(out, bytes, true, error)) return Fail(error);
    return 0;
}
