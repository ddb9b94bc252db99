#pragma once

#include "alarm/AlarmSlot.h"

#include <QDateTime>

// When a snoozed alarm rings again: `minutes` after the minute in which it began to ring,
// whenever in that minute the user snoozed it; or, snoozed so late that this has passed,
// `minutes` after the minute of the snooze. Counted on the wall clock, so a snooze that
// ends in the hour summer time skips rings at the end of that hour, as an alarm set there does.
DateSerial snoozeMoment(const QDateTime& rangAt, int minutes, const QDateTime& now);

// The snooze a slot keeps when the settings are saved: the one it has, unless the user has
// just switched the slot off.
DateSerial keptSnooze(const AlarmSlot& current, const AlarmSlot& edited);

// "Snoozed until 07:40"
QString snoozedUntilText(DateSerial snoozeUntil);

// The caption of the snooze buttons: "Snooze 10 min".
QString snoozeCaption(int minutes);
