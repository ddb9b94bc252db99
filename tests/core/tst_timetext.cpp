#include "core/TimeText.h"

#include <QTest>

class TestTimeText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clockFaceKeepsTheLocalesWayWithSeconds_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("text");
        QTest::newRow("12-hour") << "en_US" << QTime(15, 4, 5) << "3:04:05\u202fPM";
        QTest::newRow("24-hour") << "en_GB" << QTime(15, 4, 5) << "15:04:05";
        QTest::newRow("German") << "de_DE" << QTime(7, 0, 9) << "07:00:09";
        QTest::newRow("midnight") << "en_GB" << QTime(0, 0, 0) << "00:00:00";
    }
    void clockFaceKeepsTheLocalesWayWithSeconds()
    {
        QFETCH(QString, locale);
        QFETCH(QTime, time);
        QFETCH(QString, text);
        QString shown = timeOfDayText(time, QLocale(locale));
        // CLDR versions differ on the blank before AM/PM.
        shown.replace(QLatin1Char(' '), QChar(0x202f));
        QCOMPARE(shown, text);
    }

    void shortTimeIsTwentyFourHourWithTwoDigits()
    {
        QCOMPARE(shortTimeText(QTime(7, 5, 59)), QStringLiteral("07:05"));
        QCOMPARE(shortTimeText(QTime(23, 0)), QStringLiteral("23:00"));
    }
};

QTEST_APPLESS_MAIN(TestTimeText)
#include "tst_timetext.moc"
