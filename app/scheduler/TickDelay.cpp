#include "app/scheduler/TickDelay.h"

unsigned GetDelayToNextTick(unsigned millisecondOfDay, unsigned periodMilliseconds) {
    return periodMilliseconds - millisecondOfDay % periodMilliseconds + TickMarginMilliseconds;
}

unsigned GetDelayToFirstTick(unsigned millisecondOfDay, unsigned periodMilliseconds) {
    const unsigned delay = GetDelayToNextTick(millisecondOfDay, periodMilliseconds);
    return delay < periodMilliseconds ? delay + periodMilliseconds : delay;
}
