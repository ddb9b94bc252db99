#pragma once

#include "core/DateSerial.h"

#include <QDate>
#include <QString>
#include <array>
#include <bitset>

// A set of weekdays: bit d - 1 stands for weekday d (ISO and Qt numbering, Monday 1 to Sunday 7).
using Weekdays = std::bitset<7>;

// One alarm setting; slot n is row n of the alarm settings window.
struct AlarmSlot {
    bool isOn = false;
    // 0 once only, 1 regular: the position in the frequency list.
    qint16 frequency = 0;
    // What the day list offers (see DayChoice).
    qint16 dayChoice = 0;
    // Kept as typed; the scheduler reads them as numbers each time it runs.
    QString hourText = QStringLiteral("12");
    QString minuteText = QStringLiteral("00");
    // The next alarm as last computed; 0 while the slot is off.
    DateSerial nextAlarm = 0;
    // The alarm's name, as typed; empty for an alarm without one.
    QString label;
    // The minute a snoozed ring of this slot is due, 0 when none is pending. A one-off that
    // rang and was snoozed is off, and still rings again at this minute.
    DateSerial snoozeUntil = 0;
    // The days of DayChoice::ChosenDays and the date of DayChoice::OnDate; kept while the row
    // shows another choice, and meaningless there.
    Weekdays chosenDays;
    QDate chosenDate;
};

// The same alarm as the user set it; the moments worked out from it are not compared.
bool sameSetting(const AlarmSlot& a, const AlarmSlot& b);

// The longest name an alarm may have, in characters.
constexpr int LongestAlarmLabel = 60;

// A name as it is kept: on one line, at most LongestAlarmLabel characters.
QString alarmLabel(const QString& typed);

constexpr int SlotCount = 15;
using SlotTable = std::array<AlarmSlot, SlotCount>;

namespace Frequency
{
constexpr int OnceOnly = 0;
constexpr int Regular = 1;
} // namespace Frequency

// Choices 0 to 6 are Monday to Sunday in both day lists; only the regular list has the
// three patterns after them. The last entry of each list opens a window of its own: any set
// of weekdays for a regular slot, a date for a once-only one. Those two choices are never
// stored under "comDays n", whose values an earlier version reads.
namespace DayChoice
{
constexpr int Sunday = 6;
constexpr int MondayToFriday = 7;
constexpr int MondayToSunday = 8;
constexpr int SaturdayAndSunday = 9;
constexpr int LastOnceOnly = Sunday;
constexpr int LastRegular = SaturdayAndSunday;
constexpr int ChosenDays = 10;
constexpr int OnDate = 11;
} // namespace DayChoice

// An entry of a day list and the day choice it stands for.
struct DayEntry {
    QString text;
    int choice;
};

// The day list for the frequency, the entry that opens a window last: "Chosen days…" or
// "On a date…".
QList<DayEntry> dayList(int frequency);

// The day choice a row keeps when its day list is refilled for `frequency`: a once-only
// list has no patterns, so a pattern becomes Monday. -1 (nothing chosen) stays -1.
int dayChoiceKeptFor(int frequency, int dayChoice);

// The weekdays the slot's choice names: one, a pattern's or the chosen ones; none for a date.
Weekdays weekdaysOf(const AlarmSlot& slot);

// The choice that names exactly `days`: a weekday or a pattern where one does, so that a set
// an earlier version can hold is stored as it stores it; else ChosenDays.
int dayChoiceFor(const Weekdays& days);

// The nearest choice an earlier version understands, stored under "comDays n": the choice
// itself, the first of the chosen days, or the weekday of the date.
int compatibleDayChoice(const AlarmSlot& slot);
