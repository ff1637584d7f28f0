#include "IniList.h"

#include "Cp1252.h"

#include <iterator>
#include <limits>

TIniList::TIniList() : text_("; NoTitle"), spans_{{0, text_.size()}} {}

bool TIniList::LoadFromStream(std::istream* stream) {
    if (!stream) return false;
    std::string text((std::istreambuf_iterator<char>(*stream)), std::istreambuf_iterator<char>());
    LoadFromText(text);
    return true;
}

void TIniList::LoadFromText(std::string_view text) {
    const std::size_t zero = text.find('\0');
    if (zero != std::string_view::npos) text = text.substr(0, zero);
    text_.assign(text);
    spans_.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        spans_.push_back({start, end - start});
        if (end < text.size()) {
            // CR LF, CR or LF end a line.
            if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
            ++end;
        }
        start = end;
    }
}

std::vector<std::string> TIniList::Lines() const {
    std::vector<std::string> lines;
    lines.reserve(spans_.size());
    for (std::size_t i = 0; i < spans_.size(); ++i) lines.emplace_back(Line(i));
    return lines;
}

namespace {
// Names compare as the generator's reader compares them: both upper-cased.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperCp1252(a[i]) != UpperCp1252(b[i])) return false;
    return true;
}

std::string_view KeyNameOf(std::string_view line, char separator) {
    const std::size_t p = line.find(separator);
    return p == std::string_view::npos ? std::string_view() : line.substr(0, p);
}
} // namespace

int TIniList::FindSection(std::string_view name) const {
    for (std::size_t i = 0; i < spans_.size(); ++i) {
        const std::string_view line = Line(i);
        if (line.empty() || line[0] != '[') continue;
        // From the second character up to but excluding the last one.
        const std::string_view inner = line.size() >= 2 ? line.substr(1, line.size() - 2) : "";
        if (SameName(inner, name)) return static_cast<int>(i);
    }
    return -1;
}

int TIniList::FindKey(std::string_view section, std::string_view key) const {
    const int sec = FindSection(section);
    if (sec < 0 || spans_.empty()) return -1;
    for (std::size_t i = static_cast<std::size_t>(sec) + 1; i < spans_.size(); ++i) {
        const std::string_view line = Line(i);
        if (SameName(KeyNameOf(line, separator_), key)) return static_cast<int>(i);
        // An empty line or the next section ends this section.
        if (line.empty() || line[0] == '[') return -1;
    }
    return -1;
}

std::string TIniList::KeyName(int line) const {
    if (line < 0 || line >= static_cast<int>(spans_.size())) return {};
    return std::string(KeyNameOf(Line(static_cast<std::size_t>(line)), separator_));
}

std::string TIniList::KeyValue(int line) const {
    if (line < 0 || line >= static_cast<int>(spans_.size())) return {};
    const std::string_view s = Line(static_cast<std::size_t>(line));
    const std::size_t p = s.find(separator_);
    if (p == std::string_view::npos || p + 1 >= s.size()) return {};
    return std::string(s.substr(p + 1));
}

std::string TIniList::ReadRaw(std::string_view section, std::string_view key) const {
    const int line = FindKey(section, key);
    return line < 0 ? std::string() : KeyValue(line);
}

std::string TIniList::ReadString(std::string_view section, std::string_view key,
                                 std::string_view def) const {
    std::string raw = ReadRaw(section, key);
    return raw.empty() ? std::string(def) : raw;
}

bool TIniList::ReadBool(std::string_view section, std::string_view key, bool def) const {
    const std::string raw = ReadRaw(section, key);
    if (raw == "0") return false;
    if (raw == "1") return true;
    return def;
}

std::int64_t TIniList::ReadInteger(std::string_view section, std::string_view key,
                                   std::int64_t def) const {
    std::int64_t value = 0;
    return ParseInteger(ReadRaw(section, key), value) ? value : def;
}

bool ParseInteger(std::string_view text, std::int64_t& value) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < text.size() && text[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= text.size()) return false;
    std::uint64_t acc = 0;
    if (hex) {
        // Up to 16 hex digits: the full 64 bits, read as a two's complement value.
        if (text.size() - i > 16) {
            std::size_t lead = i;
            while (lead < text.size() && text[lead] == '0' && text.size() - lead > 16) ++lead;
            if (text.size() - lead > 16) return false;
            i = lead;
        }
        for (; i < text.size(); ++i) {
            const char c = text[i];
            int d;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            else
                return false;
            acc = (acc << 4) | static_cast<std::uint64_t>(d);
        }
        const auto v = static_cast<std::int64_t>(acc);
        value = negative ? static_cast<std::int64_t>(0 - acc) : v;
        return true;
    }
    const std::uint64_t limit =
        negative ? static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + 1
                 : static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        const auto d = static_cast<std::uint64_t>(c - '0');
        if (acc > (limit - d) / 10) return false;
        acc = acc * 10 + d;
    }
    value = negative ? static_cast<std::int64_t>(0 - acc) : static_cast<std::int64_t>(acc);
    return true;
}
