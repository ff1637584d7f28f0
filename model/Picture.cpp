#include "Picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {
// libjpeg's default error handler ends the process; this one jumps back instead.
struct JpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
};

[[noreturn]] void OnJpegError(j_common_ptr info) {
    auto* err = reinterpret_cast<JpegError*>(info->err);
    std::longjmp(err->Jump, 1);
}

// A warning means corrupt or truncated data: libjpeg would fill the rest with
// grey, but a damaged picture counts as a failed read.
void OnJpegMessage(j_common_ptr info, int level) {
    if (level < 0) OnJpegError(info);
}

// Holds no local with a destructor, so the jump back skips nothing.
bool DecodeJpegInto(jpeg_decompress_struct& info, JpegError& err, std::string_view data,
                    QImage& image) {
    if (setjmp(err.Jump)) return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.data()),
                 static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
    if (info.image_width == 0 || info.image_height == 0 ||
        info.image_width > MaxPictureSide || info.image_height > MaxPictureSide)
        return false;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) return false;
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB888);
    if (image.isNull()) return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}
} // namespace

bool DecodeJpeg(std::string_view data, QImage& target) {
    if (data.empty()) return false;
    jpeg_decompress_struct info{};
    JpegError err{};
    info.err = jpeg_std_error(&err.Manager);
    err.Manager.error_exit = OnJpegError;
    err.Manager.emit_message = OnJpegMessage;
    QImage decoded;
    const bool ok = DecodeJpegInto(info, err, data, decoded);
    jpeg_destroy_decompress(&info);
    if (ok) target = decoded.convertToFormat(QImage::Format_RGB32);
    return ok;
}

bool DecodeBmp(std::string_view data, QImage& target) {
    QByteArray bytes = QByteArray::fromRawData(data.data(), static_cast<qsizetype>(data.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxPictureSide || size.height() > MaxPictureSide)
        return false;
    QImage image;
    if (!reader.read(&image) || image.isNull()) return false;
    target = image.convertToFormat(QImage::Format_RGB32);
    return true;
}

bool DecodePicture(unsigned char kind, std::string_view data, QImage& target) {
    return kind == 0 ? DecodeBmp(data, target) : DecodeJpeg(data, target);
}
