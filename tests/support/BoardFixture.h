// A real frame that loads a puzzle file and opens its board, the way the
// player does; shared by the window tests.
#pragma once

#include "BoardHost.h"
#include "BoardToolbar.h"
#include "ClueListLink.h"
#include "CommandIds.h"
#include "ContainerWriter.h"
#include "EditCommands.h"
#include "Hauptformular.h"
#include "MessageDialog.h"
#include "ModalRunner.h"
#include "PuzzleGame.h"
#include "RaetselFormular.h"
#include "StringGrid.h"
#include "TestSupport.h"
#include "UiCommand.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <string>

struct OpenedBoard {
    std::unique_ptr<PuzzleSession> Session = std::make_unique<PuzzleSession>();
    std::unique_ptr<TRMMainForm> Frame;
    TRaetselForm* Board = nullptr;

    PuzzleImage& Im() { return Session->image(); }
    StringGrid* Grid() const { return Board->Grid(); }
    std::string Entry(int c, int r) { return Im().entry(c, r).str(); }
    void Select(int c, int r) { Grid()->SelectCell(c, r); }
    void Type(const QString& keys) {
        Grid()->setFocus();
        QTest::keyClicks(Grid(), keys);
    }
    QToolButton* Button(const char* name) const {
        return Board->findChild<QToolButton*>(QString::fromLatin1(name));
    }
};

// What the board's views show (a button is shown unless hidden, as before the
// window is on screen).
inline QToolButton* BoardButton(const TRaetselForm* board, const char* name) {
    return board->findChild<QToolButton*>(QString::fromLatin1(name));
}
inline bool ButtonVisible(const TRaetselForm* board, const char* name) {
    const QWidget* w = board->findChild<QWidget*>(QString::fromLatin1(name));
    return w && !w->isHidden();
}
inline bool ButtonDown(const TRaetselForm* board, const char* name) {
    const QToolButton* b = BoardButton(board, name);
    return b && b->isChecked();
}
inline bool ButtonEnabled(const TRaetselForm* board, const char* name) {
    const QToolButton* b = BoardButton(board, name);
    return b && b->isEnabled();
}
inline QAction* PlayItem(const TRaetselForm* board, const char* name) {
    return board->Toolbar().Popup()->findChild<QAction*>(QString::fromLatin1(name));
}
// The frame's menu entry of that object name (MItem...), or null.
inline QAction* MenuItem(const TRMMainForm& frame, const char* name) {
    return frame.menuBar()->findChild<QAction*>(QString::fromLatin1(name));
}

// Puts a stand-in clue list into the frame in place of the real one, which
// the board opened with itself. Like the real one, it hears the game's word
// reports.
inline QMdiSubWindow* ReplaceClueList(TRMMainForm& frame, QWidget* standIn) {
    if (ClueListLink* real = frame.ClueList()) {
        TRMMainForm::CloseChild(real->Widget());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (auto* link = dynamic_cast<ClueListLink*>(standIn))
        QObject::connect(&frame.Game(), &PuzzleGame::Changed, standIn,
                         [link](const GameChange& change) {
                             for (const WordReport& r : change.Reports)
                                 link->MarkWordSolved(r.WordIndex, r.Across, r.Solved);
                         });
    return frame.AddChild(standIn);
}

// The frame started with a puzzle file on its command line.
template <class T = OpenedBoard> std::unique_ptr<T> OpenBoardFile(const std::string& path) {
    auto o = std::make_unique<T>();
    o->Frame = std::make_unique<TRMMainForm>(*o->Session, std::vector<std::string>{path});
    o->Frame->show();
    if (QTest::qWaitFor([&] { return o->Frame->Board() != nullptr; }, 5000)) {
        o->Board = o->Frame->Board();
        QCoreApplication::processEvents();
    }
    return o;
}

template <class T = OpenedBoard>
std::unique_ptr<T> OpenBoard(const Puzzle& puzzle, const std::string& name) {
    return OpenBoardFile<T>(WriteTemp(name, PuzzleFileBytes(puzzle.Image, "7.46")));
}

// The crossword most window tests use:   H A U S #
//                                        A # B A D
//                                        S O N N E
//                                        E # T O R
inline std::unique_ptr<Puzzle> SmallCrossword(int kind = 0) {
    auto p = GridPuzzle(kind, {"HAUS#", "A#BAD", "SONNE", "E#TOR"});
    NumberWords(*p);
    for (int i = 0; i < p->Image.WordCount; ++i)
        p->Image.Words[i].ClueText.set("Hinweis " + std::to_string(i));
    return p;
}

// The message boxes a test causes, caught instead of shown: their texts and
// kinds; each is answered with `reply`.
struct CaughtMessages {
    QStringList texts;
    QList<int> kinds;
    ModalRunner previous;
    explicit CaughtMessages(int reply = 0) {
        previous = SetModalRunner([this, reply](QDialog& d) {
            if (auto* msg = qobject_cast<TWinMsgDlg*>(&d)) {
                texts << msg->LblMessage()->text();
                kinds << msg->MessageKind;
            }
            return reply;
        });
    }
    ~CaughtMessages() { SetModalRunner(previous); }
    CaughtMessages(const CaughtMessages&) = delete;
    CaughtMessages& operator=(const CaughtMessages&) = delete;
};
