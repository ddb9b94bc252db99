#include "core/DateSerial.h"

#include <QTest>

class TestDateSerial : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void knownValues()
    {
        QCOMPARE(toDateSerial(QDate(1899, 12, 30)), 0.0);
        QCOMPARE(toDateSerial(QDate(2026, 1, 1)), 46023.0);
        QCOMPARE(toDateSerial(QDateTime(QDate(2025, 12, 10), QTime(7, 30))), 46001.3125);
    }

    void roundsToTheNearestSecond_data()
    {
        QTest::addColumn<double>("serial");
        QTest::addColumn<QDateTime>("expected");
        QTest::newRow("exact") << 46001.3125 << QDateTime(QDate(2025, 12, 10), QTime(7, 30));
        QTest::newRow("before the epoch") << -1.0 << QDateTime(QDate(1899, 12, 29), QTime(0, 0));
        QTest::newRow("sentinel") << 2000000.0 << QDateTime(QDate(1899, 12, 30).addDays(2000000), QTime(0, 0));
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << QDateTime();
        QTest::newRow("beyond every calendar") << 1e300 << QDateTime();
        // 07:05 stored with 15 digits lies a hair below the exact minute.
        QTest::newRow("07:05 from below") << 46001.2951388889 << QDateTime(QDate(2025, 12, 10), QTime(7, 5));
        QTest::newRow("07:05 from above") << 46001.29513889 << QDateTime(QDate(2025, 12, 10), QTime(7, 5));
        QTest::newRow("last second") << 46001.99999 << QDateTime(QDate(2025, 12, 10), QTime(23, 59, 59));
        QTest::newRow("rounds into next day") << 46001.999999999 << QDateTime(QDate(2025, 12, 11), QTime(0, 0));
    }
    void roundsToTheNearestSecond()
    {
        QFETCH(double, serial);
        QFETCH(QDateTime, expected);
        QCOMPARE(dateTimeFromSerial(serial), expected);
    }

    void everyMinuteOfADaySurvivesTheStoredText()
    {
        const QDate day(2026, 12, 7);
        for (int minute = 0; minute < 24 * 60; ++minute) {
            const QDateTime moment(day, QTime(0, 0).addSecs(minute * 60));
            const auto parsed = parseDateSerial(dateSerialText(toDateSerial(moment)));
            QVERIFY(parsed);
            QCOMPARE(dateTimeFromSerial(*parsed), moment);
        }
    }

    void storedText_data()
    {
        QTest::addColumn<double>("serial");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 46001.0 << "46001";
        QTest::newRow("fraction") << 46001.3125 << "46001.3125";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("sentinel") << 2000000.0 << "2000000";
        QTest::newRow("15 digits") << 46001.29513888888888 << "46001.2951388889";
    }
    void storedText()
    {
        QFETCH(double, serial);
        QFETCH(QString, text);
        QCOMPARE(dateSerialText(serial), text);
    }

    void readsEitherSeparator_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<double>("value");
        QTest::newRow("point") << "46001.3125" << true << 46001.3125;
        QTest::newRow("comma") << "46001,3125" << true << 46001.3125;
        QTest::newRow("whole") << " 46023 " << true << 46023.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("words") << "tomorrow" << false << 0.0;
        QTest::newRow("two separators") << "46,001.3125" << false << 0.0;
        QTest::newRow("infinite") << "inf" << false << 0.0;
    }
    void readsEitherSeparator()
    {
        QFETCH(QString, text);
        QFETCH(bool, readable);
        QFETCH(double, value);
        const auto parsed = parseDateSerial(text);
        QCOMPARE(parsed.has_value(), readable);
        if (readable)
            QCOMPARE(*parsed, value);
    }
};

QTEST_APPLESS_MAIN(TestDateSerial)
#include "tst_dateserial.moc"
