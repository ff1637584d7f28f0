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
