// What the board and the frame ask of the clue list. The clue-list window
// implements this next to its widget base; the others find it through the
// frame and call it only while it is open.
#pragma once

#include "CompanionLinks.h"

#include <optional>
#include <string>

class QObject;

// A clue-list entry as the board needs it when a word is dropped.
struct ClueEntryWord {
    std::string Word; // code page 1252
    int WordIndex = -1;
};

class ClueListLink : public CompanionWindow {
public:
    virtual bool ClueListVisible() const = 0;
    // Shows the word with that number in the list of the direction.
    virtual void FocusEntryByNumber(int number, bool across) = 0;
    // Sets the word's solved mark and the entry's check mark; a negative index is ignored.
    virtual void MarkWordSolved(int wordIndex, bool across, bool solved) = 0;
    // An entry handle for the two calls below, or a negative value when there is none.
    virtual int FindEntryByNumber(int number, bool across) = 0;
    virtual std::string EntryWord(int entry, bool across) = 0;
    virtual void SetEntrySolved(int entry, bool across, bool solved) = 0;
    virtual void UpdateDragCursor() = 0;
    // Builds both lists again from the puzzle.
    virtual void BuildLists() = 0;

    // Dropping words: whether the list shows across and down separately, and
    // which of its lists a drag started from (1 across, 0 down, -1 none of them).
    virtual bool TwoLists() const = 0;
    virtual int DragSourceList(const QObject* source) const = 0;
    virtual std::optional<ClueEntryWord> FocusedEntry(bool across) const = 0;
};
