#pragma once

#include "notes/NoteList.h"

#include <QDate>
#include <QFontMetrics>
#include <QLocale>

inline const QString NoteMarker = QStringLiteral("(*) ");
inline const QString ExpiredMarker = QStringLiteral("(exp) ");

// The entries of the notes window's date list: the expired notes, oldest first, then today
// and the next 365 days, each in the locale's long date format, marked when it has a note.
// An entry's text is made when it is asked for, so a long list costs no formatting up front.
struct NoteDateList {
    static constexpr int DaysListed = 366;

    // The day behind each entry.
    QList<DateSerial> ListDays;
    // The note (1-based) behind each entry, 0 for a day without one.
    QList<int> notes;
    // Today's entry: the first after the expired notes.
    int todayPosition = 0;

    int count() const { return int(ListDays.size()); }
    int noteAt(int position) const { return notes.value(position); }
    bool isExpired(int position) const { return position < todayPosition; }
    // The entry of the day, or -1 when the day is not listed.
    int positionOf(DateSerial day) const { return int(ListDays.indexOf(day)); }

    // The entry as listed, e.g. "(*) Monday, 7 December 2026"; `longFormat` is the
    // locale's long date format, looked up once by the caller since that lookup is slow.
    QString entryText(int position, const QLocale& locale, const QString& longFormat) const;
};

// The widest entry the list can hold in `year` as `metrics` measure it: an expired one, on the
// weekday and month whose names take the most room.
QString widestEntryText(const QLocale& locale, const QString& longFormat, int year,
                        const QFontMetrics& metrics);

// Notes more than 365 days ahead are not listed.
NoteDateList buildNoteDateList(const NoteList& list, const QDate& today);
