// Decoding the optional picture stored behind a puzzle.
#pragma once

#include <cstddef>
#include <string_view>

class QImage;

// Larger pictures are refused rather than allocated.
constexpr int MaxPictureSide = 8192;

// Both give false (and leave the target untouched) for data that is not a
// decodable picture within the size cap.
bool DecodeJpeg(std::string_view data, QImage& target);
bool DecodeBmp(std::string_view data, QImage& target);
// Kind byte 0 is a bitmap file, anything else JPEG data.
bool DecodePicture(unsigned char kind, std::string_view data, QImage& target);
