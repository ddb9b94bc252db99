#pragma once

#include "alarm/AlarmSlot.h"

#include <QDateTime>
#include <QString>

// The alarm slots and the duration as kept in section "AlarmSetting": the key "dur" and,
// for every slot n, "chkOn n", "comFreq n", "comDays n", "txtHr n", "txtMin n" and
// "DateTime n" (one blank before the number).

inline const QString AlarmSection = QStringLiteral("AlarmSetting");

constexpr int DefaultAlarmDuration = 5;
constexpr int ShortestAlarmDuration = 1;
constexpr int LongestAlarmDuration = 60;

QString alarmKey(const QString& field, int slot);

struct StoredAlarms
{
    int duration = DefaultAlarmDuration;
    SlotTable slots;
};

// Reads every key, a missing one or one holding a value no save writes giving the key's
// default. One-off expiry is left to the caller (oneOffExpired).
StoredAlarms readStoredAlarms();

// Writes all 91 values, "dur" first, whether or not they changed; the caller commits.
void writeStoredAlarms(const QString& durationText, const SlotTable& slots);

// A once-only slot whose due moment lies before `now` (at whole seconds) has rung.
bool oneOffExpired(const AlarmSlot& slot, const QDateTime& now);
