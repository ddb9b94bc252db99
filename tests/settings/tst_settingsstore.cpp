#include "settings/SettingsStore.h"
#include "settings/WindowPosition.h"
#include "support/ModalAnswer.h"
#include "support/TempSettings.h"

#include <QDir>
#include <QTest>

#include <sys/stat.h>

namespace {

int modeOf(const QString& path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString get(const QString& section, const QString& key)
{
    return GetSetting(AppTitle, section, key, "missing");
}

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valuesComeBackVerbatimFromTheFile_data()
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
    void valuesComeBackVerbatimFromTheFile()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        TempSettings settings;
        SaveSetting(AppTitle, "Notes", key, value);
        QVERIFY(SettingsStore::flush(AppTitle));
        SettingsStore::reopen();
        QCOMPARE(get("Notes", key), value);
    }

    void valuesThatAreNotTextReadAsMissing()
    {
        TempSettings settings;
        QByteArray garbage("[Main]\ntop=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x11)\nleft=600\n"
                           "[Notes]\nNumNotes=3, 4\nDay1=@Rect(1 2 3 4)\n=novalue\n[[[\n");
        for (int i = 0; i < 256; ++i)
            garbage.append(char(i));
        settings.writeFile(garbage);
        QCOMPARE(get("Main", "top"), "missing");
        QCOMPARE(get("Notes", "Day1"), "missing");
        QCOMPARE(get("Main", "left"), "600");
        // Qt reads a hand-edited value with a comma as a list.
        QCOMPARE(get("Notes", "NumNotes"), "3, 4");
    }

    void theFileIsMadePrivate()
    {
        TempSettings settings;
        const mode_t oldMask = ::umask(022); // the usual one: new files readable by everyone
        SaveSetting(AppTitle, "Notes", "Text1", "a");
        QVERIFY(SettingsStore::flush(AppTitle));
        QCOMPARE(modeOf(settings.fileName()), 0600);
        // A file left readable by an older version is made private at the next save.
        QVERIFY(QFile::setPermissions(settings.fileName(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
        SettingsStore::reopen();
        SaveSetting(AppTitle, "Notes", "Text1", "b");
        QVERIFY(SettingsStore::flush(AppTitle));
        ::umask(oldMask);
        QCOMPARE(modeOf(settings.fileName()), 0600);
        QCOMPARE(settings.onDisk("Notes", "Text1"), "b");
    }

    void aDamagedFileIsCopiedAsideBeforeAnyWrite_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("damaged");
        QTest::newRow("sound") << QByteArray("[Main]\ntop=15\n[Notes]\nNumNotes=0\n") << false;
        // What Qt's parser calls a format error.
        QTest::newRow("open section header")
            << QByteArray("[Main]\ntop=15\n[Notes\nNumNotes=1\n") << true;
        QTest::newRow("line without a value")
            << QByteArray("[Main]\ntop=15\n[Notes]\nNumNotes=1\nDay1 46023\n") << true;
    }
    void aDamagedFileIsCopiedAsideBeforeAnyWrite()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, damaged);
        TempSettings settings;
        settings.writeFile(file);
        QCOMPARE(get("Main", "top"), "15");
        const auto copies = [&] { return QDir(settings.dir()).entryList({"*.damaged-*"}); };
        QCOMPARE(copies().size(), int(damaged));
        const QString copy = QDir(settings.dir()).filePath(copies().value(0));
        // The user is told once, and where the copy is.
        for (bool first : {true, false}) {
            const auto box = answerNextBox(QMessageBox::Ok);
            reportDamagedSettings(AppTitle);
            QCoreApplication::processEvents();
            QCOMPARE(box->seen, damaged && first);
            QVERIFY(!box->seen || box->text.contains(copy));
        }
        if (!damaged)
            return;
        QCOMPARE(contentsOf(copy), file);
        QCOMPARE(modeOf(copy), 0600);

        // The clock carries on with what it read, and saving leaves the copy alone.
        SaveSetting(AppTitle, "Main", "left", "30");
        QVERIFY(SettingsStore::flush(AppTitle));
        QCOMPARE(settings.onDisk("Main", "top"), "15");
        QCOMPARE(contentsOf(copy), file);
        SettingsStore::reopen();
        get("Main", "top");
        QCOMPARE(copies().size(), 1);
    }

    void aFailedSaveIsReported()
    {
        TempSettings settings;
        // A directory where the file should be makes every write fail, even for root.
        QVERIFY(QDir().mkpath(settings.fileName()));
        SaveSetting(AppTitle, "Main", "top", "30");
        QVERIFY(!SettingsStore::flush(AppTitle));
        const auto box = answerNextBox(QMessageBox::Ok);
        commitSettings(AppTitle);
        QVERIFY(box->seen);
        QVERIFY(box->text.contains(settings.fileName()));
    }

    void windowsStayReachable_data()
    {
        const QList<QRect> one{{0, 0, 1920, 1080}}, two{one[0], {1920, 0, 1280, 1024}};
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QPoint>("wanted");
        QTest::addColumn<QPoint>("placed");
        QTest::newRow("on the second") << two << QPoint(2500, 900) << QPoint(2500, 900);
        QTest::newRow("partly off the edge") << one << QPoint(1860, 1050) << QPoint(1860, 1050);
        // Else at the corner of the primary screen's free area, here right of a panel.
        QTest::newRow("monitor unplugged") << one << QPoint(2500, 900) << QPoint(48, 0);
        QTest::newRow("a sliver only") << one << QPoint(1915, 10) << QPoint(48, 0);
    }
    void windowsStayReachable()
    {
        QFETCH(QList<QRect>, screens);
        QFETCH(QPoint, wanted);
        QFETCH(QPoint, placed);
        QCOMPARE(placeOnScreen(wanted, {181, 111}, screens, {48, 0, 1872, 1040}), placed);
    }
};

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
