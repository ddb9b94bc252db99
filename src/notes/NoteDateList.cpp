#include "notes/NoteDateList.h"

NoteDateList buildNoteDateList(const NoteList& list, const QDate& today, const QLocale& locale)
{
    const auto longDate = [&locale](const QDate& date) {
        return locale.toString(date, QLocale::LongFormat);
    };

    NoteDateList dates;
    const int size = list.NumExpired + NoteDateList::DaysListed;
    dates.entries.reserve(size);
    dates.ListDays.reserve(size);
    dates.notes.reserve(size);
    dates.todayPosition = list.NumExpired;

    for (int n = 1; n <= list.NumExpired; ++n) {
        const DateSerial day = list.note(n).day;
        dates.entries.append(ExpiredMarker + longDate(dateTimeFromSerial(day).date()));
        dates.ListDays.append(day);
        dates.notes.append(n);
    }

    // The notes from today on are in day order, so one pass along them beside the days
    // finds every match without comparing each day with each note.
    int next = list.NumExpired + 1;
    const DateSerial first = toDateSerial(today);
    for (int j = 0; j < NoteDateList::DaysListed; ++j) {
        const DateSerial day = first + j;
        while (next <= list.NumNotes() && list.note(next).day < day)
            ++next;
        const bool hasNote = next <= list.NumNotes() && list.note(next).day == day;
        const QString text = longDate(today.addDays(j));
        dates.entries.append(hasNote ? NoteMarker + text : text);
        dates.ListDays.append(day);
        dates.notes.append(hasNote ? next : 0);
    }
    return dates;
}
