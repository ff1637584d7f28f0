// info: what a puzzle file or a packed player holds, as text or as one JSON object.
#include "Commands.h"

#include "Container.h"
#include "Cp1252.h"
#include "Evaluation.h"
#include "LoadInput.h"
#include "Loading.h"
#include "PuzzleImage.h"
#include "Queries.h"
#include "Settings.h"
#include "TextUtil.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <fstream>
#include <memory>

namespace {
QString Text(std::string_view cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

using Loaded = LoadedInput;

QJsonValue SettingsJson(const Settings& s) {
    QJsonObject o;
    for (const SettingKey& k : SettingKeys) {
        switch (k.KeyType) {
        case SettingKey::Bool:
            o[k.Key] = SettingNumber(s, k.Key) != 0;
            break;
        case SettingKey::Text:
            o[k.Key] = Text(s.Schriftart);
            break;
        default:
            o[k.Key] = static_cast<qint64>(SettingNumber(s, k.Key));
            break;
        }
    }
    return o;
}

template <class F> QJsonArray GridRows(const PuzzleImage& im, F cellValue) {
    QJsonArray rows;
    for (int r = 1; r <= im.RowCount; ++r) {
        QJsonArray row;
        for (int c = 1; c <= im.ColumnCount; ++c) row.append(cellValue(c, r));
        rows.append(row);
    }
    return rows;
}

template <class F> QJsonArray TextRows(const PuzzleImage& im, F cellChar) {
    QJsonArray rows;
    for (int r = 1; r <= im.RowCount; ++r) {
        std::string line;
        for (int c = 1; c <= im.ColumnCount; ++c) line += cellChar(c, r);
        rows.append(Text(line));
    }
    return rows;
}

QJsonObject Json(const Loaded& l, const std::string& path) {
    QJsonObject o;
    o["result"] = l.Result;
    if (l.Result != LoadResult::Loaded) {
        o["message"] =
            QString::fromStdString(l.Error.empty() ? LoadFailureMessage(l.Result, path) : l.Error);
        return o;
    }
    const PuzzleImage& im = l.P->Image;
    o["container"] = l.Module                           ? "module"
                     : l.Foreign == ForeignFormat::Puz  ? "puz"
                     : l.Foreign == ForeignFormat::Ipuz ? "ipuz"
                                                        : "file";
    o["headerVersion"] = Text(l.HeaderVersion);
    o["kind"] = im.PuzzleKind;
    o["kindName"] = Text(KindName(im.PuzzleKind));
    o["columns"] = im.ColumnCount;
    o["rows"] = im.RowCount;
    o["wordCount"] = im.WordCount;
    o["difficulty"] = im.Difficulty;
    o["title"] = Text(im.PuzzleTitle.view());
    o["comment"] = Text(im.PuzzleComment.view());
    o["author"] = Text(im.BestTimeHolder.view());
    o["creatorVersion"] = Text(im.CreatorVersion.view());
    o["language"] = im.PuzzleLanguage;
    o["allowedAids"] = im.AllowedAids;
    o["imageFlags"] = im.ImageFlags;
    o["solutionWord"] = Text(im.SolutionWord.view());
    o["solutionClue"] = Text(im.SolutionClue.view());
    o["enteredSolutionWord"] = Text(im.EnteredSolutionWord.view());
    o["elapsedSeconds"] = im.ElapsedSeconds;
    o["bestSeconds"] = im.BestSeconds;
    o["clockRunning"] = im.ClockRunning != 0;
    o["reverseDropAllowed"] = im.ReverseDropAllowed != 0;
    o["solvedLevel"] = im.SolvedLevel;
    if (l.Picture.isNull()) {
        o["picture"] = QJsonValue::Null;
    } else {
        o["picture"] = QJsonObject{{"width", l.Picture.width()}, {"height", l.Picture.height()}};
    }
    o["settings"] = l.Module ? SettingsJson(l.S) : QJsonValue(QJsonValue::Null);
    o["solutionLetters"] = TextRows(im, [&](int c, int r) {
        const Letter& s = im.cell(c, r).SolutionLetter;
        return s.empty() ? '.' : s.Chars[0];
    });
    o["enteredLetters"] = TextRows(im, [&](int c, int r) {
        const Letter& e = im.entry(c, r);
        return IsBlankOrEmpty(e) ? ' ' : e.Chars[0];
    });
    o["cellFlags"] = GridRows(im, [&](int c, int r) { return im.cell(c, r).CellFlags; });
    o["cellNumbers"] = GridRows(im, [&](int c, int r) { return im.cell(c, r).CellNumber; });
    const bool codes = IsNumberKind(im.PuzzleKind);
    QJsonArray words;
    for (int i = 0; i < im.WordCount; ++i) {
        const WordRecord& w = im.Words[i];
        QJsonObject wo{{"index", i},
                       {"number", w.WordNumber},
                       {"direction", w.across() ? "across" : "down"},
                       {"reversed", w.WordReversed != 0},
                       {"solvedMark", w.WordSolvedMark},
                       {"text", Text(w.WordText.view())},
                       {"clue", Text(w.ClueText.view())}};
        if (codes) {
            wo["codeLetter"] = w.CodeLetter;
            wo["codeGuess"] = Text(w.CodeGuess.view());
        }
        words.append(wo);
    }
    o["words"] = words;
    if (codes) {
        // The code table is the first 26 entries, however many words there are.
        std::string table;
        for (int i = 0; i < 26; ++i) table += static_cast<char>(im.Words[i].CodeLetter & 0xFF);
        o["codeLetters"] = Text(table);
    }
    return o;
}

// What the board finds on opening: the entries' check states and one evaluation
// with the puzzle's settings. It runs before anything is reported, so that every
// field describes the same state (the evaluation may stop the clock, keep a best
// time and raise the level).
CompletionNotice Judge(Loaded& l) {
    RecheckEntries(*l.P);
    return EvaluateCompletion(*l.P, l.S);
}

void AddJudgement(QJsonObject& o, const Loaded& l, const CompletionNotice& notice) {
    const Puzzle& puzzle = *l.P;
    const PuzzleImage& im = puzzle.Image;
    o["checkState"] = GridRows(im, [&](int c, int r) { return puzzle.CheckState.at(c, r); });
    o["evaluation"] = QJsonObject{
        {"level", im.SolvedLevel},
        {"message", notice.ShowMessage ? QJsonValue(QString::fromStdString(notice.Message))
                                       : QJsonValue(QJsonValue::Null)}};
}

// Puzzle texts may hold control characters; a terminal must not obey them.
QByteArray Printable(const QString& text) {
    return QByteArray::fromStdString(EscapeControlChars(text.toStdString()));
}

void PrintHuman(const QJsonObject& o) {
    const auto line = [](const char* label, const QJsonValue& v) {
        QString text;
        if (v.isString())
            text = v.toString();
        else if (v.isBool())
            text = v.toBool() ? "ja" : "nein";
        else if (v.isDouble())
            text = QString::number(v.toInteger());
        else if (v.isNull())
            text = "-";
        else
            text = QString::fromUtf8(QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact));
        // Padded by characters, not bytes: labels hold umlauts.
        const QString padded = QString::fromUtf8(label).leftJustified(18);
        std::printf("%s %s\n", padded.toUtf8().constData(), Printable(text).constData());
    };
    line("Ergebnis:", o["result"]);
    if (o.contains("message")) {
        line("Meldung:", o["message"]);
        return;
    }
    const QString container = o["container"].toString();
    line("Behälter:", container == "module" ? "Modul"
                      : container == "puz"  ? "Across-Lite-Datei"
                      : container == "ipuz" ? "ipuz-Datei"
                                            : "Rätseldatei");
    line("Kopfversion:", o["headerVersion"]);
    line("Erzeugerversion:", o["creatorVersion"]);
    line("Art:", QString("%1 (%2)").arg(o["kindName"].toString()).arg(o["kind"].toInt()));
    line("Größe:", QString("%1 × %2").arg(o["columns"].toInt()).arg(o["rows"].toInt()));
    line("Begriffe:", o["wordCount"]);
    line("Schwierigkeit:", o["difficulty"]);
    line("Titel:", o["title"]);
    line("Kommentar:", o["comment"]);
    line("Autor:", o["author"]);
    line("Lösungswort:", o["solutionWord"]);
    line("Hilfen:", o["allowedAids"]);
    line("Bildflags:", o["imageFlags"]);
    const QJsonObject picture = o["picture"].toObject();
    line("Bild:", picture.isEmpty() ? QJsonValue()
                                    : QString("%1 × %2 Pixel")
                                          .arg(picture["width"].toInt())
                                          .arg(picture["height"].toInt()));
    line("Stand:", o["solvedLevel"]);
    line("Bestzeit:", o["bestSeconds"]);
    line("Uhr läuft:", o["clockRunning"]);
    line("Auswertung:", o["evaluation"].toObject()["message"]);
    std::printf("Lösung:\n");
    for (const QJsonValue& row : o["solutionLetters"].toArray())
        std::printf("  %s\n", Printable(row.toString()).constData());
    std::printf("Begriffe:\n");
    for (const QJsonValue& w : o["words"].toArray()) {
        const QJsonObject wo = w.toObject();
        std::printf("  %3d %-6s %s %s\n", wo["number"].toInt(),
                    wo["direction"].toString() == "across" ? "waag." : "senk.",
                    Printable(wo["text"].toString().leftJustified(16)).constData(),
                    Printable(wo["clue"].toString()).constData());
    }
}
} // namespace

int InfoCommand(const Args& args) {
    bool json = false;
    std::string path;
    for (const std::string& a : args) {
        if (a == "--json")
            json = true;
        else if (path.empty())
            path = a;
        else {
            std::fprintf(stderr, "info: bitte nur eine Datei angeben\n");
            return 2;
        }
    }
    if (path.empty()) {
        std::fprintf(stderr, "Aufruf: zoruvidedid-tool info [--json] DATEI\n");
        return 2;
    }
    Loaded l = LoadInput(path);
    const bool loaded = l.Result == LoadResult::Loaded;
    const CompletionNotice notice = loaded ? Judge(l) : CompletionNotice{};
    QJsonObject o = Json(l, path);
    if (loaded) AddJudgement(o, l, notice);
    if (json)
        std::fputs(QJsonDocument(o).toJson(QJsonDocument::Indented).constData(), stdout);
    else
        PrintHuman(o);
    return l.Result == LoadResult::Loaded ? 0 : 1;
}
