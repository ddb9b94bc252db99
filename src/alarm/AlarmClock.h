#pragma once

#include "alarm/AlarmSlot.h"
#include "alarm/AlarmStore.h"
#include "alarm/CountdownTimer.h"
#include "alarm/Scheduler.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QTimer>

class AlarmNotice;
class Beeper;

// An alarm that passed unobserved, with the names of the alarms set for it.
struct MissedAlarm {
    DateSerial moment = 0;
    QString label;

    bool operator==(const MissedAlarm&) const = default;
};

// The alarms themselves: the fifteen slots and what they share as stored, the soonest alarm,
// the once-a-second check, the ringing and the snoozes. It lives as long as the program and
// needs no window; the windows show it, hand it their edits and hear from it through its
// signals.
class AlarmClock : public QObject
{
    Q_OBJECT

  public:
    AlarmClock(Beeper& beeper, AlarmNotice& notice, QObject* parent = nullptr);
    ~AlarmClock() override;

    // The start of the program: the stored slots, their next alarms, the status line. An
    // alarm that came while the clock was not running is left for the first check.
    void start();
    // "Save Settings": the edited slots and options become the alarms, and are stored. A
    // pending snooze stays, unless the user has switched its slot off.
    void saveSettings(const SlotTable& slots, const AlarmOptions& options);
    // Runs once a second. Rings an alarm in its minute, or up to MissedAlarmGraceSeconds
    // late; an alarm later than that is reported missed instead, as are those whose minute
    // comes while another rings and those before one that rings late.
    void check(const QDateTime& now);
    // The user has acknowledged the ringing alarm: the sound stops and every slot moves on.
    void acknowledge();
    // As acknowledge(), and the alarms that rang ring again snoozeMinutes later.
    void snooze();
    // The soonest pending snooze will not ring; its slots stay as they are.
    void cancelSnooze();
    // The user wants to hear the sound chosen for the alarms.
    void playSample(const QString& soundFile);

    // The timer: one at a time, rung like an alarm at the second it ends. Each change is
    // stored, and a new one's length is kept for the next.
    void startTimer(int seconds, const QString& label);
    void pauseTimer();
    void resumeTimer();
    void cancelTimer();
    const CountdownTimer& timer() const { return m_timer.timer; }
    int lastTimerLength() const { return m_timer.lastLength; }

    // Reads the stored slots; a once-only slot that has rung or whose moment has passed is
    // switched off, and a snooze that has rung or passed is dropped (in memory: the next
    // save stores it so).
    void LoadAlarmSlots();
    void SaveAlarmSlots();
    // Works out every slot's next alarm from the present moment.
    void RecalculateAlarmSlots();
    // Takes the soonest next alarm or snooze as the one to watch and announces it.
    void ShowNextAlarm();

    const SlotTable& slots() const { return m_slots; }
    const AlarmOptions& options() const { return m_options; }
    int duration() const { return m_options.duration; }
    DateSerial soonestAlarm() const { return m_soonest; }
    // The real moment of the soonest alarm, snooze or running timer; invalid when none is set.
    QDateTime soonestMoment() const;
    // The status line: the timer counting down while it comes before the next alarm, else
    // the next alarm.
    QString nextAlarmText() const;
    // "Tuesday 07:05", or "22 Dec 2026 07:05" as the status line names it.
    QString soonestDayAndTime() const { return alarmDayAndTime(m_soonest, m_soonestNaming); }
    // The names of the alarms set for the soonest moment, or the timer's.
    QString nextAlarmLabel() const;
    // The soonest pending snooze; NoAlarmSentinel when none is.
    DateSerial soonestSnooze() const;
    bool isRinging() const { return m_ringing != 0 || m_timerRinging; }

  Q_SIGNALS:
    void nextAlarmTextChanged(const QString& text);
    // The real moment the soonest alarm, snooze or running timer is due; invalid when none is.
    void soonestMomentChanged(const QDateTime& due);
    void ringingStarted(DateSerial alarm, const QString& label);
    // The chosen sound file of the ringing alarm could not be played; it beeps instead.
    void ringingSoundFailed();
    // The sound file played as a sample could not be played.
    void sampleFailed(const QString& soundFile);
    void ringingEnded();
    // The slots were read again from the store, or their snoozes changed.
    void slotsReloaded();
    // Alarms that passed unobserved too long ago to ring, one entry per distinct moment.
    void alarmsMissed(const QList<MissedAlarm>& alarms);
    void saveFailed();

  private:
    // Switches off the once-only slots whose moment has passed, and drops passed snoozes.
    void expireSlots();
    void ring(DateSerial alarm, const QDateTime& now);
    // The timer at its end: rung, or reported missed when its end passed unobserved too long ago.
    void checkTimer(const QDateTime& now);
    void ringTimer(const QDateTime& now);
    // The sound, the desktop's notice and the window, for the alarm or timer shown as `shown`.
    void startRinging(DateSerial shown, const QString& label);
    // The timer shows in the status line while it ends before the next alarm.
    bool timerShown(const QDateTime& now) const;
    void setTimer(const CountdownTimer& timer);
    void beep();
    void endRinging(bool snoozed);
    // After an alarm, rung or missed: reload, reschedule, show and store the slots, those in
    // snoozedSlots to ring again at snoozeUntil.
    void moveOn(const QList<int>& snoozedSlots = {}, DateSerial snoozeUntil = 0);
    QList<MissedAlarm> passedAlarms(const QDateTime& now) const;
    void reportMissed(const QList<MissedAlarm>& missed);

    Beeper& m_beeper;
    AlarmNotice& m_notice;
    SlotTable m_slots;
    AlarmOptions m_options;
    DateSerial m_soonest = NoAlarmSentinel;
    DayNaming m_soonestNaming = DayNaming::Weekday;
    // The alarm being rung, 0 when none is, and the moment it began to ring.
    DateSerial m_ringing = 0;
    QDateTime m_rangAt;
    // What the ringing shows, an alarm's or a timer's.
    DateSerial m_ringingShown = 0;
    QString m_ringingLabel;
    StoredTimer m_timer;
    bool m_timerRinging = false;
    QString m_statusText;
    QTimer m_beepTimer;
    int m_beepElapsed = 0;
};
