#include "core/DateSerial.h"
#include "core/TickSchedule.h"
#include "core/TimeText.h"

#include <QTest>

// Date serials as stored, the clock face's text and the moments it turns.
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
            {0.0, epoch.startOfDay(), "0"},
            {-0.75, QDateTime(epoch.addDays(-1), QTime(6, 0)), "-0.75"},
            {46001.3125, QDateTime(day, QTime(7, 30)), "46001.3125"},
            {2e6, epoch.addDays(2000000).startOfDay(), "2000000"},
            {46001.99999, QDateTime(day, QTime(23, 59, 59)), ""},
            {46001.999999999, QDateTime(day.addDays(1), {}), ""},
            {std::nan(""), QDateTime(), ""},
            {1e300, QDateTime(), ""}};
        for (const auto& [serial, wall, text] : cases) {
            const auto [date, time] = wallClockOf(serial);
            QCOMPARE(date.isValid() ? QDateTime(date, time) : QDateTime(), wall);
            QVERIFY(text.isEmpty() || (toDateSerial(wall) == serial && dateSerialText(serial) == text));
        }
    }

    // Stored with 15 digits, most minutes lie a hair below or above the exact one.
    void everyMinuteOfADaySurvivesTheStoredText()
    {
        for (int minute = 0; minute < 24 * 60; ++minute) {
            const QTime time = QTime(0, 0).addSecs(minute * 60);
            const auto parsed = parseDateSerial(dateSerialText(toDateSerial(QDate(2026, 12, 7), time)));
            QVERIFY(parsed && wallClockOf(*parsed).second == time);
        }
        for (const auto& [text, value] : {std::pair{"46001.3125", 46001.3125}, {"46001,3125", 46001.3125},
                                          {" 46023 ", 46023.0}, {"tomorrow", -1.0},
                                          {"46,001.3125", -1.0}, {"inf", -1.0}})
            QCOMPARE(parseDateSerial(text).value_or(-1), value);
    }

    void theFaceTurnsJustAfterEachSecondInTheUsersWay()
    {
        const QTime time(15, 4, 5);
        QCOMPARE(timeOfDayText(time, QLocale(QLocale::English, QLocale::UnitedStates))
                     .replace(QChar(0x202f), ' '),
                 "3:04:05 PM");
        QCOMPARE(timeOfDayText(time, QLocale(QLocale::German)), "15:04:05");
        QCOMPARE(shortTimeText(QTime(7, 5, 59)), "07:05");
        // A tick that wakes early but after the second has turned waits for the next one,
        // rather than ticking twice in a row.
        for (const auto& [now, mark] : {std::pair{QTime(7, 29, 59), QTime(7, 30)},
                                        {QTime(7, 30, 0, 3), QTime(7, 30, 1)},
                                        {QTime(7, 30, 0, 505), QTime(7, 30, 1)},
                                        {QTime(23, 59, 59, 999), QTime(0, 0)}})
            QCOMPARE(now.addMSecs(TickSchedule::msecsToNextTick(now, 1000)),
                     mark.addMSecs(TickSchedule::Margin));
    }
};

QTEST_APPLESS_MAIN(TestCore)
#include "tst_core.moc"
