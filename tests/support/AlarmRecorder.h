#pragma once

#include "alarm/AlarmNotice.h"
#include "alarm/Beeper.h"

#include <QStringList>

// Stands in for the speaker and the desktop's notices, recording what they were asked. The
// sound file named `unplayable` fails whenever it is to sound.
struct AlarmRecorder final : Beeper, AlarmNotice {
    void beep(const QString& file, double volume) override { ++beeps; volumes << volume; sound(file, played); }
    void silence() override { ++silences; }
    void playSample(const QString& file) override { sound(file, samples); }
    void post(const QString& time, const QString& label, int snooze) override { posted << time + '|' + label + '|' + QString::number(snooze); }
    void withdraw() override { ++withdrawals; }
    void inform(const QString& summary, const QString& body) override { informed.append(summary + ": " + body); }
    void answerWith(const QString& action) { answer(action); }
    void sound(const QString& file, QStringList& heard) { if (file == unplayable) reportFailure(file); else heard << file; }

    int beeps = 0, silences = 0, withdrawals = 0;
    QList<double> volumes;
    QString unplayable = "unplayable.ogg";
    QStringList played, samples, posted, informed;
};
