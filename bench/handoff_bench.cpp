// The hand-off's own figure: from "Save Settings" with a new alarm time to the user service
// manager's timer waiting for that alarm, through the real manager that run-bench.sh starts.

#include "Median.h"
#include "Silence.h"
#include "alarm/AlarmClock.h"
#include "desktop/AlarmHandOff.h"
#include "desktop/AlarmTimerUnits.h"
#include "desktop/SystemdUserManager.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QProcessEnvironment>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    Silence silence;
    AlarmClock alarms(silence, silence);
    SystemdUserManager manager(SystemdUserManager::userRuntimeDirectory(), QDBusConnection::sessionBus());
    AlarmHandOff handOff(manager, AlarmTimerUnits::unitFolder(), QCoreApplication::applicationFilePath(),
                         QProcessEnvironment::systemEnvironment());
    QObject::connect(&alarms, &AlarmClock::soonestMomentChanged, &handOff, &AlarmHandOff::handOver);
    alarms.start();
    handOff.finish();
    if (!handOff.managerAnswers()) {
        std::printf("Hand-off: no user service manager answered; not measured.\n");
        return 0;
    }

    SlotTable slots;
    slots[0] = {true, 1, 8, QStringLiteral("03"), QStringLiteral("00"), 0, {}, 0, {}, {}};
    int minute = 0, waiting = 0;
    const double ms = medianMs(
        [&] {
            alarms.saveSettings(slots, alarms.options());
            waiting += handOff.finish().isValid();
        },
        [&] { slots[0].minuteText = QString::number(10 + ++minute); });
    std::printf("Hand-off, median of %d runs: \"Save Settings\" to the timer waiting %6.1f ms "
                "(waiting after %d of %d; %s)\n",
                BenchRuns, ms, waiting, BenchRuns,
                handOff.reach() == AlarmHandOff::Reach::Wakes ? "it wakes the computer"
                                                               : "no wake-up allowed here");
    return 0;
}
