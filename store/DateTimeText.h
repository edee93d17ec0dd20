#pragma once

#include <string>

// A local wall-clock time as "YYYY.MM.DD hh:mm:ss"; byte-wise comparison orders it in time,
// and the empty text means no date.
using TDateTimeText = std::string;

// A time span as "hours:minutes:seconds"; each field may carry a sign and any magnitude.
using TDurationText = std::string;

// Moves the wall-clock value itself, with no time zone involved: "01:00:00" is always one hour,
// also across a daylight-saving change. An unreadable date or duration, or a result outside the
// years 1601 to 9999, gives the empty text.
TDateTimeText AddDuration(const TDateTimeText& date, const TDurationText& duration);

// Whether the text is a real date and time written exactly in the form above, as text from
// outside must be before it is stored.
bool IsDateTimeText(const std::string& text);
