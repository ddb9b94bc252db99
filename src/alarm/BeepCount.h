#pragma once

#include <QDateTime>

// The beeping of one alarm: a beep every BeepInterval ms until the running total passes
// 2.5 times the interval for each second of the alarm duration, so a 5 s duration gives
// 14 beeps.
constexpr int BeepInterval = 333;
constexpr double BeepLimitFactor = 2.5;

// One tick of the beep timer, after which `beepElapsed` holds the new total. The tick
// always beeps; true means it was the last one and the timer stops.
bool beepTickIsLast(int& beepElapsed, int durationSeconds);

// An alarm that rings until answered stops after ten minutes, counted on the clock from the
// moment it began to ring, so that a busy or suspended machine does not stretch it.
constexpr int UnansweredRingSeconds = 10 * 60;
// As beepTickIsLast, for such an alarm.
bool unansweredTickIsLast(int& beepElapsed, const QDateTime& rangAt, const QDateTime& now);

// How loud the alarm sounds `beepElapsed` ms after it began, from 0 to 1 as the ear hears
// it: at once in full, or for a gentle alarm from GentleStartVolume up to full over the first
// half of the duration.
constexpr double GentleStartVolume = 0.2;
double alarmVolume(int beepElapsed, int durationSeconds, bool gentle);
