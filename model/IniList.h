// The small INI reader for the settings block. Nothing is trimmed: blanks are
// part of names and values, exactly as the generator's reader treats them.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

class TIniList {
public:
    TIniList();

    // Replaces the lines by the stream's text from its current position to its end.
    // False only when no stream is given.
    bool LoadFromStream(std::istream* stream);
    void LoadFromText(std::string_view text);

    std::vector<std::string> Lines() const;

    int FindSection(std::string_view name) const;
    int FindKey(std::string_view section, std::string_view key) const;
    std::string KeyName(int line) const;
    std::string KeyValue(int line) const;

    std::string ReadRaw(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    std::int64_t ReadInteger(std::string_view section, std::string_view key,
                             std::int64_t def) const;

private:
    std::string_view Line(std::size_t i) const {
        return std::string_view(text_).substr(spans_[i].Start, spans_[i].Length);
    }

    // The text once, the lines as spans of it: loading allocates no line.
    struct Span {
        std::size_t Start;
        std::size_t Length;
    };
    std::string text_;
    std::vector<Span> spans_;
    char separator_ = '=';
};

// A value read as a signed 64-bit integer: leading blanks skipped, an optional
// sign, decimal digits or hexadecimal ones after "$" or "0x". False when invalid.
bool ParseInteger(std::string_view text, std::int64_t& value);
