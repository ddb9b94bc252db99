#include "core/DateSerial.h"

#include <QTest>

// Date serials as stored: days since 30 December 1899, the time of day as their fraction.
class TestCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void serialsBothWays()
    {
        const QDate epoch(1899, 12, 30), day(2025, 12, 10);
        // Before the epoch the whole part counts back and the fraction still forward. An
        // empty text: the serial is only read, rounded to the nearest second.
        const QList<std::tuple<double, QDateTime, QString>> cases{
            {-0.75, QDateTime(epoch.addDays(-1), QTime(6, 0)), "-0.75"},
            {46001.3125, QDateTime(day, QTime(7, 30)), "46001.3125"},
            {46001.99999, QDateTime(day, QTime(23, 59, 59)), ""},
            {46001.999999999, QDateTime(day.addDays(1), {}), ""},
            {std::nan(""), QDateTime(), ""},
            {1e300, QDateTime(), ""}};
        for (const auto& [serial, wall, text] : cases) {
            const auto [date, time] = wallClockOf(serial);
            QCOMPARE(date.isValid() ? QDateTime(date, time) : QDateTime(), wall);
            QVERIFY(text.isEmpty() || (toDateSerial(wall) == serial && dateSerialText(serial) == text));
        }
        // Stored with 15 digits, most minutes lie a hair below or above the exact one.
        for (int minute = 0; minute < 24 * 60; ++minute) {
            const QTime time = QTime(0, 0).addSecs(minute * 60);
            const auto parsed = parseDateSerial(dateSerialText(toDateSerial(day, time)));
            QVERIFY(parsed && wallClockOf(*parsed).second == time);
        }
        for (const auto& [text, value] : {std::pair{"46001,3125", 46001.3125}, {" 46023 ", 46023.0},
                                          {"tomorrow", -1.0}, {"46,001.3125", -1.0}, {"inf", -1.0}})
            QCOMPARE(parseDateSerial(text).value_or(-1), value);
    }
};

QTEST_APPLESS_MAIN(TestCore)
#include "tst_core.moc"
