#include "store/RepeatRule.h"

#include "store/Calendar.h"
#include "store/RepeatRuleLimits.h"

#include <algorithm>
#include <cstdint>

namespace {

using TUnit = TRepeatRule::TUnit;

const int LastYear = 9999;
const std::int64_t SecondsPerDay = 86400;

// Other values would overflow the arithmetic below or step backwards.
bool IsUsable(const TRepeatRule& rule) {
    return rule.Unit == TUnit::Weekday || (rule.Count >= 1 && rule.Count <= MaxRepeatCount && rule.SeriesDay >= 0 &&
                                           rule.SeriesDay <= MaxSeriesDay);
}

// The first of the steps due + k * step, k >= 1, that lies after now; the seconds since 1601 of
// any two dates differ by far less than 64 bits can hold.
std::int64_t StepPast(std::int64_t due, std::int64_t step, std::int64_t now) {
    const std::int64_t steps = now < due ? 1 : (now - due) / step + 1;
    return due + steps * step;
}

TDateTimeText WriteSeconds(std::int64_t seconds) {
    TCalendarFields fields;
    return MakeCalendarFields(seconds, fields) ? WriteDateTimeText(fields) : TDateTimeText();
}

bool IsWeekday(const TCalendarFields& fields) { return fields.DayOfWeek != 0 && fields.DayOfWeek != 6; }

// Weekends are stepped over a day at a time: at most three days from any start.
TDateTimeText FindNextWeekday(std::int64_t due, std::int64_t now) {
    const std::int64_t start = std::max(due, now);
    std::int64_t candidate = start - start % SecondsPerDay + due % SecondsPerDay;
    if (candidate <= start) {
        candidate += SecondsPerDay;
    }
    TCalendarFields fields;
    for (;;) {
        if (!MakeCalendarFields(candidate, fields)) {
            return TDateTimeText();
        }
        if (IsWeekday(fields)) {
            return WriteDateTimeText(fields);
        }
        candidate += SecondsPerDay;
    }
}

// A month or year series: the months of its occurrences, each on the series' day as far as
// the month has it.
class TMonthSeries {
public:
    TMonthSeries(const TCalendarFields& due, const TRepeatRule& rule)
        : Due(due), MonthsPerStep(rule.Count * (rule.Unit == TUnit::Year ? 12 : 1)),
          SeriesDay(rule.SeriesDay != 0 ? rule.SeriesDay : due.Day) {}

    // The first step that could lie after now: the ones before it fall in earlier months.
    int FindFirstStepToTry(const TCalendarFields& now) const {
        const int months = CountMonths(now) - CountMonths(Due);
        return std::max(1, months / MonthsPerStep);
    }

    // False when the step's month lies past the last year.
    bool GetOccurrence(int step, TCalendarFields& occurrence) const {
        const int months = CountMonths(Due) + step * MonthsPerStep;
        occurrence = Due;
        occurrence.Year = months / 12;
        occurrence.Month = months % 12 + 1;
        if (occurrence.Year > LastYear) {
            return false;
        }
        occurrence.Day = std::min(SeriesDay, CountDaysInMonth(occurrence.Year, occurrence.Month));
        return true;
    }

    int GetSeriesDayKept(const TCalendarFields& occurrence) const {
        return occurrence.Day < SeriesDay ? SeriesDay : 0;
    }

private:
    static int CountMonths(const TCalendarFields& fields) { return fields.Year * 12 + fields.Month - 1; }

    TCalendarFields Due;
    int MonthsPerStep;
    int SeriesDay;
};

// The step found first for now lies at most two steps before the answer: the step after it
// already falls in a later month than now.
TDateTimeText FindNextInMonths(const TCalendarFields& due, TRepeatRule& rule, const TCalendarFields& now) {
    const TMonthSeries series(due, rule);
    const std::int64_t nowSeconds = CountSecondsSince1601(now);
    TCalendarFields occurrence;
    for (int step = series.FindFirstStepToTry(now);; ++step) {
        if (!series.GetOccurrence(step, occurrence)) {
            return TDateTimeText();
        }
        if (CountSecondsSince1601(occurrence) > nowSeconds) {
            rule.SeriesDay = series.GetSeriesDayKept(occurrence);
            return WriteDateTimeText(occurrence);
        }
    }
}

std::int64_t GetStepSeconds(const TRepeatRule& rule) {
    switch (rule.Unit) {
    case TUnit::Minute:
        return rule.Count * std::int64_t{60};
    case TUnit::Hour:
        return rule.Count * std::int64_t{3600};
    case TUnit::Day:
        return rule.Count * SecondsPerDay;
    default:
        return rule.Count * 7 * SecondsPerDay;
    }
}

}  // namespace

TDateTimeText GetNextOccurrence(const TDateTimeText& due, TRepeatRule& rule, const TDateTimeText& now) {
    TCalendarFields dueFields;
    TCalendarFields nowFields;
    if (!IsUsable(rule) || !ReadDateTimeFields(due, dueFields) || !ReadDateTimeFields(now, nowFields)) {
        return TDateTimeText();
    }
    const std::int64_t dueSeconds = CountSecondsSince1601(dueFields);
    const std::int64_t nowSeconds = CountSecondsSince1601(nowFields);
    switch (rule.Unit) {
    case TUnit::Weekday:
        return FindNextWeekday(dueSeconds, nowSeconds);
    case TUnit::Month:
    case TUnit::Year:
        return FindNextInMonths(dueFields, rule, nowFields);
    default:
        // With no time zone in the dates, a day is always the same number of seconds.
        return WriteSeconds(StepPast(dueSeconds, GetStepSeconds(rule), nowSeconds));
    }
}

TDateTimeText GetFirstOccurrence(const TDateTimeText& start, TRepeatRule& rule, const TDateTimeText& now) {
    TCalendarFields startFields;
    TCalendarFields nowFields;
    if (!IsUsable(rule) || !ReadDateTimeFields(start, startFields) || !ReadDateTimeFields(now, nowFields)) {
        return TDateTimeText();
    }
    const bool isOccurrence = rule.Unit != TUnit::Weekday || IsWeekday(startFields);
    if (isOccurrence && CountSecondsSince1601(startFields) > CountSecondsSince1601(nowFields)) {
        return WriteDateTimeText(startFields);
    }
    return GetNextOccurrence(start, rule, now);
}
