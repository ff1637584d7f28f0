// The system colours the settings name, as the player's palette gives them.
#include "SystemPalette.h"

#include <QApplication>
#include <QPalette>
#include <QTest>

#include <set>

class TestSystemPalette : public QObject {
    Q_OBJECT
private slots:
    void everyIndexComesFromThePalette() {
        // A palette whose every role and group has a colour of its own, none of
        // them a default of the model.
        QPalette palette;
        int n = 1;
        for (int g = 0; g < QPalette::NColorGroups; ++g)
            for (int r = 0; r < QPalette::NColorRoles; ++r, ++n)
                palette.setColor(static_cast<QPalette::ColorGroup>(g),
                                 static_cast<QPalette::ColorRole>(r),
                                 QColor(n % 256, 7, (n * 5) % 256));
        std::set<Colour> fromPalette;
        for (int g = 0; g < QPalette::NColorGroups; ++g)
            for (int r = 0; r < QPalette::NColorRoles; ++r)
                fromPalette.insert(ToColour(palette.color(static_cast<QPalette::ColorGroup>(g),
                                                          static_cast<QPalette::ColorRole>(r))));
        const SystemColours system = SystemColoursFrom(palette);
        for (const SystemColourSlot& slot : SystemColourSlots)
            QVERIFY2(fromPalette.count(system.*slot.Member),
                     qPrintable(QString("index %1").arg(slot.Index)));

        const auto active = [&](QPalette::ColorRole role) {
            return ToColour(palette.color(QPalette::Active, role));
        };
        QCOMPARE(system.Resolve(0x8000000F), active(QPalette::Button));     // button face
        QCOMPARE(system.Resolve(0x80000010), active(QPalette::Dark));       // button shadow
        QCOMPARE(system.Resolve(0x80000014), active(QPalette::Light));      // button highlight
        QCOMPARE(system.Resolve(0x80000012), active(QPalette::ButtonText)); // button text
        QCOMPARE(system.Resolve(0x80000015), active(QPalette::Shadow));     // dark shadow
        QCOMPARE(system.Resolve(0x8000000D), active(QPalette::Highlight));
        QCOMPARE(system.Resolve(0x8000000E), active(QPalette::HighlightedText));
        QCOMPARE(system.Resolve(0x80000005), active(QPalette::Base)); // window
        QCOMPARE(system.Resolve(0x80000008), active(QPalette::Text)); // window text
        QCOMPARE(system.Resolve(0x80000011),
                 ToColour(palette.color(QPalette::Disabled, QPalette::Text))); // grey text
    }

    void theApplicationPaletteIsThePlayers() {
        const SystemColours system = SystemColoursFromPalette();
        QCOMPARE(system.ButtonShadow, ToColour(QApplication::palette().color(QPalette::Dark)));
        QCOMPARE(system.ButtonFace, ToColour(QApplication::palette().color(QPalette::Button)));
    }
};

QTEST_MAIN(TestSystemPalette)
#include "test_SystemPalette.moc"
