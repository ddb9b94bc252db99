#include "alarm/AlarmSlot.h"

#include "core/CharacterLimit.h"

#include <QCoreApplication>
#include <QStringList>
#include <bit>
#include <tuple>

bool sameSetting(const AlarmSlot& a, const AlarmSlot& b)
{
    const auto setting = [](const AlarmSlot& slot) {
        return std::tie(slot.isOn, slot.frequency, slot.dayChoice, slot.hourText, slot.minuteText,
                        slot.label, slot.chosenDays, slot.chosenDate);
    };
    return setting(a) == setting(b);
}

namespace
{

Weekdays weekdaysOfChoice(int dayChoice)
{
    if (dayChoice >= 0 && dayChoice <= DayChoice::Sunday)
        return Weekdays().set(dayChoice);
    switch (dayChoice) {
    case DayChoice::MondayToFriday:
        return Weekdays(0b0011111);
    case DayChoice::MondayToSunday:
        return Weekdays(0b1111111);
    case DayChoice::SaturdayAndSunday:
        return Weekdays(0b1100000);
    default:
        return {};
    }
}

} // namespace

QList<DayEntry> dayList(int frequency)
{
    const char* const weekdays[]{
        QT_TRANSLATE_NOOP("AlarmSlot", "Monday"),    QT_TRANSLATE_NOOP("AlarmSlot", "Tuesday"),
        QT_TRANSLATE_NOOP("AlarmSlot", "Wednesday"), QT_TRANSLATE_NOOP("AlarmSlot", "Thursday"),
        QT_TRANSLATE_NOOP("AlarmSlot", "Friday"),    QT_TRANSLATE_NOOP("AlarmSlot", "Saturday"),
        QT_TRANSLATE_NOOP("AlarmSlot", "Sunday")};
    QList<DayEntry> entries;
    for (int day = 0; day <= DayChoice::Sunday; ++day)
        entries.append({QCoreApplication::translate("AlarmSlot", weekdays[day]), day});
    if (frequency == Frequency::OnceOnly) {
        entries.append({QCoreApplication::translate("AlarmSlot", "On a date…"), DayChoice::OnDate});
        return entries;
    }
    entries.append(
        {QCoreApplication::translate("AlarmSlot", "Monday to Friday"), DayChoice::MondayToFriday});
    entries.append(
        {QCoreApplication::translate("AlarmSlot", "Monday to Sunday"), DayChoice::MondayToSunday});
    entries.append({QCoreApplication::translate("AlarmSlot", "Saturday & Sunday"),
                    DayChoice::SaturdayAndSunday});
    entries.append(
        {QCoreApplication::translate("AlarmSlot", "Chosen days…"), DayChoice::ChosenDays});
    return entries;
}

int dayChoiceKeptFor(int frequency, int dayChoice)
{
    if (frequency == Frequency::OnceOnly && dayChoice > DayChoice::LastOnceOnly)
        return 0;
    return dayChoice;
}

Weekdays weekdaysOf(const AlarmSlot& slot)
{
    return slot.dayChoice == DayChoice::ChosenDays ? slot.chosenDays
                                                   : weekdaysOfChoice(slot.dayChoice);
}

int dayChoiceFor(const Weekdays& days)
{
    for (int choice = 0; choice <= DayChoice::LastRegular; ++choice) {
        if (weekdaysOfChoice(choice) == days)
            return choice;
    }
    return DayChoice::ChosenDays;
}

int compatibleDayChoice(const AlarmSlot& slot)
{
    if (slot.dayChoice == DayChoice::OnDate)
        return slot.chosenDate.dayOfWeek() - 1;
    if (slot.dayChoice != DayChoice::ChosenDays)
        return slot.dayChoice;
    // The first chosen day: the days window and the store never leave the set empty.
    return std::countr_zero(slot.chosenDays.to_ulong());
}

QString alarmLabel(const QString& typed)
{
    QString label = typed;
    for (QChar& c : label) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return leftCharacters(label, LongestAlarmLabel);
}
