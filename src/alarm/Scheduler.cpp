#include "alarm/Scheduler.h"

#include "alarm/TimeField.h"
#include "alarm/WholeSecond.h"
#include "core/TimeText.h"

#include <bitset>

namespace {

// Bit d - 1 stands for weekday d (Qt's numbering, Monday 1 to Sunday 7).
using Weekdays = std::bitset<7>;

Weekdays weekdaysOf(int dayChoice)
{
    if (dayChoice >= 0 && dayChoice <= DayChoice::Sunday)
        return Weekdays().set(dayChoice);
    switch (dayChoice) {
    case DayChoice::MondayToFriday:
        return Weekdays(0b0011111);
    case DayChoice::MondayToSunday:
        return Weekdays(0b1111111);
    case DayChoice::SaturdayAndSunday:
        return Weekdays(0b1100000);
    default:
        return {};
    }
}

QDateTime minuteStart(const QDateTime& moment)
{
    return QDateTime(moment.date(), QTime(moment.time().hour(), moment.time().minute()));
}

} // namespace

DateSerial NextAlarmTime(bool isOn, int dayChoice, const QString& hourText,
                         const QString& minuteText, const QDateTime& now)
{
    if (!isOn)
        return 0;
    const Weekdays days = weekdaysOf(dayChoice);
    const auto hour = timeFieldValue(hourText, HighestHour);
    const auto minute = timeFieldValue(minuteText, HighestMinute);
    if (days.none() || !hour || !minute)
        return 0;

    const QTime alarmTime(*hour, *minute);
    const QDate today = now.date();
    const bool todayEligible = wholeSecond(now).time() < alarmTime;
    for (int ahead = todayEligible ? 0 : 1;; ++ahead) {
        const QDate day = today.addDays(ahead);
        if (days.test(day.dayOfWeek() - 1))
            return toDateSerial(QDateTime(day, alarmTime));
    }
}

DateSerial NextAlarmTime(const AlarmSlot& slot, const QDateTime& now)
{
    return NextAlarmTime(slot.isOn, slot.dayChoice, slot.hourText, slot.minuteText, now);
}

DateSerial soonestOf(const SlotTable& slots)
{
    DateSerial soonest = NoAlarmSentinel;
    for (const AlarmSlot& slot : slots) {
        if (slot.nextAlarm != 0 && slot.nextAlarm < soonest)
            soonest = slot.nextAlarm;
    }
    return soonest;
}

QString nextAlarmStatusText(DateSerial soonest, const QLocale& locale)
{
    if (soonest == NoAlarmSentinel)
        return QStringLiteral("Alarm is OFF");
    const QDateTime alarm = dateTimeFromSerial(soonest);
    return locale.dayName(alarm.date().dayOfWeek()) + QLatin1Char(' ')
           + shortTimeText(alarm.time()) + QStringLiteral(" (Next Alarm)");
}

AlarmCheck checkAlarm(DateSerial soonest, const QDateTime& now)
{
    if (soonest == NoAlarmSentinel)
        return AlarmCheck::Wait;
    const QDateTime alarm = dateTimeFromSerial(soonest);
    if (!alarm.isValid())
        return AlarmCheck::Wait;
    const qint64 late = minuteStart(alarm).secsTo(wholeSecond(now));
    if (late < 0)
        return AlarmCheck::Wait;
    if (late < 60)
        return AlarmCheck::Ring;
    return late <= MissedAlarmGraceSeconds ? AlarmCheck::RingLate : AlarmCheck::Skip;
}
