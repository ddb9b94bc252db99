#pragma once

#include "desktop/ServiceManager.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <functional>
#include <optional>

class QDBusObjectPath;

// The user's systemd, reached as systemctl --user reaches it: through the manager's own
// socket in the runtime directory, which also serves sessions whose bus is not the manager's,
// and else through the session bus. Every call is asynchronous.
class SystemdUserManager final : public QObject, public ServiceManager
{
    Q_OBJECT

  public:
    // The manager's socket is looked for in `runtimeDirectory`; without it, `sessionBus`.
    SystemdUserManager(const QString& runtimeDirectory, const QDBusConnection& sessionBus,
                       QObject* parent = nullptr);
    ~SystemdUserManager() override;

    void restartTimer(const QString& timer, std::function<void(TimerState)> done) override;
    void stopTimer(const QString& timer, std::function<void(bool answered)> done) override;

    // Where a user's manager keeps its socket: XDG_RUNTIME_DIR, else /run/user/<uid>.
    static QString userRuntimeDirectory();

  private:
    using ReplyHandler = std::function<void(const QDBusMessage& reply)>;

    // The manager's socket may leave a call sent as the connection opens unread until the
    // next one comes: the first thing sent is a ping, sent again while it goes unanswered.
    void whenReady(std::function<void()> then);
    void ping(int attemptsLeft);
    void reloadAndRestart(const QString& timer, std::function<void(TimerState)> done);
    void stopAndReload(const QString& timer, std::function<void(bool answered)> done);
    QDBusConnection& connection();
    QDBusMessage call(const QString& path, const QString& interface, const QString& method);
    static constexpr int ReplyTimeoutMs = 2000;
    void send(const QDBusMessage& message, ReplyHandler then, int timeoutMs = ReplyTimeoutMs);
    // Waits for the timer's start job to end, then tells whether it waits.
    void awaitTimer(const QString& unitPath, int attemptsLeft, std::function<void(TimerState)> done);

    QString m_runtimeDirectory;
    QDBusConnection m_sessionBus;
    std::optional<QDBusConnection> m_connection;
    bool m_ready = false;
    QList<std::function<void()>> m_waiting;
    // Empty on the manager's own socket, where no bus routes by name.
    QString m_service;
};
