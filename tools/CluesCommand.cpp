// clues: the clue lists of a puzzle exactly as the player's window builds
// them, as a table or as one JSON object.
#include "Commands.h"

#include "Container.h"
#include "Cp1252.h"
#include "KindTraits.h"
#include "LegendModel.h"
#include "LoadInput.h"
#include "Loading.h"
#include "PuzzleImage.h"
#include "TextUtil.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {
QString Text(std::string_view cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

QJsonObject EntryJson(const LegendItem& item) {
    const LegendEntry& e = item.Entry;
    QJsonArray texts;
    for (int c = 0; c < LegendColumn::Count; ++c) texts.append(Text(EntryCellText(e, c)));
    return QJsonObject{
        {"wordIndex", e.WordIndex},   {"lineNumber", e.LineNumber}, {"number", e.Number},
        {"blankCount", e.BlankCount}, {"word", Text(e.Word)},       {"clue", Text(e.Clue)},
        {"checked", item.Checked},    {"hidden", item.Hidden},      {"texts", texts}};
}

QJsonArray ListJson(const std::vector<LegendItem>& list) {
    QJsonArray a;
    for (const LegendItem& item : list) a.append(EntryJson(item));
    return a;
}

QJsonObject Json(const LoadedInput& l, const std::string& path) {
    QJsonObject o;
    o["result"] = l.Result;
    if (l.Result != LoadResult::Loaded) {
        o["message"] =
            QString::fromStdString(l.Error.empty() ? LoadFailureMessage(l.Result, path) : l.Error);
        return o;
    }
    const PuzzleImage& im = l.P->Image;
    o["kind"] = im.PuzzleKind;
    if (!HasClueList(im.PuzzleKind)) {
        o["clueList"] = false;
        return o;
    }
    const LegendLists lists = BuildLists(im, l.S);
    o["twoLists"] = lists.TwoLists;
    QJsonArray visible;
    for (int c = 0; c < LegendColumn::Count; ++c)
        if (lists.Columns.Visible[static_cast<std::size_t>(c)]) visible.append(c);
    o["visibleColumns"] = visible;
    o["checkColumn"] = lists.Columns.CheckColumn;
    o["fillColumn"] = lists.Columns.FillColumn;
    o["across"] = ListJson(lists.Across);
    o["down"] = ListJson(lists.Down);
    return o;
}

// Clue texts and file names come from outside: a terminal must not obey them.
std::string Printable(const QJsonValue& text) {
    return EscapeControlChars(text.toString().toStdString());
}

void PrintList(const char* title, const QJsonArray& list, const QJsonArray& visible) {
    std::printf("%s\n", title);
    // The visible columns, with a solved mark (x) and hidden entries in brackets.
    std::printf("  %-3s", "");
    for (const QJsonValue& c : visible) std::printf(" %-14s", LegendHeader(c.toInt()));
    std::printf("\n");
    for (const QJsonValue& v : list) {
        const QJsonObject e = v.toObject();
        const QJsonArray texts = e["texts"].toArray();
        std::printf("  %s%s ", e["checked"].toBool() ? "x" : "-",
                    e["hidden"].toBool() ? "()" : "  ");
        for (const QJsonValue& c : visible)
            std::printf(" %-14s", Printable(texts[c.toInt()]).c_str());
        std::printf("\n");
    }
}

void PrintHuman(const QJsonObject& o) {
    std::printf("Ergebnis:  %d\n", o["result"].toInt());
    if (o.contains("message")) {
        std::printf("Meldung:   %s\n", Printable(o["message"]).c_str());
        return;
    }
    std::printf("Art:       %d\n", o["kind"].toInt());
    if (o.contains("clueList")) {
        std::printf("Diese Rätselart hat keine Legende.\n");
        return;
    }
    const bool two = o["twoLists"].toBool();
    std::printf("Legenden:  %s\n", two ? "zwei" : "eine");
    const QJsonArray visible = o["visibleColumns"].toArray();
    if (two) PrintList("Waagerecht:", o["across"].toArray(), visible);
    PrintList(two ? "Senkrecht:" : "Legende:", o["down"].toArray(), visible);
}
} // namespace

int CluesCommand(const Args& args) {
    bool json = false;
    std::string path;
    for (const std::string& a : args) {
        if (a == "--json") {
            json = true;
        } else if (path.empty()) {
            path = a;
        } else {
            std::fprintf(stderr, "clues: nur eine Datei angeben\n");
            return 2;
        }
    }
    if (path.empty()) {
        std::fprintf(stderr, "Aufruf: zoruvidedid-tool clues [--json] DATEI\n");
        return 2;
    }
    const LoadedInput l = LoadInput(path);
    const QJsonObject o = Json(l, path);
    if (json)
        std::fputs(QJsonDocument(o).toJson(QJsonDocument::Indented).constData(), stdout);
    else
        PrintHuman(o);
    return l.Result == LoadResult::Loaded ? 0 : 1;
}
