// The player without a screen reports on the error stream what it loaded; the
// puzzle's texts must not reach the terminal as control sequences.
#include "ContainerWriter.h"
#include "TestSupport.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

class NoDisplayReportTest : public QObject {
    Q_OBJECT
private slots:
    void titleControlCharactersAreEscaped() {
        auto p = GridPuzzle(4, {"AB"});
        NumberWords(*p);
        p->Image.PuzzleTitle.set("Alt\x1B]0;fremd\x07\nGeladen: nichts\x9B"
                                 "2J");
        const std::string path = WriteTemp("titel.zvr", PuzzleFileBytes(p->Image, "7.46"));
        QProcess player;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen"); // no screen to show it on
        player.setProcessEnvironment(env);
        player.start(QString::fromLocal8Bit(qgetenv("ZORU_PLAYER")),
                     {QString::fromStdString(path)});
        QVERIFY(player.waitForFinished(60000));
        QCOMPARE(player.exitCode(), 0);
        const QByteArray err = player.readAllStandardError();
        QVERIFY2(err.contains("Alt\\x1B]0;fremd\\x07\\nGeladen: nichts"), err.constData());
        QVERIFY(!err.contains('\x1B'));
        QVERIFY(!err.contains('\x07'));
        // One line for the missing screen, one for the puzzle: the title adds none.
        QCOMPARE(err.count('\n'), 2);
    }
};

QTEST_GUILESS_MAIN(NoDisplayReportTest)
#include "test_no_display_report.moc"
