#include "alarm/DayTexts.h"

#include <QCoreApplication>

namespace
{

// Four short day names fit a row's day list in every language the clock speaks.
constexpr int longestList = 4;

QString shortNames(const Weekdays& days, const QLocale& locale)
{
    QStringList names;
    for (int day : weekOrder(locale)) {
        if (days.test(day - 1))
            names.append(locale.dayName(day, QLocale::ShortFormat));
    }
    return names.join(QStringLiteral(", "));
}

} // namespace

QList<int> weekOrder(const QLocale& locale)
{
    QList<int> order;
    for (int step = 0; step < 7; ++step)
        order.append((locale.firstDayOfWeek() - 1 + step) % 7 + 1);
    return order;
}

QString weekdaysText(const Weekdays& days, const QLocale& locale)
{
    if (days.count() <= longestList)
        return shortNames(days, locale);
    return QCoreApplication::translate("DayTexts", "All but %1").arg(shortNames(~days, locale));
}

QString shortDateText(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, QStringLiteral("d MMM yyyy"));
}

QString dayAndDateText(const QDate& date, const QLocale& locale)
{
    return locale.dayName(date.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ') +
           shortDateText(date, locale);
}

QString lastDayEntryText(const AlarmSlot& slot, const QLocale& locale)
{
    if (slot.dayChoice == DayChoice::ChosenDays)
        return weekdaysText(slot.chosenDays, locale);
    if (slot.dayChoice == DayChoice::OnDate)
        return dayAndDateText(slot.chosenDate, locale);
    return dayList(slot.frequency).constLast().text;
}
