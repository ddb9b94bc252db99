#pragma once

#include "alarm/AlarmNotice.h"
#include "alarm/Beeper.h"

#include <QStringList>

// Stands in for the speaker and the desktop's notices, recording what they were asked.
struct AlarmRecorder final : Beeper, AlarmNotice {
    void beep() override { ++beeps; }
    void post(const QString& timeText) override { posted.append(timeText); }
    void withdraw() override { ++withdrawals; }
    void inform(const QString& summary, const QString& body) override { informed.append(summary + ": " + body); }
    int beeps = 0, withdrawals = 0;
    QStringList posted, informed;
};
