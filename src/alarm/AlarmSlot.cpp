#include "alarm/AlarmSlot.h"

#include <QStringList>

QStringList dayListTexts(int frequency)
{
    QStringList texts{QStringLiteral("Monday"),    QStringLiteral("Tuesday"),
                      QStringLiteral("Wednesday"), QStringLiteral("Thursday"),
                      QStringLiteral("Friday"),    QStringLiteral("Saturday"),
                      QStringLiteral("Sunday")};
    if (frequency != Frequency::OnceOnly)
        texts << QStringLiteral("Monday to Friday") << QStringLiteral("Monday to Sunday")
              << QStringLiteral("Saturday & Sunday");
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
    return label.left(LongestAlarmLabel);
}
