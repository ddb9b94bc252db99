#include "alarm/Beeper.h"

#include <QApplication>
#include <QLibrary>

namespace
{

// Without the module nothing can play a file, so a file is reported and the bell stands in.
class SystemBeeper final : public Beeper
{
  public:
    void beep(const QString& soundFile, double) override { ring(soundFile); }
    void silence() override {}
    void playSample(const QString& soundFile) override { ring(soundFile); }

  private:
    void ring(const QString& soundFile)
    {
        if (!soundFile.isEmpty())
            reportFailure(soundFile);
        QApplication::beep();
    }
};

} // namespace

std::unique_ptr<Beeper> ToneOnDemand::loadTone()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString& dir : {programDir, programDir + QStringLiteral("/" VINTREL_TONE_DIR)}) {
        QLibrary module(dir + QStringLiteral("/vintrel-tone"));
        using Create = Beeper* (*)();
        if (const auto create = reinterpret_cast<Create>(module.resolve("vintrelCreateToneBeeper")))
            return std::unique_ptr<Beeper>(create());
    }
    return std::make_unique<SystemBeeper>();
}

ToneOnDemand::ToneOnDemand(Loader load) : m_load(std::move(load)) {}

ToneOnDemand::~ToneOnDemand() = default;

Beeper& ToneOnDemand::tone()
{
    if (!m_tone) {
        m_tone = m_load();
        m_tone->setFailureHandler([this](const QString& soundFile) { reportFailure(soundFile); });
    }
    return *m_tone;
}

void ToneOnDemand::beep(const QString& soundFile, double volume)
{
    tone().beep(soundFile, volume);
}

void ToneOnDemand::silence()
{
    // Nothing plays before the first sound, and the module is not loaded for this.
    if (m_tone)
        m_tone->silence();
}

void ToneOnDemand::playSample(const QString& soundFile)
{
    tone().playSample(soundFile);
}
