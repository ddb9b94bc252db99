#pragma once

#include "core/DateSerial.h"

#include <QString>

// One note: a whole calendar day and the text kept for it, which may be empty after an edit.
struct DailyNote {
    DateSerial day = 0;
    QString text;
};
