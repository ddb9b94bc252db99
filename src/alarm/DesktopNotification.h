#pragma once

#include "alarm/AlarmNotice.h"

#include <QObject>

// The alarm posted to the freedesktop notification service on the session bus, critical,
// so that it stays until withdrawn. Without a bus or a service nothing happens: the calls
// never wait for an answer.
class DesktopNotification final : public QObject, public AlarmNotice
{
public:
    void post(const QString& timeText) override;
    void withdraw() override;

private:
    void close(uint id);

    // The service's id of the notification shown; 0 while none is.
    uint m_id = 0;
    // Withdrawn before the service answered: the answer's id is closed at once.
    bool m_withdrawn = false;
};
