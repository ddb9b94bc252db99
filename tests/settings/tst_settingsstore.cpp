#include "settings/SettingsStore.h"
#include "support/TempSettings.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {
const QString section = QStringLiteral("AlarmSetting");
}

class TestSettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void missingValuesGiveTheDefault()
    {
        TempSettings settings;
        QCOMPARE(GetSetting(AppTitle, section, QStringLiteral("dur"), QStringLiteral("5")),
                 QStringLiteral("5"));
        QCOMPARE(GetSetting(AppTitle, QStringLiteral("Nowhere"), QStringLiteral("dur")),
                 QString());
    }

    void valuesComeBackVerbatimAndReachTheFile_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("key with a blank") << "chkOn 0" << "1";
        QTest::newRow("line breaks") << "Text1" << "first line\r\nsecond line\n";
        QTest::newRow("commas and quotes") << "Text2" << "milk, \"eggs\"; bread = 3";
        QTest::newRow("leading blanks") << "Text3" << "   indented";
        QTest::newRow("ini syntax") << "Text4" << "[Main]\ntop=5";
        QTest::newRow("empty") << "Text5" << "";
        QTest::newRow("non-ASCII") << "Text6" << "Grüße – 日本";
    }
    void valuesComeBackVerbatimAndReachTheFile()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        TempSettings settings;
        SaveSetting(AppTitle, section, key, value);
        QCOMPARE(GetSetting(AppTitle, section, key, QStringLiteral("default")), value);

        QVERIFY(SettingsStore::flush(AppTitle));
        SettingsStore::reopen();
        QCOMPARE(GetSetting(AppTitle, section, key, QStringLiteral("default")), value);
    }

    void theFileIsNamedAfterTheApplication()
    {
        TempSettings settings;
        SaveSetting(AppTitle, QStringLiteral("Main"), QStringLiteral("top"), QStringLiteral("15"));
        QVERIFY(SettingsStore::flush(AppTitle));
        QCOMPARE(SettingsStore::fileName(AppTitle), settings.fileName());
        QCOMPARE(settings.onDisk(QStringLiteral("Main"), QStringLiteral("top")),
                 QStringLiteral("15"));
    }

    void deleteRemovesOneKey()
    {
        TempSettings settings;
        SaveSetting(AppTitle, QStringLiteral("Notes"), QStringLiteral("Day1"), QStringLiteral("1"));
        SaveSetting(AppTitle, QStringLiteral("Notes"), QStringLiteral("Day2"), QStringLiteral("2"));
        DeleteSetting(AppTitle, QStringLiteral("Notes"), QStringLiteral("Day1"));
        DeleteSetting(AppTitle, QStringLiteral("Notes"), QStringLiteral("Day9"));
        QVERIFY(SettingsStore::flush(AppTitle));
        QCOMPARE(GetSetting(AppTitle, QStringLiteral("Notes"), QStringLiteral("Day1"),
                            QStringLiteral("gone")),
                 QStringLiteral("gone"));
        QVERIFY(!settings.onDiskContains(QStringLiteral("Notes"), QStringLiteral("Day1")));
        QCOMPARE(settings.onDisk(QStringLiteral("Notes"), QStringLiteral("Day2")),
                 QStringLiteral("2"));
    }

    void garbageNeverCrashesAndReadsAsMissing()
    {
        TempSettings settings;
        QByteArray garbage("[Main]\ntop=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x11)\nleft=600\n"
                           "[Notes]\nNumNotes=3, 4\nDay1=@Rect(1 2 3 4)\n=novalue\n[[[\n");
        for (int i = 0; i < 256; ++i)
            garbage.append(char(i));
        settings.writeFile(garbage);
        const auto read = [](const char* section, const char* key) {
            return GetSetting(AppTitle, QLatin1String(section), QLatin1String(key),
                              QStringLiteral("missing"));
        };
        QCOMPARE(read("Main", "top"), QStringLiteral("missing"));
        QCOMPARE(read("Notes", "Day1"), QStringLiteral("missing"));
        QCOMPARE(read("Main", "left"), QStringLiteral("600"));
        QCOMPARE(read("Notes", "NumNotes"), QStringLiteral("3, 4"));
        SaveSetting(AppTitle, QStringLiteral("Main"), QStringLiteral("top"), QStringLiteral("30"));
        QCOMPARE(GetSetting(AppTitle, QStringLiteral("Main"), QStringLiteral("top")),
                 QStringLiteral("30"));
    }

    void aFailedFlushIsReported()
    {
        TempSettings settings;
        // A directory where the file should be makes every write fail, even for root.
        QVERIFY(QDir().mkpath(settings.fileName()));
        SettingsStore::reopen();
        SaveSetting(AppTitle, QStringLiteral("Main"), QStringLiteral("top"), QStringLiteral("30"));
        QVERIFY(!SettingsStore::flush(AppTitle));

        QString shownText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shownText = box->text();
            box->accept();
        });
        commitSettings(AppTitle);
        QVERIFY(shownText.contains(settings.fileName()));
        QVERIFY(shownText.contains(QStringLiteral("could not be saved")));
    }
};

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
