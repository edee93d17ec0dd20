#include "app/Application.h"
#include "app/DueReminderCheck.h"
#include "app/tray/TrayTooltip.h"
#include "app/tray/TrayNotificationControl.h"

#include "store/NotificationsDb.h"
#include "texts/Texts.h"
#include "ui/HandlerFailure.h"
#include "windows/NotificationEditorWindow.h"
#include "windows/NotificationWindow.h"

#include "tests/support/DesktopDriver.h"
#include "tests/support/FileOpenCounter.h"
#include "tests/support/MessagePumping.h"
#include "tests/support/UnixCommand.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<std::wstring> StoredTexts(TNotificationsDb& store) {
    std::vector<std::wstring> texts;
    for (TNotificationsDb::TIterator it = store.Begin(); it.IsValid(); it.Next()) {
        texts.push_back(it.Current().Text);
    }
    return texts;
}

HWND FindButton(HWND window, const wchar_t* caption) { return FindControl(window, L"Button", caption); }

class DueReminderCheck : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        Folder = fs::path(temp) / (L"nudgely-due-" + std::to_wstring(GetCurrentProcessId()));
        fs::remove_all(Folder);
        fs::create_directories(Folder);
        Store = std::make_unique<TNotificationsDb>((Folder / L"notifications").wstring());
        Window = std::make_unique<TNotificationWindow>(DialogWindows, *Store, [this] { return Now; });
        Check = std::make_unique<TDueReminderCheck>(*Window, *Store, [this] { return Now; });
        NotificationHandle = FindWindowW(nullptr, L"Notification");
    }

    void TearDown() override {
        Check.reset();
        Window.reset();
        Store.reset();
        fs::remove_all(Folder);
    }

    void Add(const std::string& date, const std::wstring& text) { Store->AddNotification(TNotification(date, text)); }

    // A store on a data file written by someone else.
    void UseDataFile(const std::string& bytes) {
        std::ofstream(Folder / L"notifications", std::ios::binary) << bytes;
        Reopen();
    }

    void Reopen() {
        Check.reset();
        Window.reset();
        Store = std::make_unique<TNotificationsDb>((Folder / L"notifications").wstring());
        Window = std::make_unique<TNotificationWindow>(DialogWindows, *Store, [this] { return Now; });
        Check = std::make_unique<TDueReminderCheck>(*Window, *Store, [this] { return Now; });
        NotificationHandle = FindWindowW(nullptr, L"Notification");
    }

    std::string ReadDataFile() const {
        std::ifstream file(Folder / L"notifications", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    // Runs the check tick after tick, closing what it shows, until a tick shows nothing.
    int CountShownUntilQuiet() {
        int shown = 0;
        for (Check->Run(); Window->IsShowingNotification() && shown < 10; Check->Run()) {
            ++shown;
            CloseShownReminder();
        }
        return shown;
    }

    void CloseShownReminder() { SendMessageW(FindButton(NotificationHandle, L"Close"), BM_CLICK, 0, 0); }

    fs::path Folder;
    TDialogWindowList DialogWindows;
    std::unique_ptr<TNotificationsDb> Store;
    std::unique_ptr<TNotificationWindow> Window;
    std::unique_ptr<TDueReminderCheck> Check;
    HWND NotificationHandle = nullptr;
    TDateTimeText Now = "2011.05.16 22:53:00";
    std::wstring Shown;
};

TEST_F(DueReminderCheck, NothingHappensOnAnEmptyStoreOrBeforeTheEarliestIsDue) {
    Check->Run();
    EXPECT_FALSE(Window->IsShowingNotification());
    Add("2011.05.16 22:53:01", L"later");
    Check->Run();
    EXPECT_FALSE(Window->IsShowingNotification());
    EXPECT_EQ(StoredTexts(*Store), (std::vector<std::wstring>{L"later"}));
}

TEST_F(DueReminderCheck, IdleTicksOpenNoFileAfterTheFirstReadAndAfterAChange) {
    UseDataFile("2011.05.17 10:00:00||tomorrow\r\n2011.05.18 10:00:00||later\r\n");
    const TFileOpenCounter opens((Folder / L"notifications").wstring());
    ASSERT_TRUE(opens.IsCounting());
    const auto runTicks = [this] {
        for (int tick = 0; tick < 60; ++tick) {
            Check->Run();
        }
    };
    runTicks();
    EXPECT_EQ(opens.GetCount(), 0) << "the store read the data file when it was made, the ticks nothing";
    Add("2011.05.16 23:00:00", L"tonight");
    const int opensOfTheChange = opens.GetCount();
    runTicks();
    EXPECT_EQ(opens.GetCount(), opensOfTheChange + 1) << "the change's own trace in the folder costs one read";
    EXPECT_FALSE(Window->IsShowingNotification());
}

TEST_F(DueReminderCheck, AReminderDueThisVerySecondFiresAndLeavesTheFileWhenClosed) {
    Add(Now, L"now");
    const std::string before = ReadDataFile();
    Check->Run();
    EXPECT_TRUE(Window->IsShowingNotification());
    EXPECT_TRUE(IsWindowVisible(NotificationHandle));
    EXPECT_EQ(ReadDataFile(), before) << "showing changed the file";
    CloseShownReminder();
    EXPECT_TRUE(StoredTexts(*Store).empty());
}

TEST_F(DueReminderCheck, OverdueRemindersFireOnePerTickEarliestFirstAndNoneWhileOneIsShown) {
    Add("2011.05.03 10:00:00", L"third");
    Add("2011.05.01 10:00:00", L"first");
    Add("2011.05.02 10:00:00", L"second");

    Check->Run();
    const std::int32_t first = Window->GetShownId();
    EXPECT_EQ(Store->GetNotification(first).Text, L"first");
    Check->Run();
    Check->Run();
    EXPECT_EQ(Window->GetShownId(), first) << "fired while one was shown";

    CloseShownReminder();
    EXPECT_FALSE(Window->IsShowingNotification());
    EXPECT_EQ(StoredTexts(*Store), (std::vector<std::wstring>{L"second", L"third"}));
    Check->Run();
    CloseShownReminder();
    EXPECT_EQ(StoredTexts(*Store), (std::vector<std::wstring>{L"third"}));
    Check->Run();
    CloseShownReminder();
    EXPECT_TRUE(StoredTexts(*Store).empty());
}

// A week and more of missed occurrences: each series is shown once and goes on from its first
// occurrence after now, in its own rule's form (a series on the 31st keeps its day through
// shorter months); the one-off lines are copied as they stand.
TEST_F(DueReminderCheck, OverdueSeriesAreShownOnceAndGoOnAfterNow) {
    Now = "2026.12.09 10:10:00";
    UseDataFile(
        "2026.08.31 09:00:00 every 3 months||Quarterly rent\r\n"
        "2026.11.30 09:00:00 every 1 month on day 31||Rent\r\n"
        "2026.12.01 09:00:00 every 1 day||Take the pills\r\n"
        "2026.12.04 08:30:00 every weekday||Stand-up\r\n"
        "2026.12.08 15:30:00 every 30 minutes||Stretch\r\n"
        "2026.12.10 08:45:00||one-off \xC3\xA9\r\n"
        "2026.12.11 07:00:00||later one-off\r\n");
    EXPECT_EQ(CountShownUntilQuiet(), 5);
    EXPECT_EQ(ReadDataFile(),
              "2026.12.09 10:30:00 every 30 minutes||Stretch\r\n"
              "2026.12.10 08:30:00 every weekday||Stand-up\r\n"
              "2026.12.10 08:45:00||one-off \xC3\xA9\r\n"
              "2026.12.10 09:00:00 every 1 day||Take the pills\r\n"
              "2026.12.11 07:00:00||later one-off\r\n"
              "2026.12.31 09:00:00 every 1 month||Rent\r\n"
              "2027.02.28 09:00:00 every 3 months on day 31||Quarterly rent\r\n");
}

// A series on screen while its next occurrences pass is not shown again, and goes on after the close.
TEST_F(DueReminderCheck, ASeriesOnScreenWhileItsNextOccurrencesPassIsShownOnce) {
    UseDataFile("2011.05.16 22:53:00 every 1 minute||Stretch\r\n");
    Check->Run();
    Now = "2011.05.16 22:55:30";
    EXPECT_EQ(CountShownUntilQuiet(), 1);
    EXPECT_EQ(ReadDataFile(), "2011.05.16 22:56:00 every 1 minute||Stretch\r\n");
}

// A rule this version cannot read, and a series with no occurrence before the year 10000, fire
// as a one-off reminder does.
TEST_F(DueReminderCheck, ASeriesThatCannotGoOnIsShownAndLeaves) {
    Now = "9999.12.31 10:00:00";
    UseDataFile(
        "2026.12.01 09:00:00 every blue moon||unreadable\r\n"
        "9999.12.31 09:00:00 every 1 day||last day\r\n");
    EXPECT_EQ(CountShownUntilQuiet(), 2);
    EXPECT_TRUE(StoredTexts(*Store).empty());
}

// Another program holds the data file (a backup, an editor) while the user closes the reminder:
// the failure is reported and the reminder stays on screen and in the file, to be closed again.
TEST_F(DueReminderCheck, AFailedCloseIsReportedAndLeavesTheReminderOnScreen) {
    std::vector<std::string> reported;
    SetHandlerFailureReporter([&](const std::string& message) { reported.push_back(message); });
    Add("2011.05.01 10:00:00", L"due");
    Store->StopWaitingForHolders();
    Check->Run();
    const HANDLE held = CreateFileW((Folder / L"notifications").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    CloseShownReminder();
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].rfind("TNotificationsDb: ", 0), 0u) << reported[0];
    EXPECT_TRUE(Window->IsShowingNotification());
    EXPECT_EQ(StoredTexts(*Store), (std::vector<std::wstring>{L"due"}));

    CloseHandle(held);
    CloseShownReminder();
    EXPECT_FALSE(Window->IsShowingNotification());
    EXPECT_TRUE(StoredTexts(*Store).empty());
    SetHandlerFailureReporter(nullptr);
}

// Another program held the data file without sharing it (a virus scanner, a backup) while the
// store read it: nothing may be taken for known from that read.
TEST_F(DueReminderCheck, AReminderDueWhileTheFileWasHeldIsShownOnceItIsReleased) {
    const fs::path data = Folder / L"notifications";
    std::ofstream(data, std::ios::binary) << "2011.05.16 22:00:00||overdue\r\n";
    const HANDLE held = CreateFileW(data.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Reopen();
    Check->Run();
    EXPECT_FALSE(Window->IsShowingNotification());
    CloseHandle(held);
    Check->Run();
    EXPECT_TRUE(Window->IsShowingNotification());
}

// People edit the data file by hand, restore it or let a sync tool replace it: a Wine program and
// a Linux one write it here.
TEST_F(DueReminderCheck, ALineAddedByAnotherProgramIsShownAndTheOthersKeepTheirIds) {
    const std::string unixPath = GetUnixPath((Folder / L"notifications").wstring());
    const std::function<void()> writers[] = {
        [this] { std::ofstream(Folder / L"notifications", std::ios::binary) << "2011.05.16 22:00:00||by hand\r\n"
                                                                             << "2011.05.17 10:00:00||tomorrow\r\n"; },
        [&unixPath] {
            const std::string lines = "echo '2011.05.16 22:00:00||synced' >'" + unixPath + "'";
            ASSERT_EQ(RunUnixCommand(lines + "; echo '2011.05.17 10:00:00||tomorrow' >>'" + unixPath + "'"), 0);
        }};
    for (const auto& write : writers) {
        UseDataFile("2011.05.17 10:00:00||tomorrow\r\n");
        const std::int32_t tomorrow = Store->GetEarliestNotification().Id;
        write();
        EXPECT_EQ(Store->GetNotification(tomorrow).Text, L"tomorrow");
        Check->Run();
        EXPECT_TRUE(Window->IsShowingNotification());
        CloseShownReminder();
        EXPECT_EQ(StoredTexts(*Store), (std::vector<std::wstring>{L"tomorrow"}));
    }
}

// The editor was opened on a series that fell due and moved on before the user pressed Save.
TEST_F(DueReminderCheck, ASeriesEditedWhileItFallsDueIsStoredOnce) {
    Now = "2099.12.09 10:10:00";
    UseDataFile("2099.12.09 10:00:00 every 30 minutes||Stretch\r\n");
    const std::wstring helpFilePath;
    TNotificationEditorWindow editor(*Store, DialogWindows, helpFilePath);
    editor.ShowEditor(Store->GetEarliestNotification().Id);
    Check->Run();
    ASSERT_TRUE(Window->IsShowingNotification());
    SendMessageW(FindButton(FindWindowW(nullptr, L"Edit reminder"), L"Save"), BM_CLICK, 0, 0);
    EXPECT_EQ(ReadDataFile(), "2099.12.09 10:00:00 every 30 minutes||Stretch\r\n");
}

// While it is on screen the user deletes the shown reminder in the list or edits it, another
// program removes its line, or a reminder due earlier comes: closing acts on the shown one alone,
// by its ID and as it was shown, and on nothing else.
TEST_F(DueReminderCheck, ClosingActsOnTheShownReminderAloneAndOnlyAsItWasShown) {
    const std::string series = "2011.05.16 22:00:00 every 1 day||shown series\r\n";
    const std::string oneOff = "2011.05.16 22:00:00||shown one-off\r\n";
    const std::string other = "2011.05.16 22:30:00 every 1 day||other series\r\n";
    const std::string earlier = "2011.05.16 21:00:00||added earlier\r\n";
    const auto addEarlier = [this](std::int32_t) { Add("2011.05.16 21:00:00", L"added earlier"); };
    const struct {
        std::string shown;
        std::function<void(std::int32_t)> meanwhile;
        std::string closed;
    } cases[] = {
        {series, [this](std::int32_t shown) { Store->DeleteNotification(shown); }, other},
        {series, [this](std::int32_t shown) { Store->ReplaceNotification(shown, TNotification("2011.05.20 08:00:00", L"edited")); },
         other + "2011.05.20 08:00:00||edited\r\n"},
        {oneOff, [this, &other](std::int32_t) { std::ofstream(Folder / L"notifications", std::ios::binary) << other; }, other},
        {series, addEarlier, earlier + other + "2011.05.17 22:00:00 every 1 day||shown series\r\n"},
        {oneOff, addEarlier, earlier + other},
    };
    for (const auto& test : cases) {
        UseDataFile(test.shown + other);
        Check->Run();
        ASSERT_TRUE(Window->IsShowingNotification());
        test.meanwhile(Window->GetShownId());
        Store->FollowOutsideChanges();
        CloseShownReminder();
        EXPECT_EQ(ReadDataFile(), test.closed) << &test - cases;
    }
}

// Another PC, the list or a person answers the reminder on screen: its window goes by itself
// within moments of the change reaching the file, and nothing is moved on for it. A change of
// other lines leaves it on screen.
TEST_F(DueReminderCheck, AReminderAnsweredElsewhereLeavesTheScreenAndNothingMovesOn) {
    const std::string shown = "2011.05.16 22:00:00 every 1 day||series\r\n";
    const std::string other = "2011.05.20 10:00:00||other\r\n";
    const struct {
        std::string written;
        bool stays;
    } cases[] = {
        {other, false},
        {"2011.05.17 22:00:00 every 1 day||series\r\n" + other, false},
        {"2011.05.16 22:00:00 every 1 day||series, edited\r\n" + other, false},
        {shown + other + "2011.05.21 10:00:00||added\r\n", true},
    };
    for (const auto& test : cases) {
        UseDataFile(shown + other);
        Check->Run();
        ASSERT_TRUE(Window->IsShowingNotification());
        std::ofstream(Folder / L"notifications", std::ios::binary) << test.written;
        for (int tick = 0; tick < 20 && Window->IsShowingNotification(); ++tick, Sleep(100)) {
            Check->Run();
        }
        EXPECT_EQ(Window->IsShowingNotification(), test.stays) << test.written;
        EXPECT_EQ(ReadDataFile(), test.written);
    }
}

// Windows gives the whole end of the session a few seconds, and ends the process after it. The
// line of the reminder on screen is in the file already: the next start shows it, once.
TEST_F(DueReminderCheck, TheSessionEndLeavesTheFileAsItIsWithoutWaitingForAHolderOrTheSound) {
    std::ofstream(Folder / L"note.pcm", std::ios::binary) << std::string(24000, '\x20');
    const std::wstring helpFilePath;
    TNotification playing(Now, L"on screen");
    playing.SoundFile = (Folder / L"note.pcm").wstring();
    Store->AddNotification(playing);
    const std::string before = ReadDataFile();
    for (const bool held : {false, true}) {
        Reopen();
        TNotificationEditorWindow editor(*Store, DialogWindows, helpFilePath);
        Check->Run();
        const HANDLE holder = held ? CreateFileW((Folder / L"notifications").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                 nullptr, OPEN_EXISTING, 0, nullptr)
                                   : nullptr;
        EXPECT_LT(MeasureMilliseconds([&] { EndSession(*Store, *Window, editor); }), 500u) << held;
        if (holder) {
            CloseHandle(holder);
        }
        EXPECT_EQ(ReadDataFile(), before) << held;
    }
    Reopen();
    EXPECT_EQ(CountShownUntilQuiet(), 1);
}

// The tooltip as handed to the shell after each kind of change, in the language and the locale of
// the run (in German too): a day name within the week from today, the date before and after it.
TEST_F(DueReminderCheck, TheTrayTooltipTellsWhatComesNextAfterEveryChange) {
    const std::map<std::wstring, std::vector<std::wstring>> expected = {
        {L"",
         {L"No reminders", L"6/20/2011 8:30 AM Later", L"Tue 9:00 AM Stand-up",
          L"5/10/2011 8:00 AM Last week\n3 reminders waiting", L"Mon 8:00 AM This morning\n2 reminders waiting",
          L"Mon 10:53 PM <no text>"}},
        // As Wine's German locale writes days and dates ("Di", "20.06.2011" on Windows).
        {L"de_DE.UTF-8",
         {L"Keine Erinnerungen", L"20.6.2011 08:30 Later", L"Di. 09:00 Stand-up",
          L"10.5.2011 08:00 Last week\n3 Erinnerungen warten", L"Mo. 08:00 This morning\n2 Erinnerungen warten",
          L"Mo. 22:53 <kein Text>"}},
    };
    wchar_t locale[32] = {};
    GetEnvironmentVariableW(L"LC_ALL", locale, 32);
    ASSERT_EQ(expected.count(locale), 1u);
    std::vector<std::wstring> shown;
    TWindow host(L"tray host", false, nullptr);
    TTrayIcon::TNotificationControl icon(host, L"", 0, L"Nudgely");
    const auto note = [&] { shown.push_back(std::wstring(icon.GetRecord().szTip).substr(8)); };
    TTrayTooltip tooltip(*Store, [&](const std::wstring& text) { icon.SetTooltip(text); }, [this] { return Now; },
                         nullptr, [this] { return Window->GetShownId(); });
    note();
    Add("2011.06.20 08:30:00", L"Later");
    note();
    Add("2011.05.17 09:00:00", L"Stand-up");
    note();
    const std::int32_t morning = Store->AddNotification(TNotification("2011.05.16 08:00:00", L"This morning"));
    Add(Now, L"");
    Add("2011.05.10 08:00:00", L"Last week");
    note();
    Check->Run();
    tooltip.FollowTime();
    note();
    Store->DeleteNotification(morning);
    note();
    EXPECT_EQ(shown, expected.at(locale));
    EXPECT_EQ(std::wstring(icon.GetRecord().szTip, 8), L"Nudgely\n");
}

// Several fall due while one is on screen: the count of those waiting follows the clock, as the
// scheduler asks the tooltip at every tick, without the store changing.
TEST_F(DueReminderCheck, TheTrayTooltipCountsThoseFallingDueWhileOneIsOnScreen) {
    TTrayTooltip tooltip(*Store, [&](const std::wstring& text) { Shown = text; }, [this] { return Now; }, nullptr,
                         [this] { return Window->GetShownId(); });
    Add(Now, L"shown");
    Add("2011.05.16 22:53:30", L"half a minute later");
    Add("2011.05.16 22:54:00", L"a minute later");
    const auto tick = [&] {
        Check->Run();
        tooltip.FollowTime();
    };
    tick();
    ASSERT_TRUE(Window->IsShowingNotification());
    EXPECT_EQ(std::count(Shown.begin(), Shown.end(), L'\n'), 1) << "no count yet";
    EXPECT_EQ(Shown.find(L"shown"), std::wstring::npos) << "the one on screen told as to come: " << Shown;
    Now = "2011.05.16 22:54:00";
    tick();
    EXPECT_NE(Shown.find(FormatCountedText(IDS_TOOLTIP_WAITING, 2)), std::wstring::npos) << Shown;
}

// An antivirus scanner holds the data file as the program starts: the tooltip does not claim
// there are no reminders, and tells of them once the file is read.
TEST_F(DueReminderCheck, TheTrayTooltipWaitsForADataFileAnotherProgramHolds) {
    UseDataFile("2011.05.17 09:00:00||Stand-up\r\n");
    const HANDLE held = CreateFileW((Folder / L"notifications").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Reopen();
    TWindow host(L"tray host", false, nullptr);
    TTrayIcon::TNotificationControl icon(host, L"", 0, L"Nudgely");
    TTrayTooltip tooltip(*Store, [&](const std::wstring& text) { icon.SetTooltip(text); }, [this] { return Now; });
    EXPECT_STREQ(icon.GetRecord().szTip, L"Nudgely");
    CloseHandle(held);
    Check->Run();
    EXPECT_NE(std::wstring(icon.GetRecord().szTip).find(L"Stand-up"), std::wstring::npos) << icon.GetRecord().szTip;
}

// However wide the date and the count of those waiting, the text gives way to them and is cut
// between two characters: a text of surrogate pairs, once shifted by one unit.
TEST_F(DueReminderCheck, TheTrayTooltipCutsALongTextBetweenCharactersAndKeepsTheCount) {
    TWindow host(L"tray host", false, nullptr);
    TTrayIcon::TNotificationControl icon(host, L"", 0, L"Nudgely");
    TTrayTooltip tooltip(*Store, [&](const std::wstring& text) { icon.SetTooltip(text); }, [this] { return Now; });
    std::wstring cups;
    for (int count = 0; count < 80; ++count) {
        cups += {wchar_t(0xD83C), wchar_t(0xDF75)};
    }
    Add("2011.05.16 09:00:00", L"the other one waiting");
    for (const std::wstring start : {L"", L"x"}) {
        const std::int32_t id = Store->AddNotification(TNotification("2011.05.16 08:00:00", start + cups));
        const std::wstring tip = icon.GetRecord().szTip;
        const std::size_t ellipsis = tip.find(L'\u2026');
        ASSERT_NE(ellipsis, std::wstring::npos) << tip.size();
        EXPECT_GE(tip.size(), 126u);
        EXPECT_TRUE(IS_LOW_SURROGATE(tip[ellipsis - 1])) << "half a pair before the cut";
        EXPECT_EQ(tip.substr(ellipsis + 1), L"\n" + FormatCountedText(IDS_TOOLTIP_WAITING, 2));
        Store->DeleteNotification(id);
    }
}

}  // namespace
