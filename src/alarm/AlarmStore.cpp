#include "alarm/AlarmStore.h"

#include "alarm/Scheduler.h"
#include "alarm/WholeSecond.h"
#include "core/AppInfo.h"
#include "settings/SettingsStore.h"

#include <optional>

namespace {

const QString durKey = QStringLiteral("dur");
const QString chkOnKey = QStringLiteral("chkOn");
const QString comFreqKey = QStringLiteral("comFreq");
const QString comDaysKey = QStringLiteral("comDays");
const QString txtHrKey = QStringLiteral("txtHr");
const QString txtMinKey = QStringLiteral("txtMin");
const QString dateTimeKey = QStringLiteral("DateTime");

// The stored whole number if it is plain decimal text within [lowest, highest].
std::optional<int> storedInt(const QString& key, int lowest, int highest)
{
    const QString text = GetSetting(AppTitle, AlarmSection, key);
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

DateSerial storedSerial(const QString& key)
{
    const auto serial = parseDateSerial(GetSetting(AppTitle, AlarmSection, key));
    // Unreadable text reads like a missing key, so a one-off slot with it switches off.
    if (!serial || !wallClockOf(*serial).first.isValid())
        return 0;
    return *serial;
}

} // namespace

QString alarmKey(const QString& field, int slot)
{
    return field + QLatin1Char(' ') + QString::number(slot);
}

StoredAlarms readStoredAlarms()
{
    StoredAlarms stored;
    stored.duration = storedInt(durKey, ShortestAlarmDuration, LongestAlarmDuration)
                          .value_or(DefaultAlarmDuration);
    for (int n = 0; n < SlotCount; ++n) {
        AlarmSlot& slot = stored.slots[n];
        slot.isOn = storedInt(alarmKey(chkOnKey, n), 0, 1).value_or(0) == 1;
        slot.frequency = qint16(
            storedInt(alarmKey(comFreqKey, n), Frequency::OnceOnly, Frequency::Regular)
                .value_or(Frequency::OnceOnly));
        const int lastChoice = slot.frequency == Frequency::OnceOnly ? DayChoice::LastOnceOnly
                                                                     : DayChoice::LastRegular;
        slot.dayChoice = qint16(storedInt(alarmKey(comDaysKey, n), 0, lastChoice).value_or(0));
        slot.hourText = GetSetting(AppTitle, AlarmSection, alarmKey(txtHrKey, n),
                                   AlarmSlot().hourText);
        slot.minuteText = GetSetting(AppTitle, AlarmSection, alarmKey(txtMinKey, n),
                                     AlarmSlot().minuteText);
        slot.nextAlarm = storedSerial(alarmKey(dateTimeKey, n));
    }
    return stored;
}

void writeStoredAlarms(const QString& durationText, const SlotTable& slots)
{
    SaveSetting(AppTitle, AlarmSection, durKey, durationText);
    for (int n = 0; n < SlotCount; ++n) {
        const AlarmSlot& slot = slots[n];
        const auto save = [n](const QString& field, const QString& value) {
            SaveSetting(AppTitle, AlarmSection, alarmKey(field, n), value);
        };
        save(chkOnKey, slot.isOn ? QStringLiteral("1") : QStringLiteral("0"));
        save(comFreqKey, QString::number(slot.frequency));
        save(comDaysKey, QString::number(slot.dayChoice));
        save(txtHrKey, slot.hourText);
        save(txtMinKey, slot.minuteText);
        save(dateTimeKey, dateSerialText(slot.nextAlarm));
    }
}

bool oneOffExpired(const AlarmSlot& slot, const QDateTime& now)
{
    if (slot.frequency != Frequency::OnceOnly)
        return false;
    // A moment no calendar holds counts as long past.
    return wholeSecond(now) > dueMoment(slot.nextAlarm);
}
