#include "app/Autostart.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The autostart entry as the desktop reads it: where it starts the clock from, and whether
// it starts it at all. The menu entry that writes it is walked through in e2e/desktop_home.sh.
class TestAutostart : public QObject
{
    Q_OBJECT

    static void write(const QString& path, const QByteArray& contents)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
    }

    const QByteArray entry = Autostart::entryFor("/usr/bin/vintrel-clock");

private Q_SLOTS:
    void execStartsTheProgramAtItsPath_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/vintrel-clock"
                               << "Exec=/usr/bin/vintrel-clock";
        QTest::newRow("space") << "/home/ann/my clock/vintrel-clock"
                               << "Exec=\"/home/ann/my clock/vintrel-clock\"";
        // Inside the quotes ", `, $ and \ take a backslash; then, the value being a string,
        // every backslash is doubled.
        QTest::newRow("specials") << "/tmp/a\"b`c$d\\e/vc"
                                  << "Exec=\"/tmp/a\\\\\"b\\\\`c\\\\$d\\\\\\\\e/vc\"";
        QTest::newRow("percent") << "/opt/100%/vc"
                                 << "Exec=/opt/100%%/vc";
    }
    void execStartsTheProgramAtItsPath()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QTemporaryDir dir;
        const QString path = dir.filePath("vintrel-clock.desktop");
        write(path, Autostart::entryFor(program));
        QVERIFY(Autostart::entryFor(program).split('\n').contains(exec.toUtf8()));
        QProcess validate;
        validate.start("desktop-file-validate", {path});
        QVERIFY(validate.waitForFinished());
        QCOMPARE(validate.readAll(), QByteArray());
        QCOMPARE(validate.exitCode(), 0);
    }

    void enabledUnlessTheDesktopSwitchedItOff_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("as written") << entry << true;
        QTest::newRow("hidden") << entry + "Hidden=true\n" << false;
        QTest::newRow("switched off") << entry + "X-GNOME-Autostart-enabled=false\n" << false;
        QTest::newRow("spaced") << entry + "Hidden = true\n" << false;
        QTest::newRow("on again") << entry + "X-GNOME-Autostart-enabled=true\nHidden=false\n"
                                  << true;
        QTest::newRow("other group") << entry + "[Desktop Action stop]\nHidden=true\n" << true;
    }
    void enabledUnlessTheDesktopSwitchedItOff()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, enabled);
        QTemporaryDir dir;
        write(dir.filePath("vintrel-clock.desktop"), contents);
        QCOMPARE(Autostart::isEnabled(dir.filePath("vintrel-clock.desktop")), enabled);
    }

    void switchingOnWritesAFreshEntryAndOffRemovesIt()
    {
        QTemporaryDir config;
        const QString path = config.filePath("autostart/vintrel-clock.desktop");
        QVERIFY(!Autostart::isEnabled(path));
        QVERIFY(Autostart::setEnabled(path, "/usr/bin/vintrel-clock", true));
        QVERIFY(Autostart::isEnabled(path));
        write(path, entry + "Hidden=true\n");
        QVERIFY(Autostart::setEnabled(path, "/usr/bin/vintrel-clock", true));
        QVERIFY(Autostart::isEnabled(path));
        QVERIFY(Autostart::setEnabled(path, "/usr/bin/vintrel-clock", false));
        QVERIFY(!QFile::exists(path));
        QVERIFY(Autostart::setEnabled(path, "/usr/bin/vintrel-clock", false));
        // A file where the folder should be: the entry cannot be written.
        write(config.filePath("blocked"), "");
        QVERIFY(!Autostart::setEnabled(config.filePath("blocked/autostart/vintrel-clock.desktop"),
                                       "/usr/bin/vintrel-clock", true));
    }
};

QTEST_APPLESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
