#include "Container.h"

#include "FileRead.h"
#include "IniList.h"
#include "Picture.h"
#include "Settings.h"

#include <QImage>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {
std::string_view HeaderText(const char (&header)[HeaderSize]) {
    std::size_t n = 0;
    while (n < HeaderSize && header[n] != '\0') ++n;
    return {header, n};
}

// The container's bytes, read front to back as the file would be.
class Reader {
public:
    Reader(std::string_view data, bool cutShort) : data_(data), cutShort_(cutShort) {}
    std::size_t Remaining() const { return data_.size() - pos_; }
    // Copies as much as there is; false when the data ended early.
    bool Read(void* target, std::size_t count) {
        const std::size_t n = std::min(count, Remaining());
        if (n > 0) std::memcpy(target, data_.data() + pos_, n);
        pos_ += n;
        return n == count;
    }
    bool ReadU32(std::uint32_t& value) {
        unsigned char b[4];
        if (!Read(b, 4)) return false;
        value = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
        return true;
    }
    std::string_view Take(std::size_t count) {
        const std::string_view part = data_.substr(pos_, count);
        pos_ += part.size();
        return part;
    }
    void SkipToEnd() { pos_ = data_.size(); }
    // Whether the source went on beyond these bytes.
    bool CutShort() const { return cutShort_; }

private:
    std::string_view data_;
    std::size_t pos_ = 0;
    bool cutShort_;
};

// The kind byte and the picture that runs to the end of the file.
bool ReadPicture(Reader& reader, QImage& picture, std::string* bytes) {
    unsigned char kind = 0;
    if (!reader.Read(&kind, 1)) return false;
    const std::size_t rest = reader.Remaining();
    if (rest == 0 || reader.CutShort() || static_cast<std::int64_t>(rest) > MaxPictureBytes)
        return false;
    const std::string_view data = reader.Take(rest);
    if (bytes) {
        bytes->assign(1, static_cast<char>(kind));
        bytes->append(data);
    }
    return DecodePicture(kind, data, picture);
}

void ReadSettingsBlock(Reader& reader, Settings& settings, const PuzzleImage& image) {
    std::uint32_t length = 0;
    if (!reader.ReadU32(length) || length == 0) return;
    // Past the end of the file or beyond any real settings text: damaged. The
    // copy would fail at the end of the file, where reading then goes on.
    if (length > reader.Remaining() || length > MaxSettingsBytes) {
        reader.SkipToEnd();
        return;
    }
    TIniList ini;
    ini.LoadFromText(reader.Take(length));
    LoadSettings(settings, ini, image);
}

// The image in the state ResetPuzzleImage leaves, overwritten by as much of it
// as the data holds. A whole image overwrites every byte the reset would
// write, so only the check state is left to clear.
bool ReadImage(Reader& reader, Puzzle& puzzle) {
    if (reader.Remaining() < sizeof(PuzzleImage)) {
        ResetPuzzleImage(puzzle);
        reader.Read(&puzzle.Image, sizeof(PuzzleImage));
        return false;
    }
    reader.Read(&puzzle.Image, sizeof(PuzzleImage));
    puzzle.CheckState = CellCheckState{};
    return true;
}

FileReadLimits LoaderLimits(std::int64_t maxBytes, std::int64_t skip = 0, bool foreignToo = false) {
    FileReadLimits limits;
    limits.MaxBytes = maxBytes;
    limits.Skip = skip;
    // A file beyond the limit may still hold a puzzle whose settings are damaged.
    limits.KeepPrefix = true;
    // Nothing is read beyond a header that is not a puzzle's, unless a puzzle
    // file may also be a crossword of the public formats and starts like one.
    limits.Wanted = [foreignToo](std::string_view bytes) {
        const std::int64_t own = WantedByHeaderAt(bytes, 0);
        return own >= 0 || !foreignToo ? own : WantedByForeignStart(bytes);
    };
    return limits;
}
} // namespace

bool IsPuzzleHeader(const char (&header)[HeaderSize]) {
    const std::string_view text = HeaderText(header);
    return text.substr(0, HeaderMagic.size()) == HeaderMagic;
}

std::int64_t WantedByHeaderAt(std::string_view bytes, std::int64_t offset) {
    if (static_cast<std::int64_t>(bytes.size()) < offset + HeaderSize) return offset + HeaderSize;
    char header[HeaderSize];
    bytes.copy(header, HeaderSize, static_cast<std::size_t>(offset));
    return IsPuzzleHeader(header) ? 0 : -1;
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
           image.RowCount <= MaxCells && image.WordCount <= MaxWords && image.PuzzleKind <= MaxKind;
}

std::uint8_t LoadModuleFromBytes(Puzzle& puzzle, Settings& settings, QImage& picture,
                                 std::string_view module, bool cutShort,
                                 std::string* pictureBytes) {
    Reader reader(module, cutShort);
    char header[HeaderSize] = {};
    const bool headerRead = reader.Read(header, HeaderSize);
    if (headerRead && !IsPuzzleHeader(header)) {
        ResetPuzzleImage(puzzle);
        return LoadResult::NotAPuzzle;
    }
    std::uint32_t imageSize = 0;
    if (!headerRead || !reader.ReadU32(imageSize)) {
        ResetPuzzleImage(puzzle);
        return LoadResult::ReadError;
    }
    if (!ReadImage(reader, puzzle)) return LoadResult::ReadError;
    if (!ImageWithinBounds(puzzle.Image)) return LoadResult::ReadError;
    // A damaged settings block costs only the settings.
    ReadSettingsBlock(reader, settings, puzzle.Image);
    if (PictureFollows(puzzle.Image.CreatorVersion.view(), puzzle.Image) &&
        !ReadPicture(reader, picture, pictureBytes))
        return LoadResult::ReadError;
    return LoadResult::Loaded;
}

std::uint8_t LoadPuzzleFileFromBytes(Puzzle& puzzle, QImage& picture, std::string_view file,
                                     bool cutShort, std::string* pictureBytes) {
    Reader reader(file, cutShort);
    char header[HeaderSize] = {};
    if (!reader.Read(header, HeaderSize)) {
        ResetPuzzleImage(puzzle);
        return LoadResult::ReadError;
    }
    if (!IsPuzzleHeader(header)) {
        ResetPuzzleImage(puzzle);
        return LoadResult::NotAPuzzle;
    }
    const std::string version = HeaderVersionText(header);
    if (!ReadImage(reader, puzzle)) return LoadResult::ReadError;
    if (!ImageWithinBounds(puzzle.Image)) return LoadResult::ReadError;
    if (PictureFollows(version, puzzle.Image) && !ReadPicture(reader, picture, pictureBytes))
        return LoadResult::ReadError;
    return LoadResult::Loaded;
}

std::uint8_t LoadAnyPuzzleFromBytes(Puzzle& puzzle, QImage& picture, std::string_view file,
                                    bool cutShort, ImportOutcome& foreign, int key,
                                    std::string* pictureBytes) {
    foreign = ImportOutcome{};
    char header[HeaderSize] = {};
    const bool ours =
        file.size() >= HeaderSize && (file.copy(header, HeaderSize), IsPuzzleHeader(header));
    if (ours || SniffForeignFormat(file) == ForeignFormat::None)
        return LoadPuzzleFileFromBytes(puzzle, picture, file, cutShort, pictureBytes);
    picture = QImage();
    foreign = ImportForeignPuzzle(puzzle, file, key);
    return foreign.ok() ? LoadResult::Loaded : LoadResult::Refused;
}

std::uint8_t LoadModule(Puzzle& puzzle, Settings& settings, QImage& picture,
                        const std::string& executablePath, std::string* pictureBytes) {
    // Read-only: other processes may go on reading and writing the file.
    const FileReadResult read =
        ReadFileBounded(executablePath, LoaderLimits(MaxModuleBytes, ModuleOffset));
    if (read.Status != FileReadStatus::Ok && read.Status != FileReadStatus::TooLarge) {
        ResetPuzzleImage(puzzle);
        return LoadResult::ReadError;
    }
    return LoadModuleFromBytes(puzzle, settings, picture, read.Bytes,
                               read.Status == FileReadStatus::TooLarge, pictureBytes);
}

std::uint8_t LoadPuzzleFile(Puzzle& puzzle, QImage& picture, const std::string& fileName,
                            std::string* pictureBytes) {
    ImportOutcome foreign;
    return LoadPuzzleFile(puzzle, picture, fileName, foreign, NoKey, pictureBytes);
}

std::uint8_t LoadPuzzleFile(Puzzle& puzzle, QImage& picture, const std::string& fileName,
                            ImportOutcome& foreign, int key, std::string* pictureBytes) {
    foreign = ImportOutcome{};
    const FileReadResult read =
        ReadFileBounded(fileName, LoaderLimits(MaxPuzzleFileBytes, 0, true));
    if (read.Status == FileReadStatus::Ok || read.Status == FileReadStatus::TooLarge)
        return LoadAnyPuzzleFromBytes(puzzle, picture, read.Bytes,
                                      read.Status == FileReadStatus::TooLarge, foreign, key,
                                      pictureBytes);
    ResetPuzzleImage(puzzle);
    switch (read.Status) {
    case FileReadStatus::Missing:
        return LoadResult::FileMissing;
    case FileReadStatus::CannotOpen:
        throw LoadError("Die Datei \"" + fileName + "\" kann nicht geöffnet werden.");
    default:
        return LoadResult::ReadError;
    }
}

std::string OwnExecutablePath() {
    std::error_code ec;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : path.string();
}

bool CarriesModule(const std::string& executablePath) {
    // Only the header is looked at: a module damaged further on is still
    // reported as a puzzle that cannot be read.
    std::ifstream in(executablePath, std::ios::binary);
    char header[HeaderSize];
    return in.seekg(ModuleOffset) && in.read(header, HeaderSize) && IsPuzzleHeader(header);
}
