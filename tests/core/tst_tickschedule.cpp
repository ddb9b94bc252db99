#include "core/TickSchedule.h"
#include "core/TimeText.h"

#include <QTest>

// When the clock face turns over, and what it shows then.
class TestTickSchedule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nextTickLandsJustAfterTheNextMark_data()
    {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<int>("period");
        QTest::addColumn<QTime>("mark");
        QTest::newRow("on a second") << QTime(7, 29, 59) << 500 << QTime(7, 29, 59, 500);
        QTest::newRow("just before a second") << QTime(7, 29, 59, 998) << 500 << QTime(7, 30);
        // A tick that wakes early but after the second has turned waits for the next mark,
        // rather than ticking twice in a row.
        QTest::newRow("woken early") << QTime(7, 30, 0, 3) << 500 << QTime(7, 30, 0, 500);
        QTest::newRow("second half") << QTime(7, 30, 0, 505) << 500 << QTime(7, 30, 1);
        QTest::newRow("before midnight") << QTime(23, 59, 59, 999) << 500 << QTime(0, 0);
        QTest::newRow("whole seconds") << QTime(7, 30, 0, 1) << 1000 << QTime(7, 30, 1);
    }
    void nextTickLandsJustAfterTheNextMark()
    {
        QFETCH(QTime, now);
        QFETCH(int, period);
        QFETCH(QTime, mark);
        QCOMPARE(now.addMSecs(TickSchedule::msecsToNextTick(now, period)),
                 mark.addMSecs(TickSchedule::Margin));
    }

    void timeOfDayKeepsTheLocalesWayWithSeconds_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("text");
        QTest::newRow("12-hour") << "en_US" << QTime(15, 4, 5) << "3:04:05 PM";
        QTest::newRow("24-hour") << "en_GB" << QTime(0, 0, 0) << "00:00:00";
        QTest::newRow("German") << "de_DE" << QTime(7, 0, 9) << "07:00:09";
    }
    void timeOfDayKeepsTheLocalesWayWithSeconds()
    {
        QFETCH(QString, locale);
        QFETCH(QTime, time);
        QFETCH(QString, text);
        // CLDR versions differ on the blank before AM/PM.
        QCOMPARE(timeOfDayText(time, QLocale(locale)).replace(QChar(0x202f), u' '), text);
    }
};

QTEST_APPLESS_MAIN(TestTickSchedule)
#include "tst_tickschedule.moc"
