#include "PuzzleGame.h"

#include "Queries.h"

#include <utility>

PuzzleGame::PuzzleGame(PuzzleSession& session, QObject* parent)
    : QObject(parent), session_(session) {}

void PuzzleGame::Loaded(QImage picture, std::string pictureBytes) {
    const PuzzleImage& im = session_.puzzle.Image;
    recordBytes_.assign(reinterpret_cast<const char*>(&im), sizeof(PuzzleImage));
    pictureBytes_ = std::move(pictureBytes);
    picture_ = std::move(picture);
    candidates_ = {};
    markTag_ = 0;
    snapshots_.Clear();
    ownTicks_.clear();
    undo_.Clear();
    stepOpen_ = false;
    restored_ = false;
}

void PuzzleGame::RestoreProgress(const PuzzleImage& image, const ProgressExtras& extras) {
    session_.puzzle.Image = image;
    markTag_ = extras.MarkTag;
    snapshots_ = extras.Snapshots;
    ownTicks_.clear();
    for (const ProgressExtras::Tick& t : extras.Ticks) ownTicks_[{t.Across, t.Entry}] = t.Checked;
    undo_.Clear();
    restored_ = true;
}

void PuzzleGame::Start() {
    PuzzleImage& im = session_.puzzle.Image;
    if (!restored_) {
        markTag_ = 0;
        snapshots_.Clear();
    }
    if (IsSudokuKind(im.PuzzleKind)) {
        DeriveAids();
        // A restored game's clock goes on from its saved time.
        if (IsTimedKind(im.PuzzleKind) && !restored_) {
            im.ElapsedSeconds = 0;
            im.ClockRunning = 1;
        }
    }
    // The check state follows the loaded entries.
    RecheckEntries(session_.puzzle);
    GameChange change;
    change.What = GameChange::Cause::Started;
    change.WholeGrid = true;
    emit Changed(change);
}

void PuzzleGame::Close() {
    session_.flags.ShowSolution = false;
}

void PuzzleGame::DeriveAids() {
    FillCandidates(session_.puzzle.Image, candidates_);
    ApplyFieldMarking(session_.puzzle.Image, markTag_);
}

void PuzzleGame::Remember() {
    undo_.Begin(session_.puzzle.Image, {});
    stepOpen_ = true;
}

void PuzzleGame::Finish(GameChange change) {
    // The Sudoku aids follow the entries; the whole grid shows them.
    if (IsSudokuKind(Image().PuzzleKind) && change.What != GameChange::Cause::Clock) {
        DeriveAids();
        change.WholeGrid = true;
    }
    // The clue list marks finished words only when asked to.
    if (!session_.settings.AutomatischMarkieren) change.Reports.clear();
    const bool evaluate = change.Evaluate;
    emit Changed(change);
    // The step closes once the windows took the change in (the clue list's
    // solved marks belong to it) and before the evaluation: the level, the
    // best time and the stopped clock are no part of it.
    if (stepOpen_) {
        stepOpen_ = false;
        undo_.Commit(session_.puzzle.Image, {});
        emit StepsChanged();
    }
    if (evaluate) Evaluate();
}

void PuzzleGame::Apply(const Edit& change) {
    Remember();
    const EditOutcome out = ApplyEdit(session_.puzzle, session_.settings, change);
    GameChange step;
    step.What = GameChange::Cause::Input;
    step.Cells = out.Cells;
    step.WholeGrid = out.WholeGrid;
    step.Reports = out.Reports;
    step.Evaluate = out.Evaluate;
    Finish(std::move(step));
}

void PuzzleGame::Undo() {
    if (undo_.Undo(session_.puzzle.Image, {})) StepTaken();
}

void PuzzleGame::Redo() {
    if (undo_.Redo(session_.puzzle.Image, {})) StepTaken();
}

void PuzzleGame::StepTaken() {
    // The check state is derived from the entries.
    RecheckEntries(session_.puzzle);
    GameChange step;
    step.What = GameChange::Cause::Undo;
    step.WholeGrid = true;
    Finish(std::move(step));
    emit StepsChanged();
}

void PuzzleGame::Reset() {
    Remember();
    ResetEntries(session_.puzzle);
    ownTicks_.clear();
    session_.flags.ShowSolution = false;
    GameChange step;
    step.What = GameChange::Cause::Reset;
    step.WholeGrid = true;
    Finish(std::move(step));
}

void PuzzleGame::RestoreSnapshot(int n) {
    if (!HasSnapshots(Image().PuzzleKind) || !snapshots_.Held(n)) return;
    Remember();
    snapshots_.Restore(n, session_.puzzle);
    GameChange step;
    step.What = GameChange::Cause::Snapshot;
    step.WholeGrid = true;
    Finish(std::move(step));
}

int PuzzleGame::TakeSnapshot(double now) {
    if (!HasSnapshots(Image().PuzzleKind)) return 0;
    const int slot = snapshots_.Take(Image(), now);
    GameChange step;
    step.What = GameChange::Cause::Snapshot;
    emit Changed(step);
    return slot;
}

void PuzzleGame::SetShowSolution(bool on) {
    session_.flags.ShowSolution = on;
    GameChange step;
    step.What = GameChange::Cause::ShowSolution;
    step.WholeGrid = true;
    Finish(std::move(step));
}

void PuzzleGame::SetBlankMark(int col, int row, bool on) {
    if (col < 1 || row < 1) return;
    Remember();
    ::SetBlankMark(session_.puzzle.Image, col, row, on);
    GameChange step;
    step.What = GameChange::Cause::BlankMark;
    step.WholeGrid = true;
    Finish(std::move(step));
}

void PuzzleGame::SetMarkTag(int tag) {
    // The mark bit means "found" in a word search; only Sudokus are marked.
    if (!IsSudokuKind(Image().PuzzleKind)) return;
    markTag_ = tag;
    GameChange step;
    step.What = GameChange::Cause::Marking;
    step.WholeGrid = true;
    Finish(std::move(step));
}

void PuzzleGame::SetClock(std::uint16_t elapsed, bool running) {
    PuzzleImage& im = session_.puzzle.Image;
    if (im.ElapsedSeconds == elapsed && (im.ClockRunning != 0) == running) return;
    im.ElapsedSeconds = elapsed;
    im.ClockRunning = running ? 1 : 0;
    GameChange step;
    step.What = GameChange::Cause::Clock;
    emit Changed(step);
}

namespace {
std::pair<bool, int> TickKey(const LegendEntry& e, bool across) {
    return e.WordIndex >= 0 ? std::pair{false, e.WordIndex} : std::pair{across, -e.LineNumber};
}
} // namespace

bool PuzzleGame::SetEntrySolved(LegendLists& lists, int entry, bool across, bool solved) {
    const std::vector<LegendItem>& list = lists.List(across);
    if (entry >= 0 && entry < static_cast<int>(list.size()))
        ownTicks_.erase(TickKey(list[static_cast<std::size_t>(entry)].Entry, across));
    return ::SetEntrySolved(lists, session_.puzzle.Image, session_.settings, entry, across, solved);
}

bool PuzzleGame::MarkWordSolved(LegendLists& lists, int wordIndex, bool across, bool solved) {
    if (wordIndex >= 0) ownTicks_.erase({false, wordIndex});
    return ::MarkWordSolved(lists, session_.puzzle.Image, session_.settings, wordIndex, across,
                            solved);
}

void PuzzleGame::ToggleOwnTick(LegendLists& lists, bool across, int entry, bool hide) {
    std::vector<LegendItem>& list = lists.List(across);
    if (entry < 0 || entry >= static_cast<int>(list.size())) return;
    LegendItem& item = list[static_cast<std::size_t>(entry)];
    ToggleEntryMark(item, hide);
    ownTicks_[TickKey(item.Entry, across)] = item.Checked;
    GameChange change;
    change.What = GameChange::Cause::Tick;
    emit Changed(change);
}

std::vector<ProgressExtras::Tick> PuzzleGame::OwnTicks() const {
    std::vector<ProgressExtras::Tick> ticks;
    for (const auto& [key, checked] : ownTicks_) ticks.push_back({key.first, key.second, checked});
    return ticks;
}

void PuzzleGame::RestoreOwnTicks(LegendLists& lists) const {
    for (const bool across : {true, false})
        for (LegendItem& item : lists.List(across)) {
            const auto found = ownTicks_.find(TickKey(item.Entry, across));
            if (found == ownTicks_.end()) continue;
            item.Checked = found->second;
            item.Hidden = item.Checked && session_.settings.BegriffeAusblenden;
        }
}

void PuzzleGame::Evaluate() {
    CompletionNotice notice = EvaluateCompletion(session_.puzzle, session_.settings);
    // An undo or a reset lowers the level again; the player is still told of
    // a full but wrong grid only once in the run.
    if (notice.ShowMessage && notice.MessageKind == 0) {
        if (wrongTold_) notice.ShowMessage = false;
        wrongTold_ = true;
    }
    if (notice.RefreshStopwatch) emit BestTimeChanged();
    emit CompletionRequested(notice);
}
