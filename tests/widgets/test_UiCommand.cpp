// One command, one state: every view of a command shows the same state, read
// from where the state lives, and runs the one handler.
#include "UiCommand.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QToolButton>

enum class TestCommand { Toggle, Print, Lengths, Zoom, Count };

class TestUiCommand : public QObject {
    Q_OBJECT

private slots:
    void viewsFollowTheStateNotEachOther() {
        CommandTable<TestCommand> registry;
        bool setting = false;
        int runs = 0;
        UiCommand& c = registry.Get(TestCommand::Toggle);
        QAction menuEntry("Eintrag");
        menuEntry.setCheckable(true);
        QAction popupEntry("Popup");
        popupEntry.setCheckable(true);
        QToolButton button;
        button.setCheckable(true);
        c.Bind(&menuEntry);
        c.Bind(&popupEntry);
        c.Bind(&button);
        c.SetHandler([&] {
            setting = !setting;
            ++runs;
        });
        c.SetRules({}, {}, [&] { return setting; });

        button.click();
        QCOMPARE(runs, 1);
        QVERIFY(setting);
        QVERIFY(menuEntry.isChecked() && popupEntry.isChecked() && button.isChecked());
        menuEntry.trigger();
        QCOMPARE(runs, 2);
        QVERIFY(!setting);
        QVERIFY(!menuEntry.isChecked() && !popupEntry.isChecked() && !button.isChecked());
        // The state changed elsewhere: a refresh shows it everywhere.
        setting = true;
        registry.RefreshAll();
        QVERIFY(menuEntry.isChecked() && button.isChecked());
    }

    void withoutHandlerEveryViewIsGreyed() {
        CommandTable<TestCommand> registry;
        QAction entry("Drucken");
        QToolButton button;
        UiCommand& print = registry.Get(TestCommand::Print);
        print.Bind(&entry);
        print.Bind(&button);
        QVERIFY(!print.Available());
        QVERIFY(!entry.isEnabled() && !button.isEnabled());
        entry.trigger(); // nothing to run, nothing happens
        int runs = 0;
        print.SetHandler([&] { ++runs; });
        QVERIFY(entry.isEnabled() && button.isEnabled());
        bool allowed = false;
        print.SetRules({}, [&] { return allowed; });
        QVERIFY(!entry.isEnabled());
        print.Trigger();
        QCOMPARE(runs, 0);
        allowed = true;
        print.Trigger();
        QCOMPARE(runs, 1);
        print.Clear();
        QVERIFY(!entry.isEnabled() && !print.Available());
    }

    void aViewMayHaveItsOwnPlace() {
        CommandTable<TestCommand> registry;
        QToolButton lengths, symbols;
        QAction entry("Längen");
        bool shown = true;
        bool fence = true;
        UiCommand& c = registry.Get(TestCommand::Lengths);
        c.SetRules([&] { return shown; }, {});
        c.Bind(&lengths, [&] { return shown && fence; });
        c.Bind(&symbols, [&] { return shown && !fence; });
        c.Bind(&entry);
        QVERIFY(!lengths.isHidden() && symbols.isHidden() && entry.isVisible());
        fence = false;
        c.Refresh();
        QVERIFY(lengths.isHidden() && !symbols.isHidden());
        shown = false;
        c.Refresh();
        QVERIFY(lengths.isHidden() && symbols.isHidden() && !entry.isVisible());
    }

    void viewsMayGoBeforeTheCommand() {
        CommandTable<TestCommand> registry;
        UiCommand& c = registry.Get(TestCommand::Zoom);
        c.SetHandler([] {});
        {
            QToolButton button;
            c.Bind(&button);
        }
        c.Refresh(); // the gone view is skipped
        QVERIFY(&registry.Get(TestCommand::Zoom) == &c);
    }
};

QTEST_MAIN(TestUiCommand)
#include "test_UiCommand.moc"
