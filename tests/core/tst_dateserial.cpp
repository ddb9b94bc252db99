#include "core/DateSerial.h"

#include <QTest>

namespace {

QDateTime wall(DateSerial serial)
{
    const auto [date, time] = wallClockOf(serial);
    return date.isValid() ? QDateTime(date, time) : QDateTime();
}

} // namespace

class TestDateSerial : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exactSerials_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<double>("serial");
        QTest::addColumn<QString>("text");
        const QDate epoch(1899, 12, 30);
        QTest::newRow("epoch") << epoch.startOfDay() << 0.0 << "0";
        // Before the epoch the whole part counts back and the fraction still forward.
        QTest::newRow("before the epoch") << QDateTime(epoch.addDays(-1), QTime(6, 0)) << -0.75
                                          << "-0.75";
        QTest::newRow("07:30") << QDateTime(QDate(2025, 12, 10), QTime(7, 30)) << 46001.3125
                               << "46001.3125";
        QTest::newRow("no alarm") << epoch.addDays(2000000).startOfDay() << 2e6 << "2000000";
    }
    void exactSerials()
    {
        QFETCH(QDateTime, moment);
        QFETCH(double, serial);
        QFETCH(QString, text);
        QCOMPARE(toDateSerial(moment), serial);
        QCOMPARE(wall(serial), moment);
        QCOMPARE(dateSerialText(serial), text);
    }

    void readsRoundToTheNearestSecond_data()
    {
        QTest::addColumn<double>("serial");
        QTest::addColumn<QDateTime>("expected");
        const QDate day(2025, 12, 10);
        QTest::newRow("last second") << 46001.99999 << QDateTime(day, QTime(23, 59, 59));
        QTest::newRow("into the next day") << 46001.999999999 << QDateTime(day.addDays(1), {});
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << QDateTime();
        QTest::newRow("beyond every calendar") << 1e300 << QDateTime();
    }
    void readsRoundToTheNearestSecond()
    {
        QFETCH(double, serial);
        QFETCH(QDateTime, expected);
        QCOMPARE(wall(serial), expected);
    }

    // Stored with 15 digits, most minutes lie a hair below or above the exact one.
    void everyMinuteOfADaySurvivesTheStoredText()
    {
        QCOMPARE(dateSerialText(46001.29513888888888), "46001.2951388889");
        for (int minute = 0; minute < 24 * 60; ++minute) {
            const QDateTime moment(QDate(2026, 12, 7), QTime(0, 0).addSecs(minute * 60));
            const auto parsed = parseDateSerial(dateSerialText(toDateSerial(moment)));
            QVERIFY(parsed);
            QCOMPARE(wall(*parsed), moment);
        }
    }

    void readsEitherSeparator_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const double unreadable = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("point") << "46001.3125" << 46001.3125;
        QTest::newRow("comma") << "46001,3125" << 46001.3125;
        QTest::newRow("blanks") << " 46023 " << 46023.0;
        QTest::newRow("words") << "tomorrow" << unreadable;
        QTest::newRow("two separators") << "46,001.3125" << unreadable;
        QTest::newRow("infinite") << "inf" << unreadable;
    }
    void readsEitherSeparator()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(parseDateSerial(text).value_or(std::nan("")), value);
    }
};

QTEST_APPLESS_MAIN(TestDateSerial)
#include "tst_dateserial.moc"
