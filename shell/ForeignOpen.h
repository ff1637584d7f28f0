// Opening a crossword of the public formats in the frame: a locked file asks
// for its key, and what the import lost or the file's notes go to the status line.
#pragma once

#include "Loading.h"

#include <QString>

#include <string>
#include <vector>

class QImage;
class QWidget;
struct PuzzleSession;

// Loads as LoadPuzzleFrom does. A locked file asks for its four-digit key until
// it opens; `cancelled` tells that the user gave up (no puzzle, no message).
LoadOutcome LoadAskingForKey(QWidget* parent, PuzzleSession& session, QImage& picture,
                             const std::vector<std::string>& parameters,
                             const std::string& executablePath, bool& cancelled);

// The same for the one file named, exactly as given (no command-line joining).
LoadOutcome LoadFileAskingForKey(QWidget* parent, PuzzleSession& session, QImage& picture,
                                 const std::string& fileName, bool& cancelled);

// The warnings and the notes of an imported crossword as one status line; empty otherwise.
QString OpeningStatusText(const LoadOutcome& outcome);
