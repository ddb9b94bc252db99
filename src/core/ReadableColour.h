#pragma once

#include <QColor>

class QLabel;

// Small text needs this much contrast with what it is drawn on to be read.
constexpr double MinimumTextContrast = 4.5;

// The contrast of two colours as the web's accessibility guidelines measure it: 1 for the
// same luminance, 21 for black on white.
double contrastRatio(const QColor& a, const QColor& b);

// The shade of `hue` nearest to it with MinimumTextContrast against `background`: mixed towards
// black on a light background, towards white on a dark one, so red stays red and blue blue.
QColor readableShade(const QColor& hue, const QColor& background);

// Draws the label's text in the readable shade of `hue` against its background, taken again
// whenever the palette changes, as when the desktop turns dark.
void colourText(QLabel* label, const QColor& hue);
