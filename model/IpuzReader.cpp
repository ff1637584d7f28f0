// ipuz: a JSON object (sometimes wrapped as ipuz(...)) describing a crossword
// or a Sudoku. Published files vary; the variants met in practice are read.
#include "Cp1252.h"
#include "ForeignCrossword.h"
#include "ForeignImport.h"
#include "PuzzleBuilder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace {

std::string Str(int v) {
    return std::to_string(v);
}

// A cell or clue value as text: numbers as integers, strings as they are.
std::optional<QString> ValueText(const QJsonValue& v) {
    if (v.isString()) return v.toString();
    if (v.isDouble()) return QString::number(v.toInteger());
    return std::nullopt;
}

bool SameValue(const QJsonValue& a, const QJsonValue& b) {
    const auto x = ValueText(a), y = ValueText(b);
    return x && y && *x == *y;
}

// Simple HTML as a plain-text display shows it: tags dropped, entities decoded.
QString PlainText(QString text) {
    static const QRegularExpression lineBreak("<br\\s*/?>",
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag("<[^<>]*>");
    static const QRegularExpression entity("&(#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|[a-zA-Z]{2,8});");
    text.replace(lineBreak, " ");
    text.remove(tag);
    static const std::pair<const char*, char32_t> Named[] = {
        {"amp", '&'},       {"lt", '<'},       {"gt", '>'},       {"quot", '"'},
        {"apos", '\''},     {"nbsp", 0xA0},    {"ndash", 0x2013}, {"mdash", 0x2014},
        {"hellip", 0x2026}, {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"ldquo", 0x201C},
        {"rdquo", 0x201D},  {"eacute", 0xE9},  {"auml", 0xE4},    {"ouml", 0xF6},
        {"uuml", 0xFC},     {"Auml", 0xC4},    {"Ouml", 0xD6},    {"Uuml", 0xDC},
        {"szlig", 0xDF},    {"deg", 0xB0},     {"times", 0xD7},   {"copy", 0xA9}};
    QString out;
    qsizetype last = 0;
    auto it = entity.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += text.mid(last, m.capturedStart() - last);
        const QString name = m.captured(1);
        char32_t cp = 0;
        if (name.startsWith("#x") || name.startsWith("#X"))
            cp = name.mid(2).toUInt(nullptr, 16);
        else if (name.startsWith('#'))
            cp = name.mid(1).toUInt();
        else
            for (const auto& [n, c] : Named)
                if (name == QLatin1String(n)) cp = c;
        if (cp > 0 && cp <= 0x10FFFF)
            out += QString::fromUcs4(&cp, 1);
        else
            out += m.captured(0);
        last = m.capturedEnd();
    }
    out += text.mid(last);
    return out;
}

std::string TextOf(const QJsonObject& o, const char* key) {
    const QJsonValue v = o.value(QLatin1String(key));
    return v.isString() ? PlainText(v.toString()).simplified().toStdString() : std::string();
}

// The solution or entry of a cell: a text, {"value": ...}, or a list of texts.
std::string EntryText(const QJsonValue& v) {
    if (v.isObject()) return EntryText(v.toObject().value("value"));
    if (v.isArray()) {
        std::string joined;
        for (const QJsonValue& part : v.toArray()) joined += EntryText(part);
        return joined;
    }
    if (v.isString()) return v.toString().toStdString();
    if (v.isDouble()) return QString::number(v.toInteger()).toStdString();
    return {};
}

class IpuzReader {
public:
    explicit IpuzReader(std::string_view bytes) : Bytes(bytes) {}

    ImportOutcome run(Puzzle& puzzle) {
        O.Format = ForeignFormat::Ipuz;
        if (!parse()) return O;
        const QJsonArray kinds = Doc.value("kind").toArray();
        bool crossword = false, sudoku = false;
        for (const QJsonValue& k : kinds) {
            QString name = k.toString();
            name.replace("https://", "http://");
            crossword = crossword || name.startsWith("http://ipuz.org/crossword");
            sudoku = sudoku || name.startsWith("http://ipuz.org/sudoku");
        }
        if (sudoku && !crossword) return Sudoku(puzzle);
        if (!crossword)
            return refuse("Die ipuz-Art „" +
                          (kinds.isEmpty() ? std::string("?") : kinds[0].toString().toStdString()) +
                          "“ kann nicht gespielt werden; möglich sind Kreuzworträtsel und Sudoku.");
        return Crossword(puzzle);
    }

private:
    std::string_view Bytes;
    QJsonObject Doc;
    ImportOutcome O;

    ImportOutcome refuse(std::string reason) {
        O.Status = ImportStatus::Refused;
        O.Refusal = std::move(reason);
        return O;
    }

    bool parse() {
        std::string_view text = Bytes;
        if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
        while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
            text.remove_prefix(1);
        while (!text.empty() &&
               (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == ';'))
            text.remove_suffix(1);
        if (text.substr(0, 5) == "ipuz(" && text.substr(text.size() - 1) == ")")
            text = text.substr(5, text.size() - 6);
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(
            QByteArray(text.data(), static_cast<qsizetype>(text.size())), &error);
        if (error.error != QJsonParseError::NoError) {
            refuse("Die ipuz-Datei ist kein gültiges JSON (Fehler bei Zeichen " +
                   Str(static_cast<int>(error.offset)) + ").");
            return false;
        }
        if (!doc.isObject()) {
            refuse("Die ipuz-Datei enthält kein JSON-Objekt.");
            return false;
        }
        Doc = doc.object();
        return true;
    }

    QJsonArray Rows(const char* key) const { return Doc.value(QLatin1String(key)).toArray(); }

    static QJsonValue At(const QJsonArray& rows, int c, int r) {
        return rows.at(r - 1).toArray().at(c - 1);
    }

    // A cell of `puzzle`: its value, and whether a style circles it.
    std::pair<QJsonValue, bool> PuzzleCell(const QJsonValue& v) const {
        if (!v.isObject()) return {v, false};
        const QJsonObject o = v.toObject();
        QJsonValue style = o.value("style");
        if (style.isString()) style = Doc.value("styles").toObject().value(style.toString());
        const bool circled = style.toObject().value("shapebg").toString() == "circle";
        return {o.contains("cell") ? o.value("cell") : QJsonValue(0), circled};
    }

    bool Dimensions(int& width, int& height, const QJsonArray& grid) const {
        const QJsonObject d = Doc.value("dimensions").toObject();
        width = d.value("width").toInt(ValueText(d.value("width")).value_or("0").toInt());
        height = d.value("height").toInt(ValueText(d.value("height")).value_or("0").toInt());
        if (width <= 0 || height <= 0) {
            height = static_cast<int>(grid.size());
            width = height > 0 ? static_cast<int>(grid.at(0).toArray().size()) : 0;
        }
        return true;
    }

    ImportOutcome Crossword(Puzzle& puzzle) {
        ForeignCrossword x;
        const QJsonArray grid = Rows("puzzle");
        if (grid.isEmpty()) return refuse("Die ipuz-Datei enthält kein Gitter (puzzle).");
        if (!Doc.value("solution").isArray())
            return refuse("Die ipuz-Datei enthält keine Lösung; ohne sie kann nichts geprüft "
                          "werden.");
        Dimensions(x.Width, x.Height, grid);
        if (const std::string size = GridSizeRefusal(x.Width, x.Height); !size.empty())
            return refuse(size);
        const QJsonArray solution = Rows("solution"), saved = Rows("saved");
        bool shaped = grid.size() == x.Height && solution.size() == x.Height;
        for (int r = 0; r < x.Height && shaped; ++r)
            shaped = grid.at(r).toArray().size() == x.Width &&
                     solution.at(r).toArray().size() == x.Width;
        if (!shaped)
            return refuse("Gitter oder Lösung der ipuz-Datei haben nicht die angegebene Größe " +
                          Str(x.Width) + " × " + Str(x.Height) + ".");
        const QJsonValue block = Doc.contains("block") ? Doc.value("block") : QJsonValue("#");
        const QJsonValue empty = Doc.contains("empty") ? Doc.value("empty") : QJsonValue(0);
        x.Cells.resize(static_cast<std::size_t>(x.Width * x.Height));
        for (int r = 1; r <= x.Height; ++r)
            for (int c = 1; c <= x.Width; ++c) {
                ForeignCell& cell = x.at(c, r);
                const QJsonValue raw = At(grid, c, r);
                const auto [value, circled] = PuzzleCell(raw);
                cell.Block = value.isNull() || value.isUndefined() || SameValue(value, block);
                if (cell.Block) continue;
                cell.Circled = circled;
                const QJsonValue s = At(solution, c, r);
                if (!SameValue(s, block)) cell.Solution = EntryText(s);
                if (raw.isObject()) cell.Entered = EntryText(raw.toObject().value("value"));
                const QJsonValue typed = At(saved, c, r);
                if (!SameValue(typed, block) && !SameValue(typed, empty) &&
                    !EntryText(typed).empty())
                    cell.Entered = EntryText(typed);
            }
        if (!Clues(x)) return O;
        x.Title = TextOf(Doc, "title");
        x.Author = TextOf(Doc, "author");
        x.Copyright = TextOf(Doc, "copyright");
        x.Notes = TextOf(Doc, "notes");
        x.Intro = TextOf(Doc, "intro");
        x.Version = "ipuz";
        const QString version = Doc.value("version").toString();
        const qsizetype v = version.lastIndexOf("/v");
        if (v >= 0 && v + 2 < version.size())
            x.Version += " " + version.mid(v + 2).left(8).toStdString();
        BuildForeignCrossword(x, puzzle, O);
        return O;
    }

    bool Clues(ForeignCrossword& x) {
        const QJsonObject clues = Doc.value("clues").toObject();
        for (auto it = clues.begin(); it != clues.end(); ++it) {
            const QString direction = it.key().section(':', 0, 0).trimmed().toLower();
            if (direction != "across" && direction != "down") {
                refuse("Die Hinweisrichtung „" + it.key().toStdString() +
                       "“ gibt es hier nicht; möglich sind nur waagerecht und senkrecht.");
                return false;
            }
            const bool across = direction == "across";
            const QJsonArray list = it.value().toArray();
            for (const QJsonValue& entry : list) {
                ForeignClue clue;
                clue.Across = across;
                QJsonValue number;
                QString text;
                if (entry.isArray()) {
                    number = entry.toArray().at(0);
                    text = entry.toArray().at(1).toString();
                } else if (entry.isObject()) {
                    const QJsonObject o = entry.toObject();
                    number = o.contains("number") ? o.value("number")
                                                  : o.value("numbers").toArray().at(0);
                    text = o.value("clue").toString();
                } else {
                    refuse("Ein Hinweis " + std::string(across ? "waagerecht" : "senkrecht") +
                           " hat keine Nummer: „" + entry.toString().left(40).toStdString() + "“.");
                    return false;
                }
                bool ok = false;
                clue.Number = ValueText(number).value_or("").trimmed().toInt(&ok);
                if (!ok || clue.Number <= 0) {
                    refuse("Ein Hinweis " + std::string(across ? "waagerecht" : "senkrecht") +
                           " hat keine gültige Nummer: „" +
                           ValueText(number).value_or("").left(20).toStdString() + "“.");
                    return false;
                }
                clue.Text = PlainText(text).simplified().toStdString();
                x.Clues.push_back(clue);
            }
        }
        return true;
    }

    ImportOutcome Sudoku(Puzzle& puzzle);
};

constexpr int SudokuKind = 14; // the untimed Sudoku
// Our Sudoku symbols in charset order.
constexpr std::string_view SudokuSymbols = "123456789ABC";

ImportOutcome IpuzReader::Sudoku(Puzzle& puzzle) {
    for (const char* rule : {"zones", "cages"}) {
        const QJsonValue v = Doc.value(QLatin1String(rule));
        if (!v.isUndefined() && !v.isNull() && !(v.isArray() && v.toArray().isEmpty()))
            return refuse(std::string("Sudokus mit der Zusatzregel „") + rule +
                          "“ können nicht gespielt werden.");
    }
    if (Doc.value("boxes").isBool() && !Doc.value("boxes").toBool())
        return refuse("Sudokus ohne Kästen (boxes: false) können nicht gespielt werden.");
    const QString charset = Doc.value("charset").toString("123456789");
    const QList<uint> symbols = charset.toUcs4();
    const int n = static_cast<int>(symbols.size());
    if (n != 4 && n != 6 && n != 8 && n != 9 && n != 12)
        return refuse("Ein Sudoku mit " + Str(n) +
                      " Zeichen kann nicht gespielt werden; möglich sind 4, 6, 8, 9 oder 12.");
    const QJsonArray grid = Rows("puzzle");
    int width = 0, height = 0;
    Dimensions(width, height, grid);
    if (width != n || height != n || grid.size() != n)
        return refuse("Das Sudoku-Gitter ist " + Str(width) + " × " + Str(height) +
                      " Felder groß; bei " + Str(n) + " Zeichen muss es " + Str(n) + " × " +
                      Str(n) + " sein.");
    const QJsonValue empty = Doc.contains("empty") ? Doc.value("empty") : QJsonValue(0);
    // A symbol of the file → our symbol; '.' for none.
    const auto symbol = [&](const QJsonValue& v, int c, int r, char& out) -> bool {
        out = '.';
        QJsonValue value = v;
        if (v.isObject())
            value = v.toObject().contains("given") ? v.toObject().value("given")
                                                   : v.toObject().value("value");
        if (value.isNull() || value.isUndefined() || SameValue(value, empty)) return true;
        const QString text = ValueText(value).value_or("");
        if (text.isEmpty() || text == "0") return true;
        const qsizetype at = text.size() == 1 ? charset.indexOf(text) : -1;
        if (at < 0) {
            refuse("Feld " + FieldName(c, r) + " enthält „" + text.toStdString() +
                   "“; das ist kein Zeichen des Sudokus.");
            return false;
        }
        out = SudokuSymbols[static_cast<std::size_t>(at)];
        return true;
    };
    PuzzleLayout layout;
    layout.Kind = SudokuKind;
    const QJsonArray solution = Rows("solution"), saved = Rows("saved");
    std::vector<std::string> givens, solved, entries;
    for (int r = 1; r <= n; ++r) {
        std::string g, s, e;
        for (int c = 1; c <= n; ++c) {
            char ch = '.';
            if (!symbol(At(grid, c, r), c, r, ch)) return O;
            g += ch;
            if (!solution.isEmpty() && !symbol(At(solution, c, r), c, r, ch)) return O;
            s += ch;
            if (!saved.isEmpty() && !symbol(At(saved, c, r), c, r, ch)) return O;
            e += g.back() == '.' ? ch : '.';
        }
        givens.push_back(g);
        solved.push_back(s);
        entries.push_back(e);
    }
    if (solution.isEmpty() || std::any_of(solved.begin(), solved.end(), [](const std::string& s) {
            return s.find('.') != std::string::npos;
        })) {
        std::vector<std::string> found = SolveSudoku(givens);
        if (found.empty())
            return refuse("Die Datei enthält keine vollständige Lösung, und die Vorgaben führen "
                          "zu keiner eindeutigen.");
        solved = found;
    }
    layout.Grid.Rows = solved;
    layout.Givens.Rows = givens;
    layout.Entries.Rows = entries;
    layout.Version = "ipuz";
    const QString version = Doc.value("version").toString();
    const qsizetype v = version.lastIndexOf("/v");
    if (v >= 0 && v + 2 < version.size())
        layout.Version += " " + version.mid(v + 2).left(8).toStdString();
    std::vector<std::string> warnings;
    layout.Title = RecordText(TextOf(Doc, "title"), 255, "Titel", warnings);
    std::string comment;
    for (const char* key : {"author", "copyright", "notes", "intro"}) {
        const std::string part = TextOf(Doc, key);
        if (part.empty()) continue;
        if (!comment.empty()) comment += " – ";
        comment += part;
    }
    layout.Comment = RecordText(comment, 255, "Kommentar", warnings);
    StartImport(puzzle);
    const std::vector<BuildMessage> faults = BuildPuzzle(layout, puzzle);
    if (!faults.empty()) {
        std::string reason = faults.front().Text;
        return refuse("Das Sudoku ist nicht spielbar: " + reason + ".");
    }
    puzzle.Image.AllowedAids = AidFlag::MarkWrong | AidFlag::InsertLetter | AidFlag::ShowSolution;
    puzzle.Image.PuzzleLanguage = 0;
    O.Warnings.insert(O.Warnings.end(), warnings.begin(), warnings.end());
    const std::string intro = TextOf(Doc, "intro"), notes = TextOf(Doc, "notes");
    O.OpeningNote = intro.empty() ? notes : notes.empty() ? intro : intro + " – " + notes;
    O.Status = ImportStatus::Imported;
    return O;
}

} // namespace

ImportOutcome ReadIpuzFile(Puzzle& puzzle, std::string_view bytes) {
    return IpuzReader(bytes).run(puzzle);
}
