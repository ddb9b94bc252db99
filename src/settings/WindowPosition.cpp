#include "settings/WindowPosition.h"

#include "core/AppInfo.h"
#include "core/Twips.h"
#include "settings/SettingsStore.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace {

// How much of a window must lie on a screen for the user to grab it.
constexpr int reachableWidth = 40;
constexpr int reachableHeight = 20;

// A Wayland client can neither place its windows nor learn where they are: a position read
// back there is made up, and one from an X session is kept for the next.
bool positionsKnown()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QString twipsText(int pixels)
{
    return QString::number(float(pixels * twipsPerPixel));
}

} // namespace

int storedCoordinate(const QString& text, int defaultTwips)
{
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > 1e8f)
        return twips(defaultTwips);
    return int(std::lround(value / twipsPerPixel));
}

QPoint placeOnScreen(QPoint wanted, QSize size, const QList<QRect>& screens, QRect primary)
{
    const QRect window(wanted, size);
    for (const QRect& screen : screens) {
        const QRect visible = screen.intersected(window);
        if (visible.width() >= qMin(reachableWidth, size.width())
            && visible.height() >= qMin(reachableHeight, size.height()))
            return wanted;
    }
    return primary.topLeft();
}

void restoreWindowPosition(QWidget* window, const QString& section, int defaultTopTwips,
                           int defaultLeftTwips, bool clampNegative)
{
    const QString defaultTop = QString::number(defaultTopTwips);
    const QString defaultLeft = QString::number(defaultLeftTwips);
    int top = storedCoordinate(GetSetting(AppTitle, section, QStringLiteral("top"), defaultTop),
                               defaultTopTwips);
    int left = storedCoordinate(
        GetSetting(AppTitle, section, QStringLiteral("left"), defaultLeft), defaultLeftTwips);
    if (clampNegative) {
        top = qMax(top, 0);
        left = qMax(left, 0);
    }

    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->geometry());
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect primaryArea = primary ? primary->availableGeometry() : QRect();
    window->move(placeOnScreen(QPoint(left, top), window->frameGeometry().size(), screens,
                               primaryArea));
}

void saveWindowPosition(QWidget* window, const QString& section)
{
    if (!positionsKnown())
        return;
    const QPoint position = window->pos();
    SaveSetting(AppTitle, section, QStringLiteral("top"), twipsText(position.y()));
    SaveSetting(AppTitle, section, QStringLiteral("left"), twipsText(position.x()));
    commitSettings(AppTitle, window);
}
