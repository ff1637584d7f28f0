// The clue-list window "Legende": the across and down lists of the puzzle's
// words, clues or lines beside the board, kept in step with it. The lists
// themselves are LegendModel's; this window shows them, follows the board and
// carries the list commands (LegendCommands).
#pragma once

#include "ClueListLink.h"
#include "FrameRoom.h"
#include "LegendCommands.h"
#include "LegendModel.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class BoardLink;
class GradientBar;
class LegendCommands;
class LegendItemModel;
class LegendView;
class PuzzleEvents;
class PuzzleGame;
struct GameChange;
class QLabel;
class QKeyEvent;
class QMouseEvent;
class QSplitter;
struct PuzzleSession;

class TLegendForm : public QWidget, public ClueListLink, public ClueListWindow {
    Q_OBJECT
public:
    // `board` is the board open at creation; the window closes with it.
    // `room` tells where the frame has room for the window.
    TLegendForm(PuzzleSession& session, PuzzleEvents& events, PuzzleGame& game, BoardLink& board,
                std::function<FrameRoom()> room, QWidget* parent = nullptr);
    ~TLegendForm() override;

    // ClueListLink
    void FormShow() override;
    QWidget* Widget() override { return this; }
    bool ClueListVisible() const override { return isVisible(); }
    void FocusEntryByNumber(int number, bool across) override;
    void MarkWordSolved(int wordIndex, bool across, bool solved) override;
    int FindEntryByNumber(int number, bool across) override;
    std::string EntryWord(int entry, bool across) override;
    void SetEntrySolved(int entry, bool across, bool solved) override;
    void UpdateDragCursor() override;
    void BuildLists() override;
    bool TwoLists() const override { return lists_.TwoLists; }
    int DragSourceList(const QObject* source) const override;
    std::optional<ClueEntryWord> FocusedEntry(bool across) const override;

    // Sets the tool bar (and the commands' states) from the settings.
    void UpdateLegendToolbar() override;
    // Where the window stands for a frame of that room.
    static QRect Placement(const FrameRoom& room);

    const LegendLists& Lists() const { return lists_; }
    LegendLists& Lists() override { return lists_; }
    LegendView* VTWaagerecht() const { return vtWaagerecht_; }
    LegendView* VTSenkrecht() const { return vtSenkrecht_; }
    LegendView* ListOf(bool across) const;
    LegendCommands& Commands() const { return *commands_; }
    GradientBar* Toolbar() const override { return toolbar_; }
    int CheckColumn() const { return lists_.Columns.CheckColumn; }
    bool SyncEnabled() const { return syncEnabled_; }
    int DragCursorNumber() const { return dragCursor_; }

    // The list that is the window's active control, or null; with its
    // focused entry (null when it has none).
    LegendView* ActiveList() const override;
    LegendItem* ActiveEntry() override;
    bool IsAcrossList(const LegendView* list) const override { return list == vtWaagerecht_; }
    PuzzleSession& Session() const override { return session_; }
    PuzzleGame& Game() const override { return game_; }
    // The board while it is open, else null.
    BoardLink* Board() const override;
    // Shows the lists' rows, hidden flags and marks again.
    void RepaintLists() override;
    QWidget* DialogParent() override { return window(); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void SetupColumns();
    void PlaceWindow();
    void DisableCloseCommand();
    bool VTWaagerechtMouseDown(LegendView* list, QMouseEvent* event, int row, int column, int x);
    void VTWaagerechtFocusChanged(LegendView* list, int row);
    // Letters typed in a list go into the selected entry's word on the board.
    bool VTWaagerechtKeyPress(LegendView* list, QKeyEvent* event);

    PuzzleSession& session_;
    PuzzleEvents& events_;
    PuzzleGame& game_;
    BoardLink* board_;
    QPointer<QWidget> boardWindow_;
    std::function<FrameRoom()> room_;
    LegendLists lists_;
    GradientBar* toolbar_ = nullptr;
    QWidget* panelTop_ = nullptr;
    QLabel* panelLblWaager_ = nullptr;
    QLabel* panelLblSenkr_ = nullptr;
    QSplitter* splitter_ = nullptr;
    LegendItemModel* modelWaagerecht_ = nullptr;
    LegendItemModel* modelSenkrecht_ = nullptr;
    LegendView* vtWaagerecht_ = nullptr;
    LegendView* vtSenkrecht_ = nullptr;
    LegendView* activeList_ = nullptr;
    std::unique_ptr<LegendCommands> commands_;
    bool syncEnabled_ = false;
    bool splitMoved_ = false;
    bool shown_ = false;
    bool typing_ = false; // letters went to the board since the player last chose an entry
    int dragCursor_ = 101;
};
