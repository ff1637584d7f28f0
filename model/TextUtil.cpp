#include "TextUtil.h"

#include "Cp1252.h"

#include <QImage>

#include <algorithm>
#include <cstdio>

std::string FoldUmlauts(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 4);
    for (char ch : text) {
        if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z')) {
            out += ch;
            continue;
        }
        switch (static_cast<unsigned char>(ch)) {
        case 0xC4:
            out += "AE";
            break; // Ä
        case 0xD6:
            out += "OE";
            break; // Ö
        case 0xDC:
            out += "UE";
            break; // Ü
        case 0xDF:
            out += "SS";
            break; // ß
        case 0xE4:
            out += "ae";
            break; // ä
        case 0xF6:
            out += "oe";
            break; // ö
        case 0xFC:
            out += "ue";
            break; // ü
        default:
            break; // digits, blanks, hyphens, other letters
        }
    }
    return out;
}

std::string NormalizeWord(std::string_view text, std::size_t maxLength) {
    std::string word = FoldUmlauts(UpperCp1252(text));
    if (word.size() > maxLength) word.resize(maxLength);
    return word;
}

std::string ReverseText(std::string_view text) {
    return std::string(text.rbegin(), text.rend());
}

std::string FormatSolveTime(std::uint16_t seconds, bool withUnit) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02u:%02u", static_cast<unsigned>(seconds / 60),
                  static_cast<unsigned>(seconds % 60));
    std::string text = buffer;
    if (withUnit) text += " min.";
    return text;
}

int CompareVersionTexts(std::string_view a, std::string_view b) {
    // A one-digit major version gets its leading zero so that 7.46 sorts below 10.2.
    auto widen = [](std::string_view t) {
        std::string s(t);
        if (!s.empty() && static_cast<unsigned char>(s[0]) >= '3') s.insert(s.begin(), '0');
        return s;
    };
    auto upper = [](char ch) {
        return static_cast<unsigned char>(ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch);
    };
    const std::string x = widen(a);
    const std::string y = widen(b);
    const bool less =
        std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(),
                                     [&](char p, char q) { return upper(p) < upper(q); });
    return less ? -1 : 1;
}

void MakeGreyscale(QImage& picture) {
    if (picture.isNull()) return;
    const QImage::Format format = picture.format();
    const bool direct = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                        format == QImage::Format_RGB888;
    if (!direct)
        picture = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                    : QImage::Format_RGB32);
    const bool packed = picture.format() == QImage::Format_RGB888;
    for (int y = 0; y < picture.height(); ++y) {
        uchar* line = picture.scanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            if (packed) {
                uchar* p = line + 3 * x; // red, green, blue
                const auto grey = static_cast<uchar>((77 * p[0] + 151 * p[1] + 28 * p[2]) / 256);
                p[0] = p[1] = p[2] = grey;
            } else {
                QRgb& p = reinterpret_cast<QRgb*>(line)[x];
                const int grey = (77 * qRed(p) + 151 * qGreen(p) + 28 * qBlue(p)) / 256;
                p = qRgba(grey, grey, grey, qAlpha(p));
            }
        }
    }
}

namespace {
// num / den rounded to the nearest integer, halves to the even one.
int RoundHalfEven(long long num, long long den) {
    long long q = num / den;
    const long long twice = 2 * (num % den);
    if (twice > den || (twice == den && q % 2 != 0)) ++q;
    return static_cast<int>(q);
}
} // namespace

void ScalePicture(const QImage& source, QImage& target, int size, int mode) {
    const int w = source.width();
    const int h = source.height();
    if (mode == 4) mode = w > h ? 1 : 2;
    if (source.isNull() || (size <= 0 && (mode == 1 || mode == 2))) {
        if (mode != 3) target = QImage();
        return;
    }
    switch (mode) {
    case 1:
        target = source.scaled(size, RoundHalfEven(static_cast<long long>(size) * h, w),
                               Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        break;
    case 2:
        target = source.scaled(RoundHalfEven(static_cast<long long>(size) * w, h), size,
                               Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        break;
    case 3:
        if (!target.isNull())
            target = source.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        break;
    default:
        target = source.copy();
        break;
    }
}

std::string ProperCase(std::string_view text) {
    std::string out(text);
    bool start = true;
    for (char& c : out) {
        if (IsCp1252Letter(static_cast<unsigned char>(c))) {
            c = start ? UpperCp1252(c) : LowerCp1252(c);
            start = false;
        } else {
            start = true;
        }
    }
    return out;
}

std::string EscapeControlChars(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    const auto hex = [&out](unsigned code, bool wide) {
        char escape[8];
        std::snprintf(escape, sizeof escape, wide ? "\\u%04X" : "\\x%02X", code);
        out += escape;
    };
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b == '\n') {
            out += "\\n";
        } else if (b == '\r') {
            out += "\\r";
        } else if (b == '\t') {
            out += "\\t";
        } else if (b < 0x20 || b == 0x7F) {
            hex(b, false);
        } else if (b == 0xC2 && i + 1 < utf8.size() &&
                   static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(utf8[i + 1]) < 0xA0) {
            // U+0080..U+009F: the C1 controls, CSI among them.
            hex(static_cast<unsigned char>(utf8[++i]), true);
        } else {
            out += static_cast<char>(b);
        }
    }
    return out;
}
