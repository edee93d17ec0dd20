#include "NotifyHotKeysTestSupport.h"
#include "sound/SoundRecorder.h"
#include "store/FileOperations.h"
#include "store/NotificationsDb.h"
#include "store/TemporaryFolder.h"
#include "texts/Texts.h"
#include "ui/HandlerFailure.h"
#include "ui/tests/ControlTestSupport.h"
#include "windows/NotificationEditorWindow.h"
#include "windows/NotificationWindow.h"

#include "tests/support/MenuUser.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

// One second of a loud 100 Hz square wave, as a recorded voice note would hold it.
std::string MakeVoiceNote() {
    std::string note;
    for (int sample = 0; sample < 8000; ++sample) {
        note += static_cast<char>((sample / 40) % 2 == 0 ? 0x20 : 0xE0);
    }
    return note;
}

std::wstring GetTemporaryFolder() {
    wchar_t path[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, path);
    return path;
}

int Announcements = 0;

void CALLBACK CountAnnouncement(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    wchar_t kind[16] = {};
    GetClassNameW(window, kind, 16);
    Announcements += object == OBJID_CLIENT && child == CHILDID_SELF && lstrcmpiW(kind, L"Edit") == 0 ? 1 : 0;
}

class NotificationWindowTest : public ::testing::Test {
protected:
    ~NotificationWindowTest() override { SetHandlerFailureReporter(nullptr); }

    HWND GetHandle() const { return FindTopLevelWindow(LoadText(IDS_NOTIFICATION_TITLE)); }
    int GetClientWidth() const {
        RECT client{};
        GetClientRect(GetHandle(), &client);
        return client.right;
    }
    HWND FindReplayButton() const { return FindButton(GetHandle(), L"Replay sound"); }
    HWND FindSnoozeMenuButton() const { return FindButton(GetHandle(), L"Snooze..."); }
    HWND FindTextView() const {
        const std::vector<HWND> views = FindChildrenByClass(GetHandle(), L"edit");
        return views.size() == 1 ? views[0] : nullptr;
    }
    // The text view shows that text, centred, with its top there.
    void ExpectTextShownAt(const std::wstring& text, int top) const {
        const HWND view = FindTextView();
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(ReadWindowText(view), text);
        const RECT place = GetChildRect(view);
        EXPECT_EQ(place.top, top);
        EXPECT_LE(std::abs((place.left + place.right) / 2 - GetClientWidth() / 2), 1);
    }
    std::vector<TNotification> ReadStore() const {
        std::vector<TNotification> all;
        for (TNotificationsDb::TIterator i = Store.Begin(); i.IsValid(); i.Next()) {
            all.push_back(i.Current());
        }
        return all;
    }
    // As the scheduler fires a reminder: it shows the earliest, which stays in the store.
    void FireEarliestReminder() { Window.ShowNotification(Store.GetEarliestNotification()); }
    void FireStored(const std::wstring& text) {
        Store.AddNotification(TNotification("2024.03.10 23:45:00", text));
        FireEarliestReminder();
    }
    // One that is not in the store: what the user does to it changes nothing there.
    void Show(const std::wstring& text, const std::wstring& soundFile = L"") {
        TNotification reminder(Now, text);
        reminder.SoundFile = soundFile;
        Window.ShowNotification(reminder);
    }
    void StoreReminderWithNote(const std::wstring& text, const std::string& repeat = "") {
        WriteFileBytes(NotePath, MakeVoiceNote());
        TNotification reminder("2024.03.10 23:45:00", text);
        reminder.SoundFile = NotePath;
        reminder.Repeat = repeat;
        Store.AddNotification(reminder);
    }

    TTemporaryFolder Folder;
    std::wstring NotePath = Folder.GetPath() + L"\\recorded.pcm";
    TNotificationsDb Store{Folder.GetPath() + L"\\notifications"};
    TDialogWindowList DialogWindows;
    TDateTimeText Now = "2024.03.10 23:50:00";
    TNotificationWindow Window{DialogWindows, Store, [this] { return Now; }};
};

}  // namespace

TEST_F(NotificationWindowTest, ShowsTheTextCentredAtTheTopWhenThereIsNoNote) {
    ASSERT_NE(GetHandle(), nullptr);
    EXPECT_FALSE(IsWindowVisible(GetHandle()));
    EXPECT_FALSE(Window.IsShowingNotification());

    for (const std::wstring text : {L"Water the plants", L""}) {
        Show(text);
        EXPECT_TRUE(IsWindowVisible(GetHandle()));
        EXPECT_TRUE(Window.IsShowingNotification());
        EXPECT_EQ(FindReplayButton(), nullptr);
        ExpectTextShownAt(text.empty() ? L"<no text>" : text, 5);
        EXPECT_EQ(DescribeLayoutFault(GetHandle()), "");
        Click(FindButton(GetHandle(), L"Close"));
    }
    EXPECT_TRUE(Store.GetEarliestNotification().Date.empty());
}

TEST_F(NotificationWindowTest, EachSnoozeStoresTheReminderAgainDueThatLongAfterTheClick) {
    struct TCase {
        TDateTimeText now;
        const wchar_t* button;
        TDateTimeText due;
    };
    const TCase cases[] = {
        {"2024.03.10 23:50:00", L"Snooze 5 min", "2024.03.10 23:55:00"},
        {"2024.03.10 23:50:00", L"Snooze 1 hour", "2024.03.11 00:50:00"},
        {"2024.03.10 23:50:00", L"Snooze 1 day", "2024.03.11 23:50:00"},
        {"2024.02.28 23:50:00", L"Snooze 1 day", "2024.02.29 23:50:00"},
        {"2024.12.31 12:00:00", L"Snooze 1 day", "2025.01.01 12:00:00"},
    };
    for (const TCase& snooze : cases) {
        FireStored(L"Call the bank");
        Now = snooze.now;
        Click(FindButton(GetHandle(), snooze.button));

        EXPECT_FALSE(IsWindowVisible(GetHandle()));
        EXPECT_FALSE(Window.IsShowingNotification());
        const std::vector<TNotification> stored = ReadStore();
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_EQ(stored[0].Date, snooze.due) << snooze.now;
        EXPECT_EQ(stored[0].Text, L"Call the bank");
        EXPECT_EQ(stored[0].SoundFile, L"");
        Store.RemoveEarliestNotification();
    }
}

// The menu's snoozes count from the click, as the buttons do; arrows and Enter choose them.
TEST_F(NotificationWindowTest, EachSnoozeOfTheMenuStoresTheReminderDueThatLongAfterTheClick) {
    const TDateTimeText dues[] = {"2024.03.11 00:00:00", "2024.03.11 00:05:00", "2024.03.11 00:20:00",
                                  "2024.03.11 01:50:00", "2024.03.11 03:50:00", "2024.03.11 23:50:00",
                                  "2024.03.17 23:50:00"};
    for (size_t item = 0; item < std::size(dues); ++item) {
        FireStored(L"Call the garage");
        TMenuUser user;
        user.keys.assign(item + 1, VK_DOWN);
        user.keys.push_back(VK_RETURN);
        TMenuUserTimer timer(user);
        Click(FindSnoozeMenuButton());
        EXPECT_EQ(user.captionsSeen.size(), 9u);
        EXPECT_EQ(user.defaultSeen, -1);
        RECT button{};
        GetWindowRect(FindSnoozeMenuButton(), &button);
        EXPECT_EQ(user.placeSeen.top, button.bottom) << "the menu opens below its button";
        EXPECT_FALSE(Window.IsShowingNotification());
        const std::vector<TNotification> stored = ReadStore();
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_EQ(stored[0].Date, dues[item]) << item;
        EXPECT_EQ(stored[0].Text, L"Call the garage");
        Store.RemoveEarliestNotification();
    }
}

// "Choose a time..." opens the editor on a new reminder an hour on, with the text and the note;
// cancelling it leaves the reminder on screen, saving it stores it and dismisses the reminder.
TEST_F(NotificationWindowTest, ATimeChosenInTheEditorIsStoredAndDismissesTheReminderOnlyWhenSaved) {
    const std::wstring helpPath;
    TNotificationEditorWindow editor(Store, DialogWindows, helpPath);
    Window.SetOnChooseTime([&editor](const TNotification& suggested, TNotificationWindow::TChosenHandler onChosen) {
        editor.ShowEditorFor(suggested, std::move(onChosen));
    });
    StoreReminderWithNote(L"Call the garage");
    FireEarliestReminder();
    for (const int key : {VK_ESCAPE, VK_RETURN}) {
        TMenuUser user;
        user.keys.assign(8, VK_DOWN);
        user.keys.push_back(VK_RETURN);
        TMenuUserTimer timer(user);
        Click(FindSnoozeMenuButton());
        const HWND editorWindow = FindTopLevelWindow(LoadText(IDS_EDITOR_TITLE_ADD));
        ASSERT_TRUE(IsWindowVisible(editorWindow));
        PressKey(DialogWindows, editorWindow, key);
        EXPECT_FALSE(IsWindowVisible(editorWindow));
        EXPECT_EQ(Window.IsShowingNotification(), key == VK_ESCAPE);
    }
    const std::vector<TNotification> stored = ReadStore();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].Date, "2024.03.11 00:50:00");
    EXPECT_EQ(stored[0].Text, L"Call the garage");
    EXPECT_EQ(ReadFileBytes(stored[0].SoundFile), MakeVoiceNote());
}

// A snoozed series moves on after the click, and its snoozed occurrence comes back as a one-off with
// a note of its own.
TEST_F(NotificationWindowTest, ASnoozedSeriesMovesOnAndComesBackOnceWithACopyOfItsNote) {
    StoreReminderWithNote(L"Stretch", "every 30 minutes");
    FireEarliestReminder();
    Click(FindButton(GetHandle(), L"Snooze 5 min"));
    const std::vector<TNotification> stored = ReadStore();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].Date + stored[0].Repeat, "2024.03.10 23:55:00");
    EXPECT_EQ(stored[1].Date + " " + stored[1].Repeat, "2024.03.11 00:15:00 every 30 minutes");
    EXPECT_NE(stored[0].SoundFile, stored[1].SoundFile);
    EXPECT_EQ(ReadFileBytes(stored[0].SoundFile), MakeVoiceNote());
}

TEST_F(NotificationWindowTest, SnoozingAReminderWithoutTextKeepsItWithoutText) {
    FireStored(L"");
    Click(FindButton(GetHandle(), L"Snooze 5 min"));
    const std::vector<TNotification> stored = ReadStore();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].Text, L"");
}

// A snooze moves the line on with its own note file, and the window leaves no file behind.
TEST_F(NotificationWindowTest, ASnoozeKeepsTheNoteFileAndLeavesNoFileOfItsOwn) {
    StoreReminderWithNote(L"Take the cake out");
    const std::vector<std::wstring> temporaryBefore = ListFolder(GetTemporaryFolder());
    FireEarliestReminder();
    const std::wstring storeNote = Store.GetEarliestNotification().SoundFile;

    const HWND replay = FindReplayButton();
    ASSERT_NE(replay, nullptr);
    const RECT replayRect = GetChildRect(replay);
    EXPECT_EQ(replayRect.top, 5);
    ExpectTextShownAt(L"Take the cake out", replayRect.bottom + 5);
    EXPECT_EQ(DescribeLayoutFault(GetHandle()), "");

    Click(FindButton(GetHandle(), L"Snooze 1 hour"));

    const std::vector<TNotification> stored = ReadStore();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].Date, "2024.03.11 00:50:00");
    EXPECT_EQ(stored[0].SoundFile, storeNote);
    EXPECT_EQ(ReadFileBytes(stored[0].SoundFile), MakeVoiceNote());
    EXPECT_EQ(FindReplayButton(), nullptr);
    EXPECT_EQ(ListFolder(GetTemporaryFolder()), temporaryBefore);
}

// Deleted in the list while on screen, the reminder's note file is gone; the window plays its copy.
TEST_F(NotificationWindowTest, ReplaySoundPlaysTheNoteAfterTheStoreDeletedItsFile) {
    StoreReminderWithNote(L"Feed the cat");
    FireEarliestReminder();
    Store.RemoveEarliestNotification();
    PumpMessagesFor(1500);  // the note has played once by itself

    const std::wstring capturePath = Folder.GetPath() + L"\\capture.pcm";
    {
        TSoundRecorder recorder(capturePath);
        PumpMessagesFor(300);
        Click(FindReplayButton());
        PumpMessagesFor(2200);
    }
    int loudSamples = 0;
    for (char sample : ReadFileBytes(capturePath)) {
        loudSamples += std::abs(static_cast<unsigned char>(sample) - 128) > 48 ? 1 : 0;
    }
    EXPECT_GT(loudSamples, 4000);
    EXPECT_LT(loudSamples, 9000);
    Click(FindButton(GetHandle(), L"Close"));
}

TEST_F(NotificationWindowTest, CloseTheCloseBoxAndEnterDismissButEscapeDoesNot) {
    StoreReminderWithNote(L"Stand up");
    FireEarliestReminder();
    Click(FindButton(GetHandle(), L"Close"));
    EXPECT_FALSE(IsWindowVisible(GetHandle()));
    EXPECT_FALSE(Window.IsShowingNotification());
    EXPECT_EQ(FindReplayButton(), nullptr);

    Show(L"Stand up");
    SendMessageW(GetHandle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(GetHandle()));
    EXPECT_FALSE(Window.IsShowingNotification());

    Show(L"Stand up");
    PressKey(DialogWindows, GetHandle(), VK_ESCAPE);
    EXPECT_TRUE(IsWindowVisible(GetHandle()));
    EXPECT_TRUE(Window.IsShowingNotification());
    PressKey(DialogWindows, GetHandle(), VK_RETURN);
    EXPECT_FALSE(IsWindowVisible(GetHandle()));
    EXPECT_FALSE(Window.IsShowingNotification());

    EXPECT_TRUE(ReadStore().empty());
}

// A reminder appears without taking the keyboard: screen readers hear of its text through a
// live region, or an alert where the system has none (Wine says it is Windows 7).
TEST_F(NotificationWindowTest, EachShownReminderIsAnnouncedOnceAndSnoozeOrCloseAnnounceNothing) {
    std::vector<HWINEVENTHOOK> hooks;
    for (DWORD event : {DWORD{EVENT_SYSTEM_ALERT}, DWORD{0x8019}}) {
        hooks.push_back(SetWinEventHook(event, event, nullptr, CountAnnouncement, GetCurrentProcessId(), 0,
                                        WINEVENT_OUTOFCONTEXT));
    }
    std::vector<int> counts;
    for (const wchar_t* way : {L"Snooze 5 min", L"Close"}) {
        Show(L"Stand up");
        PumpMessagesFor(200);
        counts.push_back(Announcements);
        Click(FindButton(GetHandle(), way));
        PumpMessagesFor(200);
        counts.push_back(Announcements);
    }
    for (HWINEVENTHOOK hook : hooks) {
        UnhookWinEvent(hook);
    }
    EXPECT_EQ(counts, (std::vector<int>{1, 1, 2, 2}));
}

// However long the text, the window stays inside the work area, its lines no wider than half
// of it, and the whole text can be read: in full, or by scrolling the text view.
TEST_F(NotificationWindowTest, ALongTextWrapsAndScrollsInsideTheWorkArea) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    Show(L"Short");
    const RECT shortView = GetChildRect(FindTextView());

    struct TCase {
        std::wstring text;
        bool scrolls;
    };
    std::wstring sentences;
    while (sentences.size() < 700) {
        sentences += L"Send a gift to the sister of the husband. ";
    }
    std::wstring unreadable = std::wstring(500, L'x') + L"\n";
    while (unreadable.size() < 20000) {
        unreadable += sentences;
    }
    const TCase cases[] = {{L"Buy:\nbread\nmilk", false}, {sentences, false}, {unreadable, true}};
    for (const TCase& reminder : cases) {
        Show(reminder.text);
        RECT window{};
        GetWindowRect(GetHandle(), &window);
        EXPECT_GE(window.left, work.left);
        EXPECT_GE(window.top, work.top);
        EXPECT_LE(window.right, work.right);
        EXPECT_LE(window.bottom, work.bottom);
        EXPECT_EQ(DescribeLayoutFault(GetHandle()), "");

        const HWND view = FindTextView();
        const RECT place = GetChildRect(view);
        EXPECT_LE(place.right - place.left, (work.right - work.left) / 2 + 40);
        EXPECT_GT(place.bottom - place.top, shortView.bottom - shortView.top);
        const bool scrolls = (GetWindowLongW(view, GWL_STYLE) & WS_VSCROLL) != 0;
        EXPECT_EQ(scrolls, reminder.scrolls);
        // Every wrapped line shows, or can be scrolled to.
        const int lines = static_cast<int>(SendMessageW(view, EM_GETLINECOUNT, 0, 0));
        const int lastLineTop = HIWORD(SendMessageW(view, EM_POSFROMCHAR, SendMessageW(view, EM_LINEINDEX, lines - 1, 0), 0));
        EXPECT_EQ(lastLineTop >= place.bottom - place.top - 5, scrolls);
        SendMessageW(view, EM_LINESCROLL, 0, lines);
        EXPECT_EQ(SendMessageW(view, EM_GETFIRSTVISIBLELINE, 0, 0) > 0, scrolls);
    }
}

TEST_F(NotificationWindowTest, AResizeRecentresTheControlsAndTheNextReminderGetsItsOwnSize) {
    Show(L"Stretch");
    RECT window{};
    GetWindowRect(GetHandle(), &window);
    const int firstClientWidth = GetClientWidth();

    MoveWindow(GetHandle(), window.left, window.top, window.right - window.left + 200, window.bottom - window.top, TRUE);
    ASSERT_EQ(GetClientWidth(), firstClientWidth + 200);
    const RECT close = GetChildRect(FindButton(GetHandle(), L"Close"));
    EXPECT_LE(std::abs((close.left + close.right) / 2 - GetClientWidth() / 2), 1);
    EXPECT_EQ(GetChildRect(FindButton(GetHandle(), L"Snooze 5 min")).left, 5);

    Show(L"Stretch");
    EXPECT_EQ(GetClientWidth(), firstClientWidth);
}

TEST_F(NotificationWindowTest, GrowsWithTheDpiAndComesBackFromMinimized) {
    StoreReminderWithNote(L"Позвонить Анне");
    FireEarliestReminder();
    EXPECT_EQ(DescribeDpiScalingFault(GetHandle(), [this] { Show(L"Позвонить Анне", NotePath); }), "");

    // The user minimized a short reminder and closed it from the taskbar; a long one comes next.
    const std::wstring longText = L"Buy:\nbread\nmilk\neggs\nbutter and a cake for the sister of the husband";
    Show(longText);
    RECT laidOut{};
    GetWindowRect(GetHandle(), &laidOut);
    Show(L"Stand up");
    ShowWindow(GetHandle(), SW_MINIMIZE);
    SendMessageW(GetHandle(), WM_CLOSE, 0, 0);
    Show(longText);
    EXPECT_FALSE(IsIconic(GetHandle()));
    EXPECT_TRUE(IsWindowVisible(GetHandle()));
    RECT shown{};
    GetWindowRect(GetHandle(), &shown);
    EXPECT_EQ(shown.right - shown.left, laidOut.right - laidOut.left);
    EXPECT_EQ(shown.bottom - shown.top, laidOut.bottom - laidOut.top);
    EXPECT_EQ(DescribeLayoutFault(GetHandle()), "");
}

// The store's failure reaches the application's report; the reminder stays on screen and in the
// file, and the user can still snooze or close it.
TEST(NotificationWindowFailure, AStoreThatCannotWriteLeavesTheReminderOnScreen) {
    std::vector<std::string> reports;
    SetHandlerFailureReporter([&reports](const std::string& message) { reports.push_back(message); });
    TTemporaryFolder folder;
    const std::wstring path = folder.GetPath() + L"\\notifications";
    TNotificationsDb store(path);
    store.AddNotification(TNotification("2024.03.10 23:45:00", L"Pay the rent"));
    store.StopWaitingForHolders();
    TDialogWindowList dialogWindows;
    TNotificationWindow window(dialogWindows, store);
    window.ShowNotification(store.GetEarliestNotification());
    const HWND handle = FindTopLevelWindow(L"Notification");
    // Another program reads the file and lets none replace it meanwhile.
    const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);

    Click(FindButton(handle, L"Snooze 5 min"));

    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].rfind("TNotificationsDb: ", 0), 0u) << reports[0];
    EXPECT_TRUE(IsWindowVisible(handle));
    EXPECT_TRUE(window.IsShowingNotification());
    CloseHandle(held);
    Click(FindButton(handle, L"Close"));
    EXPECT_FALSE(window.IsShowingNotification());
    EXPECT_TRUE(store.GetEarliestNotification().Date.empty());
    SetHandlerFailureReporter(nullptr);
}
