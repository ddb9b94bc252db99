#include "alarm/BeepCount.h"

#include <algorithm>

bool beepTickIsLast(int& beepElapsed, int durationSeconds)
{
    const double limit = BeepInterval * durationSeconds * BeepLimitFactor;
    if (beepElapsed > limit) {
        beepElapsed = 0;
        return true;
    }
    beepElapsed += BeepInterval;
    return false;
}

bool unansweredTickIsLast(int& beepElapsed, const QDateTime& rangAt, const QDateTime& now)
{
    beepElapsed += BeepInterval;
    return rangAt.secsTo(now) >= UnansweredRingSeconds;
}

double alarmVolume(int beepElapsed, int durationSeconds, bool gentle)
{
    if (!gentle)
        return 1.0;
    const double rise = durationSeconds * 1000 / 2.0;
    return std::min(1.0, GentleStartVolume + (1.0 - GentleStartVolume) * beepElapsed / rise);
}
