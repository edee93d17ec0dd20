#include "store/RepeatRule.h"

#include <gtest/gtest.h>

#include <string>

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
