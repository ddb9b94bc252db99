#pragma once

#include "notes/NoteList.h"

#include <QDate>

class QWidget;

// The notes live in section "Notes": "NumNotes" and, for n = 1 to NumNotes, the pair
// "Day"n (the day as a date serial) and "Text"n, numbered in ascending order of day.
// Each write procedure ends with one flush; a failed flush is reported over `parent`.

// Reads the section. A malformed one yields only its readable notes, sorted and one per
// day (the first pair of a day wins); the next write lays the section out afresh.
NoteList readNoteList(const QDate& today);

// Inserts the note before the first note on or after its day and rewrites every pair.
// Refused, with nothing written, when the list already holds NoteList::MaxNotes notes.
bool InsertNote(NoteList& list, DateSerial day, const QString& text, QWidget* parent = nullptr);

// Replaces the text of note n (1-based), writing only its "Text" key.
void UpdateNoteText(NoteList& list, int n, const QString& text, QWidget* parent = nullptr);

// Removes note n (1-based), closes the gap and rewrites every pair.
void DeleteNote(NoteList& list, int n, QWidget* parent = nullptr);
