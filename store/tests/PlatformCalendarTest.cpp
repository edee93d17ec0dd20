#include "store/Calendar.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <random>

namespace {

const ULONGLONG TicksPerSecond = 10000000;

}  // namespace

// The calendar arithmetic must give what the platform's conversions give, in both directions.
TEST(PlatformCalendarTest, AgreesWithThePlatformOverTheWholeRange) {
    std::mt19937_64 random(3);
    TCalendarFields last;
    ASSERT_TRUE(ReadDateTimeFields("9999.12.31 23:59:59", last));
    const std::int64_t lastSecond = CountSecondsSince1601(last);
    for (int sample = 0; sample < 20000; ++sample) {
        const std::int64_t seconds = static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(lastSecond + 1));
        TCalendarFields fields;
        ASSERT_TRUE(MakeCalendarFields(seconds, fields));
        ULARGE_INTEGER ticks;
        ticks.QuadPart = static_cast<ULONGLONG>(seconds) * TicksPerSecond;
        FILETIME fileTime{ticks.LowPart, ticks.HighPart};
        SYSTEMTIME platform{};
        ASSERT_TRUE(FileTimeToSystemTime(&fileTime, &platform));
        ASSERT_EQ(fields.Year, platform.wYear);
        ASSERT_EQ(fields.Month, platform.wMonth);
        ASSERT_EQ(fields.Day, platform.wDay);
        ASSERT_EQ(fields.DayOfWeek, platform.wDayOfWeek);
        ASSERT_EQ(fields.Hour, platform.wHour);
        ASSERT_EQ(fields.Minute, platform.wMinute);
        ASSERT_EQ(fields.Second, platform.wSecond);
        FILETIME back{};
        ASSERT_TRUE(SystemTimeToFileTime(&platform, &back));
        ticks.LowPart = back.dwLowDateTime;
        ticks.HighPart = back.dwHighDateTime;
        ASSERT_EQ(CountSecondsSince1601(fields), static_cast<std::int64_t>(ticks.QuadPart / TicksPerSecond));
    }
}
