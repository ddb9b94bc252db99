#pragma once

#include <QByteArray>
#include <ctime>

// Puts the process's local time in another zone for as long as it lives.
class LocalZone
{
public:
    explicit LocalZone(const QByteArray& zone) : m_saved(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~LocalZone()
    {
        qputenv("TZ", m_saved);
        tzset();
    }

private:
    QByteArray m_saved;
};
