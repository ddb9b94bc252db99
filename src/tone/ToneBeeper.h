#pragma once

#include "alarm/Beeper.h"

// qsoundeffect.h of Qt 6.4 needs QAudioDevice complete before it.
#include <QAudioDevice>
#include <QPointer>
#include <QSoundEffect>

class QAudioOutput;
class QMediaPlayer;

// Plays the beep and the user's sound files through the default audio output. The X bell
// is muted on most desktops, so the system bell is only the fallback for machines without
// audio output.
class ToneBeeper final : public Beeper
{
  public:
    ToneBeeper();

    void beep(const QString& soundFile, double volume) override;
    void silence() override;
    void playSample(const QString& soundFile) override;

  private:
    void playTone(double volume);
    // False when the file cannot even be started: it is missing, or there is no output.
    bool start(const QString& soundFile, bool ringing);
    void fail();

    // Owned by the application, which may end before this beeper does.
    QPointer<QSoundEffect> m_tone;
    QPointer<QMediaPlayer> m_player;
    QPointer<QAudioOutput> m_output;
    // The file started last and whether it rings an alarm (over and over) or is a sample.
    QString m_playing;
    bool m_ringing = false;
    // The file that failed in this ringing: the beep stands in for it until silence().
    QString m_failed;
};
