#include "core/DateSerial.h"

#include <cmath>

namespace {

const QDate epoch(1899, 12, 30);
constexpr qint64 secondsPerDay = 24 * 60 * 60;
// QDate reaches far beyond this; the limit keeps the arithmetic below in range.
constexpr double largestSerial = 1e9;

} // namespace

DateSerial toDateSerial(const QDate& date)
{
    return double(epoch.daysTo(date));
}

DateSerial toDateSerial(const QDate& date, const QTime& time)
{
    return toDateSerial(date) + time.msecsSinceStartOfDay() / 86400000.0;
}

DateSerial toDateSerial(const QDateTime& dateTime)
{
    return toDateSerial(dateTime.date(), dateTime.time());
}

std::pair<QDate, QTime> wallClockOf(DateSerial serial)
{
    if (!std::isfinite(serial) || std::fabs(serial) > largestSerial)
        return {};
    const double wholeDays = std::floor(serial);
    qint64 seconds = std::llround((serial - wholeDays) * secondsPerDay);
    qint64 days = qint64(wholeDays);
    if (seconds == secondsPerDay) {
        ++days;
        seconds = 0;
    }
    return {epoch.addDays(days), QTime(0, 0).addSecs(int(seconds))};
}


QString dateSerialText(DateSerial serial)
{
    return QString::number(serial, 'g', 15);
}

std::optional<DateSerial> parseDateSerial(const QString& text)
{
    QString normalised = text.trimmed();
    if (normalised.count(QLatin1Char(',')) + normalised.count(QLatin1Char('.')) > 1)
        return std::nullopt;
    normalised.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = normalised.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}
