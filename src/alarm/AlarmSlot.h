#pragma once

#include "core/DateSerial.h"

#include <QString>
#include <array>

// One alarm setting; slot n is row n of the alarm settings window.
struct AlarmSlot {
    bool isOn = false;
    // 0 once only, 1 regular: the position in the frequency list.
    qint16 frequency = 0;
    // The position in the day list (see DayChoice).
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

// Positions 0 to 6 are Monday to Sunday in both day lists; only the regular list has the
// three patterns after them.
namespace DayChoice
{
constexpr int Sunday = 6;
constexpr int MondayToFriday = 7;
constexpr int MondayToSunday = 8;
constexpr int SaturdayAndSunday = 9;
constexpr int LastOnceOnly = Sunday;
constexpr int LastRegular = SaturdayAndSunday;
} // namespace DayChoice

// The texts of a day list for the frequency.
QStringList dayListTexts(int frequency);

// The day choice a row keeps when its day list is refilled for `frequency`: a once-only
// list has no patterns, so a pattern becomes Monday. -1 (nothing chosen) stays -1.
int dayChoiceKeptFor(int frequency, int dayChoice);
