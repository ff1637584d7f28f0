#include "ModalRunner.h"

#include <QDialog>

namespace {
ModalRunner& Runner() {
    static ModalRunner runner;
    return runner;
}
} // namespace

int RunModal(QDialog& dialog) {
    if (Runner()) return Runner()(dialog);
    return dialog.exec();
}

ModalRunner SetModalRunner(ModalRunner runner) {
    ModalRunner previous = std::move(Runner());
    Runner() = std::move(runner);
    return previous;
}
