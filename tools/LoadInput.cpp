#include "LoadInput.h"

#include "Container.h"
#include "FileRead.h"
#include "FileUtil.h"
#include "Loading.h"
#include "SystemPalette.h"
#include "TextUtil.h"

#include <QGuiApplication>

#include <exception>

namespace {
int InputKey = NoKey;

bool HeaderAt(std::string_view bytes, std::int64_t offset, char (&header)[HeaderSize]) {
    if (static_cast<std::int64_t>(bytes.size()) < offset + HeaderSize) return false;
    bytes.copy(header, HeaderSize, static_cast<std::size_t>(offset));
    return IsPuzzleHeader(header);
}
} // namespace

void SetInputKey(int key) {
    InputKey = key;
}

bool TakeKeyOption(std::vector<std::string>& args, int& key, std::string& error) {
    key = NoKey;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--key") continue;
        if (i + 1 >= args.size() || ParseUnlockKey(args[i + 1]) == NoKey) {
            error = "--key braucht einen Schlüssel aus vier Ziffern";
            return false;
        }
        key = ParseUnlockKey(args[i + 1]);
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        --i;
    }
    return true;
}

LoadedInput LoadInput(const std::string& path, const SystemColours& system) {
    LoadedInput l;
    l.S.System = system;
    SetDefaultSettings(l.S, l.P->Image);
    // Read once: a pipe cannot be asked twice for where the puzzle starts.
    FileReadLimits limits;
    limits.MaxBytes = ModuleOffset + MaxModuleBytes;
    limits.KeepPrefix = true;
    // A puzzle file's header at the start, else a module's at its offset; no
    // more is read when neither is there.
    limits.Wanted = [](std::string_view b) {
        const std::int64_t atStart = WantedByHeaderAt(b, 0);
        return atStart >= 0 ? atStart : WantedByHeaderAt(b, ModuleOffset);
    };
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
        const bool own = HeaderAt(bytes, 0, header);
        if (!own && HeaderAt(bytes, ModuleOffset, header)) {
            l.Module = true;
            l.HeaderVersion = HeaderVersionText(header);
            l.Result = LoadModuleFromBytes(
                *l.P, l.S, l.Picture, bytes.substr(static_cast<std::size_t>(ModuleOffset)), more);
        } else if (!own && SniffForeignFormat(bytes) != ForeignFormat::None) {
            ImportOutcome foreign = ImportForeignPuzzle(*l.P, bytes, InputKey);
            l.Foreign = SniffForeignFormat(bytes);
            l.Warnings = foreign.Warnings;
            if (foreign.ok()) {
                l.Result = LoadResult::Loaded;
                l.HeaderVersion = l.P->Image.CreatorVersion.str();
                for (const std::string& w : l.Warnings)
                    std::fprintf(stderr, "%s: %s\n", EscapeControlChars(path).c_str(),
                                 EscapeControlChars(w).c_str());
            } else {
                l.Result = LoadResult::Refused;
                l.Error = EscapeControlChars(foreign.Refusal);
            }
            SetDefaultSettings(l.S, l.P->Image);
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
        Complain(command, message);
        return 1;
    }
    return draw(l);
}
