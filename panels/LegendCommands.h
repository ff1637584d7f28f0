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
    explicit LegendCommands(ClueListWindow& form);
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

    ClueListWindow& form_;
    CommandRegistry* registry_ = nullptr;
    QMenu* menu_ = nullptr;
};
