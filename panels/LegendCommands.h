// The commands of the clue-list window: its tool bar, the pop-up menu of both
// lists and their handlers. Each command is one UiCommand of the window's own
// registry; buttons and menu entries are views of it.
#pragma once

#include <QString>

class CommandRegistry;
class QAction;
class QMenu;
class QPoint;
class QToolButton;
class TLegendForm;

namespace LegendCommandId {
inline const char* const MarkEntry = "LegendMarkEntry";         // "Begriff als gelöst markieren"
inline const char* const EnterWord = "LegendEnterWord";         // "Begriff eingeben"
inline const char* const LookUp = "LegendLookUp";               // "Nachschlagen"
inline const char* const HideToggle = "LegendHideToggle";       // menu: hide solved
inline const char* const HideOff = "LegendHideOff";             // SBBegrNichtAusblenden
inline const char* const HideOn = "LegendHideOn";               // SBBegrAusblenden
inline const char* const MarkToggle = "LegendMarkToggle";       // menu: mark solved
inline const char* const MarkOff = "LegendMarkOff";             // SBBegrNichtMarkieren
inline const char* const MarkOn = "LegendMarkOn";               // SBBegrMarkieren
inline const char* const OneListToggle = "LegendOneListToggle"; // menu: one list
inline const char* const OneList = "LegendOneList";             // SBEineLegende
inline const char* const TwoLists = "LegendTwoLists";           // SBZweiLegenden
} // namespace LegendCommandId

class LegendCommands {
public:
    explicit LegendCommands(TLegendForm& form);
    ~LegendCommands();

    CommandRegistry& Registry() const { return *registry_; }
    QMenu* MenuLegende() const { return menu_; }
    QToolButton* Button(const char* name) const;
    QAction* Item(const char* name) const;

    // Reads every rule again and places SBInputWord.
    void Refresh();
    // Works out the menu's entries and shows it at a screen point.
    void MenuLegendePopup(const QPoint& globalPos);
    // Prepares the menu as MenuLegendePopup does, without showing it.
    void PrepareMenu();

    void MItemLegendeBearbeitetClick();
    void MItemLegendeEingebenClick();
    void MItemLegendeNachschlagenClick();

private:
    void CreateButtons();
    void CreateMenu();
    void Register();
    void SetHideSolved(bool on);
    void SetMarkSolved(bool on);
    void SetOneList(bool on);

    TLegendForm& form_;
    CommandRegistry* registry_ = nullptr;
    QMenu* menu_ = nullptr;
};
