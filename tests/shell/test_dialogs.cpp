// The properties dialog, the result message and the information box.
#include "Evaluation.h"
#include "InfoDialog.h"
#include "MessageDialog.h"
#include "ModalRunner.h"
#include "RaetselInfoDialog.h"
#include "TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "Container.h"

class DialogsTest : public QObject {
    Q_OBJECT

    static QString Text(QWidget& w, const char* name) {
        auto* l = w.findChild<QLabel*>(name);
        return l ? l->text() : QString("<missing %1>").arg(name);
    }
    static QWidget* Child(QWidget& w, const char* name) { return w.findChild<QWidget*>(name); }

private slots:
    void sudokuWithoutAuthorPanel() {
        auto p = Sudoku9();
        p->Image.PuzzleTitle.set("Sudoku Nr. 68");
        p->Image.Difficulty = 2;
        p->Image.AllowedAids = AidFlag::MarkWrong | AidFlag::ShowSolution;
        TRaetselInfoDlg dlg;
        dlg.SetImage(p->Image);
        dlg.FormShow();
        QCOMPARE(dlg.windowTitle(), QString("Rätsel-Eigenschaften"));
        QCOMPARE(Text(dlg, "LblType"), QString("Sudoku (Mittel)"));
        QCOMPARE(Text(dlg, "LblSize"), QString("9 x 9 Felder"));
        QCOMPARE(Text(dlg, "LblTitle"), QString("Sudoku Nr. 68"));
        QCOMPARE(Text(dlg, "LblLanguage"), QString("keine"));
        QVERIFY(!Child(dlg, "ImgLanguage")->isVisibleTo(&dlg));
        QVERIFY(!Child(dlg, "PanelAuthor")->isVisibleTo(&dlg));
        QCOMPARE(dlg.height(), 267);
        QWidget* close = Child(dlg, "BtnClose");
        QCOMPARE(close->geometry().bottom() + 1, 267 - 6);
        // The date panel moved up into the room of the hidden author panel.
        QCOMPARE(Child(dlg, "PanelDate")->y(), Child(dlg, "PanelAuthor")->y());
        QVERIFY(Child(dlg, "PanelDate")->geometry().bottom() < close->y());
        auto* edit = dlg.findChild<QCheckBox*>("CBHelpEditRiddle");
        QVERIFY(!edit->isVisibleTo(&dlg));
        auto* fail = dlg.findChild<QCheckBox*>("CBHelpShowFail");
        QCOMPARE(fail->text(), QString("Falsche Symbole markieren"));
        QVERIFY(fail->isChecked());
        QVERIFY(!dlg.findChild<QCheckBox*>("CBHelpAutoFill")->isChecked());
        QVERIFY(dlg.findChild<QCheckBox*>("CBHelpShowRiddle")->isChecked());
        QVERIFY(!Child(dlg, "PanelDate")->isEnabled());
        QCOMPARE(Text(dlg, "LblVersion"), QString("Velmar Gridwerk 7.46"));
    }

    void timedSudokuShowsBestTime() {
        auto p = SudokuOfSize(9, 15);
        p->Image.Difficulty = 1;
        p->Image.BestTimeHolder.set("J\xFCrgen");
        TRaetselInfoDlg dlg;
        dlg.SetImage(p->Image);
        dlg.FormShow();
        QCOMPARE(Text(dlg, "LblType"), QString("Sudoku auf Zeit (Leicht)"));
        QVERIFY(Child(dlg, "PanelAuthor")->isVisibleTo(&dlg));
        QCOMPARE(dlg.height(), 356);
        QCOMPARE(Text(dlg, "LblAuthorDesr"), QString("Bester:"));
        QCOMPARE(Text(dlg, "LblAuthor"), QString("Jürgen"));
        QCOMPARE(Text(dlg, "LblCommentDescr"), QString("Lösungszeit:"));
        QCOMPARE(Text(dlg, "LblComment"), QString());
        QCOMPARE(Child(dlg, "LblComment")->height(), 21);
        QCOMPARE(dlg.findChild<QCheckBox*>("CBHelpAutoFill")->text(),
                 QString("Korrektes Symbol einfügen"));
        QVERIFY(!dlg.findChild<QCheckBox*>("CBHelpEditRiddle")->isVisibleTo(&dlg));

        auto timed = std::make_unique<PuzzleImage>(dlg.Image());
        timed->BestSeconds = 754;
        dlg.SetImage(*timed);
        dlg.FormShow();
        QCOMPARE(Text(dlg, "LblComment"), QString("12:34 min."));
    }

    void wordKindWithSolutionWordAndAuthor() {
        auto p = GridPuzzle(1, {"AB#", "CDE"});
        p->Image.PuzzleLanguage = 1;
        p->Image.BestTimeHolder.set("Erika Muster");
        p->Image.PuzzleComment.set("Ein langer Kommentar, der \xFC"
                                   "ber mehrere Zeilen laufen muss, "
                                   "damit das Feld ihn umbricht.");
        p->Image.AllowedAids = AidFlag::InsertLetter | AidFlag::EditPuzzle;
        TRaetselInfoDlg dlg;
        dlg.SetImage(p->Image);
        dlg.FormShow();
        QCOMPARE(Text(dlg, "LblType"), QString("Schwedenrätsel mit Lösungswort"));
        QCOMPARE(Text(dlg, "LblSize"), QString("3 x 2 Felder"));
        QCOMPARE(Text(dlg, "LblAuthorDesr"), QString("Autor:"));
        QCOMPARE(Text(dlg, "LblAuthor"), QString("Erika Muster"));
        QCOMPARE(Text(dlg, "LblCommentDescr"), QString("Kommentar"));
        QVERIFY(Text(dlg, "LblComment").contains(QString("über mehrere")));
        QCOMPARE(Child(dlg, "LblComment")->height(), 57);
        QCOMPARE(Text(dlg, "LblLanguage"), QString("      deutsch"));
        auto* flag = dlg.findChild<QLabel*>("ImgLanguage");
        QVERIFY(flag->isVisibleTo(&dlg));
        QVERIFY(!flag->pixmap().isNull());
        QCOMPARE(dlg.height(), 356);
        auto* edit = dlg.findChild<QCheckBox*>("CBHelpEditRiddle");
        QVERIFY(edit->isVisibleTo(&dlg));
        QVERIFY(edit->isChecked());
        QVERIFY(dlg.findChild<QCheckBox*>("CBHelpAutoFill")->isChecked());
        QVERIFY(!dlg.findChild<QCheckBox*>("CBHelpShowFail")->isChecked());
        QCOMPARE(dlg.findChild<QCheckBox*>("CBHelpShowFail")->text(),
                 QString("Falsche Buchstaben markieren"));

        // Back to a Sudoku in the same dialog: the fields follow the kind again.
        auto s = Sudoku9();
        dlg.SetImage(s->Image);
        dlg.FormShow();
        QCOMPARE(dlg.height(), 267);
        QVERIFY(!flag->isVisibleTo(&dlg));
        QCOMPARE(Text(dlg, "LblLanguage"), QString("keine"));
    }

    void plainKindsAndUnknownValues() {
        auto p = GridPuzzle(12, {"ABC"});
        p->Image.Difficulty = 9;
        p->Image.PuzzleLanguage = 7;
        TRaetselInfoDlg dlg;
        dlg.SetImage(p->Image);
        dlg.FormShow();
        QCOMPARE(Text(dlg, "LblType"), QString("Kreuzwortpuzzle"));
        // A language beyond the table has neither a name nor a flag.
        QCOMPARE(Text(dlg, "LblLanguage").trimmed(), QString("unbekannt"));
        QVERIFY(!dlg.findChild<QLabel*>("ImgLanguage")->isVisibleTo(&dlg));

        auto s = Sudoku9();
        s->Image.Difficulty = 9; // beyond the four level names
        dlg.SetImage(s->Image);
        dlg.FormShow();
        QCOMPARE(Text(dlg, "LblType"), QString("Sudoku (Unbestimmt)"));
    }

    void generatorVersionLine() {
        auto p = GridPuzzle(0, {"AB"});
        p->Image.CreatorVersion.set("5.10");
        TRaetselInfoDlg dlg;
        dlg.SetImage(p->Image);
        dlg.FormShow();
        QCOMPARE(Text(dlg, "LblVersion"), QString("Velmar Diruradevuzezid 5.10"));
        QCOMPARE(TRaetselInfoDlg::VersionLine("6.00"), QString("Velmar Gridwerk 6.00"));
        QCOMPARE(TRaetselInfoDlg::VersionLine("10.2"), QString("Velmar Gridwerk 10.2"));
        QCOMPARE(TRaetselInfoDlg::VersionLine("5.99"), QString("Velmar Diruradevuzezid 5.99"));
        // The file date names the year of the program file.
        const int year =
            QFileInfo(QString::fromStdString(OwnExecutablePath())).lastModified().date().year();
        QVERIFY(Text(dlg, "LblDate").contains(QString::number(year % 100)));
    }

    void executeCopiesAndFrees() {
        auto p = Sudoku9();
        p->Image.PuzzleTitle.set("Kopie");
        QString seen;
        int runs = 0;
        auto previous = SetModalRunner([&](QDialog& d) {
            ++runs;
            d.show(); // the show step runs as with exec
            seen = d.findChild<QLabel*>("LblTitle")->text();
            // The dialog reads its own copy, not the puzzle.
            p->Image.PuzzleTitle.set("anders");
            // Entered again while it runs: neither run again nor freed under itself.
            TRaetselInfoDlg::Execute(p->Image, nullptr);
            return 0;
        });
        auto* start = new TRaetselInfoDlg;
        QCOMPARE(TRaetselInfoDlg::Current(), start);
        TRaetselInfoDlg::Execute(p->Image, nullptr);
        SetModalRunner(previous);
        QCOMPARE(runs, 1);
        QCOMPARE(seen, QString("Kopie"));
        QVERIFY(TRaetselInfoDlg::Current() == nullptr);
    }

    void resultMessage() {
        TWinMsgDlg dlg;
        QCOMPARE(dlg.size(), QSize(305, 87));
        dlg.MessageKind = 0;
        dlg.FormShow();
        QCOMPARE(dlg.windowTitle(), QString("Fehler!"));
        QVERIFY(dlg.ImgError()->isVisibleTo(&dlg));
        QVERIFY(!dlg.ImgOK()->isVisibleTo(&dlg));
        for (int kind : {1, 2}) {
            dlg.MessageKind = kind;
            dlg.FormShow();
            QCOMPARE(dlg.windowTitle(), QString("Glückwunsch!"));
            QVERIFY(dlg.ImgOK()->isVisibleTo(&dlg));
            QVERIFY(!dlg.ImgError()->isVisibleTo(&dlg));
        }
        QCOMPARE(dlg.BtnClose()->text(), QString("S&chließen"));
        QVERIFY(dlg.BtnClose()->isDefault());
    }

    void completionNoticeShowsOnlyWhenAsked() {
        int shown = 0;
        QString caption, message;
        auto previous = SetModalRunner([&](QDialog& d) {
            ++shown;
            d.show();
            caption = d.windowTitle();
            message = static_cast<TWinMsgDlg&>(d).LblMessage()->text();
            return 0;
        });
        CompletionNotice quiet;
        QVERIFY(!ShowCompletionNotice(quiet));
        QCOMPARE(shown, 0);
        CompletionNotice solved;
        solved.ShowMessage = true;
        solved.MessageKind = 2;
        solved.Message = "Sie haben das R\xC3\xA4tsel in Bestzeit gel\xC3\xB6st!";
        QVERIFY(ShowCompletionNotice(solved));
        QCOMPARE(shown, 1);
        QVERIFY(caption.startsWith(QString("Glückwunsch!")));
        QCOMPARE(message, QString("Sie haben das Rätsel in Bestzeit gelöst!"));
        CompletionNotice wrong;
        wrong.ShowMessage = true;
        wrong.MessageKind = 0;
        wrong.Message = "x";
        ShowCompletionNotice(wrong);
        QVERIFY(caption.startsWith(QString("Fehler!")));
        SetModalRunner(previous);
    }

    void informationBox() {
        TInfoDlg dlg("7.46");
        QCOMPARE(dlg.size(), QSize(321, 206));
        QVERIFY(dlg.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(dlg.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!dlg.PanelURL()->isEnabled());
        dlg.FormShow();
        QCOMPARE(dlg.LblVersion()->text(), QString("Version 7.46"));
        QVERIFY(dlg.PanelURL()->isEnabled());
        const int year =
            QFileInfo(QString::fromStdString(OwnExecutablePath())).lastModified().date().year();
        QVERIFY(dlg.LblCopyr()->text().endsWith(" " + QString::number(year)));
        QVERIFY(dlg.LblURL()->text().contains(TInfoDlg::WebAddress));
        QVERIFY(dlg.LbleMail()->text().contains(QString("mailto:") + TInfoDlg::MailAddress));
        QCOMPARE(dlg.LblURL()->toolTip(), QString("Homepage der Firma Velmar aufrufen"));
        QCOMPARE(dlg.LbleMail()->toolTip(), QString("Eine e-Mail an Velmar schreiben"));

        TInfoDlg empty("");
        empty.FormShow();
        QCOMPARE(empty.LblVersion()->text(), QString());
    }

    void informationBoxKeys() {
        TInfoDlg dlg("7.46");
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
        dlg.show();
        QTest::keyClick(&dlg, Qt::Key_Return);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
