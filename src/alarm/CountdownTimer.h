#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// A countdown the user set, "ring in 12 minutes": it runs toward its end, or waits paused with
// the seconds it has left; not set, it has neither. Its ends fall on whole seconds.
struct CountdownTimer {
    // The real moment it ends, while it runs.
    QDateTime end;
    // The seconds it has left, while paused.
    int pausedSeconds = 0;
    QString label;

    bool isRunning() const { return end.isValid(); }
    bool isPaused() const { return pausedSeconds > 0; }
    bool isSet() const { return isRunning() || isPaused(); }
};

constexpr int DefaultTimerSeconds = 5 * 60;
constexpr int LongestTimerSeconds = 24 * 60 * 60;

// The length typed as minutes and seconds, when it comes to 1 second to 24 hours: each box
// holds digits only (an empty box is 0) and the seconds are below 60.
std::optional<int> timerLength(const QString& minutes, const QString& seconds);

// The timer that ends `seconds` after the second `now` falls in.
CountdownTimer runningTimer(const QDateTime& now, int seconds, const QString& label);

// The seconds from the second `now` falls in to the timer's end; what a paused one has left.
// 0 in the second it ends, below 0 after.
int secondsLeft(const CountdownTimer& timer, const QDateTime& now);

// The status line of a timer: "Timer 11:59", "Timer 1:05:00", "Timer 4:00 (paused)".
QString countdownText(int seconds, bool paused);

// What the notification and the notices call the timer: "Timer", or "Timer – Tea".
QString timerName(const QString& label);
