#include "ui/ControlDatePicker.h"
#include "ui/ControlTimePicker.h"
#include "ui/PickerFields.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>

TEST(PickerFields, ReadingStopsAtTheFirstFieldThatIsNotANumber) {
    using TFields = std::array<WORD, 3>;
    EXPECT_EQ(ReadPickerFields("2011.1.5", '.'), (TFields{2011, 1, 5}));
    EXPECT_EQ(ReadPickerFields("2011.05.16 22:53:00", '.'), (TFields{2011, 5, 16}));
    EXPECT_EQ(ReadPickerFields("8:x:3", ':'), (TFields{8, 0, 0}));
    EXPECT_EQ(ReadPickerFields("", ':'), (TFields{0, 0, 0}));
    EXPECT_EQ(ReadPickerFields("12:70000:1", ':'), (TFields{12, 0, 0}));
}

TEST(ControlDatePicker, ADateReadsBackWithTwoDigitMonthAndDay) {
    TWindow window(L"date", true, nullptr);
    TControlDatePicker picker(window);
    picker.SetDate("2011.11.21");
    EXPECT_EQ(picker.GetDate(), "2011.11.21");
    picker.SetDate("2011.1.5");
    EXPECT_EQ(picker.GetDate(), "2011.01.05");
}

TEST(ControlDatePicker, AWholeDateTimeTextSetsOnlyTheDate) {
    TWindow window(L"date", true, nullptr);
    TControlDatePicker picker(window);
    picker.SetDate("2012.02.29 23:59:58");
    EXPECT_EQ(picker.GetDate(), "2012.02.29");
    SYSTEMTIME shown{};
    SendMessageW(picker.GetHandle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown));
    EXPECT_EQ(shown.wHour, 0);
    EXPECT_EQ(shown.wMinute, 0);
}

TEST(ControlDatePicker, AnImpossibleDateKeepsThePreviousOne) {
    TWindow window(L"date", true, nullptr);
    TControlDatePicker picker(window);
    picker.SetDate("2011.05.16");
    picker.SetDate("2011.13.01");
    EXPECT_EQ(picker.GetDate(), "2011.05.16");
    picker.SetDate("not a date");
    EXPECT_EQ(picker.GetDate(), "2011.05.16");
}

TEST(ControlTimePicker, ATimeReadsBackWithTwoDigitsEach) {
    TWindow window(L"time", true, nullptr);
    TControlTimePicker picker(window, L"");
    picker.SetTime("8:5:0");
    EXPECT_EQ(picker.GetTime(), "08:05:00");
    picker.SetTime("22:53:07");
    EXPECT_EQ(picker.GetTime(), "22:53:07");
}

TEST(ControlTimePicker, ACountdownPickerShowsAndReturnsADuration) {
    TWindow window(L"countdown", true, nullptr);
    TControlTimePicker picker(window, L"HH:mm:ss");
    picker.SetTime("00:15:00");
    EXPECT_EQ(picker.GetTime(), "00:15:00");
    wchar_t shown[64] = {};
    GetWindowTextW(picker.GetHandle(), shown, 64);
    EXPECT_STREQ(shown, L"00:15:00");
}

TEST(ControlTimePicker, AnImpossibleTimeKeepsThePreviousOne) {
    TWindow window(L"time", true, nullptr);
    TControlTimePicker picker(window, L"HH:mm:ss");
    picker.SetTime("10:20:30");
    picker.SetTime("25:00:00");
    EXPECT_EQ(picker.GetTime(), "10:20:30");
}

