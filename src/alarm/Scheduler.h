#pragma once

#include "alarm/AlarmSlot.h"

#include <QDateTime>
#include <QLocale>

// No real alarm ever lies this far ahead (the year 7375): the value of "no alarm".
constexpr DateSerial NoAlarmSentinel = 2000000.0;

// When the slot next goes off, seen from `now`: the first day from today on (today only
// while `now` is before the alarm's minute) whose weekday the day choice names; for a slot
// set to a date, that date unless it lies before such a first day. 0 when the slot is off,
// names no days, its date has passed, or its hour or minute does not read as a number.
DateSerial NextAlarmTime(const AlarmSlot& slot, const QDateTime& now);

// The first slot switched on for a date whose moment has come by `now`, so that it would never
// ring; -1 if there is none.
int firstPassedDate(const SlotTable& slots, const QDateTime& now);

// The soonest of the slots' next alarms and pending snoozes (0 is neither);
// NoAlarmSentinel if there is none.
DateSerial soonestOf(const SlotTable& slots);

// The slot's next alarm or its snooze falls on `moment`.
bool ringsAt(const AlarmSlot& slot, DateSerial moment);

// The names of the slots that ring at `moment`, each name once, joined by ", ".
QString labelsAt(const SlotTable& slots, DateSerial moment);

// How an alarm's day is named: by its weekday, or by its date where the weekday alone would
// mislead.
enum class DayNaming { Weekday, Date };

// The soonest alarm is named by its date when a slot set to a date rings then, a week or more
// after `today`; every other alarm falls within the coming week.
DayNaming dayNamingFor(const SlotTable& slots, DateSerial soonest, const QDate& today);

// "Tuesday 07:05", or by date "22 Dec 2026 07:05": the alarm's day in the user's language
// and its time on the 24-hour clock.
QString alarmDayAndTime(DateSerial alarm, DayNaming naming = DayNaming::Weekday,
                        const QLocale& locale = QLocale());

// "Tuesday 07:05", and after it the alarm's name if it has one: "Tuesday 07:05 – Pills".
QString alarmDayTimeAndLabel(DateSerial alarm, const QString& label);

// The main window's status line for the soonest alarm: "Tuesday 07:05 (Next Alarm)", or
// "Alarm is OFF".
QString nextAlarmStatusText(DateSerial soonest, DayNaming naming = DayNaming::Weekday,
                            const QLocale& locale = QLocale());

// The real moment an alarm is due: the start of its minute on the local clock or, where the
// clock skips that minute (the night summer time begins), the first minute after the gap.
QDateTime dueMoment(DateSerial alarm);

// What the once-a-second check does with the watched alarm.
enum class AlarmCheck {
    Wait,     // its minute has not come
    Ring,     // this is its minute
    RingLate, // its minute passed unobserved, at most MissedAlarmGrace ago
    Skip,     // its minute passed unobserved longer ago: reschedule without ringing
};

// An alarm this late still rings, so a short sleep or a busy machine costs no alarm. Lateness
// is real time elapsed since dueMoment(), not a difference of wall-clock readings.
constexpr int MissedAlarmGraceSeconds = 5 * 60;

AlarmCheck checkAlarm(DateSerial soonest, const QDateTime& now);
