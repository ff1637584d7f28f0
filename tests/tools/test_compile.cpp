// The puzzle compiler: its messages, the record it lays out, and the examples
// it builds, each loaded and solved the way the player would.
#include "Container.h"
#include "Evaluation.h"
#include "PuzzleBuilder.h"
#include "Queries.h"
#include "Settings.h"
#include "Sudoku.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <cstddef>
#include <fstream>
#include <set>

namespace {

GridLayer Layer(const std::vector<std::string>& rows) {
    GridLayer layer;
    layer.Rows = rows;
    for (std::size_t i = 0; i < rows.size(); ++i) layer.Lines.push_back(static_cast<int>(i) + 1);
    return layer;
}

ClueLine Clue(const std::string& word, const std::string& clue, int direction = -1) {
    ClueLine c;
    c.Word = word;
    c.Clue = clue;
    c.Direction = direction;
    return c;
}

std::string Messages(const std::vector<BuildMessage>& faults) {
    std::string all;
    for (const BuildMessage& f : faults) all += std::to_string(f.Line) + ": " + f.Text + "\n";
    return all;
}

QString ExamplesDir() {
    return QString::fromLocal8Bit(qgetenv("ZORU_EXAMPLES"));
}

QStringList ExampleNames() {
    QFile list(ExamplesDir() + "/list.txt");
    if (!list.open(QIODevice::ReadOnly)) return {};
    QStringList names;
    for (const QByteArray& line : list.readAll().split('\n'))
        if (!line.trimmed().isEmpty()) names << QString::fromUtf8(line.trimmed());
    return names;
}

// Enters the whole solution the way the windows would: letters through
// SetEnteredLetter, found marks, placed blocks, code letters, solution word.
void EnterSolution(Puzzle& p) {
    PuzzleImage& im = p.Image;
    const int kind = im.PuzzleKind;
    for (int c = 1; c <= im.ColumnCount; ++c)
        for (int r = 1; r <= im.RowCount; ++r) {
            CellRecord& cell = im.cell(c, r);
            if (kind == 12) {
                if (!cell.isBlock()) cell.CellFlags |= CellFlag::PlayerMark;
                continue;
            }
            if ((kind == 10 || kind == 11) && cell.isBlock())
                cell.CellFlags |= CellFlag::PlacedBlock;
            if (cell.has(CellFlag::LetterCell))
                SetEnteredLetter(p, c, r, cell.SolutionLetter.view());
        }
    if (kind == 2 || kind == 3)
        for (int i = 0; i < 26; ++i)
            im.Words[i].CodeGuess.set(std::string(1, static_cast<char>(im.Words[i].CodeLetter)));
    if (HasSolutionWord(kind)) im.EnteredSolutionWord.set(im.SolutionWord.view());
}

// One cell filled wrongly (or, in a word search, a filler marked as found).
void SpoilOneCell(Puzzle& p) {
    PuzzleImage& im = p.Image;
    for (int c = 1; c <= im.ColumnCount; ++c)
        for (int r = 1; r <= im.RowCount; ++r) {
            CellRecord& cell = im.cell(c, r);
            if (im.PuzzleKind == 12) {
                if (cell.isBlock()) {
                    cell.CellFlags |= CellFlag::PlayerMark;
                    return;
                }
                continue;
            }
            if (!cell.has(CellFlag::LetterCell) || cell.has(CellFlag::SolutionOrGiven)) continue;
            if (IsSudokuKind(im.PuzzleKind)) {
                // The symbol of the row's next cell repeats in the row.
                const int other = c < im.ColumnCount ? c + 1 : c - 1;
                SetEnteredLetter(p, c, r, im.cell(other, r).SolutionLetter.view());
            } else {
                SetEnteredLetter(p, c, r, cell.SolutionLetter == "Q" ? "X" : "Q");
            }
            return;
        }
}

} // namespace

class CompileTest : public QObject {
    Q_OBJECT

private slots:
    void faultsNameTheLine_data();
    void faultsNameTheLine();
    void repeatedWordIsOneFault();
    void crosswordNumberingAndWords();
    void reversedWordInWordGrid();
    void wordSearchHidesWordsAmongFillers();
    void sudokuGivensAndUniqueness();
    void solutionWordAndCodes();
    void headerCarriesTheVersion();
    void pictureRules();
    void examplesCoverEveryKind();
    void examplesLoadAndSolve_data();
    void examplesLoadAndSolve();
    void packedExamplePlayer();
};

void CompileTest::faultsNameTheLine_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    // Lines 1..14: a valid small crossword; what follows is line 15 on.
    const auto head = [](int kind) {
        return QString("kind: %1\ntitle: T\ngrid:\nHAUS#\nA##EI\nSEE#S\n\nclues:\n"
                       "HAUS: Gebäude\nHAS: Tier\nSEE: Gewässer\nSE: Kürzel\nEI: Frühstück\n")
            .arg(kind);
    };
    QTest::newRow("unknown word") << head(0) + "IS: ist\nBAUM: Pflanze\n"
                                  << "Zeile 15: Frage zu einem unbekannten Wort BAUM";
    QTest::newRow("word without clue")
        << head(0) << "Zeile 5: das Wort IS (senkrecht, Spalte 5, Reihe 2) hat keine Frage";
    QTest::newRow("second clue")
        << head(0) + "IS: ist\nHAUS: noch einmal\n"
        << "Zeile 15: zweite Frage zum Wort HAUS (die erste steht in Zeile 9)";
    QTest::newRow("solution letter")
        << head(1) + "IS: ist\nsolution: HUT\nsolution-cells: 1,1 3,1 3,3\n"
        << "Zeile 16: Lösungsbuchstabe 3 ist T, aber Spalte 3, Reihe 3 enthält E";
    QTest::newRow("solution on even kind") << head(0) + "IS: ist\nsolution: HUT\n"
                                           << "Zeile 15: Art 0 hat kein Lösungswort";
    QTest::newRow("ragged row") << "kind: 4\ngrid:\nHAUS\nAB\n"
                                << "Zeile 4: Reihe 2 des Blocks grid hat 2 Felder, erwartet 4";
    QTest::newRow("unknown kind") << "kind: Rätselkiste\ngrid:\nAB\n"
                                  << "Zeile 1: unbekannte Rätselart \"Rätselkiste\"";
    QTest::newRow("bad cell") << "kind: 0\ngrid:\nAB\nC*\n"
                              << "Zeile 4: Spalte 2, Reihe 2: '*' ist kein Feld";
    QTest::newRow("twice across") << "kind: 4\ngrid:\nAB#AB\n"
                                  << "Zeile 3: das Wort AB steht zweimal waagerecht";
    QTest::newRow("duplicate key") << "kind: 0\ntitle: a\ntitle: b\n"
                                   << "Zeile 3: title ist doppelt angegeben (zuerst in Zeile 2)";
    QTest::newRow("not key value") << "kind: 0\nwhatever\n"
                                   << "Zeile 2: erwartet \"Schlüssel: Wert\"";
    QTest::newRow("control characters escaped") << "kind: 0\n\x1b]0;t\x07: x\n"
                                                << "gefunden \"\\x1B]0;t\\x07: x\"";
    QTest::newRow("missing picture")
        << "kind: 4\nversion: 7.46\npicture: none.jpg\npicture-area: 1,1 2,1\ngrid:\nAB\n"
        << "Zeile 3: Die Datei \"";
    QTest::newRow("sudoku repeats")
        << "kind: 14\ngrid:\n1234\n3412\n2143\n4312\n"
        << "Zeile 6: das Zeichen 1 in Spalte 3, Reihe 4 wiederholt sich";
    QTest::newRow("sudoku open")
        << "kind: sudoku\ngrid:\n1234\n3412\n2143\n4321\ngivens:\n1...\n....\n....\n....\n"
        << "Zeile 8: die Vorgaben lassen mehr als eine Lösung zu";
    QTest::newRow("word search miss") << "kind: kreuzwortpuzzle\ngrid:\nHAUS\nXYZQ\nclues:\nBAUM\n"
                                      << "Zeile 6: das Wort BAUM steht nicht im Gitter";
    QTest::newRow("unknown key") << "kind: 0\ntitel: T\ngrid:\nAB\n"
                                 << "Zeile 2: unbekannter Schlüssel \"titel\"";
    QTest::newRow("unknown key in grid") << "kind: 4\ngrid:\nAB\nsolutoin: AB\n"
                                         << "Zeile 4: unbekannter Schlüssel \"solutoin\"";
    QTest::newRow("best time untimed") << "kind: 4\nbest-seconds: 5\ngrid:\nAB\n\nclues:\nAB: weg\n"
                                       << "Zeile 2: eine Bestzeit gibt es nur bei Art 15";
    QTest::newRow("reverse drop elsewhere")
        << "kind: 4\nreverse-drop: ja\ngrid:\nAB\n\nclues:\nAB: weg\n"
        << "Zeile 2: reverse-drop gilt nur für die Arten 6 und 7";
    QTest::newRow("blocks only") << "kind: 6\ngrid:\n##\n##\n"
                                 << "Zeile 3: das Gitter enthält nur Blöcke";
    QTest::newRow("outside cp1252") << "kind: 0\ntitle: Rätsel ☃\ngrid:\nAB\n"
                                    << "Zeile 2: der Text enthält Zeichen, die ein Rätsel nicht";
}

void CompileTest::faultsNameTheLine() {
    QFETCH(QString, source);
    QFETCH(QString, expected);
    const std::string path = WriteTemp("fault.txt", source.toStdString());
    const ToolRun run = RunTool({"compile", QString::fromStdString(path), "-o",
                                 QString::fromStdString(TempDir() + "/fault.zvr")});
    QCOMPARE(run.ExitCode, 1);
    const QString err = QString::fromUtf8(run.Err);
    QVERIFY2(err.contains(expected) && !err.contains('\x1b'), qPrintable(err));
}

void CompileTest::repeatedWordIsOneFault() {
    // The second AB gets no clue of its own, but that is the same fault.
    const std::string path = WriteTemp("twice.txt", "kind: 0\ngrid:\nAB#AB\n\nclues:\nAB: x\n");
    const ToolRun run = RunTool({"compile", QString::fromStdString(path), "-o",
                                 QString::fromStdString(TempDir() + "/twice.zvr")});
    QCOMPARE(run.ExitCode, 1);
    const QString err = QString::fromUtf8(run.Err).trimmed();
    QCOMPARE(err.count('\n'), 0);
    QVERIFY2(err.contains("Zeile 3: das Wort AB steht zweimal waagerecht"), qPrintable(err));
}

void CompileTest::crosswordNumberingAndWords() {
    // HAUS#      across: HAUS, EI, SEE
    // A##EI      down:   HAS, SE, IS (two letters make a word too)
    // SEE#S
    PuzzleLayout l;
    l.Kind = 0;
    l.Grid = Layer({"HAUS#", "A##EI", "SEE#S"});
    l.Clues = {Clue("Haus", "Gebäude"), Clue("has", "Tier"),     Clue("SE", "Kürzel"),
               Clue("see", "Gewässer"), Clue("EI", "Frühstück"), Clue("IS", "Kürzel 2")};
    auto p = NewPuzzle();
    const auto faults = BuildPuzzle(l, *p);
    QVERIFY2(faults.empty(), Messages(faults).c_str());
    const PuzzleImage& im = p->Image;
    QCOMPARE(int(im.ColumnCount), 5);
    QCOMPARE(int(im.RowCount), 3);
    QCOMPARE(int(im.WordCount), 6);
    // Reading order: (1,1) HAUS+HAS, (4,1) SE, (4,2) EI, (5,2) IS, (1,3) SEE.
    QCOMPARE(im.cell(1, 1).CellNumber, 1);
    QCOMPARE(int(im.cell(1, 1).StartsAcrossWord), 1);
    QCOMPARE(int(im.cell(1, 1).StartsDownWord), 1);
    QCOMPARE(im.cell(4, 1).CellNumber, 2);
    QCOMPARE(int(im.cell(4, 1).StartsAcrossWord), 0);
    QCOMPARE(im.cell(4, 2).CellNumber, 3);
    QCOMPARE(im.cell(5, 2).CellNumber, 4);
    QCOMPARE(im.cell(1, 3).CellNumber, 5);
    QCOMPARE(im.cell(2, 1).CellNumber, 0);
    QCOMPARE(im.cell(5, 1).CellFlags, CellFlag::Block);
    QCOMPARE(im.cell(2, 3).CellFlags, CellFlag::LetterCell);

    const CellPos five = FindCellByNumber(im, 5);
    QCOMPARE(five.Column, 1);
    QCOMPARE(five.Row, 3);
    const int see = FindWord(im, 5, true);
    QVERIFY(see >= 0);
    QCOMPARE(im.Words[see].WordText.str(), std::string("SEE"));
    QCOMPARE(ClueOf(im, 5, true), std::string("Gewässer"));
    QCOMPARE(FindWord(im, 1, false), FindWordByText(im, "HAS", false));
    QCOMPARE(FindWord(im, 2, true), -1);

    // Every letter cell lies in words the queries recognise as the grid's own.
    for (int c = 1; c <= 5; ++c)
        for (int r = 1; r <= 3; ++r) {
            if (im.cell(c, r).isBlock()) continue;
            for (bool across : {true, false}) {
                if (!(WordMembership(im, c, r) & (across ? Membership::Across : Membership::Down)))
                    continue;
                const WordInfo w = WordAt(im, c, r, {false, false, across});
                QVERIFY2(w.Number > 0 && w.WordIndex >= 0,
                         qPrintable(QString("cell %1,%2 %3").arg(c).arg(r).arg(across)));
                QCOMPARE(im.Words[w.WordIndex].WordText.str(), w.Letters);
            }
        }
    // Across words come first, then down words, each by number.
    QCOMPARE(int(im.Words[0].WordDirection), int(Direction::Across));
    QCOMPARE(im.Words[0].WordNumber, 1);
    QCOMPARE(int(im.Words[im.WordCount - 1].WordDirection), int(Direction::Down));
    // Entries stay blank; solution fields are empty for a kind without solution word.
    QVERIFY(IsBlank(im.entry(1, 1)));
    QVERIFY(im.SolutionWord.empty());
}

void CompileTest::reversedWordInWordGrid() {
    PuzzleLayout l;
    l.Kind = 6;
    l.ReverseDropAllowed = true;
    l.Grid = Layer({"SUAH", "I##U", "E##T"});
    // SUAH is HAUS backwards, column 1 is EIS upwards; HUT in column 4 is not listed.
    l.Clues = {Clue("HAUS", ""), Clue("eis", "")};
    auto p = NewPuzzle();
    const auto faults = BuildPuzzle(l, *p);
    QVERIFY2(faults.empty(), Messages(faults).c_str());
    PuzzleImage& im = p->Image;
    const int haus = FindWordByText(im, "HAUS", true);
    QVERIFY(haus >= 0);
    QCOMPARE(int(im.Words[haus].WordReversed), 1);
    QCOMPARE(im.Words[haus].WordNumber, im.cell(1, 1).CellNumber);
    QCOMPARE(int(im.ReverseDropAllowed), 1);
    const int eis = FindWordByText(im, "EIS", false);
    QVERIFY(eis >= 0);
    QCOMPARE(int(im.Words[eis].WordReversed), 1);
    // Words without a list entry stand as they read.
    const int hut = FindWordByText(im, "HUT", false);
    QVERIFY(hut >= 0);
    QCOMPARE(int(im.Words[hut].WordReversed), 0);

    // Entering the grid's letters places the reversed words.
    QVERIFY(!IsWordPlacedAt(im, haus));
    EnterSolution(*p);
    QVERIFY(IsWordPlacedAt(im, haus));
    QVERIFY(IsWordPlacedAt(im, eis));
    Settings s;
    SetDefaultSettings(s, im);
    EvaluateCompletion(*p, s);
    QCOMPARE(int(im.SolvedLevel), 3);
}

void CompileTest::wordSearchHidesWordsAmongFillers() {
    PuzzleLayout l;
    l.Kind = 12;
    // HAUS across, HEU down from the same cell, KUH backwards in row 3.
    l.Grid = Layer({"XHAUS", "QEZTK", "HUKKL", "WSUTO"});
    l.Clues = {Clue("Haus", ""), Clue("Kuh", ""), Clue("Heu", "getrocknetes Gras")};
    auto p = NewPuzzle();
    const auto faults = BuildPuzzle(l, *p);
    QVERIFY2(faults.empty(), Messages(faults).c_str());
    const PuzzleImage& im = p->Image;
    QCOMPARE(int(im.WordCount), 3);
    // The list keeps its order; words read in grid order from their first cell.
    QCOMPARE(im.Words[0].WordText.str(), std::string("HAUS"));
    QCOMPARE(int(im.Words[0].WordReversed), 0);
    QCOMPARE(im.Words[1].WordText.str(), std::string("KUH"));
    QCOMPARE(int(im.Words[1].WordReversed), 1);
    const CellPos kuh = FindCellByNumber(im, im.Words[1].WordNumber);
    QCOMPARE(kuh.Column, 1);
    QCOMPARE(kuh.Row, 3);
    QCOMPARE(int(im.cell(1, 3).StartsAcrossWord), 1);
    // HAUS and HEU share their first cell and its number.
    QCOMPARE(im.Words[0].WordNumber, im.Words[2].WordNumber);
    QCOMPARE(int(im.Words[2].WordDirection), int(Direction::Down));
    QCOMPARE(int(im.cell(2, 1).StartsDownWord), 1);
    QCOMPARE(im.Words[2].ClueText.str(), std::string("getrocknetes Gras"));
    // Fillers are blocks showing their letter as the entry; word cells are letter cells.
    QCOMPARE(im.cell(1, 1).CellFlags, CellFlag::Block);
    QCOMPARE(im.entry(1, 1).str(), std::string("X"));
    QCOMPARE(im.cell(2, 1).CellFlags, CellFlag::LetterCell);
    QVERIFY(IsBlank(im.entry(2, 1)));
    QCOMPARE(im.cell(2, 1).SolutionLetter.str(), std::string("H"));
}

void CompileTest::sudokuGivensAndUniqueness() {
    const std::vector<std::string> solved = {"1234", "3412", "2143", "4321"};
    PuzzleLayout l;
    l.Kind = 15;
    l.BestSeconds = 90;
    l.Grid = Layer(solved);
    l.Givens = Layer({"1..4", "....", "....", ".32."});
    QCOMPARE(CountSudokuSolutions(l.Givens.Rows, 2), 1);
    QCOMPARE(CountSudokuSolutions({"....", "....", "....", "...."}, 2), 2);
    QCOMPARE(CountSudokuSolutions({"11..", "....", "....", "...."}, 2), 0);
    auto p = NewPuzzle();
    const auto faults = BuildPuzzle(l, *p);
    QVERIFY2(faults.empty(), Messages(faults).c_str());
    const PuzzleImage& im = p->Image;
    QCOMPARE(int(im.WordCount), 0);
    QCOMPARE(int(im.BestSeconds), 90);
    QCOMPARE(im.cell(1, 1).CellFlags, CellFlag::LetterCell | CellFlag::SolutionOrGiven);
    QCOMPARE(im.entry(1, 1).str(), std::string("1"));
    QCOMPARE(im.cell(2, 1).CellFlags, CellFlag::LetterCell);
    QCOMPARE(im.cell(2, 1).SolutionLetter.str(), std::string("2"));
    QCOMPARE(im.entry(3, 4).str(), std::string("2"));
    QVERIFY(IsBlank(im.entry(2, 1)));
    QCOMPARE(im.cell(4, 3).CellNumber, 0);

    // A given that differs from the solution is refused with its line.
    l.Givens = Layer({"2..4", "....", "....", ".32."});
    const auto wrong = BuildPuzzle(l, *p);
    QCOMPARE(int(wrong.size()), 1);
    QCOMPARE(wrong[0].Line, 1);
}

void CompileTest::solutionWordAndCodes() {
    PuzzleLayout l;
    l.Kind = 3;
    l.Grid = Layer({"HAUS", "A##E", "SEE#"});
    l.SolutionCells = {{3, 1}, {2, 3}};
    l.ShowSolutionPositions = true;
    l.CodeLetters = "QWERTZUIOPASDFGHJKLYXCVBNM";
    auto p = NewPuzzle();
    const auto faults = BuildPuzzle(l, *p);
    QVERIFY2(faults.empty(), Messages(faults).c_str());
    const PuzzleImage& im = p->Image;
    // Without a word the cells spell it.
    QCOMPARE(im.SolutionWord.str(), std::string("UE"));
    QCOMPARE(im.EnteredSolutionWord.str(), std::string("  "));
    QCOMPARE(im.cell(3, 1).SolutionPosition, 1);
    QCOMPARE(im.cell(2, 3).SolutionPosition, 2);
    QVERIFY(im.cell(3, 1).has(CellFlag::SolutionOrGiven));
    QVERIFY(!im.cell(1, 1).has(CellFlag::SolutionOrGiven));
    QCOMPARE(int(im.ImageFlags), int(ImageFlag::SolutionPositions));
    QCOMPARE(im.Words[0].CodeLetter, int('Q'));
    QCOMPARE(im.Words[25].CodeLetter, int('M'));
    QCOMPARE(CodeOfLetter(im, "E"), 2);
    QVERIFY(IsBlank(im.Words[25].CodeGuess));

    // No solution word at all: the player is told there is none to check.
    l.SolutionCells.clear();
    l.ShowSolutionPositions = false;
    l.CodeLetters = "ABC";
    auto q = NewPuzzle();
    const auto bad = BuildPuzzle(l, *q);
    QCOMPARE(int(bad.size()), 1);
    QVERIFY(bad[0].Text.find("jeden Buchstaben von A bis Z genau einmal") != std::string::npos);
    QCOMPARE(q->Image.SolutionWord.str(), std::string("@@@"));
}

void CompileTest::headerCarriesTheVersion() {
    const std::string src = "kind: fuellraetsel\nversion: 7.41\ntitle: Kurz\ngrid:\nAB\n\n"
                            "clues:\nAB: weg\n";
    const std::string in = WriteTemp("version.txt", src);
    const std::string out = TempDir() + "/version.zvr";
    const ToolRun run =
        RunTool({"compile", QString::fromStdString(in), "-o", QString::fromStdString(out)});
    QCOMPARE(run.ExitCode, 0);
    std::ifstream f(out, std::ios::binary);
    char header[HeaderSize];
    f.read(header, HeaderSize);
    QVERIFY(IsPuzzleHeader(header));
    QCOMPARE(HeaderVersionText(header), std::string("7.41"));
    auto p = NewPuzzle();
    QImage picture;
    QCOMPARE(int(LoadPuzzleFile(*p, picture, out)), int(LoadResult::Loaded));
    QCOMPARE(p->Image.CreatorVersion.str(), std::string("7.41"));
    QCOMPARE(p->Image.PuzzleTitle.str(), std::string("Kurz"));
    QCOMPARE(int(p->Image.PuzzleKind), 4);
}

void CompileTest::pictureRules() {
    QImage tiny(8, 8, QImage::Format_RGB32);
    tiny.fill(Qt::red);
    QVERIFY(tiny.save(QString::fromStdString(TempDir() + "/tiny.bmp"), "BMP"));
    const std::string grid = "grid:\n##AB\n##CD\n\nclues:\nAB: a\nCD: c\nAC: d\nBD: e\n";
    const auto compile = [&](const std::string& head) {
        const std::string in = WriteTemp("pic.txt", head + grid);
        return RunTool({"compile", QString::fromStdString(in), "-o",
                        QString::fromStdString(TempDir() + "/pic.zvr")});
    };
    const ToolRun ok = compile("kind: 0\npicture: tiny.bmp\npicture-area: 1,1 2,2\n");
    QVERIFY2(ok.ExitCode == 0, ok.Err.constData());
    auto p = NewPuzzle();
    QImage picture;
    QCOMPARE(int(LoadPuzzleFile(*p, picture, TempDir() + "/pic.zvr")), int(LoadResult::Loaded));
    QCOMPARE(picture.width(), 8);
    const PuzzleImage& im = p->Image;
    QCOMPARE(int(im.ImageFlags), ImageFlag::HasPicture | PictureFit::Stretch);
    QCOMPARE(im.cell(2, 2).CellFlags, CellFlag::Block | CellFlag::Picture);
    QCOMPARE(im.cell(3, 1).CellFlags, CellFlag::LetterCell);
    const CellRect area = PictureArea(im);
    QCOMPARE(area.Right, 2);
    QCOMPARE(area.Bottom, 2);

    const ToolRun letters = compile("kind: 0\npicture: tiny.bmp\npicture-area: 1,1 3,1\n");
    QCOMPARE(letters.ExitCode, 1);
    QVERIFY(letters.Err.contains(
        "Zeile 2: der Bildbereich überdeckt den Buchstaben in Spalte 3, Reihe 1"));
    const ToolRun old =
        compile("kind: 0\nversion: 7.30\npicture: tiny.bmp\npicture-area: 1,1 2,2\n");
    QCOMPARE(old.ExitCode, 1);
    QVERIFY(old.Err.contains("Zeile 3: ein Bild braucht die Version 7.40 oder neuer"));
    const ToolRun garbage = [&] {
        WriteTemp("junk.jpg", "not a picture");
        return compile("kind: 0\npicture: junk.jpg\npicture-area: 1,1 2,2\n");
    }();
    QCOMPARE(garbage.ExitCode, 1);
    QVERIFY(garbage.Err.contains("Zeile 2: das Bild"));
}

void CompileTest::examplesCoverEveryKind() {
    const QStringList names = ExampleNames();
    if (names.isEmpty()) QSKIP("no compiled examples (ZORU_EXAMPLES)");
    std::set<int> kinds, sudokuSizes;
    bool jpeg = false, bmp = false;
    for (const QString& name : names) {
        const QString path = ExamplesDir() + "/" + name + ".zvr";
        QFile f(path);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.size() >= HeaderSize + int(sizeof(PuzzleImage)));
        const auto field = [&](std::size_t offset) {
            return static_cast<unsigned char>(bytes[HeaderSize + static_cast<int>(offset)]);
        };
        const int kind = field(offsetof(PuzzleImage, PuzzleKind));
        kinds.insert(kind);
        if (kind == 14) sudokuSizes.insert(field(offsetof(PuzzleImage, ColumnCount)));
        if (bytes.size() > HeaderSize + int(sizeof(PuzzleImage)) + 1) {
            const char kindByte = bytes[HeaderSize + int(sizeof(PuzzleImage))];
            (kindByte == 0 ? bmp : jpeg) = true;
        }
    }
    for (int k : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15})
        QVERIFY2(kinds.count(k), qPrintable(QString("no example of kind %1").arg(k)));
    for (int n : {4, 6, 9, 12})
        QVERIFY2(sudokuSizes.count(n), qPrintable(QString("no %1 x %1 Sudoku").arg(n)));
    QVERIFY(jpeg);
    QVERIFY(bmp);
}

void CompileTest::examplesLoadAndSolve_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : ExampleNames()) QTest::newRow(qPrintable(name)) << name;
}

void CompileTest::examplesLoadAndSolve() {
    QFETCH(QString, name);
    const std::string path = (ExamplesDir() + "/" + name + ".zvr").toStdString();
    auto p = NewPuzzle();
    QImage picture;
    QCOMPARE(int(LoadPuzzleFile(*p, picture, path)), int(LoadResult::Loaded));
    PuzzleImage& im = p->Image;
    QCOMPARE(picture.isNull(), (im.ImageFlags & ImageFlag::HasPicture) == 0);
    if (!picture.isNull()) QCOMPARE(PictureArea(im).Left > 0, true);
    Settings s;
    SetDefaultSettings(s, im);

    // Nothing is solved before the player starts. (A word search counts as
    // complete from the start, since nothing is typed there; it is not solved.)
    auto fresh = std::make_unique<Puzzle>(*p);
    EvaluateCompletion(*fresh, s);
    QCOMPARE(int(fresh->Image.SolvedLevel), im.PuzzleKind == 12 ? 2 : 0);

    // Complete but with one fault: level 2; then the true solution: level 3.
    auto spoiled = std::make_unique<Puzzle>(*p);
    EnterSolution(*spoiled);
    SpoilOneCell(*spoiled);
    EvaluateCompletion(*spoiled, s);
    QCOMPARE(int(spoiled->Image.SolvedLevel), 2);

    EnterSolution(*p);
    EvaluateCompletion(*p, s);
    QCOMPARE(int(im.SolvedLevel), 3);
}

void CompileTest::packedExamplePlayer() {
    const QString player = ExamplesDir() + "/schwedenraetsel-loesungswort";
    if (!QFile::exists(player)) QSKIP("this build packs no example player");
    const ToolRun run = RunTool({"info", "--json", player});
    QCOMPARE(run.ExitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(run.Out).object();
    QCOMPARE(o["container"].toString(), QString("module"));
    QCOMPARE(o["kind"].toInt(), 1);
    QCOMPARE(o["solutionWord"].toString(), QString("SOMMER"));
    QCOMPARE(o["settings"].toObject()["Feldgroesse"].toInt(), 36);
}

QTEST_GUILESS_MAIN(CompileTest)
#include "test_compile.moc"
