#pragma once

#include "alarm/AlarmSlot.h"
#include "alarm/CountdownTimer.h"

#include <QDateTime>
#include <QString>

// The alarm slots and the duration as kept in section "AlarmSetting": the key "dur" and,
// for every slot n, "chkOn n", "comFreq n", "comDays n", "txtHr n", "txtMin n" and
// "DateTime n" (one blank before the number). Beside those 91 keys, and only while they
// hold more than their default, so that a file that uses none of them stays as it was:
// "snooze", "sound", "gentle", "untilAnswered", and for every slot "label n", "snoozeUntil n",
// and "days n" or "date n" for a slot set to chosen days or to a date. "dur" keeps its
// seconds while "untilAnswered" is chosen, for an earlier version that knows only those.

inline const QString AlarmSection = QStringLiteral("AlarmSetting");

constexpr int DefaultAlarmDuration = 5;
constexpr int ShortestAlarmDuration = 1;
constexpr int LongestAlarmDuration = 60;
constexpr int DefaultSnoozeMinutes = 10;
constexpr int ShortestSnoozeMinutes = 1;
constexpr int LongestSnoozeMinutes = 60;

QString alarmKey(const QString& field, int slot);

// What all alarms share.
struct AlarmOptions {
    // How long an alarm sounds, in seconds.
    int duration = DefaultAlarmDuration;
    int snoozeMinutes = DefaultSnoozeMinutes;
    // Empty for the built-in beep, else the absolute path of the user's sound file.
    QString soundFile;
    // The sound starts quiet and reaches full volume over the first half of the duration.
    bool gentle = false;
    // The sound repeats until the alarm is answered, for UnansweredRingSeconds at most, rather
    // than for `duration`.
    bool untilAnswered = false;

    bool operator==(const AlarmOptions&) const = default;
};

struct StoredAlarms {
    AlarmOptions options;
    SlotTable slots;
};

// Reads every key, a missing one or one holding a value no save writes giving the key's
// default. One-off expiry is left to the caller (oneOffExpired).
StoredAlarms readStoredAlarms();

// Writes all 91 values, "dur" first, whether or not they changed, and the keys beside them;
// the caller commits.
void writeStoredAlarms(const AlarmOptions& options, const SlotTable& slots);

// The timer and the last length started, kept beside the alarms only while they differ from
// none and five minutes: "timerEnd" (the end in whole seconds since 1970, UTC) while it runs,
// "timerLeft" (its seconds) while paused, "timerLabel" and "timerLength".
struct StoredTimer {
    CountdownTimer timer;
    int lastLength = DefaultTimerSeconds;
};

// A value out of range reads as missing, and a timer without its end or its seconds as none.
StoredTimer readStoredTimer();
// The caller commits.
void writeStoredTimer(const StoredTimer& stored);

// The moment's minute began before `now`, at whole seconds; a moment no calendar holds is
// long past.
bool hasPassed(DateSerial moment, const QDateTime& now);

// A once-only slot whose due moment has passed has rung.
bool oneOffExpired(const AlarmSlot& slot, const QDateTime& now);
