#include "alarm/CountdownTimer.h"

#include "alarm/WholeSecond.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace
{

std::optional<int> digits(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("\\A\\s*([0-9]{0,5})\\s*\\z"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}

} // namespace

std::optional<int> timerLength(const QString& minutes, const QString& seconds)
{
    const auto wholeMinutes = digits(minutes), wholeSeconds = digits(seconds);
    if (!wholeMinutes || !wholeSeconds || *wholeSeconds > 59)
        return std::nullopt;
    const int length = *wholeMinutes * 60 + *wholeSeconds;
    if (length < 1 || length > LongestTimerSeconds)
        return std::nullopt;
    return length;
}

CountdownTimer runningTimer(const QDateTime& now, int seconds, const QString& label)
{
    return {wholeSecond(now).addSecs(seconds), 0, label};
}

int secondsLeft(const CountdownTimer& timer, const QDateTime& now)
{
    return timer.isRunning() ? int(wholeSecond(now).secsTo(timer.end)) : timer.pausedSeconds;
}

QString countdownText(int seconds, bool paused)
{
    const int left = std::max(seconds, 0);
    const QString clock = left >= 3600 ? QStringLiteral("%1:%2:%3")
                                             .arg(left / 3600)
                                             .arg(left / 60 % 60, 2, 10, QLatin1Char('0'))
                                             .arg(left % 60, 2, 10, QLatin1Char('0'))
                                       : QStringLiteral("%1:%2").arg(left / 60).arg(left % 60, 2, 10, QLatin1Char('0'));
    return paused ? QCoreApplication::translate("CountdownTimer", "Timer %1 (paused)").arg(clock)
                  : QCoreApplication::translate("CountdownTimer", "Timer %1").arg(clock);
}

QString timerName(const QString& label)
{
    const QString timer = QCoreApplication::translate("CountdownTimer", "Timer");
    return label.isEmpty() ? timer : timer + QStringLiteral(" – ") + label;
}
