#pragma once

#include "alarm/Beeper.h"

// qsoundeffect.h of Qt 6.4 needs QAudioDevice complete before it.
#include <QAudioDevice>
#include <QPointer>
#include <QSoundEffect>

// Plays the beep tone through the default audio output. The X bell is muted on most
// desktops, so the system bell is only the fallback for machines without audio output.
class ToneBeeper final : public Beeper
{
public:
    ToneBeeper();

    void beep() override;

private:
    // Owned by the application, which may end before this beeper does.
    QPointer<QSoundEffect> m_tone;
};
