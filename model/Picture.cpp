#include "Picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

namespace {
bool WithinPixelBudget(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= MaxPictureSide && height <= MaxPictureSide &&
           width * height <= MaxPicturePixels;
}

// libjpeg's default error handler ends the process; this one jumps back
// instead. The error manager comes first: libjpeg hands it back as info->err.
struct JpegControl {
    jpeg_error_mgr Manager;
    jpeg_progress_mgr Progress;
    std::jmp_buf Jump;
};

[[noreturn]] void OnJpegError(j_common_ptr info) {
    auto* control = reinterpret_cast<JpegControl*>(info->err);
    std::longjmp(control->Jump, 1);
}

// A warning means corrupt or truncated data (libjpeg would fill the rest with
// grey), and a damaged picture counts as a failed read. Two warnings leave the
// picture whole: a JFIF revision the decoder does not know, and stray bytes
// between segments that it skips.
void OnJpegMessage(j_common_ptr info, int level) {
    if (level >= 0) return; // trace output
    const int code = info->err->msg_code;
    if (code == JWRN_JFIF_MAJOR || code == JWRN_EXTRANEOUS_DATA) return;
    OnJpegError(info);
}

// Each scan of a progressive JPEG costs a pass over the whole picture: a file
// of thousands of tiny scans would hold the window for seconds.
void OnJpegProgress(j_common_ptr info) {
    if (!info->is_decompressor) return;
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > MaxJpegScans)
        OnJpegError(info);
}

// The pixel layout of QImage::Format_RGB32 in memory.
constexpr J_COLOR_SPACE Rgb32Layout = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// Holds no local with a destructor, so the jump back skips nothing.
bool DecodeJpegInto(jpeg_decompress_struct& info, JpegControl& control, std::string_view data,
                    QImage& image) {
    if (setjmp(control.Jump)) return false;
    jpeg_create_decompress(&info); // clears everything but the error manager
    info.progress = &control.Progress;
    info.mem->max_memory_to_use = MaxJpegWorkBytes;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.data()),
                 static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
    if (!WithinPixelBudget(info.image_width, info.image_height)) return false;
    info.out_color_space = Rgb32Layout;
    jpeg_start_decompress(&info);
    if (info.output_components != 4) return false;
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB32);
    if (image.isNull()) return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        if (jpeg_read_scanlines(&info, &row, 1) != 1) return false;
    }
    jpeg_finish_decompress(&info);
    return true;
}

std::uint32_t U16(std::string_view d, std::size_t at) {
    return static_cast<unsigned char>(d[at]) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(d[at + 1])) << 8;
}

std::uint32_t U32(std::string_view d, std::size_t at) {
    return U16(d, at) | U16(d, at + 2) << 16;
}

// Whether a run-length coded bitmap's codes reach the end of the picture
// before the data ends.
bool RleComplete(std::string_view d, std::size_t pos, std::int64_t height, bool fourBit) {
    std::int64_t rows = 0;
    while (pos + 2 <= d.size()) {
        const auto count = static_cast<unsigned char>(d[pos]);
        const auto code = static_cast<unsigned char>(d[pos + 1]);
        pos += 2;
        if (count > 0) continue; // a run of one colour
        if (code == 0) {
            if (++rows >= height) return true; // end of a line
        } else if (code == 1) {
            return true; // end of the picture
        } else if (code == 2) {
            if (pos + 2 > d.size()) return false; // a jump right and down
            rows += static_cast<unsigned char>(d[pos + 1]);
            pos += 2;
            if (rows >= height) return true;
        } else {
            std::size_t bytes = fourBit ? (code + 1u) / 2u : code; // literal pixels
            bytes += bytes & 1u;                                   // padded to 16 bits
            pos += bytes;
        }
    }
    return false;
}

// Whether the file holds all the pixel data its headers describe: a bitmap cut
// short would otherwise show black where the data is missing.
bool BmpComplete(std::string_view d) {
    constexpr std::size_t FileHeader = 14;
    if (d.size() < FileHeader + 16 || d[0] != 'B' || d[1] != 'M') return false;
    const std::uint32_t dataOffset = U32(d, 10);
    const std::uint32_t infoSize = U32(d, 14);
    std::int64_t width = 0, height = 0;
    std::uint32_t bits = 0, compression = 0;
    if (infoSize == 12) { // the old core header
        width = U16(d, 18);
        height = U16(d, 20);
        bits = U16(d, 24);
    } else {
        if (infoSize < 40 || d.size() < FileHeader + 40) return false;
        width = static_cast<std::int32_t>(U32(d, 18));
        height = static_cast<std::int32_t>(U32(d, 22));
        bits = U16(d, 28);
        compression = U32(d, 30);
    }
    if (height < 0) height = -height; // stored top down
    if (!WithinPixelBudget(width, height)) return false;
    const std::size_t start = std::max<std::size_t>(dataOffset, FileHeader + infoSize);
    if (start > d.size()) return false;
    if (compression == 1 || compression == 2)
        return RleComplete(d, start, height, compression == 2);
    const std::int64_t stride = (width * bits + 31) / 32 * 4;
    return static_cast<std::int64_t>(d.size() - start) >= stride * height;
}
} // namespace

bool DecodeJpeg(std::string_view data, QImage& target) {
    if (data.empty()) return false;
    jpeg_decompress_struct info{};
    JpegControl control{};
    info.err = jpeg_std_error(&control.Manager);
    control.Manager.error_exit = OnJpegError;
    control.Manager.emit_message = OnJpegMessage;
    control.Progress.progress_monitor = OnJpegProgress;
    QImage decoded;
    const bool ok = DecodeJpegInto(info, control, data, decoded);
    jpeg_destroy_decompress(&info);
    if (ok) target = decoded;
    return ok;
}

bool DecodeBmp(std::string_view data, QImage& target) {
    if (!BmpComplete(data)) return false;
    QByteArray bytes = QByteArray::fromRawData(data.data(), static_cast<qsizetype>(data.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    // Rows stored top down give a negative height.
    const QSize size = reader.size();
    if (!WithinPixelBudget(size.width(), std::abs(size.height()))) return false;
    QImage image;
    if (!reader.read(&image) || image.isNull()) return false;
    // In place where the layout allows: no second copy of a large picture.
    image.convertTo(QImage::Format_RGB32);
    target = image;
    return true;
}

bool DecodePicture(unsigned char kind, std::string_view data, QImage& target) {
    return kind == 0 ? DecodeBmp(data, target) : DecodeJpeg(data, target);
}
