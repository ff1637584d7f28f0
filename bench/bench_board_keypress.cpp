// One key press on the board of a 50 x 50 crossword, from the key event to the
// repainted cells: the board's handlers, the entry, the completion check and
// the paint of the invalidated cells. Also counts the cells painted per press.
#include "ClueListLink.h"
#include "ContainerWriter.h"
#include "Hauptformular.h"
#include "RaetselFormular.h"
#include "Session.h"
#include "StringGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <fstream>
#include <numeric>
#include <vector>

namespace {
// Across words between blocks every 10 columns in odd rows, down words in
// every fourth column; letters everywhere else too, so that the grid is full.
PuzzleImage LargeCrossword() {
    Puzzle p;
    ResetPuzzleImage(p);
    PuzzleImage& im = p.Image;
    im.PuzzleKind = 0;
    im.ColumnCount = 50;
    im.RowCount = 50;
    const auto block = [](int c, int r) { return c % 10 == 0 && r % 2 == 0; };
    for (int c = 1; c <= 50; ++c)
        for (int r = 1; r <= 50; ++r) {
            CellRecord& cell = im.cell(c, r);
            if (block(c, r)) {
                cell.CellFlags = CellFlag::Block;
                continue;
            }
            cell.CellFlags = CellFlag::LetterCell;
            cell.SolutionLetter.set(std::string(1, static_cast<char>('A' + (c * 7 + r * 3) % 26)));
        }
    const auto open = [&](int c, int r) {
        return c >= 1 && c <= 50 && r >= 1 && r <= 50 && !im.cell(c, r).isBlock();
    };
    int number = 0, count = 0;
    for (int r = 1; r <= 50 && count < MaxWords; ++r)
        for (int c = 1; c <= 50 && count < MaxWords; ++c) {
            const bool across = open(c, r) && !open(c - 1, r) && open(c + 1, r);
            if (!across) continue;
            im.cell(c, r).CellNumber = ++number;
            im.cell(c, r).StartsAcrossWord = 1;
            std::string text;
            for (int i = c; open(i, r) && text.size() < 15; ++i)
                text += im.cell(i, r).SolutionLetter.Chars[0];
            WordRecord& w = im.Words[count++];
            w.WordNumber = number;
            w.WordDirection = Direction::Across;
            w.WordText.set(text);
            w.ClueText.set("Hinweis");
        }
    im.WordCount = static_cast<std::uint8_t>(count);
    im.AllowedAids = 255;
    return im;
}

// Presses E inside across words and times each press until the invalidated
// cells are painted.
void Measure(StringGrid* grid, const char* label) {
    int painted = 0;
    const auto draw = grid->OnDrawCell;
    grid->OnDrawCell = [&](QPainter& p, int c, int r, const QRect& rect, GridLayout::CellState s) {
        ++painted;
        draw(p, c, r, rect, s);
    };

    constexpr int Presses = 1000;
    std::vector<qint64> nanos;
    std::vector<int> cells;
    nanos.reserve(Presses);
    for (int i = 0; i < Presses; ++i) {
        // Somewhere inside an across word, away from its end.
        const int col = 1 + (i * 3) % 8 + 10 * ((i / 8) % 5);
        const int row = 1 + 2 * ((i / 40) % 25);
        grid->SelectCell(col, row);
        QCoreApplication::processEvents();
        painted = 0;
        QElapsedTimer timer;
        timer.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, QStringLiteral("e"));
        QApplication::sendEvent(grid, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_E, Qt::NoModifier, QStringLiteral("e"));
        QApplication::sendEvent(grid, &release);
        // Paints what the press invalidated.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        nanos.push_back(timer.nsecsElapsed());
        cells.push_back(painted);
    }
    std::sort(nanos.begin(), nanos.end());
    const double mean = std::accumulate(nanos.begin(), nanos.end(), 0.0) / Presses;
    std::sort(cells.begin(), cells.end());
    qInfo("key press to repainted cells%s, %d presses on 50 x 50: median %.1f us, mean %.1f us, "
          "95th percentile %.1f us",
          label, Presses, nanos[Presses / 2] / 1000.0, mean / 1000.0,
          nanos[Presses * 95 / 100] / 1000.0);
    qInfo("cells painted per press: median %d, max %d (grid has %d)", cells[Presses / 2],
          cells.back(), 51 * 51);
    grid->OnDrawCell = draw;
}
} // namespace

class BenchBoardKeypress : public QObject {
    Q_OBJECT
private slots:
    void keyPressToRepaint() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("large.zvr").toStdString();
        {
            const std::string bytes = PuzzleFileBytes(LargeCrossword(), "7.46");
            std::ofstream(path, std::ios::binary)
                .write(bytes.data(), std::streamsize(bytes.size()));
        }
        PuzzleSession session;
        TRMMainForm frame(session, {path});
        frame.resize(1000, 750);
        frame.show();
        QVERIFY(QTest::qWaitFor([&] { return frame.Board() != nullptr; }, 5000));
        TRaetselForm* board = frame.Board();
        StringGrid* grid = board->Grid();
        // Room for the whole grid, so that no press scrolls the board.
        // The board stops short of the clue list, which stood at the right
        // edge of the smaller frame: the list moves beside the whole grid.
        frame.resize(grid->width() + 400, grid->height() + 300);
        if (ClueListLink* clues = frame.ClueList())
            clues->Widget()->parentWidget()->setGeometry(grid->width() + 60, 0, 300, 600);
        board->LayoutBoard();
        QTest::qWait(100);
        QVERIFY(board->ScrollBox()->viewport()->height() >= grid->height());
        grid->setFocus();
        Measure(grid, "");
        // Again with the cells fitted to the board window, maximised, which
        // refits whenever the window changes size: no press may pay for that.
        board->SetFitToWindow(true);
        board->SubWindow()->showMaximized();
        QTest::qWait(100);
        QVERIFY(board->FitToWindow());
        QVERIFY(board->ScrollBox()->viewport()->height() >= grid->height());
        qInfo("fitted to the window: cell size %d", session.settings.Feldgroesse);
        grid->setFocus();
        Measure(grid, ", fitted to the window");
    }
};

QTEST_MAIN(BenchBoardKeypress)
#include "bench_board_keypress.moc"
