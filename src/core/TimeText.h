#pragma once

#include <QLocale>
#include <QTime>

// The time of day with seconds in the locale's own way of writing times
// ("3:04:05 PM", "15:04:05").
QString timeOfDayText(const QTime& time, const QLocale& locale = QLocale());

// "HH:MM" on the 24-hour clock, as alarms are shown.
QString shortTimeText(const QTime& time);
