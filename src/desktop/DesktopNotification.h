#pragma once

#include "alarm/AlarmNotice.h"

#include <QDBusPendingCall>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

// The notices posted to the freedesktop notification service on the session bus; the ringing
// alarm critical, so that it stays until withdrawn, and answerable from the notice where the
// service offers actions. Without a bus or a service nothing happens: the calls never wait for
// an answer, but for the last ones as the program ends.
class DesktopNotification final : public QObject, public AlarmNotice
{
    Q_OBJECT

  public:
    ~DesktopNotification() override;

    void post(const QString& timeText, const QString& label, int snoozeMinutes) override;
    void withdraw() override;
    void inform(const QString& summary, const QString& body) override;

  private Q_SLOTS:
    void actionInvoked(uint id, const QString& action);

  private:
    // Runs `send` once the service has said what it can do, asking it the first time.
    void whenKnown(std::function<void()> send);
    void takeCapabilities(const QDBusPendingCall& asked);
    // The body as the service shows it: some read it as markup, and names are plain text.
    QString bodyText(const QString& text) const;
    QDBusPendingCall notify(const QString& summary, const QString& body, uchar urgency,
                            const QStringList& actions = {});
    void close(uint id);

    std::optional<QDBusPendingCall> m_asked;
    std::optional<QStringList> m_capabilities;
    QList<std::function<void()>> m_waiting;
    // The service's id of the ringing alarm's notification; 0 while none is shown.
    uint m_id = 0;
    // Withdrawn before the service answered: the answer's id is closed at once.
    bool m_withdrawn = false;
    // Notices not yet delivered, which the program's end must not drop.
    QList<QDBusPendingCall> m_pending;
};
