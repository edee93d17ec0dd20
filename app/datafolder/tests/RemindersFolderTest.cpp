// The reminders folder switched while the program runs, through the same call the tray menu's
// folder picker makes, and a folder that goes away and comes back.
#include "app/DueReminderCheck.h"
#include "app/settings/SettingsFile.h"
#include "app/datafolder/RemindersFolder.h"
#include "store/NotificationsDb.h"
#include "texts/FailureText.h"
#include "ui/HandlerFailure.h"
#include "windows/NotificationWindow.h"

#include "tests/support/DesktopDriver.h"
#include "tests/support/ProgramFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <set>

namespace {

namespace fs = std::filesystem;

const std::string Tea = "2030.01.01 10:00:00|C:\\Users\\alice\\AppData\\Roaming\\Nudgely\\notifications.sound.7|Tea\r\n";
const std::string Walk = "2030.01.02 10:00:00||Walk\r\n";

std::set<fs::path> ListFolder(const fs::path& folder) {
    std::set<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename());
    }
    return names;
}

class RemindersFolder : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        Root = fs::path(temp) / (L"nudgely-folder-" + std::to_wstring(GetCurrentProcessId()));
        fs::remove_all(Root);
        Own = Root / L"own";
        Other = Root / L"other";
        // A line written on another PC, by another user: its note is found beside the data file.
        WriteWholeFile(Own / L"notifications", Tea + Walk);
        WriteWholeFile(Own / L"notifications.sound.7", "own note");
        fs::create_directories(Other);
        SetHandlerFailureReporter([this](const std::string& message) { Reported.push_back(DescribeFailure(message)); });
        TDataPaths paths;
        paths.Folder = paths.RemindersFolder = Own.wstring();
        paths.Settings = (Own / L"settings").wstring();
        paths.Store = (Own / L"notifications").wstring();
        Store = std::make_unique<TNotificationsDb>(paths.Store);
        Settings = std::make_unique<TSettingsFile>(paths.Settings);
        Folder = std::make_unique<TRemindersFolder>(*Store, *Settings, paths);
        TeaId = Store->GetEarliestNotification().Id;
    }

    void TearDown() override {
        SetHandlerFailureReporter(nullptr);
        Folder.reset();
        Store.reset();
        fs::remove_all(Root);
    }

    fs::path Root;
    fs::path Own;
    fs::path Other;
    std::vector<std::wstring> Reported;
    std::unique_ptr<TNotificationsDb> Store;
    std::unique_ptr<TSettingsFile> Settings;
    std::unique_ptr<TRemindersFolder> Folder;
    std::int32_t TeaId = -1;
};

TEST_F(RemindersFolder, AMoveCopiesSwitchesAndRemovesTheOldAndAnOpenReminderKeepsItsId) {
    ASSERT_EQ(Store->GetNotification(TeaId).SoundFile, (Own / L"notifications.sound.7").wstring());
    ASSERT_TRUE(Folder->SwitchTo(Other.wstring()));

    EXPECT_EQ(ReadWholeFile(Other / L"notifications"), Tea + Walk) << "a move keeps the file byte for byte";
    EXPECT_EQ(ReadWholeFile(Other / L"notifications.sound.7"), "own note");
    EXPECT_EQ(ListFolder(Own), std::set<fs::path>{L"settings"});
    EXPECT_EQ(ReadWholeFile(Own / L"settings"), "HoldDuringFullScreen:Yes\r\nDataFolder:" + Other.string() + "\r\n");
    EXPECT_EQ(Store->GetNotification(TeaId).SoundFile, (Other / L"notifications.sound.7").wstring());

    // A window open on it while the folder changed still replaces it, and deleting takes its note.
    Store->ReplaceNotification(TeaId, TNotification("2030.01.03 10:00:00", L"Tea later"));
    EXPECT_EQ(ReadWholeFile(Other / L"notifications"), Walk + "2030.01.03 10:00:00||Tea later\r\n");
    EXPECT_FALSE(fs::exists(Other / L"notifications.sound.7"));

    ASSERT_TRUE(Folder->SwitchTo(Own.wstring()));
    EXPECT_EQ(ReadWholeFile(Own / L"settings"), "HoldDuringFullScreen:Yes\r\n") << "the default needs no line";
    EXPECT_EQ(ReadWholeFile(Own / L"notifications"), Walk + "2030.01.03 10:00:00||Tea later\r\n");
    EXPECT_TRUE(ListFolder(Other).empty());
    EXPECT_TRUE(Reported.empty());
}

TEST_F(RemindersFolder, AJoinKeepsEveryReminderOnceAndGivesACollidingNoteAFreeName) {
    const std::string theirs = "2030.01.01 09:00:00|D:\\sync\\notifications.sound.7|Theirs\r\n";
    WriteWholeFile(Other / L"notifications", theirs + Walk);
    WriteWholeFile(Other / L"notifications.sound.7", "their note");
    ASSERT_TRUE(Folder->SwitchTo(Other.wstring()));

    const std::set<fs::path> names = ListFolder(Other);
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(ReadWholeFile(Other / L"notifications.sound.7"), "their note");
    std::vector<std::wstring> texts;
    std::wstring teaNote;
    for (TNotificationsDb::TIterator it = Store->Begin(); it.IsValid(); it.Next()) {
        texts.push_back(it.Current().Text);
        if (it.Current().Text == L"Tea") {
            teaNote = it.Current().SoundFile;
        }
    }
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"Theirs", L"Tea", L"Walk"}));
    EXPECT_NE(teaNote, (Other / L"notifications.sound.7").wstring());
    EXPECT_EQ(ReadWholeFile(teaNote), "own note") << "the line names the copy's new name";
    EXPECT_EQ(ListFolder(Own), std::set<fs::path>{L"settings"});
}

// The target's data file held by another program, then the settings file: each time nothing moves.
TEST_F(RemindersFolder, AMoveThatFailsAtAnyStepLeavesEverythingWhereItWasAndSaysSo) {
    WriteWholeFile(Other / L"notifications", Walk);
    for (const fs::path& held : {Other / L"notifications", Own / L"settings"}) {
        WriteWholeFile(held, ReadWholeFile(held));
        const HANDLE holder = CreateFileW(held.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        EXPECT_FALSE(Folder->SwitchTo(Other.wstring()));
        CloseHandle(holder);
        EXPECT_EQ(ReadWholeFile(Own / L"notifications"), Tea + Walk);
        EXPECT_EQ(ReadWholeFile(Other / L"notifications"), Walk);
        EXPECT_EQ(ListFolder(Other), std::set<fs::path>{L"notifications"}) << held;
        EXPECT_EQ(Folder->GetFolder(), Own.wstring());
        ASSERT_EQ(Reported.size(), 1u);
        EXPECT_NE(Reported.back().find(Other.wstring()), std::wstring::npos) << fs::path(Reported.back());
        Reported.clear();
    }
    EXPECT_EQ(ReadWholeFile(Own / L"settings"), "");
}

TEST_F(RemindersFolder, AFolderGoneIsToldOnceKeepsItsRemindersRefusesChangesAndIsReadAgainWhenBack) {
    ASSERT_TRUE(Folder->SwitchTo(Other.wstring()));
    const fs::path away = Root / L"away";
    // The folder watch has a change to tell when the folder is gone: the store reads it then.
    WriteWholeFile(Other / L"unrelated", "");
    fs::rename(Other, away);
    for (int tick = 0; tick < 3; ++tick) {
        Folder->FollowTick();
        Store->FollowOutsideChanges();
    }
    ASSERT_EQ(Reported.size(), 1u);
    EXPECT_NE(Reported[0].find(Other.wstring()), std::wstring::npos);
    EXPECT_FALSE(TNotificationsDb((Other / L"notifications").wstring()).IsKnown()) << "a start without it";
    EXPECT_NE(Folder->DescribeAbsence().find(Other.wstring()), std::wstring::npos);
    EXPECT_EQ(Store->GetEarliestNotification().Text, L"Tea") << "never an empty list in its place";
    try {
        Store->DeleteNotification(TeaId);
        ADD_FAILURE() << "a change was made without the folder";
    } catch (const std::exception& failure) {
        EXPECT_NE(DescribeFailure(failure.what()).find(Other.wstring()), std::wstring::npos);
    }
    EXPECT_FALSE(fs::exists(Other)) << "nothing written in its place";

    WriteWholeFile(away / L"notifications", Walk);
    fs::rename(away, Other);
    Folder->FollowTick();
    EXPECT_TRUE(Folder->DescribeAbsence().empty());
    EXPECT_EQ(Store->GetEarliestNotification().Text, L"Walk");
    EXPECT_EQ(Reported.size(), 1u);
}

// A reminder falls due while the folder is gone; closing it cannot be stored then, so it stays on
// screen, and it goes, with its line, once the folder is back.
TEST_F(RemindersFolder, WhileTheFolderIsGoneAClosedReminderStaysOnScreenUntilItsLineCanGo) {
    TDialogWindowList dialogs;
    TNotificationWindow window(dialogs, *Store);
    TDueReminderCheck check(window, *Store, [] { return TDateTimeText("2030.01.05 10:00:00"); });
    fs::rename(Own, Root / L"away");
    check.Run();
    const HWND notification = FindWindowW(nullptr, L"Notification");
    ASSERT_TRUE(IsWindowVisible(notification));
    const auto close = [notification] { SendMessageW(FindControl(notification, L"Button", L"Close"), BM_CLICK, 0, 0); };
    close();
    check.Run();
    EXPECT_TRUE(IsWindowVisible(notification));
    EXPECT_EQ(Reported.size(), 1u);
    fs::rename(Root / L"away", Own);
    for (int shown = 0; shown < 3 && IsWindowVisible(notification); ++shown) {
        close();
        check.Run();
    }
    EXPECT_EQ(ReadWholeFile(Own / L"notifications"), "");
    EXPECT_FALSE(fs::exists(Own / L"notifications.sound.7"));
    EXPECT_FALSE(IsWindowVisible(notification));
}

}  // namespace
