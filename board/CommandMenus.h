// The field-marking and snapshot submenus: one builder for the frame's
// "Bearbeiten" menu and the board's popup. Every entry is a view of its
// command; names start with the prefix (MItemBea..., MItemPlay...).
#pragma once

#include <QString>

class CommandRegistry;
class QMenu;

// "Keine", the twelve symbols and "Nur zwei Zahlen möglich"; `hints` gives
// the entries status-line texts.
void FillMarkingMenu(QMenu* menu, CommandRegistry& commands, const QString& prefix, bool hints);
// "Erstellen" and the four slots (their texts follow the slots' times).
void FillSnapshotMenu(QMenu* menu, CommandRegistry& commands, const QString& prefix, bool hints);
