#include "alarm/Scheduler.h"

#include "alarm/DayTexts.h"
#include "alarm/TimeField.h"
#include "alarm/WholeSecond.h"
#include "core/TimeText.h"

#include <QCoreApplication>
#include <algorithm>

namespace
{

// The longest a local clock has ever skipped: a whole day, when a zone crossed the date line.
constexpr int longestGapMinutes = 25 * 60;
// How far back autumn's clocks go: half an hour in a few zones, an hour in the rest.
constexpr int repeatedSpansMinutes[]{30, 60};

// The first of two moments the local clock reads the same in the hour it repeats; the local
// time functions may give either.
QDateTime firstOccurrence(const QDateTime& local)
{
    for (int minutes : repeatedSpansMinutes) {
        const QDateTime earlier = local.addSecs(-60 * minutes);
        if (earlier.date() == local.date() && earlier.time() == local.time())
            return earlier;
    }
    return local;
}

} // namespace

DateSerial NextAlarmTime(const AlarmSlot& slot, const QDateTime& now)
{
    const auto hour = timeFieldValue(slot.hourText, HighestHour);
    const auto minute = timeFieldValue(slot.minuteText, HighestMinute);
    if (!slot.isOn || !hour || !minute)
        return 0;

    const QTime alarmTime(*hour, *minute);
    // Today only while `now` is before the alarm's minute.
    const QDate firstDay = wholeSecond(now).time() < alarmTime ? now.date() : now.date().addDays(1);
    if (slot.dayChoice == DayChoice::OnDate)
        return slot.chosenDate >= firstDay ? toDateSerial(slot.chosenDate, alarmTime) : 0;
    const Weekdays days = weekdaysOf(slot);
    if (days.none())
        return 0;
    for (QDate day = firstDay;; day = day.addDays(1)) {
        if (days.test(day.dayOfWeek() - 1))
            return toDateSerial(day, alarmTime);
    }
}

int firstPassedDate(const SlotTable& slots, const QDateTime& now)
{
    const auto passed = std::find_if(slots.cbegin(), slots.cend(), [&now](const AlarmSlot& slot) {
        return slot.isOn && slot.dayChoice == DayChoice::OnDate && NextAlarmTime(slot, now) == 0;
    });
    return passed == slots.cend() ? -1 : int(passed - slots.cbegin());
}

DateSerial soonestOf(const SlotTable& slots)
{
    DateSerial soonest = NoAlarmSentinel;
    for (const AlarmSlot& slot : slots) {
        for (DateSerial moment : {slot.nextAlarm, slot.snoozeUntil}) {
            if (moment != 0)
                soonest = std::min(soonest, moment);
        }
    }
    return soonest;
}

bool ringsAt(const AlarmSlot& slot, DateSerial moment)
{
    return moment != 0 && (slot.nextAlarm == moment || slot.snoozeUntil == moment);
}

QString labelsAt(const SlotTable& slots, DateSerial moment)
{
    QStringList labels;
    for (const AlarmSlot& slot : slots) {
        if (ringsAt(slot, moment) && !slot.label.isEmpty() && !labels.contains(slot.label))
            labels.append(slot.label);
    }
    return labels.join(QStringLiteral(", "));
}

DayNaming dayNamingFor(const SlotTable& slots, DateSerial soonest, const QDate& today)
{
    const bool dated = std::any_of(slots.cbegin(), slots.cend(), [soonest](const AlarmSlot& slot) {
        return slot.dayChoice == DayChoice::OnDate && slot.nextAlarm == soonest;
    });
    return dated && today.daysTo(wallClockOf(soonest).first) >= 7 ? DayNaming::Date
                                                                  : DayNaming::Weekday;
}

QString alarmDayAndTime(DateSerial alarm, DayNaming naming, const QLocale& locale)
{
    const auto [date, time] = wallClockOf(alarm);
    const QString day =
        naming == DayNaming::Date ? shortDateText(date, locale) : locale.dayName(date.dayOfWeek());
    return day + QLatin1Char(' ') + shortTimeText(time);
}

QString alarmDayTimeAndLabel(DateSerial alarm, const QString& label)
{
    const QString dayAndTime = alarmDayAndTime(alarm);
    return label.isEmpty() ? dayAndTime : dayAndTime + QStringLiteral(" – ") + label;
}

QString nextAlarmStatusText(DateSerial soonest, DayNaming naming, const QLocale& locale)
{
    if (soonest == NoAlarmSentinel)
        return QCoreApplication::translate("Scheduler", "Alarm is OFF");
    return QCoreApplication::translate("Scheduler", "%1 (Next Alarm)")
        .arg(alarmDayAndTime(soonest, naming, locale));
}

QDateTime dueMoment(DateSerial alarm)
{
    const auto [date, time] = wallClockOf(alarm);
    if (!date.isValid())
        return {};
    // Counted on a clock without summer time, so that each step is one minute of the wall.
    const QDateTime wall(date, QTime(time.hour(), time.minute()), Qt::UTC);
    for (int minutes = 0; minutes <= longestGapMinutes; ++minutes) {
        const QDateTime step = wall.addSecs(60 * minutes);
        const QDateTime local(step.date(), step.time());
        if (local.isValid())
            return firstOccurrence(local);
    }
    return {};
}

AlarmCheck checkAlarm(DateSerial soonest, const QDateTime& now)
{
    if (soonest == NoAlarmSentinel)
        return AlarmCheck::Wait;
    const QDateTime due = dueMoment(soonest);
    if (!due.isValid())
        return AlarmCheck::Wait;
    const qint64 late = due.secsTo(wholeSecond(now));
    if (late < 0)
        return AlarmCheck::Wait;
    if (late < 60)
        return AlarmCheck::Ring;
    return late <= MissedAlarmGraceSeconds ? AlarmCheck::RingLate : AlarmCheck::Skip;
}
