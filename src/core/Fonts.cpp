#include "core/Fonts.h"

#include <QFontMetrics>

QFont sansFont(double pointSize, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont fittedFont(QFont font, const QString& text, int width, double smallest)
{
    while (QFontMetrics(font).horizontalAdvance(text) > width && font.pointSizeF() > smallest)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}
