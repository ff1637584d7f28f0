// The board's commands: blank mark, reveal, word entry, dropped words, clue,
// look-up, zoom, the display toggles, field marking and snapshots.
#include "BoardCommands.h"

#include "BegriffDialog.h"
#include "BoardHost.h"
#include "BoardToolbar.h"
#include "BoardView.h"
#include "ClueListLink.h"
#include "CommandIds.h"
#include "Cp1252.h"
#include "Edits.h"
#include "ModalRunner.h"
#include "PuzzleEvents.h"
#include "PuzzleGame.h"
#include "Session.h"
#include "StringGrid.h"
#include "TextUtil.h"
#include "UiCommand.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
QString FromCp1252(std::string_view text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}
} // namespace

double DayCount(const QDateTime& when) {
    static const QDate Epoch(1899, 12, 30);
    return static_cast<double>(Epoch.daysTo(when.date())) +
           when.time().msecsSinceStartOfDay() / 86400000.0;
}

QString SnapshotTimeText(double dayCount) {
    const double fraction = dayCount - std::floor(dayCount);
    const QTime time = QTime::fromMSecsSinceStartOfDay(
        static_cast<int>(std::lround(fraction * 86400000.0)) % 86400000);
    // The German long time format; the zone some locales add is left out.
    const QLocale german(QLocale::German, QLocale::Germany);
    QString format = german.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+")));
    return german.toString(time, format.trimmed());
}

BoardCommands::BoardCommands(BoardView& board) : board_(board) {}

BoardCommands::~BoardCommands() {
    if (!registry_) return;
    for (CommandId id :
         {CommandId::ZoomIn, CommandId::ZoomOut, CommandId::FitToWindow, CommandId::ShowFail,
          CommandId::ShowLengths, CommandId::ShowHints, CommandId::BlankField,
          CommandId::RevealLetter, CommandId::EnterWord, CommandId::ShowClue, CommandId::LookUp,
          CommandId::CloseBoard, CommandId::SnapshotTake})
        registry_->Get(id).Clear();
    for (int tag = 0; tag <= DuoMarkTag; ++tag) registry_->Get(MarkCommand(tag)).Clear();
    for (int n = 1; n <= 4; ++n) registry_->Get(SnapshotCommand(n)).Clear();
}

void BoardCommands::Register(CommandRegistry& commands) {
    registry_ = &commands;
    BoardView& b = board_;
    PuzzleSession& session = b.Session();
    BoardHost& host = b.Host();
    const int kind = session.image().PuzzleKind;
    const auto solutionOff = [&session] { return !session.flags.ShowSolution; };
    const auto current = [&b] { return b.CommandCell(); };

    UiCommand& zoomIn = commands.Get(CommandId::ZoomIn);
    zoomIn.SetHandler([&b] { b.Zoom(1); });
    zoomIn.SetRules({}, {});
    UiCommand& zoomOut = commands.Get(CommandId::ZoomOut);
    zoomOut.SetHandler([&b] { b.Zoom(-1); });
    zoomOut.SetRules({}, {});
    UiCommand& fit = commands.Get(CommandId::FitToWindow);
    fit.SetHandler([&b] { b.SetFitToWindow(!b.FitToWindow()); });
    fit.SetRules({}, {}, [&b] { return b.FitToWindow(); });

    UiCommand& fail = commands.Get(CommandId::ShowFail);
    fail.SetHandler([this] { ToggleShowFail(); });
    fail.SetRules([&host] { return host.AidAllowed(AidFlag::MarkWrong); }, {},
                  [&session] { return session.settings.FehlerZeigen; });

    UiCommand& lengths = commands.Get(CommandId::ShowLengths);
    lengths.SetHandler([this] { ToggleShowLengths(); });
    lengths.SetRules([kind] { return IsFenceKind(kind) || IsSudokuKind(kind); }, {},
                     [&session, kind] {
                         return IsSudokuKind(kind) ? session.settings.MoeglicheZahlenZeigen
                                                   : session.settings.LaengenZeigen;
                     });

    UiCommand& hints = commands.Get(CommandId::ShowHints);
    hints.SetHandler([this] { ToggleShowHints(); });
    hints.SetRules([kind] { return !IsSudokuKind(kind); }, {},
                   [&session] { return session.settings.HinweiseZeigen; });

    UiCommand& blank = commands.Get(CommandId::BlankField);
    blank.SetHandler([this, &b, &session] {
        const int c = b.Grid()->Col(), r = b.Grid()->Row();
        SetBlankMark(c >= 0 && r >= 0 && !session.image().cell(c, r).has(CellFlag::PlacedBlock));
    });
    blank.SetRules([kind, solutionOff] { return HasPlacedBlocks(kind) && solutionOff(); }, {},
                   [&session, current] {
                       const QPoint c = current();
                       return c.x() >= 0 && c.y() >= 0 &&
                              session.image().cell(c.x(), c.y()).has(CellFlag::PlacedBlock);
                   });

    UiCommand& reveal = commands.Get(CommandId::RevealLetter);
    reveal.SetHandler([this] { MItemPlayBuchstEintragenClick(); });
    reveal.SetRules(
        [kind, &host, solutionOff] {
            return !IsWordSearch(kind) && host.AidAllowed(AidFlag::MarkWrong) && solutionOff();
        },
        [&b, current] {
            const QPoint c = current();
            return !b.Blocked(c.x(), c.y());
        });

    UiCommand& word = commands.Get(CommandId::EnterWord);
    word.SetHandler([this] { MItemPlayBegriffEintragenClick(); });
    word.SetRules([kind, solutionOff] { return HasWordEntry(kind) && solutionOff(); },
                  [&b, &session, current] {
                      const QPoint c = current();
                      return c.x() >= 1 && c.y() >= 1 &&
                             WordNumberAt(session.image(), c.x(), c.y(), b.InputAcross()) > 0;
                  });

    const auto clues = [kind, &host, solutionOff] {
        return solutionOff() && IsWordKind(kind) &&
               (!IsFenceKind(kind) || host.AidAllowed(AidFlag::MarkWrong));
    };
    UiCommand& clue = commands.Get(CommandId::ShowClue);
    clue.SetHandler([this] { MItemPlayUmschreibungClick(); });
    clue.SetRules(clues, {});
    UiCommand& lookUp = commands.Get(CommandId::LookUp);
    lookUp.SetHandler([this] { MItemPlayNachschlagenClick(); });
    lookUp.SetRules(clues, {});

    UiCommand& close = commands.Get(CommandId::CloseBoard);
    close.SetHandler([&host] { host.CloseProgram(); });
    close.SetRules({}, {});

    // Field marking: one command per choice; the choice shows as checked.
    const int columns = session.image().ColumnCount;
    std::vector<UiCommand*> marks;
    for (int tag = 0; tag <= DuoMarkTag; ++tag) {
        UiCommand& mark = commands.Get(MarkCommand(tag));
        mark.SetHandler([this, tag] { MItemPlayMarkKeineClick(tag); });
        mark.SetRules(
            [kind, tag, columns] {
                return IsSudokuKind(kind) && (tag == 0 || tag == DuoMarkTag || tag <= columns);
            },
            {}, [&b, tag] { return b.Game().MarkTag() == tag; });
        marks.push_back(&mark);
    }

    // Snapshots in the untimed Sudoku; a restore entry shows once its slot is held.
    UiCommand& take = commands.Get(CommandId::SnapshotTake);
    take.SetHandler([this] { MItemPlaySnapErstellenClick(); });
    take.SetRules([kind] { return HasSnapshots(kind); }, {});
    std::vector<UiCommand*> restores;
    for (int n = 1; n <= SnapshotStore::SlotCount; ++n) {
        UiCommand& restore = commands.Get(SnapshotCommand(n));
        restore.SetHandler([this, n] { MItemPlaySnap1Click(n); });
        restore.SetRules(
            [kind, &b, n] { return HasSnapshots(kind) && b.Game().Snapshots().Held(n); }, {});
        restore.SetTexts(
            [&b, n] {
                if (!b.Game().Snapshots().Held(n)) return QString::number(n);
                return QStringLiteral("%1: %2 h")
                    .arg(n)
                    .arg(SnapshotTimeText(b.Game().Snapshots().TakenAt(n)));
            },
            [&b, n] {
                if (!b.Game().Snapshots().Held(n))
                    return QStringLiteral("Den Rätsel-Schnappschuss wiederherstellen");
                return QStringLiteral("Den Schnappschuss von %1 h wiederherstellen")
                    .arg(SnapshotTimeText(b.Game().Snapshots().TakenAt(n)));
            });
        restores.push_back(&restore);
    }

    // Every command may change what the others show.
    std::vector<UiCommand*> all = {&zoomIn, &zoomOut, &fail, &lengths, &hints,
                                   &blank,  &reveal,  &word, &take};
    all.insert(all.end(), marks.begin(), marks.end());
    all.insert(all.end(), restores.begin(), restores.end());
    for (UiCommand* c : all)
        QObject::connect(c, &UiCommand::Ran, b.View(), [&b] { b.UpdateToolbar(); });
}

void BoardCommands::MItemPlayMarkKeineClick(int tag) {
    board_.Game().SetMarkTag(tag);
}

void BoardCommands::MItemPlaySnapErstellenClick() {
    board_.Game().TakeSnapshot(DayCount(QDateTime::currentDateTime()));
}

void BoardCommands::MItemPlaySnap1Click(int n) {
    board_.Game().RestoreSnapshot(n);
}

void BoardCommands::SetBlankMark(bool on) {
    board_.Game().SetBlankMark(board_.Grid()->Col(), board_.Grid()->Row(), on);
}

void BoardCommands::MItemPlayBuchstEintragenClick() {
    if (!board_.Host().AidAllowed(AidFlag::InsertLetter)) return;
    const int c = board_.Grid()->Col();
    const int r = board_.Grid()->Row();
    if (c < 1 || r < 1) return;
    board_.Game().Apply(edit::Reveal{c, r});
}

void BoardCommands::MItemPlayBegriffEintragenClick() {
    PuzzleSession& session = board_.Session();
    const PuzzleImage& im = board_.Game().Image();
    const int c = board_.Grid()->Col();
    const int r = board_.Grid()->Row();
    if (c < 1 || r < 1) return;
    const bool across = board_.InputAcross();
    const WordInfo w = WordAt(im, c, r, {false, false, across});
    // Without a numbered start cell there is no word to write into.
    if (w.Number <= 0) return;

    TWordEditDlg dlg(session.settings, board_.Host().DialogParent());
    dlg.setWindowTitle(QStringLiteral("Gesuchten Begriff eingeben"));
    if (!IsCrosswordKind(im.PuzzleKind)) {
        dlg.LblBegriff()->setText(QStringLiteral("Begriff mit %1 Buchstaben :").arg(w.Length));
    } else {
        const std::string_view clue =
            w.WordIndex >= 0 ? im.Words[w.WordIndex].ClueText.view() : std::string_view();
        dlg.LblBegriff()->setText(FromCp1252(clue) + QStringLiteral(" :"));
    }
    dlg.WordData = FromCp1252(board_.CurrentWordLetters(true));
    if (RunModal(dlg) != QDialog::Accepted) return;

    const std::string text = NormalizeWord(Utf8ToCp1252(dlg.WordData.toStdString()), 15);
    const CellPos start = FindCellByNumber(im, w.Number);
    edit::WriteWord write;
    write.Col = start.Column;
    write.Row = start.Row;
    write.Across = across;
    write.Text = text;
    write.WordIndex = w.WordIndex;
    board_.Game().Apply(write);
}

bool BoardCommands::RaetselDragOver(const QObject* source, int col, int row) {
    const PuzzleImage& im = board_.Session().image();
    ClueListLink* clues = board_.ClueList();
    if (!clues || !IsFenceKind(im.PuzzleKind)) return false;
    if (col < 1 || row < 1 || col > im.ColumnCount || row > im.RowCount) return false;
    const std::int32_t n = im.cell(col, row).CellNumber;
    return n > 0 && n < 200 && clues->DragSourceList(source) >= 0;
}

void BoardCommands::RaetselDragDrop(const QObject* source, int col, int row) {
    ClueListLink* clues = board_.ClueList();
    if (!clues) return;
    PuzzleGame& game = board_.Game();
    const PuzzleImage& im = game.Image();
    if (col < 1 || row < 1 || col > im.ColumnCount || row > im.RowCount) return;
    const int list = clues->DragSourceList(source);
    const std::optional<ClueEntryWord> entry = clues->FocusedEntry(list == 1);
    if (!entry) return;
    edit::WriteWord drop;
    drop.Col = col;
    drop.Row = row;
    drop.Across = clues->TwoLists() ? list == 1 : !game.Flags().ShiftHeld;
    drop.Backwards = game.Flags().CtrlHeldReverse && im.ReverseDropAllowed != 0;
    drop.Text = entry->Word;
    drop.WordIndex = entry->WordIndex;
    drop.ReportWhenFilled = true;
    drop.Evaluate = false; // after the drop cell has become current
    game.Apply(drop);
    board_.Grid()->SelectCell(col, row);
    game.Evaluate();
}

void BoardCommands::MItemPlayUmschreibungClick() {
    const PuzzleImage& im = board_.Session().image();
    std::string pattern = board_.CurrentWordLetters(true);
    std::replace(pattern.begin(), pattern.end(), ' ', '?');
    const int index = FindWord(im, board_.CurrentWordNumber(), board_.InputDirection() != 2);
    if (index < 0) return;
    const WordRecord& word = im.Words[index];
    if (word.WordReversed) pattern = ReverseText(pattern);
    if (word.ClueText.empty()) return;
    QMessageBox box(QMessageBox::Information, FromCp1252(pattern), FromCp1252(word.ClueText.view()),
                    QMessageBox::Ok, board_.Host().DialogParent());
    RunModal(box);
}

void BoardCommands::MItemPlayNachschlagenClick() {
    const std::string word = ProperCase(board_.CurrentWordLetters(true));
    if (word.find(' ') != std::string::npos) {
        QMessageBox box(
            QMessageBox::Critical, QStringLiteral("Fehler"),
            QStringLiteral(
                "Sie können nur komplett gelöste Begriffe im Online-Lexikon nachschlagen."),
            QMessageBox::Ok, board_.Host().DialogParent());
        RunModal(box);
        return;
    }
    QDesktopServices::openUrl(LookupUrl(word));
}

void BoardCommands::ToggleShowFail() {
    Settings& s = board_.Session().settings;
    s.FehlerZeigen = !s.FehlerZeigen;
    board_.RepaintGrid();
    emit board_.Host().Events().ErrorMarkingChanged();
}

void BoardCommands::ToggleShowLengths() {
    Settings& s = board_.Session().settings;
    const int kind = board_.Session().image().PuzzleKind;
    if (IsFenceKind(kind)) s.LaengenZeigen = !s.LaengenZeigen;
    if (IsSudokuKind(kind)) s.MoeglicheZahlenZeigen = !s.MoeglicheZahlenZeigen;
    board_.RepaintGrid();
}

void BoardCommands::ToggleShowHints() {
    Settings& s = board_.Session().settings;
    s.HinweiseZeigen = !s.HinweiseZeigen;
}
