#include "alarm/Beeper.h"
#include "app/CommandLine.h"
#include "app/QtPlatform.h"
#include "app/Translations.h"
#include "app/WindowIcon.h"
#include "app/frm_Main.h"
#include "core/AppInfo.h"
#include "desktop/AlarmHandOff.h"
#include "desktop/AlarmTimerUnits.h"
#include "desktop/DesktopNotification.h"
#include "desktop/SingleInstance.h"
#include "desktop/SystemdUserManager.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QDBusConnection>
#include <QLocale>
#include <QProcessEnvironment>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    const CommandLineOutcome commandLine =
        handleCommandLine(argc, argv, QStringLiteral(VINTREL_VERSION));
    if (commandLine.exitCode)
        return *commandLine.exitCode;
    // The settings file is parsed while Qt connects to the display rather than after it.
    const SettingsReadAhead readAhead(AppTitle);
    // Before the display is chosen, and before the environment is carried into a new unit.
    if (commandLine.forAlarm)
        AlarmTimerUnits::takeCarriedDisplay();
    prepareQtPlatform();
    QApplication app(argc, argv);
    installTranslations(app, QLocale::system().uiLanguages());
    QApplication::setApplicationName(AppTitle);
    QApplication::setApplicationVersion(QStringLiteral(VINTREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("vintrel-clock"));
    QApplication::setWindowIcon(windowIcon());

    SingleInstance instance(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                            QStringLiteral("vintrel-clock"));
    if (!instance.claim(!commandLine.forAlarm))
        return 0;

    ToneOnDemand beeper;
    DesktopNotification notice;
    SystemdUserManager manager(SystemdUserManager::userRuntimeDirectory(), QDBusConnection::sessionBus());
    AlarmHandOff handOff(manager, AlarmTimerUnits::unitFolder(),
                         QCoreApplication::applicationFilePath(),
                         QProcessEnvironment::systemEnvironment());
    frm_Main clock(beeper, notice, &handOff);
    QObject::connect(&instance, &SingleInstance::raiseRequested, &clock, &frm_Main::bringToFront);
    clock.Form_Load();
    clock.show();
    reportDamagedSettings(AppTitle, &clock);
    return app.exec();
}
