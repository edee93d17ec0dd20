#include "app/scheduler/TickDelay.h"

unsigned GetDelayToNextTick(unsigned millisecondOfDay, unsigned periodMilliseconds) {
    return periodMilliseconds - millisecondOfDay % periodMilliseconds + TickMarginMilliseconds;
}

unsigned GetDelayToFirstTick(unsigned millisecondOfDay, unsigned periodMilliseconds) {
    const unsigned delay = GetDelayToNextTick(millisecondOfDay, periodMilliseconds);
    return delay < periodMilliseconds ? delay + periodMilliseconds : delay;
}

unsigned GetTimerElapse(unsigned millisecondOfDay, unsigned periodMilliseconds) {
    const unsigned delay = GetDelayToNextTick(millisecondOfDay, periodMilliseconds);
    const bool keepsToTheClock = delay <= periodMilliseconds && periodMilliseconds - delay <= TickToleranceMilliseconds;
    return keepsToTheClock ? periodMilliseconds : delay;
}
