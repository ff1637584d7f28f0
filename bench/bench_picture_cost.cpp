// The most a puzzle picture may cost: the largest pictures within the pixel
// budget, decoded as the loaders decode them.
#include "Picture.h"

#include <QImage>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <jpeglib.h>
#include <string>
#include <vector>

namespace {
// A 5000 x 5000 colour picture of busy texture (many coefficients to decode).
std::string Encode(bool progressive, bool fullChroma, const std::vector<jpeg_scan_info>& scans) {
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = 5000;
    info.image_height = 5000;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    if (fullChroma) info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = 1;
    if (progressive) jpeg_simple_progression(&info);
    if (!scans.empty()) {
        info.scan_info = scans.data();
        info.num_scans = static_cast<int>(scans.size());
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(5000 * 3);
    while (info.next_scanline < info.image_height) {
        for (std::size_t i = 0; i < row.size(); ++i)
            row[i] = static_cast<unsigned char>((i * 7 + info.next_scanline * 13) ^ (i >> 3));
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&info, &r, 1);
    }
    jpeg_finish_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(out), size);
    jpeg_destroy_compress(&info);
    std::free(out);
    return bytes;
}

// As many scans as allowed, one coefficient of one component each.
std::vector<jpeg_scan_info> MostScans() {
    std::vector<jpeg_scan_info> scans;
    scans.push_back({3, {0, 1, 2, 0}, 0, 0, 0, 0});
    for (int k = 1; k <= 63 && static_cast<int>(scans.size()) < MaxJpegScans; ++k)
        for (int c = 0; c < 3 && static_cast<int>(scans.size()) < MaxJpegScans; ++c)
            scans.push_back({1, {c, 0, 0, 0}, k, k, 0, 0});
    return scans;
}

std::string Bmp(int width, int height) {
    const std::uint32_t stride = static_cast<std::uint32_t>(width) * 4;
    const std::uint32_t pixels = stride * static_cast<std::uint32_t>(height);
    std::string b(54, '\0');
    auto put = [&](std::size_t at, std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put(2, 54 + pixels, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, 32, 2);
    put(34, pixels, 4);
    b.append(pixels, '\x5A');
    return b;
}
} // namespace

class PictureCostBench : public QObject {
    Q_OBJECT
private slots:
    void decode_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("data");
        const auto add = [](const char* name, int kind, const std::string& d) {
            QTest::newRow(name) << kind << QByteArray(d.data(), static_cast<qsizetype>(d.size()));
        };
        add("jpeg 5000x5000 baseline 4:2:0", 1, Encode(false, false, {}));
        add("jpeg 5000x5000 progressive 4:2:0", 1, Encode(true, false, {}));
        add("jpeg 5000x5000 progressive 4:4:4", 1, Encode(true, true, {}));
        add("jpeg 5000x5000 100 scans", 1, Encode(false, false, MostScans()));
        add("bmp 5000x5000 32 bit", 0, Bmp(5000, 5000));
    }

    void decode() {
        QFETCH(int, kind);
        QFETCH(QByteArray, data);
        bool ok = false;
        // Processor time as well: on a busy machine it is the fairer number.
        std::clock_t cpu = 0;
        QBENCHMARK_ONCE {
            QImage image;
            const std::clock_t start = std::clock();
            ok = DecodePicture(static_cast<unsigned char>(kind),
                               std::string_view(data.constData(), data.size()), image);
            cpu = std::clock() - start;
        }
        std::printf("  %s: %lld bytes, %s, %ld ms processor time\n", QTest::currentDataTag(),
                    static_cast<long long>(data.size()), ok ? "decoded" : "refused",
                    static_cast<long>(cpu * 1000 / CLOCKS_PER_SEC));
    }
};

QTEST_GUILESS_MAIN(PictureCostBench)
#include "bench_picture_cost.moc"
