#include "core/Clock.h"

namespace {

class SystemClock final : public Clock
{
protected:
    QDateTime currentDateTime() const override { return QDateTime::currentDateTime(); }
};

SystemClock systemClock;
Clock* installed = nullptr;

} // namespace

QDateTime Clock::now()
{
    const Clock* clock = installed ? installed : &systemClock;
    return clock->currentDateTime();
}

void Clock::setInstance(Clock* clock)
{
    installed = clock;
}
