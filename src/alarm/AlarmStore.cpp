#include "alarm/AlarmStore.h"

#include "alarm/Scheduler.h"
#include "alarm/WholeSecond.h"
#include "core/AppInfo.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <cmath>
#include <optional>

namespace
{

const QString durKey = QStringLiteral("dur");
const QString chkOnKey = QStringLiteral("chkOn");
const QString comFreqKey = QStringLiteral("comFreq");
const QString comDaysKey = QStringLiteral("comDays");
const QString txtHrKey = QStringLiteral("txtHr");
const QString txtMinKey = QStringLiteral("txtMin");
const QString dateTimeKey = QStringLiteral("DateTime");
const QString snoozeKey = QStringLiteral("snooze");
const QString soundKey = QStringLiteral("sound");
const QString gentleKey = QStringLiteral("gentle");
const QString untilAnsweredKey = QStringLiteral("untilAnswered");
const QString labelKey = QStringLiteral("label");
const QString snoozeUntilKey = QStringLiteral("snoozeUntil");
const QString timerEndKey = QStringLiteral("timerEnd");
const QString timerLeftKey = QStringLiteral("timerLeft");
const QString timerLabelKey = QStringLiteral("timerLabel");
const QString timerLengthKey = QStringLiteral("timerLength");
// No timer the clock sets ends after the year 9999.
constexpr qint64 latestTimerEnd = 253402300799;
const QString daysKey = QStringLiteral("days");
const QString dateKey = QStringLiteral("date");

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

// "135": the chosen weekdays as ISO digits, Monday 1 to Sunday 7, in order.
QString weekdayDigits(const Weekdays& days)
{
    QString digits;
    for (int day = 1; day <= 7; ++day) {
        if (days.test(day - 1))
            digits.append(QString::number(day));
    }
    return digits;
}

// Digits 1 to 7 and nothing else; none read is no set at all.
Weekdays storedWeekdays(const QString& key)
{
    Weekdays days;
    for (const QChar c : GetSetting(AppTitle, AlarmSection, key)) {
        if (c < QLatin1Char('1') || c > QLatin1Char('7'))
            return {};
        days.set(c.digitValue() - 1);
    }
    return days;
}

// A whole DateSerial that stands for a date; an invalid date otherwise.
QDate storedDate(const QString& key)
{
    const auto serial = parseDateSerial(GetSetting(AppTitle, AlarmSection, key));
    if (!serial || *serial != std::floor(*serial))
        return {};
    return wallClockOf(*serial).first;
}

// The days or the date beside "comDays n" are taken only where that still holds their
// nearest weekday: an earlier version that changed the row left them behind.
void readChosenDays(AlarmSlot& slot, int n)
{
    AlarmSlot chosen = slot;
    if (slot.frequency == Frequency::Regular) {
        chosen.chosenDays = storedWeekdays(alarmKey(daysKey, n));
        chosen.dayChoice = qint16(dayChoiceFor(chosen.chosenDays));
        if (chosen.chosenDays.none())
            return;
    } else {
        chosen.chosenDate = storedDate(alarmKey(dateKey, n));
        chosen.dayChoice = DayChoice::OnDate;
        if (!chosen.chosenDate.isValid())
            return;
    }
    if (compatibleDayChoice(chosen) == slot.dayChoice)
        slot = chosen;
}

// The keys beside the 91 are left out of the file while they hold their default.
void saveUnlessDefault(const QString& key, const QString& value, const QString& defaultValue)
{
    if (value == defaultValue)
        DeleteSetting(AppTitle, AlarmSection, key);
    else
        SaveSetting(AppTitle, AlarmSection, key, value);
}

} // namespace

QString alarmKey(const QString& field, int slot)
{
    return field + QLatin1Char(' ') + QString::number(slot);
}

StoredAlarms readStoredAlarms()
{
    StoredAlarms stored;
    AlarmOptions& options = stored.options;
    options.duration = storedInt(durKey, ShortestAlarmDuration, LongestAlarmDuration)
                           .value_or(DefaultAlarmDuration);
    options.snoozeMinutes = storedInt(snoozeKey, ShortestSnoozeMinutes, LongestSnoozeMinutes)
                                .value_or(DefaultSnoozeMinutes);
    const QString soundFile = GetSetting(AppTitle, AlarmSection, soundKey);
    // A path the program could not have written, relative or not a path at all, is the beep.
    if (QDir::isAbsolutePath(soundFile))
        options.soundFile = soundFile;
    options.gentle = storedInt(gentleKey, 0, 1).value_or(0) == 1;
    options.untilAnswered = storedInt(untilAnsweredKey, 0, 1).value_or(0) == 1;
    for (int n = 0; n < SlotCount; ++n) {
        AlarmSlot& slot = stored.slots[n];
        slot.isOn = storedInt(alarmKey(chkOnKey, n), 0, 1).value_or(0) == 1;
        slot.frequency =
            qint16(storedInt(alarmKey(comFreqKey, n), Frequency::OnceOnly, Frequency::Regular)
                       .value_or(Frequency::OnceOnly));
        const int lastChoice = slot.frequency == Frequency::OnceOnly ? DayChoice::LastOnceOnly
                                                                     : DayChoice::LastRegular;
        slot.dayChoice = qint16(storedInt(alarmKey(comDaysKey, n), 0, lastChoice).value_or(0));
        readChosenDays(slot, n);
        slot.hourText =
            GetSetting(AppTitle, AlarmSection, alarmKey(txtHrKey, n), AlarmSlot().hourText);
        slot.minuteText =
            GetSetting(AppTitle, AlarmSection, alarmKey(txtMinKey, n), AlarmSlot().minuteText);
        slot.nextAlarm = storedSerial(alarmKey(dateTimeKey, n));
        slot.label = alarmLabel(GetSetting(AppTitle, AlarmSection, alarmKey(labelKey, n)));
        slot.snoozeUntil = storedSerial(alarmKey(snoozeUntilKey, n));
    }
    return stored;
}

void writeStoredAlarms(const AlarmOptions& options, const SlotTable& slots)
{
    SaveSetting(AppTitle, AlarmSection, durKey, QString::number(options.duration));
    for (int n = 0; n < SlotCount; ++n) {
        const AlarmSlot& slot = slots[n];
        const auto save = [n](const QString& field, const QString& value) {
            SaveSetting(AppTitle, AlarmSection, alarmKey(field, n), value);
        };
        save(chkOnKey, slot.isOn ? QStringLiteral("1") : QStringLiteral("0"));
        save(comFreqKey, QString::number(slot.frequency));
        save(comDaysKey, QString::number(compatibleDayChoice(slot)));
        save(txtHrKey, slot.hourText);
        save(txtMinKey, slot.minuteText);
        save(dateTimeKey, dateSerialText(slot.nextAlarm));
    }
    saveUnlessDefault(snoozeKey, QString::number(options.snoozeMinutes),
                      QString::number(DefaultSnoozeMinutes));
    saveUnlessDefault(soundKey, options.soundFile, QString());
    saveUnlessDefault(gentleKey, options.gentle ? QStringLiteral("1") : QStringLiteral("0"),
                      QStringLiteral("0"));
    saveUnlessDefault(untilAnsweredKey,
                      options.untilAnswered ? QStringLiteral("1") : QStringLiteral("0"),
                      QStringLiteral("0"));
    for (int n = 0; n < SlotCount; ++n) {
        saveUnlessDefault(alarmKey(labelKey, n), slots[n].label, QString());
        saveUnlessDefault(alarmKey(snoozeUntilKey, n), dateSerialText(slots[n].snoozeUntil),
                          QStringLiteral("0"));
        const int choice = slots[n].dayChoice;
        saveUnlessDefault(alarmKey(daysKey, n),
                          choice == DayChoice::ChosenDays ? weekdayDigits(slots[n].chosenDays)
                                                          : QString(),
                          QString());
        saveUnlessDefault(alarmKey(dateKey, n),
                          choice == DayChoice::OnDate
                              ? dateSerialText(toDateSerial(slots[n].chosenDate))
                              : QString(),
                          QString());
    }
}

StoredTimer readStoredTimer()
{
    StoredTimer stored;
    bool ok = false;
    const qint64 end = GetSetting(AppTitle, AlarmSection, timerEndKey).toLongLong(&ok);
    if (ok && end > 0 && end <= latestTimerEnd)
        stored.timer.end = QDateTime::fromSecsSinceEpoch(end);
    else
        stored.timer.pausedSeconds = storedInt(timerLeftKey, 1, LongestTimerSeconds).value_or(0);
    stored.timer.label = alarmLabel(GetSetting(AppTitle, AlarmSection, timerLabelKey));
    stored.lastLength = storedInt(timerLengthKey, 1, LongestTimerSeconds).value_or(DefaultTimerSeconds);
    return stored;
}

void writeStoredTimer(const StoredTimer& stored)
{
    const CountdownTimer& timer = stored.timer;
    saveUnlessDefault(timerEndKey, timer.isRunning() ? QString::number(timer.end.toSecsSinceEpoch()) : QString(), QString());
    saveUnlessDefault(timerLeftKey, QString::number(timer.pausedSeconds), QStringLiteral("0"));
    saveUnlessDefault(timerLabelKey, timer.isSet() ? timer.label : QString(), QString());
    saveUnlessDefault(timerLengthKey, QString::number(stored.lastLength), QString::number(DefaultTimerSeconds));
}

bool hasPassed(DateSerial moment, const QDateTime& now)
{
    return wholeSecond(now) > dueMoment(moment);
}

bool oneOffExpired(const AlarmSlot& slot, const QDateTime& now)
{
    return slot.frequency == Frequency::OnceOnly && hasPassed(slot.nextAlarm, now);
}
