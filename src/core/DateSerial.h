#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// A local date and time as a count of days since 1899-12-30 00:00: the whole part is
// the date, the fraction the time of day (07:30 is 0.3125). Alarms and notes are
// stored in this form.
using DateSerial = double;

DateSerial toDateSerial(const QDate& date);
DateSerial toDateSerial(const QDateTime& dateTime);

// The date and time the serial stands for, rounded to the nearest second so that a
// stored 07:05 never reads back as 07:04:59. Invalid for values no calendar holds.
QDateTime dateTimeFromSerial(DateSerial serial);

// The stored text: at most 15 significant digits, "." as separator, no fraction when whole.
QString dateSerialText(DateSerial serial);

// Reads the stored text, accepting "." or "," as separator, so a change of the
// user's language never makes stored dates unreadable.
std::optional<DateSerial> parseDateSerial(const QString& text);
