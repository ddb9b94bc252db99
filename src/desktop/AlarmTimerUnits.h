#pragma once

#include <QDateTime>
#include <QProcessEnvironment>
#include <QString>

// The two unit files through which the user's service manager starts the clock for its next
// alarm: a timer set for the alarm's moment and the service it starts. Nothing the user typed
// goes into them: only the moment, this program's path and the display it runs on, each
// checked or escaped as unit files need.
namespace AlarmTimerUnits
{

inline const QString TimerName = QStringLiteral("vintrel-clock-alarm.timer");
inline const QString ServiceName = QStringLiteral("vintrel-clock-alarm.service");
// The argument that tells a start by the timer from one by the user.
inline const QString ForAlarmOption = QStringLiteral("for-alarm");

// The timer for `due`, an absolute moment written in UTC, so that the summer-time edges
// mean what the clock computed; `wake` asks the manager to wake the computer for it.
QString timerText(const QDateTime& due, bool wake);

// The service that starts `program` for the alarm, carrying the display of `environment`
// for managers that do not pass it on; empty when the path cannot be written in a unit.
QString serviceText(const QString& program, const QProcessEnvironment& environment);

// "$XDG_CONFIG_HOME/systemd/user", where the user's own units live.
QString unitFolder();

// Where the manager passed on no display, the started clock takes the one the unit carries
// (each variable under its own name after "VINTREL_").
void takeCarriedDisplay();

} // namespace AlarmTimerUnits
