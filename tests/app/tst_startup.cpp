#include "app/QtPlatform.h"
#include "app/SingleInstance.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// Settled before the first window: whether this is the one copy that runs, and on which Qt
// platform. A lock left by a killed clock is taken over in e2e/second_start.sh.
class TestStartUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
    }

    void aMissingRuntimeFolderDoesNotKeepTheClockAway()
    {
        QVERIFY(SingleInstance("/nonexistent/runtime", "vintrel-clock").claim());
    }

    void platformChoice_data()
    {
        QTest::addColumn<QString>("env");
        QTest::addColumn<QString>("expected");
        // The user's QT_QPA_PLATFORM|XDG_SESSION_TYPE|WAYLAND_DISPLAY|DISPLAY.
        QTest::newRow("wayland with XWayland") << "|wayland|wayland-0|:0" << "xcb";
        QTest::newRow("wayland display only") << "||wayland-0|:1" << "xcb";
        QTest::newRow("no XWayland") << "|wayland|wayland-0|" << "";
        QTest::newRow("user's choice") << "wayland|wayland|wayland-0|:0" << "";
        QTest::newRow("X11 session") << "|x11||:0" << "";
    }
    void platformChoice()
    {
        QFETCH(QString, env);
        QFETCH(QString, expected);
        const QByteArrayList e = env.toUtf8().split('|');
        QCOMPARE(preferredQtPlatform(e[0], e[1], e[2], e[3]), expected.toUtf8());
    }
};

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_startup.moc"
