#include "tone/ToneBeeper.h"

#include <QApplication>
#include <QMediaDevices>

ToneBeeper::ToneBeeper()
{
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    m_tone = new QSoundEffect(qApp);
    m_tone->setSource(QUrl(QStringLiteral("qrc:/beep.wav")));
}

void ToneBeeper::beep()
{
    if (m_tone && m_tone->status() != QSoundEffect::Error)
        m_tone->play();
    else
        QApplication::beep();
}

extern "C" Q_DECL_EXPORT Beeper* vintrelCreateToneBeeper()
{
    return new ToneBeeper;
}
