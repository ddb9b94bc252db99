#include "notes/DailyNotes.h"

#include "core/AppInfo.h"
#include "core/Clock.h"
#include "notes/NoteStore.h"
#include "settings/SettingsStore.h"

void DailyNotes::ReadNotes()
{
    const QDate today = Clock::today();
    m_list = readNoteList(today);
    m_dates = buildNoteDateList(m_list, today);
    Q_EMIT notesRead();
}

QString DailyNotes::todayText() const
{
    const int note = m_dates.noteAt(m_dates.todayPosition);
    return note > 0 ? m_list.note(note).text : QString();
}

void DailyNotes::InsertNote(DateSerial day, const QString& text)
{
    if (insertStoredNote(m_list, day, text))
        commit();
}

void DailyNotes::UpdateNoteText(int n, const QString& text)
{
    updateStoredNoteText(m_list, n, text);
    commit();
}

void DailyNotes::DeleteNote(int n)
{
    deleteStoredNote(m_list, n);
    commit();
}

void DailyNotes::commit()
{
    if (!SettingsStore::flush(AppTitle))
        Q_EMIT saveFailed();
    ReadNotes();
}
