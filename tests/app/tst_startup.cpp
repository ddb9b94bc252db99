#include "app/Autostart.h"
#include "app/CommandLine.h"
#include "app/QtPlatform.h"
#include "app/SingleInstance.h"
#include "app/WindowIcon.h"

#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// Settled before the first window: the command line, whether this is the one copy that
// runs, on which Qt platform, with which icon; and the desktop's entry that starts it at login.
class TestStartUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commandLine()
    {
        // The exit status (-1: the clock starts), and how what is printed begins.
        const QList<std::tuple<QStringList, int, QString>> cases{
            {{}, -1, ""},
            {{"-platform", "xcb", "-session", "1a2b", "--display=:1", "-style=fusion", "-reverse"}, -1, ""},
            {{"--version"}, 0, "vintrel-clock 3.0.1\n"},
            {{"-h", "-platform", "xcb"}, 0, "Usage: "},
            {{"--alarm"}, 1, "Unknown option 'alarm'."},
            {{"07:30"}, 1, "Unexpected argument '07:30'."},
            {{"-platform"}, 1, "Missing value after '-platform'."}};
        for (const auto& [arguments, exitCode, printed] : cases) {
            const CommandLineOutcome outcome =
                parseCommandLine(QStringList{"/usr/bin/vintrel-clock"} + arguments, "3.0.1");
            QCOMPARE(outcome.exitCode.value_or(-1), exitCode);
            QVERIFY((exitCode == 1 ? outcome.err : outcome.out).startsWith(printed) || printed.isEmpty());
            QCOMPARE(outcome.err.isEmpty(), exitCode != 1);
            QCOMPARE(outcome.out.isEmpty(), exitCode != 0);
        }
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
                QVERIFY(!SingleInstance(runtime.path(), "vintrel-clock").claim());
                QTRY_COMPARE(raised.size(), later);
            }
        }
        QVERIFY(SingleInstance(runtime.path(), "vintrel-clock").claim());
        QVERIFY(SingleInstance("/nonexistent/runtime", "vintrel-clock").claim());
    }

    // X11 keeps window positions and always-on-top: chosen over Wayland when XWayland is
    // there, unless the user chose. QT_QPA_PLATFORM|XDG_SESSION_TYPE|WAYLAND_DISPLAY|DISPLAY:
    void platformChoice()
    {
        for (const auto& [env, expected] : {std::pair{"|wayland|wayland-0|:0", "xcb"},
                                            {"||wayland-0|:1", "xcb"}, {"|wayland|wayland-0|", ""},
                                            {"wayland|wayland|wayland-0|:0", ""}, {"|x11||:0", ""}}) {
            const QByteArrayList e = QByteArray(env).split('|');
            QCOMPARE(preferredQtPlatform(e[0], e[1], e[2], e[3]), QByteArray(expected));
        }
        qunsetenv("QT_QPA_PLATFORM");
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        qputenv("DISPLAY", ":0");
        prepareQtPlatform();
        QCOMPARE(qgetenv("QT_QPA_PLATFORM") + ' ' + qgetenv("QT_XCB_NO_MITSHM"), "xcb 1");
    }

    // Catches pixel files left behind by a change to the artwork, or read in the wrong order.
    void everyIconSizeShowsTheScalableArtwork()
    {
        const QIcon scalable(QFINDTESTDATA("../../resources/vintrel-clock.svg"));
        for (int size : {16, 32, 48, 64}) {
            QVERIFY(windowIcon().availableSizes().contains(QSize(size, size)));
            QCOMPARE(windowIcon().pixmap(size).toImage().convertToFormat(QImage::Format_RGBA8888),
                     scalable.pixmap(size).toImage().convertToFormat(QImage::Format_RGBA8888));
        }
    }

    // The entry starts the program at its path, quoted and escaped as desktop entries are:
    // inside the quotes ", `, $ and \ take a backslash, then every backslash is doubled.
    void theLoginEntry()
    {
        QTemporaryDir config;
        const QString path = config.filePath("autostart/vintrel-clock.desktop");
        for (const auto& [program, exec] : {std::pair{"/usr/bin/vintrel-clock", "Exec=/usr/bin/vintrel-clock"},
                                            {"/my clock/a\"b`c$d\\e/100%", "Exec=\"/my clock/a\\\\\"b\\\\`c\\\\$d\\\\\\\\e/100%%\""}}) {
            QVERIFY(Autostart::setEnabled(path, program, true));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().split('\n').contains(exec));
        }
        // Unless the desktop's own settings switched it off, it counts.
        for (const auto& [added, enabled] :
             {std::pair{"", true}, {"Hidden = true\n", false}, {"X-GNOME-Autostart-enabled=false\n", false},
              {"[Desktop Action a]\nHidden=true\n", true}}) {
            QVERIFY(Autostart::setEnabled(path, "/usr/bin/vintrel-clock", true));
            QFile file(path);
            QVERIFY(file.open(QIODevice::Append) && file.write(added) == qint64(strlen(added)));
            file.close();
            QVERIFY2(Autostart::isEnabled(path) == enabled, added);
        }
        // A file where the folder should be: refused, not pretended.
        QVERIFY(!Autostart::setEnabled(path + "/entry.desktop", "/usr/bin/vintrel-clock", true));
        QVERIFY(Autostart::setEnabled(path, "/usr/bin/vintrel-clock", false));
        QVERIFY(!QFile::exists(path) && !Autostart::isEnabled(path));
        QVERIFY(Autostart::setEnabled(path, "/usr/bin/vintrel-clock", false));
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
