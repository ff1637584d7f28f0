// compile: a puzzle file from its text description (see examples/README.md).
#include "Commands.h"

#include "Container.h"
#include "ContainerWriter.h"
#include "Cp1252.h"
#include "FileUtil.h"
#include "Loading.h"
#include "Picture.h"
#include "PuzzleBuilder.h"
#include "PuzzleSource.h"
#include "TextUtil.h"

#include <QImage>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>

namespace {
void Report(const std::string& source, const std::vector<BuildMessage>& faults) {
    for (const BuildMessage& f : faults) {
        const std::string where =
            f.Line > 0 ? source + ": Zeile " + std::to_string(f.Line) : source;
        std::fprintf(stderr, "%s: %s\n", EscapeControlChars(where).c_str(),
                     EscapeControlChars(f.Text).c_str());
    }
}

int Fail(const std::string& message) {
    Complain("compile", message);
    return 1;
}
} // namespace

int CompileCommand(const Args& args) {
    std::string source, out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size())
            out = args[++i];
        else if (source.empty())
            source = args[i];
        else
            return Fail("unerwartetes Argument \"" + args[i] + "\"");
    }
    if (source.empty() || out.empty()) {
        std::fprintf(stderr, "Aufruf: zoruvidedid-tool compile QUELLE -o AUSGABE\n");
        return 2;
    }
    const FileRead text = ReadInputFile(source, ReadLimit::SourceText);
    if (!text.ok()) return Fail(text.Error);

    PuzzleSource parsed = ParsePuzzleSource(text.Bytes);
    if (!parsed.Faults.empty()) {
        Report(source, parsed.Faults);
        return 1;
    }

    std::optional<StoredPicture> picture;
    std::string picturePath;
    if (!parsed.PicturePath.empty()) {
        namespace fs = std::filesystem;
        picturePath = (fs::path(source).parent_path() / parsed.PicturePath).string();
        const std::string& path = picturePath;
        const FileRead data = ReadInputFile(path, ReadLimit::Picture);
        const int line = parsed.Layout.Lines.Picture;
        if (!data.ok()) {
            Report(source, {{line, data.Error}});
            return 1;
        }
        picture = StoredPicture{PictureKindOf(data.Bytes), data.Bytes};
        QImage check;
        if (!DecodePicture(picture->Kind, picture->Data, check)) {
            Report(source,
                   {{line, "das Bild \"" + path + "\" ist keine lesbare JPEG- oder BMP-Datei"}});
            return 1;
        }
    }

    auto puzzle = std::make_unique<Puzzle>();
    const std::vector<BuildMessage> faults = BuildPuzzle(parsed.Layout, *puzzle);
    if (!faults.empty()) {
        Report(source, faults);
        return 1;
    }
    const PuzzleImage& image = puzzle->Image;
    const std::string bytes = PuzzleFileBytes(image, image.CreatorVersion.view(), picture);
    if (const std::string refused = OutputIsInput(out, {source, picturePath}); !refused.empty())
        return Fail(refused);
    std::string error;
    if (!WriteWholeFile(out, bytes, false, error)) return Fail(error);

    // The file must load as the player would load it.
    auto check = std::make_unique<Puzzle>();
    QImage decoded;
    try {
        const std::uint8_t result = LoadPuzzleFile(*check, decoded, out);
        if (result != LoadResult::Loaded) return Fail(LoadFailureMessage(result, out));
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
    std::printf("%s: %s, %d × %d Felder, %d Begriffe\n", EscapeControlChars(out).c_str(),
                Cp1252ToUtf8(KindName(image.PuzzleKind)).c_str(), image.ColumnCount, image.RowCount,
                image.WordCount);
    return 0;
}
