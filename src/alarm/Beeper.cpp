#include "alarm/Beeper.h"

#include <QApplication>
#include <QLibrary>

namespace {

class SystemBeeper final : public Beeper
{
public:
    void beep() override { QApplication::beep(); }
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

void ToneOnDemand::beep()
{
    if (!m_tone)
        m_tone = m_load();
    m_tone->beep();
}
