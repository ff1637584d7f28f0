// The board's commands: reveal, word entry, dropped words, clue, look-up, the
// tool bar and popup rules, the toggles and the reset.
#include "BegriffDialog.h"
#include "BoardCommands.h"
#include "BoardFixture.h"
#include "ClueListLink.h"
#include "ContainerWriter.h"
#include "EditCommands.h"
#include "Evaluation.h"
#include "Hauptformular.h"
#include "MessageDialog.h"
#include "ModalRunner.h"
#include "PuzzleGame.h"
#include "RaetselFormular.h"
#include "Session.h"
#include "StringGrid.h"
#include "TestSupport.h"
#include "TextUtil.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QUrl>

namespace {
struct Opened : OpenedBoard {
    bool Visible(const char* item) {
        Board->Host().Commands().RefreshAll();
        return PlayItem(Board, item)->isVisible();
    }
    bool UndoPossible() const { return Frame->Edit().UndoPossible(); }
};

std::unique_ptr<Opened> Open(const Puzzle& puzzle, const std::string& name) {
    return OpenBoard<Opened>(puzzle, name);
}

// Answers every modal dialog through a handler and remembers what was shown.
struct Dialogs {
    QStringList shown; // class, caption and text
    std::function<int(QDialog&)> answer = [](QDialog&) { return 0; };
    ModalRunner previous;
    Dialogs() {
        previous = SetModalRunner([this](QDialog& d) {
            QString text;
            if (auto* box = qobject_cast<QMessageBox*>(&d)) text = box->text();
            if (auto* msg = qobject_cast<TWinMsgDlg*>(&d)) text = msg->LblMessage()->text();
            shown << QStringLiteral("%1|%2|%3")
                         .arg(d.metaObject()->className(), d.windowTitle(), text);
            return answer(d);
        });
    }
    ~Dialogs() { SetModalRunner(previous); }
};

// A clue list the frame finds as it finds the real one.
struct DropClueList : QWidget, ClueListLink {
    void FormShow() override {}
    QWidget* Widget() override { return this; }
    QStringList marks;
    std::string word = "ABCDEF";
    bool ClueListVisible() const override { return true; }
    void FocusEntryByNumber(int, bool) override {}
    void MarkWordSolved(int wordIndex, bool across, bool solved) override {
        marks << QStringLiteral("%1 %2 %3").arg(wordIndex).arg(across).arg(solved);
    }
    int FindEntryByNumber(int, bool) override { return -1; }
    std::string EntryWord(int, bool) override { return {}; }
    void SetEntrySolved(int, bool, bool) override {}
    void UpdateDragCursor() override {}
    void BuildLists() override {}
    bool TwoLists() const override { return true; }
    int DragSourceList(const QObject* source) const override {
        return source == &acrossList ? 1 : source == &downList ? 0 : -1;
    }
    std::optional<ClueEntryWord> FocusedEntry(bool) const override {
        return ClueEntryWord{word, 4};
    }
    QObject acrossList, downList;
};

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};
} // namespace

class TestBoardCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName("Zoruvidedid"); }

    void revealToggles() {
        Dialogs dialogs;
        const auto o = Open(*GridPuzzle(0, {"AB"}), "reveal.zvr");
        QVERIFY(o->Board);
        o->Board->Commands().MItemPlayBuchstEintragenClick();
        QCOMPARE(o->Entry(1, 1), "A");
        QVERIFY(o->UndoPossible());
        o->Board->Commands().MItemPlayBuchstEintragenClick();
        QCOMPARE(o->Entry(1, 1), " ");
        o->Board->Commands().MItemPlayBuchstEintragenClick();
        o->Select(2, 1);
        // A double click on the grid reveals too.
        QTest::mouseDClick(o->Grid(), Qt::LeftButton, {}, o->Grid()->CellRect(2, 1).center());
        QCOMPARE(o->Entry(2, 1), "B");
        // Revealing never judges the puzzle.
        QCOMPARE(int(o->Im().SolvedLevel), 0);
        QVERIFY(dialogs.shown.isEmpty());

        auto limited = GridPuzzle(0, {"AB"});
        limited->Image.AllowedAids = AidFlag::MarkWrong;
        const auto l = Open(*limited, "reveal-limited.zvr");
        QVERIFY(ButtonVisible(l->Board, "SBBuchstEintragen"));
        l->Button("SBBuchstEintragen")->click();
        QCOMPARE(l->Entry(1, 1), " ");
        QVERIFY(!l->UndoPossible());

        const auto a = Open(*GridPuzzle(10, {"AB", "C#"}), "reveal-american.zvr");
        a->Select(2, 2);
        a->Board->Commands().MItemPlayBuchstEintragenClick();
        QVERIFY(a->Im().cell(2, 2).has(CellFlag::PlacedBlock));
        QCOMPARE(a->Entry(2, 2), " ");
        QVERIFY(ButtonDown(a->Board, "SBLeerfeld"));

        auto sudoku = SudokuOfSize(4);
        sudoku->Image.cell(1, 1).CellFlags |= CellFlag::SolutionOrGiven;
        sudoku->Image.entry(1, 1) = sudoku->Image.cell(1, 1).SolutionLetter;
        const auto s = Open(*sudoku, "reveal-sudoku.zvr");
        s->Select(1, 1);
        const int given = s->Im().cell(1, 1).SolutionLetter.Chars[0] - '1';
        QVERIFY(!s->Board->Game().Candidates()[2][1][given]);
        // A given symbol is the puzzle's: revealing leaves it where it is.
        s->Board->Commands().MItemPlayBuchstEintragenClick();
        QCOMPARE(s->Entry(1, 1), s->Im().cell(1, 1).SolutionLetter.str());
        QVERIFY(!s->Board->Game().Candidates()[2][1][given]);
    }

    void wordEntryThroughTheDialog() {
        Dialogs dialogs;
        auto p = GridPuzzle(0, {"STRASSE", "O######"});
        NumberWords(*p);
        p->Image.Words[0].ClueText.set("Weg im Ort");
        const auto o = Open(*p, "word.zvr");
        QVERIFY(o->Board);
        QVERIFY(ButtonEnabled(o->Board, "SBBegrEintragen"));
        QString label, prefilled;
        dialogs.answer = [&](QDialog& d) {
            auto& dlg = static_cast<TWordEditDlg&>(d);
            label = dlg.LblBegriff()->text();
            prefilled = dlg.WordData;
            dlg.show();
            QTest::keyClicks(dlg.GridBegriff(), "stra");
            QTest::sendKeyEvent(QTest::Click, dlg.GridBegriff(), Qt::Key_ssharp,
                                QStringLiteral("ß"), {});
            QTest::keyClicks(dlg.GridBegriff(), "e");
            dlg.BtnOK()->click();
            return dlg.result();
        };
        o->Type("x");
        QCOMPARE(o->Entry(1, 1), "X");
        o->Select(3, 1);
        o->Board->Commands().MItemPlayBegriffEintragenClick();
        QCOMPARE(label, QStringLiteral("Weg im Ort :"));
        QCOMPARE(prefilled, QStringLiteral("X      "));
        QVERIFY(dialogs.shown.first().startsWith("TWordEditDlg|Gesuchten Begriff eingeben|"));
        std::string row;
        for (int c = 1; c <= 7; ++c) row += o->Entry(c, 1);
        QCOMPARE(row, std::string("STRASSE"));
        // The grid is not complete yet (the down word), so no message.
        QCOMPARE(dialogs.shown.size(), 1);

        // The board spells the returned text itself: umlauts expanded, the
        // rest dropped, stopping before the first block.
        dialogs.answer = [](QDialog& d) {
            auto* dlg = qobject_cast<TWordEditDlg*>(&d);
            if (!dlg) return 0;
            dlg->WordData = QStringLiteral("Sö-x");
            return int(QDialog::Accepted);
        };
        o->Select(1, 1);
        o->Board->DecideDirection(1, 1, true);
        QCOMPARE(int(o->Board->Cursor().InputDirection), 2);
        o->Board->Commands().MItemPlayBegriffEintragenClick();
        QCOMPARE(o->Entry(1, 1), "S");
        QCOMPARE(o->Entry(1, 2), "O");
        QCOMPARE(o->Entry(1, 3), " "); // beyond the grid: nothing
        QCOMPARE(dialogs.shown.last(), QStringLiteral("TWinMsgDlg||Sie haben das Rätsel gelöst!"));

        // Cancelled: nothing changes, no step.
        while (o->UndoPossible()) o->Frame->Edit().Undo();
        dialogs.answer = [](QDialog&) { return int(QDialog::Rejected); };
        const std::string before = o->Entry(1, 2);
        o->Board->Commands().MItemPlayBegriffEintragenClick();
        QCOMPARE(o->Entry(1, 2), before);
        QVERIFY(!o->UndoPossible());

        auto fence = GridPuzzle(6, {"ABC", "#D#"});
        NumberWords(*fence);
        const auto f = Open(*fence, "word-fence.zvr");
        dialogs.answer = [&](QDialog& d) {
            label = static_cast<TWordEditDlg&>(d).LblBegriff()->text();
            return 0;
        };
        f->Board->Commands().MItemPlayBegriffEintragenClick();
        QCOMPARE(label, QStringLiteral("Begriff mit 3 Buchstaben :"));
    }

    void droppedWords() {
        Dialogs dialogs;
        auto p = GridPuzzle(6, {"ABCD#", "E####"});
        NumberWords(*p);
        p->Image.ReverseDropAllowed = 1;
        const auto o = Open(*p, "drop.zvr");
        QVERIFY(o->Board);
        // Without a clue list nothing may be dropped.
        QVERIFY(!o->Board->Commands().RaetselDragOver(nullptr, 1, 1));
        auto* clues = new DropClueList;
        // Out of the board's way: the board stops short of a clue list.
        ReplaceClueList(*o->Frame, clues)->move(3000, 0);
        QVERIFY(!o->Board->Commands().RaetselDragOver(o->Grid(), 1, 1)); // not one of its lists
        QVERIFY(o->Board->Commands().RaetselDragOver(&clues->acrossList, 1, 1));
        QVERIFY(!o->Board->Commands().RaetselDragOver(&clues->acrossList, 2, 1)); // no number there

        o->Board->Commands().RaetselDragDrop(&clues->acrossList, 1, 1);
        QCOMPARE(o->Entry(1, 1) + o->Entry(2, 1) + o->Entry(3, 1) + o->Entry(4, 1), "ABCD");
        QCOMPARE(o->Entry(5, 1), " "); // stops before the block
        // Every cell holds its solution letter: the word counts as solved.
        QCOMPARE(clues->marks, QStringList{"4 1 1"});
        QVERIFY(o->UndoPossible());

        // Backwards with Ctrl, down from the down list.
        clues->word = "EA";
        o->Session->flags.CtrlHeldReverse = true;
        o->Board->Commands().RaetselDragDrop(&clues->downList, 1, 1);
        QCOMPARE(o->Entry(1, 1) + o->Entry(1, 2), "AE");
        QCOMPARE(clues->marks.last(), QStringLiteral("4 0 1"));
        // With wrong letters and wrong entries marked, the word is not reported.
        clues->word = "XY";
        o->Session->flags.CtrlHeldReverse = false;
        o->Board->Commands().RaetselDragDrop(&clues->acrossList, 1, 1);
        QCOMPARE(o->Entry(1, 1) + o->Entry(2, 1), "XY");
        QCOMPARE(clues->marks.size(), 2);
    }

    void showClueAndLookUp() {
        Dialogs dialogs;
        auto p = SmallCrossword();
        const int across = FindWord(p->Image, 1, true);
        p->Image.Words[across].WordReversed = 1;
        const auto o = Open(*p, "clue.zvr");
        QVERIFY(o->Board);
        o->Board->Commands().MItemPlayUmschreibungClick();
        QCOMPARE(dialogs.shown.last(), QStringLiteral("QMessageBox|????|Hinweis %1").arg(across));
        o->Type("h");
        o->Board->SelectWordByNumber(1, false);
        o->Board->Commands().MItemPlayUmschreibungClick();
        const int down = FindWord(o->Im(), 1, false);
        QCOMPARE(dialogs.shown.last(), QStringLiteral("QMessageBox|H???|Hinweis %1").arg(down));
        o->Board->SelectWordByNumber(1, true);
        o->Board->Commands().MItemPlayUmschreibungClick();
        QCOMPARE(dialogs.shown.last(), QStringLiteral("QMessageBox|???H|Hinweis %1").arg(across));
        // An empty clue shows nothing.
        o->Im().Words[across].ClueText.clear();
        const qsizetype count = dialogs.shown.size();
        o->Board->Commands().MItemPlayUmschreibungClick();
        QCOMPARE(dialogs.shown.size(), count);

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        o->Board->Commands().MItemPlayNachschlagenClick();
        QCOMPARE(dialogs.shown.last(),
                 QStringLiteral("QMessageBox|Fehler|Sie können nur komplett gelöste Begriffe im "
                                "Online-Lexikon nachschlagen."));
        QVERIFY(catcher.urls.isEmpty());
        o->Type("hxus"); // full but wrong: looked up as typed
        o->Board->SelectWordByNumber(1, true);
        o->Board->Commands().MItemPlayNachschlagenClick();
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl("https://de.wikipedia.org/wiki/Hxus")});

        QCOMPARE(ProperCase("DER ALTE-MANN"), std::string("Der Alte-Mann"));
        QCOMPARE(ProperCase("\xC4PFEL"), std::string("\xC4pfel"));
        QCOMPARE(LookupUrl("\xC4pfel").toString(),
                 QStringLiteral("https://de.wikipedia.org/wiki/Äpfel"));
    }

    void toolbarAndPopupFollowTheState() {
        const auto o = Open(*SmallCrossword(), "popup.zvr");
        QVERIFY(o->Board);
        Settings& s = o->Session->settings;
        QVERIFY(o->Visible("MItemPlayUmschreibung"));
        QVERIFY(o->Visible("MItemPlayBegriffEintragen"));
        QVERIFY(!o->Visible("MItemPlayLeerfeld"));
        QVERIFY(!o->Visible("MItemPlayShowLength"));
        QVERIFY(!o->Visible("MItemPlayFelderMarkieren"));
        QCOMPARE(PlayItem(o->Board, "MItemPlayBuchstEintragen")->text(),
                 QStringLiteral("Buchstaben eintragen"));
        const bool fail = s.FehlerZeigen;
        o->Button("SBShowFail")->click();
        QCOMPARE(s.FehlerZeigen, !fail);
        o->Board->Host().Commands().Get(CommandId::ShowFail).Trigger();
        QCOMPARE(s.FehlerZeigen, fail);
        QCOMPARE(ButtonDown(o->Board, "SBShowFail"), fail);
        o->Board->Host().Commands().Get(CommandId::ShowHints).Trigger();
        QCOMPARE(ButtonDown(o->Board, "SBShowHints"), s.HinweiseZeigen);
        o->Button("SBShowHints")->click();
        QCOMPARE(ButtonDown(o->Board, "SBShowHints"), s.HinweiseZeigen);

        QVERIFY(ButtonEnabled(o->Board, "SBBegrEintragen"));
        o->Select(2, 2);
        QVERIFY(!ButtonEnabled(o->Board, "SBBuchstEintragen"));
        o->Select(1, 1);
        QVERIFY(ButtonEnabled(o->Board, "SBBuchstEintragen"));

        o->Session->flags.ShowSolution = true;
        o->Board->UpdateToolbar(1, 1);
        QVERIFY(!ButtonVisible(o->Board, "SBBegrEintragen"));
        QVERIFY(!ButtonVisible(o->Board, "SBBuchstEintragen"));
        QVERIFY(!o->Visible("MItemPlayUmschreibung"));
        o->Session->flags.ShowSolution = false;

        const auto f = Open(*GridPuzzle(6, {"AB"}), "popup-fence.zvr");
        // The word button needs a numbered word through the cell.
        QVERIFY(ButtonVisible(f->Board, "SBBegrEintragen"));
        QVERIFY(!ButtonEnabled(f->Board, "SBBegrEintragen"));
        f->Board->Host().Commands().Get(CommandId::ShowLengths).Trigger();
        QVERIFY(f->Session->settings.LaengenZeigen);
        QVERIFY(ButtonDown(f->Board, "SBShowLength"));
        QVERIFY(f->Visible("MItemPlayShowLength"));
        QVERIFY(PlayItem(f->Board, "MItemPlayShowLength")->isChecked());

        const auto sudoku = Open(*SudokuOfSize(9), "popup-sudoku.zvr");
        QVERIFY(!sudoku->Visible("MItemPlayUmschreibung"));
        QCOMPARE(PlayItem(sudoku->Board, "MItemPlayShowLength")->text(),
                 QStringLiteral("&Mögliche Zahlen anzeigen"));
        QCOMPARE(PlayItem(sudoku->Board, "MItemPlayBuchstEintragen")->text(),
                 QStringLiteral("Symbol eintragen"));
        sudoku->Button("SBShowHintGrids")->click();
        QVERIFY(sudoku->Session->settings.MoeglicheZahlenZeigen);

        const auto a = Open(*GridPuzzle(10, {"AB", "CD"}), "popup-american.zvr");
        a->Select(2, 1);
        a->Button("SBLeerfeld")->click();
        QVERIFY(a->Im().cell(2, 1).has(CellFlag::PlacedBlock));
        QVERIFY(!ButtonEnabled(a->Board, "SBBuchstEintragen"));
        QVERIFY(a->Visible("MItemPlayLeerfeld"));
        QVERIFY(PlayItem(a->Board, "MItemPlayLeerfeld")->isChecked());
        PlayItem(a->Board, "MItemPlayLeerfeld")->trigger();
        QVERIFY(!a->Im().cell(2, 1).has(CellFlag::PlacedBlock));
        QVERIFY(!ButtonDown(a->Board, "SBLeerfeld"));
        QVERIFY(a->UndoPossible()); // the blank mark is a step of the history
    }

    void resetClearsEverything() {
        Dialogs dialogs;
        auto p = GridPuzzle(1, {"AB", "CD"});
        NumberWords(*p);
        PuzzleImage& src = p->Image;
        src.SolutionWord.set("ABCDEFGHIJKLMNOPQR"); // 18 letters
        src.EnteredSolutionWord.set("ABCDEFGHIJKLMNOPQR");
        src.cell(1, 1).CellFlags |= CellFlag::PlacedBlock;
        src.Words[0].WordSolvedMark = 1;
        src.Words[3].CodeGuess.set("Q");
        const auto o = Open(*p, "reset.zvr");
        QVERIFY(o->Board);
        o->Type("ab");
        o->Im().SolvedLevel = 2;
        o->Session->flags.ShowSolution = true;
        o->Board->Game().Reset();
        PuzzleImage& im = o->Im();
        QCOMPARE(o->Entry(1, 1), " ");
        QCOMPARE(int(im.EnteredSolutionWord.Length), 18);
        QCOMPARE(std::string(im.EnteredSolutionWord.Chars, 20), std::string(20, ' '));
        QVERIFY(!im.cell(1, 1).has(CellFlag::PlacedBlock));
        QCOMPARE(int(im.Words[0].WordSolvedMark), 0);
        QVERIFY(IsBlank(im.Words[3].CodeGuess));
        QCOMPARE(int(im.SolvedLevel), 0);
        QVERIFY(!o->Session->flags.ShowSolution);
        // A correct grid and the first 13 solution-word letters typed again are
        // not complete: the old letters behind position 13 no longer count.
        for (int k = 0; k < 13; ++k) im.EnteredSolutionWord.Chars[k] = im.SolutionWord.Chars[k];
        for (int c = 1; c <= 2; ++c)
            for (int r = 1; r <= 2; ++r)
                SetEnteredLetter(o->Session->puzzle, c, r, im.cell(c, r).SolutionLetter.view());
        EvaluateCompletion(o->Session->puzzle, o->Session->settings);
        QCOMPARE(int(im.SolvedLevel), 0);
        im.SolutionWord.set("SOMMER");
        o->Board->Game().Reset();
        QCOMPARE(int(im.EnteredSolutionWord.Length), 13);

        // The word search keeps its filler letters and loses its found marks.
        auto search = GridPuzzle(12, {"AB", "CD"});
        search->Image.cell(2, 2).CellFlags = CellFlag::Block;
        search->Image.entry(2, 2).set("X");
        search->Image.cell(1, 1).CellFlags |= CellFlag::PlayerMark;
        search->Image.cell(1, 1).CellNumber = -3;
        const auto w = Open(*search, "reset-search.zvr");
        w->Board->Game().Reset();
        QCOMPARE(w->Entry(2, 2), "X");
        QVERIFY(!w->Im().cell(1, 1).has(CellFlag::PlayerMark));
        QCOMPARE(w->Im().cell(1, 1).CellNumber, 3);

        auto timed = SudokuOfSize(4, 15);
        timed->Image.cell(1, 1).CellFlags |= CellFlag::SolutionOrGiven;
        timed->Image.entry(1, 1) = timed->Image.cell(1, 1).SolutionLetter;
        timed->Image.entry(2, 1) = timed->Image.cell(2, 1).SolutionLetter;
        const auto t = Open(*timed, "reset-timed.zvr");
        t->Im().ElapsedSeconds = 50;
        t->Im().ClockRunning = 0;
        t->Board->Game().Reset();
        QCOMPARE(t->Entry(1, 1), t->Im().cell(1, 1).SolutionLetter.str());
        QCOMPARE(t->Entry(2, 1), " ");
        QCOMPARE(int(t->Im().ElapsedSeconds), 0);
        QCOMPARE(int(t->Im().ClockRunning), 1);
        QVERIFY(
            t->Board->Game().Candidates()[2][1][t->Im().cell(2, 1).SolutionLetter.Chars[0] - '1']);
    }
};

QTEST_MAIN(TestBoardCommands)
#include "test_BoardCommands.moc"
