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
constexpr uchar criticalUrgency = 2;
constexpr int replyTimeoutMs = 5000;

QDBusMessage call(const QString& method)
{
    return QDBusMessage::createMethodCall(service, path, service, method);
}

} // namespace

void DesktopNotification::post(const QString& timeText)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    m_withdrawn = false;
    QDBusMessage notify = call(QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("urgency"), QVariant::fromValue(criticalUrgency)},
        {QStringLiteral("desktop-entry"), QStringLiteral("vintrel-clock")},
    };
    notify << AppTitle << uint(0) << QStringLiteral("vintrel-clock")
           << QStringLiteral("Alarm %1").arg(timeText)
           << QStringLiteral("The time is now %1").arg(timeText) << QStringList() << hints
           << int(0);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(notify, replyTimeoutMs), this);
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

void DesktopNotification::close(uint id)
{
    QDBusMessage closing = call(QStringLiteral("CloseNotification"));
    closing << id;
    QDBusConnection::sessionBus().asyncCall(closing, replyTimeoutMs);
}
