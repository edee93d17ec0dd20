#include "NotifyHotKeysTestSupport.h"
#include "store/ReplacementFile.h"
#include "store/TemporaryFolder.h"
#include "ui/HandlerFailure.h"
#include "windows/HotKeysConfigWindow.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

const char DefaultFile[] = "AddNotification:Ctrl-Alt-N\r\n";

WORD ReadCombination(HWND field) { return static_cast<WORD>(SendMessageW(field, HKM_GETHOTKEY, 0, 0)); }

class HotKeysConfigWindowTest : public ::testing::Test {
protected:
    HotKeysConfigWindowTest() {
        Window.SetOnClosed([this] {
            ++ClosedCount;
            WasVisibleWhenClosed = IsWindowVisible(GetHandle()) != FALSE;
            FileWhenClosed = ReadFileBytes(HotKeysPath);
        });
    }
    ~HotKeysConfigWindowTest() override { SetHandlerFailureReporter(nullptr); }

    HWND GetHandle() const { return FindTopLevelWindow(L"Hot keys configuration"); }
    HWND AddCheckBox() const { return FindButton(GetHandle(), L"Add reminder"); }
    HWND ListCheckBox() const { return FindButton(GetHandle(), L"View all reminders"); }
    HWND AddField() const { return FindChildrenByClass(GetHandle(), L"msctls_hotkey32").at(0); }
    HWND ListField() const { return FindChildrenByClass(GetHandle(), L"msctls_hotkey32").at(1); }
    void ShowWithFile(const std::string& content) {
        WriteFileBytes(HotKeysPath, content);
        Window.ShowHotKeys();
    }

    TTemporaryFolder Folder;
    std::wstring HotKeysPath = Folder.GetPath() + L"\\hotkeys";
    std::wstring HelpPath = NUDGELY_HELP_FILE_PATH;
    TDialogWindowList DialogWindows;
    THotKeysConfigWindow Window{DialogWindows, HotKeysPath, HelpPath};
    int ClosedCount = 0;
    bool WasVisibleWhenClosed = true;
    std::string FileWhenClosed;
};

}  // namespace

TEST_F(HotKeysConfigWindowTest, TheDefaultFileShowsAddReminderOnCtrlAltNAndNoListHotKey) {
    ASSERT_NE(GetHandle(), nullptr);
    EXPECT_FALSE(IsWindowVisible(GetHandle()));
    ShowWithFile(DefaultFile);

    EXPECT_TRUE(IsWindowVisible(GetHandle()));
    EXPECT_EQ(GetFocus(), AddCheckBox());
    EXPECT_TRUE(IsChecked(AddCheckBox()));
    EXPECT_TRUE(IsWindowEnabled(AddField()));
    EXPECT_EQ(ReadCombination(AddField()), MAKEWORD('N', HOTKEYF_CONTROL | HOTKEYF_ALT));
    EXPECT_FALSE(IsChecked(ListCheckBox()));
    EXPECT_FALSE(IsWindowEnabled(ListField()));
    EXPECT_EQ(DescribeLayoutFault(GetHandle()), "");
    EXPECT_EQ(ClosedCount, 0);
    // Alt+A typed into a hot key field is a combination there, not the check box's access key.
    SetFocus(AddField());
    PostMessageW(AddField(), WM_SYSCHAR, 'a', 0x20000001);
    PostQuitMessage(0);
    RunMessageLoop(DialogWindows);
    EXPECT_TRUE(IsChecked(AddCheckBox()));
}

TEST_F(HotKeysConfigWindowTest, SavingWritesOneLinePerCheckedActionAndThenReloads) {
    ShowWithFile(DefaultFile);
    Click(ListCheckBox());
    EXPECT_TRUE(IsWindowEnabled(ListField()));
    SendMessageW(ListField(), HKM_SETHOTKEY, MAKEWORD('L', HOTKEYF_CONTROL | HOTKEYF_SHIFT), 0);
    Click(FindButton(GetHandle(), L"Save"));

    const std::string both = "AddNotification:Ctrl-Alt-N\r\nViewAllNotifications:Ctrl-Shift-L\r\n";
    EXPECT_EQ(ReadFileBytes(HotKeysPath), both);
    EXPECT_FALSE(IsWindowVisible(GetHandle()));
    EXPECT_EQ(ClosedCount, 1);
    EXPECT_FALSE(WasVisibleWhenClosed);
    EXPECT_EQ(FileWhenClosed, both);

    Window.ShowHotKeys();
    Click(AddCheckBox());
    EXPECT_FALSE(IsWindowEnabled(AddField()));
    Click(FindButton(GetHandle(), L"Save"));
    EXPECT_EQ(ReadFileBytes(HotKeysPath), "ViewAllNotifications:Ctrl-Shift-L\r\n");
    EXPECT_EQ(ClosedCount, 2);
}

TEST_F(HotKeysConfigWindowTest, EnterSaves) {
    ShowWithFile(DefaultFile);
    Click(AddCheckBox());
    PressKey(DialogWindows, GetHandle(), VK_RETURN);
    EXPECT_EQ(ReadFileBytes(HotKeysPath), "");
    EXPECT_FALSE(IsWindowVisible(GetHandle()));
    EXPECT_EQ(ClosedCount, 1);
}

TEST_F(HotKeysConfigWindowTest, CancelEscapeAndTheCloseBoxLeaveTheFileAndStillReloadOnce) {
    const std::vector<std::string> ways{"Cancel", "Escape", "close box"};
    for (const std::string& way : ways) {
        const int closedBefore = ClosedCount;
        ShowWithFile(DefaultFile);
        Click(AddCheckBox());
        Click(ListCheckBox());
        if (way == "Cancel") {
            Click(FindButton(GetHandle(), L"Cancel"));
        } else if (way == "Escape") {
            PressKey(DialogWindows, GetHandle(), VK_ESCAPE);
        } else {
            SendMessageW(GetHandle(), WM_CLOSE, 0, 0);
        }
        EXPECT_EQ(ReadFileBytes(HotKeysPath), DefaultFile) << way;
        EXPECT_FALSE(IsWindowVisible(GetHandle())) << way;
        EXPECT_FALSE(WasVisibleWhenClosed) << way;
        EXPECT_EQ(ClosedCount, closedBefore + 1) << way;
    }
}

TEST_F(HotKeysConfigWindowTest, LinesOfOtherActionsOrWithBrokenHotKeysAreIgnoredAndDroppedOnSave) {
    ShowWithFile(
        "Snooze:Ctrl-Alt-S\r\n"
        "AddNotification: Ctrl-Alt-A\r\n"
        "no colon at all\r\n"
        "AddNotification :Ctrl-Alt-B\r\n"
        "ViewAllNotifications:Win-Ctrl-V\r\n"
        "AddNotification:Ctrl-Alt-N\r\n"
        "AddNotification:Shift-Alt-R\r\n");

    EXPECT_TRUE(IsChecked(AddCheckBox()));
    EXPECT_EQ(ReadCombination(AddField()), MAKEWORD('R', HOTKEYF_SHIFT | HOTKEYF_ALT));
    EXPECT_TRUE(IsChecked(ListCheckBox()));
    EXPECT_EQ(ReadCombination(ListField()), MAKEWORD('V', HOTKEYF_CONTROL));
    Click(FindButton(GetHandle(), L"Save"));
    EXPECT_EQ(ReadFileBytes(HotKeysPath), "AddNotification:Alt-Shift-R\r\nViewAllNotifications:Ctrl-V\r\n");
}

TEST_F(HotKeysConfigWindowTest, AMissingFileOpensWithNothingCheckedAndTheLastCombinationsStillShown) {
    ShowWithFile(DefaultFile);
    Click(FindButton(GetHandle(), L"Cancel"));
    DeleteFileW(HotKeysPath.c_str());

    Window.ShowHotKeys();
    EXPECT_FALSE(IsChecked(AddCheckBox()));
    EXPECT_FALSE(IsWindowEnabled(AddField()));
    EXPECT_EQ(ReadCombination(AddField()), MAKEWORD('N', HOTKEYF_CONTROL | HOTKEYF_ALT));
    EXPECT_FALSE(IsChecked(ListCheckBox()));
    Click(FindButton(GetHandle(), L"Save"));
    EXPECT_EQ(ReadFileBytes(HotKeysPath), "");
}

// Closing as if saved would let the user take the old hot keys for the new ones.
TEST_F(HotKeysConfigWindowTest, AFileThatCannotBeWrittenIsReportedAndTheWindowStaysOpen) {
    std::vector<std::string> reports;
    SetHandlerFailureReporter([&reports](const std::string& message) { reports.push_back(message); });
    const std::wstring folderPath = Folder.GetPath() + L"\\hotkeys folder";
    CreateDirectoryW(folderPath.c_str(), nullptr);
    THotKeysConfigWindow window(DialogWindows, folderPath, HelpPath);
    int closed = 0;
    window.SetOnClosed([&closed] { ++closed; });
    window.ShowHotKeys();
    HWND handle = nullptr;
    for (HWND candidate = FindTopLevelWindow(L"Hot keys configuration"); candidate != nullptr;
         candidate = FindWindowExW(nullptr, candidate, L"TWindow", L"Hot keys configuration")) {
        handle = IsWindowVisible(candidate) ? candidate : handle;
    }
    ASSERT_NE(handle, nullptr);

    Click(FindButton(handle, L"Save"));

    EXPECT_EQ(reports, std::vector<std::string>{"THotKeysConfigWindow: unable to save hot keys"});
    EXPECT_TRUE(IsWindowVisible(handle));
    EXPECT_EQ(closed, 0);
    Click(FindButton(handle, L"Cancel"));
    EXPECT_EQ(closed, 1);
}

// Insert's text form, "Ctrl--", does not read back, and a combination without a key has no text
// form at all: saved, either would be gone at the next reading.
TEST_F(HotKeysConfigWindowTest, ACombinationTheFileCannotHoldIsRefusedWithAMessage) {
    std::vector<std::string> reports;
    SetHandlerFailureReporter([&reports](const std::string& message) { reports.push_back(message); });
    const struct {
        WORD combination;
        bool onListRow;
        std::string message;
    } cases[] = {
        {MAKEWORD(VK_INSERT, HOTKEYF_CONTROL | HOTKEYF_EXT), true,
         "The combination for \"View all reminders\" cannot be saved; please choose another."},
        {MAKEWORD(0, HOTKEYF_CONTROL | HOTKEYF_ALT), false,
         "The combination for \"Add reminder\" cannot be saved; please choose another."},
    };
    for (const auto& example : cases) {
        reports.clear();
        const int closedBefore = ClosedCount;
        ShowWithFile(DefaultFile);
        if (example.onListRow) {
            Click(ListCheckBox());
        }
        SendMessageW(example.onListRow ? ListField() : AddField(), HKM_SETHOTKEY, example.combination, 0);
        Click(FindButton(GetHandle(), L"Save"));

        EXPECT_EQ(reports, std::vector<std::string>{example.message});
        EXPECT_EQ(ReadFileBytes(HotKeysPath), DefaultFile);
        EXPECT_TRUE(IsWindowVisible(GetHandle()));
        EXPECT_EQ(ClosedCount, closedBefore);
        Click(FindButton(GetHandle(), L"Cancel"));
    }
}

// Its line reads back only without the carriage return of the line end.
TEST_F(HotKeysConfigWindowTest, AKeyWithoutModifiersIsSavedAndShownAgain) {
    ShowWithFile(DefaultFile);
    SendMessageW(AddField(), HKM_SETHOTKEY, MAKEWORD(VK_F5, 0), 0);
    Click(FindButton(GetHandle(), L"Save"));
    EXPECT_EQ(ReadFileBytes(HotKeysPath), "AddNotification:t\r\n");

    Window.ShowHotKeys();
    EXPECT_TRUE(IsChecked(AddCheckBox()));
    EXPECT_EQ(ReadCombination(AddField()), MAKEWORD(VK_F5, 0));
}

// The old file stays whole, so the reload after the window closes finds the old hot keys.
TEST_F(HotKeysConfigWindowTest, ASaveThatFailsLeavesTheOldFileAndItsHotKeys) {
    std::vector<std::string> reports;
    SetHandlerFailureReporter([&reports](const std::string& message) { reports.push_back(message); });
    const std::wstring blocker = TReplacementFile::MakeNewFilePath(HotKeysPath);
    ASSERT_TRUE(CreateDirectoryW(blocker.c_str(), nullptr));
    ShowWithFile(DefaultFile);
    Click(AddCheckBox());
    Click(FindButton(GetHandle(), L"Save"));

    EXPECT_EQ(reports, std::vector<std::string>{"THotKeysConfigWindow: unable to save hot keys"});
    EXPECT_EQ(ReadFileBytes(HotKeysPath), DefaultFile);
    Click(FindButton(GetHandle(), L"Cancel"));
    EXPECT_EQ(FileWhenClosed, DefaultFile);
    RemoveDirectoryW(blocker.c_str());
}

TEST_F(HotKeysConfigWindowTest, AfterAResizeCancelAndHelpStayAtTheRightEdge) {
    ShowWithFile(DefaultFile);
    RECT window{};
    GetWindowRect(GetHandle(), &window);
    MoveWindow(GetHandle(), window.left, window.top, window.right - window.left + 150, window.bottom - window.top + 40,
               TRUE);
    RECT client{};
    GetClientRect(GetHandle(), &client);

    const RECT cancel = GetChildRect(FindButton(GetHandle(), L"Cancel"));
    const RECT help = GetChildRect(FindButton(GetHandle(), L"Help"));
    EXPECT_EQ(cancel.right, client.right - 5);
    EXPECT_EQ(help.right, cancel.left - 5);
    EXPECT_EQ(help.top, cancel.top);
    EXPECT_EQ(GetChildRect(FindButton(GetHandle(), L"Save")).left, 5);
    EXPECT_EQ(DescribeLayoutFault(GetHandle()), "");
}

TEST_F(HotKeysConfigWindowTest, GrowsWithTheDpiAndComesBackFromMinimized) {
    EXPECT_EQ(DescribeDpiScalingFault(GetHandle(), [this] { Window.ShowHotKeys(); }), "");
    ShowWindow(GetHandle(), SW_MINIMIZE);
    Window.ShowHotKeys();
    EXPECT_FALSE(IsIconic(GetHandle()));
}

TEST_F(HotKeysConfigWindowTest, HelpOpensTheViewer) {
    ShowWithFile(DefaultFile);
    ASSERT_EQ(FindWindowW(nullptr, L"Nudgely Help"), nullptr);
    Click(FindButton(GetHandle(), L"Help"));
    const HWND viewer = WaitForTopLevelWindow(L"Nudgely Help", 10000);
    ASSERT_NE(viewer, nullptr) << "no help viewer window appeared";
    EXPECT_TRUE(IsWindowVisible(viewer));
    SendMessageW(viewer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindowVisible(GetHandle()));
}
