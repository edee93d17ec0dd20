#pragma once

// The scheduler's ticks come just after the whole periods of the local clock (every whole second
// for a period of a second), so that a reminder is seen right after its due second begins,
// whatever the moment the program started. They come a few milliseconds after, so that a timer
// that fires a little early still ticks within the period it is meant for. The clock is read as
// the millisecond of the local day; a period that does not divide a day has one shorter period
// at midnight.
const unsigned TickMarginMilliseconds = 10;
// How late a tick may come and still count as keeping to the clock.
const unsigned TickToleranceMilliseconds = 20;

// From the millisecond of the day now, the milliseconds to the tick after the next whole period.
unsigned GetDelayToNextTick(unsigned millisecondOfDay, unsigned periodMilliseconds);
// The same, for the first tick after the start, which comes no sooner than one period later.
unsigned GetDelayToFirstTick(unsigned millisecondOfDay, unsigned periodMilliseconds);
// The elapse to give the timer at a tick: the period itself while the ticks keep to the clock,
// so that a timer that keeps its phase (as Wine's do) is left alone and an idle tick costs no
// call to set it; otherwise the delay that brings the next tick back to the clock.
unsigned GetTimerElapse(unsigned millisecondOfDay, unsigned periodMilliseconds);
