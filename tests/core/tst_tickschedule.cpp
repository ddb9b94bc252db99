#include "core/TickSchedule.h"

#include <QTest>

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
        QTest::newRow("just before a second") << QTime(7, 29, 59, 998) << 500 << QTime(7, 30, 0);
        // A tick that wakes early but after the second has turned waits for the next mark,
        // rather than ticking twice in a row.
        QTest::newRow("tick woken early") << QTime(7, 30, 0, 3) << 500 << QTime(7, 30, 0, 500);
        QTest::newRow("tick woken late") << QTime(7, 30, 0, 40) << 500 << QTime(7, 30, 0, 500);
        QTest::newRow("second half") << QTime(7, 30, 0, 505) << 500 << QTime(7, 30, 1);
        QTest::newRow("before midnight") << QTime(23, 59, 59, 999) << 500 << QTime(0, 0);
        QTest::newRow("whole seconds") << QTime(7, 29, 59, 600) << 1000 << QTime(7, 30, 0);
        QTest::newRow("whole seconds, early") << QTime(7, 30, 0, 1) << 1000 << QTime(7, 30, 1);
    }
    void nextTickLandsJustAfterTheNextMark()
    {
        QFETCH(QTime, now);
        QFETCH(int, period);
        QFETCH(QTime, mark);
        QCOMPARE(now.addMSecs(TickSchedule::msecsToNextTick(now, period)),
                 mark.addMSecs(TickSchedule::Margin));
    }
};

QTEST_APPLESS_MAIN(TestTickSchedule)
#include "tst_tickschedule.moc"
