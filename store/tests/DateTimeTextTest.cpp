#include "store/Calendar.h"
#include "store/DateTimeText.h"

#include <gtest/gtest.h>

TEST(AddDurationTest, CarriesIntoTheNextDayMonthAndYear) {
    EXPECT_EQ(AddDuration("2011.05.31 23:59:59", "00:00:01"), "2011.06.01 00:00:00");
    EXPECT_EQ(AddDuration("2011.12.31 23:00:00", "01:00:00"), "2012.01.01 00:00:00");
    EXPECT_EQ(AddDuration("2011.06.01 00:00:00", "00:90:00"), "2011.06.01 01:30:00");
}

TEST(AddDurationTest, KnowsLeapDays) {
    EXPECT_EQ(AddDuration(AddDuration("2012.02.28 12:00:00", "12:00:00"), "12:00:00"), "2012.02.29 12:00:00");
    EXPECT_EQ(AddDuration("2011.02.28 12:00:00", "24:00:00"), "2011.03.01 12:00:00");
    EXPECT_EQ(AddDuration("1900.02.28 00:00:00", "24:00:00"), "1900.03.01 00:00:00");
    EXPECT_EQ(AddDuration("2000.02.28 00:00:00", "24:00:00"), "2000.02.29 00:00:00");
}

TEST(AddDurationTest, GoesBackwardsForNegativeFields) {
    EXPECT_EQ(AddDuration("2011.06.01 00:00:00", "-01:00:00"), "2011.05.31 23:00:00");
    EXPECT_EQ(AddDuration("2012.03.01 00:00:00", "00:00:-1"), "2012.02.29 23:59:59");
    EXPECT_EQ(AddDuration("2011.01.01 00:30:00", "01:-90:00"), "2011.01.01 00:00:00");
}

TEST(AddDurationTest, TakesSecondsBeyondThirtyTwoBits) {
    // 100 years of seconds do not fit in 32 bits.
    EXPECT_EQ(AddDuration("1901.01.01 00:00:00", "00:00:3155760000"), "2001.01.01 00:00:00");
    EXPECT_EQ(AddDuration("2001.01.01 00:00:00", "-876600:00:00"), "1901.01.01 00:00:00");
}

TEST(AddDurationTest, GivesNoDateForUnreadableInputOrResultsOutOfRange) {
    EXPECT_EQ(AddDuration("", "01:00:00"), "");
    EXPECT_EQ(AddDuration("2011.00.10 00:00:00", "01:00:00"), "");
    EXPECT_EQ(AddDuration("2011.02.29 00:00:00", "01:00:00"), "");
    EXPECT_EQ(AddDuration("2011.05.16 24:00:00", "01:00:00"), "");
    EXPECT_EQ(AddDuration("2011.05.16 22:53:00", "01:00"), "");
    EXPECT_EQ(AddDuration("2011.05.16 22:53:00", "99999999999:00:00"), "");
    EXPECT_EQ(AddDuration("9999.12.31 23:59:59", "00:00:01"), "");
    EXPECT_EQ(AddDuration("1601.01.01 00:00:00", "00:00:-1"), "");
    EXPECT_EQ(AddDuration("2011.05.16 22:53:00", "00:00:9223372036854775807"), "");
    EXPECT_EQ(AddDuration("2011.05.16 22:53:00", "-1:00:-9223372036854775808"), "");
}

TEST(CalendarTest, CountsFromTheFirstOf1601AndBackAcrossTheWholeRange) {
    TCalendarFields fields;
    ASSERT_TRUE(ReadDateTimeFields("1601.01.01 00:00:00", fields));
    EXPECT_EQ(CountSecondsSince1601(fields), 0);
    // 1970-01-01 is 11644473600 seconds after 1601-01-01, the platform's well-known offset.
    ASSERT_TRUE(ReadDateTimeFields("1970.01.01 00:00:00", fields));
    EXPECT_EQ(CountSecondsSince1601(fields), 11644473600LL);
    for (std::int64_t seconds = 0; seconds < 265000000000LL; seconds += 86399 * 37 + 3) {
        ASSERT_TRUE(MakeCalendarFields(seconds, fields));
        TCalendarFields reread;
        ASSERT_TRUE(ReadDateTimeFields(WriteDateTimeText(fields), reread)) << WriteDateTimeText(fields);
        ASSERT_EQ(CountSecondsSince1601(reread), seconds);
        ASSERT_EQ(reread.DayOfWeek, fields.DayOfWeek);
    }
}

TEST(CalendarTest, NamesTheDayOfTheWeek) {
    TCalendarFields fields;
    ASSERT_TRUE(ReadDateTimeFields("2011.05.29 22:31:00", fields));
    EXPECT_EQ(fields.DayOfWeek, 0);
    ASSERT_TRUE(ReadDateTimeFields("2000.02.29 00:00:00", fields));
    EXPECT_EQ(fields.DayOfWeek, 2);
    ASSERT_TRUE(ReadDateTimeFields("1601.01.01 00:00:00", fields));
    EXPECT_EQ(fields.DayOfWeek, 1);
}

TEST(DateTimeTextTest, OrdersChronologicallyAsBytes) {
    const TDateTimeText date = "2011.05.16 22:53:00";
    EXPECT_LT(date, TDateTimeText("2011.06.01 00:00:00"));
    EXPECT_GT(date, TDateTimeText("2011.05.01 12:12:12"));
    EXPECT_EQ(date, TDateTimeText("2011.05.16 22:53:00"));
    EXPECT_LT(TDateTimeText(), date);
}
