// Choosing a puzzle to open: the file chooser and the list of the puzzles
// opened last, both remembered in the player's settings file.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The folder the chooser starts in: the one a puzzle was last chosen from,
// else the installed examples, else the home folder.
QString PuzzleFolderToStart();
// Asks for a puzzle file (read-only chooser: nothing there deletes or renames).
// Returns its path, or an empty string when the user cancelled.
QString ChoosePuzzleFile(QWidget* parent);

// The last five puzzle files opened, the latest first.
namespace RecentPuzzles {
constexpr int Length = 5;
QStringList List();
// Puts the file at the head of the list (by its absolute path).
void Add(const QString& fileName);
void Remove(const QString& fileName);
} // namespace RecentPuzzles
