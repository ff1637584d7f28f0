#include "PuzzleChooser.h"

#include "ModalRunner.h"
#include "ProgressStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace {
const char* const FilesKey = "Zuletzt/Dateien";
const char* const FolderKey = "Zuletzt/Ordner";

QSettings Store() {
    return QSettings(SettingsFile(), QSettings::IniFormat);
}
} // namespace

QString PuzzleFolderToStart() {
    const QString last = Store().value(FolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    // The examples as installed beside the player's folder.
    const QString examples =
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(ZORU_EXAMPLES_FROM_PLAYER);
    if (QFileInfo(examples).isDir()) return QDir::cleanPath(examples);
    return QDir::homePath();
}

QString ChoosePuzzleFile(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Rätsel öffnen"), PuzzleFolderToStart(),
                       QStringLiteral("Rätsel (*.zvr *.puz *.ipuz);;Alle Dateien (*)"));
    dialog.setObjectName("OpenPuzzleDlg");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Qt's own chooser, so that read-only holds: no deleting, renaming or new folders.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly);
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    Store().setValue(FolderKey, QFileInfo(chosen).absolutePath());
    return chosen;
}

namespace RecentPuzzles {
QStringList List() {
    QStringList files = Store().value(FilesKey).toStringList();
    files.removeAll(QString());
    return files.mid(0, Length);
}

void Add(const QString& fileName) {
    const QString path = QFileInfo(fileName).absoluteFilePath();
    QStringList files = List();
    files.removeAll(path);
    files.prepend(path);
    Store().setValue(FilesKey, files.mid(0, Length));
}

void Remove(const QString& fileName) {
    QStringList files = List();
    if (files.removeAll(QFileInfo(fileName).absoluteFilePath()) > 0)
        Store().setValue(FilesKey, files);
}
} // namespace RecentPuzzles
