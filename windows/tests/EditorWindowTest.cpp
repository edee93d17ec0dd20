#include "store/CurrentDateTime.h"
#include "store/ReplacementFile.h"
#include "tests/support/LayoutCheck.h"
#include "windows/tests/EditorTestFixture.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

std::string FormatDate(const SYSTEMTIME& value) {
    char text[16] = {};
    std::snprintf(text, sizeof text, "%04u.%02u.%02u", value.wYear, value.wMonth, value.wDay);
    return text;
}

std::string FormatTime(const SYSTEMTIME& value) {
    char text[16] = {};
    std::snprintf(text, sizeof text, "%02u:%02u:%02u", value.wHour, value.wMinute, value.wSecond);
    return text;
}

std::string FormatDuration(int seconds) {
    char text[16] = {};
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

int GetSecondsOfDay(const TDateTimeText& time) {
    return std::stoi(time.substr(11, 2)) * 3600 + std::stoi(time.substr(14, 2)) * 60 + std::stoi(time.substr(17, 2));
}

bool IsChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace

TEST_F(EditorTest, ANewReminderStartsNowInFixedTimeModeWithEverythingElseCleared) {
    WriteBytes(Store.GetFilePath(L"note.pcm"), std::string(800, '\x80'));
    const int id = Store.Add("2031.02.03 04:05:06", L"old text", Store.GetFilePath(L"note.pcm"));
    Editor.ShowEditor(id);
    ASSERT_TRUE(IsButtonEnabled(L"Replay"));
    Click(GetButton(L"Countdown"));

    const TDateTimeText before = GetCurrentDateTime();
    Editor.ShowEditor(-1);
    const TDateTimeText after = GetCurrentDateTime();

    EXPECT_TRUE(IsShown());
    EXPECT_EQ(ReadText(GetEditorWindow()), L"Add reminder");
    const std::string shownDate = FormatDate(ReadPicker(GetDatePicker()));
    const std::string shownTime = FormatTime(ReadPicker(GetFixedTimePicker()));
    EXPECT_TRUE(shownDate == before.substr(0, 10) || shownDate == after.substr(0, 10)) << shownDate;
    EXPECT_GE(shownDate + " " + shownTime, before);
    EXPECT_LE(shownDate + " " + shownTime, after);
    EXPECT_EQ(FormatTime(ReadPicker(GetCountdownPicker())), "00:15:00");
    EXPECT_EQ(ReadText(GetTextBox()), L"");
    EXPECT_TRUE(IsChecked(GetButton(L"Fixed time")));
    EXPECT_FALSE(IsChecked(GetButton(L"Countdown")));
    EXPECT_EQ(GetFocus(), GetTextBox());
    EXPECT_TRUE(IsWindowEnabled(GetDatePicker()));
    EXPECT_TRUE(IsWindowEnabled(GetFixedTimePicker()));
    EXPECT_FALSE(IsWindowEnabled(GetCountdownPicker()));
    EXPECT_FALSE(IsButtonEnabled(L"Replay"));
    EXPECT_FALSE(IsButtonEnabled(L"Remove sound"));
}

TEST_F(EditorTest, TheChosenModeEnablesOnlyItsOwnPickers) {
    Editor.ShowEditor(-1);
    Click(GetButton(L"Countdown"));
    EXPECT_FALSE(IsWindowEnabled(GetDatePicker()));
    EXPECT_FALSE(IsWindowEnabled(GetFixedTimePicker()));
    EXPECT_TRUE(IsWindowEnabled(GetCountdownPicker()));

    Click(GetButton(L"Fixed time"));
    EXPECT_TRUE(IsWindowEnabled(GetDatePicker()));
    EXPECT_TRUE(IsWindowEnabled(GetFixedTimePicker()));
    EXPECT_FALSE(IsWindowEnabled(GetCountdownPicker()));
}

TEST_F(EditorTest, SavingAFixedTimeStoresThatTimeAndTheTextAndHides) {
    Editor.ShowEditor(-1);
    SetPickerDate(GetDatePicker(), 2031, 2, 3);
    SetPickerTime(GetFixedTimePicker(), 4, 5, 6);
    TypeText(GetTextBox(), L"Call mother \u00e0 Z\u00fcrich");
    Click(GetButton(L"Save"));

    const std::vector<TNotification> stored = Store.ReadAll();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].Date, "2031.02.03 04:05:06");
    EXPECT_EQ(stored[0].Text, L"Call mother \u00e0 Z\u00fcrich");
    EXPECT_EQ(stored[0].SoundFile, L"");
    EXPECT_FALSE(IsShown());
}

TEST_F(EditorTest, EnterSavesAnEmptyTextAsItIs) {
    Editor.ShowEditor(-1);
    SetPickerDate(GetDatePicker(), 2031, 2, 3);
    SetPickerTime(GetFixedTimePicker(), 4, 5, 6);
    PressKey(DialogWindows, VK_RETURN);

    const std::vector<TNotification> stored = Store.ReadAll();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].Date, "2031.02.03 04:05:06");
    EXPECT_EQ(stored[0].Text, L"");
    EXPECT_FALSE(IsShown());
}

// The countdown is chosen so that the due time falls early on the next day.
TEST_F(EditorTest, SavingACountdownAddsItToTheMomentOfSavingAcrossMidnight) {
    Editor.ShowEditor(-1);
    Click(GetButton(L"Countdown"));
    const TDateTimeText before = GetCurrentDateTime();
    const TDurationText countdown = FormatDuration(std::min(24 * 3600 - GetSecondsOfDay(before) + 300, 24 * 3600 - 1));
    SetPickerTime(GetCountdownPicker(), static_cast<WORD>(std::stoi(countdown.substr(0, 2))),
                  static_cast<WORD>(std::stoi(countdown.substr(3, 2))), static_cast<WORD>(std::stoi(countdown.substr(6, 2))));
    Click(GetButton(L"Save"));
    const TDateTimeText after = GetCurrentDateTime();

    const std::vector<TNotification> stored = Store.ReadAll();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_GE(stored[0].Date, AddDuration(before, countdown));
    EXPECT_LE(stored[0].Date, AddDuration(after, countdown));
    EXPECT_EQ(stored[0].Date.substr(0, 10), AddDuration(before.substr(0, 10) + " 12:00:00", "24:00:00").substr(0, 10));
}

TEST_F(EditorTest, EditingShowsTheReminderAndReplacesItInOneChange) {
    const int kept = Store.Add("2031.01.01 10:00:00", L"kept");
    const int edited = Store.Add("2031.02.03 04:05:06", L"edited");
    std::vector<size_t> countsSeen;
    TNotificationsDb::TWatcher watcher(Store.GetDb(), [&] { countsSeen.push_back(Store.ReadAll().size()); });

    Editor.ShowEditor(edited);
    EXPECT_TRUE(IsShown());
    EXPECT_EQ(ReadText(GetEditorWindow()), L"Edit reminder");
    EXPECT_EQ(FormatDate(ReadPicker(GetDatePicker())), "2031.02.03");
    EXPECT_EQ(FormatTime(ReadPicker(GetFixedTimePicker())), "04:05:06");
    EXPECT_EQ(FormatTime(ReadPicker(GetCountdownPicker())), "00:15:00");
    EXPECT_EQ(ReadText(GetTextBox()), L"edited");
    EXPECT_TRUE(IsChecked(GetButton(L"Fixed time")));
    Click(GetButton(L"Save"));

    EXPECT_EQ(countsSeen, (std::vector<size_t>{2}));
    const std::vector<TNotification> stored = Store.ReadAll();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].Id, kept);
    EXPECT_EQ(stored[1].Date, "2031.02.03 04:05:06");
    EXPECT_EQ(stored[1].Text, L"edited");
    EXPECT_NE(stored[1].Id, edited);
    EXPECT_FALSE(IsShown());
}

// The store cannot write its data file: the old version stays, and so does what the user typed.
TEST_F(EditorTest, ASaveThatFailsLosesNothing) {
    const int edited = Store.Add("2031.02.03 04:05:06", L"edited");
    Editor.ShowEditor(edited);
    TypeText(GetTextBox(), L"changed");
    const std::wstring blocker = TReplacementFile::MakeNewFilePath(Store.GetFilePath(L"notifications"));
    ASSERT_TRUE(CreateDirectoryW(blocker.c_str(), nullptr));
    Click(GetButton(L"Save"));
    RemoveDirectoryW(blocker.c_str());

    ASSERT_EQ(Failures.size(), 1u);
    EXPECT_EQ(Failures[0].rfind("TNotificationsDb: ", 0), 0u) << Failures[0];
    Failures.clear();
    const std::vector<TNotification> stored = Store.ReadAll();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].Text, L"edited");
    EXPECT_EQ(stored[0].Id, edited);
    EXPECT_TRUE(IsShown());
    EXPECT_EQ(ReadText(GetTextBox()), L"changed");
}

// The series opened went while the editor was open: it fired, or the user deleted it in the list,
// or another program took its line out. Saving stores the new version beside the others, never
// deleting what it just stored.
TEST_F(EditorTest, SavingAfterTheEditedReminderWentKeepsTheNewVersionAndTheOthers) {
    const std::function<void(std::int32_t)> takeAways[] = {
        [this](std::int32_t) { Store.GetDb().RemoveEarliestNotification(); },
        [this](std::int32_t edited) { Store.GetDb().DeleteNotification(edited); },
        [this](std::int32_t) { WriteBytes(Store.GetFilePath(L"notifications"), "2031.01.01 10:00:00||other\r\n"); }};
    for (const auto& takeAway : takeAways) {
        WriteBytes(Store.GetFilePath(L"notifications"), "2011.02.03 04:05:06 every 1 day||series\r\n"
                                                        "2031.01.01 10:00:00||other\r\n");
        Store.GetDb().FollowOutsideChanges();
        const std::int32_t edited = Store.GetDb().GetEarliestNotification().Id;
        Editor.ShowEditor(edited);
        takeAway(edited);
        Click(GetButton(L"Save"));
        std::vector<std::wstring> texts;
        for (const TNotification& stored : Store.ReadAll()) {
            texts.push_back(stored.Text);
        }
        EXPECT_EQ(texts, (std::vector<std::wstring>{L"series", L"other"})) << &takeAway - takeAways;
    }
}

TEST_F(EditorTest, AReminderThatIsNoLongerStoredShowsNothing) {
    const int gone = Store.Add("2031.02.03 04:05:06", L"gone");
    Store.GetDb().DeleteNotification(gone);
    Editor.ShowEditor(gone);
    EXPECT_FALSE(IsShown());
    EXPECT_EQ(ReadText(GetEditorWindow()), L"Add reminder");
}

TEST_F(EditorTest, CancelEscapeAndTheCloseBoxHideWithoutStoring) {
    const auto typeAndLeave = [this](const std::function<void()>& leave) {
        Editor.ShowEditor(-1);
        TypeText(GetTextBox(), L"not wanted");
        leave();
        EXPECT_FALSE(IsShown());
    };
    typeAndLeave([this] { Click(GetButton(L"Cancel")); });
    typeAndLeave([this] { PressKey(DialogWindows, VK_ESCAPE); });
    typeAndLeave([this] { SendMessageW(GetEditorWindow(), WM_CLOSE, 0, 0); });
    EXPECT_TRUE(Store.ReadAll().empty());
}

TEST_F(EditorTest, AfterAResizeTheTextBoxFillsTheWidthAndCancelAndHelpKeepToTheRightEdge) {
    Editor.ShowEditor(-1);
    const auto placeOf = [this](HWND control) {
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, GetEditorWindow(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    RECT client{};
    GetClientRect(GetEditorWindow(), &client);
    EXPECT_LE(placeOf(GetButton(L"Remove sound")).right, client.right);
    EXPECT_LE(placeOf(GetButton(L"Save")).bottom, client.bottom);
    EXPECT_LT(placeOf(GetButton(L"Save")).right, placeOf(GetButton(L"Help")).left);

    RECT outer{};
    GetWindowRect(GetEditorWindow(), &outer);
    MoveWindow(GetEditorWindow(), outer.left, outer.top, outer.right - outer.left + 150, outer.bottom - outer.top, TRUE);
    GetClientRect(GetEditorWindow(), &client);
    const RECT text = placeOf(GetTextBox());
    const RECT cancel = placeOf(GetButton(L"Cancel"));
    const RECT help = placeOf(GetButton(L"Help"));
    EXPECT_EQ(text.right, client.right - 5);
    EXPECT_EQ(cancel.right, client.right - 5);
    EXPECT_EQ(help.right, cancel.left - 5);
    EXPECT_EQ(placeOf(GetButton(L"Save")).left, 5);
}

TEST_F(EditorTest, GrowsWithTheDpiAndComesBackFromMinimized) {
    EXPECT_EQ(DescribeDpiScalingFault(GetEditorWindow(), [this] { Editor.ShowEditor(-1); }), "");
    ShowWindow(GetEditorWindow(), SW_MINIMIZE);
    Editor.ShowEditor(-1);
    EXPECT_FALSE(IsIconic(GetEditorWindow()));
}

TEST_F(EditorTest, HelpOpensTheViewerAtTheHelpFile) {
    ASSERT_EQ(FindWindowW(nullptr, L"Nudgely Help"), nullptr);
    Editor.ShowEditor(-1);
    Click(GetButton(L"Help"));
    HWND viewer = nullptr;
    EXPECT_TRUE(PumpMessagesUntil([&] { return (viewer = FindWindowW(nullptr, L"Nudgely Help")) != nullptr; }, 10000));
    if (viewer) {
        SendMessageW(viewer, WM_CLOSE, 0, 0);
    }
}
