// Writing the containers the way the generator does; used by the tool's pack
// and compile commands and by the tests.
#pragma once

#include "PuzzleImage.h"

#include <optional>
#include <string>
#include <string_view>

struct StoredPicture {
    unsigned char Kind = 1; // 0 bitmap file, else JPEG
    std::string Data;
};

// 31 bytes: the magic, the version left-aligned in 13 blanks, two blanks.
std::string MakeHeader(std::string_view version);
std::string_view ImageBytes(const PuzzleImage& image);

std::string PuzzleFileBytes(const PuzzleImage& image, std::string_view headerVersion,
                            const std::optional<StoredPicture>& picture = std::nullopt);
// The block that follows the player at the module offset.
std::string ModuleBytes(const PuzzleImage& image, std::string_view settingsText,
                        const std::optional<StoredPicture>& picture = std::nullopt);
// Line ends as the generator writes them: CR LF.
std::string WithCrLf(std::string_view text);
// Kind byte for picture data: 0 for a bitmap file ("BM"), 1 otherwise.
unsigned char PictureKindOf(std::string_view data);
