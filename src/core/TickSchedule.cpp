#include "core/TickSchedule.h"

namespace TickSchedule {

int msecsToNextTick(const QTime& now, int period)
{
    return period - now.msecsSinceStartOfDay() % period + Margin;
}

} // namespace TickSchedule
