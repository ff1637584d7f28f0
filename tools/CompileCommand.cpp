// compile: a puzzle file from its text description (see examples/README.md).
#include "Commands.h"

#include "Container.h"
#include "ContainerWriter.h"
#include "Cp1252.h"
#include "FileUtil.h"
#include "Picture.h"
#include "PuzzleBuilder.h"
#include "PuzzleSource.h"

#include <QImage>

#include <cstdio>
#include <filesystem>
#include <memory>

namespace {
void Report(const std::string& source, const std::vector<BuildMessage>& faults) {
    for (const BuildMessage& f : faults) {
        // Messages quote the source's words in the record's code page.
        const std::string text = Cp1252ToUtf8(f.Text);
        if (f.Line > 0)
            std::fprintf(stderr, "%s: line %d: %s\n", source.c_str(), f.Line, text.c_str());
        else
            std::fprintf(stderr, "%s: %s\n", source.c_str(), text.c_str());
    }
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "compile: %s\n", message.c_str());
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
            return Fail("unexpected argument " + args[i]);
    }
    if (source.empty() || out.empty()) {
        std::fprintf(stderr, "usage: zoruvidedid-tool compile SOURCE -o OUT\n");
        return 2;
    }
    const auto text = ReadWholeFile(source);
    if (!text) return Fail("cannot read " + source);

    PuzzleSource parsed = ParsePuzzleSource(*text);
    if (!parsed.Faults.empty()) {
        Report(source, parsed.Faults);
        return 1;
    }

    std::optional<StoredPicture> picture;
    if (!parsed.PicturePath.empty()) {
        namespace fs = std::filesystem;
        const fs::path path = fs::path(source).parent_path() / parsed.PicturePath;
        const auto data = ReadWholeFile(path.string());
        const int line = parsed.Layout.Lines.Picture;
        if (!data) {
            Report(source, {{line, "cannot read the picture " + path.string()}});
            return 1;
        }
        picture = StoredPicture{PictureKindOf(*data), *data};
        QImage check;
        if (!DecodePicture(picture->Kind, picture->Data, check)) {
            Report(source, {{line, "the picture " + path.string() + " is no JPEG or BMP file"}});
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
    std::string error;
    if (!WriteWholeFile(out, bytes, false, error)) return Fail(error);

    // The file must load as the player would load it.
    auto check = std::make_unique<Puzzle>();
    QImage decoded;
    try {
        const std::uint8_t result = LoadPuzzleFile(*check, decoded, out);
        if (result != LoadResult::Loaded)
            return Fail(out + " does not load (result " + std::to_string(result) + ")");
    } catch (const LoadError& e) {
        return Fail(e.what());
    }
    std::printf("%s: %s, %d x %d, %d words\n", out.c_str(),
                Cp1252ToUtf8(KindName(image.PuzzleKind)).c_str(), image.ColumnCount, image.RowCount,
                image.WordCount);
    return 0;
}
