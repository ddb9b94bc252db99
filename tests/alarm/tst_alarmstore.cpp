#include "alarm/AlarmStore.h"
#include "core/AppInfo.h"
#include "settings/SettingsStore.h"
#include "support/TempSettings.h"

#include <QSettings>
#include <QTest>

class TestAlarmStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyStoreGivesDefaultsAndSavedSlotsReadBack()
    {
        TempSettings settings;
        StoredAlarms stored = readStoredAlarms();
        QCOMPARE(stored.duration, 5);
        for (const AlarmSlot& slot : stored.slots) {
            QVERIFY(!slot.isOn);
            QCOMPARE(QList<int>({slot.frequency, slot.dayChoice}), QList<int>({0, 0}));
            QCOMPARE(slot.hourText + slot.minuteText, QStringLiteral("1200"));
            QCOMPARE(slot.nextAlarm, 0.0);
        }

        stored.slots[4] = {true, 1, 9, QStringLiteral("06"), QStringLiteral("45"), 46001.3125};
        stored.slots[14].hourText = QStringLiteral("7");
        writeStoredAlarms(QStringLiteral("60"), stored.slots);
        QVERIFY(SettingsStore::flush(AppTitle));
        QSettings file(settings.fileName(), QSettings::IniFormat);
        file.beginGroup(AlarmSection);
        QCOMPARE(file.childKeys().size(), 1 + 6 * SlotCount);
        QStringList onDisk;
        for (const char* key : {"dur", "chkOn 4", "comFreq 4", "comDays 4", "txtHr 4", "txtMin 4",
                                "DateTime 4", "DateTime 3"})
            onDisk << file.value(key).toString();
        QCOMPARE(onDisk, QStringList({"60", "1", "1", "9", "06", "45", "46001.3125", "0"}));

        SettingsStore::reopen();
        const StoredAlarms reread = readStoredAlarms();
        QCOMPARE(reread.duration, 60);
        QVERIFY(reread.slots[4].isOn);
        QCOMPARE(reread.slots[4].dayChoice, 9);
        QCOMPARE(reread.slots[4].nextAlarm, 46001.3125);
        // Stored text is taken as it is: the padding is the window's, on leaving the box.
        QCOMPARE(reread.slots[14].hourText, QStringLiteral("7"));
    }

    void valuesNoSaveWritesLoadAsDefaults()
    {
        TempSettings settings;
        settings.writeFile("[AlarmSetting]\ndur=61\n"
                           "chkOn%200=2\ncomFreq%200=1\ncomDays%200=10\n"
                           "chkOn%201=yes\ncomFreq%201=0\ncomDays%201=8\n"
                           "comFreq%202=-1\ncomDays%202=3\nDateTime%202=tomorrow\ntxtHr%202=ab\n");
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
        QTest::addColumn<QTime>("now"); // on 2025-12-10
        QTest::addColumn<bool>("expired");
        // 46001.3125 is 2025-12-10 07:30; 46001.2951388889 is 07:05 written to 15 digits,
        // a hair before the minute.
        QTest::newRow("a second before") << "46001.3125" << QTime(7, 29, 59) << false;
        QTest::newRow("the same second") << "46001.3125" << QTime(7, 30, 0, 900) << false;
        QTest::newRow("a second after") << "46001.3125" << QTime(7, 30, 1) << true;
        QTest::newRow("rounded text, same second") << "46001.2951388889" << QTime(7, 5) << false;
        QTest::newRow("comma separator") << "46001,3125" << QTime(7, 30) << false;
        QTest::newRow("zero") << "0" << QTime(7, 30) << true;
    }
    void oneOffExpiresOnlyOnceItsSecondHasPassed()
    {
        QFETCH(QString, storedText);
        QFETCH(QTime, now);
        QFETCH(bool, expired);
        TempSettings settings;
        SaveSetting(AppTitle, AlarmSection, "DateTime 0", storedText);
        SaveSetting(AppTitle, AlarmSection, "comFreq 1", "1");
        SaveSetting(AppTitle, AlarmSection, "DateTime 1", storedText);
        const StoredAlarms stored = readStoredAlarms();
        const QDateTime moment(QDate(2025, 12, 10), now);
        QCOMPARE(oneOffExpired(stored.slots[0], moment), expired);
        QVERIFY(!oneOffExpired(stored.slots[1], moment)); // regular slots never expire
    }
};

QTEST_GUILESS_MAIN(TestAlarmStore)
#include "tst_alarmstore.moc"
