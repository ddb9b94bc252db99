#pragma once

#include <QDateTime>

// The one source of the current date and time. The program reads the system clock;
// tests install a clock of their own to put the program at any moment.
class Clock
{
public:
    virtual ~Clock() = default;

    static QDateTime now();
    static QDate today() { return now().date(); }

    // Replaces the system clock until called again with nullptr.
    static void setInstance(Clock* clock);

protected:
    virtual QDateTime currentDateTime() const = 0;
};
