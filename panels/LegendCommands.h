// The commands of the clue-list window: its tool bar, the pop-up menu of both
// lists and their handlers. Each command is one UiCommand of the window's own
// registry; buttons and menu entries are views of it.
#pragma once

#include "UiCommand.h"

#include <QString>

class QAction;
class QMenu;
class QPoint;
class QToolButton;
class BoardLink;
class GradientBar;
class LegendView;
class PuzzleGame;
class QWidget;
struct LegendItem;
struct LegendLists;
struct PuzzleSession;

// What the commands ask of the clue-list window that owns them.
class ClueListWindow {
public:
    virtual ~ClueListWindow() = default;
    virtual PuzzleSession& Session() const = 0;
    virtual PuzzleGame& Game() const = 0;
    // The board while it is open, else null.
    virtual BoardLink* Board() const = 0;
    // The window itself: it holds the menu and the commands.
    virtual QWidget* Widget() = 0;
    virtual GradientBar* Toolbar() const = 0;
    virtual LegendLists& Lists() = 0;
    virtual LegendView* ActiveList() const = 0;
    virtual LegendItem* ActiveEntry() = 0;
    virtual bool IsAcrossList(const LegendView* list) const = 0;
    virtual void BuildLists() = 0;
    virtual void RepaintLists() = 0;
    virtual void UpdateLegendToolbar() = 0;
    // The parent of the window's dialogs.
    virtual QWidget* DialogParent() = 0;
};

enum class LegendCommandId {
    MarkEntry,     // "Begriff als gelöst markieren"
    EnterWord,     // "Begriff eingeben"
    LookUp,        // "Nachschlagen"
    HideToggle,    // menu: hide solved
    HideOff,       // SBBegrNichtAusblenden
    HideOn,        // SBBegrAusblenden
    MarkToggle,    // menu: mark solved
    MarkOff,       // SBBegrNichtMarkieren
    MarkOn,        // SBBegrMarkieren
    OneListToggle, // menu: one list
    OneList,       // SBEineLegende
    TwoLists,      // SBZweiLegenden
    Count
};
using LegendCommandTable = CommandTable<LegendCommandId>;

class LegendCommands {
public:
    explicit LegendCommands(ClueListWindow& form);
    ~LegendCommands();

    LegendCommandTable& Registry() const { return *registry_; }
    QMenu* MenuLegende() const { return menu_; }

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

    ClueListWindow& form_;
    LegendCommandTable* registry_ = nullptr;
    QMenu* menu_ = nullptr;
    // The views whose places or visibility the commands set themselves.
    QToolButton* inputWord_ = nullptr;
    QToolButton* oneList_ = nullptr;
    QToolButton* twoLists_ = nullptr;
    QAction* separator_ = nullptr;
};
