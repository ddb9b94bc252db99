#pragma once

#include <QDateTime>

// Alarms are compared at whole seconds: the clock's milliseconds play no part. The moment
// stays the same real instant, also in the hour the clocks repeat in autumn.
inline QDateTime wholeSecond(const QDateTime& moment)
{
    return moment.addMSecs(-moment.time().msec());
}
