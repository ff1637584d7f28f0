#include "LoadInput.h"

#include "Container.h"
#include "FileRead.h"
#include "Loading.h"
#include "SystemPalette.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>

namespace {
bool HeaderAt(std::string_view bytes, std::int64_t offset, char (&header)[HeaderSize]) {
    if (static_cast<std::int64_t>(bytes.size()) < offset + HeaderSize) return false;
    bytes.copy(header, HeaderSize, static_cast<std::size_t>(offset));
    return IsPuzzleHeader(header);
}
} // namespace

LoadedInput LoadInput(const std::string& path, const SystemColours& system) {
    LoadedInput l;
    l.S.System = system;
    SetDefaultSettings(l.S, l.P->Image);
    // Read once: a pipe cannot be asked twice for where the puzzle starts.
    FileReadLimits limits;
    limits.MaxBytes = ModuleOffset + MaxModuleBytes;
    limits.KeepPrefix = true;
    const FileReadResult read = ReadFileBounded(path, limits);
    switch (read.Status) {
    case FileReadStatus::Ok:
    case FileReadStatus::TooLarge:
        break;
    case FileReadStatus::Missing:
        l.Result = LoadResult::FileMissing;
        return l;
    case FileReadStatus::IsDirectory:
        l.Result = LoadResult::ReadError;
        l.Error = "\"" + path + "\" ist ein Verzeichnis, keine Datei.";
        return l;
    case FileReadStatus::CannotOpen:
        l.Result = LoadResult::ReadError;
        l.Error = FileReadMessage(read, path, limits);
        return l;
    default:
        l.Result = LoadResult::ReadError;
        return l;
    }
    const std::string_view bytes = read.Bytes;
    const bool more = read.Status == FileReadStatus::TooLarge;
    char header[HeaderSize];
    try {
        if (!HeaderAt(bytes, 0, header) && HeaderAt(bytes, ModuleOffset, header)) {
            l.Module = true;
            l.HeaderVersion = HeaderVersionText(header);
            l.Result = LoadModuleFromBytes(
                *l.P, l.S, l.Picture, bytes.substr(static_cast<std::size_t>(ModuleOffset)), more);
        } else {
            const bool cut = more || static_cast<std::int64_t>(bytes.size()) > MaxPuzzleFileBytes;
            l.Result = LoadPuzzleFileFromBytes(
                *l.P, l.Picture, bytes.substr(0, static_cast<std::size_t>(MaxPuzzleFileBytes)),
                cut);
            if (l.Result == LoadResult::Loaded) l.HeaderVersion = HeaderVersionText(header);
            SetDefaultSettings(l.S, l.P->Image);
        }
    } catch (const std::exception&) {
        // The library's own texts are English and say little; ours names the file.
        l.Result = LoadResult::ReadError;
        l.Error = LoadFailureMessage(LoadResult::ReadError, path);
    }
    return l;
}

int WithDrawingInput(const char* command, const std::string& path,
                     const std::function<int(LoadedInput&)>& draw) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zoruvidedid-tool";
    static char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    LoadedInput l = LoadInput(path, SystemColoursFromPalette());
    if (l.Result != LoadResult::Loaded) {
        const std::string message = l.Error.empty() ? LoadFailureMessage(l.Result, path) : l.Error;
        std::fprintf(stderr, "%s: %s\n", command, message.c_str());
        return 1;
    }
    return draw(l);
}
