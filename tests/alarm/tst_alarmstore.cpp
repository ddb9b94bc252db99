#include "alarm/AlarmStore.h"
#include "core/AppInfo.h"
#include "settings/SettingsStore.h"
#include "support/TempSettings.h"

#include <QSettings>
#include <QTest>

namespace {

QDateTime at(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

} // namespace

class TestAlarmStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyStoreLoadsTheDefaultsAndSavesThemAsNinetyOneKeys()
    {
        TempSettings settings;
        const StoredAlarms stored = readStoredAlarms();
        QCOMPARE(stored.duration, 5);
        for (const AlarmSlot& slot : stored.slots) {
            QVERIFY(!slot.isOn);
            QCOMPARE(slot.frequency, 0);
            QCOMPARE(slot.dayChoice, 0);
            QCOMPARE(slot.hourText, QStringLiteral("12"));
            QCOMPARE(slot.minuteText, QStringLiteral("00"));
            QCOMPARE(slot.nextAlarm, 0.0);
        }

        writeStoredAlarms(QString::number(stored.duration), stored.slots);
        QVERIFY(SettingsStore::flush(AppTitle));
        QSettings file(settings.fileName(), QSettings::IniFormat);
        file.beginGroup(AlarmSection);
        QCOMPARE(file.childKeys().size(), 91);
        QStringList values;
        for (const char* key : {"dur", "chkOn 14", "comFreq 14", "comDays 14", "txtHr 14",
                                "txtMin 14", "DateTime 14"})
            values << file.value(key).toString();
        QCOMPARE(values, QStringList({"5", "0", "0", "0", "12", "00", "0"}));
    }

    void savedSlotReadsBackAsWritten()
    {
        TempSettings settings;
        SlotTable slots;
        slots[4] = {true, 1, 9, QStringLiteral("06"), QStringLiteral("45"), 46001.3125};
        slots[14].hourText = QStringLiteral("7");
        writeStoredAlarms(QStringLiteral("60"), slots);
        QVERIFY(SettingsStore::flush(AppTitle));

        QStringList onDisk;
        for (const char* key : {"chkOn 4", "comFreq 4", "comDays 4", "txtHr 4", "txtMin 4",
                                "DateTime 4", "dur"})
            onDisk << settings.onDisk(AlarmSection, key);
        QCOMPARE(onDisk, QStringList({"1", "1", "9", "06", "45", "46001.3125", "60"}));

        SettingsStore::reopen();
        const StoredAlarms stored = readStoredAlarms();
        QCOMPARE(stored.duration, 60);
        QVERIFY(stored.slots[4].isOn);
        QCOMPARE(stored.slots[4].dayChoice, 9);
        QCOMPARE(stored.slots[4].nextAlarm, 46001.3125);
        // Stored text is taken as it is: the padding is the window's, on leaving the box.
        QCOMPARE(stored.slots[14].hourText, QStringLiteral("7"));
    }

    void valuesNoSaveWritesLoadAsDefaults()
    {
        TempSettings settings;
        settings.writeFile("[AlarmSetting]\n"
                           "dur=61\n"
                           "chkOn%200=2\n"
                           "comFreq%200=1\n"
                           "comDays%200=10\n"
                           "chkOn%201=yes\n"
                           "comFreq%201=0\n"
                           "comDays%201=8\n"
                           "comFreq%202=-1\n"
                           "comDays%202=3\n"
                           "DateTime%202=tomorrow\n"
                           "txtHr%202=ab\n");
        const StoredAlarms stored = readStoredAlarms();
        QCOMPARE(stored.duration, 5);
        QVERIFY(!stored.slots[0].isOn);
        QCOMPARE(stored.slots[0].frequency, 1);
        QCOMPARE(stored.slots[0].dayChoice, 0);
        QVERIFY(!stored.slots[1].isOn);
        QCOMPARE(stored.slots[1].dayChoice, 0); // a pattern on a once-only slot
        QCOMPARE(stored.slots[2].frequency, 0);
        QCOMPARE(stored.slots[2].dayChoice, 3);
        QCOMPARE(stored.slots[2].nextAlarm, 0.0);
        QCOMPARE(stored.slots[2].hourText, QStringLiteral("ab"));
    }

    void oneOffExpiresOnlyOnceItsSecondHasPassed_data()
    {
        QTest::addColumn<QString>("storedText");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<bool>("expired");
        // 46001.3125 is 2025-12-10 07:30; 46001.2951388889 is 07:05 written to 15 digits,
        // a hair before the minute.
        QTest::newRow("a second before") << "46001.3125" << at(2025, 12, 10, 7, 29, 59) << false;
        QTest::newRow("the same second") << "46001.3125" << QDateTime(QDate(2025, 12, 10), QTime(7, 30, 0, 900)) << false;
        QTest::newRow("a second after") << "46001.3125" << at(2025, 12, 10, 7, 30, 1) << true;
        QTest::newRow("rounded text, same second") << "46001.2951388889" << at(2025, 12, 10, 7, 5) << false;
        QTest::newRow("comma separator") << "46001,3125" << at(2025, 12, 10, 7, 30) << false;
        QTest::newRow("zero") << "0" << at(2025, 12, 10, 7, 30) << true;
    }
    void oneOffExpiresOnlyOnceItsSecondHasPassed()
    {
        QFETCH(QString, storedText);
        QFETCH(QDateTime, now);
        QFETCH(bool, expired);
        TempSettings settings;
        SaveSetting(AppTitle, AlarmSection, "chkOn 0", "1");
        SaveSetting(AppTitle, AlarmSection, "DateTime 0", storedText);
        SaveSetting(AppTitle, AlarmSection, "chkOn 1", "1");
        SaveSetting(AppTitle, AlarmSection, "comFreq 1", "1");
        SaveSetting(AppTitle, AlarmSection, "DateTime 1", storedText);
        const StoredAlarms stored = readStoredAlarms();
        QCOMPARE(oneOffExpired(stored.slots[0], now), expired);
        QVERIFY(!oneOffExpired(stored.slots[1], now)); // regular slots never expire
    }
};

QTEST_GUILESS_MAIN(TestAlarmStore)
#include "tst_alarmstore.moc"
