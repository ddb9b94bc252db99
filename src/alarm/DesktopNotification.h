#pragma once

#include "alarm/AlarmNotice.h"

#include <QDBusPendingCall>
#include <QList>
#include <QObject>

// The notices posted to the freedesktop notification service on the session bus; the ringing
// alarm critical, so that it stays until withdrawn. Without a bus or a service nothing
// happens: the calls never wait for an answer, but for the last ones as the program ends.
class DesktopNotification final : public QObject, public AlarmNotice
{
public:
    ~DesktopNotification() override;

    void post(const QString& timeText) override;
    void withdraw() override;
    void inform(const QString& summary, const QString& body) override;

private:
    QDBusPendingCall notify(const QString& summary, const QString& body, uchar urgency);
    void close(uint id);

    // The service's id of the ringing alarm's notification; 0 while none is shown.
    uint m_id = 0;
    // Withdrawn before the service answered: the answer's id is closed at once.
    bool m_withdrawn = false;
    // Notices not yet delivered, which the program's end must not drop.
    QList<QDBusPendingCall> m_pending;
};
