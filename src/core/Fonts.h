#pragma once

#include <QFont>

// The windows are drawn in the classic plain sans-serif face; fontconfig substitutes
// the nearest one installed.
QFont sansFont(double pointSize, bool bold = false);

// `font`, made smaller in half points down to `smallest` until `text` fits in `width` pixels:
// the stand-ins for the classic face run wider than it.
QFont fittedFont(QFont font, const QString& text, int width, double smallest = 8);
