// The main frame: start-up order, loading on the posted message, failed loads,
// sizes, enabling rules, hints and the modifier-key hook.
#include "BoardFixture.h"
#include "ClueListLink.h"
#include "CompanionFrame.h"
#include "CompanionLinks.h"
#include "Container.h"
#include "ContainerWriter.h"
#include "DragCursors.h"
#include "Hauptformular.h"
#include "HinweisDialog.h"
#include "InfoDialog.h"
#include "ModalRunner.h"
#include "PuzzleChooser.h"
#include "RaetselFormular.h"
#include "RaetselInfoDialog.h"
#include "Startup.h"
#include "TestSupport.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {
// Answers every modal dialog at once and remembers what it showed.
struct DialogLog {
    QStringList texts;
    QStringList classes;
    ModalRunner previous;
    std::function<void(QDialog&)> inspect;

    DialogLog() {
        previous = SetModalRunner([this](QDialog& d) {
            classes << d.metaObject()->className();
            if (auto* box = qobject_cast<QMessageBox*>(&d)) texts << box->text();
            if (inspect) inspect(d);
            return 0;
        });
    }
    ~DialogLog() { SetModalRunner(previous); }
};

std::string MissingFile() {
    return TempDir() + "/nicht da.rtl";
}

bool Enabled(TRMMainForm& f, const char* name) {
    return MenuItem(f, name)->isEnabled();
}
QToolButton* Button(TRMMainForm& f, const char* name) {
    return f.findChild<QToolButton*>(name);
}
void OpenMenu(TRMMainForm& f, const char* name) {
    emit MenuItem(f, name)->menu()->aboutToShow();
}
} // namespace

class FrameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName("Zoruvidedid"); }

    void sizeRule() {
        QCOMPARE(TRMMainForm::FrameSizeFor({1280, 1024}), QSize(1000, 750));
        QCOMPARE(TRMMainForm::FrameSizeFor({1024, 768}), QSize(1000, 750));
        QCOMPARE(TRMMainForm::FrameSizeFor({800, 600}), QSize(800, 600));
        QCOMPARE(TRMMainForm::FrameSizeFor({640, 480}), QSize(640, 480));
        QCOMPARE(TRMMainForm::FrameSizeFor({799, 1200}), QSize(640, 750));
        QCOMPARE(TRMMainForm::FrameSizeFor({1920, 700}), QSize(1000, 600));
        // Never beyond the available area: on 1024 x 768 the outer window
        // fills the height, so that 728 pixels are left inside a title bar
        // not known yet; a panel's strip is kept free.
        const QRect whole(0, 0, 1024, 768);
        QCOMPARE(TRMMainForm::FrameGeometryFor(whole.size(), whole, {}), QRect(8, 0, 1008, 768));
        QCOMPARE(TRMMainForm::FrameGeometryFor(whole.size(), QRect(0, 24, 1024, 744),
                                               QMargins(2, 28, 2, 2)),
                 QRect(10, 24, 1004, 744));
        QCOMPARE(TRMMainForm::FrameGeometryFor({1280, 1024}, QRect(0, 0, 1280, 1024), {}),
                 QRect(136, 117, 1008, 790));
    }

    void startupLoadsOnlyOnTheMessage() {
        DialogLog log;
        PuzzleSession session;
        ResetPuzzleImage(session.puzzle);
        const std::string missing = MissingFile();
        // The path arrives split at its blank, with a stray quote.
        const PlayerWindows w =
            CreatePlayerWindows(session, {"\"" + TempDir() + "/nicht", "da.rtl\""});
        std::unique_ptr<TRMMainForm> frame(w.Frame);
        // The hints window comes with the first hint, the properties dialog when asked for.
        QVERIFY(!THintForm::Current());
        QVERIFY(!TRaetselInfoDlg::Current());
        QCOMPARE(frame->windowTitle(), QString("Velmar Gridwerk - Zoruvidedid"));

        frame->show();
        // Shown, message posted, nothing loaded yet.
        QVERIFY(log.texts.isEmpty());
        QCOMPARE(frame->windowTitle(), QString("Velmar Gridwerk - Zoruvidedid"));
        QCoreApplication::sendPostedEvents(frame.get(), TRMMainForm::StartupMessage);
        QCOMPARE(log.texts.size(), 1);
        QCOMPARE(log.texts[0], QString::fromStdString("Aus der Datei \"" + missing +
                                                      "\" konnte nicht gelesen werden!"));
        QCOMPARE(frame->windowTitle(), QString("Velmar Zoruvidedid"));
        // A second show does not load again.
        frame->hide();
        frame->show();
        QCoreApplication::processEvents();
        QCOMPARE(log.texts.size(), 1);
    }

    // While one dialog runs, no command of the windows behind it opens another
    // (a shortcut can reach a blocked window): each dialog command, entered
    // from inside each dialog, is refused.
    void noDialogOpensInsideAnother() {
        auto o = OpenBoard(*SmallCrossword(), "verschachtelt.zvr");
        QVERIFY(o->Board);
        o->Select(1, 1);
        const char* const items[] = {"MItemRaeDrucken", "MItemRaeInfos", "MItemPrgInfo",
                                     "MItemBeaZuruecksetzen", "MItemBeaBegriff"};
        for (const char* outer : items) {
            QStringList opened;
            const ModalRunner previous = SetModalRunner([&](QDialog& d) {
                opened << d.metaObject()->className();
                if (opened.size() == 1)
                    for (const char* inner : items) MenuItem(*o->Frame, inner)->trigger();
                return int(QDialog::Rejected);
            });
            MenuItem(*o->Frame, outer)->trigger();
            SetModalRunner(previous);
            QVERIFY2(opened.size() == 1, qPrintable(outer + (": " + opened.join(", "))));
        }
        QVERIFY(o->Frame->Board());
    }

    void failedLoadLeavesAnEmptyFrame() {
        DialogLog log;
        PuzzleSession session;
        TRMMainForm frame(session, {MissingFile()});
        QCOMPARE(frame.LoadPuzzle(), std::uint8_t(3));
        QCOMPARE(log.classes, QStringList{"QMessageBox"});
        QVERIFY(!frame.BoardOpen());
        QVERIFY(!MenuItem(frame, "MItemBearbeiten")->isVisible());
        QVERIFY(!MenuItem(frame, "MItemAnsicht")->isVisible());
        OpenMenu(frame, "MItemRaetsel");
        QVERIFY(!Enabled(frame, "MItemRaeDrucken"));
        QVERIFY(!Enabled(frame, "MItemRaeInfos"));
        QVERIFY(Enabled(frame, "MItemPrgInfo"));
        QVERIFY(Enabled(frame, "MItemPrgBeenden"));
        for (const char* b :
             {"TBRaeDrucken", "TBRaeInfos", "TBBeaRueckgaengig", "TBBeaZuruecksetzen"})
            QVERIFY2(!Button(frame, b)->isEnabled(), b);
        QVERIFY(Button(frame, "TBPrgBeenden")->isEnabled());
        QVERIFY(Button(frame, "TBHlfInfo")->isEnabled());
        // Nothing to show properties of: the command does nothing.
        frame.MItemRaeInfosClick();
        QCOMPARE(log.classes.size(), 1);

        // Info and Beenden work without a puzzle.
        QString version = "unset";
        log.inspect = [&](QDialog& d) {
            if (auto* info = qobject_cast<TInfoDlg*>(&d)) {
                info->FormShow();
                version = info->LblVersion()->text();
            }
        };
        Button(frame, "TBHlfInfo")->click();
        QCOMPARE(log.classes.last(), QString("TInfoDlg"));
        QCOMPARE(version, QString()); // no puzzle, no generator version
        frame.show();
        QVERIFY(frame.isVisible());
        MenuItem(frame, "MItemPrgBeenden")->trigger();
        QVERIFY(!frame.isVisible());
    }

    void startupMessageClosesAnOpenInformationBox() {
        DialogLog log;
        PuzzleSession session;
        TRMMainForm frame(session, {MissingFile()});
        bool stillVisible = true;
        log.inspect = [&](QDialog& d) {
            if (!qobject_cast<TInfoDlg*>(&d)) return;
            d.show();
            QEvent startup(TRMMainForm::StartupMessage);
            QCoreApplication::sendEvent(&frame, &startup);
            stillVisible = d.isVisible();
        };
        frame.MItemPrgInfoClick();
        QVERIFY(!stillVisible);
        // The load went on after the box was closed.
        QCOMPARE(log.classes, (QStringList{"TInfoDlg", "QMessageBox"}));
    }

    void wrongHeaderNamesTheFile() {
        DialogLog log;
        std::string bytes = PuzzleFileBytes(GridPuzzle(0, {"AB"})->Image, "7.46");
        bytes[0] = 'X';
        const std::string path = WriteTemp("kaputt.rtl", bytes);
        PuzzleSession session;
        TRMMainForm frame(session, {path});
        frame.SetExecutablePath("/nirgends/zoruvidedid");
        QCOMPARE(frame.LoadPuzzle(), std::uint8_t(0));
        QCOMPARE(log.texts, QStringList{QString::fromStdString(
                                "In der Datei \"" + path +
                                "\" ist kein bekanntes R\xC3\xA4tselformat gespeichert!")});
        QVERIFY(!frame.BoardOpen());
    }

    void withoutParametersTheExecutableIsRead() {
        DialogLog log;
        const std::string exe = WriteTemp("player-ohne-modul", std::string(4000, 'x'));
        PuzzleSession session;
        TRMMainForm frame(session, {});
        frame.SetExecutablePath(exe);
        const std::uint8_t result = frame.LoadPuzzle();
        QVERIFY(result != 4 && result != 5);
        QCOMPARE(log.texts.size(), 1);
        QVERIFY(log.texts[0].contains(QString::fromStdString("\"" + exe + "\"")));
    }

    // Installed without a puzzle and started without a file, the player
    // offers the read-only chooser instead of a read error; cancelled, the
    // frame waits with "Öffnen…" ready.
    void withoutAnyPuzzleTheChooserOpens() {
        DialogLog log;
        QString title;
        bool readOnly = false;
        log.inspect = [&](QDialog& d) {
            title = d.windowTitle();
            if (auto* files = qobject_cast<QFileDialog*>(&d))
                readOnly = files->testOption(QFileDialog::ReadOnly);
        };
        PuzzleSession session;
        TRMMainForm frame(session, {});
        frame.SetExecutablePath(WriteTemp("player-ohne-modul", std::string(4000, 'x')));
        frame.show();
        QCoreApplication::sendPostedEvents(&frame, TRMMainForm::StartupMessage);
        QTRY_COMPARE(log.classes, QStringList{"QFileDialog"});
        QCOMPARE(title, QString("Rätsel öffnen"));
        QVERIFY(readOnly);
        QVERIFY(!frame.BoardOpen());
        QVERIFY(Enabled(frame, "MItemRaeOeffnen") && Button(frame, "TBRaeOeffnen")->isEnabled());
    }

    // A chosen puzzle replaces the open one; one that fails to load leaves the
    // open one playing. Both land in the recent list, at most five, latest first.
    void openReplacesThePuzzleOrKeepsIt() {
        DialogLog log;
        const std::string first =
            WriteTemp("erstes.zvr", PuzzleFileBytes(SmallCrossword()->Image, "7.46"));
        auto other = SmallCrossword(3);
        const std::string second = WriteTemp("zweites.zvr", PuzzleFileBytes(other->Image, "7.46"));
        PuzzleSession session;
        TRMMainForm frame(session, {first});
        QCOMPARE(int(frame.LoadPuzzle()), int(LoadResult::Loaded));
        QCOMPARE(frame.OpenPuzzleFile(QString::fromStdString(MissingFile())), false);
        QCOMPARE(log.classes, QStringList{"QMessageBox"});
        QVERIFY(frame.BoardOpen());
        QCOMPARE(int(session.image().PuzzleKind), 0);
        QVERIFY(frame.OpenPuzzleFile(QString::fromStdString(second)));
        QCOMPARE(frame.MdiArea()->subWindowList().size(),
                 frame.MdiArea()->findChildren<QMdiSubWindow*>().size());
        QCOMPARE(int(session.image().PuzzleKind), 3);
        QCOMPARE(frame.FindChild<TRaetselForm>(), frame.Board());
        QCOMPARE(RecentPuzzles::List().mid(0, 2),
                 (QStringList{QString::fromStdString(second), QString::fromStdString(first)}));
        for (int i = 0; i < 6; ++i) RecentPuzzles::Add(QString("/tmp/r%1.zvr").arg(i));
        QCOMPARE(RecentPuzzles::List().size(), RecentPuzzles::Length);
        QCOMPARE(RecentPuzzles::List().first(), QString("/tmp/r5.zvr"));
        // A recent file that has gone leaves the list when chosen.
        frame.OpenPuzzleFile("/tmp/r5.zvr");
        QVERIFY(!RecentPuzzles::List().contains("/tmp/r5.zvr"));
        QCOMPARE(int(session.image().PuzzleKind), 3);
    }

    void moduleWithoutSettingsPlaysWithTheDefaults() {
        // A packed player without a settings block, and one whose block is cut
        // off, against the defaults for the same puzzle: every key and every
        // derived colour must agree (else the solution cells paint black).
        DialogLog log;
        auto puzzle = GridPuzzle(1, {"HAUS#", "A#BAD"});
        NumberWords(*puzzle);
        puzzle->Image.CreatorVersion.set("7.46");
        std::string damaged =
            ModuleBytes(puzzle->Image, WithCrLf("[Raetsel_Anzeige]\nFehlerZeigen=0\n"));
        // The block claims more bytes than the file holds.
        const std::size_t lengthAt = HeaderSize + 4 + sizeof(PuzzleImage);
        damaged[lengthAt + 3] = '\x7f';
        const std::string padding(ModuleOffset, 'x');
        for (const std::uint8_t aids : {std::uint8_t(AidFlag::MarkWrong | AidFlag::ShowSolution),
                                        std::uint8_t(AidFlag::ShowSolution)}) {
            puzzle->Image.AllowedAids = aids;
            const std::string plain = ModuleBytes(puzzle->Image, "");
            damaged.replace(HeaderSize + 4, sizeof(PuzzleImage), ImageBytes(puzzle->Image));
            for (const std::string& module : {plain, damaged}) {
                const std::string exe = WriteTemp("gepackt", padding + module);
                PuzzleSession session; // settings as the struct initialises them
                TRMMainForm frame(session, {});
                frame.SetExecutablePath(exe);
                QCOMPARE(int(frame.LoadPuzzle()), int(LoadResult::Loaded));
                QVERIFY(log.texts.isEmpty());
                Settings expected;
                expected.System = session.settings.System;
                SetDefaultSettings(expected, session.image());
                const Settings& got = session.settings;
                for (const SettingKey& key : SettingKeys)
                    QVERIFY2(SettingNumber(got, key.Key) == SettingNumber(expected, key.Key),
                             key.Key);
                QCOMPARE(got.Schriftart, expected.Schriftart);
                QCOMPARE(got.LetterFieldMarkColour, expected.LetterFieldMarkColour);
                QCOMPARE(got.LetterFieldHighlightColour, expected.LetterFieldHighlightColour);
                QCOMPARE(got.SolutionFieldMarkColour, expected.SolutionFieldMarkColour);
                QCOMPARE(got.SolutionFieldHighlightColour, expected.SolutionFieldHighlightColour);
                QCOMPARE(got.EmptyFieldHighlightColour, expected.EmptyFieldHighlightColour);
                QVERIFY(got.SolutionFieldHighlightColour != 0);
                QCOMPARE(got.Print.GridCellSize, expected.Print.GridCellSize);
            }
        }
    }

    void openBoardEnablesItsCommands() {
        DialogLog log;
        auto sudoku = Sudoku9();
        sudoku->Image.PuzzleTitle.set("Sudoku Nr. 68");
        sudoku->Image.AllowedAids = AidFlag::ShowSolution; // no error display
        const std::string path = WriteTemp("sudoku68.rtl", PuzzleFileBytes(sudoku->Image, "7.46"));
        PuzzleSession session;
        TRMMainForm frame(session, {path});
        frame.show();
        QCoreApplication::sendPostedEvents(&frame, TRMMainForm::StartupMessage);
        QVERIFY(log.classes.isEmpty());
        QVERIFY(frame.BoardOpen());
        QVERIFY(frame.Board() == frame.FindChild<TRaetselForm>());
        QVERIFY(frame.ClueList() == nullptr);
        QVERIFY(frame.FindChild<ClueListLink>() == nullptr);
        QCOMPARE(frame.windowTitle(), QString("Velmar Zoruvidedid"));
        // The puzzle forbids the error display: the setting follows.
        QVERIFY(!session.settings.FehlerZeigen);
        QVERIFY(!frame.AidAllowed(AidFlag::MarkWrong));
        QVERIFY(frame.AidAllowed(AidFlag::ShowSolution | AidFlag::MarkWrong));
        QVERIFY(MenuItem(frame, "MItemBearbeiten")->isVisible());
        QVERIFY(MenuItem(frame, "MItemAnsicht")->isVisible());
        QVERIFY(Button(frame, "TBRaeInfos")->isEnabled());
        OpenMenu(frame, "MItemRaetsel");
        QVERIFY(Enabled(frame, "MItemRaeInfos"));
        // Print follows its tool button.
        QCOMPARE(Enabled(frame, "MItemRaeDrucken"), Button(frame, "TBRaeDrucken")->isEnabled());

        OpenMenu(frame, "MItemBearbeiten");
        QVERIFY(MenuItem(frame, "MItemBeaRueckgaengig")->isVisible());
        QCOMPARE(MenuItem(frame, "MItemBeaEintragen")->text(), QString("Symbol &eintragen"));
        QVERIFY(MenuItem(frame, "MItemBeaSchnappschuss")->isVisible());
        QCOMPARE(MenuItem(frame, "MItemBeaFelderMarkieren")->isVisible(),
                 !frame.Board()->findChild<QWidget*>("SBShowHintGrids")->isHidden());
        OpenMenu(frame, "MItemBeaFelderMarkieren");
        for (int tag = 1; tag <= 9; ++tag) {
            const QByteArray name = "MItemBeaMark" + QByteArray::number(tag);
            QVERIFY2(MenuItem(frame, name.constData())->isVisible(), name.constData());
        }
        for (const char* name : {"MItemBeaMark10", "MItemBeaMark11", "MItemBeaMark12"})
            QVERIFY2(!MenuItem(frame, name)->isVisible(), name);
        QVERIFY(MenuItem(frame, "MItemBeaMarkDuo")->isVisible());
        QVERIFY(MenuItem(frame, "MItemBeaMarkKeine")->isChecked()); // MarkTag 0

        OpenMenu(frame, "MItemAnsicht");
        QVERIFY(MenuItem(frame, "MItemAnsVergroessern")->isVisible());
        QVERIFY(!MenuItem(frame, "MItemAnsFehleintraege")->isVisible()); // aid not allowed
        QCOMPARE(MenuItem(frame, "MItemAnsBegriffLaengen")->text(),
                 QString("&Mögliche Symbole anzeigen"));

        // The properties command shows the open puzzle.
        QString title;
        log.inspect = [&](QDialog& d) {
            if (auto* dlg = qobject_cast<TRaetselInfoDlg*>(&d)) {
                dlg->FormShow();
                title = dlg->findChild<QLabel*>("LblTitle")->text();
            }
        };
        Button(frame, "TBRaeInfos")->click();
        QCOMPARE(title, QString("Sudoku Nr. 68"));

        // Closing the board takes its commands away again.
        frame.MdiArea()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QVERIFY(!frame.BoardOpen());
        QVERIFY(!MenuItem(frame, "MItemBearbeiten")->isVisible());
        QVERIFY(!Button(frame, "TBRaeInfos")->isEnabled());
    }

    void wordPuzzleMenus() {
        DialogLog log;
        auto p = GridPuzzle(0, {"AB#", "CDE", "#FG"});
        NumberWords(*p);
        p->Image.AllowedAids = AidFlag::MarkWrong;
        const std::string path = WriteTemp("schweden.rtl", PuzzleFileBytes(p->Image, "7.46"));
        PuzzleSession session;
        TRMMainForm frame(session, {path});
        QCOMPARE(frame.LoadPuzzle(), std::uint8_t(4));
        QVERIFY(session.settings.FehlerZeigen);
        OpenMenu(frame, "MItemBearbeiten");
        QVERIFY(!MenuItem(frame, "MItemBeaSchnappschuss")->isVisible());
        QCOMPARE(MenuItem(frame, "MItemBeaEintragen")->text(), QString("Buchstaben &eintragen"));
        OpenMenu(frame, "MItemAnsicht");
        QVERIFY(MenuItem(frame, "MItemAnsFehleintraege")->isVisible());
        QVERIFY(MenuItem(frame, "MItemAnsFehleintraege")->isChecked());
        QVERIFY(!MenuItem(frame, "MItemAnsLoesung")->isEnabled()); // aid 4 not allowed
        QCOMPARE(MenuItem(frame, "MItemAnsBegriffLaengen")->text(),
                 QString("&Begrifflängen anzeigen"));
        QVERIFY(MenuItem(frame, "MItemAnsN3")->isVisible());
        QVERIFY(!MenuItem(frame, "MItemAnsZahlenlegende")->isVisible());
    }

    void numberLegendComesBackAndZoomKeepsTheSolutionWordClear() {
        auto p = GridPuzzle(3, {"EIS#", "R#EI", "BEET"});
        NumberWords(*p);
        p->Image.SolutionWord.set("REISBEET");
        p->Image.EnteredSolutionWord.set("        ");
        p->Image.SolutionClue.set("Gemüse");
        const auto o = OpenBoard(*p, "zahlen.zvr");
        QVERIFY(o->Board);
        TRMMainForm& f = *o->Frame;
        QAction* entry = MenuItem(f, "MItemAnsZahlenlegende");
        const auto shown = [&] {
            OpenMenu(f, "MItemAnsicht");
            return entry->isVisible() && entry->isChecked();
        };
        QVERIFY(shown());
        entry->trigger();
        QVERIFY(!shown());
        QTRY_VERIFY(!f.NumberLegend());
        entry->trigger();
        QVERIFY(f.NumberLegend());
        QVERIFY(shown());
        // At the largest cells the solution word stays inside the frame, clear
        // of the grown legend, and the board does not cover it.
        for (int i = 0; i < 45; ++i) f.Commands().Get(CommandId::ZoomIn).Trigger();
        const QRect word = OuterWindow(f.SolutionWord()->Widget())->geometry();
        const QRect legend = OuterWindow(f.NumberLegend()->Widget())->geometry();
        QVERIFY(f.MdiArea()->viewport()->rect().contains(word));
        QVERIFY(!word.intersects(legend));
        QVERIFY(!word.intersects(o->Board->BoardWindow()->geometry()));
        QVERIFY(legend.bottom() < f.MdiArea()->viewport()->height());
    }

    void hintsReachTheStatusLine() {
        PuzzleSession session;
        TRMMainForm frame(session, {});
        auto* hints = frame.findChild<QLabel*>("LblHints");
        QVERIFY(hints);
        frame.ShowHint("Ein Hinweis");
        QCOMPARE(hints->text(), QString("Ein Hinweis"));
        // A tool button's hint arrives when the mouse enters it.
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(Button(frame, "TBHlfInfo"), &enter);
        QCOMPARE(frame.CurrentHint(), QString("Informationen zum Programm anzeigen"));
        // A menu item's hint arrives as a status tip.
        QStatusTipEvent tip(MenuItem(frame, "MItemPrgBeenden")->statusTip());
        QApplication::sendEvent(frame.menuBar(), &tip);
        QCOMPARE(frame.CurrentHint(), QString("Das Programm beenden"));
    }

    void menuTreeAndShortcuts() {
        PuzzleSession session;
        TRMMainForm frame(session, {});
        QCOMPARE(MenuItem(frame, "MItemRaeDrucken")->shortcut(), QKeySequence("Ctrl+P"));
        QCOMPARE(MenuItem(frame, "MItemPrgBeenden")->shortcut(), QKeySequence("Ctrl+Q"));
        QCOMPARE(MenuItem(frame, "MItemBeaRueckgaengig")->shortcut(),
                 QKeySequence(Qt::ALT | Qt::Key_Backspace));
        QCOMPARE(MenuItem(frame, "MItemBeaBegriff")->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_Return));
        // The Sudoku entries are made when the Edit menu first opens.
        QVERIFY(!MenuItem(frame, "MItemBeaMark10"));
        emit frame.findChild<QMenu*>("MItemBearbeitenMenu")->aboutToShow();
        QCOMPARE(MenuItem(frame, "MItemBeaMark10")->text(), QString("\"&A\" möglich"));
        QCOMPARE(MenuItem(frame, "MItemBeaMark10")->statusTip(),
                 QString("Alle Felder markieren, in die ein \"A\" eingetragen werden kann"));
        QCOMPARE(MenuItem(frame, "MItemBeaMark3")->statusTip(),
                 QString("Alle Felder markieren, in die eine \"3\" eingetragen werden kann"));
        QCOMPARE(MenuItem(frame, "MItemBeaMarkDuo")->data().toInt(), 13);
        QCOMPARE(MenuItem(frame, "MItemAnsVerkleinern")->data().toInt(), -1);
        // Tool buttons at their places.
        const std::pair<const char*, int> places[] = {
            {"TBPrgBeenden", 4},         {"TBRaeOeffnen", 37},       {"TBRaeDrucken", 62},
            {"TBRaeInfos", 87},          {"TBBeaRueckgaengig", 121}, {"TBBeaWiederholen", 146},
            {"TBBeaZuruecksetzen", 171}, {"TBHlfInfo", 204}};
        for (const auto& [name, x] : places) {
            QToolButton* b = Button(frame, name);
            QCOMPARE(b->geometry(), QRect(x, 5, 25, 25));
            QVERIFY(b->autoRaise());
        }
        QCOMPARE(frame.findChild<QWidget*>("ToolBar")->height(), 33);
    }

    void modifierKeysAreTrackedNotConsumed() {
        PuzzleSession session;
        session.settings.EinfacheLegende = true;
        session.image().PuzzleKind = 12;
        session.image().ReverseDropAllowed = 1;
        TRMMainForm frame(session, {});
        frame.show();
        QWidget* target = frame.MdiArea();
        QTest::keyPress(target, Qt::Key_Shift);
        QVERIFY(session.flags.ShiftHeld);
        QTest::keyRelease(target, Qt::Key_Shift);
        QVERIFY(!session.flags.ShiftHeld);
        QTest::keyPress(target, Qt::Key_Control);
        QVERIFY(session.flags.CtrlHeldKind12);
        QVERIFY(session.flags.CtrlHeldReverse);
        QTest::keyRelease(target, Qt::Key_Control);
        QVERIFY(!session.flags.CtrlHeldKind12);
        QVERIFY(!session.flags.CtrlHeldReverse);

        session.settings.EinfacheLegende = false;
        session.image().PuzzleKind = 0;
        session.image().ReverseDropAllowed = 0;
        QTest::keyPress(target, Qt::Key_Shift);
        QTest::keyPress(target, Qt::Key_Control);
        QVERIFY(!session.flags.ShiftHeld);
        QVERIFY(!session.flags.CtrlHeldKind12);
        QVERIFY(!session.flags.CtrlHeldReverse);

        // The hook lets every key through to its window.
        struct Counter : QObject {
            int keys = 0;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::KeyPress) ++keys;
                return false;
            }
        } counter;
        target->installEventFilter(&counter);
        QTest::keyPress(target, Qt::Key_Shift);
        QCOMPARE(counter.keys, 1);
    }

    void dragCursorsAreRegistered() {
        PuzzleSession session;
        TRMMainForm frame(session, {});
        // Drawn on first use, not with the frame.
        for (int n = 101; n <= 104; ++n) {
            QVERIFY(!DragCursorFor(n).pixmap().isNull());
            QVERIFY(DragCursorRegistered(n));
        }
        QVERIFY(!DragCursorRegistered(105));
        QVERIFY(DragCursorFor(101).pixmap().toImage() != DragCursorFor(102).pixmap().toImage());
        QVERIFY(DragCursorFor(103).pixmap().toImage() != DragCursorFor(104).pixmap().toImage());
    }

    void mouseOverTheClientAreaClosesTheHint() {
        PuzzleSession session;
        TRMMainForm frame(session, {});
        frame.show();
        QPointer<THintForm> hint = THintForm::Open(&frame, "Hinweis", 100, 100);
        QVERIFY(hint->isVisible());
        QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(frame.MdiArea()->viewport(), &move);
        QVERIFY(!hint || !hint->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(hint.isNull());
        QVERIFY(THintForm::Current() == nullptr);
    }
};

QTEST_MAIN(FrameTest)
#include "test_frame.moc"
