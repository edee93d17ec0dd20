#pragma once

#include "store/DateTimeText.h"

#include <string>

// The date as the user's locale writes a short date, a space, and the time as it writes times.
// Empty for a text that is no date.
std::wstring FormatDateTimeForDisplay(const TDateTimeText& date);

// When a reminder is due, for a short line: on a day of the week that starts today, the day's
// abbreviated name and the time without seconds ("Tue 09:00"), as the user's locale writes
// them; on any other day, the short date and the time without seconds. Empty for a text that is
// no date.
std::wstring FormatDueTimeForDisplay(const TDateTimeText& due, const TDateTimeText& now);

// The time without seconds alone, as the user's locale writes times. Empty for a text that is no
// date.
std::wstring FormatTimeForDisplay(const TDateTimeText& date);
