#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QHostInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString name = QStringLiteral("vintrel-clock");
}

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aLaterStartRaisesTheFirstAndGivesWay()
    {
        QTemporaryDir runtime;
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

    void theNextStartRunsOnceTheFirstHasGone()
    {
        QTemporaryDir runtime;
        {
            SingleInstance first(runtime.path(), name);
            QVERIFY(first.claim());
        }
        SingleInstance next(runtime.path(), name);
        QVERIFY(next.claim());
    }

    void aLockLeftByAKilledClockDoesNotBlock()
    {
        QTemporaryDir runtime;
        // A process that has ended, as a clock killed with SIGKILL has.
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForStarted());
        const qint64 deadPid = gone.processId();
        QVERIFY(gone.waitForFinished());
        QFile lock(QDir(runtime.path()).filePath(name + QStringLiteral(".lock")));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid) + "\nvintrel-clock\n"
                   + QHostInfo::localHostName().toUtf8() + "\n");
        lock.close();
        // And the socket file it left behind.
        QFile socket(QDir(runtime.path()).filePath(name + QStringLiteral(".socket")));
        QVERIFY(socket.open(QIODevice::WriteOnly));
        socket.close();

        SingleInstance next(runtime.path(), name);
        QSignalSpy raised(&next, &SingleInstance::raiseRequested);
        QVERIFY(next.claim());
        SingleInstance later(runtime.path(), name);
        QVERIFY(!later.claim());
        QTRY_COMPARE(raised.size(), 1);
    }

    void aMissingRuntimeFolderDoesNotKeepTheClockAway()
    {
        SingleInstance first(QStringLiteral("/nonexistent/runtime"), name);
        QVERIFY(first.claim());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
