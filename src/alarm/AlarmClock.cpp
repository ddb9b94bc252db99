#include "alarm/AlarmClock.h"

#include "alarm/AlarmNotice.h"
#include "alarm/BeepCount.h"
#include "alarm/Beeper.h"
#include "alarm/WholeSecond.h"
#include "core/AppInfo.h"
#include "core/Clock.h"
#include "core/TimeText.h"
#include "settings/SettingsStore.h"

#include <algorithm>

AlarmClock::AlarmClock(Beeper& beeper, AlarmNotice& notice, QObject* parent)
    : QObject(parent), m_beeper(beeper), m_notice(notice)
{
    m_beepTimer.setInterval(BeepInterval);
    connect(&m_beepTimer, &QTimer::timeout, this, &AlarmClock::beep);
}

void AlarmClock::start()
{
    LoadAlarmSlots();
    RecalculateAlarmSlots();
    ShowNextAlarm();
}

void AlarmClock::saveSettings(const SlotTable& slots, int duration)
{
    m_slots = slots;
    m_duration = duration;
    RecalculateAlarmSlots();
    ShowNextAlarm();
    SaveAlarmSlots();
}

void AlarmClock::LoadAlarmSlots()
{
    const StoredAlarms stored = readStoredAlarms();
    m_duration = stored.duration;
    m_slots = stored.slots;
    for (AlarmSlot& slot : m_slots) {
        // Compared by value, the slot that has just rung goes off even when acknowledged
        // within its own second, which a comparison of moments would see as not yet past.
        const bool hasRung = m_ringing != 0 && slot.nextAlarm == m_ringing;
        if (oneOffExpired(slot, Clock::now()) || (hasRung && slot.frequency == Frequency::OnceOnly))
            slot.isOn = false;
    }
    Q_EMIT slotsReloaded();
}

void AlarmClock::SaveAlarmSlots()
{
    writeStoredAlarms(QString::number(m_duration), m_slots);
    if (!SettingsStore::flush(AppTitle))
        Q_EMIT saveFailed();
}

void AlarmClock::RecalculateAlarmSlots()
{
    const QDateTime now = Clock::now();
    for (AlarmSlot& slot : m_slots)
        slot.nextAlarm = NextAlarmTime(slot, now);
}

void AlarmClock::ShowNextAlarm()
{
    m_soonest = soonestOf(m_slots);
    Q_EMIT nextAlarmTextChanged(nextAlarmText());
}

void AlarmClock::check(const QDateTime& now)
{
    if (isRinging())
        return;
    switch (checkAlarm(m_soonest, now)) {
    case AlarmCheck::Wait:
        return;
    case AlarmCheck::Ring:
    case AlarmCheck::RingLate:
        ring();
        return;
    case AlarmCheck::Skip: {
        const QList<DateSerial> missed = passedAlarms(now);
        moveOn();
        reportMissed(missed);
        return;
    }
    }
}

void AlarmClock::reportMissed(const QList<DateSerial>& missed)
{
    if (missed.isEmpty())
        return;
    for (DateSerial alarm : missed)
        m_notice.inform(QStringLiteral("Missed alarm"), alarmDayAndTime(alarm));
    Q_EMIT alarmsMissed(missed);
}

void AlarmClock::ring()
{
    m_ringing = m_soonest;
    m_beepElapsed = 0;
    m_beepTimer.start();
    m_notice.post(shortTimeText(wallClockOf(m_ringing).second));
    Q_EMIT ringingStarted(m_ringing);
}

void AlarmClock::beep()
{
    if (beepTickIsLast(m_beepElapsed, m_duration))
        m_beepTimer.stop();
    m_beeper.beep();
}

void AlarmClock::acknowledge()
{
    if (!isRinging())
        return;
    m_beepTimer.stop();
    m_beepElapsed = 0;
    m_notice.withdraw();
    // Alarms whose minute came while this one rang had no ringing of their own.
    QList<DateSerial> missed = passedAlarms(Clock::now());
    missed.removeAll(m_ringing);
    moveOn();
    m_ringing = 0;
    reportMissed(missed);
    Q_EMIT ringingEnded();
}

void AlarmClock::moveOn()
{
    LoadAlarmSlots();
    RecalculateAlarmSlots();
    ShowNextAlarm();
    SaveAlarmSlots();
}

QList<DateSerial> AlarmClock::passedAlarms(const QDateTime& now) const
{
    QList<DateSerial> passed;
    for (const AlarmSlot& slot : m_slots) {
        if (slot.nextAlarm != 0 && dueMoment(slot.nextAlarm) < wholeSecond(now)
            && !passed.contains(slot.nextAlarm))
            passed.append(slot.nextAlarm);
    }
    std::sort(passed.begin(), passed.end());
    return passed;
}
