#include "store/DateTimeText.h"

#include "store/Calendar.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <sstream>

namespace {

bool ReadDurationSeconds(const TDurationText& duration, std::int64_t& seconds) {
    std::string spaced = duration;
    std::replace(spaced.begin(), spaced.end(), ':', ' ');
    std::istringstream input(spaced);
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int64_t extraSeconds = 0;
    if (!(input >> hours >> minutes >> extraSeconds)) {
        return false;
    }
    // Hours and minutes together stay far inside 64 bits; only the seconds can overflow the sum.
    const std::int64_t clockSeconds = (static_cast<std::int64_t>(hours) * 60 + minutes) * 60;
    if ((clockSeconds > 0 && extraSeconds > std::numeric_limits<std::int64_t>::max() - clockSeconds) ||
        (clockSeconds < 0 && extraSeconds < std::numeric_limits<std::int64_t>::min() - clockSeconds)) {
        return false;
    }
    seconds = clockSeconds + extraSeconds;
    return true;
}

}  // namespace

bool IsDateTimeText(const std::string& text) {
    TCalendarFields fields;
    return ReadDateTimeFields(text, fields) && WriteDateTimeText(fields) == text;
}

TDateTimeText AddDuration(const TDateTimeText& date, const TDurationText& duration) {
    TCalendarFields fields;
    std::int64_t seconds = 0;
    if (!ReadDateTimeFields(date, fields) || !ReadDurationSeconds(duration, seconds)) {
        return TDateTimeText();
    }
    const std::int64_t start = CountSecondsSince1601(fields);
    // The start is a small positive count, so only a huge positive duration can overflow.
    if (seconds > std::numeric_limits<std::int64_t>::max() - start ||
        !MakeCalendarFields(start + seconds, fields)) {
        return TDateTimeText();
    }
    return WriteDateTimeText(fields);
}
