#include "alarm/DesktopNotification.h"

#include "core/AppInfo.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
constexpr uchar normalUrgency = 1;
constexpr uchar criticalUrgency = 2;
constexpr int replyTimeoutMs = 2000;

QDBusMessage call(const QString& method)
{
    return QDBusMessage::createMethodCall(service, path, service, method);
}

} // namespace

DesktopNotification::~DesktopNotification()
{
    for (QDBusPendingCall& pending : m_pending)
        pending.waitForFinished();
}

QDBusPendingCall DesktopNotification::notify(const QString& summary, const QString& body,
                                             uchar urgency)
{
    QDBusMessage notify = call(QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("urgency"), QVariant::fromValue(urgency)},
        {QStringLiteral("desktop-entry"), QStringLiteral("vintrel-clock")},
    };
    notify << AppTitle << uint(0) << QStringLiteral("vintrel-clock") << summary << body
           << QStringList() << hints << int(0);
    return QDBusConnection::sessionBus().asyncCall(notify, replyTimeoutMs);
}

void DesktopNotification::post(const QString& timeText)
{
    if (!QDBusConnection::sessionBus().isConnected())
        return;
    m_withdrawn = false;
    auto* watcher = new QDBusPendingCallWatcher(
        notify(QStringLiteral("Alarm %1").arg(timeText),
               QStringLiteral("The time is now %1").arg(timeText), criticalUrgency),
        this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isError())
                    return;
                if (m_withdrawn)
                    close(reply.value());
                else
                    m_id = reply.value();
            });
}

void DesktopNotification::withdraw()
{
    m_withdrawn = true;
    if (m_id != 0)
        close(m_id);
    m_id = 0;
}

void DesktopNotification::inform(const QString& summary, const QString& body)
{
    if (!QDBusConnection::sessionBus().isConnected())
        return;
    m_pending.removeIf([](const QDBusPendingCall& pending) { return pending.isFinished(); });
    m_pending.append(notify(summary, body, normalUrgency));
}

void DesktopNotification::close(uint id)
{
    QDBusMessage closing = call(QStringLiteral("CloseNotification"));
    closing << id;
    QDBusConnection::sessionBus().asyncCall(closing, replyTimeoutMs);
}
