#pragma once

#include <QByteArray>

// The Qt platform to ask for before the application starts, or an empty value for Qt's
// own choice. Window positions and always-on-top need X11, so in a Wayland session with
// XWayland the clock runs on xcb, unless the user has chosen a platform.
QByteArray preferredQtPlatform(const QByteArray& chosenPlatform, const QByteArray& sessionType,
                               const QByteArray& waylandDisplay, const QByteArray& x11Display);

// Settles, before the application object exists, how Qt starts: the platform above, no
// shared-memory images on X11 unless the user asks for them, and the menu in the window.
void prepareQtPlatform();
