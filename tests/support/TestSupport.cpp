#include "TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <fstream>

std::unique_ptr<Puzzle> NewPuzzle() {
    auto p = std::make_unique<Puzzle>();
    ResetPuzzleImage(*p);
    return p;
}

std::unique_ptr<Puzzle> GridPuzzle(int kind, const std::vector<std::string>& rows) {
    auto p = NewPuzzle();
    PuzzleImage& im = p->Image;
    im.PuzzleKind = static_cast<std::uint8_t>(kind);
    im.RowCount = static_cast<std::uint8_t>(rows.size());
    im.ColumnCount = static_cast<std::uint8_t>(rows.empty() ? 0 : rows[0].size());
    im.CreatorVersion.set("7.46");
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            CellRecord& cell = im.cell(static_cast<int>(c) + 1, static_cast<int>(r) + 1);
            const char ch = rows[r][c];
            if (ch == '#') {
                cell.CellFlags = CellFlag::Block;
            } else if (ch != ' ' && ch != '.') {
                cell.CellFlags = CellFlag::LetterCell;
                cell.SolutionLetter.set(std::string(1, ch));
            }
        }
    }
    return p;
}

std::unique_ptr<Puzzle> Sudoku9(const std::string& givenMask) {
    static const char* solution = "123456789"
                                  "456789123"
                                  "789123456"
                                  "214365897"
                                  "365897214"
                                  "897214365"
                                  "531642978"
                                  "642978531"
                                  "978531642";
    std::vector<std::string> rows;
    for (int r = 0; r < 9; ++r) rows.emplace_back(solution + r * 9, 9);
    auto p = GridPuzzle(14, rows);
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            if (givenMask[static_cast<std::size_t>(r * 9 + c)] != '1') continue;
            CellRecord& cell = p->Image.cell(c + 1, r + 1);
            cell.CellFlags |= CellFlag::SolutionOrGiven;
            p->Image.entry(c + 1, r + 1) = cell.SolutionLetter;
        }
    }
    return p;
}

std::string TempDir() {
    static QTemporaryDir dir;
    return dir.path().toStdString();
}

std::string WriteTemp(const std::string& name, const std::string& bytes) {
    const std::string path = TempDir() + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

ToolRun RunTool(const QStringList& args) {
    ToolRun run;
    QProcess p;
    p.start(QString::fromLocal8Bit(qgetenv("ZORU_TOOL")), args);
    if (!p.waitForFinished(120000)) return run;
    run.ExitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.Out = p.readAllStandardOutput();
    run.Err = p.readAllStandardError();
    return run;
}

int NumberWords(Puzzle& puzzle) {
    PuzzleImage& im = puzzle.Image;
    const int cols = im.ColumnCount;
    const int rows = im.RowCount;
    auto open = [&](int c, int r) {
        return c >= 1 && c <= cols && r >= 1 && r <= rows && !im.cell(c, r).isBlock();
    };
    int number = 0;
    int count = 0;
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= cols; ++c) {
            if (!open(c, r)) continue;
            const bool across = !open(c - 1, r) && open(c + 1, r);
            const bool down = !open(c, r - 1) && open(c, r + 1);
            if (!across && !down) continue;
            ++number;
            CellRecord& cell = im.cell(c, r);
            cell.CellNumber = number;
            for (int dir = 0; dir < 2; ++dir) {
                const bool isAcross = dir == 0;
                if (!(isAcross ? across : down) || count >= MaxWords) continue;
                (isAcross ? cell.StartsAcrossWord : cell.StartsDownWord) = 1;
                std::string text;
                for (int i = isAcross ? c : r; isAcross ? open(i, r) : open(c, i); ++i) {
                    const Letter& l =
                        isAcross ? im.cell(i, r).SolutionLetter : im.cell(c, i).SolutionLetter;
                    text += l.empty() ? ' ' : l.Chars[0];
                }
                WordRecord& w = im.Words[count++];
                w.WordNumber = number;
                w.WordDirection = isAcross ? Direction::Across : Direction::Down;
                w.WordText.set(text);
            }
        }
    }
    im.WordCount = static_cast<std::uint8_t>(count);
    return count;
}

std::unique_ptr<Puzzle> SudokuOfSize(int n, int kind) {
    // Shifted rows: box rows take the offsets 0..h-1, rows inside a box step by w.
    const int w = n < 9 ? n / 2 : n / 3;
    const int h = n / w;
    std::vector<std::string> rows;
    for (int r = 0; r < n; ++r) {
        std::string row;
        for (int c = 0; c < n; ++c) {
            const int v = (w * (r % h) + r / h + c) % n + 1;
            row += "0123456789ABC"[v];
        }
        rows.push_back(row);
    }
    return GridPuzzle(kind, rows);
}

std::uint16_t PuzChecksum(const std::string& region, std::uint16_t sum) {
    for (char ch : region) {
        sum = static_cast<std::uint16_t>((sum >> 1) | ((sum & 1) << 15));
        sum = static_cast<std::uint16_t>(sum + static_cast<unsigned char>(ch));
    }
    return sum;
}

namespace {
std::string U16(unsigned v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)};
}

// Shift by the key's digits, rotate left, interleave the halves; once per digit.
std::string Scramble(std::string t, int key) {
    const int digits[4] = {key / 1000 % 10, key / 100 % 10, key / 10 % 10, key % 10};
    const std::size_t n = t.size();
    for (int k : digits) {
        for (std::size_t i = 0; i < n; ++i)
            t[i] = static_cast<char>('A' + (t[i] - 'A' + digits[i % 4]) % 26);
        if (static_cast<std::size_t>(k) < n)
            t = t.substr(static_cast<std::size_t>(k)) + t.substr(0, static_cast<std::size_t>(k));
        const std::size_t m = n / 2;
        std::string u;
        for (std::size_t i = 0; i < m; ++i) u += std::string{t[m + i], t[i]};
        if (n % 2) u += t[n - 1];
        t = u;
    }
    return t;
}
} // namespace

std::string PuzSection(const std::string& name, const std::string& data) {
    return name + U16(static_cast<unsigned>(data.size())) + U16(PuzChecksum(data)) + data +
           std::string(1, '\0');
}

std::string PuzBytes(const PuzSpec& s) {
    std::string solution = s.Solution;
    std::string player = s.Player;
    if (player.empty())
        for (char ch : solution) player += ch == '.' ? '.' : '-';
    unsigned plainSum = 0;
    if (s.Key) {
        std::vector<std::size_t> order;
        for (int c = 0; c < s.Width; ++c)
            for (int r = 0; r < s.Height; ++r)
                if (solution[static_cast<std::size_t>(r * s.Width + c)] != '.')
                    order.push_back(static_cast<std::size_t>(r * s.Width + c));
        std::string t;
        for (std::size_t i : order) t += solution[i];
        plainSum = PuzChecksum(t);
        t = Scramble(t, s.Key);
        for (std::size_t i = 0; i < order.size(); ++i) solution[order[i]] = t[i];
    }
    std::string cib = std::string(1, static_cast<char>(s.Width)) +
                      std::string(1, static_cast<char>(s.Height)) +
                      U16(static_cast<unsigned>(s.Clues.size())) + U16(1) + U16(s.Key ? 4 : 0);
    std::string strings, text;
    const auto nul = [](const std::string& x) { return x + std::string(1, '\0'); };
    for (const std::string* x : {&s.Title, &s.Author, &s.Copyright}) {
        strings += nul(*x);
        if (!x->empty()) text += nul(*x);
    }
    for (const std::string& c : s.Clues) {
        strings += nul(c);
        text += c;
    }
    strings += nul(s.Notes);
    if (!s.Notes.empty()) text += nul(s.Notes);
    const std::uint16_t cibSum = PuzChecksum(cib);
    std::uint16_t sum = PuzChecksum(solution, cibSum);
    sum = PuzChecksum(player, sum);
    sum = PuzChecksum(text, sum);
    const std::uint16_t parts[4] = {cibSum, PuzChecksum(solution), PuzChecksum(player),
                                    PuzChecksum(text)};
    std::string masked(8, '\0');
    for (int i = 0; i < 4; ++i) {
        masked[static_cast<std::size_t>(i)] = static_cast<char>("ICHE"[i] ^ (parts[i] & 0xFF));
        masked[static_cast<std::size_t>(4 + i)] = static_cast<char>("ATED"[i] ^ (parts[i] >> 8));
    }
    std::string version = s.Version.substr(0, 3);
    version.resize(4, '\0');
    return s.Before + U16(sum) + std::string("ACROSS&DOWN\0", 12) + U16(cibSum) + masked + version +
           U16(0) + U16(plainSum) + std::string(12, '\0') + cib + solution + player + strings +
           s.Sections;
}
