// Keeps the open puzzle's progress on disk: after every change (at most about
// once a second), at once when asked (closing, SIGTERM), and restores it when
// the puzzle opens again. Switched off it writes nothing and removes the file.
#pragma once

#include "Progress.h"
#include "ProgressStore.h"

#include <QObject>
#include <QTimer>

#include <memory>

class PuzzleGame;
struct GameChange;

class Autosave : public QObject {
    Q_OBJECT
public:
    static constexpr int IntervalMs = 1000;

    // For the game's puzzle as loaded; `folder` is where the files live.
    Autosave(PuzzleGame& game, bool enabled, QString folder = ProgressFolder(),
             QObject* parent = nullptr);
    ~Autosave() override;

    // Puts a saved progress into the game (before it starts), or sets a file
    // that cannot be used aside. Nothing is read while switched off.
    ProgressLoad Restore();
    bool Enabled() const { return enabled_; }
    // Off: nothing more is written and the file goes; on: written at once.
    void SetEnabled(bool on);
    // Writes what is pending now and waits until it is on disk.
    void SaveNow();
    QString Path() const { return store_.Path(); }

private:
    void OnChanged(const GameChange& change);
    // Encodes the game's state and hands it to the writer.
    void Post();

    PuzzleGame& game_;
    std::unique_ptr<PuzzleImage> original_;
    std::uint64_t key_;
    ProgressStore store_;
    QTimer timer_;
    bool enabled_;
    bool dirty_ = false;
};
