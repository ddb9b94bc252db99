#pragma once

#include "notes/NoteList.h"

#include <QDate>

// The notes live in section "Notes": "NumNotes" and, for n = 1 to NumNotes, the pair
// "Day"n (the day as a date serial) and "Text"n, numbered in ascending order of day.
// The writes below leave it to the caller to flush the store.

// Reads the section. A malformed one yields only its readable notes, sorted and one per
// day (the first pair of a day wins); the next write lays the section out afresh.
NoteList readNoteList(const QDate& today);

// Inserts the note before the first note on or after its day and rewrites every pair.
// Refused, with nothing written, when the list already holds NoteList::MaxNotes notes.
bool insertStoredNote(NoteList& list, DateSerial day, const QString& text);

// Replaces the text of note n (1-based), writing only its "Text" key.
void updateStoredNoteText(NoteList& list, int n, const QString& text);

// Removes note n (1-based), closes the gap and rewrites every pair.
void deleteStoredNote(NoteList& list, int n);
