#include "alarm/Beeper.h"

#include "alarm/ToneBeeper.h"

namespace {
Beeper* installed = nullptr;
}

Beeper& Beeper::instance()
{
    if (installed)
        return *installed;
    static ToneBeeper* const tone = new ToneBeeper;
    return *tone;
}

void Beeper::setInstance(Beeper* beeper)
{
    installed = beeper;
}
