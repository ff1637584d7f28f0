#include "ModalRunner.h"

#include <QDialog>

#include <vector>

namespace {
ModalRunner& Runner() {
    static ModalRunner runner;
    return runner;
}

std::vector<std::function<void()>>& OpeningActions() {
    static std::vector<std::function<void()>> actions;
    return actions;
}
} // namespace

int RunModal(QDialog& dialog) {
    for (const auto& action : OpeningActions()) action();
    if (Runner()) return Runner()(dialog);
    return dialog.exec();
}

ModalRunner SetModalRunner(ModalRunner runner) {
    ModalRunner previous = std::move(Runner());
    Runner() = std::move(runner);
    return previous;
}

void OnModalOpening(std::function<void()> action) {
    OpeningActions().push_back(std::move(action));
}
