#pragma once

// The beeping of one alarm: a beep every BeepInterval ms until the running total passes
// 2.5 times the interval for each second of the alarm duration, so a 5 s duration gives
// 14 beeps.
constexpr int BeepInterval = 333;
constexpr double BeepLimitFactor = 2.5;

// One tick of the beep timer, after which `beepElapsed` holds the new total. The tick
// always beeps; true means it was the last one and the timer stops.
bool beepTickIsLast(int& beepElapsed, int durationSeconds);
