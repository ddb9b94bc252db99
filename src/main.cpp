#include "alarm/Beeper.h"
#include "alarm/DesktopNotification.h"
#include "app/CommandLine.h"
#include "app/QtPlatform.h"
#include "app/SingleInstance.h"
#include "app/Translations.h"
#include "app/WindowIcon.h"
#include "app/frm_Main.h"
#include "core/AppInfo.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    if (const auto exitCode = handleCommandLine(argc, argv, QStringLiteral(VINTREL_VERSION)))
        return *exitCode;
    // The settings file is parsed while Qt connects to the display rather than after it.
    const SettingsReadAhead readAhead(AppTitle);
    prepareQtPlatform();
    QApplication app(argc, argv);
    installTranslations(app, QLocale::system().uiLanguages());
    QApplication::setApplicationName(AppTitle);
    QApplication::setApplicationVersion(QStringLiteral(VINTREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("vintrel-clock"));
    QApplication::setWindowIcon(windowIcon());

    SingleInstance instance(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                            QStringLiteral("vintrel-clock"));
    if (!instance.claim())
        return 0;

    ToneOnDemand beeper;
    DesktopNotification notice;
    frm_Main clock(beeper, notice);
    QObject::connect(&instance, &SingleInstance::raiseRequested, &clock, &frm_Main::bringToFront);
    clock.Form_Load();
    clock.show();
    reportDamagedSettings(AppTitle, &clock);
    return app.exec();
}
