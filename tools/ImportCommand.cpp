// import: an Across Lite or ipuz crossword (or ipuz Sudoku) as a puzzle file of our own.
#include "Commands.h"

#include "Container.h"
#include "ContainerWriter.h"
#include "Cp1252.h"
#include "LoadInput.h"
#include "Loading.h"
#include "TextUtil.h"

#include <QSaveFile>
#include <QString>

#include <cstdio>
#include <filesystem>
#include <memory>

namespace {
int Fail(const std::string& message) {
    std::fprintf(stderr, "import: %s\n", EscapeControlChars(message).c_str());
    return 1;
}

// The same file, also through links or another spelling of the path.
bool SameFile(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    const fs::path x = fs::weakly_canonical(a, ec);
    if (ec) return false;
    const fs::path y = fs::weakly_canonical(b, ec);
    return !ec && x == y;
}

// Whole or not at all: the file appears only once every byte is written.
bool WriteAtomically(const std::string& path, const std::string& bytes, std::string& error) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        error =
            "\"" + path + "\" kann nicht geschrieben werden: " + file.errorString().toStdString();
        return false;
    }
    return true;
}
} // namespace

int ImportCommand(const Args& args) {
    std::string input, out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size())
            out = args[++i];
        else if (input.empty())
            input = args[i];
        else
            return Fail("unerwartetes Argument \"" + args[i] + "\"");
    }
    if (input.empty() || out.empty()) {
        std::fprintf(stderr, "Aufruf: zoruvidedid-tool import [--key NNNN] EINGABE -o AUSGABE\n");
        return 2;
    }
    if (SameFile(input, out))
        return Fail("die Ausgabe \"" + out +
                    "\" ist die Eingabe selbst; sie wird nicht überschrieben");

    LoadedInput l = LoadInput(input);
    if (l.Result == LoadResult::Loaded && l.Foreign == ForeignFormat::None)
        return Fail("\"" + input + "\" ist weder eine Across-Lite- noch eine ipuz-Datei");
    if (l.Result != LoadResult::Loaded)
        return Fail(l.Error.empty() ? LoadFailureMessage(l.Result, input) : l.Error);

    const PuzzleImage& image = l.P->Image;
    const std::string bytes = PuzzleFileBytes(image, image.CreatorVersion.view());
    std::string error;
    if (!WriteAtomically(out, bytes, error)) return Fail(error);
    std::printf("%s: %s, %d × %d Felder, %d Begriffe\n", EscapeControlChars(out).c_str(),
                Cp1252ToUtf8(KindName(image.PuzzleKind)).c_str(), image.ColumnCount, image.RowCount,
                image.WordCount);
    return 0;
}
