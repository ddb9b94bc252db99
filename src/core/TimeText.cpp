#include "core/TimeText.h"

#include <QRegularExpression>

QString timeOfDayText(const QTime& time, const QLocale& locale)
{
    // The short format drops the seconds in many locales, the long one adds the time zone;
    // the short one with the seconds put back is what a clock face shows.
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1Char('s'))) {
        static const QRegularExpression minutes(QStringLiteral("m+"));
        const QRegularExpressionMatch match = minutes.match(format);
        if (match.hasMatch())
            format.insert(match.capturedEnd(), QStringLiteral(":ss"));
    }
    return locale.toString(time, format);
}

QString shortTimeText(const QTime& time)
{
    return time.toString(QStringLiteral("HH:mm"));
}
