#pragma once

#include <QString>

// The application title: the name every stored value lives under, and the title of the
// program's messages.
inline const QString AppTitle = QStringLiteral("Vintrel Clock & Alarm");
