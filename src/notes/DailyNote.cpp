#include "notes/DailyNote.h"

#include <cmath>

QDate dateOfDay(DateSerial day)
{
    // Far beyond any day a note is kept for, and well inside what a date can count.
    constexpr double farthestDay = 1e9;
    if (!std::isfinite(day) || std::fabs(day) > farthestDay)
        return {};
    return QDate(1899, 12, 30).addDays(qint64(std::floor(day)));
}
