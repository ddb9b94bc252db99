#include "app/SingleInstance.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString name = QStringLiteral("vintrel-clock");
}

// A lock left by a killed clock is taken over in e2e/second_start.sh, with a real SIGKILL.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void laterStartsRaiseTheFirstAndGiveWayUntilItHasGone()
    {
        QTemporaryDir runtime;
        // What a killed clock leaves where the socket goes.
        QFile leftover(runtime.filePath(name + QStringLiteral(".socket")));
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.close();
        {
            SingleInstance first(runtime.path(), name);
            QSignalSpy raised(&first, &SingleInstance::raiseRequested);
            QVERIFY(first.claim());

            SingleInstance second(runtime.path(), name);
            QVERIFY(!second.claim());
            QTRY_COMPARE(raised.size(), 1);
            SingleInstance third(runtime.path(), name);
            QVERIFY(!third.claim());
            QTRY_COMPARE(raised.size(), 2);
        }
        SingleInstance next(runtime.path(), name);
        QVERIFY(next.claim());
    }

    void aMissingRuntimeFolderDoesNotKeepTheClockAway()
    {
        SingleInstance first(QStringLiteral("/nonexistent/runtime"), name);
        QVERIFY(first.claim());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
