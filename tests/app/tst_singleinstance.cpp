#include "app/SingleInstance.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// A lock left by a killed clock is taken over in e2e/second_start.sh, with a real SIGKILL.
class TestSingleInstance : public QObject
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
        SingleInstance next(runtime.path(), "vintrel-clock");
        QVERIFY(next.claim());
    }

    void aMissingRuntimeFolderDoesNotKeepTheClockAway()
    {
        QVERIFY(SingleInstance("/nonexistent/runtime", "vintrel-clock").claim());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
