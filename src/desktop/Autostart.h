#pragma once

#include <QString>

// Starting the clock at login, through the desktop's autostart folder: an entry there is
// started by the desktop at login unless it is hidden or switched off, which is what the
// desktops' own autostart settings write into it.
namespace Autostart {

// "$XDG_CONFIG_HOME/autostart/vintrel-clock.desktop".
QString entryPath();

// True when the entry at `path` exists and the desktop would start it.
bool isEnabled(const QString& path);

// Writes the entry for `program` at `path` (replacing whatever is there), or removes it.
// False when that failed.
bool setEnabled(const QString& path, const QString& program, bool enabled);

// What to tell the user when setEnabled() failed.
QString failureText(const QString& path, bool enabled);

} // namespace Autostart
