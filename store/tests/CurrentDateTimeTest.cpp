#include "store/Calendar.h"
#include "store/CurrentDateTime.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
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
    ASSERT_EQ(now.size(), 19u);
    const std::string picture = "dddd.dd.dd dd:dd:dd";
    for (std::size_t i = 0; i < picture.size(); ++i) {
        if (picture[i] == 'd') {
            EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(now[i]))) << now;
        } else {
            EXPECT_EQ(now[i], picture[i]) << now;
        }
    }
    TCalendarFields fields;
    EXPECT_TRUE(ReadDateTimeFields(now, fields)) << now;
    EXPECT_LE(before, now);
    EXPECT_LE(now, after);
}
