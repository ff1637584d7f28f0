// German everywhere, whatever the user's locale: the process runs under an
// English one, the player's start-up switches Qt's own texts, dates and
// numbers to German.
#include "BoardFixture.h"
#include "ModalRunner.h"
#include "RaetselInfoDialog.h"
#include "Startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>

namespace {
QString Plain(QString text) {
    return text.remove(QLatin1Char('&'));
}
} // namespace

class TestGerman : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QCOMPARE(QLocale::system().language(), QLocale::English);
        QVERIFY2(UseGermanLanguage(), "Qt's German translations are missing");
        // A second call changes nothing.
        QVERIFY(UseGermanLanguage());
    }

    void messageBoxesAnswerInGerman() {
        auto o = OpenBoard(*SmallCrossword(), "deutsch.zvr");
        QVERIFY(o->Board);
        QStringList buttons;
        const ModalRunner previous = SetModalRunner([&](QDialog& d) {
            if (auto* box = qobject_cast<QMessageBox*>(&d))
                for (QAbstractButton* b : box->buttons()) buttons << Plain(b->text());
            return int(QMessageBox::No);
        });
        o->Frame->Commands().Get(CommandId::Reset).Trigger();
        SetModalRunner(previous);
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"Ja", "Nein"}));

        // The board window's system menu speaks German too.
        QMdiSubWindow* sub = o->Board->SubWindow();
        QVERIFY(sub && sub->systemMenu());
        QStringList entries;
        for (QAction* a : sub->systemMenu()->actions())
            if (!a->isSeparator()) entries << Plain(a->text());
        QVERIFY2(entries.contains("Schließen"), qPrintable(entries.join(", ")));
        QVERIFY(!entries.contains("Close"));
    }

    void datesAndNumbersAreGerman() {
        TRaetselInfoDlg dlg;
        dlg.SetImage(GridPuzzle(0, {"AB"})->Image);
        dlg.FormShow();
        auto* date = dlg.findChild<QLabel*>("LblDate");
        QVERIFY(date);
        // Short German date, then the time without a zone: 08.12.26 14:03:59
        static const QRegularExpression german("^\\d\\d\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d:\\d\\d$");
        QVERIFY2(german.match(date->text()).hasMatch(), qPrintable(date->text()));
        QCOMPARE(QLocale().toString(1234.5, 'f', 1), QString("1.234,5"));
    }
};

int main(int argc, char** argv) {
    // The user's locale is English; the player must not follow it.
    qputenv("LC_ALL", "en_US.UTF-8");
    qputenv("LANG", "en_US.UTF-8");
    qputenv("LANGUAGE", "en_US");
    QApplication app(argc, argv);
    TestGerman test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_german.moc"
