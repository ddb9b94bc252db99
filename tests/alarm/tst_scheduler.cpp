#include "alarm/BeepCount.h"
#include "alarm/Scheduler.h"

#include <QTest>

namespace {

QDateTime at(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

DateSerial serialAt(int year, int month, int day, int hour, int minute)
{
    return toDateSerial(at(year, month, day, hour, minute));
}

} // namespace

class TestScheduler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // 2026-12-07 is a Monday; 2026-12-11 a Friday, 12 and 13 the weekend.
    void nextAlarmTime_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<int>("dayChoice");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::addColumn<QDateTime>("expected");

        QTest::newRow("Monday, a second before") << at(2026, 12, 7, 7, 29, 59) << 0 << "07" << "30" << at(2026, 12, 7, 7, 30);
        QTest::newRow("Monday, the minute itself") << at(2026, 12, 7, 7, 30) << 0 << "07" << "30" << at(2026, 12, 14, 7, 30);
        QTest::newRow("Monday, milliseconds before") << QDateTime(QDate(2026, 12, 7), QTime(7, 29, 59, 999)) << 0 << "7" << "30" << at(2026, 12, 7, 7, 30);
        QTest::newRow("Sunday on a Friday") << at(2026, 12, 11, 9, 0) << 6 << "8" << "0" << at(2026, 12, 13, 8, 0);
        QTest::newRow("Monday from Sunday night") << at(2026, 12, 13, 23, 59, 59) << 0 << "00" << "00" << at(2026, 12, 14, 0, 0);

        QTest::newRow("weekdays, Friday morning") << at(2026, 12, 11, 6, 59) << 7 << "07" << "00" << at(2026, 12, 11, 7, 0);
        QTest::newRow("weekdays, Friday evening") << at(2026, 12, 11, 18, 0) << 7 << "07" << "00" << at(2026, 12, 14, 7, 0);
        QTest::newRow("weekdays, Saturday") << at(2026, 12, 12, 6, 0) << 7 << "07" << "00" << at(2026, 12, 14, 7, 0);
        QTest::newRow("weekdays, Sunday") << at(2026, 12, 13, 6, 0) << 7 << "07" << "00" << at(2026, 12, 14, 7, 0);
        QTest::newRow("weekdays, across the year") << at(2026, 12, 31, 8, 0) << 7 << "07" << "00" << at(2027, 1, 1, 7, 0);

        QTest::newRow("every day, midnight alarm") << at(2026, 12, 9, 0, 0) << 8 << "00" << "00" << at(2026, 12, 10, 0, 0);
        QTest::newRow("every day, month end") << at(2026, 2, 28, 23, 0) << 8 << "06" << "30" << at(2026, 3, 1, 6, 30);
        QTest::newRow("every day, year end") << at(2026, 12, 31, 23, 59, 59) << 8 << "00" << "00" << at(2027, 1, 1, 0, 0);

        QTest::newRow("weekend, Saturday before") << at(2026, 12, 12, 8, 0) << 9 << "09" << "00" << at(2026, 12, 12, 9, 0);
        QTest::newRow("weekend, Saturday after") << at(2026, 12, 12, 10, 0) << 9 << "09" << "00" << at(2026, 12, 13, 9, 0);
        QTest::newRow("weekend, Sunday after") << at(2026, 12, 13, 10, 0) << 9 << "09" << "00" << at(2026, 12, 19, 9, 0);
        QTest::newRow("weekend, Wednesday") << at(2026, 12, 9, 10, 0) << 9 << "09" << "00" << at(2026, 12, 12, 9, 0);
        QTest::newRow("weekend, across the year") << at(2026, 12, 31, 10, 0) << 9 << "09" << "00" << at(2027, 1, 2, 9, 0);
    }
    void nextAlarmTime()
    {
        QFETCH(QDateTime, now);
        QFETCH(int, dayChoice);
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        QFETCH(QDateTime, expected);
        const DateSerial next = NextAlarmTime(true, dayChoice, hour, minute, now);
        QCOMPARE(dateTimeFromSerial(next), expected);
        QVERIFY(dateTimeFromSerial(next) > now);
        // A once-only slot and a regular one compute alike: the frequency is no input.
        QCOMPARE(NextAlarmTime(false, dayChoice, hour, minute, now), 0.0);
    }

    void slotsThatNeverRing_data()
    {
        QTest::addColumn<int>("dayChoice");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::newRow("nothing chosen") << -1 << "07" << "30";
        QTest::newRow("choice past the list") << 10 << "07" << "30";
        QTest::newRow("hour not a number") << 8 << "ab" << "30";
        QTest::newRow("empty minute") << 8 << "07" << "";
    }
    void slotsThatNeverRing()
    {
        QFETCH(int, dayChoice);
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        QCOMPARE(NextAlarmTime(true, dayChoice, hour, minute, at(2026, 12, 7, 7, 0)), 0.0);
    }

    void soonestAlarmTakesTheLowestSlotOfATie()
    {
        SlotTable slots;
        QCOMPARE(soonestOf(slots), NoAlarmSentinel);
        QCOMPARE(nextAlarmStatusText(soonestOf(slots)), QStringLiteral("Alarm is OFF"));

        slots[3].nextAlarm = serialAt(2026, 12, 10, 6, 15);
        slots[8].nextAlarm = serialAt(2026, 12, 10, 6, 15);
        slots[11].nextAlarm = serialAt(2026, 12, 11, 6, 15);
        QCOMPARE(soonestOf(slots), slots[3].nextAlarm);
        QCOMPARE(nextAlarmStatusText(soonestOf(slots), QLocale(QLocale::English)),
                 QStringLiteral("Thursday 06:15 (Next Alarm)"));

        slots[12].nextAlarm = serialAt(2026, 12, 8, 7, 5);
        QCOMPARE(soonestOf(slots), slots[12].nextAlarm);
    }

    void statusLineWeekdayIsInTheUsersLanguage()
    {
        const DateSerial tuesday = serialAt(2026, 12, 8, 7, 5);
        QCOMPARE(nextAlarmStatusText(tuesday, QLocale(QLocale::German)),
                 QStringLiteral("Dienstag 07:05 (Next Alarm)"));
        // A weekday found by name would fail here: the scheduler counts weekdays by number.
        QLocale::setDefault(QLocale(QLocale::German));
        const DateSerial next = NextAlarmTime(true, 1, "07", "05", at(2026, 12, 7, 9, 0));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(next, tuesday);
    }

    void checkAlarm_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<int>("expected");
        QTest::newRow("a second before") << at(2026, 12, 7, 7, 29, 59) << int(AlarmCheck::Wait);
        QTest::newRow("start of its minute") << at(2026, 12, 7, 7, 30) << int(AlarmCheck::Ring);
        QTest::newRow("end of its minute") << at(2026, 12, 7, 7, 30, 59) << int(AlarmCheck::Ring);
        QTest::newRow("next minute") << at(2026, 12, 7, 7, 31) << int(AlarmCheck::RingLate);
        QTest::newRow("five minutes late") << at(2026, 12, 7, 7, 35) << int(AlarmCheck::RingLate);
        QTest::newRow("a second more") << at(2026, 12, 7, 7, 35, 1) << int(AlarmCheck::Skip);
        QTest::newRow("the next day") << at(2026, 12, 8, 7, 30) << int(AlarmCheck::Skip);
        QTest::newRow("the day before") << at(2026, 12, 6, 7, 30) << int(AlarmCheck::Wait);
    }
    void checkAlarm()
    {
        QFETCH(QDateTime, now);
        QFETCH(int, expected);
        QCOMPARE(int(::checkAlarm(serialAt(2026, 12, 7, 7, 30), now)), expected);
    }

    void beepCount_data()
    {
        QTest::addColumn<int>("duration");
        QTest::addColumn<int>("beeps");
        QTest::newRow("1 s") << 1 << 4;
        QTest::newRow("5 s") << 5 << 14;
        QTest::newRow("60 s") << 60 << 152;
    }
    void beepCount()
    {
        QFETCH(int, duration);
        QFETCH(int, beeps);
        int beepElapsed = 0;
        int count = 1;
        while (!beepTickIsLast(beepElapsed, duration))
            ++count;
        QCOMPARE(count, beeps);
        QCOMPARE(beepElapsed, 0);
    }
};

QTEST_APPLESS_MAIN(TestScheduler)
#include "tst_scheduler.moc"
