// The board's keyboard and mouse input: direction, selection, typing,
// deleting, the word-search line, the jump to a word, tooltips and hints.
#include "BoardCommands.h"
#include "BoardHost.h"
#include "ClueListLink.h"
#include "CommandIds.h"
#include "Cp1252.h"
#include "Edits.h"
#include "HinweisDialog.h"
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

// The hexadecimal value of a Sudoku key, 0 when it is none.
int SymbolKeyValue(QChar ch) {
    if (ch >= QLatin1Char('1') && ch <= QLatin1Char('9')) return ch.unicode() - '0';
    if (ch >= QLatin1Char('A') && ch <= QLatin1Char('C')) return ch.unicode() - 'A' + 10;
    if (ch >= QLatin1Char('a') && ch <= QLatin1Char('c')) return ch.unicode() - 'a' + 10;
    return 0;
}

bool IsPlainLetter(QChar ch) {
    return (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z')) ||
           (ch >= QLatin1Char('a') && ch <= QLatin1Char('z'));
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

bool TRaetselForm::RaetselKeyPress(QKeyEvent* event) {
    PuzzleImage& im = session_.image();
    const int kind = im.PuzzleKind;
    if (IsWordSearch(kind)) return true;
    const QString text = event->text();
    if (text.isEmpty()) return false;
    const int c = raetsel_->Col();
    const int r = raetsel_->Row();
    if (c < 1 || r < 1 || Blocked(c, r)) return true;
    const QChar ch = text.at(0);
    const std::string letter(1, ch.toUpper().toLatin1());
    bool accepted = false;
    if (IsSudokuKind(kind)) {
        const int value = SymbolKeyValue(ch);
        accepted = ch == QLatin1Char(' ') || (value >= 1 && value <= im.ColumnCount);
        // A given symbol stays; the key still counts as accepted.
        if (accepted && !im.cell(c, r).has(CellFlag::SolutionOrGiven)) {
            RunEdit([&] {
                SetEnteredLetter(session_.puzzle, c, r, letter);
                EditOutcome out;
                out.Evaluate = false;
                return out;
            });
        }
    } else if (ch == QLatin1Char(' ') || IsPlainLetter(ch)) {
        accepted = true;
        const bool across = cursor_.InputDirection == 1;
        RunEdit([&] {
            SetEnteredLetter(session_.puzzle, c, r, letter);
            EditOutcome out;
            out.Cells.push_back({c, r});
            if (auto report = WordReportAt(im, c, r, across, true, true))
                out.Reports.push_back(*report);
            out.Evaluate = false; // once the cursor has moved on
            return out;
        });
        // Advance along the word; the grid runs the selection for the new cell.
        if (cursor_.InputDirection == 1 && c + 1 <= im.ColumnCount && !im.cell(c + 1, r).isBlock())
            raetsel_->SelectCell(c + 1, r);
        else if (cursor_.InputDirection == 2 && r + 1 <= im.RowCount &&
                 !im.cell(c, r + 1).isBlock())
            raetsel_->SelectCell(c, r + 1);
    }
    if (!accepted) {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        DecideDirection(c, r, enter);
        return true;
    }
    RunEvaluation();
    RepaintCell(raetsel_->Col(), raetsel_->Row());
    return true;
}

bool TRaetselForm::RaetselKeyDown(QKeyEvent* event) {
    PuzzleImage& im = session_.image();
    const int kind = im.PuzzleKind;
    if (IsWordSearch(kind)) return false;
    const int key = event->key();
    if (key != Qt::Key_Delete && !(key == Qt::Key_Backspace && IsWordKind(kind))) return false;
    const int c = raetsel_->Col();
    const int r = raetsel_->Row();
    if (c < 1 || r < 1) return true;
    const bool open =
        !im.cell(c, r).has(CellFlag::Block) && !im.cell(c, r).has(CellFlag::PlacedBlock);
    const bool across = cursor_.InputDirection == 1;
    // Clearing a letter breaks the word through it; no evaluation.
    const auto clear = [&](int col, int row) {
        SetEnteredLetter(session_.puzzle, col, row, "");
        EditOutcome out;
        out.Cells.push_back({col, row});
        if (auto report = WordReportAt(im, col, row, across, false, false))
            out.Reports.push_back(*report);
        out.Evaluate = false;
        return out;
    };
    if (key == Qt::Key_Delete) {
        if (open) RunEdit([&] { return clear(c, r); });
        return true;
    }
    // Backspace deletes the letter before the cursor and moves onto it.
    const bool left = open && c > 1 && !Blocked(c - 1, r);
    const bool up = open && r > 1 && !Blocked(c, r - 1);
    int nc = c, nr = r;
    if (cursor_.InputDirection == 1) {
        if (left) nc = c - 1;
    } else if (cursor_.InputDirection == 2) {
        if (up) nr = r - 1;
    } else if (left) {
        nc = c - 1;
    } else if (up) {
        nr = r - 1;
    }
    if (nc == c && nr == r) return true;
    RunEdit([&] { return clear(nc, nr); });
    raetsel_->SelectCell(nc, nr);
    return true;
}

void TRaetselForm::RaetselKeyUp(QKeyEvent* event) {
    const auto held = [event](Qt::Key key, Qt::KeyboardModifier modifier) {
        // A released modifier may still be named in the event's modifiers.
        if (event->key() == key) return false;
        return (event->modifiers() & modifier) != 0;
    };
    if (session_.image().ReverseDropAllowed != 0)
        session_.flags.CtrlHeldReverse = held(Qt::Key_Control, Qt::ControlModifier);
    if (session_.settings.EinfacheLegende)
        session_.flags.ShiftHeld = held(Qt::Key_Shift, Qt::ShiftModifier);
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
    PuzzleImage& im = session_.image();
    if (!IsWordSearch(im.PuzzleKind) || event->button() != Qt::LeftButton) return;
    const GridSelection sel = raetsel_->Selection();
    if (sel.Empty()) return;
    const SearchLine line = LineOfSelection(sel.Left, sel.Top, sel.Right, sel.Bottom);
    const bool ctrl = session_.flags.CtrlHeldKind12 || (event->modifiers() & Qt::ControlModifier);
    RunEdit([&] {
        EditOutcome out;
        out.Cells = MarkSearchLine(im, line, ctrl);
        out.Evaluate = false; // after the clue list has heard of the line
        return out;
    });
    if (ClueListLink* clues = ClueList()) {
        const int entry =
            clues->FindEntryByNumber(im.cell(line.Left, line.Top).number(), line.Across);
        ClearSelection();
        if (session_.settings.AutomatischMarkieren && entry >= 0) {
            const int wordLength = static_cast<int>(clues->EntryWord(entry, line.Across).size());
            if (line.Length == wordLength || ctrl) clues->SetEntrySolved(entry, line.Across, !ctrl);
        }
    }
    RunEvaluation();
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
