#pragma once

#include "store/DateTimeText.h"

#include <string>

// The date as the user's locale writes a short date, a space, and the time as it writes times.
// Empty for a text that is no date.
std::wstring FormatDateTimeForDisplay(const TDateTimeText& date);
