#include "desktop/SystemdUserManager.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>

#include <unistd.h>
#include <utility>

namespace
{

const QString systemdService = QStringLiteral("org.freedesktop.systemd1");
const QString managerPath = QStringLiteral("/org/freedesktop/systemd1");
const QString managerInterface = QStringLiteral("org.freedesktop.systemd1.Manager");
const QString unitInterface = QStringLiteral("org.freedesktop.systemd1.Unit");
const QString peerName = QStringLiteral("vintrel-systemd-user");
constexpr int pingTimeoutMs = 250;
constexpr int pings = 4;
// A timer's start job ends at once; a busy manager gets a second.
constexpr int jobPolls = 20;
constexpr int jobPollMs = 50;

// No manager there, or none that answered: every other error is the manager's answer.
bool answered(const QDBusMessage& reply)
{
    if (reply.type() != QDBusMessage::ErrorMessage)
        return true;
    static const QStringList silent{
        QStringLiteral("org.freedesktop.DBus.Error.NoReply"),
        QStringLiteral("org.freedesktop.DBus.Error.Disconnected"),
        QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"),
        QStringLiteral("org.freedesktop.DBus.Error.NoServer"),
        QStringLiteral("org.freedesktop.DBus.Error.TimedOut"),
        QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner")};
    // A bus that knows the manager's name but could not start it has none either.
    static const QString notStarted = QStringLiteral("org.freedesktop.DBus.Error.Spawn.");
    return !silent.contains(reply.errorName()) && !reply.errorName().startsWith(notStarted);
}

// A D-Bus address escapes every byte outside a few safe ones.
QString socketAddress(const QString& path)
{
    return QStringLiteral("unix:path=") +
           QString::fromLatin1(QUrl::toPercentEncoding(path, "/.*_-"));
}

} // namespace

SystemdUserManager::SystemdUserManager(const QString& runtimeDirectory,
                                       const QDBusConnection& sessionBus, QObject* parent)
    : QObject(parent), m_runtimeDirectory(runtimeDirectory), m_sessionBus(sessionBus)
{
}

QString SystemdUserManager::userRuntimeDirectory()
{
    const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return folder.isEmpty() ? QStringLiteral("/run/user/%1").arg(::getuid()) : folder;
}

SystemdUserManager::~SystemdUserManager()
{
    if (m_connection && m_service.isEmpty())
        QDBusConnection::disconnectFromPeer(peerName);
}

void SystemdUserManager::whenReady(std::function<void()> then)
{
    if (m_ready)
        return then();
    m_waiting.append(std::move(then));
    if (m_waiting.size() == 1)
        ping(pings);
}

void SystemdUserManager::ping(int attemptsLeft)
{
    send(call(managerPath, QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping")),
         [this, attemptsLeft](const QDBusMessage& reply) {
             const bool unanswered = reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NoReply");
             if (unanswered && attemptsLeft > 1)
                 return ping(attemptsLeft - 1);
             // Answered or not, the calls now find out for themselves.
             m_ready = true;
             for (const auto& then : std::exchange(m_waiting, {}))
                 then();
         },
         pingTimeoutMs);
}

QDBusConnection& SystemdUserManager::connection()
{
    if (m_connection)
        return *m_connection;
    const QString socket = m_runtimeDirectory + QStringLiteral("/systemd/private");
    if (QFileInfo::exists(socket)) {
        m_connection = QDBusConnection::connectToPeer(socketAddress(socket), peerName);
        if (m_connection->isConnected())
            return *m_connection;
        QDBusConnection::disconnectFromPeer(peerName);
    }
    m_connection = m_sessionBus;
    m_service = systemdService;
    return *m_connection;
}

QDBusMessage SystemdUserManager::call(const QString& path, const QString& interface,
                                      const QString& method)
{
    // The connection decides whether calls name the manager's service.
    connection();
    return QDBusMessage::createMethodCall(m_service, path, interface, method);
}

void SystemdUserManager::send(const QDBusMessage& message, ReplyHandler then, int timeoutMs)
{
    const QDBusPendingCall pending = connection().asyncCall(message, timeoutMs);
    // A connection that never opened has its error at once, and no watcher reports it.
    if (pending.isFinished()) {
        QTimer::singleShot(0, this, [then = std::move(then), reply = pending.reply()] { then(reply); });
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(pending, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [then = std::move(then)](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                then(finished->reply());
            });
}

void SystemdUserManager::restartTimer(const QString& timer, std::function<void(TimerState)> done)
{
    whenReady([this, timer, done] { reloadAndRestart(timer, done); });
}

void SystemdUserManager::reloadAndRestart(const QString& timer, std::function<void(TimerState)> done)
{
    const auto failed = [done](const QDBusMessage& reply) {
        done(answered(reply) ? TimerState::Failed : TimerState::NoAnswer);
    };
    send(call(managerPath, managerInterface, QStringLiteral("Reload")),
         [this, timer, done, failed](const QDBusMessage& reloaded) {
             if (reloaded.type() == QDBusMessage::ErrorMessage)
                 return failed(reloaded);
             QDBusMessage restart = call(managerPath, managerInterface, QStringLiteral("RestartUnit"));
             restart << timer << QStringLiteral("replace");
             send(restart, [this, timer, done, failed](const QDBusMessage& restarted) {
                 if (restarted.type() == QDBusMessage::ErrorMessage)
                     return failed(restarted);
                 QDBusMessage getUnit = call(managerPath, managerInterface, QStringLiteral("GetUnit"));
                 getUnit << timer;
                 send(getUnit, [this, done, failed](const QDBusMessage& unit) {
                     if (unit.type() == QDBusMessage::ErrorMessage)
                         return failed(unit);
                     awaitTimer(unit.arguments().value(0).value<QDBusObjectPath>().path(), jobPolls, done);
                 });
             });
         });
}

void SystemdUserManager::awaitTimer(const QString& unitPath, int attemptsLeft,
                                    std::function<void(TimerState)> done)
{
    QDBusMessage getAll =
        call(unitPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    getAll << unitInterface;
    send(getAll, [this, unitPath, attemptsLeft, done](const QDBusMessage& reply) {
        if (reply.type() == QDBusMessage::ErrorMessage)
            return done(answered(reply) ? TimerState::Failed : TimerState::NoAnswer);
        const auto properties = qdbus_cast<QVariantMap>(reply.arguments().value(0));
        const auto job = properties.value(QStringLiteral("Job")).value<QDBusArgument>();
        uint jobId = 0;
        QDBusObjectPath jobPath;
        job.beginStructure();
        job >> jobId >> jobPath;
        job.endStructure();
        if (jobId != 0 && attemptsLeft > 1) {
            QTimer::singleShot(jobPollMs, this, [this, unitPath, attemptsLeft, done] {
                awaitTimer(unitPath, attemptsLeft - 1, done);
            });
            return;
        }
        const bool waiting =
            jobId == 0 && properties.value(QStringLiteral("SubState")).toString() == QLatin1String("waiting");
        done(waiting ? TimerState::Waiting : TimerState::Failed);
    });
}

void SystemdUserManager::stopTimer(const QString& timer, std::function<void(bool answered)> done)
{
    whenReady([this, timer, done] { stopAndReload(timer, done); });
}

void SystemdUserManager::stopAndReload(const QString& timer, std::function<void(bool answered)> done)
{
    QDBusMessage stop = call(managerPath, managerInterface, QStringLiteral("StopUnit"));
    stop << timer << QStringLiteral("replace");
    send(stop, [this, done](const QDBusMessage& stopped) {
        if (!answered(stopped))
            return done(false);
        send(call(managerPath, managerInterface, QStringLiteral("Reload")),
             [done](const QDBusMessage& reloaded) { done(answered(reloaded)); });
    });
}
