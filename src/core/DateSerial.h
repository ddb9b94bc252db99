#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <utility>

// A local date and time as a count of days since 1899-12-30 00:00: the whole part is
// the date, the fraction the time of day (07:30 is 0.3125). Alarms and notes are
// stored in this form.
using DateSerial = double;

DateSerial toDateSerial(const QDate& date);
DateSerial toDateSerial(const QDate& date, const QTime& time);
DateSerial toDateSerial(const QDateTime& dateTime);

// The date and time of day the serial stands for, rounded to the nearest second so that a
// stored 07:05 never reads back as 07:04:59. They are what a wall clock reads, and exist also
// where the local clock skips that hour. An invalid date for values no calendar holds.
std::pair<QDate, QTime> wallClockOf(DateSerial serial);

// The stored text: at most 15 significant digits, "." as separator, no fraction when whole.
QString dateSerialText(DateSerial serial);

// Reads the stored text, accepting "." or "," as separator, so a change of the
// user's language never makes stored dates unreadable.
std::optional<DateSerial> parseDateSerial(const QString& text);
