#include "alarm/AlarmSlot.h"

#include "core/CharacterLimit.h"

#include <QCoreApplication>
#include <QStringList>
#include <tuple>

bool sameSetting(const AlarmSlot& a, const AlarmSlot& b)
{
    const auto setting = [](const AlarmSlot& slot) {
        return std::tie(slot.isOn, slot.frequency, slot.dayChoice, slot.hourText, slot.minuteText,
                        slot.label);
    };
    return setting(a) == setting(b);
}

QStringList dayListTexts(int frequency)
{
    QStringList texts{QCoreApplication::translate("AlarmSlot", "Monday"),
                      QCoreApplication::translate("AlarmSlot", "Tuesday"),
                      QCoreApplication::translate("AlarmSlot", "Wednesday"),
                      QCoreApplication::translate("AlarmSlot", "Thursday"),
                      QCoreApplication::translate("AlarmSlot", "Friday"),
                      QCoreApplication::translate("AlarmSlot", "Saturday"),
                      QCoreApplication::translate("AlarmSlot", "Sunday")};
    if (frequency != Frequency::OnceOnly)
        texts << QCoreApplication::translate("AlarmSlot", "Monday to Friday")
              << QCoreApplication::translate("AlarmSlot", "Monday to Sunday")
              << QCoreApplication::translate("AlarmSlot", "Saturday & Sunday");
    return texts;
}

int dayChoiceKeptFor(int frequency, int dayChoice)
{
    if (frequency == Frequency::OnceOnly && dayChoice > DayChoice::LastOnceOnly)
        return 0;
    return dayChoice;
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
