#include "settings/FileSafety.h"
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

// The one file that holds the alarms and the notes: what goes in comes back, it stays
// private, a damaged one is kept aside, and a failed save is never silent.
class TestSettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theFileIsMadePrivateAndAFailedSaveIsReported()
    {
        TempSettings settings;
        const mode_t oldMask = ::umask(022); // the usual one: new files readable by everyone
        const QString firstOfAll = settings.dir() + "/config/not/made/yet.conf";
        FileSafety::createPrivateFile(firstOfAll);
        QCOMPARE(modeOf(firstOfAll), 0600);
        SaveSetting(AppTitle, "Notes", "Text1", "a");
        const auto openFiles = [] { return QDir("/proc/self/fd").count(); };
        const auto before = openFiles();
        QVERIFY(SettingsStore::flush(AppTitle));
        QCOMPARE(openFiles(), before); // a clock saving for weeks runs out of none
        QCOMPARE(modeOf(settings.fileName()), 0600);
        // A file left readable by others (a copy, an older version) is made private as soon
        // as it is opened, before anything is saved.
        QVERIFY(QFile::setPermissions(settings.fileName(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
        SettingsStore::reopen();
        QCOMPARE(get("Notes", "Text1"), "a");
        ::umask(oldMask);
        QCOMPARE(modeOf(settings.fileName()), 0600);
        // A directory where the file should be makes every write fail, even for root: the
        // user is told, with the file's name.
        QVERIFY(QFile::remove(settings.fileName()) && QDir().mkpath(settings.fileName()));
        SaveSetting(AppTitle, "Main", "top", "30");
        const auto message = answerNextBox(QMessageBox::Ok);
        commitSettings(AppTitle);
        QVERIFY(message->contains(settings.fileName()));
    }

    // A sound file, and three that Qt's parser calls a format error, each also read ahead on a
    // thread of its own as at start-up. In the hand-edited one, what is not text reads as
    // missing; a value with commas, which Qt reads as a list, as written.
    void aDamagedFileIsCopiedAsideBeforeAnyWrite_data()
    {
        QTest::addColumn<bool>("readAhead");
        QTest::newRow("opened") << false;
        QTest::newRow("read ahead") << true;
    }
    void aDamagedFileIsCopiedAsideBeforeAnyWrite()
    {
        QFETCH(bool, readAhead);
        QByteArray edited("[Main]\ntop=15\nleft=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x11)\n[Notes]\n"
                          "NumNotes=3, 4\nDay1=@Rect(1 2 3 4)\n=novalue\n[[[\n");
        for (int i = 0; i < 256; ++i)
            edited.append(char(i));
        for (const QByteArray& file : {QByteArray("[Main]\ntop=15\n[Notes]\nNumNotes=0\n"), edited,
                                       QByteArray("[Main]\ntop=15\n[Notes\nNumNotes=1\n"),
                                       QByteArray("[Main]\ntop=15\n[Notes]\nNumNotes=1\nDay1 46023\n")}) {
            const bool damaged = !file.contains("NumNotes=0");
            TempSettings settings;
            settings.writeFile(file);
            std::optional<SettingsReadAhead> ahead;
            if (readAhead)
                ahead.emplace(AppTitle);
            QCOMPARE(get("Main", "top"), "15");
            if (file == edited)
                QCOMPARE(get("Main", "left") + get("Notes", "Day1") + get("Notes", "NumNotes"), "missingmissing3, 4");
            const auto copies = [&] { return QDir(settings.dir()).entryList({"*.damaged-*"}); };
            QCOMPARE(copies().size(), int(damaged));
            const QString copy = QDir(settings.dir()).filePath(copies().value(0));
            // The user is told once, and where the copy is.
            for (bool first : {true, false}) {
                const auto message = answerNextBox(QMessageBox::Ok);
                reportDamagedSettings(AppTitle);
                QCoreApplication::processEvents();
                QCOMPARE(message->contains(copy), damaged && first);
            }
            if (!damaged)
                continue;
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
    }

    // What was read ahead is not taken for the file when the file has changed since.
    void aFileChangedAfterItWasReadAheadIsReadAgain()
    {
        TempSettings settings;
        settings.writeFile("[Main]\ntop=15\n");
        const SettingsReadAhead ahead(AppTitle);
        QTest::qWait(200);
        QFile file(settings.fileName());
        QVERIFY(file.open(QIODevice::Append) && file.write("left=30\n") == 8);
        file.close();
        QCOMPARE(get("Main", "top") + get("Main", "left"), "1530");
    }

    void windowsStayReachable()
    {
        const QList<QRect> one{{0, 0, 1920, 1080}}, two{one[0], {1920, 0, 1280, 1024}};
        const QRect freeArea(48, 0, 1872, 1040); // right of a panel
        // Kept while 40 by 20 pixels of it show on a screen: enough to grab it. Else at the
        // corner of the primary screen's free area: a monitor unplugged, a sliver.
        for (const auto& [stored, screens, placed] :
             {std::tuple{QPoint(2500, 900), two, QPoint(2500, 900)}, {{1860, 1050}, one, {1860, 1050}},
              {{2500, 900}, one, {48, 0}}, {{1915, 10}, one, {48, 0}}, {{1880, 1060}, one, {1880, 1060}},
              {{1881, 1060}, one, {48, 0}}, {{1880, 1061}, one, {48, 0}}})
            QCOMPARE(placeOnScreen(stored, {181, 111}, screens, freeArea), placed);
        // Stored in twips, 15 to a pixel; what is not a usable number reads as the default.
        for (const auto& [text, pixels] : {std::pair{"1920", 128}, {" -450 ", -30}, {"abc", 7},
                                           {"1e9", 7}, {"nan", 7}})
            QCOMPARE(storedCoordinate(text, 105), pixels);
    }
};

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
