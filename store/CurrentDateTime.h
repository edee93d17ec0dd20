#pragma once

#include "store/DateTimeText.h"

// The local wall-clock time, asked of the system at every call: a change of the clock or of the
// time zone shows at the next reading, not only after a restart.
TDateTimeText GetCurrentDateTime();
