// The board's keyboard and mouse input: direction, selection, typing,
// deleting, the word-search line, the jump to a word, tooltips and hints.
#include "ClueListLink.h"
#include "Cp1252.h"
#include "Hauptformular.h"
#include "HinweisDialog.h"
#include "RaetselFormular.h"
#include "Session.h"
#include "StringGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollArea>

#include <algorithm>
#include <cstdlib>

namespace {
bool American(int kind) {
    return kind == 10 || kind == 11;
}

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
    if (kind >= 8 && kind <= 11) {
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
    if (cell.has(CellFlag::SolutionOrGiven))
        return QStringLiteral("Dieses Feld enthält einen Buchstaben des Lösungswortes");
    return QStringLiteral("Dieses Feld enthält einen Buchstaben");
}

void TRaetselForm::UndoPoint() {
    frame_.RememberUndo();
}

ClueListLink* TRaetselForm::ClueList() const {
    if (ClueListSource) return ClueListSource();
    return dynamic_cast<ClueListLink*>(frame_.FindChild(ChildKind::ClueList));
}

bool TRaetselForm::RaetselSelectCell(int col, int row, bool fromGrid) {
    if (col < 1 || row < 1) return false;
    PrevCol = Raetsel->Col();
    PrevRow = Raetsel->Row();
    const PuzzleImage& im = session_.image();
    const bool moved = col != PrevCol || row != PrevRow;
    if (im.PuzzleKind < 14) {
        if (fromGrid) DecideDirection(col, row, false);
        if (moved || !fromGrid) {
            PrevWord = CurrentWord;
            CurrentWord = WordAt(im, col, row, {true, false, InputDirection != 2});
            ClueListLink* clues = im.PuzzleKind <= 1 ? ClueList() : nullptr;
            if (clues && CurrentWord.Number > 0 && CurrentWord.Number < 200)
                clues->FocusEntryByNumber(CurrentWord.Number, InputDirection == 1);
        }
        if (session_.settings.AktuellenBegriffMarkieren && moved) MoveHighlight(col, row);
    }
    // The cursor moves with the repaint of both cells.
    RepaintCell(PrevCol, PrevRow);
    RepaintCell(col, row);
    const QRect cell = CellRect(col, row);
    ScrollBox->ensureVisible(cell.center().x(), cell.center().y(), session_.settings.Feldgroesse,
                             session_.settings.Feldgroesse);
    UpdateToolbar(col, row);
    return true;
}

void TRaetselForm::MoveHighlight(int col, int row) {
    // The painter decides the highlight when the cells are drawn; here only the
    // cells whose highlight changes are invalidated. RepaintRun stops at blocked
    // cells (the player's blank marks in kinds 10 and 11) and skips a blocked start.
    if (PrevInputDirection == InputDirection && InputDirection != 0 && !Blocked(PrevCol, PrevRow) &&
        !Blocked(col, row)) {
        // Moving inside the highlighted run (typing along a word) changes no highlight.
        const bool across = InputDirection == 1;
        if (across ? PrevRow == row : PrevCol == col) {
            const int from = std::min(across ? PrevCol : PrevRow, across ? col : row);
            const int to = std::max(across ? PrevCol : PrevRow, across ? col : row);
            bool open = true;
            for (int i = from; i <= to && open; ++i)
                open = !(across ? Blocked(i, row) : Blocked(col, i));
            if (open) return;
        }
    }
    RepaintRun(PrevCol, PrevRow, PrevInputDirection);
    RepaintRun(col, row, InputDirection);
}

void TRaetselForm::DecideDirection(int col, int row, bool sameCell) {
    const PuzzleImage& im = session_.image();
    const auto blocked = [this](int c, int r) { return Blocked(c, r); };
    PrevInputDirection = InputDirection;
    std::uint8_t d = InputDirection;
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
    InputDirection = d;
    RepaintCell(col, row);
    if (d == PrevInputDirection) return;
    PrevWord = CurrentWord;
    CurrentWord = WordAt(im, col, row, {true, false, d != 2});
    if (im.PuzzleKind <= 1) {
        ClueListLink* clues = ClueList();
        if (clues && clues->ClueListVisible() && CurrentWord.Number > 0 && CurrentWord.Number < 200)
            clues->FocusEntryByNumber(CurrentWord.Number, d == 1);
    }
    if (session_.settings.AktuellenBegriffMarkieren) {
        MoveHighlight(col, row);
        // The run through this cell in the old direction loses its highlight too.
        RepaintRun(col, row, PrevInputDirection);
    }
}

void TRaetselForm::ReportWord(bool across, bool solved, bool onlyWhenFull) {
    if (!session_.settings.AutomatischMarkieren) return;
    ClueListLink* clues = ClueList();
    if (!clues) return;
    const WordInfo w =
        WordAt(session_.image(), Raetsel->Col(), Raetsel->Row(), {false, true, across});
    if (w.WordIndex < 0) return;
    if (onlyWhenFull && w.Letters.find(' ') != std::string::npos) return;
    clues->MarkWordSolved(w.WordIndex, across, solved);
}

bool TRaetselForm::RaetselKeyPress(QKeyEvent* event) {
    PuzzleImage& im = session_.image();
    const int kind = im.PuzzleKind;
    if (kind == 12) return true;
    const QString text = event->text();
    if (text.isEmpty()) return false;
    const int c = Raetsel->Col();
    const int r = Raetsel->Row();
    if (c < 1 || r < 1 || Blocked(c, r)) return true;
    const QChar ch = text.at(0);
    bool accepted = false;
    if (IsSudokuKind(kind)) {
        const int value = SymbolKeyValue(ch);
        accepted = ch == QLatin1Char(' ') || (value >= 1 && value <= im.ColumnCount);
        // A given symbol stays; the key still counts as accepted.
        if (accepted && !im.cell(c, r).has(CellFlag::SolutionOrGiven)) {
            UndoPoint();
            SetEnteredLetter(session_.puzzle, c, r, std::string(1, ch.toUpper().toLatin1()));
            RecomputeCandidates();
        }
    } else if (ch == QLatin1Char(' ') || IsPlainLetter(ch)) {
        accepted = true;
        UndoPoint();
        SetEnteredLetter(session_.puzzle, c, r, std::string(1, ch.toUpper().toLatin1()));
        RepaintCell(c, r);
        ReportWord(InputDirection == 1, true, true);
        // Advance along the word; the grid runs the selection for the new cell.
        if (InputDirection == 1 && c + 1 <= im.ColumnCount && !im.cell(c + 1, r).isBlock())
            Raetsel->SelectCell(c + 1, r);
        else if (InputDirection == 2 && r + 1 <= im.RowCount && !im.cell(c, r + 1).isBlock())
            Raetsel->SelectCell(c, r + 1);
    }
    if (!accepted) {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        DecideDirection(c, r, enter);
        return true;
    }
    RunEvaluation();
    RepaintCell(Raetsel->Col(), Raetsel->Row());
    return true;
}

bool TRaetselForm::RaetselKeyDown(QKeyEvent* event) {
    PuzzleImage& im = session_.image();
    const int kind = im.PuzzleKind;
    if (kind == 12) return false;
    const int key = event->key();
    if (key != Qt::Key_Delete && !(key == Qt::Key_Backspace && kind < 12)) return false;
    const int c = Raetsel->Col();
    const int r = Raetsel->Row();
    if (c < 1 || r < 1) return true;
    const bool open =
        !im.cell(c, r).has(CellFlag::Block) && !im.cell(c, r).has(CellFlag::PlacedBlock);
    if (key == Qt::Key_Delete) {
        if (!open) return true;
        UndoPoint();
        SetEnteredLetter(session_.puzzle, c, r, "");
        if (IsSudokuKind(kind))
            RecomputeCandidates();
        else
            RepaintCell(c, r);
        ReportWord(InputDirection == 1, false, false);
        return true;
    }
    // Backspace deletes the letter before the cursor and moves onto it.
    const bool left = open && c > 1 && !Blocked(c - 1, r);
    const bool up = open && r > 1 && !Blocked(c, r - 1);
    int nc = c, nr = r;
    if (InputDirection == 1) {
        if (left) nc = c - 1;
    } else if (InputDirection == 2) {
        if (up) nr = r - 1;
    } else if (left) {
        nc = c - 1;
    } else if (up) {
        nr = r - 1;
    }
    if (nc == c && nr == r) return true;
    UndoPoint();
    SetEnteredLetter(session_.puzzle, nc, nr, "");
    RepaintCell(nc, nr);
    Raetsel->SelectCell(nc, nr);
    ReportWord(InputDirection == 1, false, false);
    return true;
}

void TRaetselForm::RaetselKeyUp(QKeyEvent* event) {
    const auto held = [event](Qt::Key key, Qt::KeyboardModifier modifier) {
        // A released modifier may still be named in the event's modifiers.
        if (event->key() == key) return false;
        return (event->modifiers() & modifier) != 0;
    };
    if (session_.image().ReverseDropAllowed != 0)
        frame_.CtrlHeldReverse = held(Qt::Key_Control, Qt::ControlModifier);
    if (session_.settings.EinfacheLegende)
        frame_.ShiftHeld = held(Qt::Key_Shift, Qt::ShiftModifier);
    if (ClueListLink* clues = ClueList()) clues->UpdateDragCursor();
}

void TRaetselForm::RaetselMouseDown(QMouseEvent* event) {
    const int kind = session_.image().PuzzleKind;
    if (kind >= 12) return;
    int c = -1, r = -1;
    if (!Raetsel->MouseToCell(event->position().toPoint(), c, r) || c < 1 || r < 1) return;
    if (event->button() == Qt::LeftButton) {
        // The grid has already selected the cell; a refused one is left alone.
        if (c != Raetsel->Col() || r != Raetsel->Row()) return;
        DecideDirection(c, r, c == PrevCol && r == PrevRow);
    } else if (event->button() == Qt::RightButton && American(kind)) {
        // The popup's blank command applies to the clicked cell.
        Raetsel->SelectCell(c, r);
    }
}

void TRaetselForm::RaetselMouseUp(QMouseEvent* event) {
    PuzzleImage& im = session_.image();
    if (im.PuzzleKind != 12 || event->button() != Qt::LeftButton) return;
    const GridSelection sel = Raetsel->Selection();
    if (sel.Empty()) return;
    UndoPoint();
    int left = sel.Left, top = sel.Top, right = sel.Right, bottom = sel.Bottom;
    const int width = right - left + 1;
    const int height = bottom - top + 1;
    // A dragged rectangle counts as the line along its longer side.
    if (width > height && height > 1) bottom = top;
    if (height > width && width > 1) right = left;
    const bool across = left < right;
    const int length = across ? right - left + 1 : bottom - top + 1;
    const bool ctrl = frame_.CtrlHeldKind12 || (event->modifiers() & Qt::ControlModifier);
    if (length > 1) {
        for (int c = left; c <= right; ++c) {
            for (int r = top; r <= bottom; ++r) {
                if (c < 1 || r < 1 || c > im.ColumnCount || r > im.RowCount) continue;
                CellRecord& cell = im.cell(c, r);
                if (ctrl)
                    cell.CellFlags &= ~CellFlag::PlayerMark;
                else
                    cell.CellFlags |= CellFlag::PlayerMark;
                RepaintCell(c, r);
            }
        }
    }
    if (ClueListLink* clues = ClueList()) {
        const int entry = clues->FindEntryByNumber(im.cell(left, top).number(), across);
        ClearSelection();
        if (session_.settings.AutomatischMarkieren && entry >= 0) {
            const int wordLength = static_cast<int>(clues->EntryWord(entry, across).size());
            if (length == wordLength || ctrl) clues->SetEntrySolved(entry, across, !ctrl);
        }
    }
    RunEvaluation();
}

void TRaetselForm::RaetselDblClick(QMouseEvent*) {
    if (ButtonVisible("SBBuchstEintragen") && ButtonEnabled("SBBuchstEintragen"))
        MItemPlayBuchstEintragenClick();
}

void TRaetselForm::SelectWordByNumber(int number, bool across) {
    const CellPos cell = FindCellByNumber(session_.image(), number);
    if (cell.Column >= 1 && cell.Column < Raetsel->ColCount())
        Raetsel->SetCurrent(cell.Column, Raetsel->Row());
    if (cell.Row >= 1 && cell.Row < Raetsel->RowCount())
        Raetsel->SetCurrent(Raetsel->Col(), cell.Row);
    PrevInputDirection = InputDirection;
    InputDirection = across ? 1 : 2;
    RaetselSelectCell(Raetsel->Col(), Raetsel->Row(), false);
    RepaintGrid();
}

std::string TRaetselForm::CurrentWordLetters(bool fromEntries) const {
    const PuzzleImage& im = session_.image();
    const int c = Raetsel->Col();
    const int r = Raetsel->Row();
    if (c < 1 || r < 1) return {};
    const bool across = InputDirection != 2;
    const int dc = across ? 1 : 0;
    const int dr = across ? 0 : 1;
    int sc = c, sr = r;
    while ((across ? sc : sr) > 1 && !Blocked(sc - dc, sr - dr)) {
        sc -= dc;
        sr -= dr;
    }
    const int last = across ? im.ColumnCount : im.RowCount;
    std::string letters;
    for (int x = sc, y = sr; (across ? x : y) <= last && !Blocked(x, y); x += dc, y += dr) {
        const Letter& l = fromEntries ? im.entry(x, y) : im.cell(x, y).SolutionLetter;
        letters += l.empty() ? ' ' : l.Chars[0];
    }
    return letters;
}

int TRaetselForm::CurrentWordNumber() const {
    const PuzzleImage& im = session_.image();
    int c = Raetsel->Col();
    int r = Raetsel->Row();
    if (c < 1 || r < 1 || !im.cell(c, r).has(CellFlag::LetterCell)) return 0;
    if (InputDirection == 2) {
        while (r > 1 && !im.cell(c, r - 1).isBlock()) --r;
    } else {
        while (c > 1 && !im.cell(c - 1, r).isBlock()) --c;
    }
    return im.cell(c, r).CellNumber;
}

void TRaetselForm::RaetselMouseMove(QMouseEvent* event) {
    int c = -1, r = -1;
    if (!Raetsel->MouseToCell(event->position().toPoint(), c, r)) c = r = -1;
    if (c == HoverCol && r == HoverRow) return;
    THintForm::CloseIfVisible();
    if (c >= 0 && r >= 0) {
        if (session_.settings.HinweiseZeigen) ShowTooltip(c, r, event->globalPosition().toPoint());
        const QString hint = StatusHintFor(session_.image(), c, r);
        Raetsel->setStatusTip(hint);
        frame_.ShowHint(hint);
    } else {
        // Over no cell there is nothing to tell.
        Raetsel->setStatusTip(QString());
        frame_.ShowHint(QString());
    }
    HoverCol = c;
    HoverRow = r;
}

void TRaetselForm::ShowTooltip(int col, int row, const QPoint& globalMouse) {
    const PuzzleImage& im = session_.image();
    const int kind = im.PuzzleKind;
    const CellRecord& cell = im.cell(col, row);
    const std::int32_t n = cell.CellNumber;
    const QPoint cellCorner = Raetsel->mapToGlobal(CellRect(col, row).topLeft());
    QString text;
    if (kind <= 1) {
        if (n <= 0 || n >= 200 || col < 1 || row < 1) return;
        if (cell.StartsAcrossWord) text = "W: " + FromCp1252(ClueOf(im, n, true));
        if (cell.StartsDownWord) {
            if (!text.isEmpty()) text += QLatin1Char('\n');
            text += "S: " + FromCp1252(ClueOf(im, n, false));
        }
        if (text.isEmpty()) text = QString::number(n) + Raetsel->statusTip();
        THintForm::Open(&frame_, text, globalMouse.x() + 14, globalMouse.y() + 14, 0);
        return;
    }
    if (kind == 2 || kind == 3) {
        if (col < 1 || row < 1 || cell.isBlock() || n >= 200) return;
        text = QString::number(CodeOfLetter(im, cell.SolutionLetter.view()));
        THintForm::Open(&frame_, text, cellCorner.x() - 3, cellCorner.y(), 12);
        return;
    }
    if (kind == 6 || kind == 7) {
        if (!session_.settings.LaengenZeigen || col < 1 || row < 1 || cell.isBlock() || n <= 0 ||
            n >= 200)
            return;
        const int acrossLength = WordLength(im, n, true);
        const int downLength = WordLength(im, n, false);
        if (cell.StartsAcrossWord && cell.StartsDownWord)
            text = QString::number(acrossLength) + " / " + QString::number(downLength);
        else
            text = QString::number(cell.StartsAcrossWord ? acrossLength : downLength);
        THintForm::Open(&frame_, text, cellCorner.x() - 3, cellCorner.y(), 12);
        return;
    }
    if (kind >= 8 && kind <= 11) {
        if ((row == 0) == (col == 0)) return; // the corner and the puzzle cells have none
        text = row == 0 ? QString::number(CountCellsInLine(im, col, false, false, CellFlag::Block))
                        : QString::number(CountCellsInLine(im, row, true, false, CellFlag::Block));
        THintForm::Open(&frame_, text, cellCorner.x() + 3,
                        cellCorner.y() + Raetsel->Layout().RowHeight(row), 12);
    }
}
