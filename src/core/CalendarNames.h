#pragma once

#include <QCalendarWidget>
#include <QCoreApplication>

// Qt leaves the calendar's month arrows, its year box and its table of days without names, so
// a screen reader reads "button, button"; they are found by the names Qt gives them.
inline void nameCalendarControls(QCalendarWidget* calendar)
{
    const std::pair<const char*, const char*> names[]{
        {"qt_calendar_prevmonth", QT_TRANSLATE_NOOP("CalendarNames", "Previous month")},
        {"qt_calendar_nextmonth", QT_TRANSLATE_NOOP("CalendarNames", "Next month")},
        {"qt_calendar_yearedit", QT_TRANSLATE_NOOP("CalendarNames", "Year")},
        {"qt_calendar_calendarview", QT_TRANSLATE_NOOP("CalendarNames", "Days of the month")}};
    for (const auto& [objectName, name] : names) {
        if (auto* control = calendar->findChild<QWidget*>(QLatin1String(objectName)))
            control->setAccessibleName(QCoreApplication::translate("CalendarNames", name));
    }
}
