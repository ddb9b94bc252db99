#include "alarm/BeepCount.h"
#include "alarm/Scheduler.h"

#include <QTest>

namespace {

QDateTime at(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
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
        QTest::newRow("Monday, milliseconds before") << QDateTime(QDate(2026, 12, 7), QTime(7, 29, 59, 999)) << 0 << "7" << "30" << at(2026, 12, 7, 7, 30);
        QTest::newRow("Sunday on a Friday") << at(2026, 12, 11, 9, 0) << 6 << "8" << "0" << at(2026, 12, 13, 8, 0);
        QTest::newRow("Monday from Sunday night") << at(2026, 12, 13, 23, 59, 59) << 0 << "00" << "00" << at(2026, 12, 14, 0, 0);
        QTest::newRow("weekdays, Friday morning") << at(2026, 12, 11, 6, 59) << 7 << "07" << "00" << at(2026, 12, 11, 7, 0);
        QTest::newRow("weekdays, Friday evening") << at(2026, 12, 11, 18, 0) << 7 << "07" << "00" << at(2026, 12, 14, 7, 0);
        QTest::newRow("weekdays, Sunday") << at(2026, 12, 13, 6, 0) << 7 << "07" << "00" << at(2026, 12, 14, 7, 0);
        QTest::newRow("weekdays, across the year") << at(2026, 12, 31, 8, 0) << 7 << "07" << "00" << at(2027, 1, 1, 7, 0);
        QTest::newRow("every day, midnight alarm") << at(2026, 12, 9, 0, 0) << 8 << "00" << "00" << at(2026, 12, 10, 0, 0);
        QTest::newRow("every day, month end") << at(2026, 2, 28, 23, 0) << 8 << "06" << "30" << at(2026, 3, 1, 6, 30);
        QTest::newRow("weekend, Saturday before") << at(2026, 12, 12, 8, 0) << 9 << "09" << "00" << at(2026, 12, 12, 9, 0);
        QTest::newRow("weekend, Saturday after") << at(2026, 12, 12, 10, 0) << 9 << "09" << "00" << at(2026, 12, 13, 9, 0);
        QTest::newRow("weekend, Sunday after") << at(2026, 12, 13, 10, 0) << 9 << "09" << "00" << at(2026, 12, 19, 9, 0);
        QTest::newRow("weekend, across the year") << at(2026, 12, 31, 10, 0) << 9 << "09" << "00" << at(2027, 1, 2, 9, 0);
        QTest::newRow("nothing chosen") << at(2026, 12, 7, 7, 0) << -1 << "07" << "30" << QDateTime();
        QTest::newRow("choice past the list") << at(2026, 12, 7, 7, 0) << 10 << "07" << "30" << QDateTime();
        QTest::newRow("hour not a number") << at(2026, 12, 7, 7, 0) << 8 << "ab" << "30" << QDateTime();
        QTest::newRow("hour out of range") << at(2026, 12, 7, 7, 0) << 8 << "24" << "30" << QDateTime();
        QTest::newRow("empty minute") << at(2026, 12, 7, 7, 0) << 8 << "07" << "" << QDateTime();
    }
    void nextAlarmTime()
    {
        QFETCH(QDateTime, now);
        QFETCH(int, dayChoice);
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        QFETCH(QDateTime, expected);
        const DateSerial next = NextAlarmTime(true, dayChoice, hour, minute, now);
        QCOMPARE(next == 0 ? QDateTime() : dateTimeFromSerial(next), expected);
        QCOMPARE(NextAlarmTime(false, dayChoice, hour, minute, now), 0.0);
    }

    void soonestAlarmSkipsSlotsThatAreOff()
    {
        SlotTable slots;
        QCOMPARE(nextAlarmStatusText(soonestOf(slots)), QStringLiteral("Alarm is OFF"));
        slots[3].nextAlarm = toDateSerial(at(2026, 12, 10, 6, 15));
        slots[11].nextAlarm = toDateSerial(at(2026, 12, 8, 7, 5));
        QCOMPARE(nextAlarmStatusText(soonestOf(slots), QLocale(QLocale::English)),
                 QStringLiteral("Tuesday 07:05 (Next Alarm)"));
    }

    void statusLineWeekdayIsInTheUsersLanguage()
    {
        const DateSerial tuesday = toDateSerial(at(2026, 12, 8, 7, 5));
        QCOMPARE(nextAlarmStatusText(tuesday, QLocale(QLocale::German)),
                 QStringLiteral("Dienstag 07:05 (Next Alarm)"));
        // Weekdays are counted by number: a lookup by name would go wrong in German.
        QLocale::setDefault(QLocale(QLocale::German));
        const DateSerial next = NextAlarmTime(true, 1, "07", "05", at(2026, 12, 7, 9, 0));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(next, tuesday);
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
        QTest::newRow("the next day") << at(2026, 12, 8, 7, 30) << AlarmCheck::Skip;
        QTest::newRow("the day before") << at(2026, 12, 6, 7, 30) << AlarmCheck::Wait;
    }
    void checkAlarm()
    {
        QFETCH(QDateTime, now);
        QFETCH(AlarmCheck, expected);
        QCOMPARE(::checkAlarm(toDateSerial(at(2026, 12, 7, 7, 30)), now), expected);
        QCOMPARE(::checkAlarm(NoAlarmSentinel, now), AlarmCheck::Wait);
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
        QCOMPARE(beepElapsed, 0); // ready for the next alarm
    }
};

QTEST_APPLESS_MAIN(TestScheduler)
#include "tst_scheduler.moc"
