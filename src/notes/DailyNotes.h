#pragma once

#include "notes/NoteDateList.h"
#include "notes/NoteList.h"

#include <QDate>
#include <QObject>

// The daily notes as the program holds them: the stored notes, the dates listed for them
// from the day they were read on, and whether that day has a note. The notes window shows
// and edits them; the main window's "N" follows them.
class DailyNotes : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Reads the notes again from the store, as of today.
    void ReadNotes();

    const NoteList& list() const { return m_list; }
    const NoteDateList& dates() const { return m_dates; }
    // True when the day of the last read has a note, even an empty one.
    bool TodayHasNotes() const { return m_dates.noteAt(m_dates.todayPosition) > 0; }
    // That note's text, or an empty text.
    QString todayText() const;

    // The write procedures. Each stores the change, then reads the notes again. An insert is
    // refused when the list already holds NoteList::MaxNotes notes.
    void InsertNote(DateSerial day, const QString& text);
    void UpdateNoteText(int n, const QString& text);
    void DeleteNote(int n);

Q_SIGNALS:
    // After every read.
    void notesRead();
    void saveFailed();

private:
    void commit();

    NoteList m_list;
    NoteDateList m_dates;
};
