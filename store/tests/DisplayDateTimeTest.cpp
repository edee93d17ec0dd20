#include "store/DisplayDateTime.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(DisplayDateTimeTest, WritesTheLocaleShortDateAndTime) {
    // 29 May 2011 was a Sunday.
    SYSTEMTIME time{2011, 5, 0, 29, 22, 31, 0, 0};
    wchar_t date[100] = {};
    wchar_t clock[100] = {};
    ASSERT_GT(GetDateFormatW(LOCALE_USER_DEFAULT, 0, &time, nullptr, date, 100), 0);
    ASSERT_GT(GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &time, nullptr, clock, 100), 0);
    const std::wstring shown = FormatDateTimeForDisplay("2011.05.29 22:31:00");
    EXPECT_EQ(shown, std::wstring(date) + L" " + clock);
    EXPECT_NE(shown.find(L"2011"), std::wstring::npos) << shown;
    EXPECT_NE(shown.find(L"31"), std::wstring::npos) << shown;
}

TEST(DisplayDateTimeTest, ShowsNothingForATextThatIsNoDate) {
    EXPECT_EQ(FormatDateTimeForDisplay("not a date"), L"");
    EXPECT_EQ(FormatDateTimeForDisplay(""), L"");
}
