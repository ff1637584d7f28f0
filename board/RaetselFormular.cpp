#include "RaetselFormular.h"

#include "Cp1252.h"
#include "GradientBar.h"
#include "Hauptformular.h"
#include "HinweisDialog.h"
#include "Session.h"
#include "StringGrid.h"
#include "Sudoku.h"
#include "SudokuAids.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int ToolbarHeight = 30;
constexpr int ButtonSize = 22;
constexpr int MinCellSize = 20;
constexpr int MaxCellSize = 60;

// Buttons whose commands are not part of the board yet: shown and kept in
// step, but greyed so that a click does not seem to do something.
const std::set<std::string>& PendingButtons() {
    static const std::set<std::string> names = {
        "SBMarkKeine", "SBMark1", "SBMark2", "SBMark3",  "SBMark4",  "SBMark5",  "SBMark6",
        "SBMark7",     "SBMark8", "SBMark9", "SBMark10", "SBMark11", "SBMark12", "SBMarkDuo"};
    return names;
}

int Right(const QWidget* w) {
    return w->x() + w->width();
}
} // namespace

QString BoardCaption(const PuzzleImage& image) {
    if (!image.PuzzleTitle.empty())
        return QString::fromStdString(Cp1252ToUtf8(image.PuzzleTitle.view()));
    static const char* const Levels[] = {"leicht", "mittelschwer", "schwer", "sehr schwer"};
    const int kind = image.PuzzleKind;
    QString caption = QString::fromStdString(Cp1252ToUtf8(KindName(kind)));
    if (HasSolutionWord(kind)) {
        caption += QStringLiteral(" mit Lösungswort");
    } else if (IsSudokuKind(kind) && image.Difficulty < 4) {
        // A level outside the four names has no text to show.
        caption += QStringLiteral(" (%1)").arg(QString::fromUtf8(Levels[image.Difficulty]));
    }
    return caption;
}

int FontSizeForCell(int cellSize) {
    if (cellSize > 30) return cellSize - 16;
    if (cellSize > 27) return cellSize - 14;
    if (cellSize > 23) return cellSize - 12;
    return cellSize - 10;
}

TRaetselForm* TRaetselForm::Open(TRMMainForm& frame) {
    auto* board = new TRaetselForm(frame);
    frame.AddChild(board);
    board->show();
    return board;
}

TRaetselForm::TRaetselForm(TRMMainForm& frame) : frame_(frame), session_(frame.Session()) {
    setWindowTitle(QStringLiteral("Diruradevuzezid"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Toolbar = new GradientBar(this);
    Toolbar->setObjectName("Toolbar");
    Toolbar->setFixedHeight(ToolbarHeight);
    layout->addWidget(Toolbar);
    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName("ScrollBox");
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setWidgetResizable(false);
    ScrollBox->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(ScrollBox, 1);
    Raetsel = new StringGrid;
    Raetsel->setObjectName("Raetsel");
    ScrollBox->setWidget(Raetsel);
    CreateToolbar();
    resize(417, 467);

    Raetsel->OnDrawCell = [this](QPainter& p, int c, int r, const QRect& rect,
                                 GridLayout::CellState state) {
        PaintCellOptions options;
        options.Selected = state.Selected;
        PaintCell(p, PaintContext(), c, r, rect, options);
    };
    Raetsel->OnSelectCell = [this](int c, int r) { return RaetselSelectCell(c, r, true); };
    ConnectGrid();
    CreatePopupMenu();
    FormCreate();
}

TRaetselForm::~TRaetselForm() = default;

QToolButton* TRaetselForm::AddButton(QWidget* parent, const char* name, int left,
                                     const QString& glyph, const QString& hint, bool checkable) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setAutoRaise(true);
    b->setCheckable(checkable);
    b->setText(glyph);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(left, parent == Toolbar ? (ToolbarHeight - ButtonSize) / 2 : 0, ButtonSize,
                   ButtonSize);
    return b;
}

void TRaetselForm::CreateToolbar() {
    // Step +1 and -1, the tags of the two zoom buttons.
    QToolButton* in = AddButton(Toolbar, "SBZoomIn", 4, QStringLiteral("+"),
                                QStringLiteral("Die Gitter des Rätsels vergrößern"), false);
    connect(in, &QToolButton::clicked, this, [this] { MItemPlayZoomInClick(1); });
    QToolButton* out = AddButton(Toolbar, "SBZoomOut", 26, QStringLiteral("\u2212"),
                                 QStringLiteral("Die Gitter des Rätsels verkleinern"), false);
    connect(out, &QToolButton::clicked, this, [this] { MItemPlayZoomInClick(-1); });
    QToolButton* fail =
        AddButton(Toolbar, "SBShowFail", 60, QStringLiteral("F"),
                  QStringLiteral("Fehlerhafte Buchstaben im Rätsel farblich absetzen"), true);
    connect(fail, &QToolButton::clicked, this, [this](bool down) { SBShowFailClick(down); });
    QToolButton* grids =
        AddButton(Toolbar, "SBShowHintGrids", 82, QStringLiteral("\u2237"),
                  QStringLiteral("Alle möglichen Zahlen in den Feldern anzeigen"), true);
    connect(grids, &QToolButton::clicked, this, [this](bool down) { SBShowHintGridsClick(down); });
    QToolButton* lengths = AddButton(Toolbar, "SBShowLength", 82, QStringLiteral("#"),
                                     QStringLiteral("Die Längen der Begriffe anzeigen"), true);
    connect(lengths, &QToolButton::clicked, this, [this](bool down) { SBShowLengthClick(down); });
    QToolButton* hints =
        AddButton(Toolbar, "SBShowHints", 104, QStringLiteral("?"),
                  QStringLiteral("Nummern und Umschreibungen als Tooltip anzeigen"), true);
    connect(hints, &QToolButton::clicked, this, [this](bool down) { SBShowHintsClick(down); });
    QToolButton* word = AddButton(
        Toolbar, "SBBegrEintragen", 136, QStringLiteral("W"),
        QStringLiteral("An der aktuellen Eingabeposition den gesuchten Buchstaben eintragen"),
        false);
    connect(word, &QToolButton::clicked, this, [this] { MItemPlayBegriffEintragenClick(); });
    QToolButton* letter = AddButton(
        Toolbar, "SBBuchstEintragen", 158, QStringLiteral("B"),
        QStringLiteral("An der aktuellen Eingabeposition den gesuchten Buchstaben eintragen"),
        false);
    connect(letter, &QToolButton::clicked, this, [this] { MItemPlayBuchstEintragenClick(); });
    QToolButton* blank =
        AddButton(Toolbar, "SBLeerfeld", 180, QStringLiteral("\u25A0"),
                  QStringLiteral("Das markierte Feld im Rätsel als Leerfeld festlegen"), true);
    connect(blank, &QToolButton::clicked, this, [this](bool down) { SetBlankMark(down); });

    PanelMark = new GradientBar(Toolbar);
    PanelMark->setObjectName("PanelMark");
    PanelMark->SetEndColour(DarkButtonFace());
    PanelMark->setGeometry(201, (ToolbarHeight - ButtonSize) / 2, 308, ButtonSize);
    const QString symbolHint =
        QStringLiteral("Für dieses Symbol mögliche Felder im Rätsel farblich absetzen");
    QToolButton* none = AddButton(PanelMark, "SBMarkKeine", 0, QStringLiteral("\u2205"),
                                  QStringLiteral("Die Markierung im Rätsel aufheben"), true);
    none->setAutoExclusive(true);
    none->setChecked(true);
    for (int tag = 1; tag <= 12; ++tag) {
        const std::string name = "SBMark" + std::to_string(tag);
        const QString glyph = tag <= 9 ? QString::number(tag) : QString(QChar('A' + tag - 10));
        AddButton(PanelMark, name.c_str(), 22 * tag, glyph, symbolHint, true)
            ->setAutoExclusive(true);
    }
    AddButton(PanelMark, "SBMarkDuo", 286,
              QStringLiteral("\u2264"
                             "2"),
              QStringLiteral("Alle Felder markieren, in die nur ein oder zwei mögliche Zahlen "
                             "eingetragen werden können"),
              true)
        ->setAutoExclusive(true);
    Toolbar->SetEndColour(DarkButtonFace());
    for (const QToolButton* b : findChildren<QToolButton*>())
        SetButtonEnabled(b->objectName().toLatin1().constData(), true);
}

QToolButton* TRaetselForm::Button(const char* name) const {
    return findChild<QToolButton*>(QString::fromLatin1(name));
}

void TRaetselForm::SetButtonEnabled(const char* name, bool enabled) {
    QToolButton* b = Button(name);
    if (!b) return;
    if (enabled)
        enabled_.insert(name);
    else
        enabled_.erase(name);
    b->setEnabled(enabled && !PendingButtons().count(name));
}

bool TRaetselForm::ButtonVisible(const char* name) const {
    const QWidget* w = findChild<QWidget*>(QString::fromLatin1(name));
    return w && !w->isHidden();
}

bool TRaetselForm::ButtonDown(const char* name) const {
    const QToolButton* b = Button(name);
    return b && b->isChecked();
}

bool TRaetselForm::ButtonEnabled(const char* name) const {
    return enabled_.count(name) != 0;
}

QMdiSubWindow* TRaetselForm::SubWindow() const {
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

void TRaetselForm::CloseChild(int kind) {
    QWidget* child = frame_.FindChild(kind);
    if (!child) return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(child->parentWidget()))
        sub->close();
    else
        child->close();
}

void TRaetselForm::FormCreate() {
    PuzzleImage& im = session_.image();
    CloseChild(ChildKind::SolutionWord); // FormShow opens it again
    HoverCol = HoverRow = -1;
    setWindowTitle(BoardCaption(im));
    frame_.SetStandardCaption();
    if (IsSudokuKind(im.PuzzleKind)) {
        BoxWidth = SudokuBoxWidth(im);
        BoxHeight = SudokuBoxHeight(im);
        RecomputeCandidates();
        if (im.PuzzleKind == 15) {
            im.ElapsedSeconds = 0;
            im.ClockRunning = 1;
        }
    }
    if (im.PuzzleKind != 12)
        SelectFirstCell();
    else
        ClearSelection();
    // The check state follows the loaded entries.
    RecheckEntries(session_.puzzle);
}

void TRaetselForm::RecomputeCandidates() {
    FillCandidates(session_.image(), Candidates);
    ApplyFieldMarking(session_.image(), MarkTag);
    RepaintGrid();
}

bool TRaetselForm::Blocked(int col, int row) const {
    if (col < 0 || row < 0 || col >= GridSize || row >= GridSize) return false;
    const PuzzleImage& im = session_.image();
    const bool american = im.PuzzleKind == 10 || im.PuzzleKind == 11;
    return im.cell(col, row).has(american ? CellFlag::PlacedBlock : CellFlag::Block);
}

void TRaetselForm::SelectFirstCell() {
    const PuzzleImage& im = session_.image();
    PrevCol = PrevRow = 0;
    // The grid takes the puzzle's size first, so that any first cell can become current.
    Raetsel->ChangeLayout([&](GridLayout& l) {
        l.ColCount = im.ColumnCount + 1;
        l.RowCount = im.RowCount + 1;
    });
    Raetsel->SetCurrent(Raetsel->ColCount() - 1, Raetsel->RowCount() - 1);
    for (int r = 1; r <= im.RowCount; ++r) {
        for (int c = 1; c <= im.ColumnCount; ++c) {
            if (im.cell(c, r).isBlock()) continue;
            Raetsel->SelectCell(c, r);
            return;
        }
    }
}

void TRaetselForm::ClearSelection() {
    if (session_.image().PuzzleKind != 12) return;
    Raetsel->SetSelection(GridSelection{0, -1, 0, -1});
}

QRect TRaetselForm::CellRect(int col, int row) const {
    return Raetsel->CellRect(col, row);
}

void TRaetselForm::RepaintCell(int col, int row) {
    Raetsel->InvalidateCell(col, row);
}

void TRaetselForm::RepaintWord(const WordInfo& word) {
    const PuzzleImage& im = session_.image();
    int c = word.StartColumn, r = word.StartRow;
    while (c >= 1 && r >= 1 && c <= im.ColumnCount && r <= im.RowCount &&
           !im.cell(c, r).isBlock()) {
        RepaintCell(c, r);
        if (word.Across)
            ++c;
        else
            ++r;
    }
}

void TRaetselForm::RepaintRun(int col, int row, std::uint8_t direction) {
    const PuzzleImage& im = session_.image();
    if (col < 1 || row < 1 || col > im.ColumnCount || row > im.RowCount || Blocked(col, row))
        return;
    const int dc = direction == 1 ? 1 : 0;
    const int dr = direction == 1 ? 0 : 1;
    const auto inside = [&](int c, int r) {
        return c >= 1 && r >= 1 && c <= im.ColumnCount && r <= im.RowCount && !Blocked(c, r);
    };
    for (int c = col, r = row; inside(c, r); c += dc, r += dr) RepaintCell(c, r);
    for (int c = col - dc, r = row - dr; inside(c, r); c -= dc, r -= dr) RepaintCell(c, r);
}

void TRaetselForm::RepaintGrid() {
    Raetsel->InvalidateGrid();
}

CellPaintContext TRaetselForm::PaintContext() const {
    CellPaintContext ctx;
    ctx.Image = &session_.image();
    ctx.Config = &session_.settings;
    ctx.ShowSolution = frame_.ShowSolution;
    const PuzzleImage& im = session_.image();
    // A word search has no input position.
    if (im.PuzzleKind != 12) {
        ctx.CurrentCol = Raetsel->Col();
        ctx.CurrentRow = Raetsel->Row();
    }
    ctx.InputDirection = InputDirection;
    ctx.Focused = Raetsel->hasFocus();
    ctx.Enabled = Raetsel->isEnabled();
    ctx.Candidates = &Candidates;
    ctx.BoxWidth = BoxWidth;
    ctx.BoxHeight = BoxHeight;
    ctx.Picture = &PictureBitmap;
    ctx.Grid = GeometryOf(Raetsel->Layout());
    ctx.PictureStep =
        QSize(ctx.Grid.ColWidth + ctx.Grid.LineWidth, ctx.Grid.RowHeight + ctx.Grid.LineWidth);
    ctx.PictureFirstCol = PictureFirstCol;
    ctx.PictureFirstRow = PictureFirstRow;
    ctx.PictureLastCol = PictureLastCol;
    ctx.PictureLastRow = PictureLastRow;
    ctx.Target = PaintTarget::Screen;
    return ctx;
}

void TRaetselForm::UpdateToolbar(int col, int row) {
    const PuzzleImage& im = session_.image();
    const Settings& s = session_.settings;
    const int kind = im.PuzzleKind;
    const bool solution = frame_.ShowSolution;
    QToolButton* fail = Button("SBShowFail");
    fail->setVisible(frame_.AidAllowed(AidFlag::MarkWrong));
    fail->setChecked(s.FehlerZeigen && ButtonEnabled("SBShowFail"));
    QToolButton* hints = Button("SBShowHints");
    hints->setVisible(kind < 14);
    hints->setChecked(s.HinweiseZeigen);
    Button("SBShowHintGrids")->setVisible(IsSudokuKind(kind));
    Button("SBShowHintGrids")->setChecked(s.MoeglicheZahlenZeigen);
    Button("SBShowLength")->setVisible(kind == 6 || kind == 7);
    Button("SBShowLength")->setChecked(s.LaengenZeigen);
    QToolButton* blank = Button("SBLeerfeld");
    blank->setVisible((kind == 10 || kind == 11) && !solution);
    if (!blank->isHidden()) blank->setChecked(im.cell(col, row).has(CellFlag::PlacedBlock));
    QToolButton* word = Button("SBBegrEintragen");
    word->setVisible((kind <= 1 || kind == 6 || kind == 7) && !solution);
    SetButtonEnabled("SBBegrEintragen", WordNumberAt(im, col, row, InputDirection == 1) > 0);
    QToolButton* letter = Button("SBBuchstEintragen");
    letter->setVisible(kind != 12 && frame_.AidAllowed(AidFlag::MarkWrong) && !solution);
    SetButtonEnabled("SBBuchstEintragen", !Blocked(col, row));
    word->move(hints->isHidden() ? hints->x() + 8 : Right(hints) + 8, word->y());
    letter->move(Right(word), letter->y());
    PanelMark->move(Right(letter), PanelMark->y());
    PanelMark->setVisible(IsSudokuKind(kind));
}

void TRaetselForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TRaetselForm::FormShow() {
    const PuzzleImage& im = session_.image();
    UpdateToolbar(Raetsel->Col(), Raetsel->Row());
    if (QMdiSubWindow* sub = SubWindow()) sub->move(0, 0);
    if (im.ImageFlags & ImageFlag::HasPicture) {
        const ::CellRect area = PictureArea(im);
        PictureFirstCol = area.Left;
        PictureFirstRow = area.Top;
        PictureLastCol = area.Right;
        PictureLastRow = area.Bottom;
    }
    LayoutBoard();
    Raetsel->setFocus();
}

void TRaetselForm::LayoutBoard() {
    const PuzzleImage& im = session_.image();
    const Settings& s = session_.settings;
    Raetsel->ChangeLayout([&](GridLayout& l) { ApplyBoardLayout(l, im, s); });
    Raetsel->SetRangeSelect(im.PuzzleKind == 12);
    const QSize grid = BoardGridSize(im, s.Feldgroesse);
    Raetsel->setFixedSize(grid);

    int widthNeeded = grid.width();
    if (ButtonVisible("PanelMark")) widthNeeded = std::max(widthNeeded, Right(PanelMark) + 4);
    if (ButtonVisible("SBLeerfeld"))
        widthNeeded = std::max(widthNeeded, Right(Button("SBLeerfeld")) + 4);
    QMdiSubWindow* sub = SubWindow();
    const QMargins frame = sub ? sub->contentsMargins() : QMargins();
    const int heightNeeded = frame.top() + frame.bottom() + grid.height() + ToolbarHeight;
    const int room = frame_.ClientAreaHeight() - 6;
    int clientHeight = grid.height() + ToolbarHeight;
    if (room < heightNeeded) {
        // The scroll box scrolls; its vertical bar must not cover the last column.
        clientHeight = room - frame.top() - frame.bottom();
        widthNeeded += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    }
    resize(widthNeeded, clientHeight);
    if (sub)
        sub->resize(widthNeeded + frame.left() + frame.right(),
                    clientHeight + frame.top() + frame.bottom());
    if (im.ImageFlags & ImageFlag::HasPicture) ScalePictureBitmap();
    for (int kind : {ChildKind::ClueList, ChildKind::NumberLegend}) {
        QWidget* child = frame_.FindChild(kind);
        if (!child) continue;
        QWidget* outer = child->parentWidget() ? child->parentWidget() : child;
        QWidget* self = sub ? static_cast<QWidget*>(sub) : this;
        if (outer->x() - 5 < self->width()) self->resize(outer->x() - 5, self->height());
    }
}

void TRaetselForm::ScalePictureBitmap() {
    const GridLayout& l = Raetsel->Layout();
    const QSize box((PictureLastCol - PictureFirstCol + 1) * (l.DefaultColWidth + l.LineWidth),
                    (PictureLastRow - PictureFirstRow + 1) * (l.DefaultRowHeight + l.LineWidth));
    PictureBitmap = ScaleBoardPicture(frame_.PuzzlePicture(), session_.image().ImageFlags, box,
                                      devicePixelRatioF());
}

void TRaetselForm::MItemPlayZoomInClick(int step) {
    Settings& s = session_.settings;
    if (step == 0 || (step < 0 && s.Feldgroesse <= MinCellSize) ||
        (step > 0 && s.Feldgroesse >= MaxCellSize))
        return;
    s.Feldgroesse += step;
    s.Schriftgroesse = FontSizeForCell(s.Feldgroesse);
    LayoutBoard();
    RepaintGrid();
}

int TRaetselForm::PrintGrid(QPainter& painter, const QRect& area) {
    PrintGridInput input;
    input.Context = PaintContext();
    input.Context.Target = PaintTarget::Printer;
    input.Context.ColourMode = session_.settings.Print.ColourMode;
    input.PuzzlePicture = &frame_.PuzzlePicture();
    input.LegendFontHeight = session_.settings.Print.LegendFontHeight;
    return ::PrintGrid(painter, area, input);
}

void TRaetselForm::closeEvent(QCloseEvent* event) {
    frame_.UpdateCommandStates();
    frame_.SetStandardCaption();
    PictureBitmap = QImage();
    for (int kind : {ChildKind::SolutionWord, ChildKind::NumberLegend, ChildKind::Stopwatch,
                     ChildKind::ClueList})
        CloseChild(kind);
    THintForm::CloseIfVisible();
    frame_.ShowSolution = false;
    event->accept();
}
