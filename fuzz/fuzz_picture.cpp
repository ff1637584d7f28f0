// Arbitrary bytes through both picture decoders.
#include "Picture.h"

#include <QImage>

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    QImage image;
    (void)DecodeJpeg(bytes, image);
    (void)DecodeBmp(bytes, image);
    return 0;
}
