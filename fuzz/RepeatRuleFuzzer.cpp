// Repeat rule texts, and the next occurrence of a series: the input is a rule, then optionally
// a due date and the current time, separated by NUL bytes. Any rule text is either refused or
// written back to a text that reads as the same rule; a next occurrence is a date after both
// the due date and now, a whole number of steps after the due date, and the first such one; a
// series said to end has no such date before the year 10000, by a search step by step.

#include "fuzz/FuzzCheck.h"
#include "store/Calendar.h"
#include "store/RepeatRule.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using TUnit = TRepeatRule::TUnit;

std::vector<std::string> SplitAtNul(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\0', start)) != std::string::npos; start = end + 1) {
        parts.push_back(text.substr(start, end - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

void CheckWrittenBack(const TRepeatRule& rule) {
    TRepeatRule reread;
    FUZZ_CHECK(ParseRepeatRule(FormatRepeatRule(rule), reread));
    FUZZ_CHECK(reread == rule);
}

bool ReadSeconds(const TDateTimeText& text, std::int64_t& seconds) {
    TCalendarFields fields;
    if (!ReadDateTimeFields(text, fields)) {
        return false;
    }
    seconds = CountSecondsSince1601(fields);
    return true;
}

std::int64_t GetStepSeconds(const TRepeatRule& rule) {
    static const std::int64_t unitSeconds[] = {60, 3600, 86400, 7 * 86400};
    return rule.Count * unitSeconds[static_cast<int>(rule.Unit)];
}

bool IsCountedInSeconds(const TRepeatRule& rule) {
    return rule.Unit != TUnit::Weekday && rule.Unit != TUnit::Month && rule.Unit != TUnit::Year;
}

int CountMonths(const TCalendarFields& fields) { return fields.Year * 12 + fields.Month - 1; }

// The occurrence stands on the series' day as far as its month has it, a whole number of steps
// after the due date's month, and the occurrence a step before it is not yet after now.
void CheckMonthOccurrence(const TDateTimeText& due, const TRepeatRule& parsed, const TRepeatRule& ruleAfter,
                          const TCalendarFields& next, std::int64_t nowSeconds) {
    TCalendarFields dueFields;
    FUZZ_CHECK(ReadDateTimeFields(due, dueFields));
    const int seriesDay = parsed.SeriesDay != 0 ? parsed.SeriesDay : dueFields.Day;
    FUZZ_CHECK(next.Day == std::min(seriesDay, CountDaysInMonth(next.Year, next.Month)));
    FUZZ_CHECK(ruleAfter.SeriesDay == (next.Day < seriesDay ? seriesDay : 0));
    const int monthsPerStep = parsed.Count * (parsed.Unit == TUnit::Year ? 12 : 1);
    const int monthsApart = CountMonths(next) - CountMonths(dueFields);
    FUZZ_CHECK(monthsApart > 0 && monthsApart % monthsPerStep == 0);
    if (monthsApart > monthsPerStep) {
        TCalendarFields previous = next;
        previous.Year = (CountMonths(next) - monthsPerStep) / 12;
        previous.Month = (CountMonths(next) - monthsPerStep) % 12 + 1;
        previous.Day = std::min(seriesDay, CountDaysInMonth(previous.Year, previous.Month));
        FUZZ_CHECK(CountSecondsSince1601(previous) <= nowSeconds);
    }
}

// Every occurrence after the due date up to the last second of 9999, searched for one after
// both the due date and now.
void CheckSeriesEnded(const TDateTimeText& due, const TRepeatRule& rule, std::int64_t dueSeconds,
                      std::int64_t nowSeconds) {
    TCalendarFields lastFields;
    FUZZ_CHECK(ReadDateTimeFields("9999.12.31 23:59:59", lastFields));
    const std::int64_t last = CountSecondsSince1601(lastFields);
    const std::int64_t after = std::max(dueSeconds, nowSeconds);
    if (IsCountedInSeconds(rule)) {
        const std::int64_t step = GetStepSeconds(rule);
        FUZZ_CHECK(dueSeconds + (last - dueSeconds) / step * step <= after);
    } else if (rule.Unit == TUnit::Weekday) {
        for (std::int64_t day = after - after % 86400 + dueSeconds % 86400; day <= last; day += 86400) {
            TCalendarFields fields;
            FUZZ_CHECK(MakeCalendarFields(day, fields));
            FUZZ_CHECK(day <= after || fields.DayOfWeek == 0 || fields.DayOfWeek == 6);
        }
    } else {
        TCalendarFields occurrence;
        FUZZ_CHECK(ReadDateTimeFields(due, occurrence));
        const int seriesDay = rule.SeriesDay != 0 ? rule.SeriesDay : occurrence.Day;
        const int monthsPerStep = rule.Count * (rule.Unit == TUnit::Year ? 12 : 1);
        for (int months = CountMonths(occurrence) + monthsPerStep; months / 12 <= 9999; months += monthsPerStep) {
            occurrence.Year = months / 12;
            occurrence.Month = months % 12 + 1;
            occurrence.Day = std::min(seriesDay, CountDaysInMonth(occurrence.Year, occurrence.Month));
            FUZZ_CHECK(CountSecondsSince1601(occurrence) <= after);
        }
    }
}

void CheckNextOccurrence(const TDateTimeText& due, const TRepeatRule& parsed, const TDateTimeText& now) {
    TRepeatRule rule = parsed;
    const TDateTimeText next = GetNextOccurrence(due, rule, now);
    std::int64_t dueSeconds = 0;
    std::int64_t nowSeconds = 0;
    if (!ReadSeconds(due, dueSeconds) || !ReadSeconds(now, nowSeconds)) {
        FUZZ_CHECK(next.empty());
        return;
    }
    CheckWrittenBack(rule);
    if (next.empty()) {
        CheckSeriesEnded(due, parsed, dueSeconds, nowSeconds);
        return;
    }
    std::int64_t nextSeconds = 0;
    FUZZ_CHECK(ReadSeconds(next, nextSeconds));
    TCalendarFields nextFields;
    FUZZ_CHECK(MakeCalendarFields(nextSeconds, nextFields) && WriteDateTimeText(nextFields) == next);
    FUZZ_CHECK(nextSeconds > nowSeconds && nextSeconds > dueSeconds);
    FUZZ_CHECK((nextSeconds - dueSeconds) % 86400 == 0 || IsCountedInSeconds(rule));
    if (rule.Unit == TUnit::Weekday) {
        FUZZ_CHECK(nextFields.DayOfWeek != 0 && nextFields.DayOfWeek != 6);
        const std::int64_t daysSincePreviousWeekday = nextFields.DayOfWeek == 1 ? 3 : 1;
        FUZZ_CHECK(nextSeconds - daysSincePreviousWeekday * 86400 <= std::max(dueSeconds, nowSeconds));
    } else if (IsCountedInSeconds(rule)) {
        const std::int64_t step = GetStepSeconds(rule);
        FUZZ_CHECK((nextSeconds - dueSeconds) % step == 0);
        FUZZ_CHECK(nextSeconds - step <= nowSeconds || nextSeconds - step == dueSeconds);
    } else {
        CheckMonthOccurrence(due, parsed, rule, nextFields, nowSeconds);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> parts = SplitAtNul(std::string(reinterpret_cast<const char*>(data), size));
    TRepeatRule rule;
    if (!ParseRepeatRule(parts[0], rule)) {
        return 0;
    }
    CheckWrittenBack(rule);
    if (parts.size() >= 3) {
        CheckNextOccurrence(parts[1], rule, parts[2]);
    }
    return 0;
}
