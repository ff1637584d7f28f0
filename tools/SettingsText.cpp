#include "SettingsText.h"

#include "ContainerWriter.h"
#include "Cp1252.h"

#include <cstdio>

namespace {
// Length of the valid UTF-8 sequence at the start of text, 0 when it is not one
// (overlong forms, surrogates and code points past U+10FFFF included).
std::size_t SequenceLength(std::string_view text, char32_t& cp) {
    const auto b = static_cast<unsigned char>(text[0]);
    std::size_t n;
    if (b < 0x80) {
        cp = b;
        return 1;
    } else if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
        cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        cp = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        cp = b & 0x07;
    } else {
        return 0;
    }
    if (text.size() < n) return 0;
    for (std::size_t i = 1; i < n; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < least[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

std::string CodePointName(char32_t cp) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(cp));
    return name;
}

bool IsControl(char32_t cp) {
    return (cp < 0x20 && cp != '\t' && cp != '\r' && cp != '\n') || cp == 0x7F ||
           (cp >= 0x80 && cp < 0xA0);
}
} // namespace

bool SettingsBlockFromUtf8(std::string_view utf8, std::string& block, std::string& error) {
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);
    std::string cp1252;
    cp1252.reserve(utf8.size());
    int line = 1;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        const std::size_t n = SequenceLength(utf8.substr(i), cp);
        const std::string where = "Zeile " + std::to_string(line) + ": ";
        if (n == 0) {
            error = where + "kein gültiger UTF-8-Text; die Datei ist keine Textdatei in UTF-8";
            return false;
        }
        if (IsControl(cp)) {
            error = where + "das Steuerzeichen " + CodePointName(cp) +
                    " gehört in keine Textdatei; die Datei ist keine Einstellungsdatei";
            return false;
        }
        const std::string_view one = utf8.substr(i, n);
        const std::string converted = Utf8ToCp1252(one);
        if (Cp1252ToUtf8(converted) != one) {
            error = where + "das Zeichen \"" + std::string(one) + "\" (" + CodePointName(cp) +
                    ") gibt es in Codepage 1252 nicht";
            return false;
        }
        cp1252 += converted;
        if (cp == '\n' || (cp == '\r' && (i + 1 >= utf8.size() || utf8[i + 1] != '\n'))) ++line;
        i += n;
    }
    block = WithCrLf(cp1252);
    return true;
}
