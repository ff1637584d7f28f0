#include "ForeignImport.h"

#include "Cp1252.h"
#include "ForeignCrossword.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace {

constexpr int MaxWordLetters = 15;
constexpr std::uint8_t CrosswordKind = 0;           // Schwedenrätsel without solution word
constexpr std::string_view Ellipsis = "\x85";       // "…" in code page 1252
constexpr std::string_view CommentJoint = " \x96 "; // " – "
constexpr std::uint8_t ImportedAids =
    AidFlag::MarkWrong | AidFlag::InsertLetter | AidFlag::ShowSolution;

std::string Str(int v) {
    return std::to_string(v);
}

std::string DirectionName(bool across) {
    return across ? "waagerecht" : "senkrecht";
}

// A word of the grid, found from the shape.
struct Slot {
    int Column = 0, Row = 0, Number = 0, Length = 0;
    bool Across = true;
    int Clue = -1;
};

// The first character of a UTF-8 text, and how many characters it has.
std::pair<std::string, int> FirstCharacter(std::string_view utf8) {
    const auto lead = [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; };
    int count = 0;
    std::size_t firstEnd = utf8.size();
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (!lead(utf8[i])) continue;
        if (++count == 2) firstEnd = i;
    }
    return {std::string(utf8.substr(0, count ? firstEnd : 0)), count};
}

char UpperAscii(std::string_view ch) {
    if (ch.size() != 1) return 0;
    char c = ch[0];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return c;
}

class CrosswordLayout {
public:
    CrosswordLayout(const ForeignCrossword& s, Puzzle& p, ImportOutcome& o)
        : S(s), P(p), Im(p.Image), O(o) {}

    void run() {
        if (const std::string refusal = GridSizeRefusal(S.Width, S.Height); !refusal.empty())
            return refuse(refusal);
        StartImport(P);
        Im.PuzzleKind = CrosswordKind;
        Im.ColumnCount = static_cast<std::uint8_t>(S.Width);
        Im.RowCount = static_cast<std::uint8_t>(S.Height);
        if (!cells()) return;
        std::vector<Slot> words = number();
        if (!O.Refusal.empty()) return;
        if (!clues(words)) return;
        store(words);
        texts();
        O.Status = ImportStatus::Imported;
    }

private:
    const ForeignCrossword& S;
    Puzzle& P;
    PuzzleImage& Im;
    ImportOutcome& O;

    void refuse(std::string reason) {
        O.Status = ImportStatus::Refused;
        O.Refusal = std::move(reason);
    }
    bool block(int c, int r) const {
        return c < 1 || r < 1 || c > S.Width || r > S.Height || S.at(c, r).Block;
    }

    bool cells() {
        for (int r = 1; r <= S.Height; ++r)
            for (int c = 1; c <= S.Width; ++c) {
                const ForeignCell& f = S.at(c, r);
                CellRecord& cell = Im.cell(c, r);
                if (f.Block) {
                    cell.CellFlags = CellFlag::Block;
                    continue;
                }
                const auto [first, count] = FirstCharacter(f.Solution);
                if (count == 0) {
                    refuse("Feld " + FieldName(c, r) + " hat keine Lösung.");
                    return false;
                }
                const char letter = UpperAscii(first);
                if (letter < 'A' || letter > 'Z') {
                    refuse("Feld " + FieldName(c, r) + " enthält „" + first +
                           "“; möglich sind nur die Buchstaben A bis Z.");
                    return false;
                }
                if (count > 1)
                    O.Warnings.push_back("Feld " + FieldName(c, r) + " ist ein Rebus (" +
                                         f.Solution + "); gespielt wird " + letter + ".");
                cell.CellFlags = CellFlag::LetterCell;
                if (f.Circled) cell.CellFlags |= CellFlag::SolutionOrGiven;
                cell.SolutionLetter.set(std::string(1, letter));
                const auto [typed, typedCount] = FirstCharacter(f.Entered);
                const char entry = UpperAscii(typed);
                if (typedCount > 0 && entry >= 'A' && entry <= 'Z')
                    Im.entry(c, r).set(std::string(1, entry));
            }
        return true;
    }

    // Numbers follow the shape: a cell starts an across word when its left
    // neighbour is a block or the edge and its right neighbour a letter cell
    // (the same downwards); each starting cell takes the next number.
    std::vector<Slot> number() {
        std::vector<Slot> words;
        int next = 0;
        for (int r = 1; r <= S.Height; ++r)
            for (int c = 1; c <= S.Width; ++c) {
                if (block(c, r)) continue;
                const bool across = block(c - 1, r) && !block(c + 1, r);
                const bool down = block(c, r - 1) && !block(c, r + 1);
                if (!across && !down) continue;
                ++next;
                CellRecord& cell = Im.cell(c, r);
                cell.CellNumber = next;
                for (int pass = 0; pass < 2; ++pass) {
                    const bool a = pass == 0;
                    if (a ? !across : !down) continue;
                    Slot s{c, r, next, 0, a, -1};
                    while (!block(a ? c + s.Length : c, a ? r : r + s.Length)) ++s.Length;
                    if (s.Length > MaxWordLetters && O.Refusal.empty())
                        refuse("Das Wort " + Str(next) + " " + DirectionName(a) + " hat " +
                               Str(s.Length) + " Buchstaben; ein Wort darf höchstens " +
                               Str(MaxWordLetters) + " Buchstaben haben.");
                    (a ? cell.StartsAcrossWord : cell.StartsDownWord) = 1;
                    words.push_back(s);
                }
            }
        if (O.Refusal.empty() && static_cast<int>(words.size()) > MaxWords)
            refuse("Das Rätsel hat " + Str(static_cast<int>(words.size())) + " Wörter; höchstens " +
                   Str(MaxWords) + " Wörter sind möglich.");
        if (O.Refusal.empty() && words.empty())
            refuse("Das Gitter enthält kein Wort; es gibt nichts zu lösen.");
        return words;
    }

    bool clues(std::vector<Slot>& words) {
        const int clueCount = static_cast<int>(S.Clues.size());
        if (S.CluesInWordOrder) {
            // Across Lite stores no numbers: the clues follow the words in
            // reading order, across before down at the same cell.
            if (clueCount != static_cast<int>(words.size())) {
                refuse("Die Datei hat " + Str(clueCount) + " Hinweise, das Gitter aber " +
                       Str(static_cast<int>(words.size())) +
                       " Wörter; zu jedem Wort gehört genau ein Hinweis.");
                return false;
            }
            for (int i = 0; i < clueCount; ++i) words[static_cast<std::size_t>(i)].Clue = i;
            return true;
        }
        std::map<std::pair<int, bool>, Slot*> byNumber;
        for (Slot& s : words) byNumber[{s.Number, s.Across}] = &s;
        for (int i = 0; i < clueCount; ++i) {
            const ForeignClue& clue = S.Clues[static_cast<std::size_t>(i)];
            const std::string name = Str(clue.Number) + " " + DirectionName(clue.Across);
            const auto it = byNumber.find({clue.Number, clue.Across});
            if (it == byNumber.end()) {
                refuse("Zum Hinweis " + name + " gibt es kein Wort im Gitter.");
                return false;
            }
            if (it->second->Clue >= 0) {
                refuse("Zum Wort " + name + " gibt es zwei Hinweise.");
                return false;
            }
            it->second->Clue = i;
        }
        for (const Slot& s : words)
            if (s.Clue < 0) {
                refuse("Das Wort " + Str(s.Number) + " " + DirectionName(s.Across) +
                       " hat keinen Hinweis.");
                return false;
            }
        return true;
    }

    // The word table as the generator orders it: across by number, then down.
    void store(std::vector<Slot>& words) {
        std::stable_sort(words.begin(), words.end(), [](const Slot& a, const Slot& b) {
            if (a.Across != b.Across) return a.Across;
            return a.Number < b.Number;
        });
        for (std::size_t i = 0; i < words.size(); ++i) {
            const Slot& s = words[i];
            WordRecord& w = Im.Words[i];
            w.WordNumber = s.Number;
            w.WordDirection = s.Across ? Direction::Across : Direction::Down;
            std::string text;
            for (int k = 0; k < s.Length; ++k)
                text += Im.cell(s.Across ? s.Column + k : s.Column, s.Across ? s.Row : s.Row + k)
                            .SolutionLetter.view();
            w.WordText.set(text);
            const ForeignClue& clue = S.Clues[static_cast<std::size_t>(s.Clue)];
            w.ClueText.set(RecordText(clue.Text, w.ClueText.Capacity,
                                      "Hinweis " + Str(s.Number) + " " + DirectionName(s.Across),
                                      O.Warnings));
        }
        Im.WordCount = static_cast<std::uint8_t>(words.size());
    }

    void texts() {
        Im.PuzzleTitle.set(RecordText(S.Title, Im.PuzzleTitle.Capacity, "Titel", O.Warnings));
        Im.BestTimeHolder.set(
            RecordText(S.Author, Im.BestTimeHolder.Capacity, "Autor", O.Warnings));
        std::string comment;
        for (const std::string* part : {&S.Copyright, &S.Notes, &S.Intro}) {
            if (part->empty()) continue;
            if (!comment.empty()) comment += Cp1252ToUtf8(CommentJoint);
            comment += *part;
        }
        Im.PuzzleComment.set(
            RecordText(comment, Im.PuzzleComment.Capacity, "Kommentar", O.Warnings));
        Im.CreatorVersion.set(S.Version.substr(0, Im.CreatorVersion.Capacity));
        Im.AllowedAids = ImportedAids;
        Im.ElapsedSeconds = S.ElapsedSeconds;
        std::string note = S.Intro;
        if (!S.Notes.empty()) note += (note.empty() ? "" : Cp1252ToUtf8(CommentJoint)) + S.Notes;
        O.OpeningNote = note;
    }
};

bool IsBlankByte(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

bool HasKey(std::string_view text, std::string_view key) {
    return text.find(key) != std::string_view::npos;
}

} // namespace

std::string FieldName(int c, int r) {
    return "Zeile " + Str(r) + ", Spalte " + Str(c);
}

std::string GridSizeRefusal(int width, int height) {
    if (width < 1 || height < 1) return "Das Gitter hat keine Felder.";
    if (width > MaxCells || height > MaxCells)
        return "Das Gitter ist " + Str(width) + " × " + Str(height) + " Felder groß; höchstens " +
               Str(MaxCells) + " × " + Str(MaxCells) + " Felder sind möglich.";
    return {};
}

std::string RecordText(std::string_view utf8, std::size_t capacity, const std::string& what,
                       std::vector<std::string>& warnings) {
    std::string lost;
    std::string text = Utf8ToCp1252(utf8, lost);
    if (!lost.empty())
        warnings.push_back(what + ": „" + lost + "“ gibt es im Rätsel nicht; dafür steht „?“.");
    if (text.size() <= capacity) return text;
    // Cut at the last blank that leaves at least half of the room, so the
    // ellipsis ends a whole word.
    std::size_t cut = capacity - Ellipsis.size();
    const std::size_t blank = text.rfind(' ', cut);
    if (blank != std::string::npos && blank >= capacity / 2) cut = blank;
    while (cut > 0 && text[cut - 1] == ' ') --cut;
    text = text.substr(0, cut) + std::string(Ellipsis);
    warnings.push_back(what + " gekürzt.");
    return text;
}

void StartImport(Puzzle& puzzle) {
    // Every byte defined, so that the same file always gives the same record.
    std::memset(static_cast<void*>(&puzzle), 0, sizeof(Puzzle));
    ResetPuzzleImage(puzzle);
}

void BuildForeignCrossword(const ForeignCrossword& source, Puzzle& puzzle, ImportOutcome& outcome) {
    CrosswordLayout(source, puzzle, outcome).run();
}

ForeignFormat SniffForeignFormat(std::string_view bytes) {
    // The magic may follow a few stray bytes; the header starts two bytes before it.
    constexpr std::string_view PuzMagic("ACROSS&DOWN\0", 12);
    const std::size_t magic = bytes.substr(0, 128).find(PuzMagic);
    if (magic != std::string_view::npos && magic >= 2) return ForeignFormat::Puz;

    std::string_view text = bytes;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    while (!text.empty() && IsBlankByte(text.front())) text.remove_prefix(1);
    if (text.substr(0, 5) == "ipuz(") return ForeignFormat::Ipuz;
    if (text.substr(0, 1) == "{" && HasKey(text, "\"version\"") && HasKey(text, "\"kind\""))
        return ForeignFormat::Ipuz;
    return ForeignFormat::None;
}

ImportOutcome ImportForeignPuzzle(Puzzle& puzzle, std::string_view bytes, int key) {
    switch (SniffForeignFormat(bytes)) {
    case ForeignFormat::Puz:
        return ReadPuzFile(puzzle, bytes, key);
    case ForeignFormat::Ipuz:
        return ReadIpuzFile(puzzle, bytes);
    default:
        break;
    }
    ImportOutcome o;
    o.Refusal = "Die Datei ist weder eine Across-Lite- noch eine ipuz-Datei.";
    return o;
}

int ParseUnlockKey(std::string_view text) {
    if (text.size() != 4) return NoKey;
    int key = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') return NoKey;
        key = key * 10 + (ch - '0');
    }
    return key;
}
