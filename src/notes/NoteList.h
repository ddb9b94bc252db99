#pragma once

#include "notes/DailyNote.h"

#include <QList>

// The notes in memory, in ascending order of day, one per day. Notes are numbered from 1;
// notes 1 to NumExpired lie before the day the list was read on.
class NoteList
{
  public:
    // The count is stored as a 16-bit number, so the list never grows past it.
    static constexpr int MaxNotes = 32767;

    QList<DailyNote> notes;
    int NumExpired = 0;

    // The highest "Day"/"Text" pair number that may still be in the store: pairs above the
    // count are removed by the next write.
    int storedPairs = 0;
    // False when the stored section did not hold exactly these notes in this numbering, so
    // a write must lay out the whole section again.
    bool matchesStore = true;

    int NumNotes() const { return int(notes.size()); }
    bool isFull() const { return NumNotes() >= MaxNotes; }

    const DailyNote& note(int n) const { return notes.at(n - 1); }
    DailyNote& note(int n) { return notes[n - 1]; }
};
