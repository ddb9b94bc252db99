#include "alarm/AlarmClock.h"

#include "alarm/AlarmNotice.h"
#include "alarm/BeepCount.h"
#include "alarm/Beeper.h"
#include "alarm/Snooze.h"
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
    m_beeper.setFailureHandler([this](const QString& soundFile) {
        if (isRinging())
            Q_EMIT ringingSoundFailed();
        else
            Q_EMIT sampleFailed(soundFile);
    });
}

AlarmClock::~AlarmClock()
{
    m_beeper.setFailureHandler({});
}

void AlarmClock::start()
{
    const StoredAlarms stored = readStoredAlarms();
    m_options = stored.options;
    m_slots = stored.slots;
    m_timer = readStoredTimer();
    for (AlarmSlot& slot : m_slots) {
        if (!slot.isOn)
            slot.nextAlarm = 0;
    }
    // An alarm that came while the clock was closed keeps its moment, so that the first check
    // rings it or reports it missed; the clock may have been started for it.
    if (checkAlarm(soonestOf(m_slots), Clock::now()) == AlarmCheck::Wait) {
        expireSlots();
        RecalculateAlarmSlots();
    }
    ShowNextAlarm();
}

void AlarmClock::saveSettings(const SlotTable& slots, const AlarmOptions& options)
{
    SlotTable edited = slots;
    for (int n = 0; n < SlotCount; ++n)
        edited[n].snoozeUntil = keptSnooze(m_slots[n], slots[n]);
    m_slots = edited;
    m_options = options;
    RecalculateAlarmSlots();
    ShowNextAlarm();
    SaveAlarmSlots();
}

void AlarmClock::LoadAlarmSlots()
{
    const StoredAlarms stored = readStoredAlarms();
    m_options = stored.options;
    m_slots = stored.slots;
    expireSlots();
    Q_EMIT slotsReloaded();
}

void AlarmClock::expireSlots()
{
    for (AlarmSlot& slot : m_slots) {
        // Compared by value, the slot that has just rung goes off even when acknowledged
        // within its own second, which a comparison of moments would see as not yet past.
        const bool hasRung = m_ringing != 0 && slot.nextAlarm == m_ringing;
        if (oneOffExpired(slot, Clock::now()) || (hasRung && slot.frequency == Frequency::OnceOnly))
            slot.isOn = false;
        if (slot.snoozeUntil != 0 &&
            (slot.snoozeUntil == m_ringing || hasPassed(slot.snoozeUntil, Clock::now())))
            slot.snoozeUntil = 0;
    }
}

void AlarmClock::SaveAlarmSlots()
{
    writeStoredAlarms(m_options, m_slots);
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
    m_soonestNaming = dayNamingFor(m_slots, m_soonest, Clock::today());
    m_statusText = nextAlarmText();
    Q_EMIT nextAlarmTextChanged(m_statusText);
    Q_EMIT soonestMomentChanged(soonestMoment());
}

QDateTime AlarmClock::soonestMoment() const
{
    const QDateTime alarm = m_soonest == NoAlarmSentinel ? QDateTime() : dueMoment(m_soonest);
    if (timer().isRunning() && (!alarm.isValid() || timer().end < alarm))
        return timer().end;
    return alarm;
}

bool AlarmClock::timerShown(const QDateTime& now) const
{
    return timer().isSet() &&
           (m_soonest == NoAlarmSentinel ||
            wholeSecond(now).addSecs(secondsLeft(timer(), now)) <= dueMoment(m_soonest));
}

QString AlarmClock::nextAlarmText() const
{
    const QDateTime now = Clock::now();
    if (timerShown(now))
        return countdownText(secondsLeft(timer(), now), timer().isPaused());
    return nextAlarmStatusText(m_soonest, m_soonestNaming);
}

QString AlarmClock::nextAlarmLabel() const
{
    return timerShown(Clock::now()) ? timer().label : labelsAt(m_slots, m_soonest);
}

DateSerial AlarmClock::soonestSnooze() const
{
    DateSerial soonest = NoAlarmSentinel;
    for (const AlarmSlot& slot : m_slots) {
        if (slot.snoozeUntil != 0)
            soonest = std::min(soonest, slot.snoozeUntil);
    }
    return soonest;
}

void AlarmClock::check(const QDateTime& now)
{
    checkTimer(now);
    if (isRinging() || checkAlarm(m_soonest, now) == AlarmCheck::Wait) {
        // The countdown, once a second, and only when its text changes; a timer that rings
        // shows 0:00.
        if (nextAlarmText() != m_statusText) {
            m_statusText = nextAlarmText();
            Q_EMIT nextAlarmTextChanged(m_statusText);
        }
        return;
    }
    // Of the alarms that have come (several, after a sleep or a closed clock), the last rings
    // if it is still in time, and those before it were missed.
    QList<MissedAlarm> missed = passedAlarms(now);
    const DateSerial last = missed.constLast().moment;
    if (checkAlarm(last, now) == AlarmCheck::Skip) {
        moveOn();
        reportMissed(missed);
        return;
    }
    missed.removeLast();
    reportMissed(missed);
    ring(last, now);
}

void AlarmClock::reportMissed(const QList<MissedAlarm>& missed)
{
    if (missed.isEmpty())
        return;
    for (const MissedAlarm& alarm : missed)
        m_notice.inform(tr("Missed alarm"), alarmDayTimeAndLabel(alarm.moment, alarm.label));
    Q_EMIT alarmsMissed(missed);
}

void AlarmClock::ring(DateSerial alarm, const QDateTime& now)
{
    m_ringing = alarm;
    m_rangAt = now;
    startRinging(alarm, labelsAt(m_slots, m_ringing));
}

void AlarmClock::startRinging(DateSerial shown, const QString& label)
{
    m_ringingShown = shown;
    m_ringingLabel = label;
    m_beepElapsed = 0;
    m_beepTimer.start();
    m_notice.post(shortTimeText(wallClockOf(shown).second), label, m_options.snoozeMinutes);
    Q_EMIT ringingStarted(shown, label);
}

void AlarmClock::checkTimer(const QDateTime& now)
{
    if (isRinging() || !timer().isRunning() || secondsLeft(timer(), now) > 0)
        return;
    if (-secondsLeft(timer(), now) <= MissedAlarmGraceSeconds) {
        ringTimer(now);
        return;
    }
    const QDateTime end = timer().end.toLocalTime();
    const MissedAlarm missed{toDateSerial(end.date(), end.time()), timerName(timer().label)};
    setTimer({});
    reportMissed({missed});
}

void AlarmClock::ringTimer(const QDateTime& now)
{
    m_timerRinging = true;
    m_rangAt = now;
    // Stored as rung at once: a clock that ends while it rings does not ring it again.
    writeStoredTimer({{}, m_timer.lastLength});
    SettingsStore::flush(AppTitle);
    const QDateTime end = timer().end.toLocalTime();
    startRinging(toDateSerial(end.date(), end.time()), timerName(timer().label));
}

void AlarmClock::beep()
{
    const bool untilAnswered = m_options.untilAnswered;
    // Until answered, a gentle sound rises as it does over the longest duration.
    const int seconds = untilAnswered ? LongestAlarmDuration : m_options.duration;
    const double volume = alarmVolume(m_beepElapsed, seconds, m_options.gentle);
    const bool last = untilAnswered ? unansweredTickIsLast(m_beepElapsed, m_rangAt, Clock::now())
                                    : beepTickIsLast(m_beepElapsed, m_options.duration);
    m_beeper.beep(m_options.soundFile, volume);
    if (!last)
        return;
    m_beepTimer.stop();
    m_beeper.silence();
    if (untilAnswered) {
        // The window stays to be answered; the desktop's notice now says that no one has.
        m_notice.withdraw();
        m_notice.inform(tr("Alarm not answered"), alarmDayTimeAndLabel(m_ringingShown, m_ringingLabel));
    }
}

void AlarmClock::acknowledge()
{
    endRinging(false);
}

void AlarmClock::snooze()
{
    endRinging(true);
}

void AlarmClock::endRinging(bool snoozed)
{
    if (!isRinging())
        return;
    m_beepTimer.stop();
    m_beepElapsed = 0;
    m_beeper.silence();
    m_notice.withdraw();
    const QDateTime now = Clock::now();
    if (m_timerRinging) {
        m_timerRinging = false;
        // Snoozed, it rings again so many minutes after the second it rang, or after now
        // when that has passed.
        const int snooze = 60 * m_options.snoozeMinutes;
        const QDateTime again = wholeSecond(m_rangAt).addSecs(snooze);
        setTimer(!snoozed ? CountdownTimer{}
                 : again > now ? CountdownTimer{again, 0, timer().label}
                               : runningTimer(now, snooze, timer().label));
        Q_EMIT ringingEnded();
        return;
    }
    // Alarms whose minute came while this one rang had no ringing of their own; those before
    // it were reported as it began.
    QList<MissedAlarm> missed = passedAlarms(now);
    missed.removeIf([this](const MissedAlarm& alarm) { return alarm.moment <= m_ringing; });
    QList<int> snoozedSlots;
    for (int n = 0; snoozed && n < SlotCount; ++n) {
        if (ringsAt(m_slots[n], m_ringing))
            snoozedSlots.append(n);
    }
    moveOn(snoozedSlots, snoozed ? snoozeMoment(m_rangAt, m_options.snoozeMinutes, now) : 0);
    m_ringing = 0;
    if (snoozed)
        Q_EMIT slotsReloaded();
    reportMissed(missed);
    Q_EMIT ringingEnded();
}

void AlarmClock::cancelSnooze()
{
    const DateSerial snooze = soonestSnooze();
    if (snooze == NoAlarmSentinel)
        return;
    for (AlarmSlot& slot : m_slots) {
        if (slot.snoozeUntil == snooze)
            slot.snoozeUntil = 0;
    }
    ShowNextAlarm();
    SaveAlarmSlots();
    Q_EMIT slotsReloaded();
}

void AlarmClock::playSample(const QString& soundFile)
{
    m_beeper.playSample(soundFile);
}

void AlarmClock::startTimer(int seconds, const QString& label)
{
    m_timer.lastLength = seconds;
    setTimer(runningTimer(Clock::now(), seconds, label));
}

void AlarmClock::pauseTimer()
{
    if (timer().isRunning())
        setTimer({{}, std::max(secondsLeft(timer(), Clock::now()), 1), timer().label});
}

void AlarmClock::resumeTimer()
{
    if (timer().isPaused())
        setTimer(runningTimer(Clock::now(), timer().pausedSeconds, timer().label));
}

void AlarmClock::cancelTimer()
{
    setTimer({});
}

void AlarmClock::setTimer(const CountdownTimer& timer)
{
    m_timer.timer = timer;
    writeStoredTimer(m_timer);
    if (!SettingsStore::flush(AppTitle))
        Q_EMIT saveFailed();
    ShowNextAlarm();
}

void AlarmClock::moveOn(const QList<int>& snoozedSlots, DateSerial snoozeUntil)
{
    LoadAlarmSlots();
    for (int n : snoozedSlots)
        m_slots[n].snoozeUntil = snoozeUntil;
    RecalculateAlarmSlots();
    ShowNextAlarm();
    SaveAlarmSlots();
}

QList<MissedAlarm> AlarmClock::passedAlarms(const QDateTime& now) const
{
    QList<MissedAlarm> passed;
    for (const AlarmSlot& slot : m_slots) {
        for (DateSerial moment : {slot.nextAlarm, slot.snoozeUntil}) {
            const bool seen =
                std::any_of(passed.cbegin(), passed.cend(),
                            [moment](const MissedAlarm& a) { return a.moment == moment; });
            if (moment != 0 && checkAlarm(moment, now) != AlarmCheck::Wait && !seen)
                passed.append({moment, labelsAt(m_slots, moment)});
        }
    }
    std::sort(passed.begin(), passed.end(),
              [](const MissedAlarm& a, const MissedAlarm& b) { return a.moment < b.moment; });
    return passed;
}
