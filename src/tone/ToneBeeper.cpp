#include "tone/ToneBeeper.h"

#include <QApplication>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>

namespace
{

// The alarm's volumes are as the ear hears them; the outputs take a linear factor.
float linearVolume(double volume)
{
    return float(
        QAudio::convertVolume(volume, QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale));
}

} // namespace

ToneBeeper::ToneBeeper()
{
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    m_tone = new QSoundEffect(qApp);
    m_tone->setSource(QUrl(QStringLiteral("qrc:/beep.wav")));
}

void ToneBeeper::beep(const QString& soundFile, double volume)
{
    if (soundFile.isEmpty() || soundFile == m_failed ||
        (m_playing != soundFile && !start(soundFile, true))) {
        playTone(volume);
        return;
    }
    m_output->setVolume(linearVolume(volume));
}

void ToneBeeper::silence()
{
    if (m_player)
        m_player->stop();
    m_playing.clear();
    m_failed.clear();
}

void ToneBeeper::playSample(const QString& soundFile)
{
    if (soundFile.isEmpty() || !start(soundFile, false))
        playTone(1.0);
    else
        m_output->setVolume(1.0f);
}

void ToneBeeper::playTone(double volume)
{
    if (m_tone && m_tone->status() != QSoundEffect::Error) {
        m_tone->setVolume(linearVolume(volume));
        m_tone->play();
    } else {
        QApplication::beep();
    }
}

bool ToneBeeper::start(const QString& soundFile, bool ringing)
{
    m_playing = soundFile;
    m_ringing = ringing;
    const QFileInfo file(soundFile);
    if (!m_tone || !file.isFile() || !file.isReadable()) {
        fail();
        return false;
    }
    if (!m_player) {
        m_player = new QMediaPlayer(qApp);
        m_output = new QAudioOutput(m_player);
        m_player->setAudioOutput(m_output);
        // Whatever is not audio comes to light only as the player reads it.
        QObject::connect(m_player, &QMediaPlayer::errorOccurred, m_player, [this] { fail(); });
        QObject::connect(m_player, &QMediaPlayer::mediaStatusChanged, m_player,
                         [this](QMediaPlayer::MediaStatus status) {
                             if (status == QMediaPlayer::InvalidMedia)
                                 fail();
                         });
    }
    m_player->setSource(QUrl::fromLocalFile(soundFile));
    m_player->setLoops(ringing ? QMediaPlayer::Infinite : 1);
    m_player->play();
    return true;
}

void ToneBeeper::fail()
{
    const QString failed = m_playing;
    if (failed.isEmpty())
        return;
    m_playing.clear();
    if (m_player)
        m_player->stop();
    if (m_ringing)
        m_failed = failed;
    reportFailure(failed);
}

extern "C" Q_DECL_EXPORT Beeper* vintrelCreateToneBeeper()
{
    return new ToneBeeper;
}
