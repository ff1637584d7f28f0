#include "PuzzleSource.h"

#include "Cp1252.h"
#include "KindTraits.h"

#include <array>
#include <charconv>
#include <map>
#include <optional>

namespace {

constexpr std::string_view Blanks = " \t\r";

// Built by appending: GCC's -O3 misreads "x" + std::string(...) as an overlap.
std::string Quoted(std::string_view s) {
    std::string out = "\"";
    out.append(s);
    out += '"';
    return out;
}

std::string_view Trim(std::string_view s) {
    const auto b = s.find_first_not_of(Blanks);
    if (b == std::string_view::npos) return {};
    const auto e = s.find_last_not_of(Blanks);
    return s.substr(b, e - b + 1);
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// Lower case, umlauts spelled out, blanks and underscores as hyphens: the form
// in which names of kinds, levels and languages are compared.
std::string NameKey(std::string_view utf8) {
    std::string s = Lower(Trim(utf8));
    const std::array<std::pair<std::string_view, std::string_view>, 8> folds = {{{"\xC3\xA4", "ae"},
                                                                                 {"\xC3\xB6", "oe"},
                                                                                 {"\xC3\xBC", "ue"},
                                                                                 {"\xC3\x9F", "ss"},
                                                                                 {"\xC3\x84", "ae"},
                                                                                 {"\xC3\x96", "oe"},
                                                                                 {"\xC3\x9C", "ue"},
                                                                                 {"_", "-"}}};
    for (const auto& [from, to] : folds) {
        for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at))
            s.replace(at, from.size(), to);
    }
    std::string out;
    for (char c : s) {
        if (c == ' ') c = '-';
        if (c == '-' && (out.empty() || out.back() == '-')) continue;
        out += c;
    }
    return out;
}

std::optional<long> Number(std::string_view text) {
    text = Trim(text);
    long v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return v;
}

std::vector<std::string_view> Tokens(std::string_view s, std::string_view separators) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = s.find_first_not_of(separators, i);
        if (b == std::string_view::npos) break;
        auto e = s.find_first_of(separators, b);
        if (e == std::string_view::npos) e = s.size();
        out.push_back(s.substr(b, e - b));
        i = e;
    }
    return out;
}

// "column,row"
std::optional<std::pair<int, int>> CellRef(std::string_view token) {
    const auto comma = token.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto c = Number(token.substr(0, comma));
    const auto r = Number(token.substr(comma + 1));
    if (!c || !r) return std::nullopt;
    return std::pair{static_cast<int>(*c), static_cast<int>(*r)};
}

enum class Block { None, Grid, Givens, Entries, Clues };

const std::map<std::string, Block, std::less<>> BlockKeys = {
    {"grid", Block::Grid},
    {"givens", Block::Givens},
    {"entries", Block::Entries},
    {"clues", Block::Clues},
};

constexpr std::array<std::string_view, 18> ValueKeys = {
    "kind",         "title",   "author",       "comment",       "difficulty",     "aids",
    "language",     "version", "solution",     "solution-clue", "solution-cells", "show-positions",
    "reverse-drop", "picture", "picture-area", "picture-fit",   "code",           "best-seconds"};

bool IsKey(std::string_view key) {
    if (BlockKeys.count(key)) return true;
    for (std::string_view k : ValueKeys)
        if (k == key) return true;
    return false;
}

// A line "key: value" whose key is one of ours (keys are lower case).
std::optional<std::pair<std::string, std::string_view>> Header(std::string_view line) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const std::string_view key = Trim(line.substr(0, colon));
    if (!IsKey(key)) return std::nullopt;
    return std::pair{std::string(key), Trim(line.substr(colon + 1))};
}

// The key of a line that has the form "key: value" but names no key of ours:
// one word before the colon, starting with a letter.
std::optional<std::string_view> UnknownKey(std::string_view line) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const std::string_view key = Trim(line.substr(0, colon));
    if (key.empty() || IsKey(key)) return std::nullopt;
    const auto letter = [](unsigned char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c >= 0x80;
    };
    if (!letter(static_cast<unsigned char>(key.front()))) return std::nullopt;
    for (const char ch : key) {
        const auto c = static_cast<unsigned char>(ch);
        if (!letter(c) && !(c >= '0' && c <= '9') && c != '-' && c != '_') return std::nullopt;
    }
    return key;
}

class Parser {
public:
    PuzzleSource run(std::string_view text) {
        if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
        int n = 0;
        std::size_t pos = 0;
        while (pos <= text.size()) {
            auto end = text.find('\n', pos);
            if (end == std::string_view::npos) end = text.size();
            line(++n, text.substr(pos, end - pos));
            pos = end + 1;
        }
        if (!Seen.count("kind")) fail(0, "keine Rätselart angegeben (kind: ...)");
        if (Out.Layout.Grid.empty())
            fail(0, "kein Gitter angegeben (grid: und darunter seine Reihen)");
        if (!Out.PicturePath.empty() && !Out.Layout.Picture)
            fail(Out.Layout.Lines.Picture,
                 "das Bild braucht picture-area: LINKS,OBEN RECHTS,UNTEN");
        if (Out.PicturePath.empty() && Out.Layout.Picture)
            fail(Seen["picture-area"], "picture-area ohne picture");
        return std::move(Out);
    }

private:
    PuzzleSource Out;
    Block Current = Block::None;
    std::map<std::string, int, std::less<>> Seen;

    void fail(int line, std::string text) { Out.Faults.push_back({line, std::move(text)}); }

    // UTF-8 to code page 1252; characters without a form there are a fault.
    std::string cp1252(int line, std::string_view utf8) {
        std::string out = Utf8ToCp1252(utf8);
        if (Cp1252ToUtf8(out) != utf8)
            fail(line, "der Text enthält Zeichen, die ein Rätsel nicht speichern kann");
        return out;
    }

    GridLayer* layer() {
        switch (Current) {
        case Block::Grid:
            return &Out.Layout.Grid;
        case Block::Givens:
            return &Out.Layout.Givens;
        case Block::Entries:
            return &Out.Layout.Entries;
        default:
            return nullptr;
        }
    }

    void line(int n, std::string_view raw) {
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        const std::string_view t = Trim(raw);
        const bool comment = !t.empty() && t.front() == ';';
        const auto header = Header(t);
        // In the clue list "WORD: clue" has the same form as a key line.
        const auto unknownKey = header || Current == Block::Clues ? std::nullopt : UnknownKey(t);
        if (GridLayer* grid = layer(); grid && !header && !unknownKey) {
            if (t.empty()) {
                Current = Block::None; // a blank line ends the rows
                return;
            }
            if (comment) return;
            std::string row;
            for (char c : t)
                if (c != ' ' && c != '\t') row += c;
            grid->Rows.push_back(cp1252(n, row));
            grid->Lines.push_back(n);
            return;
        }
        if (t.empty() || comment) return;
        if (Current == Block::Clues && !header) {
            clue(n, t);
            return;
        }
        if (unknownKey) {
            Current = Block::None;
            std::string text = "unbekannter Schlüssel " + Quoted(*unknownKey);
            if (IsKey(Lower(*unknownKey))) text += " (Schlüssel werden klein geschrieben)";
            fail(n, text);
            return;
        }
        if (!header) {
            fail(n, "erwartet \"Schlüssel: Wert\", gefunden " + Quoted(t));
            return;
        }
        const auto& [key, value] = *header;
        if (auto [it, fresh] = Seen.emplace(key, n); !fresh) {
            fail(n, key + " ist doppelt angegeben (zuerst in Zeile " + std::to_string(it->second) +
                        ")");
            return;
        }
        if (auto b = BlockKeys.find(key); b != BlockKeys.end()) {
            if (!value.empty())
                fail(n, key + ": beginnt einen Block; seine Zeilen folgen darunter");
            Current = b->second;
            return;
        }
        Current = Block::None;
        setValue(n, key, value);
    }

    void clue(int n, std::string_view t) {
        ClueLine c;
        c.Line = n;
        std::string_view left = t, right;
        if (const auto colon = t.find(':'); colon != std::string_view::npos) {
            left = Trim(t.substr(0, colon));
            right = Trim(t.substr(colon + 1));
        }
        const auto space = left.find_first_of(" \t");
        if (space != std::string_view::npos) {
            const std::string first = Lower(left.substr(0, space));
            if (first == "across" || first == "waagerecht") c.Direction = Direction::Across;
            if (first == "down" || first == "senkrecht") c.Direction = Direction::Down;
            if (c.Direction >= 0) left = Trim(left.substr(space));
        }
        c.Word = cp1252(n, left);
        c.Clue = cp1252(n, right);
        Out.Layout.Clues.push_back(std::move(c));
    }

    bool yesNo(int n, std::string_view value) {
        const std::string v = NameKey(value);
        if (v == "yes" || v == "ja" || v == "1" || v == "true" || v == "on") return true;
        if (v == "no" || v == "nein" || v == "0" || v == "false" || v == "off") return false;
        fail(n, "erwartet ja oder nein, gefunden " + Quoted(value));
        return false;
    }

    void setValue(int n, const std::string& key, std::string_view value) {
        PuzzleLayout& L = Out.Layout;
        if (key == "kind") {
            L.Lines.Kind = n;
            L.Kind = KindFromName(value);
            if (L.Kind < 0) fail(n, "unbekannte Rätselart " + Quoted(value));
        } else if (key == "title") {
            L.Lines.Title = n;
            L.Title = cp1252(n, value);
        } else if (key == "author") {
            L.Lines.Author = n;
            L.Author = cp1252(n, value);
        } else if (key == "comment") {
            L.Lines.Comment = n;
            L.Comment = cp1252(n, value);
        } else if (key == "version") {
            L.Lines.Version = n;
            L.Version = cp1252(n, value);
        } else if (key == "difficulty") {
            L.Lines.Difficulty = n;
            const std::string v = NameKey(value);
            static const std::map<std::string, int, std::less<>> names = {{"leicht", 0},
                                                                          {"mittelschwer", 1},
                                                                          {"mittel", 1},
                                                                          {"schwer", 2},
                                                                          {"sehr-schwer", 3}};
            if (auto it = names.find(v); it != names.end())
                L.Difficulty = it->second;
            else if (auto num = Number(value))
                L.Difficulty = static_cast<int>(*num);
            else
                fail(n, "unbekannter Schwierigkeitsgrad " + Quoted(value));
        } else if (key == "aids") {
            aids(n, value);
        } else if (key == "language") {
            const std::string v = NameKey(value);
            static const std::map<std::string, int, std::less<>> names = {
                {"none", 0},     {"keine", 0},   {"deutsch", 1},      {"german", 1},
                {"englisch", 2}, {"english", 2}, {"franzoesisch", 3}, {"french", 3},
                {"spanisch", 4}, {"spanish", 4}};
            if (auto it = names.find(v); it != names.end())
                L.Language = it->second;
            else if (auto num = Number(value); num && *num >= 0 && *num <= 4)
                L.Language = static_cast<int>(*num);
            else
                fail(n, "unbekannte Sprache " + Quoted(value));
        } else if (key == "solution") {
            L.Lines.SolutionWord = n;
            L.SolutionWord = cp1252(n, value);
        } else if (key == "solution-clue") {
            L.Lines.SolutionClue = n;
            L.SolutionClue = cp1252(n, value);
        } else if (key == "solution-cells") {
            L.Lines.SolutionCells = n;
            for (std::string_view token : Tokens(value, " \t")) {
                auto cell = CellRef(token);
                if (!cell)
                    fail(n, Quoted(token) + " ist kein Feld (Spalte,Reihe)");
                else
                    L.SolutionCells.push_back(*cell);
            }
        } else if (key == "show-positions") {
            L.ShowSolutionPositions = yesNo(n, value);
        } else if (key == "reverse-drop") {
            L.Lines.ReverseDrop = n;
            L.ReverseDropAllowed = yesNo(n, value);
        } else if (key == "picture") {
            L.Lines.Picture = n;
            Out.PicturePath = std::string(value);
            if (value.empty()) fail(n, "picture: nennt keine Datei");
        } else if (key == "picture-area") {
            const auto tokens = Tokens(value, " \t");
            std::optional<std::pair<int, int>> a, b;
            if (tokens.size() == 2) {
                a = CellRef(tokens[0]);
                b = CellRef(tokens[1]);
            }
            if (!a || !b)
                fail(n, "picture-area braucht zwei Felder: LINKS,OBEN RECHTS,UNTEN");
            else
                L.Picture = PictureCells{a->first, a->second, b->first, b->second};
        } else if (key == "picture-fit") {
            const std::string v = NameKey(value);
            if (v == "none")
                L.PictureFitFlags = PictureFit::None;
            else if (v == "width")
                L.PictureFitFlags = PictureFit::Width;
            else if (v == "height")
                L.PictureFitFlags = PictureFit::Height;
            else if (v == "stretch")
                L.PictureFitFlags = PictureFit::Stretch;
            else
                fail(n, "picture-fit ist none, width, height oder stretch");
        } else if (key == "code") {
            L.Lines.Code = n;
            L.CodeLetters = cp1252(n, value);
        } else if (key == "best-seconds") {
            L.Lines.BestSeconds = n;
            const auto v = Number(value);
            if (!v || *v < 0 || *v > 65535)
                fail(n, "best-seconds muss zwischen 0 und 65535 liegen");
            else
                L.BestSeconds = static_cast<std::uint16_t>(*v);
        }
    }

    void aids(int n, std::string_view value) {
        int bits = 0;
        for (std::string_view token : Tokens(value, " \t,")) {
            const std::string v = NameKey(token);
            if (v == "wrong")
                bits |= AidFlag::MarkWrong;
            else if (v == "letter")
                bits |= AidFlag::InsertLetter;
            else if (v == "solution")
                bits |= AidFlag::ShowSolution;
            else if (v == "edit")
                bits |= AidFlag::EditPuzzle;
            else if (v == "none")
                bits |= 0;
            else if (auto num = Number(token); num && *num >= 0 && *num <= 255)
                bits |= static_cast<int>(*num);
            else
                fail(n, "unbekannte Hilfe " + Quoted(token) +
                            " (wrong, letter, solution, edit, none oder eine Zahl)");
        }
        Out.Layout.AllowedAids = static_cast<std::uint8_t>(bits);
    }
};

} // namespace

int KindFromName(std::string_view text) {
    if (auto num = Number(text))
        return *num >= 0 && *num < KindCount && IsKnownKind(static_cast<int>(*num))
                   ? static_cast<int>(*num)
                   : -1;
    const std::string key = NameKey(text);
    constexpr std::string_view suffix = "-loesungswort";
    for (int kind = 0; kind < KindCount; ++kind) {
        const KindTraits& t = Traits(kind);
        if (t.SourceName.empty()) continue;
        if (key == t.SourceName) return kind;
        // "...-mit-loesungswort" is the long form of "...-loesungswort".
        if (t.SolutionWord && t.SourceName.ends_with(suffix) &&
            key == std::string(t.SourceName.substr(0, t.SourceName.size() - suffix.size())) +
                       "-mit" + std::string(suffix))
            return kind;
    }
    return -1;
}

PuzzleSource ParsePuzzleSource(std::string_view utf8) {
    return Parser().run(utf8);
}
