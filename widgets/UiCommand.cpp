#include "UiCommand.h"

#include "ModalRunner.h"

#include <QAbstractButton>
#include <QAction>

UiCommand::UiCommand(const QString& id, QObject* parent) : QObject(parent) {
    setObjectName(id);
}

void UiCommand::SetHandler(std::function<void()> handler) {
    handler_ = std::move(handler);
    Refresh();
}

void UiCommand::SetRules(Rule visible, Rule enabled, Rule checked) {
    visible_ = std::move(visible);
    enabled_ = std::move(enabled);
    checked_ = std::move(checked);
    Refresh();
}

void UiCommand::SetTexts(TextRule caption, TextRule hint) {
    caption_ = std::move(caption);
    hint_ = std::move(hint);
    Refresh();
}

void UiCommand::Clear() {
    handler_ = nullptr;
    visible_ = enabled_ = checked_ = nullptr;
    caption_ = hint_ = nullptr;
    Refresh();
}

bool UiCommand::Visible() const {
    return !visible_ || visible_();
}

bool UiCommand::Enabled() const {
    return Available() && (!enabled_ || enabled_());
}

bool UiCommand::Checked() const {
    return checked_ && checked_();
}

void UiCommand::Trigger() {
    // A shortcut can reach a window that a modal dialog blocks; the dialog
    // that runs must end before a command opens another or changes the puzzle.
    if (ModalDialogRunning()) return;
    if (Enabled()) {
        // The handler may end the window that gave it; keep a copy while it runs.
        const std::function<void()> handler = handler_;
        handler();
        emit Ran();
    }
    Refresh();
}

void UiCommand::Refresh() {
    const bool visible = Visible();
    const bool enabled = Enabled();
    const bool checked = Checked();
    for (const ActionView& v : actions_) {
        if (!v.Action) continue;
        v.Action->setVisible(v.AlsoVisible ? v.AlsoVisible() : visible);
        v.Action->setEnabled(enabled);
        if (v.Action->isCheckable()) v.Action->setChecked(checked);
        if (caption_) v.Action->setText(caption_());
        if (hint_) v.Action->setStatusTip(hint_());
    }
    for (const ButtonView& v : buttons_) {
        if (!v.Button) continue;
        v.Button->setVisible(v.AlsoVisible ? v.AlsoVisible() : visible);
        v.Button->setEnabled(enabled);
        if (v.Button->isCheckable()) v.Button->setChecked(checked);
    }
}

void UiCommand::Bind(QAction* action, Rule alsoVisible) {
    actions_.push_back({action, std::move(alsoVisible)});
    connect(action, &QAction::triggered, this, [this] { Trigger(); });
    Refresh();
}

void UiCommand::Bind(QAbstractButton* button, Rule alsoVisible) {
    buttons_.push_back({button, std::move(alsoVisible)});
    connect(button, &QAbstractButton::clicked, this, [this] { Trigger(); });
    Refresh();
}
