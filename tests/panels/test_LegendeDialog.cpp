// The clue-list window beside a real board: it follows the board and moves
// it, takes the board's reports, marks and hides entries, switches between
// one and two lists, enters, drops and looks up words.
#include "BegriffDialog.h"
#include "BoardCommands.h"
#include "BoardFixture.h"
#include "DragCursors.h"
#include "GradientBar.h"
#include "LegendCommands.h"
#include "LegendView.h"
#include "LegendeDialog.h"
#include "ModalRunner.h"
#include "Queries.h"
#include "Session.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMessageBox>
#include <QSplitter>
#include <QTest>
#include <QUrl>

namespace {
struct Opened : OpenedBoard {
    TLegendForm* Legend() const { return Frame->FindChild<TLegendForm>(); }
    LegendView* Across() const { return Legend()->VTWaagerecht(); }
    LegendView* Down() const { return Legend()->VTSenkrecht(); }
    QToolButton* LegendButton(const char* name) const {
        return Legend()->findChild<QToolButton*>(QString::fromLatin1(name));
    }
    QAction* LegendItem(const char* name) const {
        return Legend()->Commands().MenuLegende()->findChild<QAction*>(QString::fromLatin1(name));
    }
    // The row of the entry with that word index in a list.
    int RowOf(LegendView* list, int wordIndex) const {
        const auto& items = list->Items()->Items();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].Entry.WordIndex == wordIndex) return static_cast<int>(i);
        return -1;
    }
};

// Every modal dialog answered: message boxes closed, the word dialog filled.
struct Answers {
    QString word;
    int wordDialogs = 0;
    ModalRunner previous;
    Answers() {
        previous = SetModalRunner([this](QDialog& d) {
            if (auto* dlg = qobject_cast<TWordEditDlg*>(&d)) {
                ++wordDialogs;
                if (word.isEmpty()) return int(QDialog::Rejected);
                dlg->WordData = word;
                return int(QDialog::Accepted);
            }
            return 0;
        });
    }
    ~Answers() { SetModalRunner(previous); }
};

QPoint At(LegendView* list, int row, int column, int dx = -1) {
    const QRect r = list->visualRect(list->Items()->index(row, column));
    return dx < 0 ? r.center() : QPoint(r.left() + dx, r.center().y());
}

void Click(LegendView* list, const QPoint& at, Qt::KeyboardModifiers mods = {},
           Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(list->viewport(), button, mods, at);
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

std::unique_ptr<Opened> Open(const Puzzle& puzzle, const std::string& name) {
    return OpenBoard<Opened>(puzzle, name);
}

// The small crossword's grid as a fence grid (kind 6), words dropped from the list.
std::unique_ptr<Puzzle> FenceGrid() {
    auto p = GridPuzzle(6, {"HAUS#", "A#BAD", "SONNE", "E#TOR"});
    NumberWords(*p);
    p->Image.ReverseDropAllowed = 1;
    return p;
}
} // namespace

class TestLegendeDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName("Zoruvidedid"); }

    void opensBesideTheBoard() {
        const auto o = Open(*SmallCrossword(), "beside.zvr");
        QVERIFY(o->Board);
        TLegendForm* legend = o->Legend();
        QVERIFY(legend);
        QVERIFY(legend->isVisible());
        QCOMPARE(legend->windowTitle(), QString("Legende"));
        QVERIFY(legend->Lists().TwoLists);
        QVERIFY(legend->findChild<QWidget*>("PanelTop")->isVisibleTo(legend));
        QCOMPARE(legend->findChild<QLabel*>("PanelLblWaager")->text(), QString("Waagerecht :"));
        QCOMPARE(legend->findChild<QLabel*>("PanelLblSenkr")->text(), QString("Senkrecht :"));
        QCOMPARE(legend->Toolbar()->height(), 30);
        // At the frame's right edge, level with the board's top, not over the board.
        QWidget* sub = legend->parentWidget();
        const int client = o->Frame->MdiArea()->viewport()->width();
        QCOMPARE(sub->y(), 0);
        QCOMPARE(sub->x() + sub->width(), client - 6);
        QCOMPARE(sub->width(), client - o->Board->BoardWindow()->width() - 12);
        QVERIFY(o->Board->BoardWindow()->geometry().right() < sub->x());
        QVERIFY(legend->SyncEnabled());
        // Columns of the crossword: number and clue; headers as the list names them.
        QHeaderView* h = o->Across()->header();
        QVERIFY(h->isSectionHidden(0) && !h->isSectionHidden(2) && !h->isSectionHidden(5));
        QVERIFY(h->sectionSize(2) >= 50);
        QCOMPARE(o->Across()->model()->headerData(3, Qt::Horizontal).toString(), QString("Länge"));
        QCOMPARE(o->Down()->header()->isSectionHidden(2), false);
        // The close command of the window is greyed.
        auto* mdi = qobject_cast<QMdiSubWindow*>(sub);
        QVERIFY(mdi);
        QVERIFY(!(mdi->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(mdi->windowFlags() & Qt::WindowSystemMenuHint));
        const QList<QKeySequence> close = QKeySequence::keyBindings(QKeySequence::Close);
        int closeItems = 0;
        for (QAction* a : mdi->systemMenu()->actions()) {
            bool isClose = false;
            for (const QKeySequence& k : a->shortcuts()) isClose = isClose || close.contains(k);
            if (!isClose) continue;
            ++closeItems;
            QVERIFY(!a->isEnabled() || !a->isVisible());
        }
        QCOMPARE(closeItems, 1);

        const FrameRoom room{1000, 600, 550, 400, -1, {}};
        QCOMPARE(TLegendForm::Placement(room), QRect(406, 0, 588, 594));
        QCOMPARE(TLegendForm::Placement({1000, 600, 550, 400, 100, {}}).height(), 446);
        QCOMPARE(TLegendForm::Placement({1000, 600, 550, -1, -1, {}}).width(), 200);
        // A board wider than the frame still leaves a usable list.
        QCOMPARE(TLegendForm::Placement({1000, 600, 550, 1400, -1, {}}), QRect(794, 0, 200, 594));

        // The list closes with the board.
        TRMMainForm::CloseChild(o->Board);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(o->Frame->ClueList() == nullptr);
    }

    void entryFocusAndBoardMoveTogether() {
        const auto o = Open(*SmallCrossword(), "sync.zvr");
        QVERIFY(o->Legend());
        const PuzzleImage& im = o->Im();
        // Focusing the down entry 5 moves the board to that word, downwards.
        const int row5 = o->RowOf(o->Down(), FindWord(im, 5, false));
        Click(o->Down(), At(o->Down(), row5, 5));
        QCOMPARE(QPoint(o->Grid()->Col(), o->Grid()->Row()), QPoint(5, 2));
        QVERIFY(!o->Board->InputAcross());
        QCOMPARE(o->Down()->FocusedRow(), row5);
        // Moving on the board focuses the entry of the word there, without echo.
        QTest::keyClick(o->Grid(), Qt::Key_Left);
        QCOMPARE(QPoint(o->Grid()->Col(), o->Grid()->Row()), QPoint(4, 2));
        const int row3 = o->RowOf(o->Down(), FindWord(im, 3, false));
        QCOMPARE(o->Down()->FocusedRow(), row3);
        QVERIFY(o->Down()->selectionModel()->isRowSelected(row3, {}));
        QVERIFY(o->Legend()->SyncEnabled());
        // An across entry: the board turns across; the down list loses its selection.
        const int row6 = o->RowOf(o->Across(), FindWord(im, 6, true));
        Click(o->Across(), At(o->Across(), row6, 5));
        QCOMPARE(QPoint(o->Grid()->Col(), o->Grid()->Row()), QPoint(1, 3));
        QVERIFY(o->Board->InputAcross());
        QVERIFY(!o->Down()->selectionModel()->hasSelection());
        // The board's own focusing: the first of equal numbers, in list order.
        o->Board->SelectWordByNumber(4, true);
        QCOMPARE(o->Across()->FocusedRow(), o->RowOf(o->Across(), FindWord(im, 4, true)));
    }

    void clickingTheCheckColumnTicksTheEntry() {
        const auto o = Open(*SmallCrossword(), "tick.zvr");
        QVERIFY(o->Legend());
        LegendView* across = o->Across();
        const int col = o->Legend()->CheckColumn();
        QCOMPARE(col, 2);
        const QPoint box = At(across, 0, col, 8);
        QVERIFY(
            !across->model()->data(across->model()->index(0, col), Qt::DecorationRole).isNull());
        QCOMPARE(across->TipAt(box), QString("Den Begriff als gelöst oder ungelöst markieren"));
        Click(across, box);
        QVERIFY(o->Legend()->Lists().Across[0].Checked);
        // The player's mark is the list's only.
        QCOMPARE(o->Im().Words[o->Legend()->Lists().Across[0].Entry.WordIndex].WordSolvedMark,
                 std::uint8_t(0));
        Click(across, box, {}, Qt::RightButton);
        QVERIFY(!o->Legend()->Lists().Across[0].Checked);
        QContextMenuEvent menuAt(QContextMenuEvent::Mouse, box,
                                 across->viewport()->mapToGlobal(box));
        QApplication::sendEvent(across->viewport(), &menuAt);
        QVERIFY(o->Legend()->Commands().MenuLegende()->isVisible());
        o->Legend()->Commands().MenuLegende()->close();

        // Marking off: no images, nothing to click.
        QTest::mouseClick(o->LegendButton("SBBegrNichtMarkieren"), Qt::LeftButton);
        QVERIFY(!o->Session->settings.AutomatischMarkieren);
        QVERIFY(across->model()->data(across->model()->index(0, col), Qt::DecorationRole).isNull());
        Click(across, box);
        QVERIFY(!o->Legend()->Lists().Across[0].Checked);
        QVERIFY(o->LegendButton("SBBegrNichtMarkieren")->isChecked());
        QVERIFY(!o->LegendButton("SBBegrMarkieren")->isChecked());
    }

    void solvedWordsAreTickedHiddenAndRebuilt() {
        const auto o = Open(*SmallCrossword(), "solved.zvr");
        QVERIFY(o->Legend());
        const int sonne = FindWord(o->Im(), 6, true);
        const int row = o->RowOf(o->Across(), sonne);
        Click(o->Across(), At(o->Across(), row, 5));
        o->Type("sonne");
        QVERIFY(o->Legend()->Lists().Across[row].Checked);
        QCOMPARE(o->Im().Words[sonne].WordSolvedMark, std::uint8_t(1));

        // Hiding solved words: the entry goes; the mark buttons are greyed.
        QTest::mouseClick(o->LegendButton("SBBegrAusblenden"), Qt::LeftButton);
        QVERIFY(o->Session->settings.BegriffeAusblenden);
        QVERIFY(o->Across()->isRowHidden(row, {}));
        QVERIFY(!o->LegendButton("SBBegrMarkieren")->isEnabled());
        QVERIFY(o->LegendButton("SBBegrAusblenden")->isChecked());
        // A broken word comes back.
        QTest::keyClick(o->Grid(), Qt::Key_Delete);
        QCOMPARE(o->Im().Words[sonne].WordSolvedMark, std::uint8_t(0));
        QVERIFY(!o->Across()->isRowHidden(row, {}));
        // Undo puts the solved word back, and the lists follow the record.
        o->Frame->Undo();
        QCOMPARE(o->Im().Words[sonne].WordSolvedMark, std::uint8_t(1));
        QVERIFY(o->Across()->isRowHidden(row, {}));
        // Shown again through the menu toggle.
        o->Legend()->Commands().PrepareMenu();
        QVERIFY(o->LegendItem("MItemLegendeAusblenden")->isChecked());
        o->LegendItem("MItemLegendeAusblenden")->trigger();
        QVERIFY(!o->Session->settings.BegriffeAusblenden);
        QVERIFY(!o->Across()->isRowHidden(row, {}));
        QVERIFY(o->LegendButton("SBBegrNichtAusblenden")->isChecked());
        // The reset clears every mark; the list shows it.
        o->Board->Game().Reset();
        QVERIFY(!o->Legend()->Lists().Across[row].Checked);
    }

    void oneOrTwoListsAndTheToolbarPerKind() {
        const auto o = Open(*FenceGrid(), "lists.zvr");
        TLegendForm* legend = o->Legend();
        QVERIFY(legend);
        QVERIFY(!legend->Lists().TwoLists);
        QVERIFY(!legend->findChild<QWidget*>("PanelTop")->isVisibleTo(legend));
        QVERIFY(!legend->findChild<QWidget*>("PanelLblSenkr")->isVisibleTo(legend));
        QCOMPARE(o->Down()->Items()->rowCount(), int(o->Im().WordCount));
        QVERIFY(o->LegendButton("SBEineLegende")->isChecked());
        QVERIFY(o->LegendButton("SBInputWord")->isHidden());
        QTest::mouseClick(o->LegendButton("SBZweiLegenden"), Qt::LeftButton);
        QVERIFY(legend->Lists().TwoLists);
        QVERIFY(!o->Session->settings.EinfacheLegende);
        QVERIFY(legend->findChild<QWidget*>("PanelTop")->isVisibleTo(legend));
        QCOMPARE(o->Across()->Items()->rowCount() + o->Down()->Items()->rowCount(),
                 int(o->Im().WordCount));
        legend->Commands().PrepareMenu();
        QAction* one = o->LegendItem("MItemLegendeEineLegende");
        QVERIFY(one->isVisible() && !one->isChecked());
        QVERIFY(o->LegendItem("MItemLegendeNachschlagen")->isVisible());
        QVERIFY(!o->LegendItem("MItemLegendeEingeben")->isVisible());
        one->trigger();
        QVERIFY(!legend->Lists().TwoLists);
        QVERIFY(o->LegendButton("SBEineLegende")->isChecked());

        // Kind 10: no button, no menu entry.
        auto american = SmallCrossword(10);
        const auto a = Open(*american, "american.zvr");
        QVERIFY(a->Legend());
        for (const char* b : {"SBBegrNichtAusblenden", "SBBegrAusblenden", "SBBegrNichtMarkieren",
                              "SBBegrMarkieren", "SBEineLegende", "SBZweiLegenden", "SBInputWord"})
            QVERIFY2(a->LegendButton(b)->isHidden(), b);
        a->Legend()->Commands().PrepareMenu();
        for (QAction* item : a->Legend()->Commands().MenuLegende()->actions())
            QVERIFY(!item->isVisible());
        QCOMPARE(a->Legend()->CheckColumn(), -1);
        QCOMPARE(a->Across()->Items()->rowCount(), int(a->Im().RowCount));
        // Kind 0: the word button stands where the third group would.
        const auto c = Open(*SmallCrossword(), "cross.zvr");
        QVERIFY(!c->LegendButton("SBInputWord")->isHidden());
        QCOMPARE(c->LegendButton("SBInputWord")->x(), 108);
        QVERIFY(c->LegendButton("SBEineLegende")->isHidden());
        c->Frame->Edit().MItemAnsLoesungClick();
        QVERIFY(c->LegendButton("SBInputWord")->isHidden());
    }

    void wordsDroppedFromTheListOntoAFenceGrid() {
        const auto o = Open(*FenceGrid(), "dropped.zvr");
        TLegendForm* legend = o->Legend();
        QVERIFY(legend);
        const PuzzleImage& im = o->Im();
        LegendView* list = o->Down();
        BoardCommands& board = o->Board->Commands();
        const int hase = FindWord(im, 1, false);
        // A press with Shift in the one list: the word goes down.
        Click(list, At(list, o->RowOf(list, hase), 4), Qt::ShiftModifier);
        QVERIFY(o->Session->flags.ShiftHeld);
        QCOMPARE(legend->DragCursorNumber(), DragCursor::TopToBottom);
        QCOMPARE(legend->DragSourceList(list), 0);
        QVERIFY(board.RaetselDragOver(list, 1, 1));
        QVERIFY(!board.RaetselDragOver(list, 2, 1));
        QVERIFY(!board.RaetselDragOver(o->Grid(), 1, 1));
        board.RaetselDragDrop(list, 1, 1);
        QCOMPARE(o->Entry(1, 1) + o->Entry(1, 2) + o->Entry(1, 3) + o->Entry(1, 4), "HASE");
        QVERIFY(legend->Lists().Down[static_cast<std::size_t>(o->RowOf(list, hase))].Checked);

        // Without Shift across; with Ctrl backwards where the puzzle allows it.
        const int tor = FindWord(im, 7, true);
        Click(list, At(list, o->RowOf(list, tor), 4), Qt::ControlModifier);
        QVERIFY(!o->Session->flags.ShiftHeld);
        QVERIFY(o->Session->flags.CtrlHeldReverse);
        QCOMPARE(legend->DragCursorNumber(), DragCursor::RightToLeft);
        board.RaetselDragDrop(list, 3, 4);
        QCOMPARE(o->Entry(3, 4) + o->Entry(4, 4) + o->Entry(5, 4), "ROT");
        QVERIFY(!legend->Lists().Down[static_cast<std::size_t>(o->RowOf(list, tor))].Checked);
        Click(list, At(list, o->RowOf(list, tor), 4));
        QCOMPARE(legend->DragCursorNumber(), DragCursor::LeftToRight);
        board.RaetselDragDrop(list, 3, 4);
        QCOMPARE(o->Entry(3, 4) + o->Entry(4, 4) + o->Entry(5, 4), "TOR");

        // In two lists the list says the direction.
        QTest::mouseClick(o->LegendButton("SBZweiLegenden"), Qt::LeftButton);
        const int bad = FindWord(im, 4, true);
        LegendView* across = o->Across();
        Click(across, At(across, o->RowOf(across, bad), 4), Qt::ShiftModifier);
        QVERIFY(!o->Session->flags.ShiftHeld);
        QCOMPARE(legend->DragSourceList(across), 1);
        board.RaetselDragDrop(across, 3, 2);
        QCOMPARE(o->Entry(3, 2) + o->Entry(4, 2) + o->Entry(5, 2), "BAD");
        QCOMPARE(across->TipAt(At(across, 0, 4)),
                 QString("Dieser Begriff muss ins Rätsel eingefügt werden"));
    }

    void wordEnteredForAClue() {
        Answers answers;
        const auto o = Open(*SmallCrossword(), "enter.zvr");
        QVERIFY(o->Legend());
        const int sonne = FindWord(o->Im(), 6, true);
        const int row = o->RowOf(o->Across(), sonne);
        Click(o->Across(), At(o->Across(), row, 5));
        // Cancelled: nothing changes, no undo point.
        o->Legend()->Commands().MItemLegendeEingebenClick();
        QCOMPARE(answers.wordDialogs, 1);
        QVERIFY(!o->Frame->Game().CanUndo());
        answers.word = "sonne";
        QTest::mouseClick(o->LegendButton("SBInputWord"), Qt::LeftButton);
        QCOMPARE(answers.wordDialogs, 2);
        QCOMPARE(o->Entry(1, 3) + o->Entry(5, 3), "SE");
        QVERIFY(o->Frame->Game().CanUndo());
        QVERIFY(o->Legend()->Lists().Across[static_cast<std::size_t>(row)].Checked);
        // The list's mark only: a rebuild drops it.
        QCOMPARE(o->Im().Words[sonne].WordSolvedMark, std::uint8_t(0));
        o->Legend()->BuildLists();
        QVERIFY(!o->Legend()->Lists().Across[static_cast<std::size_t>(row)].Checked);
    }

    void lookUpOpensTheArticle() {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        auto p = GridPuzzle(12, {"KATZE", "XHUND"});
        p->Image.cell(1, 1).CellNumber = 1;
        p->Image.WordCount = 1;
        p->Image.Words[0].WordNumber = 1;
        p->Image.Words[0].WordDirection = Direction::Across;
        p->Image.Words[0].WordText.set("KATZE");
        const auto o = Open(*p, "search.zvr");
        QVERIFY(o->Legend());
        Click(o->Down(), At(o->Down(), 0, 4));
        o->Legend()->Commands().PrepareMenu();
        QVERIFY(o->LegendItem("MItemLegendeNachschlagen")->isEnabled());
        o->LegendItem("MItemLegendeNachschlagen")->trigger();
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl("https://de.wikipedia.org/wiki/Katze")});
    }
};

QTEST_MAIN(TestLegendeDialog)
#include "test_LegendeDialog.moc"
