#include "app/CommandLine.h"
#include "app/QtPlatform.h"
#include "app/SingleInstance.h"
#include "app/WindowIcon.h"
#include "app/frm_Main.h"
#include "core/AppInfo.h"
#include "core/Form.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    if (const auto exitCode = handleCommandLine(argc, argv, QStringLiteral(VINTREL_VERSION)))
        return *exitCode;
    prepareQtPlatform();
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppTitle);
    QApplication::setApplicationVersion(QStringLiteral(VINTREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("vintrel-clock"));
    QApplication::setWindowIcon(windowIcon());

    SingleInstance instance(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                            QStringLiteral("vintrel-clock"));
    if (!instance.claim())
        return 0;
    QObject::connect(&instance, &SingleInstance::raiseRequested,
                     [] { Form<frm_Main>::get().bringToFront(); });

    Form<frm_Main>::load();
    Form<frm_Main>::showModeless();
    reportDamagedSettings(AppTitle, &Form<frm_Main>::get());
    return app.exec();
}
