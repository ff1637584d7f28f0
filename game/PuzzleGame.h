// The game: the one owner of the open puzzle's state beside the windows. It
// holds the record with its check state (in the run's session), the picture
// and the bytes both were read from, the Sudoku aids (candidates, marking,
// snapshots), the run flags and the undo history. Every change takes one
// road: remember the undo point, change the record through the model's edit
// functions, derive candidates and word marks, say so once with Changed, and
// judge the completion. Windows read the state and listen; none repaints or
// refreshes another.
#pragma once

#include "Evaluation.h"
#include "GameEdit.h"
#include "History.h"
#include "LegendModel.h"
#include "Progress.h"
#include "Session.h"
#include "Snapshots.h"
#include "SudokuAids.h"

#include <QImage>
#include <QObject>

#include <map>
#include <utility>

#include <string>
#include <vector>

// What one step of the road changed, for the windows that show it.
struct GameChange {
    enum class Cause {
        Input,        // Apply: an edit of the player
        Undo,         // Undo or Redo
        Reset,        // everything the player did cleared
        Snapshot,     // a snapshot put back (or taken: nothing on the board changed)
        ShowSolution, // the solution shown or hidden
        BlankMark,    // a player's blank mark set or cleared
        Marking,      // the Sudoku field marking chosen
        Clock,        // the stopwatch's elapsed time or run state
        Started,      // a puzzle was loaded and started
        Tick,         // the player's own tick in a clue list set or taken off
    };
    Cause What = Cause::Input;
    std::vector<CellPos> Cells;      // the cells to repaint
    bool WholeGrid = false;          // or every cell
    std::vector<WordReport> Reports; // words whose solved mark the clue list shows
    bool Evaluate = false;           // the completion is judged after this change
    // The entries changed wholesale (undo, reset, snapshot, solution shown):
    // side windows rebuild what they show from the record.
    bool Wholesale() const {
        return What == Cause::Undo || What == Cause::Reset || What == Cause::Snapshot ||
               What == Cause::ShowSolution || What == Cause::Started;
    }
};

class PuzzleGame : public QObject {
    Q_OBJECT
public:
    explicit PuzzleGame(PuzzleSession& session, QObject* parent = nullptr);

    const Puzzle& State() const { return session_.puzzle; }
    const PuzzleImage& Image() const { return session_.puzzle.Image; }
    const Settings& Config() const { return session_.settings; }
    const RunFlags& Flags() const { return session_.flags; }
    // The process's puzzle picture (null image when there is none).
    const QImage& Picture() const { return picture_; }
    // The record and the picture exactly as they were read, before the game
    // changed anything (empty before a load; the picture with its kind byte).
    const std::string& RecordBytes() const { return recordBytes_; }
    const std::string& PictureBytes() const { return pictureBytes_; }

    const CandidateTable& Candidates() const { return candidates_; }
    int MarkTag() const { return markTag_; }
    const SnapshotStore& Snapshots() const { return snapshots_; }
    bool CanUndo() const { return undo_.CanUndo(); }
    bool CanRedo() const { return undo_.CanRedo(); }
    const EditHistory& History() const { return undo_; }

    // A freshly loaded record: keeps the bytes as read and the picture, and
    // forgets the previous puzzle's aids and history.
    void Loaded(QImage picture, std::string pictureBytes);
    // The board opens the puzzle: Sudoku aids, the clock of the timed
    // Sudoku, and the check state of the loaded entries.
    void Start();
    // The board has gone: the solution is no longer shown.
    void Close();

    // Puts a saved progress in place of the loaded state, before Start: the
    // record, the marking choice and the snapshots; the clock goes on from
    // the saved time.
    void RestoreProgress(const PuzzleImage& image, const ProgressExtras& extras);

    // The road. Every change of the player is one step of the history: an
    // edit, a reset, a snapshot put back, a blank mark. Undo and redo never
    // give time back (EditHistory).
    void Apply(const Edit& change);
    void Undo();
    void Redo();
    // Clears entries, marks, levels and the clock.
    void Reset();
    // Puts snapshot n (1..4) back; no evaluation.
    void RestoreSnapshot(int n);
    // Takes a snapshot into a free (or the oldest) slot; returns it, 0 when
    // the kind keeps none.
    int TakeSnapshot(double now);
    void SetBlankMark(int col, int row, bool on);
    // No step for the following.
    void SetShowSolution(bool on);
    void SetMarkTag(int tag);
    void SetClock(std::uint16_t elapsed, bool running);
    // Modifier keys held while words are dropped and lines marked.
    void SetShiftHeld(bool held) { session_.flags.ShiftHeld = held; }
    void SetCtrlHeldWordSearch(bool held) { session_.flags.CtrlHeldKind12 = held; }
    void SetCtrlHeldReverse(bool held) { session_.flags.CtrlHeldReverse = held; }
    // The clue list's solved mark of an entry in its lists and the word's
    // WordSolvedMark, not an edit of the entries: no undo point. False when
    // the lists hold no such entry.
    bool SetEntrySolved(LegendLists& lists, int entry, bool across, bool solved);
    bool MarkWordSolved(LegendLists& lists, int wordIndex, bool across, bool solved);
    // The player's own tick on a clue-list entry: toggled in the lists (the
    // entry hidden with it when `hide`) and kept here, not in the record, so
    // that rebuilt lists show it again. A reported solved or broken word, and
    // a reset, replace it.
    void ToggleOwnTick(LegendLists& lists, bool across, int entry, bool hide);
    void RestoreOwnTicks(LegendLists& lists) const;
    // The own ticks as the progress file keeps them.
    std::vector<ProgressExtras::Tick> OwnTicks() const;
    // Judges the puzzle; a message to show comes as CompletionRequested (the
    // one about a full but wrong grid at most once in a run).
    void Evaluate();

signals:
    void Changed(const GameChange& change);
    // The evaluation asks for a message box (the frame shows it).
    void CompletionRequested(const CompletionNotice& notice);
    // The evaluation recorded a new best time or stopped the clock.
    void BestTimeChanged();
    // What undo and redo can do has changed.
    void StepsChanged();

private:
    // After the history moved the record a step back or forward.
    void StepTaken();
    // Derive, say, evaluate: the tail every step shares.
    void Finish(GameChange change);
    void DeriveAids();
    // Opens a step of the history; Finish closes it.
    void Remember();

    PuzzleSession& session_;
    QImage picture_;
    std::string recordBytes_;
    std::string pictureBytes_;
    CandidateTable candidates_{};
    int markTag_ = 0;
    SnapshotStore snapshots_;
    EditHistory undo_;
    bool stepOpen_ = false;
    bool restored_ = false; // a saved progress replaced the loaded state
    // Own ticks by entry: (false, word index) for words, (across, -line) for lines.
    std::map<std::pair<bool, int>, bool> ownTicks_;
    bool wrongTold_ = false; // "…nicht korrekt gelöst!" was shown in this run
};
