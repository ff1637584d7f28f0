#include "ModalRunner.h"

#include <QApplication>
#include <QDialog>
#include <QScopedValueRollback>

#include <vector>

namespace {
ModalRunner& Runner() {
    static ModalRunner runner;
    return runner;
}

int running = 0;

std::vector<std::function<void()>>& OpeningActions() {
    static std::vector<std::function<void()>> actions;
    return actions;
}
} // namespace

int RunModal(QDialog& dialog) {
    for (const auto& action : OpeningActions()) action();
    const QScopedValueRollback<int> depth(running, running + 1);
    if (Runner()) return Runner()(dialog);
    return dialog.exec();
}

bool ModalDialogRunning() {
    return running > 0 || QApplication::activeModalWidget() != nullptr;
}

ModalRunner SetModalRunner(ModalRunner runner) {
    ModalRunner previous = std::move(Runner());
    Runner() = std::move(runner);
    return previous;
}

void OnModalOpening(std::function<void()> action) {
    OpeningActions().push_back(std::move(action));
}
