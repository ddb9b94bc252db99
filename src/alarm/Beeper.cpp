#include "alarm/Beeper.h"

#include <QApplication>
#include <QLibrary>

namespace {

Beeper* installed = nullptr;

class SystemBeeper final : public Beeper
{
public:
    void beep() override { QApplication::beep(); }
};

// The tone is played by a module loaded at the first beep: the audio libraries it needs
// would otherwise be loaded, and take their memory, at every start of the clock.
Beeper* loadToneBeeper()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString& dir : {programDir, programDir + QStringLiteral("/" VINTREL_TONE_DIR)}) {
        QLibrary module(dir + QStringLiteral("/vintrel-tone"));
        using Create = Beeper* (*)();
        if (const auto create = reinterpret_cast<Create>(module.resolve("vintrelCreateToneBeeper")))
            return create();
    }
    return new SystemBeeper;
}

} // namespace

Beeper& Beeper::instance()
{
    if (installed)
        return *installed;
    static Beeper* const tone = loadToneBeeper();
    return *tone;
}

void Beeper::setInstance(Beeper* beeper)
{
    installed = beeper;
}
