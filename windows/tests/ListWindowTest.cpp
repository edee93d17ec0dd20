#include "store/DisplayDateTime.h"
#include "tests/support/LayoutCheck.h"
#include "ui/HandlerFailure.h"
#include "windows/NotificationsListWindow.h"
#include "windows/tests/ScratchStore.h"
#include "windows/tests/WindowDriver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

// A list window wired to its store as the application wires it, with the editor it opens.
class ListTest : public ::testing::Test {
protected:
    ListTest() {
        SetHandlerFailureReporter([this](const std::string& message) { Failures.push_back(message); });
    }
    ~ListTest() override { SetHandlerFailureReporter(nullptr); }
    void TearDown() override { EXPECT_EQ(Failures, std::vector<std::string>()); }

    HWND GetEditorWindow() const { return DialogWindows.at(0)->GetHandle(); }
    HWND GetListWindow() const { return DialogWindows.at(1)->GetHandle(); }
    HWND GetTable() const { return FindControls(GetListWindow(), L"SysListView32").at(0); }
    HWND GetButton(const std::wstring& caption) const { return FindButton(GetListWindow(), caption); }
    bool IsButtonEnabled(const std::wstring& caption) const { return IsWindowEnabled(GetButton(caption)) != FALSE; }

    std::vector<std::wstring> ReadTexts() const {
        std::vector<std::wstring> texts;
        for (int row = 0; row < CountRows(GetTable()); ++row) {
            texts.push_back(ReadCell(GetTable(), row, 1));
        }
        return texts;
    }

    void AddFour() {
        Store.Add("2031.04.04 04:00:00", L"fourth");
        Store.Add("2031.01.01 01:00:00", L"first");
        Store.Add("2031.03.03 03:00:00", L"third");
        Store.Add("2031.02.02 02:00:00", L"second");
    }

    TScratchStore Store;
    TDialogWindowList DialogWindows;
    const std::wstring HelpFilePath = NUDGELY_HELP_FILE_PATH;
    TNotificationEditorWindow Editor{Store.GetDb(), DialogWindows, HelpFilePath};
    TNotificationsListWindow List{DialogWindows, Store.GetDb(), Editor, HelpFilePath};
    TNotificationsDb::TWatcher Watcher{Store.GetDb(), [this] { List.Refresh(); }};
    std::vector<std::string> Failures;
};

// Runs once as the list fills its first row.
std::function<void()> WhileFilling;

LRESULT CALLBACK RunWhileFilling(int code, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<const CWPSTRUCT*>(lParam)->message == LVM_INSERTITEMW && WhileFilling) {
        std::exchange(WhileFilling, nullptr)();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

// Another program puts a line on top of a long data file while the list fills its rows, and the
// user deletes a row before the program hears of the change: the reminder the row shows goes.
TEST_F(ListTest, ARowActsOnTheReminderItShowsWhenTheFileChangesWhileTheListFills) {
    const std::wstring path = Store.GetFilePath(L"notifications");
    std::string lines;
    for (int number = 100; number < 900; ++number) {
        lines += "2031.01.01 10:00:00||r" + std::to_string(number) + "\r\n";
    }
    WriteBytes(path, lines);
    Store.GetDb().FollowOutsideChanges();
    const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &RunWhileFilling, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    WhileFilling = [&] { WriteBytes(path, "2030.01.01 10:00:00||another\r\n" + lines); };
    List.ShowList();
    UnhookWindowsHookEx(hook);

    const std::vector<std::wstring> texts = ReadTexts();
    const int row = static_cast<int>(std::find(texts.begin(), texts.end(), L"r800") - texts.begin());
    ASSERT_LT(row, CountRows(GetTable()));
    ListView_EnsureVisible(GetTable(), row, FALSE);
    ClickRow(GetTable(), row);
    Click(GetButton(L"Delete"));
    const std::string deleted = "2031.01.01 10:00:00||r800\r\n";
    EXPECT_EQ(ReadBytes(path), "2030.01.01 10:00:00||another\r\n" + lines.erase(lines.find(deleted), deleted.size()));
}

// The list follows the store while hidden: the first reminder added got selected then.
TEST_F(ListTest, ShowsTheRemindersInDueOrderKeepingTheSelectionAndFocusesTheTable) {
    AddFour();
    Store.Add("2031.05.05 05:00:00", L"");
    List.ShowList();

    EXPECT_TRUE(IsWindowVisible(GetListWindow()));
    EXPECT_EQ(ReadText(GetListWindow()), L"List of reminders");
    EXPECT_EQ(ReadTexts(), (std::vector<std::wstring>{L"first", L"second", L"third", L"fourth", L"<no text>"}));
    EXPECT_EQ(ReadCell(GetTable(), 1, 0), FormatDateTimeForDisplay("2031.02.02 02:00:00"));
    EXPECT_EQ(GetSelectedRow(GetTable()), 3);
    EXPECT_EQ(GetFocus(), GetTable());
    EXPECT_TRUE(IsButtonEnabled(L"Edit"));
    EXPECT_TRUE(IsButtonEnabled(L"Delete"));
}

TEST_F(ListTest, WithNothingSelectedTheFirstRowIsSelectedOnOpening) {
    AddFour();
    List.ShowList();
    ClickBelowRows(GetTable());
    EXPECT_EQ(GetSelectedRow(GetTable()), -1);
    EXPECT_FALSE(IsButtonEnabled(L"Edit"));
    EXPECT_FALSE(IsButtonEnabled(L"Delete"));

    List.ShowList();
    EXPECT_EQ(GetSelectedRow(GetTable()), 0);
    EXPECT_TRUE(IsButtonEnabled(L"Edit"));
    EXPECT_TRUE(IsButtonEnabled(L"Delete"));
}

TEST_F(ListTest, AnEmptyStoreShowsNoRowsAndDisablesEditAndDelete) {
    List.ShowList();
    EXPECT_EQ(CountRows(GetTable()), 0);
    EXPECT_FALSE(IsButtonEnabled(L"Edit"));
    EXPECT_FALSE(IsButtonEnabled(L"Delete"));
}

TEST_F(ListTest, DeletingMovesTheSelectionToTheFollowingThenToTheNewLastRowThenToNone) {
    AddFour();
    List.ShowList();
    ClickRow(GetTable(), 1);
    Click(GetButton(L"Delete"));
    EXPECT_EQ(ReadTexts(), (std::vector<std::wstring>{L"first", L"third", L"fourth"}));
    EXPECT_EQ(GetSelectedRow(GetTable()), 1);

    ClickRow(GetTable(), 2);
    Click(GetButton(L"Delete"));
    EXPECT_EQ(ReadTexts(), (std::vector<std::wstring>{L"first", L"third"}));
    EXPECT_EQ(GetSelectedRow(GetTable()), 1);
    EXPECT_TRUE(IsButtonEnabled(L"Delete"));

    Click(GetButton(L"Delete"));
    Click(GetButton(L"Delete"));
    EXPECT_EQ(CountRows(GetTable()), 0);
    EXPECT_EQ(GetSelectedRow(GetTable()), -1);
    EXPECT_FALSE(IsButtonEnabled(L"Edit"));
    EXPECT_FALSE(IsButtonEnabled(L"Delete"));
    EXPECT_TRUE(Store.ReadAll().empty());
}

TEST_F(ListTest, AReminderTheStoreTakesOffDisappearsAtOnce) {
    AddFour();
    List.ShowList();
    ClickRow(GetTable(), 2);
    Store.GetDb().RemoveEarliestNotification();
    EXPECT_EQ(ReadTexts(), (std::vector<std::wstring>{L"second", L"third", L"fourth"}));
    EXPECT_EQ(ReadCell(GetTable(), GetSelectedRow(GetTable()), 1), L"third");
}

TEST_F(ListTest, EditDoubleClickAndEnterOpenTheEditorForTheSelectedReminder) {
    AddFour();
    List.ShowList();
    ClickRow(GetTable(), 2);
    Click(GetButton(L"Edit"));
    EXPECT_TRUE(IsWindowVisible(GetEditorWindow()));
    EXPECT_EQ(ReadText(GetEditorWindow()), L"Edit reminder");
    EXPECT_EQ(ReadText(FindControls(GetEditorWindow(), L"edit").at(0)), L"third");
    EXPECT_TRUE(IsWindowVisible(GetListWindow()));

    DoubleClickRow(GetTable(), 1);
    EXPECT_EQ(ReadText(FindControls(GetEditorWindow(), L"edit").at(0)), L"second");

    ClickRow(GetTable(), 3);
    SetFocus(GetTable());
    PressKey(DialogWindows, VK_RETURN);
    EXPECT_EQ(ReadText(FindControls(GetEditorWindow(), L"edit").at(0)), L"fourth");
}

TEST_F(ListTest, SavingAnEditRefreshesTheListWithTheChangedText) {
    AddFour();
    List.ShowList();
    ClickRow(GetTable(), 1);
    Click(GetButton(L"Edit"));
    TypeText(FindControls(GetEditorWindow(), L"edit").at(0), L"second, changed");
    Click(FindButton(GetEditorWindow(), L"Save"));
    EXPECT_EQ(ReadTexts(), (std::vector<std::wstring>{L"first", L"second, changed", L"third", L"fourth"}));
    EXPECT_EQ(GetSelectedRow(GetTable()), 2);
}

TEST_F(ListTest, EscapeAndTheCloseBoxHideTheList) {
    List.ShowList();
    PressKey(DialogWindows, VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(GetListWindow()));
    List.ShowList();
    SendMessageW(GetListWindow(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(GetListWindow()));
}

TEST_F(ListTest, OpensTallEnoughForFiveRowsAndKeepsTheButtonsAtTheEdgesWhenResized) {
    Store.Add("2031.01.01 01:00:00", L"only one");
    List.ShowList();
    RECT row{};
    row.left = LVIR_BOUNDS;
    SendMessageW(GetTable(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    RECT table{};
    GetClientRect(GetTable(), &table);
    EXPECT_GE(table.bottom - row.top, 5 * (row.bottom - row.top));

    RECT outer{};
    GetWindowRect(GetListWindow(), &outer);
    MoveWindow(GetListWindow(), outer.left, outer.top, outer.right - outer.left + 120, outer.bottom - outer.top + 80, TRUE);
    RECT client{};
    GetClientRect(GetListWindow(), &client);
    const auto placeOf = [this](HWND control) {
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, GetListWindow(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    EXPECT_EQ(placeOf(GetButton(L"Edit")).left, 5);
    EXPECT_EQ(placeOf(GetButton(L"Delete")).right, client.right - 5);
    EXPECT_EQ(placeOf(GetButton(L"Delete")).bottom, client.bottom - 5);
    EXPECT_EQ(placeOf(GetButton(L"Help")).right, placeOf(GetButton(L"Delete")).left - 5);
    EXPECT_EQ(placeOf(GetTable()).right, client.right - 5);
    EXPECT_EQ(placeOf(GetTable()).bottom, placeOf(GetButton(L"Delete")).top - 5);
}

TEST_F(ListTest, TheRepeatsColumnSaysHowEachSeriesGoesOn) {
    const std::string rules[] = {"every 1 day", "every 2 weeks", "every weekday", "", "every fortnight"};
    for (const std::string& rule : rules) {
        TNotification reminder("2031.01.01 01:00:00", L"series");
        reminder.Repeat = rule;
        Store.GetDb().AddNotification(reminder);
    }
    List.ShowList();
    ASSERT_EQ(CountRows(GetTable()), 5);
    // Equal due dates list the newest first.
    const std::wstring shown[] = {L"", L"", L"every weekday", L"every 2 weeks", L"every day"};
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(ReadCell(GetTable(), row, 2), shown[row]) << row;
    }
}

TEST_F(ListTest, GrowsWithTheDpiAndComesBackFromMinimized) {
    Store.Add("2031.01.01 01:00:00", L"Позвонить Анне");
    EXPECT_EQ(DescribeDpiScalingFault(GetListWindow(), [this] { List.ShowList(); }), "");
    ShowWindow(GetListWindow(), SW_MINIMIZE);
    List.ShowList();
    EXPECT_FALSE(IsIconic(GetListWindow()));
}

TEST_F(ListTest, HelpOpensTheViewerAtTheHelpFile) {
    ASSERT_EQ(FindWindowW(nullptr, L"Nudgely Help"), nullptr);
    List.ShowList();
    Click(GetButton(L"Help"));
    HWND viewer = nullptr;
    EXPECT_TRUE(PumpMessagesUntil([&] { return (viewer = FindWindowW(nullptr, L"Nudgely Help")) != nullptr; }, 10000));
    if (viewer) {
        SendMessageW(viewer, WM_CLOSE, 0, 0);
    }
}
