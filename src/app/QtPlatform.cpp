#include "app/QtPlatform.h"

QByteArray preferredQtPlatform(const QByteArray& chosenPlatform, const QByteArray& sessionType,
                               const QByteArray& waylandDisplay, const QByteArray& x11Display)
{
    if (!chosenPlatform.isEmpty())
        return {};
    const bool wayland = sessionType == "wayland" || !waylandDisplay.isEmpty();
    if (wayland && !x11Display.isEmpty())
        return "xcb";
    return {};
}
