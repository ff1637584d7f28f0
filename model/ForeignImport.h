// Reading the two public crossword formats, the binary Across Lite file and
// ipuz (JSON), into the record: a numbered crossword becomes kind 0, an ipuz
// Sudoku kind 14. What the record cannot hold is refused with a German reason;
// what is only shortened or left out is listed as a warning. The same bytes
// always give the same record, byte for byte.
#pragma once

#include "PuzzleImage.h"

#include <string>
#include <string_view>
#include <vector>

enum class ForeignFormat { None, Puz, Ipuz };

// Recognised by content only: the Across Lite magic near the start, or a JSON
// object (optionally wrapped in ipuz(...), after a byte order mark) that names
// "version" and "kind".
ForeignFormat SniffForeignFormat(std::string_view bytes);

enum class ImportStatus {
    Imported,
    Refused,   // the record cannot hold the puzzle, or the file is damaged
    KeyNeeded, // a locked file read without a key
    WrongKey,  // the key does not unlock the solution
};

struct ImportOutcome {
    ImportStatus Status = ImportStatus::Refused;
    ForeignFormat Format = ForeignFormat::None;
    std::string Refusal;               // German, UTF-8; empty when imported
    std::vector<std::string> Warnings; // German, UTF-8: what was shortened or left out
    std::string OpeningNote;           // notes or intro (UTF-8) to show when the puzzle opens
    bool ok() const { return Status == ImportStatus::Imported; }
};

constexpr int NoKey = -1;

// The message for a locked file read without a key (the tool's wording).
constexpr std::string_view KeyNeededMessage =
    "Das Rätsel ist verschlüsselt: Aufruf mit --key und dem vierstelligen Schlüssel.";
constexpr std::string_view WrongKeyMessage = "Der Schlüssel passt nicht.";

// Fills the puzzle from a file of either format; the key (1000..9999, or
// NoKey) unlocks a locked Across Lite file. The puzzle is only meaningful
// when the outcome is ok.
ImportOutcome ImportForeignPuzzle(Puzzle& puzzle, std::string_view bytes, int key = NoKey);

// The two readers behind it, for callers that know the format.
ImportOutcome ReadPuzFile(Puzzle& puzzle, std::string_view bytes, int key = NoKey);
ImportOutcome ReadIpuzFile(Puzzle& puzzle, std::string_view bytes);

// Parses "NNNN" (four digits, 1000..9999 or any four digits); NoKey when malformed.
int ParseUnlockKey(std::string_view text);
