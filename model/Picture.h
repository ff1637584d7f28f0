// Decoding the optional picture stored behind a puzzle, within fixed costs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

class QImage;

// Larger pictures are refused rather than allocated.
constexpr int MaxPictureSide = 8192;
// The pixel budget: 25 million pixels (5000 x 5000) decode into 100 MB.
constexpr std::int64_t MaxPicturePixels = 25'000'000;
// Room for the bitmap file and info headers, bit masks and palette.
constexpr std::int64_t PictureHeaderAllowance = 64 * 1024;
// No picture within the pixel budget needs more data than this: an
// uncompressed bitmap stores at most 4 bytes a pixel.
constexpr std::int64_t MaxPictureBytes = MaxPicturePixels * 4 + PictureHeaderAllowance;
// A progressive JPEG is decoded once per scan; common encoders write about ten.
constexpr int MaxJpegScans = 100;
// Working memory the JPEG decoder may use besides the picture itself: enough
// for the coefficients of any progressive JPEG within the pixel budget (2 bytes
// a pixel for each of its three components, the blocks at the edges included;
// no JPEG of more components turns into RGB), plus 16 MiB for its smaller
// buffers: about 162 MiB.
constexpr long MaxJpegWorkBytes =
    3L * 2 * (MaxPicturePixels + 32L * 2 * MaxPictureSide) + 16L * 1024 * 1024;

// Both give false (and leave the target untouched) for data that is not a
// complete, decodable picture within the limits above.
bool DecodeJpeg(std::string_view data, QImage& target);
bool DecodeBmp(std::string_view data, QImage& target);
// Kind byte 0 is a bitmap file, anything else JPEG data.
bool DecodePicture(unsigned char kind, std::string_view data, QImage& target);
