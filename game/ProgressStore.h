// Where the player's progress lives and how it gets there: one file per
// puzzle under $XDG_STATE_HOME/zoruvidedid/ (~/.local/state/zoruvidedid/),
// named by the puzzle's key, written whole or not at all. Writing happens on
// a thread of its own so that no key press waits for the disk.
#pragma once

#include "Progress.h"

#include <QDateTime>
#include <QString>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// The folder of the progress files, built from $XDG_STATE_HOME (Qt has no
// state location of its own).
QString ProgressFolder();
// The settings file: $XDG_CONFIG_HOME/zoruvidedid/zoruvidedid.ini.
QString SettingsFile();

struct ProgressLoad {
    enum class Outcome { Fresh, Restored, SetAside } What = Outcome::Fresh;
    QDateTime SavedAt; // Restored: when it was written
    QString Reason;    // SetAside: why (German)
    QString AsideName; // SetAside: the file's new name
    // The status line's text for it; empty for a fresh start without a file.
    QString StatusText() const;
};

class ProgressStore {
public:
    explicit ProgressStore(std::uint64_t key, QString folder = ProgressFolder());
    ~ProgressStore();
    ProgressStore(const ProgressStore&) = delete;
    ProgressStore& operator=(const ProgressStore&) = delete;

    QString Path() const { return path_; }

    // Reads the puzzle's progress. A file that cannot be used is set aside
    // (renamed beside it, never deleted) and the game starts fresh.
    ProgressLoad Load(const PuzzleImage& original, PuzzleImage& image, ProgressExtras& extras);

    // Hands the bytes to the writer and returns at once; a newer hand-over
    // replaces one not yet written.
    void Post(std::vector<std::uint8_t> bytes);
    // Waits until everything handed over is on disk; false if a write failed.
    bool Flush();
    // Forgets what is pending and removes the file.
    void Remove();

private:
    void Run();
    bool Write(const std::vector<std::uint8_t>& bytes);

    std::uint64_t key_;
    QString folder_;
    QString path_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::optional<std::vector<std::uint8_t>> pending_;
    bool busy_ = false;
    bool stop_ = false;
    bool failed_ = false;
    std::thread writer_;
};
