#include "app/Autostart.h"
#include "app/CommandLine.h"
#include "app/QtPlatform.h"
#include "app/SingleInstance.h"
#include "app/WindowIcon.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// Settled before the first window: the command line, whether this is the one copy that
// runs, on which Qt platform, with which icon; and the desktop's entry that starts it at login.
class TestStartUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode"); // -1: the clock starts
        QTest::addColumn<QString>("firstLine"); // the start of what is printed
        QTest::newRow("none") << QStringList{} << -1 << "";
        QTest::newRow("Qt's own options") << QStringList{"-platform", "xcb", "-session", "1a2b",
                                                         "--display=:1", "-style=fusion", "-reverse"}
                                          << -1 << "";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << "vintrel-clock 3.0.1";
        QTest::newRow("-h") << QStringList{"-h", "-platform", "xcb"} << 0 << "Usage: ";
        QTest::newRow("unknown option") << QStringList{"--alarm"} << 1 << "Unknown option 'alarm'.";
        QTest::newRow("stray argument") << QStringList{"07:30"} << 1 << "Unexpected argument '07:30'.";
        QTest::newRow("value missing") << QStringList{"-platform"} << 1 << "Missing value after '-platform'.";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, firstLine);
        const CommandLineOutcome outcome =
            parseCommandLine(QStringList{"/usr/bin/vintrel-clock"} + arguments, "3.0.1");
        QCOMPARE(outcome.exitCode.value_or(-1), exitCode);
        QVERIFY(firstLine.isEmpty() || (exitCode == 1 ? outcome.err : outcome.out).startsWith(firstLine));
        QCOMPARE(outcome.err.isEmpty(), exitCode != 1);
        QCOMPARE(outcome.out.isEmpty(), exitCode != 0);
    }

    void laterStartsRaiseTheFirstAndGiveWayUntilItHasGone()
    {
        QTemporaryDir runtime;
        // What a killed clock leaves where the socket goes.
        QFile leftover(runtime.filePath("vintrel-clock.socket"));
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.close();
        {
            SingleInstance first(runtime.path(), "vintrel-clock");
            QSignalSpy raised(&first, &SingleInstance::raiseRequested);
            QVERIFY(first.claim());
            for (int later = 1; later <= 2; ++later) {
                SingleInstance again(runtime.path(), "vintrel-clock");
                QVERIFY(!again.claim());
                QTRY_COMPARE(raised.size(), later);
            }
        }
        QVERIFY(SingleInstance(runtime.path(), "vintrel-clock").claim());
        QVERIFY(SingleInstance("/nonexistent/runtime", "vintrel-clock").claim());
    }

    // X11 keeps window positions and always-on-top: chosen over Wayland when XWayland is
    // there, unless the user chose. The user's QT_QPA_PLATFORM|XDG_SESSION_TYPE|WAYLAND_DISPLAY|DISPLAY.
    void platformChoice()
    {
        for (const auto& [env, expected] : {std::pair{"|wayland|wayland-0|:0", "xcb"},
                                            {"||wayland-0|:1", "xcb"}, {"|wayland|wayland-0|", ""},
                                            {"wayland|wayland|wayland-0|:0", ""}, {"|x11||:0", ""}}) {
            const QByteArrayList e = QByteArray(env).split('|');
            QCOMPARE(preferredQtPlatform(e[0], e[1], e[2], e[3]), QByteArray(expected));
        }
    }

    // Catches pixel files left behind by a change to the artwork, or read in the wrong order.
    void everyIconSizeShowsTheScalableArtwork()
    {
        const QIcon scalable(QFINDTESTDATA("../../resources/vintrel-clock.svg"));
        const QIcon icon = windowIcon();
        for (int size : {16, 32, 48, 64}) {
            QVERIFY(icon.availableSizes().contains(QSize(size, size)));
            QCOMPARE(icon.pixmap(size).toImage().convertToFormat(QImage::Format_RGBA8888),
                     scalable.pixmap(size).toImage().convertToFormat(QImage::Format_RGBA8888));
        }
    }

    // The entry starts the program at its path, quoted and escaped as desktop entries are.
    void theLoginEntryStartsTheProgramAtItsPath_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/vintrel-clock" << "Exec=/usr/bin/vintrel-clock";
        QTest::newRow("space") << "/home/ann/my clock/vc" << "Exec=\"/home/ann/my clock/vc\"";
        // Inside the quotes ", `, $ and \ take a backslash; then, the value being a string,
        // every backslash is doubled.
        QTest::newRow("specials") << "/tmp/a\"b`c$d\\e/vc" << "Exec=\"/tmp/a\\\\\"b\\\\`c\\\\$d\\\\\\\\e/vc\"";
        QTest::newRow("percent") << "/opt/100%/vc" << "Exec=/opt/100%%/vc";
    }
    void theLoginEntryStartsTheProgramAtItsPath()
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
        // A file where the folder should be: refused, not pretended.
        QVERIFY(!Autostart::setEnabled(path + "/entry.desktop", program, true));
        QVERIFY(Autostart::setEnabled(path, program, false));
        QVERIFY(!QFile::exists(path) && !Autostart::isEnabled(path));
        QVERIFY(Autostart::setEnabled(path, program, false));
    }

    void theLoginEntryCountsUnlessTheDesktopSwitchedItOff()
    {
        for (const auto& [added, enabled] :
             {std::pair{"", true}, {"Hidden=true\n", false}, {"X-GNOME-Autostart-enabled=false\n", false},
              {"Hidden = true\n", false}, {"[Desktop Action a]\nHidden=true\n", true}}) {
            QTemporaryDir config;
            const QString path = config.filePath("vintrel-clock.desktop");
            QVERIFY(Autostart::setEnabled(path, "/usr/bin/vintrel-clock", true));
            QFile file(path);
            QVERIFY(file.open(QIODevice::Append) && file.write(added) == qint64(strlen(added)));
            file.close();
            QVERIFY2(Autostart::isEnabled(path) == enabled, added);
        }
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
