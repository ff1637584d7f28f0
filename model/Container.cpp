#include "Container.h"

#include "IniList.h"
#include "Picture.h"
#include "Settings.h"

#include <QImage>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>

namespace {
// Pictures beyond this are not a puzzle's picture but damage.
constexpr std::int64_t MaxPictureBytes = 64 * 1024 * 1024;

std::string_view HeaderText(const char (&header)[HeaderSize]) {
    std::size_t n = 0;
    while (n < HeaderSize && header[n] != '\0') ++n;
    return {header, n};
}

class Reader {
public:
    explicit Reader(std::ifstream& in) : in_(in) {
        const auto here = in_.tellg();
        in_.seekg(0, std::ios::end);
        size_ = static_cast<std::int64_t>(in_.tellg());
        in_.seekg(here);
    }
    std::int64_t Remaining() {
        const std::int64_t pos = in_.tellg();
        return pos < 0 ? 0 : size_ - pos;
    }
    bool Seek(std::int64_t pos) {
        if (pos > size_) return false;
        in_.seekg(pos);
        return static_cast<bool>(in_);
    }
    // Reads as much as there is; false when the file ended early.
    bool Read(void* target, std::int64_t count) {
        in_.read(static_cast<char*>(target), static_cast<std::streamsize>(count));
        const bool ok = in_.gcount() == count;
        if (!ok) in_.clear();
        return ok;
    }
    bool ReadU32(std::uint32_t& value) {
        unsigned char b[4];
        if (!Read(b, 4)) return false;
        value = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
        return true;
    }
    void SeekEnd() { in_.seekg(0, std::ios::end); }

private:
    std::ifstream& in_;
    std::int64_t size_ = 0;
};

// The kind byte and the picture that runs to the end of the file.
bool ReadPicture(Reader& reader, QImage& picture) {
    unsigned char kind = 0;
    if (!reader.Read(&kind, 1)) return false;
    const std::int64_t rest = reader.Remaining();
    if (rest <= 0 || rest > MaxPictureBytes) return false;
    std::string data(static_cast<std::size_t>(rest), '\0');
    if (!reader.Read(data.data(), rest)) return false;
    return DecodePicture(kind, data, picture);
}

void ReadSettingsBlock(Reader& reader, Settings& settings, const PuzzleImage& image) {
    std::uint32_t length = 0;
    if (!reader.ReadU32(length) || length == 0) return;
    if (length > reader.Remaining()) {
        reader.SeekEnd(); // the copy fails at the end of the file
        return;
    }
    std::string text(length, '\0');
    if (!reader.Read(text.data(), length)) return;
    TIniList ini;
    ini.LoadFromText(text);
    LoadSettings(settings, ini, image);
}
} // namespace

bool IsPuzzleHeader(const char (&header)[HeaderSize]) {
    const std::string_view text = HeaderText(header);
    return text.substr(0, HeaderMagic.size()) == HeaderMagic;
}

std::string HeaderVersionText(const char (&header)[HeaderSize]) {
    std::string_view text = HeaderText(header);
    text = text.size() > 16 ? text.substr(16, 13) : std::string_view();
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32) text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) text.remove_suffix(1);
    return text.empty() ? std::string(UnknownVersion) : std::string(text);
}

bool PictureFollows(std::string_view version, const PuzzleImage& image) {
    return VersionAtLeast(version, PictureMinVersion) &&
           (image.ImageFlags & ImageFlag::HasPicture) != 0;
}

bool ImageWithinBounds(const PuzzleImage& image) {
    return image.ColumnCount >= 1 && image.ColumnCount <= MaxCells && image.RowCount >= 1 &&
           image.RowCount <= MaxCells && image.WordCount <= MaxWords &&
           image.PuzzleKind <= MaxKind;
}

std::uint8_t LoadModule(Puzzle& puzzle, Settings& settings, QImage& picture,
                        const std::string& executablePath) {
    ResetPuzzleImage(puzzle);
    // Read-only: other processes may go on reading and writing the file.
    std::ifstream in(executablePath, std::ios::binary);
    if (!in) return LoadResult::ReadError;
    Reader reader(in);
    char header[HeaderSize];
    if (!reader.Seek(ModuleOffset) || !reader.Read(header, HeaderSize))
        return LoadResult::ReadError;
    if (!IsPuzzleHeader(header)) return LoadResult::NotAPuzzle;
    std::uint32_t imageSize = 0;
    if (!reader.ReadU32(imageSize)) return LoadResult::ReadError;
    if (!reader.Read(&puzzle.Image, sizeof(PuzzleImage))) return LoadResult::ReadError;
    if (!ImageWithinBounds(puzzle.Image)) return LoadResult::ReadError;
    // A damaged settings block costs only the settings.
    ReadSettingsBlock(reader, settings, puzzle.Image);
    if (PictureFollows(puzzle.Image.CreatorVersion.view(), puzzle.Image) &&
        !ReadPicture(reader, picture))
        return LoadResult::ReadError;
    return LoadResult::Loaded;
}

std::uint8_t LoadPuzzleFile(Puzzle& puzzle, QImage& picture, const std::string& fileName) {
    ResetPuzzleImage(puzzle);
    std::error_code ec;
    if (!std::filesystem::exists(fileName, ec)) return LoadResult::FileMissing;
    if (std::filesystem::is_directory(fileName, ec)) return LoadResult::ReadError;
    std::ifstream in(fileName, std::ios::binary);
    if (!in) throw LoadError("Die Datei \"" + fileName + "\" kann nicht ge\xC3\xB6" "ffnet werden.");
    Reader reader(in);
    char header[HeaderSize];
    if (!reader.Read(header, HeaderSize)) return LoadResult::ReadError;
    if (!IsPuzzleHeader(header)) return LoadResult::NotAPuzzle;
    const std::string version = HeaderVersionText(header);
    if (!reader.Read(&puzzle.Image, sizeof(PuzzleImage))) return LoadResult::ReadError;
    if (!ImageWithinBounds(puzzle.Image)) return LoadResult::ReadError;
    if (PictureFollows(version, puzzle.Image) && !ReadPicture(reader, picture))
        return LoadResult::ReadError;
    return LoadResult::Loaded;
}

std::string OwnExecutablePath() {
    std::error_code ec;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : path.string();
}
