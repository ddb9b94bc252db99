#include "alarm/Snooze.h"

#include "alarm/Scheduler.h"
#include "core/TimeText.h"

#include <QCoreApplication>

namespace
{

// The wall-clock minute `minutes` after the one `moment` reads, counted on a clock without
// summer time.
DateSerial wallMinutesAfter(const QDateTime& moment, int minutes)
{
    const QDateTime wall(moment.date(), QTime(moment.time().hour(), moment.time().minute()),
                         Qt::UTC);
    const QDateTime later = wall.addSecs(60 * minutes);
    return toDateSerial(later.date(), later.time());
}

} // namespace

DateSerial snoozeMoment(const QDateTime& rangAt, int minutes, const QDateTime& now)
{
    const DateSerial fromRinging = wallMinutesAfter(rangAt, minutes);
    if (dueMoment(fromRinging) > now)
        return fromRinging;
    return wallMinutesAfter(now, minutes);
}

DateSerial keptSnooze(const AlarmSlot& current, const AlarmSlot& edited)
{
    return current.isOn && !edited.isOn ? 0 : current.snoozeUntil;
}

QString snoozedUntilText(DateSerial snoozeUntil)
{
    return QCoreApplication::translate("Snooze", "Snoozed until %1")
        .arg(shortTimeText(wallClockOf(snoozeUntil).second));
}

QString snoozeCaption(int minutes)
{
    return QCoreApplication::translate("Snooze", "Snooze %1 min").arg(minutes);
}
