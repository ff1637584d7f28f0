// The frame's side of keeping the player's work: the check entry "Fortschritt
// automatisch speichern" (remembered in the settings file), the autosave of
// the open puzzle, and what the status line says about a restored or set-aside
// progress.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class Autosave;
class PuzzleGame;
class UiCommand;

class KeepWork : public QObject {
public:
    // `say` puts a text into the status line.
    KeepWork(PuzzleGame& game, UiCommand& toggle, std::function<void(const QString&)> say,
             QObject* parent = nullptr);
    ~KeepWork() override;

    // The game took a freshly loaded puzzle and has not started it: a saved
    // progress of that puzzle is put in place. Returns the status text.
    QString Loaded();
    // The status text of the last Loaded, said once the board shows.
    void SayLoaded();
    // Writes what is pending and waits for it (closing, SIGTERM).
    void SaveNow();
    // Before another load replaces the record: the open puzzle's progress is
    // written and its autosave ends.
    void Close();
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);

private:
    PuzzleGame& game_;
    std::function<void(const QString&)> say_;
    std::unique_ptr<Autosave> autosave_;
    QString loadedText_;
    bool enabled_ = true;
};
