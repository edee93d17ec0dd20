#include "store/RepeatRule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using TUnit = TRepeatRule::TUnit;

TEST(RepeatRuleTest, ReadsEveryUnitAndWritesItBack) {
    struct TCase {
        const char* Text;
        TUnit Unit;
        int Count;
        int SeriesDay;
        const char* Written;
    };
    const TCase cases[] = {
        {"every 1 minute", TUnit::Minute, 1, 0, "every 1 minute"},
        {"every 30 minutes", TUnit::Minute, 30, 0, "every 30 minutes"},
        {"every 999 hours", TUnit::Hour, 999, 0, "every 999 hours"},
        {"every 1 day", TUnit::Day, 1, 0, "every 1 day"},
        {"every 1 days", TUnit::Day, 1, 0, "every 1 day"},
        {"every 2 week", TUnit::Week, 2, 0, "every 2 weeks"},
        {"every 1 month on day 31", TUnit::Month, 1, 31, "every 1 month on day 31"},
        {"every 12 months on day 1", TUnit::Month, 12, 1, "every 12 months on day 1"},
        {"every 1 year", TUnit::Year, 1, 0, "every 1 year"},
        {"every 4 years on day 29", TUnit::Year, 4, 29, "every 4 years on day 29"},
        {"every weekday", TUnit::Weekday, 1, 0, "every weekday"},
    };
    for (const TCase& test : cases) {
        TRepeatRule rule;
        ASSERT_TRUE(ParseRepeatRule(test.Text, rule)) << test.Text;
        EXPECT_EQ(static_cast<int>(rule.Unit), static_cast<int>(test.Unit)) << test.Text;
        EXPECT_EQ(rule.Count, test.Count) << test.Text;
        EXPECT_EQ(rule.SeriesDay, test.SeriesDay) << test.Text;
        EXPECT_EQ(FormatRepeatRule(rule), test.Written);
    }
}

TEST(RepeatRuleTest, RejectsAnyOtherText) {
    const std::string texts[] = {
        "", "every", "every ", "every 0 days", "every 01 day", "every 1000 days", "every 99999999999999999999 days",
        "every -1 days", "every +1 day", "every  1 day", "every 1  day", "every 1 days ", " every 1 day", "every 1 day\n",
        std::string("every 1 day\0", 12), "Every 1 day", "every 1 DAY", "every 1 dayss", "every 1 fortnight",
        "every 1 day on day 5", "every 1 week on day 5", "every 1 month on day 32", "every 1 month on day 0",
        "every 1 month on day 05", "every 1 month on day", "every 1 month on day 31 ", "every 1 month on  day 3",
        "every weekdays", "every 1 weekday", "every weekday ", "every 2 weekdays"};
    for (const std::string& text : texts) {
        TRepeatRule rule;
        EXPECT_FALSE(ParseRepeatRule(text, rule)) << text;
    }
}

TEST(RepeatRuleTest, ComparesEveryField) {
    TRepeatRule rule;
    rule.Unit = TUnit::Month;
    rule.Count = 2;
    rule.SeriesDay = 30;
    TRepeatRule other = rule;
    EXPECT_TRUE(rule == other);
    other.Unit = TUnit::Year;
    EXPECT_FALSE(rule == other);
    other = rule;
    other.Count = 3;
    EXPECT_FALSE(rule == other);
    other = rule;
    other.SeriesDay = 0;
    EXPECT_FALSE(rule == other);
}

TEST(RepeatRuleTest, DescribesTheRuleWithoutTheSeriesDay) {
    const char* const cases[][2] = {
        {"every 1 day", "every day"},       {"every 2 weeks", "every 2 weeks"},  {"every 1 minute", "every minute"},
        {"every 30 minutes", "every 30 minutes"}, {"every weekday", "every weekday"},
        {"every 1 month on day 31", "every month"}, {"every 3 years on day 29", "every 3 years"},
        {"every 1 hour", "every hour"}};
    for (const auto& test : cases) {
        TRepeatRule rule;
        ASSERT_TRUE(ParseRepeatRule(test[0], rule)) << test[0];
        EXPECT_EQ(DescribeRepeatRule(rule), test[1]);
    }
}

namespace {

struct TNextCase {
    const char* Due;
    const char* Rule;
    const char* Now;
    const char* Next;
    // The rule as stored with the next occurrence.
    const char* RuleAfter;
};

void ExpectNextOccurrences(const std::vector<TNextCase>& cases) {
    for (const TNextCase& test : cases) {
        TRepeatRule rule;
        ASSERT_TRUE(ParseRepeatRule(test.Rule, rule)) << test.Rule;
        EXPECT_EQ(GetNextOccurrence(test.Due, rule, test.Now), test.Next)
            << test.Due << " " << test.Rule << ", now " << test.Now;
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
