// A command of the user interface: one handler and one set of rules for
// whether it is shown, enabled and checked. Menu entries, popup entries and
// tool buttons are views bound to it; they never hold a state of their own.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

class QAbstractButton;
class QAction;

class UiCommand : public QObject {
    Q_OBJECT
public:
    using Rule = std::function<bool()>;
    using TextRule = std::function<QString()>;

    explicit UiCommand(const QString& id, QObject* parent = nullptr);

    QString Id() const { return objectName(); }
    // The handler; without one the command is not available and its views are greyed.
    void SetHandler(std::function<void()> handler);
    // Empty rules mean: always shown, always enabled, never checked.
    void SetRules(Rule visible, Rule enabled, Rule checked = {});
    // Caption and hint of the menu entries for commands whose texts follow
    // the state; empty rules leave the entries' own texts.
    void SetTexts(TextRule caption, TextRule hint);
    // Drops handler and rules (the window that gave them is going).
    void Clear();

    bool Available() const { return static_cast<bool>(handler_); }
    bool Visible() const;
    bool Enabled() const;
    bool Checked() const;
    bool Checkable() const { return static_cast<bool>(checked_); }

    // Runs the handler when available and enabled, then refreshes the views.
    void Trigger();
    // Reads the rules again and shows the result in every bound view.
    void Refresh();

    // A view of the command; `alsoVisible`, when given, decides instead of the
    // command's visible rule where this view appears (two buttons that share a
    // place on a tool bar, an entry that is always there).
    void Bind(QAction* action, Rule alsoVisible = {});
    void Bind(QAbstractButton* button, Rule alsoVisible = {});

signals:
    void Ran();

private:
    struct ActionView {
        QPointer<QAction> Action;
        Rule AlsoVisible;
    };
    struct ButtonView {
        QPointer<QAbstractButton> Button;
        Rule AlsoVisible;
    };
    std::function<void()> handler_;
    Rule visible_, enabled_, checked_;
    TextRule caption_, hint_;
    std::vector<ActionView> actions_;
    std::vector<ButtonView> buttons_;
};

// The commands of one window, one for each value of the enum `Id` (which
// ends in Count). All exist from the start: a command is named by its type,
// never made up by a spelling.
template <class Id> class CommandTable : public QObject {
public:
    explicit CommandTable(QObject* parent = nullptr) : QObject(parent) {
        for (std::size_t i = 0; i < commands_.size(); ++i)
            commands_[i] = new UiCommand(QString::number(i), this);
    }
    UiCommand& Get(Id id) const { return *commands_[static_cast<std::size_t>(id)]; }
    void RefreshAll() {
        for (UiCommand* c : commands_) c->Refresh();
    }

private:
    std::array<UiCommand*, static_cast<std::size_t>(Id::Count)> commands_{};
};
