#pragma once

#include <QString>

// Notices of the alarms outside the program's own windows, for desktops that do not keep
// those windows on top. Tests give the alarm clock one that records them.
class AlarmNotice
{
public:
    virtual ~AlarmNotice() = default;
    // The alarm set for `timeText` ("07:30") is ringing, until withdrawn.
    virtual void post(const QString& timeText) = 0;
    // The user has acknowledged it.
    virtual void withdraw() = 0;
    // A notice of normal urgency that stays until the user dismisses it.
    virtual void inform(const QString& summary, const QString& body) = 0;
};
