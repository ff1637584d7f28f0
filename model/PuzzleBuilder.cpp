#include "PuzzleBuilder.h"

#include "Container.h"
#include "Cp1252.h"
#include "TextUtil.h"

#include <algorithm>
#include <array>
#include <bit>
#include <map>
#include <set>

namespace {

constexpr int MaxWordLetters = 15; // capacity of WordText
constexpr char BlockChar = '#';
constexpr char NoneChar = '.';

std::string Reversed(const std::string& s) {
    return {s.rbegin(), s.rend()};
}
std::string Str(int v) {
    return std::to_string(v);
}
std::string Cell(int c, int r) {
    return "Spalte " + Str(c) + ", Reihe " + Str(r);
}
std::string DirName(bool across) {
    return across ? "waagerecht" : "senkrecht";
}
// A character of the source (code page 1252) inside a message (UTF-8).
std::string Char(char ch) {
    return Cp1252ToUtf8(std::string_view(&ch, 1));
}

bool IsWordKindWithClues(int kind) {
    // Number puzzles show codes, word grids list the words themselves: only
    // the other word kinds need a clue for every word.
    return IsWordKind(kind) && !IsNumberKind(kind) && !IsFenceKind(kind);
}

// A run of two or more letter cells along one direction, or a hidden word.
struct Slot {
    int Column = 0, Row = 0; // first cell in grid order
    bool Across = true;
    std::string Text; // letters in grid order
    int Clue = -1;    // index into the layout's clue lines
    bool Reversed = false;
    int Number = 0;

    std::string word() const { return Reversed ? ::Reversed(Text) : Text; }
    int length() const { return static_cast<int>(Text.size()); }
    bool covers(int c, int r) const {
        return Across ? (r == Row && c >= Column && c < Column + length())
                      : (c == Column && r >= Row && r < Row + length());
    }
};

// Depth-first search over bit masks, always on the open cell with the fewest
// candidates; fast enough for 12 x 12 with a sensible set of givens.
class SudokuCounter {
public:
    SudokuCounter(int n, int boxW, int boxH) : N(n), W(boxW), H(boxH) {}

    bool place(int i, int v) {
        const unsigned bit = 1u << v;
        const int r = i / N, c = i % N, b = box(r, c);
        if ((Rows[r] | Cols[c] | Boxes[b]) & bit) return false;
        Rows[r] |= bit;
        Cols[c] |= bit;
        Boxes[b] |= bit;
        Grid[i] = v;
        return true;
    }

    int count(int limit) {
        Limit = limit;
        search();
        if (Found < Limit && Nodes > Budget) return -1;
        return Found;
    }

    std::array<int, 144> Grid{};
    std::array<int, 144> FirstSolution{};

private:
    int N, W, H;
    std::array<unsigned, 12> Rows{}, Cols{}, Boxes{};
    int Found = 0, Limit = 2;
    long Nodes = 0;
    static constexpr long Budget = 4000000;

    int box(int r, int c) const { return (r / H) * (N / W) + c / W; }
    unsigned free(int i) const {
        const int r = i / N, c = i % N;
        const unsigned all = ((1u << N) - 1u) << 1;
        return all & ~(Rows[r] | Cols[c] | Boxes[box(r, c)]);
    }

    void search() {
        if (Found >= Limit || ++Nodes > Budget) return;
        int best = -1, bestCount = 99;
        for (int i = 0; i < N * N; ++i) {
            if (Grid[i] != 0) continue;
            const int k = std::popcount(free(i));
            if (k < bestCount) {
                best = i;
                bestCount = k;
                if (k <= 1) break;
            }
        }
        if (best < 0) {
            if (++Found == 1) FirstSolution = Grid;
            return;
        }
        const unsigned options = free(best);
        const int r = best / N, c = best % N, b = box(r, c);
        for (int v = 1; v <= N; ++v) {
            const unsigned bit = 1u << v;
            if (!(options & bit)) continue;
            Rows[r] |= bit;
            Cols[c] |= bit;
            Boxes[b] |= bit;
            Grid[best] = v;
            search();
            Grid[best] = 0;
            Rows[r] &= ~bit;
            Cols[c] &= ~bit;
            Boxes[b] &= ~bit;
            if (Found >= Limit || Nodes > Budget) return;
        }
    }
};

int BoxWidthFor(int n) {
    return n < 9 ? n / 2 : n / 3;
}

int SymbolValueOf(char ch) {
    if (ch >= '1' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    return 0;
}

class Builder {
public:
    Builder(const PuzzleLayout& layout, Puzzle& puzzle)
        : L(layout), P(puzzle), Im(puzzle.Image), Kind(layout.Kind) {}

    std::vector<BuildMessage> run() {
        ResetPuzzleImage(P);
        if (!IsKnownKind(Kind)) {
            fail(L.Lines.Kind, "unbekannte Rätselart " + Str(Kind));
            return Faults;
        }
        Im.PuzzleKind = static_cast<std::uint8_t>(Kind);
        texts();
        if (!shape(L.Grid, "grid", true)) return Faults;
        if (!L.Givens.empty() && !shape(L.Givens, "givens", false)) return Faults;
        if (!L.Entries.empty() && !shape(L.Entries, "entries", false)) return Faults;
        Im.RowCount = static_cast<std::uint8_t>(Rows);
        Im.ColumnCount = static_cast<std::uint8_t>(Cols);

        if (!IsSudokuKind(Kind) && !L.Givens.empty())
            fail(rowLine(L.Givens, 1), "givens gibt es nur bei Sudokus");
        if (IsSudokuKind(Kind))
            sudoku();
        else if (IsWordSearch(Kind))
            wordSearch();
        else
            wordGrid();
        if (!Faults.empty()) return Faults;

        entries();
        solutionWord();
        codes();
        picture();
        return Faults;
    }

private:
    const PuzzleLayout& L;
    Puzzle& P;
    PuzzleImage& Im;
    int Kind;
    int Rows = 0, Cols = 0;
    std::vector<std::string> G; // the grid, letters upper-cased
    std::vector<BuildMessage> Faults;

    void fail(int line, std::string text) { Faults.push_back({line, std::move(text)}); }
    int rowLine(const GridLayer& layer, int r) const {
        const auto i = static_cast<std::size_t>(r - 1);
        return i < layer.Lines.size() ? layer.Lines[i] : 0;
    }
    char at(int c, int r) const {
        return G[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
    }
    char layerAt(const GridLayer& layer, int c, int r) const {
        return layer.Rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
    }
    bool block(int c, int r) const { return at(c, r) == BlockChar; }

    template <std::size_t N>
    void text(ShortString<N>& field, const std::string& value, int line, const char* what) {
        if (value.size() > N)
            fail(line, std::string(what) + " hat " + Str(static_cast<int>(value.size())) +
                           " Zeichen; höchstens " + Str(static_cast<int>(N)) + " passen");
        field.set(value);
    }

    void texts() {
        text(Im.PuzzleTitle, L.Title, L.Lines.Title, "der Titel");
        text(Im.PuzzleComment, L.Comment, L.Lines.Comment, "der Kommentar");
        text(Im.BestTimeHolder, L.Author, L.Lines.Author, "der Autor");
        // The puzzle file's header holds 13 characters of the version.
        if (L.Version.empty() || L.Version.size() > 13)
            fail(L.Lines.Version, "die Version muss 1 bis 13 Zeichen haben");
        Im.CreatorVersion.set(L.Version);
        if (L.Difficulty < 0 || L.Difficulty > 3)
            fail(L.Lines.Difficulty, "der Schwierigkeitsgrad muss 0 bis 3 sein");
        Im.Difficulty = static_cast<std::uint8_t>(std::clamp(L.Difficulty, 0, 3));
        Im.AllowedAids = L.AllowedAids;
        Im.PuzzleLanguage = static_cast<std::uint8_t>(std::clamp(L.Language, 0, 4));
        if (L.ReverseDropAllowed && !IsFenceKind(Kind))
            fail(L.Lines.ReverseDrop, "reverse-drop gilt nur für die Arten 6 und 7");
        Im.ReverseDropAllowed = L.ReverseDropAllowed ? 1 : 0;
        if (IsTimedKind(Kind))
            Im.BestSeconds = L.BestSeconds;
        else if (L.BestSeconds != 0)
            fail(L.Lines.BestSeconds, "eine Bestzeit gibt es nur bei Art 15 (Sudoku auf Zeit)");
    }

    bool shape(const GridLayer& layer, const char* name, bool main) {
        const int lines = static_cast<int>(layer.Rows.size());
        if (lines == 0) {
            fail(0, std::string("der Block ") + name + " ist leer");
            return false;
        }
        if (!main && lines != Rows) {
            fail(rowLine(layer, 1), std::string("der Block ") + name + " hat " + Str(lines) +
                                        " Reihen, das Gitter " + Str(Rows));
            return false;
        }
        const int width = static_cast<int>(layer.Rows[0].size());
        for (int r = 1; r <= lines; ++r) {
            const int n = static_cast<int>(layer.Rows[static_cast<std::size_t>(r - 1)].size());
            const int expected = main ? width : Cols;
            if (n != expected) {
                fail(rowLine(layer, r), "Reihe " + Str(r) + " des Blocks " + name + " hat " +
                                            Str(n) + " Felder, erwartet " + Str(expected));
                return false;
            }
        }
        if (main) {
            if (lines > MaxCells || width > MaxCells || width == 0) {
                fail(rowLine(layer, 1), "das Gitter muss 1 bis 50 Felder breit und hoch sein");
                return false;
            }
            Rows = lines;
            Cols = width;
            G = layer.Rows;
            for (std::string& row : G)
                for (char& ch : row)
                    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
        }
        return true;
    }

    // ---- word kinds below 12 ----

    void wordGrid() {
        for (int r = 1; r <= Rows; ++r)
            for (int c = 1; c <= Cols; ++c) {
                const char ch = at(c, r);
                if (ch != BlockChar && (ch < 'A' || ch > 'Z'))
                    fail(rowLine(L.Grid, r),
                         Cell(c, r) + ": '" + Char(ch) +
                             "' ist kein Feld (A bis Z, oder # für einen Block)");
            }
        if (!Faults.empty()) return;

        std::vector<Slot> slots = findRuns();
        for (int r = 1; r <= Rows; ++r)
            for (int c = 1; c <= Cols; ++c) {
                if (block(c, r)) continue;
                const bool inWord = std::any_of(slots.begin(), slots.end(),
                                                [&](const Slot& s) { return s.covers(c, r); });
                if (!inWord)
                    fail(rowLine(L.Grid, r),
                         "der Buchstabe in " + Cell(c, r) + " gehört zu keinem Wort");
            }
        if (!Faults.empty()) return;

        if (slots.empty()) {
            fail(rowLine(L.Grid, 1), "das Gitter enthält nur Blöcke; es gibt nichts zu lösen");
            return;
        }
        matchClues(slots);
        // A word standing twice is one fault, not also a word without a clue.
        const std::set<const Slot*> repeated = checkDuplicates(slots);
        if (IsWordKindWithClues(Kind)) {
            for (const Slot& s : slots)
                if (s.Clue < 0 && !repeated.count(&s))
                    fail(rowLine(L.Grid, s.Row), "das Wort " + s.Text + " (" + DirName(s.Across) +
                                                     ", " + Cell(s.Column, s.Row) +
                                                     ") hat keine Frage");
        }
        if (!Faults.empty()) return;

        for (int r = 1; r <= Rows; ++r)
            for (int c = 1; c <= Cols; ++c) {
                CellRecord& cell = Im.cell(c, r);
                if (block(c, r)) {
                    cell.CellFlags = CellFlag::Block;
                } else {
                    cell.CellFlags = CellFlag::LetterCell;
                    cell.SolutionLetter.set(std::string(1, at(c, r)));
                }
            }
        numberAndStore(slots);
    }

    std::vector<Slot> findRuns() {
        std::vector<Slot> slots;
        for (int pass = 0; pass < 2; ++pass) {
            const bool across = pass == 0;
            const int lines = across ? Rows : Cols, len = across ? Cols : Rows;
            for (int k = 1; k <= lines; ++k) {
                int i = 1;
                while (i <= len) {
                    const auto cellOf = [&](int j) {
                        return across ? std::pair{j, k} : std::pair{k, j};
                    };
                    if (block(cellOf(i).first, cellOf(i).second)) {
                        ++i;
                        continue;
                    }
                    const int start = i;
                    std::string text;
                    while (i <= len && !block(cellOf(i).first, cellOf(i).second)) {
                        text += at(cellOf(i).first, cellOf(i).second);
                        ++i;
                    }
                    if (text.size() < 2) continue;
                    Slot s;
                    s.Column = cellOf(start).first;
                    s.Row = cellOf(start).second;
                    s.Across = across;
                    s.Text = text;
                    if (s.length() > MaxWordLetters)
                        fail(rowLine(L.Grid, s.Row),
                             "das " + DirName(across) + "e Wort in " + Cell(s.Column, s.Row) +
                                 " hat " + Str(s.length()) + " Buchstaben; höchstens 15 passen");
                    slots.push_back(s);
                }
            }
        }
        return slots;
    }

    void matchClues(std::vector<Slot>& slots) {
        const bool mayReverse = IsFenceKind(Kind);
        for (std::size_t i = 0; i < L.Clues.size(); ++i) {
            const ClueLine& cl = L.Clues[i];
            const std::string w = NormalizeWord(cl.Word, 255);
            if (w.empty()) {
                fail(cl.Line, "vor der Frage steht kein Wort");
                continue;
            }
            if (cl.Clue.size() > 102)
                fail(cl.Line, "die Frage zu " + w + " hat " +
                                  Str(static_cast<int>(cl.Clue.size())) +
                                  " Zeichen; höchstens 102 passen");
            if (cl.Clue.empty() && IsWordKindWithClues(Kind))
                fail(cl.Line, "die Frage zu " + w + " ist leer");
            // Forward matches first, so that a word that also stands reversed elsewhere
            // in the same direction keeps its plain slot.
            Slot* found = nullptr;
            bool ambiguous = false;
            for (int reversed = 0; reversed < (mayReverse ? 2 : 1) && !found; ++reversed) {
                for (Slot& s : slots) {
                    if (cl.Direction >= 0 && (cl.Direction == Direction::Across) != s.Across)
                        continue;
                    if ((reversed ? Reversed(s.Text) : s.Text) != w) continue;
                    if (found && found->Across != s.Across) ambiguous = true;
                    if (!found || (found->Clue >= 0 && s.Clue < 0)) found = &s;
                }
            }
            if (!found) {
                fail(cl.Line, "Frage zu einem unbekannten Wort " + w);
                continue;
            }
            if (ambiguous) {
                fail(cl.Line, "das Wort " + w + " steht waagerecht und senkrecht; schreiben Sie " +
                                  "waagerecht " + w + " oder senkrecht " + w);
                continue;
            }
            if (found->Clue >= 0) {
                fail(cl.Line, "zweite Frage zum Wort " + w + " (die erste steht in Zeile " +
                                  Str(L.Clues[static_cast<std::size_t>(found->Clue)].Line) + ")");
                continue;
            }
            found->Clue = static_cast<int>(i);
            if (found->Text != w) found->Reversed = true;
        }
    }

    // The queries find a word by its text within a direction; a text standing
    // twice would make the second slot's letters count as wrong.
    // Returns the slots that repeat an earlier one.
    std::set<const Slot*> checkDuplicates(const std::vector<Slot>& slots) {
        std::map<std::pair<bool, std::string>, const Slot*> seen;
        std::set<const Slot*> repeated;
        for (const Slot& s : slots) {
            auto [it, fresh] = seen.emplace(std::pair{s.Across, s.word()}, &s);
            if (fresh) continue;
            repeated.insert(&s);
            fail(rowLine(L.Grid, s.Row), "das Wort " + s.word() + " steht zweimal " +
                                             DirName(s.Across) + " (in " +
                                             Cell(it->second->Column, it->second->Row) + " und " +
                                             Cell(s.Column, s.Row) + ")");
        }
        return repeated;
    }

    // Numbers in reading order, one per cell where a word starts; words across
    // first, then down, each by number.
    void numberAndStore(std::vector<Slot>& slots) {
        int next = 0;
        for (int r = 1; r <= Rows; ++r)
            for (int c = 1; c <= Cols; ++c) {
                bool starts = false;
                for (Slot& s : slots) {
                    if (s.Column != c || s.Row != r) continue;
                    if (!starts) ++next;
                    starts = true;
                    s.Number = next;
                    CellRecord& cell = Im.cell(c, r);
                    cell.CellNumber = next;
                    (s.Across ? cell.StartsAcrossWord : cell.StartsDownWord) = 1;
                }
            }
        if (static_cast<int>(slots.size()) > MaxWords) {
            fail(0, "das Rätsel hat " + Str(static_cast<int>(slots.size())) +
                        " Wörter; höchstens 201 passen");
            return;
        }
        std::stable_sort(slots.begin(), slots.end(), [](const Slot& a, const Slot& b) {
            if (a.Across != b.Across) return a.Across;
            return a.Number < b.Number;
        });
        for (std::size_t i = 0; i < slots.size(); ++i) {
            const Slot& s = slots[i];
            WordRecord& w = Im.Words[i];
            w.WordNumber = s.Number;
            w.WordDirection = s.Across ? Direction::Across : Direction::Down;
            w.WordReversed = s.Reversed ? 1 : 0;
            w.WordText.set(s.word());
            if (s.Clue >= 0) w.ClueText.set(L.Clues[static_cast<std::size_t>(s.Clue)].Clue);
        }
        Im.WordCount = static_cast<std::uint8_t>(slots.size());
    }

    // ---- kind 12: words hidden in a block of letters ----

    std::optional<Slot> findHidden(const std::string& w, int direction) const {
        const int n = static_cast<int>(w.size());
        for (int pass = 0; pass < 4; ++pass) {
            const bool across = pass < 2, reversed = pass % 2 == 1;
            if (direction >= 0 && (direction == Direction::Across) != across) continue;
            const std::string target = reversed ? Reversed(w) : w;
            for (int r = 1; r <= Rows; ++r)
                for (int c = 1; c <= Cols; ++c) {
                    if ((across ? c : r) + n - 1 > (across ? Cols : Rows)) continue;
                    std::string text;
                    for (int k = 0; k < n; ++k) text += across ? at(c + k, r) : at(c, r + k);
                    if (text != target) continue;
                    Slot s;
                    s.Column = c;
                    s.Row = r;
                    s.Across = across;
                    s.Text = text;
                    s.Reversed = reversed && text != w;
                    return s;
                }
        }
        return std::nullopt;
    }

    void wordSearch() {
        for (int r = 1; r <= Rows; ++r)
            for (int c = 1; c <= Cols; ++c) {
                const char ch = at(c, r);
                if (ch < 'A' || ch > 'Z')
                    fail(rowLine(L.Grid, r), Cell(c, r) + ": '" + Char(ch) +
                                                 "' ist kein Buchstabe; ein Kreuzwortpuzzle "
                                                 "enthält nur A bis Z");
            }
        if (!Faults.empty()) return;
        if (L.Clues.empty())
            fail(0, "ein Kreuzwortpuzzle braucht die Liste der gesuchten Wörter (clues:)");

        std::vector<Slot> slots;
        std::set<std::string> listed;
        for (std::size_t i = 0; i < L.Clues.size(); ++i) {
            const ClueLine& cl = L.Clues[i];
            const std::string w = NormalizeWord(cl.Word, 255);
            if (w.size() < 2 || w.size() > MaxWordLetters) {
                fail(cl.Line, "ein gesuchtes Wort braucht 2 bis 15 Buchstaben");
                continue;
            }
            if (cl.Clue.size() > 102) fail(cl.Line, "die Frage hat mehr als 102 Zeichen");
            if (!listed.insert(w).second) {
                fail(cl.Line, "das Wort " + w + " steht zweimal in der Liste");
                continue;
            }
            std::optional<Slot> s = findHidden(w, cl.Direction);
            if (!s) {
                fail(cl.Line, "das Wort " + w + " steht nicht im Gitter");
                continue;
            }
            for (const Slot& o : slots)
                if (o.Column == s->Column && o.Row == s->Row && o.Across == s->Across)
                    fail(cl.Line, "die Wörter " + o.word() + " und " + w + " beginnen beide " +
                                      DirName(o.Across) + " in " + Cell(o.Column, o.Row));
            s->Clue = static_cast<int>(i);
            slots.push_back(*s);
        }
        if (!Faults.empty()) return;

        for (int r = 1; r <= Rows; ++r)
            for (int c = 1; c <= Cols; ++c) {
                CellRecord& cell = Im.cell(c, r);
                const std::string letter(1, at(c, r));
                cell.SolutionLetter.set(letter);
                const bool inWord = std::any_of(slots.begin(), slots.end(),
                                                [&](const Slot& s) { return s.covers(c, r); });
                if (inWord) {
                    cell.CellFlags = CellFlag::LetterCell;
                } else {
                    // Filler letters are blocks; the board shows them from the entry.
                    cell.CellFlags = CellFlag::Block;
                    Im.entry(c, r).set(letter);
                }
            }
        // The board finds a marked line's word by the number of its first cell
        // in grid order, so the list keeps the source order and only the cells
        // are numbered in reading order.
        std::vector<Slot> ordered = slots;
        numberAndStore(ordered);
        if (!Faults.empty()) return;
        for (std::size_t i = 0; i < slots.size(); ++i) {
            const Slot& s = slots[i];
            const Slot& numbered = *std::find_if(ordered.begin(), ordered.end(),
                                                 [&](const Slot& o) { return o.Clue == s.Clue; });
            WordRecord& w = Im.Words[i];
            w.WordNumber = numbered.Number;
            w.WordDirection = s.Across ? Direction::Across : Direction::Down;
            w.WordReversed = s.Reversed ? 1 : 0;
            w.WordText.set(s.word());
            w.ClueText.set(L.Clues[static_cast<std::size_t>(s.Clue)].Clue);
        }
    }

    // ---- Sudoku kinds ----

    void sudoku() {
        const int n = Cols;
        if (Rows != Cols || (n != 4 && n != 6 && n != 8 && n != 9 && n != 12)) {
            fail(rowLine(L.Grid, 1), "ein Sudoku hat 4, 6, 8, 9 oder 12 Felder im Quadrat");
            return;
        }
        const int w = BoxWidthFor(n), h = n / w;
        for (int r = 1; r <= Rows; ++r)
            for (int c = 1; c <= Cols; ++c) {
                const int v = SymbolValueOf(at(c, r));
                if (v < 1 || v > n)
                    fail(rowLine(L.Grid, r), Cell(c, r) + ": '" + Char(at(c, r)) +
                                                 "' ist kein Zeichen eines Sudokus mit " + Str(n) +
                                                 " × " + Str(n) + " Feldern");
            }
        if (!Faults.empty()) return;
        SudokuCounter check(n, w, h);
        for (int r = 1; r <= Rows; ++r)
            for (int c = 1; c <= Cols; ++c)
                if (!check.place((r - 1) * n + c - 1, SymbolValueOf(at(c, r))))
                    fail(rowLine(L.Grid, r), "das Zeichen " + Char(at(c, r)) + " in " + Cell(c, r) +
                                                 " wiederholt sich in Reihe, Spalte oder Kasten");
        if (!Faults.empty()) return;
        if (L.Givens.empty()) {
            fail(0, "ein Sudoku braucht Vorgaben (givens:)");
            return;
        }
        std::vector<std::string> open(static_cast<std::size_t>(n), std::string());
        for (int r = 1; r <= Rows; ++r)
            for (int c = 1; c <= Cols; ++c) {
                char g = layerAt(L.Givens, c, r);
                if (g >= 'a' && g <= 'f') g = static_cast<char>(g - 'a' + 'A');
                if (g != NoneChar && g != at(c, r))
                    fail(rowLine(L.Givens, r), "die Vorgabe in " + Cell(c, r) +
                                                   " ist nicht das Zeichen " + Char(at(c, r)) +
                                                   " des Gitters");
                open[static_cast<std::size_t>(r - 1)] += g;
            }
        if (!Faults.empty()) return;
        const int solutions = CountSudokuSolutions(open, 2);
        if (solutions > 1)
            fail(rowLine(L.Givens, 1), "die Vorgaben lassen mehr als eine Lösung zu");

        for (int r = 1; r <= Rows; ++r)
            for (int c = 1; c <= Cols; ++c) {
                CellRecord& cell = Im.cell(c, r);
                const std::string symbol(1, at(c, r));
                cell.SolutionLetter.set(symbol);
                cell.CellFlags = CellFlag::LetterCell;
                if (layerAt(L.Givens, c, r) != NoneChar) {
                    cell.CellFlags |= CellFlag::SolutionOrGiven;
                    Im.entry(c, r).set(symbol);
                }
            }
    }

    // ---- shared parts ----

    void entries() {
        if (L.Entries.empty()) return;
        for (int r = 1; r <= Rows; ++r)
            for (int c = 1; c <= Cols; ++c) {
                char e = layerAt(L.Entries, c, r);
                if (e == NoneChar || e == ' ') continue;
                if (e >= 'a' && e <= 'z') e = static_cast<char>(e - 'a' + 'A');
                const CellRecord& cell = Im.cell(c, r);
                const int line = rowLine(L.Entries, r);
                if (IsWordSearch(Kind)) {
                    fail(line, "ein Kreuzwortpuzzle hat keine Einträge (entries:)");
                    return;
                }
                if (!cell.has(CellFlag::LetterCell)) {
                    fail(line, "der Eintrag in " + Cell(c, r) + " liegt auf einem Block");
                } else if (IsSudokuKind(Kind)) {
                    if (cell.has(CellFlag::SolutionOrGiven))
                        fail(line, "der Eintrag in " + Cell(c, r) + " liegt auf einer Vorgabe");
                    else if (SymbolValueOf(e) < 1 || SymbolValueOf(e) > Cols)
                        fail(line,
                             "der Eintrag in " + Cell(c, r) + " ist kein Zeichen des Sudokus");
                    else
                        Im.entry(c, r).set(std::string(1, e));
                } else if (e < 'A' || e > 'Z') {
                    fail(line, "der Eintrag in " + Cell(c, r) + " ist kein Buchstabe");
                } else {
                    Im.entry(c, r).set(std::string(1, e));
                }
            }
    }

    void solutionWord() {
        const bool has = HasSolutionWord(Kind);
        const bool asked = !L.SolutionWord.empty() || !L.SolutionCells.empty() ||
                           !L.SolutionClue.empty() || L.ShowSolutionPositions;
        if (!has) {
            if (asked)
                fail(L.Lines.SolutionWord ? L.Lines.SolutionWord : L.Lines.SolutionCells,
                     "Art " + Str(Kind) + " hat kein Lösungswort");
            return;
        }
        text(Im.SolutionClue, L.SolutionClue, L.Lines.SolutionClue, "die Frage zum Lösungswort");
        std::string fromCells;
        std::set<std::pair<int, int>> used;
        for (std::size_t k = 0; k < L.SolutionCells.size(); ++k) {
            const auto [c, r] = L.SolutionCells[k];
            const int line = L.Lines.SolutionCells;
            if (c < 1 || c > Cols || r < 1 || r > Rows) {
                fail(line,
                     "das Lösungsfeld " + Str(c) + "," + Str(r) + " liegt außerhalb des Gitters");
                continue;
            }
            if (!used.insert({c, r}).second) {
                fail(line, "das Lösungsfeld " + Str(c) + "," + Str(r) + " ist doppelt genannt");
                continue;
            }
            CellRecord& cell = Im.cell(c, r);
            if (!cell.has(CellFlag::LetterCell)) {
                fail(line, "das Lösungsfeld " + Str(c) + "," + Str(r) + " ist ein Block");
                continue;
            }
            cell.CellFlags |= CellFlag::SolutionOrGiven;
            cell.SolutionPosition = static_cast<std::int32_t>(k + 1);
            fromCells += cell.SolutionLetter.view();
        }
        std::string word = NormalizeWord(L.SolutionWord, 255);
        if (!L.SolutionWord.empty() && word.empty())
            fail(L.Lines.SolutionWord, "das Lösungswort hat keine Buchstaben");
        if (word.empty()) word = fromCells;
        if (word.size() > 20)
            fail(L.Lines.SolutionWord, "das Lösungswort hat " + Str(static_cast<int>(word.size())) +
                                           " Buchstaben; höchstens 20 passen");
        if (!L.SolutionCells.empty() && word != fromCells) {
            if (word.size() != fromCells.size()) {
                fail(L.Lines.SolutionCells,
                     "das Lösungswort hat " + Str(static_cast<int>(word.size())) +
                         " Buchstaben, aber " + Str(static_cast<int>(fromCells.size())) +
                         " Lösungsfelder sind genannt");
            } else {
                for (std::size_t k = 0; k < word.size(); ++k)
                    if (word[k] != fromCells[k]) {
                        const auto [c, r] = L.SolutionCells[k];
                        fail(L.Lines.SolutionCells, "Lösungsbuchstabe " +
                                                        Str(static_cast<int>(k + 1)) + " ist " +
                                                        Char(word[k]) + ", aber " + Cell(c, r) +
                                                        " enthält " + Char(fromCells[k]));
                    }
            }
        }
        // "@@@" tells the player there is no solution word to check.
        if (word.empty()) word = "@@@";
        Im.SolutionWord.set(word);
        Im.EnteredSolutionWord.set(std::string(Im.SolutionWord.size(), ' '));
        if (L.ShowSolutionPositions) Im.ImageFlags |= ImageFlag::SolutionPositions;
    }

    void codes() {
        const bool numberPuzzle = IsNumberKind(Kind);
        if (!numberPuzzle) {
            if (!L.CodeLetters.empty()) fail(L.Lines.Code, "code gilt nur für die Arten 2 und 3");
            return;
        }
        std::string letters;
        for (char ch : L.CodeLetters)
            if (ch != ' ') letters += (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 32) : ch;
        if (letters.empty()) {
            letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
            // A fixed shuffle seeded by the grid: the same source gives the same codes.
            std::uint32_t seed = 2166136261u;
            for (const std::string& row : G)
                for (char ch : row) seed = (seed ^ static_cast<unsigned char>(ch)) * 16777619u;
            for (int i = 25; i > 0; --i) {
                seed = seed * 1664525u + 1013904223u;
                std::swap(letters[static_cast<std::size_t>(i)],
                          letters[(seed >> 8) % static_cast<std::uint32_t>(i + 1)]);
            }
        }
        std::string sorted = letters;
        std::sort(sorted.begin(), sorted.end());
        if (sorted != "ABCDEFGHIJKLMNOPQRSTUVWXYZ") {
            fail(L.Lines.Code, "code muss jeden Buchstaben von A bis Z genau einmal nennen");
            return;
        }
        for (int i = 0; i < 26; ++i) {
            Im.Words[i].CodeLetter =
                static_cast<unsigned char>(letters[static_cast<std::size_t>(i)]);
            SetBlank(Im.Words[i].CodeGuess);
        }
    }

    void picture() {
        if (!L.Picture) return;
        const PictureCells& p = *L.Picture;
        const int line = L.Lines.Picture;
        if (!IsWordKind(Kind)) {
            fail(line, "Art " + Str(Kind) + " hat keine Blöcke, die ein Bild tragen könnten");
            return;
        }
        if (!VersionAtLeast(L.Version, PictureMinVersion)) {
            fail(line, "ein Bild braucht die Version 7.40 oder neuer");
            return;
        }
        if (p.Left < 1 || p.Top < 1 || p.Right > Cols || p.Bottom > Rows || p.Left > p.Right ||
            p.Top > p.Bottom) {
            fail(line, "der Bildbereich liegt außerhalb des Gitters");
            return;
        }
        for (int c = p.Left; c <= p.Right; ++c)
            for (int r = p.Top; r <= p.Bottom; ++r) {
                if (!block(c, r)) {
                    fail(line, "der Bildbereich überdeckt den Buchstaben in " + Cell(c, r));
                    return;
                }
            }
        for (int c = p.Left; c <= p.Right; ++c)
            for (int r = p.Top; r <= p.Bottom; ++r) Im.cell(c, r).CellFlags |= CellFlag::Picture;
        Im.ImageFlags |= static_cast<std::uint8_t>(ImageFlag::HasPicture | L.PictureFitFlags);
    }
};

} // namespace

std::vector<BuildMessage> BuildPuzzle(const PuzzleLayout& layout, Puzzle& puzzle) {
    return Builder(layout, puzzle).run();
}

namespace {
// The counter with the grid's symbols placed; false when they break a rule.
bool PlaceSymbols(SudokuCounter& counter, const std::vector<std::string>& rows) {
    const int n = static_cast<int>(rows.size());
    for (int r = 0; r < n; ++r) {
        if (static_cast<int>(rows[static_cast<std::size_t>(r)].size()) != n) return false;
        for (int c = 0; c < n; ++c) {
            const char ch = rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (ch == NoneChar) continue;
            const int v = SymbolValueOf(ch);
            if (v < 1 || v > n || !counter.place(r * n + c, v)) return false;
        }
    }
    return true;
}

bool SudokuSize(int n) {
    return n >= 4 && n <= 12 && BoxWidthFor(n) * (n / BoxWidthFor(n)) == n;
}
} // namespace

std::vector<std::string> SolveSudoku(const std::vector<std::string>& rows) {
    const int n = static_cast<int>(rows.size());
    if (!SudokuSize(n)) return {};
    const int w = BoxWidthFor(n);
    SudokuCounter counter(n, w, n / w);
    if (!PlaceSymbols(counter, rows) || counter.count(2) != 1) return {};
    std::vector<std::string> solved;
    for (int r = 0; r < n; ++r) {
        std::string row;
        for (int c = 0; c < n; ++c) {
            const int v = counter.FirstSolution[static_cast<std::size_t>(r * n + c)];
            row += v <= 9 ? static_cast<char>('0' + v) : static_cast<char>('A' + v - 10);
        }
        solved.push_back(row);
    }
    return solved;
}

int CountSudokuSolutions(const std::vector<std::string>& rows, int limit) {
    const int n = static_cast<int>(rows.size());
    if (n < 4 || n > 12) return 0;
    const int w = BoxWidthFor(n), h = n / w;
    if (w * h != n) return 0;
    SudokuCounter counter(n, w, h);
    for (int r = 0; r < n; ++r) {
        if (static_cast<int>(rows[static_cast<std::size_t>(r)].size()) != n) return 0;
        for (int c = 0; c < n; ++c) {
            const char ch = rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (ch == NoneChar) continue;
            const int v = SymbolValueOf(ch);
            if (v < 1 || v > n || !counter.place(r * n + c, v)) return 0;
        }
    }
    return counter.count(limit);
}
