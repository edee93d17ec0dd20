#include "store/RepeatRule.h"

#include <gtest/gtest.h>

#include <vector>

using TUnit = TRepeatRule::TUnit;

namespace {

struct TNextCase {
    const char* Due;
    const char* Rule;
    const char* Now;
    const char* Next;
    // The rule as stored with the next occurrence.
    const char* RuleAfter;
    // Due is where the series starts, and may be its first occurrence.
    bool FromStart = false;
};

void ExpectNextOccurrences(const std::vector<TNextCase>& cases) {
    for (const TNextCase& test : cases) {
        TRepeatRule rule;
        ASSERT_TRUE(ParseRepeatRule(test.Rule, rule)) << test.Rule;
        const TDateTimeText next =
            test.FromStart ? GetFirstOccurrence(test.Due, rule, test.Now) : GetNextOccurrence(test.Due, rule, test.Now);
        EXPECT_EQ(next, test.Next) << test.Due << " " << test.Rule << ", now " << test.Now;
        EXPECT_EQ(FormatRepeatRule(rule), test.RuleAfter) << test.Due << " " << test.Rule << ", now " << test.Now;
    }
}

}  // namespace

TEST(NextOccurrenceTest, MinutesHoursDaysAndWeeksKeepTheSeriesPhase) {
    ExpectNextOccurrences({
        {"2026.12.08 08:15:00", "every 30 minutes", "2026.12.11 10:40:00", "2026.12.11 10:45:00", "every 30 minutes"},
        {"2026.12.08 08:15:00", "every 30 minutes", "2026.12.11 10:45:00", "2026.12.11 11:15:00", "every 30 minutes"},
        {"2026.12.08 08:15:00", "every 30 minutes", "2026.12.01 00:00:00", "2026.12.08 08:45:00", "every 30 minutes"},
        {"2026.12.08 01:00:00", "every 7 hours", "2026.12.10 00:00:00", "2026.12.10 02:00:00", "every 7 hours"},
        {"2026.12.30 09:00:00", "every 1 day", "2026.12.31 09:00:00", "2027.01.01 09:00:00", "every 1 day"},
        {"2028.02.28 23:30:00", "every 1 day", "2028.02.29 00:00:00", "2028.02.29 23:30:00", "every 1 day"},
        {"2026.12.01 09:00:00", "every 2 weeks", "2027.01.20 12:00:00", "2027.01.26 09:00:00", "every 2 weeks"},
    });
}

TEST(NextOccurrenceTest, CatchesUpAfterCenturiesInOneStep) {
    // Counted a minute at a time, these would be billions of steps.
    ExpectNextOccurrences({
        {"2025.12.08 09:00:30", "every 1 minute", "2026.12.08 09:00:30", "2026.12.08 09:01:30", "every 1 minute"},
        {"1601.01.01 00:00:00", "every 1 minute", "9999.12.31 23:58:30", "9999.12.31 23:59:00", "every 1 minute"},
        {"1601.01.01 00:00:00", "every 1 month", "9999.11.30 00:00:00", "9999.12.01 00:00:00", "every 1 month"},
    });
}

TEST(NextOccurrenceTest, WeekdaysStepOverTheWeekend) {
    ExpectNextOccurrences({
        {"2026.12.11 09:00:00", "every weekday", "2026.12.11 09:00:00", "2026.12.14 09:00:00", "every weekday"},
        {"2026.12.11 09:00:00", "every weekday", "2026.12.12 12:00:00", "2026.12.14 09:00:00", "every weekday"},
        {"2026.12.07 09:00:00", "every weekday", "2026.12.08 08:00:00", "2026.12.08 09:00:00", "every weekday"},
        {"2026.12.07 09:00:00", "every weekday", "2026.12.08 10:00:00", "2026.12.09 09:00:00", "every weekday"},
        {"2026.12.14 09:00:00", "every weekday", "2026.12.01 00:00:00", "2026.12.15 09:00:00", "every weekday"},
        {"2026.12.12 18:00:00", "every weekday", "2026.12.12 10:00:00", "2026.12.14 18:00:00", "every weekday", true},
        {"2026.12.14 18:00:00", "every weekday", "2026.12.12 10:00:00", "2026.12.14 18:00:00", "every weekday", true},
        {"2026.12.11 09:00:00", "every weekday", "2026.12.11 09:00:00", "2026.12.14 09:00:00", "every weekday", true},
    });
}

TEST(NextOccurrenceTest, MonthsKeepTheSeriesDayThroughShorterMonths) {
    ExpectNextOccurrences({
        {"2027.01.31 09:00:00", "every 1 month", "2027.01.31 09:00:00", "2027.02.28 09:00:00", "every 1 month on day 31"},
        {"2027.02.28 09:00:00", "every 1 month on day 31", "2027.02.28 09:00:00", "2027.03.31 09:00:00",
         "every 1 month"},
        {"2027.03.31 09:00:00", "every 1 month", "2027.04.01 00:00:00", "2027.04.30 09:00:00", "every 1 month on day 31"},
        {"2028.01.31 09:00:00", "every 1 month", "2028.01.31 09:00:00", "2028.02.29 09:00:00", "every 1 month on day 31"},
        {"2026.11.30 09:00:00", "every 3 months", "2026.12.01 00:00:00", "2027.02.28 09:00:00",
         "every 3 months on day 30"},
        {"2026.12.15 10:00:00", "every 1 month", "2026.12.20 00:00:00", "2027.01.15 10:00:00", "every 1 month"},
        {"2026.01.31 09:00:00", "every 1 month", "2026.06.15 12:00:00", "2026.06.30 09:00:00", "every 1 month on day 31"},
        {"2026.01.31 09:00:00", "every 1 month", "2026.06.30 09:00:00", "2026.07.31 09:00:00", "every 1 month"},
        {"2020.01.31 09:00:00", "every 2 months", "2026.03.31 09:00:01", "2026.05.31 09:00:00", "every 2 months"},
        {"2027.02.28 10:00:00", "every 1 month on day 31", "2027.02.01 00:00:00", "2027.02.28 10:00:00",
         "every 1 month on day 31", true},
    });
}

TEST(NextOccurrenceTest, YearsKeepThe29thOfFebruaryForLeapYears) {
    ExpectNextOccurrences({
        {"2024.02.29 07:00:00", "every 1 year", "2024.03.01 00:00:00", "2025.02.28 07:00:00", "every 1 year on day 29"},
        {"2025.02.28 07:00:00", "every 1 year on day 29", "2025.02.28 07:00:00", "2026.02.28 07:00:00",
         "every 1 year on day 29"},
        {"2027.02.28 07:00:00", "every 1 year on day 29", "2027.03.01 00:00:00", "2028.02.29 07:00:00",
         "every 1 year"},
        {"2096.02.29 07:00:00", "every 4 years", "2096.03.01 00:00:00", "2100.02.28 07:00:00",
         "every 4 years on day 29"},
        {"2000.06.15 08:00:00", "every 1 year", "2026.06.15 08:00:00", "2027.06.15 08:00:00", "every 1 year"},
        {"2030.01.01 00:00:00", "every 1 year", "2026.01.01 00:00:00", "2031.01.01 00:00:00", "every 1 year"},
    });
}

TEST(NextOccurrenceTest, EndsAfterTheYear9999OrOnUnreadableDates) {
    ExpectNextOccurrences({
        {"9999.12.30 23:59:59", "every 1 day", "9999.12.30 23:59:59", "9999.12.31 23:59:59", "every 1 day"},
        {"9999.12.31 23:59:00", "every 1 minute", "9999.12.31 23:59:00", "", "every 1 minute"},
        {"9999.12.31 09:00:00", "every weekday", "9999.12.31 09:00:00", "", "every weekday"},
        {"9999.12.01 00:00:00", "every 1 month", "9999.12.01 00:00:00", "", "every 1 month"},
        {"9999.06.01 00:00:00", "every 1 year", "9999.06.01 00:00:00", "", "every 1 year"},
        {"9000.06.01 00:00:00", "every 999 years", "9000.06.01 00:00:00", "9999.06.01 00:00:00", "every 999 years"},
        {"2026.02.30 09:00:00", "every 1 day", "2026.03.01 00:00:00", "", "every 1 day"},
        {"2026.02.01 09:00:00", "every 1 day", "", "", "every 1 day"},
    });
}

TEST(NextOccurrenceTest, FollowsNoRuleOutsideTheRangesOfItsText) {
    const TRepeatRule rules[] = {{TUnit::Minute, 0, 0}, {TUnit::Month, 1000, 0}, {TUnit::Day, -1, 0},
                                 {TUnit::Month, 1, 32}, {TUnit::Year, 1, -1}};
    for (TRepeatRule rule : rules) {
        EXPECT_EQ(GetNextOccurrence("2026.12.08 09:00:00", rule, "2026.12.08 09:00:00"), "") << rule.Count;
    }
}
