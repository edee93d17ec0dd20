#include "store/Calendar.h"
#include "store/CurrentDateTime.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TDateTimeText ReadSystemLocalTime() {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    char text[32] = {};
    std::snprintf(text, sizeof(text), "%04u.%02u.%02u %02u:%02u:%02u", local.wYear, local.wMonth, local.wDay,
                  local.wHour, local.wMinute, local.wSecond);
    return text;
}

}  // namespace

TEST(CurrentDateTimeTest, IsTheSystemsLocalTimeInTheFixedPicture) {
    const TDateTimeText before = ReadSystemLocalTime();
    const TDateTimeText now = GetCurrentDateTime();
    const TDateTimeText after = ReadSystemLocalTime();
    TCalendarFields fields;
    ASSERT_TRUE(ReadDateTimeFields(now, fields)) << now;
    EXPECT_EQ(WriteDateTimeText(fields), now);
    EXPECT_LE(before, now);
    EXPECT_LE(now, after);
}
