#include "desktop/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>

#include <cerrno>
#include <optional>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// Plain POSIX rather than Qt's network module: loading that module and the libraries behind
// it would add more to every start of the clock than everything else here together.

namespace {

// The running clock may be starting up and not yet listening.
constexpr int connectAttempts = 10;
constexpr unsigned long connectPauseMs = 100;

// The socket's address, or nothing when the path does not fit into one.
std::optional<sockaddr_un> socketAddress(const QByteArray& path)
{
    sockaddr_un address{};
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return std::nullopt;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), path.size());
    return address;
}

// A connection is the whole request: the running clock comes to the front for each one.
bool askRunningToRaise(const QByteArray& socketPath)
{
    const auto address = socketAddress(socketPath);
    if (!address)
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0;
    ::close(fd);
    return connected;
}

} // namespace

SingleInstance::SingleInstance(const QString& folder, const QString& name, QObject* parent)
    : QObject(parent),
      m_lockPath(QFile::encodeName(QDir(folder).filePath(name + QStringLiteral(".lock")))),
      m_socketPath(QFile::encodeName(QDir(folder).filePath(name + QStringLiteral(".socket"))))
{
}

SingleInstance::~SingleInstance()
{
    if (m_serverFd >= 0) {
        ::close(m_serverFd);
        ::unlink(m_socketPath.constData());
    }
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

bool SingleInstance::claim(bool raiseRunning)
{
    m_lockFd = ::open(m_lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // A lock that cannot be made at all (no runtime directory) must not keep the clock away.
    if (m_lockFd < 0)
        return true;
    if (::flock(m_lockFd, LOCK_EX | LOCK_NB) == 0) {
        listen();
        return true;
    }
    const bool heldByAnother = errno == EWOULDBLOCK;
    ::close(m_lockFd);
    m_lockFd = -1;
    if (!heldByAnother)
        return true;
    for (int attempt = 0; raiseRunning && attempt < connectAttempts; ++attempt) {
        if (askRunningToRaise(m_socketPath))
            return false;
        QThread::msleep(connectPauseMs);
    }
    return false;
}

void SingleInstance::listen()
{
    const auto address = socketAddress(m_socketPath);
    if (!address)
        return;
    // Whatever is there was left by a clock that has ended: this one holds the lock.
    ::unlink(m_socketPath.constData());
    m_serverFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_serverFd < 0)
        return;
    if (::bind(m_serverFd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0
        || ::chmod(m_socketPath.constData(), S_IRUSR | S_IWUSR) != 0
        || ::listen(m_serverFd, SOMAXCONN) != 0) {
        ::close(m_serverFd);
        m_serverFd = -1;
        return;
    }
    m_notifier = new QSocketNotifier(m_serverFd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SingleInstance::acceptConnections);
}

void SingleInstance::acceptConnections()
{
    int connection;
    while ((connection = ::accept4(m_serverFd, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) {
        ::close(connection);
        Q_EMIT raiseRequested();
    }
}
