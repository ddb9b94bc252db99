#include "alarm/AlarmNotice.h"

#include "alarm/DesktopNotification.h"

namespace {
AlarmNotice* installed = nullptr;
}

AlarmNotice& AlarmNotice::instance()
{
    if (installed)
        return *installed;
    static DesktopNotification* const desktop = new DesktopNotification;
    return *desktop;
}

void AlarmNotice::setInstance(AlarmNotice* notice)
{
    installed = notice;
}
