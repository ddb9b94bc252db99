#include "notes/NoteDateList.h"

QString NoteDateList::entryText(int position, const QLocale& locale,
                                const QString& longFormat) const
{
    const QString date = locale.toString(dateOfDay(ListDays.at(position)), longFormat);
    if (isExpired(position))
        return ExpiredMarker + date;
    return noteAt(position) > 0 ? NoteMarker + date : date;
}

QString widestEntryText(const QLocale& locale, const QString& longFormat, int year,
                        const QFontMetrics& metrics)
{
    QString widest;
    // A week of two-digit days in every month holds every weekday and month name.
    for (int month = 1; month <= 12; ++month) {
        for (int day : {22, 23, 24, 25, 26, 27, 28}) {
            const QString entry =
                ExpiredMarker + locale.toString(QDate(year, month, day), longFormat);
            if (metrics.horizontalAdvance(entry) > metrics.horizontalAdvance(widest))
                widest = entry;
        }
    }
    return widest;
}

NoteDateList buildNoteDateList(const NoteList& list, const QDate& today)
{
    NoteDateList dates;
    const int size = list.NumExpired + NoteDateList::DaysListed;
    dates.ListDays.reserve(size);
    dates.notes.reserve(size);
    dates.todayPosition = list.NumExpired;

    for (int n = 1; n <= list.NumExpired; ++n) {
        dates.ListDays.append(list.note(n).day);
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
        dates.ListDays.append(day);
        dates.notes.append(hasNote ? next : 0);
    }
    return dates;
}
