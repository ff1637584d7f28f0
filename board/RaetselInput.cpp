// The board's keyboard and mouse input: direction, selection, typing,
// deleting, the word-search line, the jump to a word, tooltips and hints.
#include "BoardCommands.h"
#include "BoardHost.h"
#include "ClueListLink.h"
#include "CommandIds.h"
#include "Cp1252.h"
#include "Edits.h"
#include "GameEdit.h"
#include "HinweisDialog.h"
#include "PuzzleGame.h"
#include "RaetselFormular.h"
#include "Session.h"
#include "StringGrid.h"
#include "UiCommand.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollArea>

#include <algorithm>
#include <cstdlib>

namespace {
QString FromCp1252(std::string_view text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}

} // namespace

QString StatusHintFor(const PuzzleImage& im, int col, int row) {
    const int kind = im.PuzzleKind;
    if (HasHeaderNumbers(kind)) {
        if (col == 0 && row == 0) return {};
        if (row == 0) return QStringLiteral("Die in der Legende angezeigte Spaltennummer");
        if (col == 0) return QStringLiteral("Die in der Legende angezeigte Zeilennummer");
        const CellRecord& cell = im.cell(col, row);
        if (cell.has(CellFlag::PlacedBlock))
            return QStringLiteral("Dieses Feld ist manuell als Leerfeld festgelegt");
        if (cell.has(CellFlag::SolutionOrGiven))
            return QStringLiteral("Dieses Feld enthält einen Buchstaben des Lösungswortes");
        return QStringLiteral("Dieses Feld enthält einen Buchstaben");
    }
    const CellRecord& cell = im.cell(col, row);
    if (cell.isBlock()) return QStringLiteral("Dieses Feld ist ein Leerfeld");
    if (IsSudokuKind(kind)) {
        return cell.has(CellFlag::SolutionOrGiven)
                   ? QStringLiteral("Dieses Feld enthält ein vorgegebenes Symbol")
                   : QStringLiteral("Dieses Feld enthält ein zu erratendes Symbol");
    }
    // Flag 4 without a solution word: a cell the puzzle highlights (an imported
    // crossword's circles), which belongs to no solution word.
    if (cell.has(CellFlag::SolutionOrGiven))
        return HasSolutionWord(kind)
                   ? QStringLiteral("Dieses Feld enthält einen Buchstaben des Lösungswortes")
                   : QStringLiteral("Dieses Feld enthält einen hervorgehobenen Buchstaben");
    return QStringLiteral("Dieses Feld enthält einen Buchstaben");
}

bool TRaetselForm::RaetselSelectCell(int col, int row, bool fromGrid) {
    if (col < 1 || row < 1) return false;
    cursor_.PrevCol = raetsel_->Col();
    cursor_.PrevRow = raetsel_->Row();
    const PuzzleImage& im = session_.image();
    const bool moved = col != cursor_.PrevCol || row != cursor_.PrevRow;
    if (!IsSudokuKind(im.PuzzleKind)) {
        if (fromGrid) DecideDirection(col, row, false);
        if (moved || !fromGrid) {
            cursor_.PrevWord = cursor_.CurrentWord;
            cursor_.CurrentWord = WordAt(im, col, row, {true, false, cursor_.InputDirection != 2});
            ClueListLink* clues = IsCrosswordKind(im.PuzzleKind) ? ClueList() : nullptr;
            if (clues && cursor_.CurrentWord.Number > 0 && cursor_.CurrentWord.Number < 200)
                clues->FocusEntryByNumber(cursor_.CurrentWord.Number, cursor_.InputDirection == 1);
        }
        if (session_.settings.AktuellenBegriffMarkieren && moved) MoveHighlight(col, row);
    }
    // The cursor moves with the repaint of both cells.
    RepaintCell(cursor_.PrevCol, cursor_.PrevRow);
    RepaintCell(col, row);
    const QRect cell = CellRect(col, row);
    scrollBox_->ensureVisible(cell.center().x(), cell.center().y(), session_.settings.Feldgroesse,
                              session_.settings.Feldgroesse);
    UpdateToolbar(col, row);
    return true;
}

void TRaetselForm::MoveHighlight(int col, int row) {
    // The painter decides the highlight when the cells are drawn; here only the
    // cells whose highlight changes are invalidated. RepaintRun stops at blocked
    // cells (the player's blank marks in kinds 10 and 11) and skips a blocked start.
    if (cursor_.PrevInputDirection == cursor_.InputDirection && cursor_.InputDirection != 0 &&
        !Blocked(cursor_.PrevCol, cursor_.PrevRow) && !Blocked(col, row)) {
        // Moving inside the highlighted run (typing along a word) changes no highlight.
        const bool across = cursor_.InputDirection == 1;
        if (across ? cursor_.PrevRow == row : cursor_.PrevCol == col) {
            const int from =
                std::min(across ? cursor_.PrevCol : cursor_.PrevRow, across ? col : row);
            const int to = std::max(across ? cursor_.PrevCol : cursor_.PrevRow, across ? col : row);
            bool open = true;
            for (int i = from; i <= to && open; ++i)
                open = !(across ? Blocked(i, row) : Blocked(col, i));
            if (open) return;
        }
    }
    RepaintRun(cursor_.PrevCol, cursor_.PrevRow, cursor_.PrevInputDirection);
    RepaintRun(col, row, cursor_.InputDirection);
}

void TRaetselForm::DecideDirection(int col, int row, bool sameCell) {
    const PuzzleImage& im = session_.image();
    const auto blocked = [this](int c, int r) { return Blocked(c, r); };
    cursor_.PrevInputDirection = cursor_.InputDirection;
    std::uint8_t d = cursor_.InputDirection;
    if (d == 0) {
        if (!blocked(col + 1, row)) d = 1;
        if (d == 0 && !blocked(col, row + 1)) d = 2;
    }
    if (sameCell) {
        if (d == 1) {
            if (!blocked(col, row + 1)) d = 2;
        } else if (d == 2) {
            if (!blocked(col + 1, row)) d = 1;
        }
    } else {
        if (d == 1 && blocked(col + 1, row) && !(blocked(col, row + 1) && blocked(col, row - 1)))
            d = 2;
        if (d == 2 && blocked(col, row + 1) && !(blocked(col + 1, row) && blocked(col - 1, row)))
            d = 1;
    }
    cursor_.InputDirection = d;
    RepaintCell(col, row);
    if (d == cursor_.PrevInputDirection) return;
    cursor_.PrevWord = cursor_.CurrentWord;
    cursor_.CurrentWord = WordAt(im, col, row, {true, false, d != 2});
    if (IsCrosswordKind(im.PuzzleKind)) {
        ClueListLink* clues = ClueList();
        if (clues && clues->ClueListVisible() && cursor_.CurrentWord.Number > 0 &&
            cursor_.CurrentWord.Number < 200)
            clues->FocusEntryByNumber(cursor_.CurrentWord.Number, d == 1);
    }
    if (session_.settings.AktuellenBegriffMarkieren) {
        MoveHighlight(col, row);
        // The run through this cell in the old direction loses its highlight too.
        RepaintRun(col, row, cursor_.PrevInputDirection);
    }
}

bool TRaetselForm::TypeKey(const InputKey& key, bool enter) {
    const int c = raetsel_->Col();
    const int r = raetsel_->Row();
    const KeyAction act = InterpretKey(game_.Image(), {c, r, cursor_.InputDirection}, key);
    if (!act.Accepted) {
        if (key.Key == InputKey::Named::None) DecideDirection(c, r, enter);
        return key.Key == InputKey::Named::None;
    }
    if (act.Change) game_.Apply(*act.Change);
    // The grid runs the selection for the new cell.
    if (act.MoveTo) raetsel_->SelectCell(act.MoveTo->Column, act.MoveTo->Row);
    // Typing is judged once the cursor has moved on; deleting never.
    if (act.Evaluate) {
        game_.Evaluate();
        RepaintCell(raetsel_->Col(), raetsel_->Row());
    }
    return true;
}

bool TRaetselForm::RaetselKeyPress(QKeyEvent* event) {
    const QString text = event->text();
    if (IsWordSearch(game_.Image().PuzzleKind)) return true;
    if (text.isEmpty()) return false;
    InputKey key;
    key.Char = text.at(0).unicode();
    return TypeKey(key, event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
}

bool TRaetselForm::RaetselKeyDown(QKeyEvent* event) {
    InputKey key;
    if (event->key() == Qt::Key_Delete)
        key.Key = InputKey::Named::Delete;
    else if (event->key() == Qt::Key_Backspace)
        key.Key = InputKey::Named::Backspace;
    else
        return false;
    return TypeKey(key, false);
}

void TRaetselForm::RaetselKeyUp(QKeyEvent* event) {
    const auto held = [event](Qt::Key key, Qt::KeyboardModifier modifier) {
        // A released modifier may still be named in the event's modifiers.
        if (event->key() == key) return false;
        return (event->modifiers() & modifier) != 0;
    };
    if (game_.Image().ReverseDropAllowed != 0)
        game_.SetCtrlHeldReverse(held(Qt::Key_Control, Qt::ControlModifier));
    if (session_.settings.EinfacheLegende)
        game_.SetShiftHeld(held(Qt::Key_Shift, Qt::ShiftModifier));
    if (ClueListLink* clues = ClueList()) clues->UpdateDragCursor();
}

void TRaetselForm::RaetselMouseDown(QMouseEvent* event) {
    const int kind = session_.image().PuzzleKind;
    if (!IsWordKind(kind)) return;
    int c = -1, r = -1;
    if (!raetsel_->MouseToCell(event->position().toPoint(), c, r) || c < 1 || r < 1) return;
    if (event->button() == Qt::LeftButton) {
        // The grid has already selected the cell; a refused one is left alone.
        if (c != raetsel_->Col() || r != raetsel_->Row()) return;
        DecideDirection(c, r, c == cursor_.PrevCol && r == cursor_.PrevRow);
    } else if (event->button() == Qt::RightButton && HasPlacedBlocks(kind)) {
        // The popup's blank command applies to the clicked cell.
        raetsel_->SelectCell(c, r);
    }
}

void TRaetselForm::RaetselMouseUp(QMouseEvent* event) {
    const PuzzleImage& im = game_.Image();
    if (event->button() != Qt::LeftButton) return;
    const GridSelection sel = raetsel_->Selection();
    if (sel.Empty()) return;
    const bool ctrl = game_.Flags().CtrlHeldKind12 || (event->modifiers() & Qt::ControlModifier);
    const std::optional<Edit> mark =
        InterpretLineDrag(im, sel.Left, sel.Top, sel.Right, sel.Bottom, ctrl);
    if (!mark) return;
    const SearchLine line = std::get<edit::MarkLine>(*mark).Line;
    game_.Apply(*mark);
    if (ClueListLink* clues = ClueList()) {
        const int entry =
            clues->FindEntryByNumber(im.cell(line.Left, line.Top).number(), line.Across);
        ClearSelection();
        if (session_.settings.AutomatischMarkieren && entry >= 0) {
            const int wordLength = static_cast<int>(clues->EntryWord(entry, line.Across).size());
            if (line.Length == wordLength || ctrl) clues->SetEntrySolved(entry, line.Across, !ctrl);
        }
    }
    game_.Evaluate();
}

void TRaetselForm::RaetselDblClick(QMouseEvent*) {
    UiCommand& reveal = host_.Commands().Get(CommandId::RevealLetter);
    if (reveal.Visible() && reveal.Enabled()) commands_->MItemPlayBuchstEintragenClick();
}

void TRaetselForm::SelectWordByNumber(int number, bool across) {
    const CellPos cell = FindCellByNumber(session_.image(), number);
    if (cell.Column >= 1 && cell.Column < raetsel_->ColCount())
        raetsel_->SetCurrent(cell.Column, raetsel_->Row());
    if (cell.Row >= 1 && cell.Row < raetsel_->RowCount())
        raetsel_->SetCurrent(raetsel_->Col(), cell.Row);
    cursor_.PrevInputDirection = cursor_.InputDirection;
    cursor_.InputDirection = across ? 1 : 2;
    RaetselSelectCell(raetsel_->Col(), raetsel_->Row(), false);
    RepaintGrid();
}

std::string TRaetselForm::CurrentWordLetters(bool fromEntries) const {
    return RunLetters(session_.image(), raetsel_->Col(), raetsel_->Row(),
                      cursor_.InputDirection != 2, fromEntries);
}

int TRaetselForm::CurrentWordNumber() const {
    return RunNumber(session_.image(), raetsel_->Col(), raetsel_->Row(),
                     cursor_.InputDirection == 2);
}

void TRaetselForm::RaetselMouseMove(QMouseEvent* event) {
    int c = -1, r = -1;
    if (!raetsel_->MouseToCell(event->position().toPoint(), c, r)) c = r = -1;
    if (c == cursor_.HoverCol && r == cursor_.HoverRow) return;
    THintForm::CloseIfVisible();
    if (c >= 0 && r >= 0) {
        if (session_.settings.HinweiseZeigen) ShowTooltip(c, r, event->globalPosition().toPoint());
        const QString hint = StatusHintFor(session_.image(), c, r);
        raetsel_->setStatusTip(hint);
        host_.ShowHint(hint);
    } else {
        // Over no cell there is nothing to tell.
        raetsel_->setStatusTip(QString());
        host_.ShowHint(QString());
    }
    cursor_.HoverCol = c;
    cursor_.HoverRow = r;
}

void TRaetselForm::ShowTooltip(int col, int row, const QPoint& globalMouse) {
    const PuzzleImage& im = session_.image();
    const int kind = im.PuzzleKind;
    const CellRecord& cell = im.cell(col, row);
    const std::int32_t n = cell.CellNumber;
    const QPoint cellCorner = raetsel_->mapToGlobal(CellRect(col, row).topLeft());
    QString text;
    if (IsCrosswordKind(kind)) {
        if (n <= 0 || n >= 200 || col < 1 || row < 1) return;
        if (cell.StartsAcrossWord) text = "W: " + FromCp1252(ClueOf(im, n, true));
        if (cell.StartsDownWord) {
            if (!text.isEmpty()) text += QLatin1Char('\n');
            text += "S: " + FromCp1252(ClueOf(im, n, false));
        }
        if (text.isEmpty()) text = QString::number(n) + raetsel_->statusTip();
        THintForm::Open(host_.DialogParent(), text, globalMouse.x() + 14, globalMouse.y() + 14, 0);
        return;
    }
    if (IsNumberKind(kind)) {
        if (col < 1 || row < 1 || cell.isBlock() || n >= 200) return;
        text = QString::number(CodeOfLetter(im, cell.SolutionLetter.view()));
        THintForm::Open(host_.DialogParent(), text, cellCorner.x() - 3, cellCorner.y(), 12);
        return;
    }
    if (IsFenceKind(kind)) {
        if (!session_.settings.LaengenZeigen || col < 1 || row < 1 || cell.isBlock() || n <= 0 ||
            n >= 200)
            return;
        const int acrossLength = WordLength(im, n, true);
        const int downLength = WordLength(im, n, false);
        if (cell.StartsAcrossWord && cell.StartsDownWord)
            text = QString::number(acrossLength) + " / " + QString::number(downLength);
        else
            text = QString::number(cell.StartsAcrossWord ? acrossLength : downLength);
        THintForm::Open(host_.DialogParent(), text, cellCorner.x() - 3, cellCorner.y(), 12);
        return;
    }
    if (HasHeaderNumbers(kind)) {
        if ((row == 0) == (col == 0)) return; // the corner and the puzzle cells have none
        text = row == 0 ? QString::number(CountCellsInLine(im, col, false, false, CellFlag::Block))
                        : QString::number(CountCellsInLine(im, row, true, false, CellFlag::Block));
        THintForm::Open(host_.DialogParent(), text, cellCorner.x() + 3,
                        cellCorner.y() + raetsel_->Layout().RowHeight(row), 12);
    }
}

void TRaetselForm::TypeFromClueList(int number, bool across, char32_t letter) {
    if (number > 0) {
        SelectWordByNumber(number, across);
        // The word's first free cell; a full word is typed over from its start.
        const PuzzleImage& im = session_.image();
        const WordInfo& word = cursor_.CurrentWord;
        for (int i = 0; i < word.Length; ++i) {
            const int c = word.StartColumn + (word.Across ? i : 0);
            const int r = word.StartRow + (word.Across ? 0 : i);
            if (!IsBlankOrEmpty(im.entry(c, r))) continue;
            if (c != raetsel_->Col() || r != raetsel_->Row()) {
                // Asked first, the selection logic repaints the cell left.
                RaetselSelectCell(c, r, false);
                raetsel_->SetCurrent(c, r);
            }
            break;
        }
    }
    InputKey key;
    key.Char = letter;
    TypeKey(key, false);
}
