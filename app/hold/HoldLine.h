#pragma once

#include "app/hold/QuietTime.h"
#include "app/hold/ReminderHold.h"

#include <string>

// What the quiet time is, in a line for the tray's tooltip or the console: "Do not disturb until
// 15:30" (the day too when it ends on another day), "Do not disturb until turned off", or, while
// it is off, "Do not disturb turned off".
std::wstring DescribeQuiet(const TQuietTime& quiet, const TDateTimeText& now);

// Why reminders wait, for the tooltip: the quiet time, or "Held while a full-screen program
// runs"; empty while nothing holds them.
std::wstring DescribeHold(TReminderHold::TReason reason, const TQuietTime& quiet, const TDateTimeText& now);
