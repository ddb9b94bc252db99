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

private Q_SLOTS:
    void switchedOnItStartsTheProgramAtItsPath_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/vintrel-clock" << "Exec=/usr/bin/vintrel-clock";
        QTest::newRow("space") << "/home/ann/my clock/vintrel-clock"
                               << "Exec=\"/home/ann/my clock/vintrel-clock\"";
        // Inside the quotes ", `, $ and \ take a backslash; then, the value being a string,
        // every backslash is doubled.
        QTest::newRow("specials") << "/tmp/a\"b`c$d\\e/vc"
                                  << "Exec=\"/tmp/a\\\\\"b\\\\`c\\\\$d\\\\\\\\e/vc\"";
        QTest::newRow("percent") << "/opt/100%/vc" << "Exec=/opt/100%%/vc";
    }
    void switchedOnItStartsTheProgramAtItsPath()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QTemporaryDir config;
        const QString path = config.filePath("autostart/vintrel-clock.desktop");
        QVERIFY(Autostart::setEnabled(path, program, true));
        QVERIFY(Autostart::isEnabled(path));
        QCOMPARE(QProcess::execute("desktop-file-validate", {path}), 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().split('\n').contains(exec.toUtf8()));
        QVERIFY(Autostart::setEnabled(path, program, false));
        QVERIFY(!QFile::exists(path) && !Autostart::isEnabled(path));
        QVERIFY(Autostart::setEnabled(path, program, false));
    }

    void enabledUnlessTheDesktopSwitchedItOff_data()
    {
        QTest::addColumn<QByteArray>("added");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("as written") << QByteArray() << true;
        QTest::newRow("hidden") << QByteArray("Hidden=true\n") << false;
        QTest::newRow("switched off") << QByteArray("X-GNOME-Autostart-enabled=false\n") << false;
        QTest::newRow("spaced") << QByteArray("Hidden = true\n") << false;
        QTest::newRow("other group") << QByteArray("[Desktop Action a]\nHidden=true\n") << true;
    }
    void enabledUnlessTheDesktopSwitchedItOff()
    {
        QFETCH(QByteArray, added);
        QFETCH(bool, enabled);
        QTemporaryDir config;
        const QString path = config.filePath("vintrel-clock.desktop");
        QVERIFY(Autostart::setEnabled(path, "/usr/bin/vintrel-clock", true));
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append) && file.write(added) == added.size());
        file.close();
        QCOMPARE(Autostart::isEnabled(path), enabled);
    }

    void anEntryThatCannotBeWrittenIsReported()
    {
        QTemporaryDir config;
        QFile blocker(config.filePath("autostart")); // a file where the folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        QVERIFY(!Autostart::setEnabled(config.filePath("autostart/vintrel-clock.desktop"),
                                       "/usr/bin/vintrel-clock", true));
    }
};

QTEST_APPLESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
