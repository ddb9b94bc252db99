#pragma once

#include <QFont>

// The windows are drawn in the classic plain sans-serif face; fontconfig substitutes
// the nearest one installed.
QFont sansFont(double pointSize, bool bold = false);
