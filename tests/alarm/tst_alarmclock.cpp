#include "alarm/AlarmClock.h"
#include "mock/MockClock.h"
#include "settings/SettingsStore.h"
#include "support/AlarmRecorder.h"
#include "support/LocalZone.h"
#include "support/TempSettings.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

namespace {

// Stores slot n switched on.
void storeSlot(int n, int frequency, int dayChoice, const char* hour, const char* minute,
               DateSerial next = 0)
{
    const QStringList values{"1", QString::number(frequency), QString::number(dayChoice), hour,
                             minute, dateSerialText(next)};
    for (int field = 0; field < values.size(); ++field) {
        static const char* const names[]{"chkOn", "comFreq", "comDays", "txtHr", "txtMin", "DateTime"};
        SaveSetting(AppTitle, AlarmSection, alarmKey(names[field], n), values[field]);
    }
}

// A moment in December 2026; the 7th is a Monday.
QDateTime at(int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute, second));
}

} // namespace

// The alarm clock alone, without a window: driven by its check, with the clock set.
class TestAlarmClock : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempSettings> m_settings;
    AlarmRecorder m_seen;

    QString stored(const char* key) const { return m_settings->onDisk(AlarmSection, key); }

private Q_SLOTS:
    void init()
    {
        m_settings = std::make_unique<TempSettings>();
        m_seen = AlarmRecorder();
    }

    void ringsInItsMinuteAndMovesEverySlotOn()
    {
        storeSlot(0, Frequency::Regular, DayChoice::MondayToSunday, "07", "30");
        storeSlot(1, Frequency::OnceOnly, 0, "07", "30", toDateSerial(at(7, 7, 30)));
        SaveSetting(AppTitle, AlarmSection, "dur", "1");
        MockClock clock(2026, 12, 7, 7, 29, 59);
        AlarmClock alarms(m_seen, m_seen);
        QSignalSpy status(&alarms, &AlarmClock::nextAlarmTextChanged);
        QSignalSpy ringing(&alarms, &AlarmClock::ringingStarted);
        QSignalSpy ended(&alarms, &AlarmClock::ringingEnded);
        alarms.start();
        QCOMPARE(status.takeLast().at(0), "Monday 07:30 (Next Alarm)");
        alarms.check(clock.now());
        QCOMPARE(ringing.size(), 0);
        clock.advanceSecond();
        alarms.check(clock.now());
        alarms.check(clock.now()); // one alarm, one ringing
        QCOMPARE(ringing.size(), 1);
        QCOMPARE(ringing.at(0).at(0).toDouble(), toDateSerial(at(7, 7, 30)));
        QCOMPARE(m_seen.posted, QStringList{"07:30"});
        // A duration of 1 s: floor(2.5 * 1) + 2 beeps, then silence while it waits.
        QTRY_COMPARE(m_seen.beeps, 4);
        QTest::qWait(500);
        QCOMPARE(m_seen.beeps, 4);
        QVERIFY(ended.isEmpty());

        // Acknowledged within its own second: the one-off has rung all the same.
        alarms.acknowledge();
        QCOMPARE(ended.size(), 1);
        QCOMPARE(m_seen.withdrawals, 1);
        QCOMPARE(status.takeLast().at(0), "Tuesday 07:30 (Next Alarm)");
        QCOMPARE(stored("chkOn 1"), "0");
        QCOMPARE(stored("DateTime 0"), dateSerialText(toDateSerial(at(8, 7, 30))));
        clock.advanceSeconds(30);
        alarms.check(clock.now());
        QCOMPARE(ringing.size(), 1);
    }

    void lateAlarmsRingUpToFiveMinutesAndLaterOnesAreReportedMissed()
    {
        storeSlot(0, Frequency::Regular, DayChoice::MondayToSunday, "07", "30");
        storeSlot(1, Frequency::OnceOnly, 1, "09", "00", toDateSerial(at(8, 9, 0)));
        MockClock clock(2026, 12, 7, 7, 0, 0);
        AlarmClock alarms(m_seen, m_seen);
        QSignalSpy ringing(&alarms, &AlarmClock::ringingStarted);
        QSignalSpy missed(&alarms, &AlarmClock::alarmsMissed);
        alarms.start();
        clock.set(at(7, 7, 35));
        alarms.check(clock.now());
        QCOMPARE(ringing.size(), 1);
        alarms.acknowledge();

        // Asleep until Wednesday: both Tuesday alarms are reported, neither rings.
        clock.set(at(9, 7, 35, 1));
        alarms.check(clock.now());
        QCOMPARE(ringing.size(), 1);
        QCOMPARE(missed.size(), 1);
        QCOMPARE(missed.at(0).at(0).value<QList<DateSerial>>(),
                 QList<DateSerial>({toDateSerial(at(8, 7, 30)), toDateSerial(at(8, 9, 0))}));
        QCOMPARE(m_seen.informed, QStringList({"Missed alarm: Tuesday 07:30",
                                               "Missed alarm: Tuesday 09:00"}));
        QCOMPARE(stored("chkOn 1"), "0");
        QCOMPARE(alarms.nextAlarmText(), "Thursday 07:30 (Next Alarm)");
    }

    // The night summer time begins in Berlin, 02:00 becomes 03:00.
    void aMinuteTheClockSkipsRingsOnceAtTheEndOfTheGap()
    {
        const LocalZone berlin("Europe/Berlin");
        storeSlot(0, Frequency::Regular, DayChoice::MondayToSunday, "02", "30");
        storeSlot(1, Frequency::OnceOnly, DayChoice::Sunday, "02", "30",
                  toDateSerial(QDate(2027, 3, 28), QTime(2, 30)));
        MockClock clock(2027, 3, 28, 1, 59, 59);
        AlarmClock alarms(m_seen, m_seen);
        QSignalSpy ringing(&alarms, &AlarmClock::ringingStarted);
        alarms.start();
        QVERIFY(alarms.slots()[1].isOn);
        QCOMPARE(alarms.nextAlarmText(), "Sunday 02:30 (Next Alarm)");
        alarms.check(clock.now());
        QCOMPARE(ringing.size(), 0);
        clock.advanceSecond();
        QCOMPARE(clock.now().time(), QTime(3, 0));
        alarms.check(clock.now());
        QCOMPARE(ringing.size(), 1);
        clock.advanceSeconds(20);
        alarms.acknowledge();
        QCOMPARE(stored("chkOn 1"), "0");
        QCOMPARE(alarms.nextAlarmText(), "Monday 02:30 (Next Alarm)");

        // The night they go back, 03:00 becomes 02:00 again: one ringing, the first time round.
        clock.set(QDateTime(QDate(2027, 10, 31), QTime(0, 29, 59), Qt::UTC).toLocalTime());
        alarms.saveSettings(alarms.slots(), 5);
        for (int hour = 0; hour < 2; ++hour) {
            alarms.check(clock.now());
            clock.advanceSecond();
            alarms.check(clock.now());
            alarms.acknowledge();
            clock.advanceSeconds(3599);
        }
        QCOMPARE(ringing.size(), 2);
    }

    void savesAllNinetyOneValuesAndReportsAFailedSave()
    {
        MockClock clock(2026, 12, 7, 7, 0);
        AlarmClock alarms(m_seen, m_seen);
        QSignalSpy failed(&alarms, &AlarmClock::saveFailed);
        alarms.start();
        SlotTable slots = alarms.slots();
        slots[4] = {true, Frequency::Regular, DayChoice::SaturdayAndSunday, "06", "45", 0};
        alarms.saveSettings(slots, 60);
        QCOMPARE(m_settings->keysOnDisk(AlarmSection), 91);
        QStringList values;
        for (const char* key : {"dur", "chkOn 4", "comFreq 4", "comDays 4", "txtHr 4", "txtMin 4",
                                "DateTime 4", "DateTime 5"})
            values << stored(key);
        QCOMPARE(values, QStringList({"60", "1", "1", "9", "06", "45",
                                      dateSerialText(toDateSerial(at(12, 6, 45))), "0"}));
        QCOMPARE(failed.size(), 0);
        // A directory in the file's place makes every save fail, even for root.
        QFile::remove(m_settings->fileName());
        QVERIFY(QDir().mkpath(m_settings->fileName()));
        alarms.saveSettings(slots, 60);
        QCOMPARE(failed.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestAlarmClock)
#include "tst_alarmclock.moc"
