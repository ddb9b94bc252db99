#pragma once

#include "alarm/AlarmSlot.h"
#include "alarm/AlarmStore.h"
#include "alarm/Scheduler.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QTimer>

class AlarmNotice;
class Beeper;

// The alarms themselves: the fifteen slots and the duration as stored, the soonest alarm,
// the once-a-second check and the ringing. It lives as long as the program and needs no
// window; the windows show it, hand it their edits and hear from it through its signals.
class AlarmClock : public QObject
{
    Q_OBJECT

public:
    AlarmClock(Beeper& beeper, AlarmNotice& notice, QObject* parent = nullptr);

    // The start of the program: the stored slots, their next alarms, the status line.
    void start();
    // "Save Settings": the edited slots and duration become the alarms, and are stored.
    void saveSettings(const SlotTable& slots, int duration);
    // Runs once a second. Rings the soonest alarm in its minute, or up to
    // MissedAlarmGraceSeconds late; an alarm later than that is reported missed instead, as
    // are those whose minute comes while another rings.
    void check(const QDateTime& now);
    // The user has acknowledged the ringing alarm: the beeping stops and every slot moves on.
    void acknowledge();

    // Reads the stored slots; a once-only slot that has rung or whose moment has passed is
    // switched off (in memory: the next save stores it so).
    void LoadAlarmSlots();
    void SaveAlarmSlots();
    // Works out every slot's next alarm from the present moment.
    void RecalculateAlarmSlots();
    // Takes the soonest next alarm as the one to watch and announces it.
    void ShowNextAlarm();

    const SlotTable& slots() const { return m_slots; }
    int duration() const { return m_duration; }
    DateSerial soonestAlarm() const { return m_soonest; }
    QString nextAlarmText() const { return nextAlarmStatusText(m_soonest); }
    bool isRinging() const { return m_ringing != 0; }

Q_SIGNALS:
    void nextAlarmTextChanged(const QString& text);
    void ringingStarted(DateSerial alarm);
    void ringingEnded();
    // The slots were read again from the store.
    void slotsReloaded();
    // Alarms that passed unobserved too long ago to ring, one entry per distinct moment.
    void alarmsMissed(const QList<DateSerial>& alarms);
    void saveFailed();

private:
    void ring();
    void beep();
    // After an alarm, rung or missed: reload, reschedule, show and store the slots.
    void moveOn();
    QList<DateSerial> passedAlarms(const QDateTime& now) const;
    void reportMissed(const QList<DateSerial>& missed);

    Beeper& m_beeper;
    AlarmNotice& m_notice;
    SlotTable m_slots;
    int m_duration = DefaultAlarmDuration;
    DateSerial m_soonest = NoAlarmSentinel;
    // The alarm being rung, 0 when none is.
    DateSerial m_ringing = 0;
    QTimer m_beepTimer;
    int m_beepElapsed = 0;
};
