#pragma once

#include "core/DateSerial.h"

class QWidget;

// The program-wide values that belong to no window, and the always-on-top routine.
namespace mod_alarm {

// True while today's entry of the notes window's date list carries a note.
inline bool TodayHasNotes = false;

// The alarm the notification window shows: a copy of the soonest alarm, taken each time
// the next alarm is worked out.
inline DateSerial alarmDisplayTime = 0;

// 1 keeps the window above all others, 0 releases it, any other value raises it.
void SetAlwaysOnTop(int flag, QWidget* window);

} // namespace mod_alarm
