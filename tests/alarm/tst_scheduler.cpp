#include "alarm/AlarmStore.h"
#include "alarm/Scheduler.h"
#include "alarm/TimeField.h"
#include "support/LocalZone.h"
#include "support/TempSettings.h"

#include <QTest>

namespace {

QDateTime at(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

QDateTime utc(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

} // namespace

class TestScheduler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // 2026-12-07 is a Monday; 2026-12-11 a Friday, 12 and 13 the weekend. No expected time:
    // the slot never rings.
    void nextAlarmTime_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<int>("dayChoice");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::addColumn<QDateTime>("expected");
        QTest::newRow("Monday, a second before") << at(2026, 12, 7, 7, 29, 59) << 0 << "07" << "30" << at(2026, 12, 7, 7, 30);
        QTest::newRow("Monday, the minute itself") << at(2026, 12, 7, 7, 30) << 0 << "07" << "30" << at(2026, 12, 14, 7, 30);
        QTest::newRow("Sunday on a Friday") << at(2026, 12, 11, 9, 0) << 6 << "8" << "0" << at(2026, 12, 13, 8, 0);
        QTest::newRow("weekdays, Friday morning") << at(2026, 12, 11, 6, 59) << 7 << "07" << "00" << at(2026, 12, 11, 7, 0);
        QTest::newRow("weekdays, Friday evening") << at(2026, 12, 11, 18, 0) << 7 << "07" << "00" << at(2026, 12, 14, 7, 0);
        QTest::newRow("every day, month end") << at(2026, 2, 28, 23, 0) << 8 << "06" << "30" << at(2026, 3, 1, 6, 30);
        QTest::newRow("weekend, Saturday after") << at(2026, 12, 12, 10, 0) << 9 << "09" << "00" << at(2026, 12, 13, 9, 0);
        QTest::newRow("weekend, Sunday after") << at(2026, 12, 13, 10, 0) << 9 << "09" << "00" << at(2026, 12, 19, 9, 0);
        QTest::newRow("weekend, across the year") << at(2026, 12, 31, 10, 0) << 9 << "09" << "00" << at(2027, 1, 2, 9, 0);
        QTest::newRow("nothing chosen") << at(2026, 12, 7, 7, 0) << -1 << "07" << "30" << QDateTime();
        QTest::newRow("choice past the list") << at(2026, 12, 7, 7, 0) << 10 << "07" << "30" << QDateTime();
        QTest::newRow("hour not a number") << at(2026, 12, 7, 7, 0) << 8 << "ab" << "30" << QDateTime();
    }
    void nextAlarmTime()
    {
        QFETCH(QDateTime, now);
        QFETCH(int, dayChoice);
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        QFETCH(QDateTime, expected);
        const DateSerial next = NextAlarmTime(true, dayChoice, hour, minute, now);
        QCOMPARE(next, expected.isValid() ? toDateSerial(expected) : 0.0);
        QCOMPARE(NextAlarmTime(false, dayChoice, hour, minute, now), 0.0);
    }

    void statusLineShowsTheSoonestAlarmInTheUsersLanguage()
    {
        SlotTable slots;
        QCOMPARE(nextAlarmStatusText(soonestOf(slots)), QStringLiteral("Alarm is OFF"));
        slots[3].nextAlarm = toDateSerial(at(2026, 12, 10, 6, 15));
        slots[11].nextAlarm = toDateSerial(at(2026, 12, 8, 7, 5)); // slots off hold 0
        QCOMPARE(nextAlarmStatusText(soonestOf(slots), QLocale(QLocale::German)),
                 QStringLiteral("Dienstag 07:05 (Next Alarm)"));
    }

    void checkAlarm_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<AlarmCheck>("expected");
        QTest::newRow("a second before") << at(2026, 12, 7, 7, 29, 59) << AlarmCheck::Wait;
        QTest::newRow("start of its minute") << at(2026, 12, 7, 7, 30) << AlarmCheck::Ring;
        QTest::newRow("end of its minute") << at(2026, 12, 7, 7, 30, 59) << AlarmCheck::Ring;
        QTest::newRow("next minute") << at(2026, 12, 7, 7, 31) << AlarmCheck::RingLate;
        QTest::newRow("five minutes late") << at(2026, 12, 7, 7, 35) << AlarmCheck::RingLate;
        QTest::newRow("a second more") << at(2026, 12, 7, 7, 35, 1) << AlarmCheck::Skip;
    }
    void checkAlarm()
    {
        QFETCH(QDateTime, now);
        QFETCH(AlarmCheck, expected);
        QCOMPARE(::checkAlarm(toDateSerial(at(2026, 12, 7, 7, 30)), now), expected);
        QCOMPARE(::checkAlarm(NoAlarmSentinel, now), AlarmCheck::Wait);
    }

    // The nights the clocks change, with lateness counted in real time. A minute the clock
    // skips is due at the end of the gap; one it repeats, the first time round.
    void summerTime_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDateTime>("alarm"); // the wall clock's reading, held as UTC so no zone moves it
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<AlarmCheck>("expected");
        QTest::addColumn<bool>("oneOffExpired");
        const QByteArray berlin("Europe/Berlin"), newYork("America/New_York"),
            lordHowe("Australia/Lord_Howe");
        const QDateTime gap = utc(2027, 3, 28, 2, 30);
        QTest::newRow("before the gap") << berlin << gap << utc(2027, 3, 28, 0, 59, 59) << AlarmCheck::Wait << false;
        QTest::newRow("end of the gap") << berlin << gap << utc(2027, 3, 28, 1, 0) << AlarmCheck::Ring << false;
        QTest::newRow("after the gap") << berlin << gap << utc(2027, 3, 28, 1, 0, 1) << AlarmCheck::Ring << true;
        QTest::newRow("4 real minutes late") << berlin << utc(2027, 3, 28, 1, 58) << utc(2027, 3, 28, 1, 2) << AlarmCheck::RingLate << true;
        QTest::newRow("New York gap") << newYork << utc(2027, 3, 14, 2, 30) << utc(2027, 3, 14, 7, 0) << AlarmCheck::Ring << false;
        QTest::newRow("half-hour gap") << lordHowe << utc(2027, 10, 3, 2, 15) << utc(2027, 10, 2, 15, 29, 59) << AlarmCheck::Wait << false;
        QTest::newRow("half-hour gap's end") << lordHowe << utc(2027, 10, 3, 2, 15) << utc(2027, 10, 2, 15, 30) << AlarmCheck::Ring << false;
        const QDateTime repeated = utc(2027, 10, 31, 2, 30);
        QTest::newRow("repeated hour, first pass") << berlin << repeated << utc(2027, 10, 31, 0, 30) << AlarmCheck::Ring << false;
        QTest::newRow("repeated hour, second pass") << berlin << repeated << utc(2027, 10, 31, 1, 30) << AlarmCheck::Skip << true;
    }
    void summerTime()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QDateTime, alarm);
        QFETCH(QDateTime, now);
        QFETCH(AlarmCheck, expected);
        QFETCH(bool, oneOffExpired);
        const LocalZone local(zone);
        const DateSerial serial = toDateSerial(alarm.date(), alarm.time());
        QCOMPARE(::checkAlarm(serial, now.toLocalTime()), expected);
        AlarmSlot oneOff{true, Frequency::OnceOnly, 0, "02", "30", serial};
        QCOMPARE(::oneOffExpired(oneOff, now.toLocalTime()), oneOffExpired);
        // The status line shows the alarm as set, also where the clock skips it.
        QCOMPARE(nextAlarmStatusText(serial), alarm.toString("dddd HH:mm") + " (Next Alarm)");
    }

    void savedSlotsReachTheFile()
    {
        TempSettings settings;
        SlotTable slots;
        slots[4] = {true, 1, 9, QStringLiteral("06"), QStringLiteral("45"), 46001.3125};
        slots[14].hourText = QStringLiteral("7"); // kept as typed: the window pads it
        writeStoredAlarms(QStringLiteral("60"), slots);
        QVERIFY(SettingsStore::flush(AppTitle));
        QStringList onDisk;
        for (const char* key : {"dur", "chkOn 4", "comFreq 4", "comDays 4", "txtHr 4", "txtMin 4",
                                "DateTime 4", "txtHr 14", "DateTime 14"})
            onDisk << settings.onDisk(AlarmSection, key);
        QCOMPARE(onDisk, QStringList({"60", "1", "1", "9", "06", "45", "46001.3125", "7", "0"}));
    }

    void valuesNoSaveWritesLoadAsDefaults()
    {
        TempSettings settings;
        settings.writeFile("[AlarmSetting]\ndur=61\n"
                           "chkOn%200=2\ncomFreq%200=1\ncomDays%200=10\n"
                           "chkOn%201=yes\ncomFreq%201=0\ncomDays%201=8\n"
                           "comFreq%202=-1\ncomDays%202=3\nDateTime%202=tomorrow\ntxtHr%202=ab\n");
        const StoredAlarms stored = readStoredAlarms();
        QCOMPARE(stored.duration, 5);
        QStringList slots; // on, frequency, day, time and next alarm of slots 0 to 3
        for (const AlarmSlot& slot : QList<AlarmSlot>(stored.slots.begin(), stored.slots.begin() + 4))
            slots << QStringLiteral("%1 %2 %3 %4:%5 %6").arg(slot.isOn).arg(slot.frequency)
                         .arg(slot.dayChoice).arg(slot.hourText, slot.minuteText).arg(slot.nextAlarm);
        // Slot 1 holds a pattern on a once-only slot; slot 3 was never saved.
        QCOMPARE(slots, QStringList({"0 1 0 12:00 0", "0 0 0 12:00 0", "0 0 3 ab:00 0", "0 0 0 12:00 0"}));
    }

    void oneOffExpiresOnlyOnceItsSecondHasPassed()
    {
        // 46001.3125 is 2025-12-10 07:30; 46001.2951388889 is 07:05 to 15 digits, a hair
        // before the minute. Regular slots never expire.
        for (const auto& [text, time, expired] :
             {std::tuple{"46001.3125", QTime(7, 30, 0, 900), false}, {"46001.3125", QTime(7, 30, 1), true},
              {"46001.2951388889", QTime(7, 5), false}, {"0", QTime(7, 30), true}}) {
            TempSettings settings;
            for (const char* key : {"DateTime 0", "DateTime 1"})
                SaveSetting(AppTitle, AlarmSection, key, text);
            SaveSetting(AppTitle, AlarmSection, "comFreq 1", "1");
            const StoredAlarms stored = readStoredAlarms();
            const QDateTime now(QDate(2025, 12, 10), time);
            QVERIFY2(oneOffExpired(stored.slots[0], now) == expired, text);
            QVERIFY(!oneOffExpired(stored.slots[1], now));
        }
    }

    void timeBoxesTakeWholeNumbersInRange()
    {
        for (const auto& [text, hour] : {std::pair{"7", 7}, {" 23 ", 23}, {"+5", 5}, {"24", -1},
                                         {"-1", -1}, {"1.", -1}, {"ab", -1}, {"", -1}})
            QVERIFY2(timeFieldValue(text, HighestHour).value_or(-1) == hour, text);
    }
};

QTEST_GUILESS_MAIN(TestScheduler)
#include "tst_scheduler.moc"
