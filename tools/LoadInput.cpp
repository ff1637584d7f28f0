#include "LoadInput.h"

#include "Container.h"
#include "Loading.h"

#include <exception>
#include <filesystem>
#include <fstream>

namespace {
bool HeaderAt(const std::string& path, std::int64_t offset, char (&header)[HeaderSize]) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.seekg(offset);
    in.read(header, HeaderSize);
    return in.gcount() == HeaderSize && IsPuzzleHeader(header);
}
} // namespace

LoadedInput LoadInput(const std::string& path, const SystemColours& system) {
    LoadedInput l;
    l.S.System = system;
    SetDefaultSettings(l.S, l.P->Image);
    char header[HeaderSize];
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        l.Result = LoadResult::ReadError;
        l.Error = "\"" + path + "\" ist ein Verzeichnis, keine Datei.";
        return l;
    }
    try {
        if (!HeaderAt(path, 0, header) && HeaderAt(path, ModuleOffset, header)) {
            l.Module = true;
            l.HeaderVersion = HeaderVersionText(header);
            l.Result = LoadModule(*l.P, l.S, l.Picture, path);
        } else {
            l.Result = LoadPuzzleFile(*l.P, l.Picture, path);
            if (l.Result == LoadResult::Loaded) l.HeaderVersion = HeaderVersionText(header);
            SetDefaultSettings(l.S, l.P->Image);
        }
    } catch (const LoadError& e) {
        l.Result = LoadResult::ReadError;
        l.Error = e.what();
    } catch (const std::exception&) {
        // The library's own texts are English and say little; ours names the file.
        l.Result = LoadResult::ReadError;
        l.Error = LoadFailureMessage(LoadResult::ReadError, path);
    }
    return l;
}
