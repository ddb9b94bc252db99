#pragma once

#include <QByteArray>
#include <ctime>

// Puts the process's local time in another zone for as long as it lives.
struct LocalZone {
    explicit LocalZone(const QByteArray& zone) : saved(qgetenv("TZ")) { use(zone); }
    ~LocalZone() { use(saved); }
    static void use(const QByteArray& zone)
    {
        qputenv("TZ", zone);
        tzset();
    }
    const QByteArray saved;
};
