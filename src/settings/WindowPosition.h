#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

// Window positions are stored in twips, as the decimal text of a number, under the keys
// "top" and "left" of the window's own section. On Wayland they are neither read nor written.

// A stored coordinate in pixels; text that is not a number counts as missing.
int storedCoordinate(const QString& text, int defaultTwips);

// The place to open a window of `size` at: `wanted`, unless that leaves it on no screen
// (a monitor was unplugged), in which case the primary screen's top-left corner.
QPoint placeOnScreen(QPoint wanted, QSize size, const QList<QRect>& screens, QRect primary);

// Reads the window's stored position and moves it there (brought back onto a screen).
// With `clampNegative`, an edge above or left of 0 is put at 0.
void restoreWindowPosition(QWidget* window, const QString& section, int defaultTopTwips,
                           int defaultLeftTwips, bool clampNegative);

// Writes the window's position, top first, and commits it.
void saveWindowPosition(QWidget* window, const QString& section);
