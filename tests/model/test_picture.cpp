// Decoding the puzzle picture: what costs too much is refused, what is cut
// short fails, harmless JPEG oddities do not.
#include "Container.h"
#include "ContainerWriter.h"
#include "Picture.h"
#include "TestSupport.h"

#include <QImage>
#include <QtTest>

#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace {
struct JpegSpec {
    int Width = 64;
    int Height = 48;
    bool Grey = false;
    bool SimpleProgression = false;
    std::vector<jpeg_scan_info> Scans; // a scan script of its own when not empty
    int JfifMajor = 1;
    int JfifMinor = 1;
};

// Encodes a picture of diagonal stripes.
std::string EncodeJpeg(const JpegSpec& spec) {
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = static_cast<JDIMENSION>(spec.Width);
    info.image_height = static_cast<JDIMENSION>(spec.Height);
    info.input_components = spec.Grey ? 1 : 3;
    info.in_color_space = spec.Grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 85, TRUE);
    info.JFIF_major_version = static_cast<UINT8>(spec.JfifMajor);
    info.JFIF_minor_version = static_cast<UINT8>(spec.JfifMinor);
    if (spec.SimpleProgression) jpeg_simple_progression(&info);
    if (!spec.Scans.empty()) {
        info.scan_info = spec.Scans.data();
        info.num_scans = static_cast<int>(spec.Scans.size());
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(spec.Width * info.input_components));
    while (info.next_scanline < info.image_height) {
        for (std::size_t i = 0; i < row.size(); ++i)
            row[i] = static_cast<unsigned char>(((i / 8 + info.next_scanline / 8) % 2) * 200);
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&info, &r, 1);
    }
    jpeg_finish_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(out), size);
    jpeg_destroy_compress(&info);
    std::free(out);
    return bytes;
}

// A grey picture in one DC scan and one scan per AC coefficient and bit:
// valid, but 127 passes over the picture.
std::vector<jpeg_scan_info> ScanPerCoefficient() {
    std::vector<jpeg_scan_info> scans;
    scans.push_back({1, {0, 0, 0, 0}, 0, 0, 0, 0});
    for (int ah : {0, 1})
        for (int k = 1; k <= 63; ++k) scans.push_back({1, {0, 0, 0, 0}, k, k, ah, 1 - ah});
    return scans;
}

void PutU16(std::string& s, std::size_t at, std::uint32_t v) {
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void PutU32(std::string& s, std::size_t at, std::uint32_t v) {
    PutU16(s, at, v & 0xFFFF);
    PutU16(s, at + 2, v >> 16);
}

// A bitmap file header and info header; the palette and pixels follow.
std::string BmpHeader(int width, int height, int bits, int compression, std::uint32_t pixelBytes,
                      int paletteEntries = 0) {
    std::string h(54, '\0');
    const std::uint32_t offset = 54 + static_cast<std::uint32_t>(paletteEntries) * 4;
    h[0] = 'B';
    h[1] = 'M';
    PutU32(h, 2, offset + pixelBytes);
    PutU32(h, 10, offset);
    PutU32(h, 14, 40);
    PutU32(h, 18, static_cast<std::uint32_t>(width));
    PutU32(h, 22, static_cast<std::uint32_t>(height));
    PutU16(h, 26, 1);
    PutU16(h, 28, static_cast<std::uint32_t>(bits));
    PutU32(h, 30, static_cast<std::uint32_t>(compression));
    PutU32(h, 34, pixelBytes);
    PutU32(h, 46, static_cast<std::uint32_t>(paletteEntries));
    for (int i = 0; i < paletteEntries; ++i) h += std::string{char(i * 60), char(i * 60), 0, 0};
    return h;
}

std::string Bmp24(int width, int height) {
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    const std::size_t pixels = stride * static_cast<std::size_t>(std::abs(height));
    std::string bmp = BmpHeader(width, height, 24, 0, static_cast<std::uint32_t>(pixels));
    bmp.append(pixels, '\x7F');
    return bmp;
}

// Run-length coded, 8 bits: every line one run of colour 1, then the end mark.
std::string BmpRle8(int width, int height) {
    std::string codes;
    for (int r = 0; r < height; ++r) {
        codes += {char(width), char(1)};
        codes += {char(0), char(0)};
    }
    codes += {char(0), char(1)};
    return BmpHeader(width, height, 8, 1, static_cast<std::uint32_t>(codes.size()), 2) + codes;
}

QImage Decoded(unsigned char kind, const std::string& data, bool* ok) {
    QImage image;
    *ok = DecodePicture(kind, data, image);
    return image;
}
} // namespace

class PictureTest : public QObject {
    Q_OBJECT
private slots:
    void jpegDecodes() {
        bool ok = false;
        QImage image = Decoded(1, EncodeJpeg({}), &ok);
        QVERIFY(ok);
        QCOMPARE(image.size(), QSize(64, 48));
        QCOMPARE(image.format(), QImage::Format_RGB32);
        QVERIFY(qAbs(image.pixelColor(10, 2).red() - 200) < 20);
        QVERIFY(image.pixelColor(2, 2).red() < 20);
        JpegSpec grey;
        grey.Grey = true;
        grey.SimpleProgression = true;
        image = Decoded(1, EncodeJpeg(grey), &ok);
        QVERIFY(ok);
        QVERIFY(qAbs(image.pixelColor(10, 2).green() - 200) < 20);
    }

    void pixelBudget() {
        // 5000 x 5000 is the budget; one more row is beyond it, though both
        // sides are well within the side limit.
        QCOMPARE(MaxPicturePixels, std::int64_t(5000) * 5000);
        JpegSpec big;
        big.Grey = true;
        big.Width = 8192;
        big.Height = 3052;
        bool ok = true;
        (void)Decoded(1, EncodeJpeg(big), &ok);
        QVERIFY(!ok);
        (void)Decoded(0, BmpHeader(5001, 5000, 24, 0, 0), &ok);
        QVERIFY(!ok);
    }

    void tooManyScansAreRefused() {
        JpegSpec many;
        many.Grey = true;
        many.Scans = ScanPerCoefficient();
        QVERIFY(static_cast<int>(many.Scans.size()) > MaxJpegScans);
        bool ok = true;
        (void)Decoded(1, EncodeJpeg(many), &ok);
        QVERIFY(!ok);
        // The same picture in the usual progressive form decodes.
        many.Scans.clear();
        many.SimpleProgression = true;
        (void)Decoded(1, EncodeJpeg(many), &ok);
        QVERIFY(ok);
    }

    void harmlessJpegWarningsPass() {
        JpegSpec unknownRevision;
        unknownRevision.JfifMajor = 2;
        unknownRevision.JfifMinor = 1;
        bool ok = false;
        QImage image = Decoded(1, EncodeJpeg(unknownRevision), &ok);
        QVERIFY(ok);
        QCOMPARE(image.size(), QSize(64, 48));
        // Two stray bytes in front of the quantisation table marker.
        std::string stray = EncodeJpeg({});
        const std::size_t dqt = stray.find("\xFF\xDB", 2, 2);
        QVERIFY(dqt != std::string::npos);
        stray.insert(dqt, std::string("\x12\x34", 2));
        image = Decoded(1, stray, &ok);
        QVERIFY(ok);
        QVERIFY(qAbs(image.pixelColor(10, 2).red() - 200) < 20);
        // The same oddity in a picture that is cut short still fails.
        stray.resize(stray.size() * 2 / 3);
        (void)Decoded(1, stray, &ok);
        QVERIFY(!ok);
    }

    void corruptJpegDataFails() {
        const std::string good = EncodeJpeg({});
        bool ok = true;
        (void)Decoded(1, good.substr(0, good.size() - 40), &ok);
        QVERIFY(!ok);
        // A scan whose data ends at a marker before the picture is complete.
        std::string early = good;
        const std::size_t sos = early.find("\xFF\xDA", 2, 2);
        QVERIFY(sos != std::string::npos);
        early.insert(sos + 40, std::string("\xFF\xD0", 2));
        (void)Decoded(1, early, &ok);
        QVERIFY(!ok);
    }

    void bitmapCutShortFails() {
        const std::string full = Bmp24(30, 20);
        bool ok = false;
        QImage image = Decoded(0, full, &ok);
        QVERIFY(ok);
        QCOMPARE(image.size(), QSize(30, 20));
        (void)Decoded(0, full.substr(0, full.size() - 1), &ok);
        QVERIFY(!ok);
        (void)Decoded(0, full.substr(0, 54 + 96 * 3), &ok);
        QVERIFY(!ok);
        // Top-down rows count the same.
        const std::string topDown = Bmp24(30, -20);
        (void)Decoded(0, topDown, &ok);
        QVERIFY(ok);
        (void)Decoded(0, topDown.substr(0, topDown.size() - 10), &ok);
        QVERIFY(!ok);
    }

    void runLengthBitmapCutShortFails() {
        const std::string full = BmpRle8(40, 10);
        bool ok = false;
        QImage image = Decoded(0, full, &ok);
        QVERIFY(ok);
        QCOMPARE(image.size(), QSize(40, 10));
        (void)Decoded(0, full.substr(0, full.size() - 2 - 4 * 5), &ok);
        QVERIFY(!ok);
    }

    // The data limit follows from the pixel budget: a bitmap within it loads
    // through the puzzle file however many bytes its pixels take.
    void largeBitmapWithinTheBudgetLoads() {
        auto src = Sudoku9();
        src->Image.ImageFlags = ImageFlag::HasPicture;
        StoredPicture bmp{0, Bmp24(5000, 5000)};
        QVERIFY(static_cast<std::int64_t>(bmp.Data.size()) > 64 * 1024 * 1024);
        const std::string file = PuzzleFileBytes(src->Image, "7.46", bmp);
        bmp.Data.clear();
        auto p = NewPuzzle();
        QImage picture;
        QCOMPARE(LoadPuzzleFileFromBytes(*p, picture, file), LoadResult::Loaded);
        QCOMPARE(picture.size(), QSize(5000, 5000));
        // The same bytes from a source that went on beyond the limit: incomplete.
        picture = QImage();
        QCOMPARE(LoadPuzzleFileFromBytes(*p, picture, file, true), LoadResult::ReadError);
        QVERIFY(picture.isNull());
    }
};

QTEST_GUILESS_MAIN(PictureTest)
#include "test_picture.moc"
