#include "about/ChangeHistory.h"

#include <QStringList>

namespace {

constexpr int versionMajor = 3;
constexpr int versionMinor = 0;
constexpr int versionRevision = 1;

} // namespace

QString versionText()
{
    return QStringLiteral("v%1.%2.%3").arg(versionMajor).arg(versionMinor).arg(versionRevision);
}

QString changeHistory()
{
    // The runs of blanks after the sentences are part of the entries as they were written.
    const QStringList entries{
        QStringLiteral("v3.0.1 - Bug fix: Fixed alarm setting calculations."),
        QStringLiteral("v3.0.0 - Update: Added features.   Can now store notes for individual "
                       "days.  The clock will show a blue letter \"N\" at the far right of the "
                       "time if there are any notes for today. Position the mouse pointer over "
                       "the \"N\" to view today's notes or click on the \"N\" to open the "
                       "\"Daily Notes\" form."),
        QStringLiteral("v2.0.0 - Update: Added features.   Now there are 15 individual alarm "
                       "settings. You can set a one-off alarm or a regular alarm.  A one-off "
                       "alarm can be set up to 7 days in advance."),
        QStringLiteral("v1.1.2 - Update: Minor bug fix."),
        QStringLiteral("v1.1.1 - Update: Improved functionality.   Alarm notification screen "
                       "now sits on top of all other windows until it has been acknowledged by "
                       "the user."),
        QStringLiteral("v1.1.0 - Update.  \"clock.ini\" file no longer used by this program."),
        QStringLiteral("v1.0.1 - Bug fix.    Calendar now shows the correct date."),
    };
    return entries.join(QStringLiteral("\r\n\r\n"));
}
