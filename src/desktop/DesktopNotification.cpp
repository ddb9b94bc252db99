#include "desktop/DesktopNotification.h"

#include "alarm/Snooze.h"
#include "core/AppInfo.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace
{

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
    if (m_asked && !m_capabilities) {
        m_asked->waitForFinished();
        takeCapabilities(*m_asked);
    }
    for (QDBusPendingCall& pending : m_pending)
        pending.waitForFinished();
}

void DesktopNotification::whenKnown(std::function<void()> send)
{
    if (m_capabilities) {
        send();
        return;
    }
    m_waiting.append(std::move(send));
    if (m_asked)
        return;
    m_asked = QDBusConnection::sessionBus().asyncCall(call(QStringLiteral("GetCapabilities")),
                                                      replyTimeoutMs);
    auto* watcher = new QDBusPendingCallWatcher(*m_asked, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                takeCapabilities(*finished);
            });
}

void DesktopNotification::takeCapabilities(const QDBusPendingCall& asked)
{
    if (m_capabilities)
        return;
    const QDBusPendingReply<QStringList> reply = asked;
    m_capabilities = reply.isError() ? QStringList() : reply.value();
    if (m_capabilities->contains(QStringLiteral("actions")))
        QDBusConnection::sessionBus().connect(service, path, service,
                                              QStringLiteral("ActionInvoked"), this,
                                              SLOT(actionInvoked(uint, QString)));
    for (const auto& send : std::exchange(m_waiting, {}))
        send();
}

QString DesktopNotification::bodyText(const QString& text) const
{
    return m_capabilities->contains(QStringLiteral("body-markup")) ? text.toHtmlEscaped() : text;
}

QDBusPendingCall DesktopNotification::notify(const QString& summary, const QString& body,
                                             uchar urgency, const QStringList& actions)
{
    QDBusMessage notify = call(QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("urgency"), QVariant::fromValue(urgency)},
        {QStringLiteral("desktop-entry"), QStringLiteral("vintrel-clock")},
    };
    notify << AppTitle << uint(0) << QStringLiteral("vintrel-clock") << summary << bodyText(body)
           << actions << hints << int(0);
    return QDBusConnection::sessionBus().asyncCall(notify, replyTimeoutMs);
}

void DesktopNotification::post(const QString& timeText, const QString& label, int snoozeMinutes)
{
    if (!QDBusConnection::sessionBus().isConnected())
        return;
    m_withdrawn = false;
    const QString alarm = tr("Alarm %1").arg(timeText);
    const QString summary = label.isEmpty() ? alarm : alarm + QStringLiteral(" – ") + label;
    whenKnown([this, summary, timeText, snoozeMinutes] {
        if (m_withdrawn)
            return;
        QStringList actions;
        if (m_capabilities->contains(QStringLiteral("actions")))
            actions = {QStringLiteral("okay"),    tr("Okay"),
                       QStringLiteral("snooze"),  snoozeCaption(snoozeMinutes),
                       QStringLiteral("default"), tr("Show")};
        auto* watcher = new QDBusPendingCallWatcher(
            notify(summary, tr("The time is now %1").arg(timeText), criticalUrgency, actions),
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
    whenKnown([this, summary, body] {
        m_pending.removeIf([](const QDBusPendingCall& pending) { return pending.isFinished(); });
        m_pending.append(notify(summary, body, normalUrgency));
    });
}

void DesktopNotification::actionInvoked(uint id, const QString& action)
{
    if (id != 0 && id == m_id)
        answer(action);
}

void DesktopNotification::close(uint id)
{
    QDBusMessage closing = call(QStringLiteral("CloseNotification"));
    closing << id;
    QDBusConnection::sessionBus().asyncCall(closing, replyTimeoutMs);
}
