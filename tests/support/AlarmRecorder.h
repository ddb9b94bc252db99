#pragma once

#include "alarm/AlarmNotice.h"
#include "alarm/Beeper.h"

#include <QStringList>

// Stands in for the speaker and the desktop's notices, recording what they were asked. The
// sound file named `unplayable` fails whenever it is to sound.
struct AlarmRecorder final : Beeper, AlarmNotice {
    void beep(const QString& soundFile, double volume) override
    {
        ++beeps;
        volumes.append(volume);
        if (soundFile == unplayable)
            reportFailure(soundFile);
        else if (!soundFile.isEmpty())
            played.append(soundFile);
    }
    void silence() override { ++silences; }
    void playSample(const QString& soundFile) override { samples.append(soundFile); if (soundFile == unplayable) reportFailure(soundFile); }
    void post(const QString& time, const QString& label, int snooze) override { posted.append(QStringList{time, label, QString::number(snooze)}.join('|')); }
    void withdraw() override { ++withdrawals; }
    void inform(const QString& summary, const QString& body) override { informed.append(summary + ": " + body); }
    void answerWith(const QString& action) { answer(action); }

    int beeps = 0, silences = 0, withdrawals = 0;
    QList<double> volumes;
    QString unplayable = "unplayable.ogg";
    QStringList played, samples, posted, informed;
};
