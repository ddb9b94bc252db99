#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QThread>

namespace {

const QByteArray raiseMessage = "raise\n";
constexpr int connectTimeoutMs = 500;
// The running clock may be starting up and not yet listening.
constexpr int connectAttempts = 10;

} // namespace

SingleInstance::SingleInstance(const QString& folder, const QString& name, QObject* parent)
    : QObject(parent),
      m_socketPath(QDir(folder).filePath(name + QStringLiteral(".socket"))),
      m_lock(QDir(folder).filePath(name + QStringLiteral(".lock")))
{
    // Only a dead owner makes the lock stale, never its age: the clock runs for weeks.
    m_lock.setStaleLockTime(0);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

bool SingleInstance::claim()
{
    if (m_lock.tryLock(0)) {
        m_server.listen(m_socketPath);
        return true;
    }
    // A lock that cannot be made at all (no runtime directory) must not keep the clock away.
    if (m_lock.error() != QLockFile::LockFailedError)
        return true;
    for (int attempt = 0; attempt < connectAttempts; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(connectTimeoutMs)) {
            socket.write(raiseMessage);
            socket.waitForBytesWritten(connectTimeoutMs);
            socket.disconnectFromServer();
            return false;
        }
        QThread::msleep(100);
    }
    return false;
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(raiseMessage.trimmed()))
                Q_EMIT raiseRequested();
        });
    }
}
