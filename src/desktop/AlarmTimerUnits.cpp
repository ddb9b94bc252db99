#include "desktop/AlarmTimerUnits.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

namespace
{

const QString carriedPrefix = QStringLiteral("VINTREL_");

struct DisplayVariable {
    const char* name;
    QRegularExpression valid;
};

// Only values of the form each variable has: anything else stays out of the unit.
const DisplayVariable displayVariables[]{
    {"DISPLAY", QRegularExpression(QStringLiteral("\\A[A-Za-z0-9.\\-]*:[0-9]+(\\.[0-9]+)?\\z"))},
    {"WAYLAND_DISPLAY", QRegularExpression(QStringLiteral("\\A[A-Za-z0-9._/\\-]+\\z"))},
    {"XAUTHORITY", QRegularExpression(QStringLiteral("\\A/[^\\n\\r\\x00]*\\z"))},
};

// A word in double quotes, as ExecStart= and Environment= read it: C escapes inside the
// quotes, and "%" and "$" doubled, since the manager expands those.
QString quoted(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    text.replace(QLatin1Char('%'), QStringLiteral("%%"));
    text.replace(QLatin1Char('$'), QStringLiteral("$$"));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

bool fitsOnALine(const QString& text)
{
    return !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')) &&
           !text.contains(QChar(0));
}

} // namespace

namespace AlarmTimerUnits
{

QString timerText(const QDateTime& due, bool wake)
{
    QString text = QStringLiteral("[Unit]\n"
                                  "Description=Vintrel Clock & Alarm: the next alarm\n"
                                  "\n"
                                  "[Timer]\n"
                                  "OnCalendar=%1 UTC\n"
                                  // The default of a minute would ring late.
                                  "AccuracySec=1s\n"
                                  // An alarm that came while the computer was off starts the
                                  // clock at the next login, which reports it missed.
                                  "Persistent=true\n")
                       .arg(due.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    if (wake)
        text += QStringLiteral("WakeSystem=true\n");
    return text + QStringLiteral("Unit=%1\n\n[Install]\nWantedBy=timers.target\n").arg(ServiceName);
}

QString serviceText(const QString& program, const QProcessEnvironment& environment)
{
    if (!program.startsWith(QLatin1Char('/')) || !fitsOnALine(program))
        return {};
    QStringList carried;
    for (const DisplayVariable& variable : displayVariables) {
        const QString value = environment.value(QLatin1String(variable.name));
        if (variable.valid.match(value).hasMatch())
            carried << quoted(carriedPrefix + QLatin1String(variable.name) + QLatin1Char('=') + value);
    }
    QString condition = program;
    condition.replace(QLatin1Char('%'), QStringLiteral("%%"));
    QString text = QStringLiteral("[Unit]\n"
                                  "Description=Vintrel Clock & Alarm, started for an alarm\n"
                                  // Uninstalled since: the start is passed over, not failed.
                                  "ConditionFileIsExecutable=%1\n"
                                  "\n"
                                  "[Service]\n")
                       .arg(condition);
    if (!carried.isEmpty())
        text += QStringLiteral("Environment=%1\n").arg(carried.join(QLatin1Char(' ')));
    return text + QStringLiteral("ExecStart=%1 --%2\n").arg(quoted(program), ForAlarmOption);
}

QString unitFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/systemd/user");
}

void takeCarriedDisplay()
{
    // A manager that passes on a display of its own knows the present session better.
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return;
    for (const DisplayVariable& variable : displayVariables) {
        const QByteArray carried = carriedPrefix.toLatin1() + variable.name;
        if (qEnvironmentVariableIsEmpty(variable.name) && !qEnvironmentVariableIsEmpty(carried))
            qputenv(variable.name, qgetenv(carried));
    }
}

} // namespace AlarmTimerUnits
