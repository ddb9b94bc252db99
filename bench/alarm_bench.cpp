// Times "Save Settings" in the alarm window as far as the disk: SaveAlarmSlots writes all
// fifteen slots and the duration and flushes the file, with every slot switched on.

#include "Median.h"
#include "alarm/frm_SetAlarm.h"
#include "core/Form.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    SettingsStore::reopen();

    frm_SetAlarm& window = Form<frm_SetAlarm>::get();
    for (int n = 0; n < SlotCount; ++n) {
        window.chkOn[n]->setChecked(true);
        window.txtHr[n]->setText(QStringLiteral("%1").arg(n + 5, 2, 10, QLatin1Char('0')));
        window.txtMin[n]->setText(QStringLiteral("30"));
    }
    window.SaveAlarmSlots();

    int run = 0;
    const double save = medianMs([&window] { window.SaveAlarmSlots(); },
                                 [&window, &run] {
                                     // An edit before each save, as the user makes one.
                                     window.txtMin[0]->setText(++run % 2 ? "31" : "30");
                                 });
    std::printf("Alarm settings, median of %d runs.\n", BenchRuns);
    std::printf("SaveAlarmSlots, 15 slots on, flush included: %6.2f ms\n", save);
    Form<frm_SetAlarm>::unload();
    return 0;
}
