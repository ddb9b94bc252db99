#pragma once

#include "core/DateSerial.h"

#include <QDate>
#include <QString>

// One note: a whole calendar day and the text kept for it, which may be empty after an edit.
struct DailyNote {
    DateSerial day = 0;
    QString text;
};

// The calendar day of a serial's whole part, or an invalid date for a serial no calendar
// holds. Works on the day count alone, without the time-zone lookups a date-time costs.
QDate dateOfDay(DateSerial day);
