// The frame's opening of puzzles: at start from the command line or its own
// executable, later from the chooser or the list of recent puzzles.
#include "Hauptformular.h"

#include "Container.h"
#include "ForeignOpen.h"
#include "HinweisDialog.h"
#include "KeepWork.h"
#include "ModalRunner.h"
#include "PuzzleChooser.h"
#include "PuzzleGame.h"
#include "RaetselFormular.h"
#include "Settings.h"
#include "SystemPalette.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

#include <memory>

namespace {
void SayFailure(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    RunModal(box);
}
} // namespace

std::uint8_t TRMMainForm::LoadPuzzle() {
    keep_->Close();
    session_.settings.System = SystemColoursFromPalette();
    // Defaults first: a module whose settings block is missing or damaged must
    // look exactly like one that holds the defaults. The error display starts
    // on; UpdateMenus switches it off when the puzzle forbids it, as
    // the defaults for the loaded puzzle would.
    SetDefaultSettings(session_.settings, session_.image());
    session_.settings.FehlerZeigen = true;
    LoadOutcome outcome;
    QImage picture;
    bool cancelled = false;
    try {
        outcome =
            LoadAskingForKey(this, session_, picture, parameters_, executablePath_, cancelled);
    } catch (const LoadError& e) {
        // An existing file that cannot be opened: the general error report.
        SayFailure(this, QApplication::applicationDisplayName(), QString::fromUtf8(e.what()));
        return LoadResult::ReadError;
    }
    if (LoadSucceeded(outcome.Result)) {
        if (!parameters_.empty())
            RecentPuzzles::Add(QFile::decodeName(QByteArray::fromStdString(outcome.FileName)));
        ShowLoadedPuzzle(std::move(picture), outcome);
    } else if (!cancelled) {
        SayFailure(this, "Fehler", QString::fromStdString(LoadFailureMessage(outcome)));
    }
    return outcome.Result;
}

bool TRMMainForm::OpenPuzzleFile(const QString& fileName) {
    // Read beside the open puzzle, which stays if this one fails.
    auto fresh = std::make_unique<PuzzleSession>();
    fresh->settings.System = SystemColoursFromPalette();
    LoadOutcome outcome;
    QImage picture;
    bool cancelled = false;
    try {
        // The name as the file system spells it, whatever its encoding.
        outcome = LoadFileAskingForKey(this, *fresh, picture,
                                       QFile::encodeName(fileName).toStdString(), cancelled);
    } catch (const LoadError& e) {
        SayFailure(this, QApplication::applicationDisplayName(), QString::fromUtf8(e.what()));
        return false;
    }
    if (!LoadSucceeded(outcome.Result)) {
        if (outcome.Result == LoadResult::FileMissing) RecentPuzzles::Remove(fileName);
        if (!cancelled)
            SayFailure(this, "Fehler", QString::fromStdString(LoadFailureMessage(outcome)));
        return false;
    }
    CloseAllChildren();
    session_.puzzle = fresh->puzzle;
    session_.settings = fresh->settings;
    session_.flags = RunFlags{};
    RecentPuzzles::Add(fileName);
    ShowLoadedPuzzle(std::move(picture), outcome);
    return true;
}

void TRMMainForm::OpenChosenPuzzle() {
    const QString fileName = ChoosePuzzleFile(this);
    if (!fileName.isEmpty()) OpenPuzzleFile(fileName);
}

void TRMMainForm::ShowLoadedPuzzle(QImage picture, LoadOutcome& outcome) {
    ShowHint(QString());
    game_->Loaded(std::move(picture), std::move(outcome.PictureBytes));
    keep_->Loaded();
    auto* board = new TRaetselForm(*this);
    AddChild(board);
    board->show();
    UpdateMenus();
    keep_->SayLoaded();
    // An imported crossword: what was lost, and its notes.
    if (const QString status = OpeningStatusText(outcome); !status.isEmpty()) ShowHint(status);
}

void TRMMainForm::CloseAllChildren() {
    // The progress of the puzzle going is written while it is still there.
    keep_->Close();
    THintForm::CloseIfVisible();
    if (TRaetselForm* board = Board()) CloseChild(board);
    for (QMdiSubWindow* sub : mdiArea_->findChildren<QMdiSubWindow*>()) delete sub;
}

void TRMMainForm::FillRecentMenu(QMenu* menu) {
    menu->clear();
    const QStringList files = RecentPuzzles::List();
    int number = 0;
    for (const QString& file : files) {
        ++number;
        // "&" in a file name is shown, not taken as the entry's key.
        QString name = QFileInfo(file).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* a = menu->addAction(QStringLiteral("&%1 %2").arg(number).arg(name));
        a->setObjectName(QStringLiteral("MItemRaeZuletzt%1").arg(number));
        a->setStatusTip(file);
        connect(a, &QAction::triggered, this, [this, file] { OpenPuzzleFile(file); });
    }
    if (files.isEmpty()) menu->addAction(QStringLiteral("(keine)"))->setEnabled(false);
}
