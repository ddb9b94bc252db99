#pragma once

#include "alarm/AlarmNotice.h"
#include "alarm/Beeper.h"

// The speaker and the desktop's notices of an alarm clock whose ringing is not measured.
struct Silence final : Beeper, AlarmNotice {
    void beep(const QString&, double) override {}
    void silence() override {}
    void playSample(const QString&) override {}
    void post(const QString&, const QString&, int) override {}
    void withdraw() override {}
    void inform(const QString&, const QString&) override {}
};
