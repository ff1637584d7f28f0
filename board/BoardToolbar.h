// The board's tool bar (with the field-marking panel) and its popup menu:
// views of the board's commands, placed as the kind and the cell ask.
#pragma once

#include <QString>

class CommandRegistry;
class GradientBar;
class QAction;
class QMenu;
class QToolButton;
class QWidget;
class TRaetselForm;

class BoardToolbar {
public:
    static constexpr int Height = 30;
    static constexpr int ButtonSize = 22;

    // Creates the bar inside `parent`; the popup on the board's grid is made
    // when it is first asked for, the marking panel only for the Sudoku kinds.
    BoardToolbar(TRaetselForm& board, QWidget* parent);

    GradientBar* Bar() const { return bar_; }
    // Null for kinds without field marking.
    GradientBar* PanelMark() const { return panelMark_; }
    QMenu* Popup();
    QToolButton* Button(const char* name) const;
    QAction* PopupItem(const char* name);

    // Makes every button and popup entry a view of its command.
    void Bind(CommandRegistry& commands);
    void RefreshSubmenus(CommandRegistry& commands);
    // Positions of the buttons that move with the visibility of others.
    void Arrange();
    // The right edge the board's width must reach for the visible buttons.
    int RightmostEdge() const;

private:
    QToolButton* AddButton(QWidget* parent, const char* name, int left, const QString& glyph,
                           const QString& hint, bool checkable);
    QAction* AddItem(const char* name, const QString& caption, const QString& hint,
                     bool checkable = false);
    void CreateButtons();
    void CreateMarkPanel();
    void CreatePopup();
    void BindPopup();

    TRaetselForm& board_;
    CommandRegistry* commands_ = nullptr;
    GradientBar* bar_ = nullptr;
    GradientBar* panelMark_ = nullptr;
    QMenu* popup_ = nullptr;
    QMenu* markMenu_ = nullptr;
    QMenu* snapMenu_ = nullptr;
};
