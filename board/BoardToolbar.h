// The board's tool bar (with the field-marking panel) and its popup menu:
// views of the board's commands, placed as the kind and the cell ask.
#pragma once

#include "CommandIds.h"

#include <QString>

class GradientBar;
class QAction;
class QMenu;
class QToolButton;
class QWidget;
class StringGrid;

class BoardToolbar {
public:
    static constexpr int Height = 30;
    static constexpr int ButtonSize = 22;

    // Creates the bar inside `parent` (the board) and the popup on its grid,
    // for a puzzle of that kind; the popup shows the registry's commands.
    BoardToolbar(int kind, StringGrid* grid, CommandRegistry& commands, QWidget* parent);

    GradientBar* Bar() const { return bar_; }
    GradientBar* PanelMark() const { return panelMark_; }
    QMenu* Popup() const { return popup_; }

    // Positions of the buttons that move with the visibility of others.
    void Arrange();
    // The right edge the board's width must reach for the visible buttons.
    int RightmostEdge() const;

private:
    // A button or popup entry, made a view of its command as it is created.
    QToolButton* AddButton(QWidget* parent, const char* name, int left, const QString& glyph,
                           const QString& hint, bool checkable, CommandId command,
                           UiCommand::Rule alsoVisible = {});
    QAction* AddItem(const char* name, const QString& caption, const QString& hint,
                     CommandId command, bool checkable = false, UiCommand::Rule alsoVisible = {});
    void CreateButtons();
    void CreatePopup();

    int kind_;
    StringGrid* grid_;
    CommandRegistry& commands_;
    QWidget* board_;
    GradientBar* bar_ = nullptr;
    GradientBar* panelMark_ = nullptr;
    QMenu* popup_ = nullptr;
    QMenu* markMenu_ = nullptr;
    QMenu* snapMenu_ = nullptr;
    // The buttons whose places follow the others'.
    QToolButton* hints_ = nullptr;
    QToolButton* word_ = nullptr;
    QToolButton* letter_ = nullptr;
    QToolButton* blank_ = nullptr;
};
