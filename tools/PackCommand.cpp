// pack: a one-puzzle player — the player's bytes, zeros up to the module
// offset, then the module block.
#include "Commands.h"

#include "Container.h"
#include "ContainerWriter.h"
#include "FileUtil.h"
#include "Loading.h"
#include "Picture.h"
#include "SettingsText.h"

#include <QImage>

#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>

namespace {
int Fail(const std::string& message) {
    Complain("pack", message);
    return 1;
}

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

// Largest puzzle file: header, image, kind byte and the largest picture.
constexpr std::size_t PuzzleFileLimit = HeaderSize + sizeof(PuzzleImage) + 1 + ReadLimit::Picture;
} // namespace

int PackCommand(const Args& args) {
    std::string player, puzzleFile, settingsFile, pictureFile, out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "-o" && hasValue)
            out = args[++i];
        else if (a == "--settings" && hasValue)
            settingsFile = args[++i];
        else if (a == "--picture" && hasValue)
            pictureFile = args[++i];
        else if (player.empty())
            player = a;
        else if (puzzleFile.empty())
            puzzleFile = a;
        else
            return Fail("unerwartetes Argument " + Quoted(a));
    }
    if (player.empty() || puzzleFile.empty() || out.empty()) {
        std::fprintf(stderr, "Aufruf: zoruvidedid-tool pack PROGRAMM RAETSELDATEI "
                             "[--settings INI] [--picture BILD] -o AUSGABE\n");
        return 2;
    }
    if (const std::string refused =
            OutputIsInput(out, {player, puzzleFile, settingsFile, pictureFile});
        !refused.empty())
        return Fail(refused);
    const auto limit = static_cast<std::size_t>(ModuleOffset) - 1;
    FileRead playerBytes = ReadInputFile(player, limit);
    if (playerBytes.TooLarge)
        return Fail("das Programm " + Quoted(player) + " ist zu groß; es muss vor Byte " +
                    std::to_string(ModuleOffset) + " enden");
    if (!playerBytes.ok()) return Fail(playerBytes.Error);

    const FileRead fileBytes = ReadInputFile(puzzleFile, PuzzleFileLimit);
    if (!fileBytes.ok()) return Fail(fileBytes.Error);
    // The puzzle file must load as the player would load it.
    auto puzzle = std::make_unique<Puzzle>();
    QImage decoded;
    std::uint8_t result = 0;
    try {
        result = LoadPuzzleFile(*puzzle, decoded, puzzleFile);
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
    if (result != LoadResult::Loaded) return Fail(LoadFailureMessage(result, puzzleFile));
    const PuzzleImage& image = puzzle->Image;

    std::string settings;
    if (!settingsFile.empty()) {
        const FileRead text = ReadInputFile(settingsFile, ReadLimit::SettingsText);
        if (!text.ok()) return Fail(text.Error);
        std::string error;
        if (!SettingsBlockFromUtf8(text.Bytes, settings, error))
            return Fail(Quoted(settingsFile) + ": " + error);
    }

    std::optional<StoredPicture> picture;
    if (!pictureFile.empty()) {
        const FileRead data = ReadInputFile(pictureFile, ReadLimit::Picture);
        if (!data.ok()) return Fail(data.Error);
        picture = StoredPicture{PictureKindOf(data.Bytes), data.Bytes};
    } else {
        const std::size_t behind = HeaderSize + sizeof(PuzzleImage);
        if (fileBytes.Bytes.size() > behind + 1) {
            picture = StoredPicture{static_cast<unsigned char>(fileBytes.Bytes[behind]),
                                    fileBytes.Bytes.substr(behind + 1)};
        }
    }
    // In a module the generator's version inside the image decides.
    if (PictureFollows(image.CreatorVersion.view(), image)) {
        if (!picture) return Fail("das Rätsel verlangt ein Bild; bitte mit --picture angeben");
        QImage check;
        if (!DecodePicture(picture->Kind, picture->Data, check))
            return Fail("das Bild ist keine lesbare JPEG- oder BMP-Datei");
    } else if (picture) {
        std::fprintf(stderr, "pack: das Rätsel zeigt kein Bild; das Bild wird weggelassen\n");
        picture.reset();
    }

    std::string bytes = std::move(playerBytes.Bytes);
    bytes.resize(static_cast<std::size_t>(ModuleOffset), '\0');
    bytes += ModuleBytes(image, settings, picture);
    std::string error;
    if (!WriteWholeFile(out, bytes, true, error)) return Fail(error);
    return 0;
}
