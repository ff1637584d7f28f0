#include "TextUtil.h"

#include <QImage>
#include <QTest>

class TestTextUtil : public QObject {
    Q_OBJECT

private slots:
    void foldUmlauts() {
        QCOMPARE(FoldUmlauts("B\xE4r-H\xF6hle 2"), std::string("BaerHoehle"));
        QCOMPARE(FoldUmlauts("\xC4\xD6\xDC\xDF\xE4\xF6\xFC"), std::string("AEOEUESSaeoeue"));
        // Other accented letters and symbols are dropped, not folded.
        QCOMPARE(FoldUmlauts("Caf\xE9 \xC9t\xE9!"), std::string("Caft"));
        QCOMPARE(FoldUmlauts(""), std::string());
    }

    void normalizeWord() {
        QCOMPARE(NormalizeWord("stra\xDF"
                               "e",
                               5),
                 std::string("STRAS"));
        QCOMPARE(NormalizeWord("b\xE4r", 15), std::string("BAER"));
        QCOMPARE(NormalizeWord("\xFC"
                               "ber",
                               2),
                 std::string("UE"));
        QCOMPARE(NormalizeWord("abc", 0), std::string());
        QCOMPARE(NormalizeWord("a-b c", 15), std::string("ABC"));
    }

    void reverseText() {
        QCOMPARE(ReverseText("LAGER"), std::string("REGAL"));
        QCOMPARE(ReverseText(""), std::string());
        QCOMPARE(ReverseText("\xC4x"), std::string("x\xC4"));
    }

    void formatSolveTime_data() {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << "00:00";
        QTest::newRow("59") << 59 << "00:59";
        QTest::newRow("754") << 754 << "12:34";
        QTest::newRow("hour") << 3600 << "60:00";
        QTest::newRow("100 min") << 6000 << "100:00";
        QTest::newRow("max") << 65535 << "1092:15";
    }

    void formatSolveTime() {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        const auto s = static_cast<std::uint16_t>(seconds);
        QCOMPARE(QString::fromStdString(FormatSolveTime(s, false)), text);
        QCOMPARE(QString::fromStdString(FormatSolveTime(s, true)), text + " min.");
    }

    void compareVersionTexts() {
        QCOMPARE(CompareVersionTexts("7.46", "6.00"), 1);
        QCOMPARE(CompareVersionTexts("6.00", "7.46"), -1);
        QCOMPARE(CompareVersionTexts("10.2", "7.46"), 1); // 7.46 reads as 07.46
        QCOMPARE(CompareVersionTexts("7.46", "10.2"), -1);
        QCOMPARE(CompareVersionTexts("2.5", "6.00"), 1); // 2.5 keeps no leading zero
        QCOMPARE(CompareVersionTexts("6.00", "6.00"), 1);
        QCOMPARE(CompareVersionTexts("6.0a", "6.0A"), 1);
        QCOMPARE(CompareVersionTexts("6.0A", "6.0b"), -1); // case ignored for a..z
        QCOMPARE(CompareVersionTexts("6.0", "6.00"), -1);  // a prefix is smaller
        QCOMPARE(CompareVersionTexts("", "6.00"), -1);
        QCOMPARE(CompareVersionTexts("6.00", ""), 1);
    }

    void makeGreyscale() {
        QImage img(2, 1, QImage::Format_RGB32);
        img.setPixel(0, 0, qRgb(200, 100, 50));
        img.setPixel(1, 0, qRgb(255, 255, 255));
        MakeGreyscale(img);
        const int g = (77 * 200 + 151 * 100 + 28 * 50) / 256; // 124
        QCOMPARE(img.pixel(0, 0), qRgb(g, g, g));
        QCOMPARE(img.pixel(1, 0), qRgb(255, 255, 255));
        QCOMPARE(img.format(), QImage::Format_RGB32);

        QImage packed(1, 1, QImage::Format_RGB888);
        packed.setPixel(0, 0, qRgb(10, 20, 250));
        MakeGreyscale(packed);
        const int h = (77 * 10 + 151 * 20 + 28 * 250) / 256;
        QCOMPARE(packed.pixel(0, 0), qRgb(h, h, h));

        QImage alpha(1, 1, QImage::Format_ARGB32_Premultiplied);
        alpha.fill(qRgba(0, 255, 0, 255));
        MakeGreyscale(alpha);
        QCOMPARE(qAlpha(alpha.pixel(0, 0)), 255);
        QCOMPARE(qRed(alpha.pixel(0, 0)), 151 * 255 / 256);

        QImage null;
        MakeGreyscale(null);
        QVERIFY(null.isNull());
    }

    void scalePicture_data() {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("mode 1") << 30 << 20 << 50 << 1 << QSize(50, 33);
        QTest::newRow("mode 1 half down") << 4 << 2 << 5 << 1 << QSize(5, 2);
        QTest::newRow("mode 1 half up") << 4 << 6 << 5 << 1 << QSize(5, 8);
        QTest::newRow("mode 2") << 30 << 20 << 50 << 2 << QSize(75, 50);
        QTest::newRow("mode 2 half") << 2 << 4 << 5 << 2 << QSize(2, 5);
        QTest::newRow("mode 4 wide") << 30 << 20 << 50 << 4 << QSize(50, 33);
        QTest::newRow("mode 4 tall") << 20 << 30 << 50 << 4 << QSize(33, 50);
        QTest::newRow("mode 4 square") << 20 << 20 << 50 << 4 << QSize(50, 50);
        QTest::newRow("mode 3 keeps target") << 30 << 20 << 50 << 3 << QSize(7, 9);
        QTest::newRow("mode 0 unscaled") << 30 << 20 << 50 << 0 << QSize(30, 20);
        QTest::newRow("unknown mode") << 30 << 20 << 50 << 9 << QSize(30, 20);
    }

    void scalePicture() {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(int, size);
        QFETCH(int, mode);
        QFETCH(QSize, expected);
        QImage source(w, h, QImage::Format_RGB32);
        source.fill(qRgb(10, 200, 30));
        QImage target(7, 9, QImage::Format_RGB32);
        target.fill(Qt::black);
        ScalePicture(source, target, size, mode);
        QCOMPARE(target.size(), expected);
        // The source covers the whole target.
        QCOMPARE(target.pixel(target.width() - 1, target.height() - 1), qRgb(10, 200, 30));
    }

    void scaleNullPicture() {
        QImage target(4, 4, QImage::Format_RGB32);
        ScalePicture(QImage(), target, 50, 4);
        QVERIFY(target.isNull());
    }
};

QTEST_GUILESS_MAIN(TestTextUtil)
#include "test_textutil.moc"
