// Times "Save Settings" as far as the disk: SaveAlarmSlots writes all fifteen slots and the
// duration and flushes the file, with every slot switched on.

#include "Median.h"
#include "Silence.h"
#include "alarm/AlarmClock.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    SettingsStore::reopen();

    Silence silence;
    AlarmClock alarms(silence, silence);
    const AlarmOptions options;
    SlotTable slots;
    for (int n = 0; n < SlotCount; ++n)
        slots[n] = {true,
                    1,
                    8,
                    QStringLiteral("%1").arg(n + 5, 2, 10, QLatin1Char('0')),
                    QStringLiteral("30"),
                    0,
                    {},
                    0,
                    {},
                    {}};
    alarms.saveSettings(slots, options);

    int run = 0;
    const double save = medianMs([&alarms] { alarms.SaveAlarmSlots(); },
                                 [&alarms, &slots, &options, &run] {
                                     // An edit before each save, as the user makes one.
                                     slots[0].minuteText = ++run % 2 ? "31" : "30";
                                     alarms.saveSettings(slots, options);
                                 });
    std::printf("Alarm settings, median of %d runs.\n", BenchRuns);
    std::printf("SaveAlarmSlots, 15 slots on, flush included: %6.2f ms\n", save);
    return 0;
}
