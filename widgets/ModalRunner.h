// Every modal dialog and message box of the player runs through one place, so
// that a test can answer them instead of a person.
#pragma once

#include <functional>

class QDialog;

using ModalRunner = std::function<int(QDialog&)>;

// Shows the dialog modally (exec) unless a runner was installed. Whatever
// floats above the windows (the hints pop-up) is put away first.
int RunModal(QDialog& dialog);
// Whether a modal dialog is running (through RunModal or Qt's own): while one
// runs, the windows behind it take no commands.
bool ModalDialogRunning();
// Installs a runner (an empty one restores exec) and returns the previous one.
ModalRunner SetModalRunner(ModalRunner runner);
// Called before every modal dialog opens; for windows that must not linger
// over it. Registered once per kind of window.
void OnModalOpening(std::function<void()> action);
