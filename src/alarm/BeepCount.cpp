#include "alarm/BeepCount.h"

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
