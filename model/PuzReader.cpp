// The binary Across Lite file: header, solution and player grids, texts in
// word order, then optional extra sections (rebus table, timer, circles).
#include "Cp1252.h"
#include "ForeignCrossword.h"
#include "ForeignImport.h"

#include <array>
#include <cstdint>
#include <string>

namespace {

constexpr std::string_view Magic("ACROSS&DOWN\0", 12);
constexpr std::size_t HeaderBytes = 0x34;
constexpr std::uint16_t DiagramlessType = 0x0401;
constexpr unsigned char CircledBit = 0x80;

std::uint16_t U16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

// Rotate right by one bit, then add the byte.
std::uint16_t Checksum(std::string_view region, std::uint16_t sum) {
    for (char ch : region) {
        sum = static_cast<std::uint16_t>((sum >> 1) | ((sum & 1) << 15));
        sum = static_cast<std::uint16_t>(sum + static_cast<unsigned char>(ch));
    }
    return sum;
}

std::string Str(int v) {
    return std::to_string(v);
}

// "1.3" → 13, "2.0" → 20; 0 when unreadable.
int VersionNumber(std::string_view v) {
    if (v.size() < 3 || v[0] < '0' || v[0] > '9' || v[1] != '.' || v[2] < '0' || v[2] > '9')
        return 0;
    return (v[0] - '0') * 10 + (v[2] - '0');
}

class PuzReader {
public:
    PuzReader(std::string_view bytes, int key) : Key(key) {
        const std::size_t magic = bytes.substr(0, 128).find(Magic);
        if (magic != std::string_view::npos && magic >= 2) B = bytes.substr(magic - 2);
    }

    ImportOutcome run(Puzzle& puzzle) {
        O.Format = ForeignFormat::Puz;
        if (B.empty()) return refuse("Die Datei ist keine Across-Lite-Datei.");
        if (B.size() < HeaderBytes)
            return refuse("Die Datei ist unvollständig: der Kopf der Across-Lite-Datei fehlt.");
        X.Width = static_cast<unsigned char>(B[0x2C]);
        X.Height = static_cast<unsigned char>(B[0x2D]);
        const int clueCount = U16(B, 0x2E);
        if (U16(B, 0x30) == DiagramlessType)
            return refuse("Das Rätsel ist diagrammlos (ohne vorgegebene Blöcke); solche Rätsel "
                          "können nicht gespielt werden.");
        if (const std::string size = GridSizeRefusal(X.Width, X.Height); !size.empty())
            return refuse(size);
        const std::string_view version = B.substr(0x18, 4).substr(0, B.substr(0x18, 4).find('\0'));
        Utf8Strings = VersionNumber(version) >= 20;
        X.Version = "puz";
        if (!version.empty()) X.Version += " ";
        for (char ch : version)
            if (ch > ' ' && ch < 0x7F) X.Version += ch;

        const std::size_t cells = static_cast<std::size_t>(X.Width * X.Height);
        if (B.size() < HeaderBytes + 2 * cells)
            return refuse("Die Datei ist unvollständig: das Gitter endet vorzeitig.");
        Solution = std::string(B.substr(HeaderBytes, cells));
        Player = B.substr(HeaderBytes + cells, cells);
        Pos = HeaderBytes + 2 * cells;

        std::string_view title, author, copyright, notes;
        std::vector<std::string_view> clues;
        if (!text(title) || !text(author) || !text(copyright))
            return refuse("Die Datei ist unvollständig: die Texte enden vorzeitig.");
        for (int i = 0; i < clueCount; ++i) {
            std::string_view clue;
            if (!text(clue))
                return refuse("Die Datei ist unvollständig: nach " + Str(i) + " von " +
                              Str(clueCount) + " Hinweisen endet sie.");
            clues.push_back(clue);
        }
        // Old files may end without the notes.
        if (Pos < B.size() && !text(notes))
            return refuse("Die Datei ist unvollständig: die Notizen enden vorzeitig.");
        checkSums(version, title, author, copyright, clues, notes);
        sections();

        if (U16(B, 0x32) != 0 && !unlock()) return O;

        X.Title = utf8(title);
        X.Author = utf8(author);
        X.Copyright = utf8(copyright);
        X.Notes = utf8(notes);
        X.CluesInWordOrder = true;
        for (std::string_view c : clues) X.Clues.push_back({0, true, utf8(c)});
        X.Cells.resize(cells);
        for (std::size_t i = 0; i < cells; ++i) {
            ForeignCell& cell = X.Cells[i];
            cell.Block = Solution[i] == '.';
            if (cell.Block) continue;
            cell.Solution = i < Rebus.size() && !Rebus[i].empty()
                                ? Rebus[i]
                                : Cp1252ToUtf8(Solution.substr(i, 1));
            cell.Circled = i < Extras.size() && (Extras[i] & CircledBit) != 0;
            if (Player[i] != '-' && Player[i] != '.')
                cell.Entered = Cp1252ToUtf8(Player.substr(i, 1));
        }
        BuildForeignCrossword(X, puzzle, O);
        return O;
    }

private:
    std::string_view B; // from the header on
    int Key;
    bool Utf8Strings = false;
    std::string Solution;
    std::string_view Player;
    std::size_t Pos = 0;
    ForeignCrossword X;
    ImportOutcome O;
    std::vector<std::string> Rebus; // per cell, the rebus text or empty
    std::string Extras;             // per cell, the GEXT bits

    ImportOutcome refuse(std::string reason) {
        O.Status = ImportStatus::Refused;
        O.Refusal = std::move(reason);
        return O;
    }

    bool text(std::string_view& out) {
        const std::size_t end = B.find('\0', Pos);
        if (end == std::string_view::npos) return false;
        out = B.substr(Pos, end - Pos);
        Pos = end + 1;
        return true;
    }

    std::string utf8(std::string_view raw) const {
        return Utf8Strings ? std::string(raw) : Cp1252ToUtf8(raw);
    }

    void checkSums(std::string_view version, std::string_view title, std::string_view author,
                   std::string_view copyright, const std::vector<std::string_view>& clues,
                   std::string_view notes) {
        const std::uint16_t cib = Checksum(B.substr(0x2C, 8), 0);
        std::uint16_t sum = Checksum(Solution, cib);
        sum = Checksum(Player, sum);
        const auto withNul = [](std::string_view s) { return std::string(s) + '\0'; };
        for (std::string_view s : {title, author, copyright})
            if (!s.empty()) sum = Checksum(withNul(s), sum);
        for (std::string_view c : clues) sum = Checksum(c, sum);
        if (VersionNumber(version) >= 13 && !notes.empty()) sum = Checksum(withNul(notes), sum);
        if (cib != U16(B, 0x0E) || sum != U16(B, 0))
            O.Warnings.push_back("Die Prüfsumme der Datei stimmt nicht.");
    }

    // Extra sections: name, length, checksum, data, NUL. Whatever follows the
    // last whole section is ignored.
    void sections() {
        const std::size_t cells = Solution.size();
        std::string rebusKeys;
        std::string_view table;
        while (Pos + 8 <= B.size()) {
            const std::string_view name = B.substr(Pos, 4);
            bool named = true;
            for (char ch : name) named = named && ch >= 'A' && ch <= 'Z';
            if (!named) break;
            const std::size_t length = U16(B, Pos + 4);
            if (Pos + 8 + length + 1 > B.size()) {
                O.Warnings.push_back("Der Abschnitt " + std::string(name) +
                                     " ist unvollständig und wurde übergangen.");
                break;
            }
            const std::string_view data = B.substr(Pos + 8, length);
            Pos += 8 + length + 1;
            if (name == "GRBS" && length == cells)
                rebusKeys = std::string(data);
            else if (name == "RTBL")
                table = data;
            else if (name == "GEXT" && length == cells)
                Extras = std::string(data);
            else if (name == "LTIM")
                timer(data);
        }
        if (rebusKeys.empty()) return;
        // "nn:TEXT;" entries, the key space-padded.
        std::array<std::string, 256> byKey{};
        std::size_t at = 0;
        while (at < table.size()) {
            const std::size_t colon = table.find(':', at);
            const std::size_t semi = table.find(';', at);
            if (colon == std::string_view::npos || semi == std::string_view::npos || semi < colon)
                break;
            int key = 0;
            bool digits = false;
            // A key past 255 names no cell; a long run of digits stops counting there.
            for (char ch : table.substr(at, colon - at))
                if (ch >= '0' && ch <= '9') {
                    if (key < 256) key = key * 10 + (ch - '0');
                    digits = true;
                }
            if (digits && key < 256)
                byKey[static_cast<std::size_t>(key)] =
                    utf8(table.substr(colon + 1, semi - colon - 1));
            at = semi + 1;
        }
        Rebus.assign(cells, std::string());
        for (std::size_t i = 0; i < cells; ++i) {
            const auto k = static_cast<unsigned char>(rebusKeys[i]);
            if (k > 0) Rebus[i] = byKey[k - 1u];
        }
    }

    void timer(std::string_view data) {
        long seconds = 0;
        for (char ch : data) {
            if (ch < '0' || ch > '9') break;
            seconds = std::min(seconds * 10 + (ch - '0'), 65535L);
        }
        X.ElapsedSeconds = static_cast<std::uint16_t>(seconds);
    }

    // The letters of the solution column by column, blocks skipped.
    std::vector<std::size_t> columnOrder() const {
        std::vector<std::size_t> order;
        for (int c = 0; c < X.Width; ++c)
            for (int r = 0; r < X.Height; ++r) {
                const auto i = static_cast<std::size_t>(r * X.Width + c);
                if (Solution[i] != '.') order.push_back(i);
            }
        return order;
    }

    bool unlock() {
        if (Key == NoKey) {
            O.Status = ImportStatus::KeyNeeded;
            O.Refusal = KeyNeededMessage;
            return false;
        }
        const std::vector<std::size_t> order = columnOrder();
        std::string t;
        for (std::size_t i : order) t += Solution[i];
        const std::size_t n = t.size();
        const int digits[4] = {Key / 1000 % 10, Key / 100 % 10, Key / 10 % 10, Key % 10};
        for (int d = 3; d >= 0 && n > 0; --d) {
            // De-interleave: the letters at odd positions, then those at even ones.
            std::string u;
            for (std::size_t i = 1; i < n; i += 2) u += t[i];
            for (std::size_t i = 0; i < n; i += 2) u += t[i];
            const auto k = static_cast<std::size_t>(digits[d]);
            if (k < n) u = u.substr(n - k) + u.substr(0, n - k);
            for (std::size_t i = 0; i < n; ++i) {
                const char ch = u[i];
                if (ch < 'A' || ch > 'Z') continue;
                u[i] = static_cast<char>('A' + (ch - 'A' + 26 - digits[i % 4]) % 26);
            }
            t = u;
        }
        if (Checksum(t, 0) != U16(B, 0x1E)) {
            O.Status = ImportStatus::WrongKey;
            O.Refusal = WrongKeyMessage;
            return false;
        }
        for (std::size_t i = 0; i < n; ++i) Solution[order[i]] = t[i];
        return true;
    }
};

} // namespace

ImportOutcome ReadPuzFile(Puzzle& puzzle, std::string_view bytes, int key) {
    return PuzReader(bytes, key).run(puzzle);
}
