// The two containers a puzzle arrives in: the module block appended to the
// player's own executable, and the separate puzzle file.
#pragma once

#include "ForeignImport.h"
#include "Picture.h"
#include "PuzzleImage.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

class QImage;
struct Settings;

constexpr std::int64_t ModuleOffset = 1360000;
constexpr int HeaderSize = 31;
constexpr std::string_view HeaderMagic = "Dadorerovaduzuve";
constexpr std::string_view PictureMinVersion = "7.40";

namespace LoadResult {
constexpr std::uint8_t NotAPuzzle = 0;
constexpr std::uint8_t FileMissing = 3;
constexpr std::uint8_t Loaded = 4;
constexpr std::uint8_t ReadError = 7;
// A crossword file of another format that the record cannot hold, or a locked
// one without its key; the import outcome says why.
constexpr std::uint8_t Refused = 8;
} // namespace LoadResult

// An existing file that cannot be opened; it is not a load result but an error
// for the program's general error report.
class LoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

bool IsPuzzleHeader(const char (&header)[HeaderSize]);
// A judge for FileReadLimits::Wanted: the bytes needed to see the header at
// `offset`, then 0 when it is a puzzle header and -1 when not.
std::int64_t WantedByHeaderAt(std::string_view bytes, std::int64_t offset);
std::string HeaderVersionText(const char (&header)[HeaderSize]);

// The version text of a header whose version field is blank.
constexpr std::string_view UnknownVersion = "???";

// Character by character by code value; a prefix is smaller than the longer text.
// An unknown version is older than every known one (by code value "???" would
// sort above "7.40", and a picture would be read from a file that has none).
inline bool VersionAtLeast(std::string_view version, std::string_view minimum) {
    if (version == UnknownVersion) return false;
    return version.compare(minimum) >= 0;
}

// Whether a picture follows the image under the version rule.
bool PictureFollows(std::string_view version, const PuzzleImage& image);

// The counts every grid walk relies on: an image that breaks them is unreadable.
bool ImageWithinBounds(const PuzzleImage& image);

// A settings block beyond this is damage, not settings: it is skipped as one
// that runs past the end of the file.
constexpr std::int64_t MaxSettingsBytes = 1024 * 1024;
// The most a loader reads: a puzzle file, and the module block from its offset.
// Anything beyond cannot be part of a puzzle within the limits.
constexpr std::int64_t ImageBytesSize = static_cast<std::int64_t>(sizeof(PuzzleImage));
constexpr std::int64_t MaxPuzzleFileBytes = HeaderSize + ImageBytesSize + 1 + MaxPictureBytes;
constexpr std::int64_t MaxModuleBytes =
    HeaderSize + 4 + ImageBytesSize + 4 + MaxSettingsBytes + 1 + MaxPictureBytes;

// Reads the module block of an executable (the player passes its own path).
// Settings are applied only when the block carries a readable settings text.
// `pictureBytes`, when given, receives the picture as read (kind byte first).
std::uint8_t LoadModule(Puzzle& puzzle, Settings& settings, QImage& picture,
                        const std::string& executablePath, std::string* pictureBytes = nullptr);
// Reads a puzzle file; the settings are the caller's business. Throws LoadError
// when the file exists but cannot be opened. Pipes and named pipes are read to
// their end; one nobody writes to fails (result 7) after a short wait.
std::uint8_t LoadPuzzleFile(Puzzle& puzzle, QImage& picture, const std::string& fileName,
                            std::string* pictureBytes = nullptr);
// The same, also reading the public crossword formats by their content, whatever
// the file is called; `foreign` tells what such a read kept, lost or refused.
std::uint8_t LoadPuzzleFile(Puzzle& puzzle, QImage& picture, const std::string& fileName,
                            ImportOutcome& foreign, int key = NoKey,
                            std::string* pictureBytes = nullptr);

// The same from bytes in memory: `module` starts at the module offset. `cutShort`
// tells that the source held more than these bytes (the read stopped at the
// limit above), so a picture running to the end is incomplete.
std::uint8_t LoadModuleFromBytes(Puzzle& puzzle, Settings& settings, QImage& picture,
                                 std::string_view module, bool cutShort = false,
                                 std::string* pictureBytes = nullptr);
std::uint8_t LoadPuzzleFileFromBytes(Puzzle& puzzle, QImage& picture, std::string_view file,
                                     bool cutShort = false, std::string* pictureBytes = nullptr);
// A puzzle file of our own, or, when its header is not ours, a file of the
// public crossword formats recognised by content.
std::uint8_t LoadAnyPuzzleFromBytes(Puzzle& puzzle, QImage& picture, std::string_view file,
                                    bool cutShort, ImportOutcome& foreign, int key = NoKey,
                                    std::string* pictureBytes = nullptr);

// The path of the running program's executable.
std::string OwnExecutablePath();
// Whether a puzzle is packed into the executable: a puzzle header at the
// module offset. The installed player carries none.
bool CarriesModule(const std::string& executablePath);
