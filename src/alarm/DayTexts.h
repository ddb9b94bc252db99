#pragma once

#include "alarm/AlarmSlot.h"

#include <QLocale>

// The seven weekdays in the order the user's week runs, Qt's numbers (Monday 1 to Sunday 7).
QList<int> weekOrder(const QLocale& locale = QLocale());

// Chosen days briefly, in the user's week order: "Mon, Wed, Fri"; more than four of them as the
// days left out, "All but Tue, Sat", which is shorter. Sets a day choice names by itself (a
// single day, the patterns) are shown by that choice's text instead.
QString weekdaysText(const Weekdays& days, const QLocale& locale = QLocale());

// A date briefly: "22 Dec 2026".
QString shortDateText(const QDate& date, const QLocale& locale = QLocale());

// A date briefly with its weekday: "Tue 22 Dec 2026".
QString dayAndDateText(const QDate& date, const QLocale& locale = QLocale());

// The text of the last entry of the slot's day list: the chosen days or the date while the
// slot is set to them, else the entry's own text.
QString lastDayEntryText(const AlarmSlot& slot, const QLocale& locale = QLocale());
