#include "app/QtPlatform.h"

#include <QCoreApplication>

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

void prepareQtPlatform()
{
    const QByteArray platform =
        preferredQtPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("XDG_SESSION_TYPE"),
                            qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"));
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    // The clock repaints a small window every second. Shared-memory images would have the
    // X server answer each repaint with an event, waking the program once more a second.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    // The menu stays in the window, whose sizes count it in. Offering it to a desktop's
    // global menu bar would also cost a session-bus round trip at every start.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
}
