// The board's commands: popup menu, blank mark, reveal, word entry, dropped
// words, clue, look-up, display toggles and the reset of the board.
#include "BegriffDialog.h"
#include "ClueListLink.h"
#include "Cp1252.h"
#include "Evaluation.h"
#include "Hauptformular.h"
#include "MessageDialog.h"
#include "ModalRunner.h"
#include "RaetselFormular.h"
#include "Session.h"
#include "StringGrid.h"
#include "TextUtil.h"

#include <QDesktopServices>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QToolButton>
#include <QUrl>

#include <algorithm>

namespace {
QString FromCp1252(std::string_view text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}

bool IsCp1252Letter(unsigned char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') ||
           (ch >= 0xC0 && ch != 0xD7 && ch != 0xF7);
}

char LowerCp1252(char c) {
    const auto ch = static_cast<unsigned char>(c);
    if ((ch >= 'A' && ch <= 'Z') || (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7))
        return static_cast<char>(ch + 0x20);
    return c;
}

// Runs a method of a side window that may not offer it (yet).
void InvokeIfPresent(QWidget* window, const char* method) {
    if (!window) return;
    const QByteArray signature = QByteArray(method) + "()";
    if (window->metaObject()->indexOfMethod(signature.constData()) >= 0)
        QMetaObject::invokeMethod(window, method, Qt::DirectConnection);
}
} // namespace

std::string ProperCase(std::string_view text) {
    std::string out(text);
    bool start = true;
    for (char& c : out) {
        if (IsCp1252Letter(static_cast<unsigned char>(c))) {
            c = start ? UpperCp1252(c) : LowerCp1252(c);
            start = false;
        } else {
            start = true;
        }
    }
    return out;
}

QUrl LookupUrl(std::string_view word) {
    QUrl url(QStringLiteral("https://de.wikipedia.org"));
    url.setPath(QStringLiteral("/wiki/") + FromCp1252(word));
    return url;
}

void TRaetselForm::ConnectGrid() {
    Raetsel->OnKeyPress = [this](QKeyEvent* e) { return RaetselKeyPress(e); };
    Raetsel->OnKeyDown = [this](QKeyEvent* e) { return RaetselKeyDown(e); };
    Raetsel->OnKeyUp = [this](QKeyEvent* e) { RaetselKeyUp(e); };
    Raetsel->OnMouseDown = [this](QMouseEvent* e) { RaetselMouseDown(e); };
    Raetsel->OnMouseMove = [this](QMouseEvent* e) { RaetselMouseMove(e); };
    Raetsel->OnMouseUp = [this](QMouseEvent* e) { RaetselMouseUp(e); };
    Raetsel->OnDblClick = [this](QMouseEvent* e) { RaetselDblClick(e); };
    Raetsel->OnDragOver = [this](QDropEvent* e, int c, int r) {
        return RaetselDragOver(e->source(), c, r);
    };
    Raetsel->OnDrop = [this](QDropEvent* e, int c, int r) { RaetselDragDrop(e->source(), c, r); };
}

void TRaetselForm::CreatePopupMenu() {
    MenuRaetselPlay = new QMenu(this);
    MenuRaetselPlay->setObjectName("MenuRaetselPlay");
    auto add = [this](const char* name, const QString& caption, const QString& hint, auto handler) {
        QAction* a = MenuRaetselPlay->addAction(caption);
        a->setObjectName(name);
        a->setStatusTip(hint);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    const QString fill =
        QStringLiteral("An der aktuellen Eingabeposition den gesuchten Buchstaben eintragen");
    add("MItemPlayLeerfeld", QStringLiteral("Leerfeld"),
        QStringLiteral("Das markierte Feld im Rätsel als Leerfeld festlegen"),
        [this] { MItemPlayLeerfeldClick(); })
        ->setCheckable(true);
    add("MItemPlayBuchstEintragen", QStringLiteral("Buchstaben eintragen"), fill,
        [this] { MItemPlayBuchstEintragenClick(); });
    add("MItemPlayBegriffEintragen", QStringLiteral("Begriff eintragen.."),
        QStringLiteral("Den gesuchten Begriff für die aktuelle Eingabeposition eingeben"),
        [this] { MItemPlayBegriffEintragenClick(); });
    add("MItemPlayUmschreibung", QStringLiteral("Umschreibung?"),
        QStringLiteral("Die Umschreibung des markierten Begriffs anzeigen"),
        [this] { MItemPlayUmschreibungClick(); });
    add("MItemPlayNachschlagen", QStringLiteral("Nachschlagen"),
        QStringLiteral("Den markierten Begriff im Online-Wörterbuch \"Wikipedia\" nachschlagen"),
        [this] { MItemPlayNachschlagenClick(); });
    MenuRaetselPlay->addSeparator();
    add("MItemPlayZoomIn", QStringLiteral("Ansicht vergrößern"),
        QStringLiteral("Die Gitter des Rätsels vergrößern"), [this] { MItemPlayZoomInClick(1); });
    add("MItemPlayZoomOut", QStringLiteral("Ansicht verkleinern"),
        QStringLiteral("Die Gitter des Rätsels verkleinern"), [this] { MItemPlayZoomInClick(-1); });
    MenuRaetselPlay->addSeparator();
    add("MItemPlayShowFail", QStringLiteral("Fehleinträge markieren"),
        QStringLiteral("Fehlerhafte Buchstaben im Rätsel farblich absetzen"),
        [this] { MItemPlayShowFailClick(); })
        ->setCheckable(true);
    add("MItemPlayShowLength", QStringLiteral("&Begrifflängen anzeigen"),
        QStringLiteral("Die Längen der Begriffe anzeigen"), [this] { MItemPlayShowLengthClick(); })
        ->setCheckable(true);
    add("MItemPlayShowHints", QStringLiteral("Tooltips anzeigen"), QString(),
        [this] { MItemPlayShowHintsClick(); });
    // Field marking and snapshots join the menu with their commands.
    QMenu* marking = MenuRaetselPlay->addMenu(QStringLiteral("Felder markieren"));
    marking->menuAction()->setObjectName("MItemPlayFelderMarkieren");
    marking->menuAction()->setStatusTip(
        QStringLiteral("Ausgewählte Felder im Rätsel farblich markieren"));
    marking->menuAction()->setVisible(false);
    QMenu* snapshots = MenuRaetselPlay->addMenu(QStringLiteral("Schnappschuss"));
    snapshots->menuAction()->setObjectName("MItemPlaySchnappschuss");
    snapshots->menuAction()->setVisible(false);
    MenuRaetselPlay->addSeparator();
    add("MItemPlaySchliessen", QStringLiteral("Schließen"), QStringLiteral("Das Rätsel schließen"),
        [this] {
            if (QMdiSubWindow* sub = SubWindow())
                sub->close();
            else
                close();
            frame_.close();
        });
    connect(MenuRaetselPlay, &QMenu::aboutToShow, this, [this] { MenuRaetselPlayPopup(); });
    Raetsel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Raetsel, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { MenuRaetselPlay->popup(Raetsel->mapToGlobal(pos)); });
}

QAction* TRaetselForm::PlayItem(const char* name) const {
    return MenuRaetselPlay->findChild<QAction*>(QString::fromLatin1(name));
}

void TRaetselForm::MenuRaetselPlayPopup() {
    const PuzzleImage& im = session_.image();
    const int kind = im.PuzzleKind;
    const bool solution = frame_.ShowSolution;
    QAction* blank = PlayItem("MItemPlayLeerfeld");
    blank->setVisible(ButtonVisible("SBLeerfeld"));
    blank->setChecked(ButtonDown("SBLeerfeld"));
    QAction* letter = PlayItem("MItemPlayBuchstEintragen");
    letter->setVisible(ButtonVisible("SBBuchstEintragen"));
    letter->setText(IsSudokuKind(kind) ? QStringLiteral("Symbol eintragen")
                                       : QStringLiteral("Buchstaben eintragen"));
    PlayItem("MItemPlayBegriffEintragen")->setVisible(ButtonVisible("SBBegrEintragen"));
    const bool clues = !solution && kind < 12 &&
                       ((kind != 6 && kind != 7) || frame_.AidAllowed(AidFlag::MarkWrong));
    PlayItem("MItemPlayUmschreibung")->setVisible(clues);
    PlayItem("MItemPlayNachschlagen")->setVisible(clues);
    QAction* fail = PlayItem("MItemPlayShowFail");
    fail->setVisible(ButtonVisible("SBShowFail"));
    fail->setChecked(ButtonDown("SBShowFail"));
    QAction* lengths = PlayItem("MItemPlayShowLength");
    if (IsSudokuKind(kind)) {
        lengths->setText(QStringLiteral("&Mögliche Zahlen anzeigen"));
        lengths->setStatusTip(QStringLiteral("Alle möglichen Zahlen in den Feldern anzeigen"));
    } else {
        lengths->setText(QStringLiteral("&Begrifflängen anzeigen"));
        lengths->setStatusTip(QStringLiteral("Die Längen der Begriffe anzeigen"));
    }
    const bool lengthButton = ButtonVisible("SBShowLength");
    lengths->setVisible(lengthButton || ButtonVisible("SBShowHintGrids"));
    lengths->setChecked(lengthButton ? ButtonDown("SBShowLength") : ButtonDown("SBShowHintGrids"));
    // Field marking (kinds 14, 15) and snapshots (kind 14) are not offered yet.
    PlayItem("MItemPlayFelderMarkieren")->setVisible(false);
    PlayItem("MItemPlaySchnappschuss")->setVisible(false);
}

void TRaetselForm::SetBlankMark(bool on) {
    const int c = Raetsel->Col();
    const int r = Raetsel->Row();
    if (c < 1 || r < 1) return;
    CellRecord& cell = session_.image().cell(c, r);
    if (on)
        cell.CellFlags |= CellFlag::PlacedBlock;
    else
        cell.CellFlags &= ~CellFlag::PlacedBlock;
    RepaintGrid();
    UpdateToolbar(c, r);
}

void TRaetselForm::MItemPlayLeerfeldClick() {
    // The menu entry has toggled its check mark already.
    const bool on = PlayItem("MItemPlayLeerfeld")->isChecked();
    Button("SBLeerfeld")->setChecked(on);
    SetBlankMark(on);
}

void TRaetselForm::MItemPlayBuchstEintragenClick() {
    if (!frame_.AidAllowed(AidFlag::InsertLetter)) return;
    PuzzleImage& im = session_.image();
    const int kind = im.PuzzleKind;
    const int c = Raetsel->Col();
    const int r = Raetsel->Row();
    if (c < 1 || r < 1) return;
    UndoPoint();
    if ((kind == 10 || kind == 11) && im.cell(c, r).isBlock()) {
        // A block of the solution: the player's blank mark goes there instead.
        Button("SBLeerfeld")->setChecked(true);
        SetBlankMark(true);
    } else {
        const Letter& solution = im.cell(c, r).SolutionLetter;
        const bool same = im.entry(c, r).view() == solution.view();
        SetEnteredLetter(session_.puzzle, c, r, same ? std::string_view() : solution.view());
        if (IsSudokuKind(kind)) RecomputeCandidates();
        ReportWord(true, true, true);
        ReportWord(false, true, true);
    }
    RepaintCell(c, r);
}

void TRaetselForm::MItemPlayBegriffEintragenClick() {
    PuzzleImage& im = session_.image();
    const int kind = im.PuzzleKind;
    const int c = Raetsel->Col();
    const int r = Raetsel->Row();
    if (c < 1 || r < 1) return;
    const bool across = InputDirection == 1;
    const WordInfo w = WordAt(im, c, r, {false, false, across});
    // Without a numbered start cell there is no word to write into.
    if (w.Number <= 0) return;

    TWordEditDlg dlg(session_.settings, &frame_);
    dlg.setWindowTitle(QStringLiteral("Gesuchten Begriff eingeben"));
    if (kind > 1) {
        dlg.LblBegriff()->setText(QStringLiteral("Begriff mit %1 Buchstaben :").arg(w.Length));
    } else {
        const std::string_view clue =
            w.WordIndex >= 0 ? im.Words[w.WordIndex].ClueText.view() : std::string_view();
        dlg.LblBegriff()->setText(FromCp1252(clue) + QStringLiteral(" :"));
    }
    dlg.WordData = FromCp1252(CurrentWordLetters(true));
    if (RunModal(dlg) != QDialog::Accepted) return;

    UndoPoint();
    const std::string text = NormalizeWord(Utf8ToCp1252(dlg.WordData.toStdString()), 15);
    const CellPos start = FindCellByNumber(im, w.Number);
    bool wrong = false;
    int x = start.Column, y = start.Row;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (x < 1 || y < 1 || x > im.ColumnCount || y > im.RowCount || im.cell(x, y).isBlock())
            break;
        const char letter = text[i];
        SetEnteredLetter(session_.puzzle, x, y, std::string_view(&letter, 1));
        if (im.cell(x, y).SolutionLetter.view() != std::string_view(&letter, 1)) wrong = true;
        RepaintCell(x, y);
        if (across)
            ++x;
        else
            ++y;
    }
    ClueListLink* clues = ClueList();
    if (session_.settings.AutomatischMarkieren && w.WordIndex >= 0 && clues &&
        (!wrong || !session_.settings.FehlerZeigen))
        clues->MarkWordSolved(w.WordIndex, across, true);
    RunEvaluation();
}

bool TRaetselForm::RaetselDragOver(const QObject* source, int col, int row) {
    const PuzzleImage& im = session_.image();
    ClueListLink* clues = ClueList();
    if (!clues || (im.PuzzleKind != 6 && im.PuzzleKind != 7)) return false;
    if (col < 1 || row < 1 || col > im.ColumnCount || row > im.RowCount) return false;
    const std::int32_t n = im.cell(col, row).CellNumber;
    return n > 0 && n < 200 && clues->DragSourceList(source) >= 0;
}

void TRaetselForm::RaetselDragDrop(const QObject* source, int col, int row) {
    ClueListLink* clues = ClueList();
    if (!clues) return;
    PuzzleImage& im = session_.image();
    if (col < 1 || row < 1 || col > im.ColumnCount || row > im.RowCount) return;
    const int list = clues->DragSourceList(source);
    const std::optional<ClueEntryWord> entry = clues->FocusedEntry(list == 1);
    if (!entry) return;
    UndoPoint();
    const bool across = clues->TwoLists() ? list == 1 : !frame_.ShiftHeld;
    const bool backwards = frame_.CtrlHeldReverse && im.ReverseDropAllowed != 0;
    const std::string& text = entry->Word;
    int x = col, y = row;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (x > im.ColumnCount || y > im.RowCount || im.cell(x, y).isBlock()) break;
        const char letter = backwards ? text[text.size() - 1 - i] : text[i];
        SetEnteredLetter(session_.puzzle, x, y, std::string_view(&letter, 1));
        RepaintCell(x, y);
        if (across)
            ++x;
        else
            ++y;
    }
    const Settings& s = session_.settings;
    if (s.AutomatischMarkieren &&
        (!s.FehlerZeigen || IsWordFilled(im, col, row, across, s.FehlerZeigen)))
        clues->MarkWordSolved(entry->WordIndex, across, true);
    Raetsel->SelectCell(col, row);
    RunEvaluation();
}

void TRaetselForm::MItemPlayUmschreibungClick() {
    const PuzzleImage& im = session_.image();
    std::string pattern = CurrentWordLetters(true);
    std::replace(pattern.begin(), pattern.end(), ' ', '?');
    const int index = FindWord(im, CurrentWordNumber(), InputDirection != 2);
    if (index < 0) return;
    const WordRecord& word = im.Words[index];
    if (word.WordReversed) pattern = ReverseText(pattern);
    if (word.ClueText.empty()) return;
    QMessageBox box(QMessageBox::Information, FromCp1252(pattern), FromCp1252(word.ClueText.view()),
                    QMessageBox::Ok, &frame_);
    RunModal(box);
}

void TRaetselForm::MItemPlayNachschlagenClick() {
    const std::string word = ProperCase(CurrentWordLetters(true));
    if (word.find(' ') != std::string::npos) {
        QMessageBox box(
            QMessageBox::Critical, QStringLiteral("Fehler"),
            QStringLiteral(
                "Sie können nur komplett gelöste Begriffe im Online-Lexikon nachschlagen."),
            QMessageBox::Ok, &frame_);
        RunModal(box);
        return;
    }
    QDesktopServices::openUrl(LookupUrl(word));
}

void TRaetselForm::RefreshSideWindows() {
    for (int kind : {ChildKind::NumberLegend, ChildKind::SolutionWord})
        if (QWidget* w = frame_.FindChild(kind)) w->update();
}

void TRaetselForm::SBShowFailClick(bool pressed) {
    session_.settings.FehlerZeigen = pressed;
    RepaintGrid();
    RefreshSideWindows();
}

void TRaetselForm::MItemPlayShowFailClick() {
    session_.settings.FehlerZeigen = !session_.settings.FehlerZeigen;
    RepaintGrid();
    RefreshSideWindows();
    UpdateToolbar(Raetsel->Col(), Raetsel->Row());
}

void TRaetselForm::SBShowLengthClick(bool pressed) {
    session_.settings.LaengenZeigen = pressed;
    RepaintGrid();
}

void TRaetselForm::MItemPlayShowLengthClick() {
    Settings& s = session_.settings;
    const int kind = session_.image().PuzzleKind;
    if (kind == 6 || kind == 7) s.LaengenZeigen = !s.LaengenZeigen;
    if (IsSudokuKind(kind)) s.MoeglicheZahlenZeigen = !s.MoeglicheZahlenZeigen;
    RepaintGrid();
    UpdateToolbar(Raetsel->Col(), Raetsel->Row());
}

void TRaetselForm::SBShowHintsClick(bool pressed) {
    session_.settings.HinweiseZeigen = pressed;
}

void TRaetselForm::MItemPlayShowHintsClick() {
    session_.settings.HinweiseZeigen = !session_.settings.HinweiseZeigen;
    UpdateToolbar(Raetsel->Col(), Raetsel->Row());
}

void TRaetselForm::SBShowHintGridsClick(bool pressed) {
    session_.settings.MoeglicheZahlenZeigen = pressed;
    RepaintGrid();
}

void TRaetselForm::ResetBoard() {
    PuzzleImage& im = session_.image();
    const int kind = im.PuzzleKind;
    const int columns = std::min<int>(im.ColumnCount, MaxCells);
    const int rows = std::min<int>(im.RowCount, MaxCells);
    for (int c = 1; c <= columns; ++c) {
        for (int r = 1; r <= rows; ++r) {
            CellRecord& cell = im.cell(c, r);
            if (IsSudokuKind(kind)) {
                if (!cell.has(CellFlag::SolutionOrGiven))
                    SetEnteredLetter(session_.puzzle, c, r, "");
            } else if (kind < 12) {
                SetEnteredLetter(session_.puzzle, c, r, "");
            } else if (kind == 12) {
                // The word search's entries are its filler letters; the player's
                // work there is the found marks.
                cell.CellFlags &= ~CellFlag::PlayerMark;
                cell.CellNumber = cell.number();
            }
            cell.CellFlags &= ~CellFlag::PlacedBlock;
        }
    }
    if (IsSudokuKind(kind)) {
        RecomputeCandidates();
        if (kind == 15) {
            im.ElapsedSeconds = 0;
            im.ClockRunning = 1;
        }
    }
    for (int i = 0; i < 26; ++i) {
        SetBlank(im.Words[i].CodeGuess);
        if (kind == 2 || kind == 3) im.Words[i].ClueText.clear();
    }
    for (int i = 0; i < std::min<int>(im.WordCount, MaxWords); ++i) im.Words[i].WordSolvedMark = 0;
    // Every position of the field is blanked: the evaluation reads the solution
    // word's letters by position, up to its full length.
    auto& entered = im.EnteredSolutionWord;
    std::fill(std::begin(entered.Chars), std::end(entered.Chars), ' ');
    entered.Length = static_cast<std::uint8_t>(std::max<std::size_t>(13, im.SolutionWord.size()));
    frame_.ShowSolution = false;
    if (ClueListLink* clues = ClueList()) clues->BuildLists();
    InvokeIfPresent(frame_.FindChild(ChildKind::NumberLegend), "FormShow");
    InvokeIfPresent(frame_.FindChild(ChildKind::SolutionWord), "FormShow");
    im.SolvedLevel = 0;
    RepaintGrid();
    UpdateToolbar(Raetsel->Col(), Raetsel->Row());
}

void TRaetselForm::RunEvaluation() {
    const CompletionNotice notice = EvaluateCompletion(session_.puzzle, session_.settings);
    // The stopwatch shows the new best time once it is a window of the frame.
    if (notice.RefreshStopwatch)
        InvokeIfPresent(frame_.FindChild(ChildKind::Stopwatch), "FormShow");
    ShowCompletionNotice(notice, &frame_);
}
