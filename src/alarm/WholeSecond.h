#pragma once

#include <QDateTime>

// Alarms are compared at whole seconds: the clock's milliseconds play no part.
inline QDateTime wholeSecond(const QDateTime& moment)
{
    return QDateTime(moment.date(),
                     QTime(0, 0).addSecs(moment.time().msecsSinceStartOfDay() / 1000));
}
