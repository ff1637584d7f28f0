#include "ForeignOpen.h"

#include "Container.h"
#include "ModalRunner.h"
#include "Session.h"
#include "Settings.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace {
// The key as typed, or NoKey; false when the user cancelled.
bool AskKey(QWidget* parent, int& key) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Schlüssel"));
    dialog.setLabelText(
        QStringLiteral("Dieses Rätsel ist verschlüsselt. Bitte den Schlüssel (vier Ziffern) "
                       "eingeben:"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextEchoMode(QLineEdit::Normal);
    if (RunModal(dialog) != QDialog::Accepted) return false;
    key = ParseUnlockKey(dialog.textValue().trimmed().toStdString());
    return true;
}

void SayWrongKey(QWidget* parent) {
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Schlüssel"),
        QString::fromUtf8(WrongKeyMessage.data(), static_cast<qsizetype>(WrongKeyMessage.size())),
        QMessageBox::Ok, parent);
    RunModal(box);
}
} // namespace

namespace {
// Loads with `load(key)` until the file opens, is refused for another reason
// or the user gives up asking for the key.
template <class Load> LoadOutcome AskingForKey(QWidget* parent, Load load, bool& cancelled) {
    cancelled = false;
    int key = NoKey;
    for (;;) {
        LoadOutcome outcome = load(key);
        const ImportStatus status = outcome.Foreign.Status;
        if (outcome.Result != LoadResult::Refused ||
            (status != ImportStatus::KeyNeeded && status != ImportStatus::WrongKey))
            return outcome;
        if (status == ImportStatus::WrongKey) SayWrongKey(parent);
        // A key that is not four digits cannot fit: said so at once, asked again.
        while (true) {
            if (!AskKey(parent, key)) {
                cancelled = true;
                return outcome;
            }
            if (key != NoKey) break;
            SayWrongKey(parent);
        }
    }
}
} // namespace

LoadOutcome LoadAskingForKey(QWidget* parent, PuzzleSession& session, QImage& picture,
                             const std::vector<std::string>& parameters,
                             const std::string& executablePath, bool& cancelled) {
    return AskingForKey(
        parent,
        [&](int key) {
            return LoadPuzzleFrom(session.puzzle, session.settings, picture, parameters,
                                  executablePath, key);
        },
        cancelled);
}

LoadOutcome LoadFileAskingForKey(QWidget* parent, PuzzleSession& session, QImage& picture,
                                 const std::string& fileName, bool& cancelled) {
    return AskingForKey(
        parent,
        [&](int key) {
            LoadOutcome out;
            out.FileName = fileName;
            out.Result = LoadPuzzleFile(session.puzzle, picture, fileName, out.Foreign, key,
                                        &out.PictureBytes);
            // A puzzle file carries no settings.
            SetDefaultSettings(session.settings, session.puzzle.Image);
            return out;
        },
        cancelled);
}

QString OpeningStatusText(const LoadOutcome& outcome) {
    QStringList parts;
    for (const std::string& w : outcome.Foreign.Warnings) parts << QString::fromStdString(w);
    if (!outcome.Foreign.OpeningNote.empty())
        parts << QString::fromStdString(outcome.Foreign.OpeningNote);
    return parts.join(QLatin1Char(' '));
}
