#include "settings/SettingsStore.h"
#include "support/TempSettings.h"

#include "support/ModalAnswer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

namespace {
const QString section = QStringLiteral("AlarmSetting");

int modeOf(const QString& path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 0777);
}

QStringList damagedCopiesIn(const QString& dir)
{
    return QDir(dir).entryList({AppTitle + QStringLiteral(".conf.damaged-*")}, QDir::Files);
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}
} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

    void missingOrDeletedValuesGiveTheDefault()
    {
        TempSettings settings;
        QCOMPARE(GetSetting(AppTitle, QStringLiteral("Nowhere"), QStringLiteral("dur")), QString());
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

    void theFileStaysPrivateAcrossRewrites()
    {
        TempSettings settings;
        // The usual umask would leave a new file readable by everyone.
        const mode_t oldMask = ::umask(022);
        SaveSetting(AppTitle, QStringLiteral("Notes"), QStringLiteral("Text1"), QStringLiteral("a"));
        QVERIFY(SettingsStore::flush(AppTitle));
        QCOMPARE(modeOf(settings.fileName()), 0600);
        SaveSetting(AppTitle, QStringLiteral("Notes"), QStringLiteral("Text1"), QStringLiteral("b"));
        QVERIFY(SettingsStore::flush(AppTitle));
        QCOMPARE(modeOf(settings.fileName()), 0600);

        // A file left readable by an older version is made private at the next save.
        QFile::setPermissions(settings.fileName(), QFile::ReadOwner | QFile::WriteOwner
                                                       | QFile::ReadGroup | QFile::ReadOther);
        SettingsStore::reopen();
        SaveSetting(AppTitle, QStringLiteral("Notes"), QStringLiteral("Text1"), QStringLiteral("c"));
        QVERIFY(SettingsStore::flush(AppTitle));
        ::umask(oldMask);
        QCOMPARE(modeOf(settings.fileName()), 0600);
        QCOMPARE(settings.onDisk(QStringLiteral("Notes"), QStringLiteral("Text1")),
                 QStringLiteral("c"));
    }

    void onlyADamagedFileIsKeptAndReportedOnce_data()
    {
        QTest::addColumn<QByteArray>("damaged");
        QTest::addColumn<bool>("isDamaged");
        QTest::newRow("sound file, neither copied nor reported")
            << QByteArray("[Main]\ntop=15\n[Notes]\nNumNotes=0\n") << false;
        // What Qt's parser calls a format error: a section header left open, and a line
        // of a section that is no key=value pair.
        QTest::newRow("open section header")
            << QByteArray("[Main]\ntop=15\n[Notes\nNumNotes=1\n") << true;
        QTest::newRow("line without a value")
            << QByteArray("[Main]\ntop=15\n[Notes]\nNumNotes=1\nDay1 46023\n") << true;
    }
    void onlyADamagedFileIsKeptAndReportedOnce()
    {
        QFETCH(QByteArray, damaged);
        QFETCH(bool, isDamaged);
        TempSettings settings;
        settings.writeFile(damaged);

        QCOMPARE(GetSetting(AppTitle, QStringLiteral("Main"), QStringLiteral("top")),
                 QStringLiteral("15"));
        const QStringList copies = damagedCopiesIn(settings.dir());
        if (!isDamaged) {
            auto box = answerNextBox(QMessageBox::Ok);
            reportDamagedSettings(AppTitle);
            QCoreApplication::processEvents();
            QVERIFY(!box->seen);
            QVERIFY(copies.isEmpty());
            return;
        }
        QCOMPARE(copies.size(), 1);
        const QString copy = QDir(settings.dir()).filePath(copies.first());
        QCOMPARE(contentsOf(copy), damaged);
        QCOMPARE(modeOf(copy), 0600);
        QVERIFY(QRegularExpression(QStringLiteral("\\.conf\\.damaged-\\d{8}-\\d{6}$"))
                    .match(copy)
                    .hasMatch());

        auto box = answerNextBox(QMessageBox::Ok);
        reportDamagedSettings(AppTitle);
        QVERIFY(box->seen);
        QCOMPARE(box->icon, QMessageBox::Warning);
        QVERIFY(box->text.contains(copy));
        auto again = answerNextBox(QMessageBox::Ok);
        reportDamagedSettings(AppTitle);
        QCoreApplication::processEvents();
        QVERIFY(!again->seen);

        // The program carries on with what it read, and its saves work as before.
        SaveSetting(AppTitle, QStringLiteral("Main"), QStringLiteral("left"), QStringLiteral("30"));
        QVERIFY(SettingsStore::flush(AppTitle));
        QCOMPARE(settings.onDisk(QStringLiteral("Main"), QStringLiteral("top")),
                 QStringLiteral("15"));
        QCOMPARE(settings.onDisk(QStringLiteral("Main"), QStringLiteral("left")),
                 QStringLiteral("30"));
        QCOMPARE(contentsOf(copy), damaged);
        SettingsStore::reopen();
        GetSetting(AppTitle, QStringLiteral("Main"), QStringLiteral("top"));
        QCOMPARE(damagedCopiesIn(settings.dir()).size(), 1);
    }

    void aFailedFlushIsReported_data()
    {
        QTest::addColumn<bool>("damagedBefore");
        QTest::newRow("sound file before") << false;
        QTest::newRow("damaged file before") << true;
    }
    void aFailedFlushIsReported()
    {
        QFETCH(bool, damagedBefore);
        TempSettings settings;
        if (damagedBefore) {
            settings.writeFile("[Notes\nNumNotes=1\n");
            GetSetting(AppTitle, QStringLiteral("Main"), QStringLiteral("top"));
            QVERIFY(QFile::remove(settings.fileName()));
        }
        // A directory where the file should be makes every write fail, even for root.
        QVERIFY(QDir().mkpath(settings.fileName()));
        if (!damagedBefore)
            SettingsStore::reopen();
        SaveSetting(AppTitle, QStringLiteral("Main"), QStringLiteral("top"), QStringLiteral("30"));
        QVERIFY(!SettingsStore::flush(AppTitle));

        const auto box = answerNextBox(QMessageBox::Ok);
        commitSettings(AppTitle);
        QVERIFY(box->seen);
        QVERIFY(box->text.contains(settings.fileName()));
        QVERIFY(box->text.contains(QStringLiteral("could not be saved")));
    }
};

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
