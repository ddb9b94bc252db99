#include "alarm/TimeField.h"

#include <QRegularExpression>

std::optional<int> timeFieldValue(const QString& text, int highest)
{
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?\\d+)\\s*$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = match.captured(1).toInt(&ok);
    if (!ok || value < 0 || value > highest)
        return std::nullopt;
    return value;
}

QString paddedTimeField(const QString& text)
{
    return text.size() == 1 ? QLatin1Char('0') + text : text;
}
