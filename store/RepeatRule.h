#pragma once

#include "store/DateTimeText.h"

#include <string>

// How a repeating reminder's series goes on after each occurrence. Its text stands in the data
// file after the occurrence's due date: "every 1 day", "every 30 minutes", "every weekday", and
// for a month or year series whose occurrence had to move to an earlier day of a shorter month,
// the series' own day after it: "every 1 month on day 31".
struct TRepeatRule {
    enum class TUnit { Minute, Hour, Day, Week, Month, Year, Weekday };

    TUnit Unit = TUnit::Day;
    // 1 to 999; always 1 for weekdays.
    int Count = 1;
    // Month and year series: the day of the month the series keeps, when the occurrence it goes
    // with stands on an earlier day (30 April for a series on the 31st); 0 when it stands on it.
    int SeriesDay = 0;
};

bool operator==(const TRepeatRule& left, const TRepeatRule& right);

// Reads a rule as written by FormatRepeatRule; the unit may be written singular or plural
// whatever the count. Anything else gives false: such a text is kept as it stands, and its
// reminder fires once.
bool ParseRepeatRule(const std::string& text, TRepeatRule& rule);
std::string FormatRepeatRule(const TRepeatRule& rule);

// The series' first occurrence strictly after now, counted on from the occurrence due at due:
// its time of day stays, and so does the series' day of the month, as far as each month allows;
// rule.SeriesDay is set for the occurrence returned. The occurrence is also after due, even when
// due is later than now. Empty when that occurrence would pass the year 9999, when due or now is
// not a readable date, or when the rule's count or series day is out of its range.
TDateTimeText GetNextOccurrence(const TDateTimeText& due, TRepeatRule& rule, const TDateTimeText& now);

// The first occurrence of a series that starts at start, at or after it, that lies after now:
// start itself when it is after now and on a day the series has (a weekday series has no
// weekends), else the first one after both. Empty as for GetNextOccurrence.
TDateTimeText GetFirstOccurrence(const TDateTimeText& start, TRepeatRule& rule, const TDateTimeText& now);
