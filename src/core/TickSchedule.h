#pragma once

#include <QTime>

// The clock's timers tick just after the marks of the wall clock (each half second, each
// second) instead of at whatever phase they were started: the shown time then turns over
// with the real second.
namespace TickSchedule {

// How long after a mark a tick is due. A timer that wakes a little early still finds the
// new second, and a few milliseconds are far below what anyone can see.
inline constexpr int Margin = 5;

// Milliseconds from `now` until `Margin` after the first mark later than `now`. Marks fall
// every `period` milliseconds from each whole second; `period` divides 1000.
int msecsToNextTick(const QTime& now, int period);

} // namespace TickSchedule
