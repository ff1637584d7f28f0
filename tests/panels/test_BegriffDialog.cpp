// The word entry dialog: cells from the word, typing with umlauts, the keys
// that move and delete, the OK rule and the returned word.
#include "BegriffDialog.h"
#include "Settings.h"
#include "StringGrid.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
struct Dialog {
    Settings settings;
    std::unique_ptr<TWordEditDlg> dlg;

    explicit Dialog(const QString& word, int cellSize = 30) {
        settings.Feldgroesse = cellSize;
        dlg = std::make_unique<TWordEditDlg>(settings);
        dlg->WordData = word;
        dlg->show();
    }
    StringGrid* Grid() const { return dlg->GridBegriff(); }
    void Key(Qt::Key key) { QTest::keyClick(Grid(), key); }
    void Type(const QString& text) { QTest::keyClicks(Grid(), text); }
    void Umlaut(Qt::Key key, const QString& text) {
        QTest::sendKeyEvent(QTest::Click, Grid(), key, text, {});
    }
    int Col() const { return Grid()->Col(); }
    bool OkEnabled() const { return dlg->BtnOK()->isEnabled(); }
};
} // namespace

class TestBegriffDialog : public QObject {
    Q_OBJECT
private slots:
    void showingFitsTheWord() {
        Dialog d(QStringLiteral("ab c"));
        QCOMPARE(d.dlg->Cells(), QStringLiteral("AB C"));
        QCOMPARE(d.Grid()->ColCount(), 4);
        QCOMPARE(d.Grid()->RowCount(), 1);
        QCOMPARE(d.Grid()->Layout().DefaultColWidth, 29);
        QCOMPARE(d.Grid()->size(), QSize(4 * 30 + 3, 31));
        QCOMPARE(d.Grid()->pos(), QPoint(56, 21));
        const QPushButton* cancel = d.dlg->BtnCancel();
        QCOMPARE(cancel->y(), 21 + 31 + 8);
        QCOMPARE(d.dlg->BtnOK()->y(), cancel->y());
        QCOMPARE(d.dlg->height(), cancel->y() + cancel->height() + 8);
        QCOMPARE(d.dlg->width(), cancel->x() + cancel->width() + 8);
        QCOMPARE(d.Col(), 0);
        QVERIFY(!d.OkEnabled()); // one cell is empty
        QCOMPARE(d.dlg->BtnOK()->text(), QStringLiteral("OK"));
        QCOMPARE(d.dlg->BtnCancel()->text(), QStringLiteral("Abbruch"));

        // A long word makes the dialog wider than its buttons.
        Dialog wide(QString(15, QLatin1Char(' ')), 40);
        QCOMPARE(wide.Grid()->width(), 15 * 40 + 3);
        QCOMPARE(wide.dlg->width(), 56 + 15 * 40 + 3 + 8);
    }

    void typingFillsAndMoves() {
        Dialog d(QStringLiteral("    "));
        d.Type("h1.u");
        QCOMPARE(d.dlg->Cells(), QStringLiteral("HU  "));
        QCOMPARE(d.Col(), 2);
        QVERIFY(!d.OkEnabled());
        d.Type("ND");
        QCOMPARE(d.dlg->Cells(), QStringLiteral("HUND"));
        QCOMPARE(d.Col(), 3); // the last cell keeps the cursor
        QVERIFY(d.OkEnabled());
        d.Type(" ");
        QCOMPARE(d.dlg->Cells(), QStringLiteral("HUN "));
        QVERIFY(!d.OkEnabled());
        d.Type("x");
        QCOMPARE(d.dlg->Cells(), QStringLiteral("HUNX"));
        QVERIFY(d.OkEnabled());
    }

    void umlautsTakeTwoCells() {
        Dialog d(QStringLiteral("       "));
        d.Type("STRA");
        d.Umlaut(Qt::Key_ssharp, QStringLiteral("ß"));
        QCOMPARE(d.Col(), 6);
        d.Type("e");
        QCOMPARE(d.dlg->Cells(), QStringLiteral("STRASSE"));

        // ä in the last cell: only the A, the cursor stays.
        Dialog last(QStringLiteral("  "));
        last.Key(Qt::Key_End);
        last.Umlaut(Qt::Key_Adiaeresis, QStringLiteral("ä"));
        QCOMPARE(last.dlg->Cells(), QStringLiteral(" A"));
        QCOMPARE(last.Col(), 1);
        // ß in the second-to-last cell fills both, the cursor ends on the last.
        Dialog second(QStringLiteral("   "));
        second.Key(Qt::Key_Right);
        second.Umlaut(Qt::Key_ssharp, QStringLiteral("ß"));
        QCOMPARE(second.dlg->Cells(), QStringLiteral(" SS"));
        QCOMPARE(second.Col(), 2);
        second.Key(Qt::Key_Home);
        second.Umlaut(Qt::Key_Udiaeresis, QStringLiteral("Ü"));
        QCOMPARE(second.dlg->Cells(), QStringLiteral("UES"));
        QCOMPARE(second.Col(), 2);
    }

    void deletingKeys() {
        Dialog d(QStringLiteral("ABCD"));
        QVERIFY(d.OkEnabled());
        d.Key(Qt::Key_Backspace); // on the first cell: nothing
        QCOMPARE(d.dlg->Cells(), QStringLiteral("ABCD"));
        QCOMPARE(d.Col(), 0);
        d.Key(Qt::Key_End);
        QCOMPARE(d.Col(), 3);
        d.Key(Qt::Key_Backspace);
        QCOMPARE(d.Col(), 2);
        QCOMPARE(d.dlg->Cells(), QStringLiteral("AB D"));
        QVERIFY(!d.OkEnabled());
        d.Key(Qt::Key_Home);
        d.Key(Qt::Key_Delete);
        QCOMPARE(d.dlg->Cells(), QStringLiteral(" B D"));
        QCOMPARE(d.Col(), 0);
        d.Key(Qt::Key_Left);
        QCOMPARE(d.Col(), 0);
    }

    void confirmingReturnsTheLetters() {
        Dialog d(QStringLiteral("ka z"));
        d.Key(Qt::Key_Right);
        d.Key(Qt::Key_Right);
        d.Type("t");
        QVERIFY(d.OkEnabled());
        d.dlg->BtnOK()->click();
        QCOMPARE(d.dlg->result(), int(QDialog::Accepted));
        QCOMPARE(d.dlg->WordData, QStringLiteral("KATZ"));

        Dialog c(QStringLiteral("ab"));
        c.Type("xy");
        c.dlg->BtnCancel()->click();
        QCOMPARE(c.dlg->result(), int(QDialog::Rejected));
        QCOMPARE(c.dlg->WordData, QStringLiteral("ab"));
        // Enter presses OK only when it is enabled.
        Dialog e(QStringLiteral(" b"));
        e.Key(Qt::Key_Return);
        QVERIFY(e.dlg->isVisible());
        e.Type("a");
        e.Key(Qt::Key_Return);
        QVERIFY(!e.dlg->isVisible());
        QCOMPARE(e.dlg->WordData, QStringLiteral("AB"));
        QCOMPARE(e.dlg->result(), int(QDialog::Accepted));
        Dialog esc(QStringLiteral("ab"));
        esc.Key(Qt::Key_Escape);
        QVERIFY(!esc.dlg->isVisible());
        QCOMPARE(esc.dlg->result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestBegriffDialog)
#include "test_BegriffDialog.moc"
