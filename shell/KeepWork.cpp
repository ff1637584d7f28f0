#include "KeepWork.h"

#include "Autosave.h"
#include "ProgressStore.h"
#include "PuzzleGame.h"
#include "UiCommand.h"

#include <QSettings>

namespace {
const char* const AutosaveKey = "Fortschritt/AutomatischSpeichern";
}

KeepWork::KeepWork(PuzzleGame& game, UiCommand& toggle, std::function<void(const QString&)> say,
                   QObject* parent)
    : QObject(parent), game_(game), say_(std::move(say)) {
    enabled_ = QSettings(SettingsFile(), QSettings::IniFormat).value(AutosaveKey, true).toBool();
    toggle.SetHandler([this] { SetEnabled(!enabled_); });
    toggle.SetRules({}, {}, [this] { return enabled_; });
}

KeepWork::~KeepWork() = default;

QString KeepWork::Loaded() {
    Close();
    autosave_ = std::make_unique<Autosave>(game_, enabled_);
    loadedText_ = autosave_->Restore().StatusText();
    return loadedText_;
}

void KeepWork::SayLoaded() {
    if (!loadedText_.isEmpty() && say_) say_(loadedText_);
}

void KeepWork::SaveNow() {
    if (autosave_) autosave_->SaveNow();
}

void KeepWork::Close() {
    SaveNow();
    autosave_.reset();
}

void KeepWork::SetEnabled(bool on) {
    enabled_ = on;
    QSettings(SettingsFile(), QSettings::IniFormat).setValue(AutosaveKey, on);
    if (autosave_) autosave_->SetEnabled(on);
}
