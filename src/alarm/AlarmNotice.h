#pragma once

#include <QString>

// A notice of the ringing alarm outside the program's own window, for desktops that do
// not keep that window on top. Tests install one that counts.
class AlarmNotice
{
public:
    virtual ~AlarmNotice() = default;
    // The alarm set for `timeText` ("07:30") is ringing.
    virtual void post(const QString& timeText) = 0;
    // The user has acknowledged it.
    virtual void withdraw() = 0;

    // The installed notice, or the desktop notification made on first use.
    static AlarmNotice& instance();
    // Replaces the desktop notification until called again with nullptr.
    static void setInstance(AlarmNotice* notice);
};
