#include "Autosave.h"

#include "PuzzleGame.h"

#include <QDateTime>

#include <cstring>

namespace {
std::span<const std::uint8_t> Raw(const std::string& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}
} // namespace

Autosave::Autosave(PuzzleGame& game, bool enabled, QString folder, QObject* parent)
    : QObject(parent), game_(game), original_(std::make_unique<PuzzleImage>()),
      key_(PuzzleKey(Raw(game.RecordBytes()), Raw(game.PictureBytes()))),
      store_(key_, std::move(folder)), enabled_(enabled) {
    const std::string& record = game.RecordBytes();
    if (record.size() == sizeof(PuzzleImage))
        std::memcpy(static_cast<void*>(original_.get()), record.data(), sizeof(PuzzleImage));
    timer_.setSingleShot(true);
    timer_.setInterval(IntervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (enabled_ && dirty_) Post();
    });
    connect(&game, &PuzzleGame::Changed, this, &Autosave::OnChanged);
}

Autosave::~Autosave() {
    SaveNow();
}

ProgressLoad Autosave::Restore() {
    if (!enabled_) return {};
    auto image = std::make_unique<PuzzleImage>(*original_);
    auto extras = std::make_unique<ProgressExtras>();
    ProgressLoad load = store_.Load(*original_, *image, *extras);
    if (load.What == ProgressLoad::Outcome::Restored) game_.RestoreProgress(*image, *extras);
    return load;
}

void Autosave::SetEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (on) {
        Post();
        return;
    }
    timer_.stop();
    dirty_ = false;
    store_.Remove();
}

void Autosave::SaveNow() {
    timer_.stop();
    if (enabled_ && dirty_) Post();
    store_.Flush();
}

void Autosave::OnChanged(const GameChange& change) {
    if (!enabled_) return;
    dirty_ = true;
    // The running clock alone is saved with the next change or on closing,
    // not every second.
    if (change.What == GameChange::Cause::Clock) return;
    if (!timer_.isActive()) timer_.start();
}

void Autosave::Post() {
    dirty_ = false;
    auto extras = std::make_unique<ProgressExtras>();
    extras->MarkTag = game_.MarkTag();
    extras->Snapshots = game_.Snapshots();
    extras->Ticks = game_.OwnTicks();
    store_.Post(EncodeProgress(key_, QDateTime::currentMSecsSinceEpoch(), *original_, game_.Image(),
                               *extras));
}
