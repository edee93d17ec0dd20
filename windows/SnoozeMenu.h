#pragma once

#include "store/DateTimeText.h"

#include <windows.h>

// A snooze the user may choose beyond the notification's three buttons: a time span from the
// click, given as a step taken a number of times, or no step for a time of the user's own.
struct TSnoozeChoice {
    int Caption;
    TDurationText Step;
    int StepCount;
};

// Opens the menu of snoozes below the button and waits for the user; null when dismissed.
const TSnoozeChoice* ChooseSnooze(HWND button);
