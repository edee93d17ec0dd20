// Runs the real nudgely.exe as a user or another program would: first start, second instance,
// "/close", "/selftest", "/add".
#include "tests/support/ChildProcess.h"
#include "tests/support/DesktopDriver.h"
#include "tests/support/ProgramFiles.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

const wchar_t CloseRequestTitle[] = L"brantel.Nudgely.closeRequestReceivingWindowName";

std::wstring Program() { return Quote(NUDGELY_EXE_PATH); }

HWND WaitForCloseRequestWindow(DWORD milliseconds = 10000) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = FindWindowW(nullptr, CloseRequestTitle)) {
            return window;
        }
        if (GetTickCount() - start > milliseconds) {
            return nullptr;
        }
        Sleep(20);
    }
}

struct TFoundBoxes {
    DWORD ProcessId;
    std::vector<HWND> Boxes;
};

std::vector<HWND> FindMessageBoxes(DWORD processId) {
    TFoundBoxes found{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* found = reinterpret_cast<TFoundBoxes*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t title[64] = {};
            GetWindowTextW(window, title, 64);
            if (owner == found->ProcessId && IsWindowVisible(window) && std::wstring(title) == L"Message") {
                found->Boxes.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.Boxes;
}

std::wstring ReadBoxText(HWND box) {
    std::wstring text;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM context) -> BOOL {
            wchar_t className[32] = {};
            GetClassNameW(child, className, 32);
            if (lstrcmpiW(className, L"Static") == 0) {
                wchar_t buffer[256] = {};
                GetWindowTextW(child, buffer, 256);
                *reinterpret_cast<std::wstring*>(context) += buffer;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    return text;
}

class EntryEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(FindWindowW(nullptr, CloseRequestTitle), nullptr) << "an instance is already running";
        std::error_code ignored;
        fs::remove_all(GetDataFolder(), ignored);
    }

    void TearDown() override {
        if (HWND window = FindWindowW(nullptr, CloseRequestTitle)) {
            PostMessageW(window, WM_CLOSE, 0, 0);
            for (int i = 0; i < 250 && FindWindowW(nullptr, CloseRequestTitle); ++i) {
                Sleep(20);
            }
        }
    }

    static DWORD RunToEnd(const std::wstring& arguments, DWORD milliseconds = 10000) {
        TChildProcess run(Program() + L" " + arguments);
        DWORD exitCode = 12345;
        EXPECT_TRUE(run.WaitForExit(milliseconds, exitCode)) << "still running";
        return exitCode;
    }
};

TEST_F(EntryEndToEnd, FirstRunMakesTheDataFolderAndTheDefaultHotKeysFileAndCloseEndsIt) {
    TChildProcess instance(Program());
    ASSERT_NE(WaitForCloseRequestWindow(), nullptr);
    EXPECT_TRUE(fs::is_directory(GetDataFolder()));
    EXPECT_EQ(ReadWholeFile(GetDataFolder() / L"hotkeys"), "AddNotification:Ctrl-Alt-N\r\n");
    EXPECT_FALSE(fs::exists(GetDataFolder() / L"notifications")) << "the store writes its file at the first change";

    const DWORD start = GetTickCount();
    EXPECT_EQ(RunToEnd(L"/close"), 0u);
    EXPECT_LT(GetTickCount() - start, 2500u);
    DWORD exitCode = 12345;
    ASSERT_TRUE(instance.WaitForExit(2000, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST_F(EntryEndToEnd, AnExistingHotKeysFileIsLeftAloneEvenWhenEmpty) {
    for (const std::string content : {std::string(), std::string("ViewAllNotifications:Ctrl-Alt-L\r\n")}) {
        fs::create_directories(GetDataFolder());
        WriteWholeFile(GetDataFolder() / L"hotkeys", content);
        {
            TChildProcess instance(Program());
            ASSERT_NE(WaitForCloseRequestWindow(), nullptr);
            EXPECT_EQ(RunToEnd(L"/close"), 0u);
            DWORD exitCode = 12345;
            ASSERT_TRUE(instance.WaitForExit(2000, exitCode));
        }
        EXPECT_EQ(ReadWholeFile(GetDataFolder() / L"hotkeys"), content);
    }
}

TEST_F(EntryEndToEnd, ASecondInstanceShowsOneMessageAndExitsWithOneWhileTheFirstRunsOn) {
    TChildProcess first(Program());
    HWND firstWindow = WaitForCloseRequestWindow();
    ASSERT_NE(firstWindow, nullptr);

    TChildProcess second(Program());
    std::vector<HWND> boxes;
    for (int i = 0; i < 500 && boxes.empty(); ++i) {
        Sleep(20);
        boxes = FindMessageBoxes(second.GetId());
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(ReadBoxText(boxes[0]), L"Nudgely is already running");
    EXPECT_TRUE(second.IsRunning()) << "it waits for the message to be dismissed";

    PostMessageW(boxes[0], WM_COMMAND, IDOK, 0);
    DWORD exitCode = 12345;
    ASSERT_TRUE(second.WaitForExit(5000, exitCode));
    EXPECT_EQ(exitCode, 1u);
    EXPECT_TRUE(first.IsRunning());
    EXPECT_EQ(FindWindowW(nullptr, CloseRequestTitle), firstWindow);
}

TEST_F(EntryEndToEnd, CloseWithNothingRunningExitsWithZero) { EXPECT_EQ(RunToEnd(L"/close"), 0u); }

TEST_F(EntryEndToEnd, OnlyTheExactSwitchAloneIsASwitch) {
    for (const wchar_t* arguments : {L"/SELFTEST", L"/close x", L"/selftest /selftest"}) {
        TChildProcess instance(Program() + L" " + arguments);
        EXPECT_NE(WaitForCloseRequestWindow(), nullptr) << "did not start normally with " << fs::path(arguments);
        EXPECT_EQ(RunToEnd(L"/close"), 0u);
        DWORD exitCode = 12345;
        ASSERT_TRUE(instance.WaitForExit(2000, exitCode));
        EXPECT_EQ(exitCode, 0u);
    }
}

// The line a run writes, and its exit code.
std::pair<std::string, DWORD> RunWithOutput(const std::wstring& arguments) {
    TChildProcess run(Program() + L" " + arguments, L"", true);
    const std::string output = run.ReadOutput();
    DWORD exitCode = 12345;
    EXPECT_TRUE(run.WaitForExit(10000, exitCode));
    return {output, exitCode};
}

std::pair<std::string, DWORD> RunAdd(const std::wstring& words) { return RunWithOutput(L"/add " + words); }

// Stored with no instance, refused when malformed, handed to a running instance, which fires it
// on time and refuses what would have it copy a file; quotes, "|" and other scripts arrive as typed.
TEST_F(EntryEndToEnd, AddStoresWithOrWithoutAnInstanceAndChangesNothingWhenMalformed) {
    const fs::path data = GetDataFolder() / L"notifications";
    EXPECT_EQ(RunAdd(L"\"2030.01.02 09:00:00\" \"say \\\"hi\\\" | \u0427\u0430\u0439 \u8336\" \"every 1 days\""),
              std::make_pair(std::string(u8"Reminder added: 1/2/2030 9:00 AM say \"hi\" | \u0427\u0430\u0439 \u8336\r\n"), 0ul));
    const std::string stored = u8"2030.01.02 09:00:00 every 1 day||say \"hi\" | \u0427\u0430\u0439 \u8336\r\n";
    EXPECT_EQ(ReadWholeFile(data), stored);
    EXPECT_EQ(ReadWholeFile(GetDataFolder() / L"hotkeys"), "AddNotification:Ctrl-Alt-N\r\n");

    for (const wchar_t* malformed : {L"00:61:00 Tea", L"00:10:00", L"00:10:00 Tea \"every fortnight\""}) {
        EXPECT_EQ(RunAdd(malformed).second, 2ul) << fs::path(malformed);
    }
    EXPECT_EQ(RunAdd(L"2030.1.2 Tea").first,
              "\"2030.1.2\" is neither a date and time such as \"2026.12.09 09:00:00\" nor a countdown such as "
              "\"00:10:00\".\r\n");
    EXPECT_EQ(ReadWholeFile(data), stored);

    TChildProcess instance(Program());
    HWND window = WaitForCloseRequestWindow();
    ASSERT_NE(window, nullptr);
    const DWORD start = GetTickCount();
    EXPECT_EQ(RunAdd(L"00:00:03 Tea").second, 0ul);
    const HWND notification = WaitForVisibleWindow(instance.GetId(), L"Notification", 6000);
    ASSERT_NE(notification, nullptr);
    EXPECT_GE(GetTickCount() - start, 1500u) << "it fired early";
    // The instance takes it out of the file when the user closes it.
    SendMessageW(FindControl(notification, L"Button", L"Close"), BM_CLICK, 0, 0);
    for (int wait = 0; wait < 100 && ReadWholeFile(data) != stored; ++wait) {
        Sleep(20);
    }
    EXPECT_EQ(ReadWholeFile(data), stored) << "the reminder closed stayed in the file";

    std::string withSound = "2030.01.02 09:00:00|C:\\windows\\win.ini|Tea";
    COPYDATASTRUCT request{0x4E414401, static_cast<DWORD>(withSound.size()), &withSound[0]};
    DWORD_PTR answer = TRUE;
    EXPECT_NE(SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request), 0, 10000, &answer), 0);
    EXPECT_EQ(answer, DWORD_PTR(FALSE));
    EXPECT_EQ(ReadWholeFile(data), stored);
}

// Another "/add" that stores with no instance holds the mutex for a moment: a start and a "/add"
// that meet it then wait for it, and neither reports an instance that does not run.
TEST_F(EntryEndToEnd, AStartAndAnAddThatMeetTheMutexHeldForAMomentWaitForIt) {
    HANDLE held = CreateMutexW(nullptr, TRUE, L"brantel.Nudgely.globalMutex");
    ASSERT_NE(held, nullptr);
    TChildProcess add(Program() + L" /add 01:00:00 Tea");
    TChildProcess instance(Program());
    Sleep(1500);
    ReleaseMutex(held);
    CloseHandle(held);
    DWORD exitCode = 12345;
    ASSERT_TRUE(add.WaitForExit(10000, exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_NE(WaitForCloseRequestWindow(), nullptr);
    EXPECT_TRUE(FindMessageBoxes(instance.GetId()).empty());
    EXPECT_NE(ReadWholeFile(GetDataFolder() / L"notifications").find("||Tea\r\n"), std::string::npos);
}

// An editor keeps the data file open for writing past the store's wait: the reminder is not
// stored, and the run says so.
TEST_F(EntryEndToEnd, AnAddThatMeetsTheDataFileHeldByAnEditorFailsAndSaysSo) {
    fs::create_directories(GetDataFolder());
    const fs::path data = GetDataFolder() / L"notifications";
    std::ofstream(data, std::ios::binary) << "2030.01.01 10:00:00||editor\r\n";
    const HANDLE editor = CreateFileW(data.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(editor, INVALID_HANDLE_VALUE);
    const std::pair<std::string, DWORD> result = RunAdd(L"00:10:00 Tea");
    CloseHandle(editor);
    EXPECT_EQ(result.second, 1ul);
    EXPECT_EQ(result.first.find("Reminder added"), std::string::npos) << result.first;
    EXPECT_EQ(ReadWholeFile(data), "2030.01.01 10:00:00||editor\r\n");
}

BOOL SendRequest(HWND window, ULONG_PTR tag, std::string bytes) {
    COPYDATASTRUCT request{tag, static_cast<DWORD>(bytes.size()), &bytes[0]};
    DWORD_PTR answer = TRUE;
    EXPECT_NE(SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request), 0, 10000, &answer), 0);
    return static_cast<BOOL>(answer);
}

// "/quiet" and "/add" in a script's spelling reach the running instance; quiet outlasts a restart
// and an overdue reminder comes within two seconds of "/quiet off". What is malformed changes
// nothing, and the instance refuses requests that are not exactly its own.
TEST_F(EntryEndToEnd, QuietIsHandedToTheInstanceKeptAcrossARestartAndRefusedWhenMalformed) {
    const fs::path settings = GetDataFolder() / L"settings";
    EXPECT_EQ(RunWithOutput(L"/quiet 00:30:00").second, 0ul) << "no instance: the settings file takes it";
    EXPECT_NE(ReadWholeFile(settings).find("DoNotDisturbUntil:"), std::string::npos);
    WriteWholeFile(GetDataFolder() / L"notifications", "2001.01.01 10:00:00||Stretch\r\n");
    for (int run = 0; run < 2; ++run) {
        TChildProcess instance(Program());
        HWND window = WaitForCloseRequestWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(WaitForVisibleWindow(instance.GetId(), L"Notification", 2500), nullptr) << "shown while quiet";
        if (run == 0) {
            EXPECT_EQ(RunWithOutput(L"-QUIET On"), std::make_pair(std::string("Do not disturb until turned off\r\n"), 0ul));
            EXPECT_EQ(RunToEnd(L"/close"), 0u);
            continue;
        }
        for (const wchar_t* malformed : {L"/quiet soon", L"/quiet", L"-quiet on off"}) {
            EXPECT_EQ(RunWithOutput(malformed).second, 2ul) << fs::path(malformed);
        }
        EXPECT_EQ(SendRequest(window, 0x4E515401, "ON"), FALSE);
        EXPECT_EQ(SendRequest(window, 0x4E515401, "off\n"), FALSE);
        EXPECT_EQ(SendRequest(window, 0x4E414401, "2030.01.02 09:00:00||" + std::string(70000, 'x')), FALSE);
        // A C sender counts its text's terminating null; a null anywhere else is refused.
        EXPECT_EQ(SendRequest(window, 0x4E515401, std::string("on\0", 3)), TRUE);
        EXPECT_EQ(SendRequest(window, 0x4E414401, std::string("2030.01.02 09:00:00||Tea\0", 25)), TRUE);
        EXPECT_EQ(SendRequest(window, 0x4E414401, std::string("2030.01.02 09:00:00||T\0a", 24)), FALSE);
        EXPECT_EQ(WaitForVisibleWindow(instance.GetId(), L"Notification", 1500), nullptr);

        EXPECT_EQ(RunWithOutput(L"/Quiet off"), std::make_pair(std::string("Do not disturb turned off\r\n"), 0ul));
        const DWORD turnedOff = GetTickCount();
        EXPECT_NE(WaitForVisibleWindow(instance.GetId(), L"Notification", 3000), nullptr);
        EXPECT_LT(GetTickCount() - turnedOff, 2000u);
        EXPECT_EQ(RunAdd(L"").second, 2ul);
        TChildProcess add(Program() + L" -Add 01:00:00 Tea");
        DWORD exitCode = 12345;
        ASSERT_TRUE(add.WaitForExit(10000, exitCode));
        EXPECT_EQ(exitCode, 0u);
    }
    EXPECT_EQ(ReadWholeFile(settings), "HoldDuringFullScreen:Yes\r\n");
    const std::string stored = ReadWholeFile(GetDataFolder() / L"notifications");
    EXPECT_NE(stored.find("||Tea\r\n2030.01.02 09:00:00||Tea\r\n"), std::string::npos) << stored;
}

// Requests that keep coming while the instance quits are refused from the moment its teardown
// begins, which waits on other processes and so takes their sent messages.
TEST_F(EntryEndToEnd, RequestsThatComeWhileTheInstanceQuitsAreRefused) {
    int refusedRounds = 0;
    for (int round = 0; round < 8; ++round) {
        TChildProcess instance(Program());
        HWND window = WaitForCloseRequestWindow();
        std::atomic<bool> ended{false}, refused{false};
        std::thread sender([&] {
            for (std::string text = "on"; !ended; text = text == "on" ? "off" : "on") {
                COPYDATASTRUCT request{0x4E515401, static_cast<DWORD>(text.size()), &text[0]};
                DWORD_PTR answer = TRUE;
                refused = refused || (SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request),
                                                          SMTO_ABORTIFHUNG, 3000, &answer) && !answer);
            }
        });
        Sleep(400);
        PostMessageW(window, WM_CLOSE, 0, 0);
        DWORD exitCode = 12345;
        EXPECT_TRUE(instance.WaitForExit(15000, exitCode) && exitCode == 0) << "round " << round;
        ended = true;
        sender.join();
        refusedRounds += refused;
    }
    EXPECT_GT(refusedRounds, 0) << "every request that came while it quit was taken";
}

// The settings file held as backup and sync tools hold files, without sharing deletion: quiet is
// not reported as done, with or without an instance, and nothing changes.
TEST_F(EntryEndToEnd, QuietThatCannotBeWrittenIsNotDoneAndSaysSo) {
    const fs::path settings = GetDataFolder() / L"settings";
    fs::create_directories(GetDataFolder());
    WriteWholeFile(settings, "HoldDuringFullScreen:Yes\r\n");
    const HANDLE holder = CreateFileW(settings.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    const auto refused = std::make_pair(std::string("Do not disturb could not be changed. The settings file cannot be "
                                                    "written, so nothing was changed; another program may be holding it.\r\n"), 1ul);
    EXPECT_EQ(RunWithOutput(L"/quiet on"), refused) << "without an instance";
    TChildProcess instance(Program());
    ASSERT_NE(WaitForCloseRequestWindow(), nullptr);
    EXPECT_EQ(RunWithOutput(L"/quiet on"), refused) << "with an instance";
    CloseHandle(holder);
    EXPECT_EQ(ReadWholeFile(settings), "HoldDuringFullScreen:Yes\r\n");
}

// A killed instance leaves its mutex abandoned: the next start owns it and runs.
TEST_F(EntryEndToEnd, AStartAfterAKilledInstanceRuns) {
    std::thread killed([] { CreateMutexW(nullptr, TRUE, L"brantel.Nudgely.globalMutex"); });
    killed.join();
    TChildProcess instance(Program());
    EXPECT_NE(WaitForCloseRequestWindow(), nullptr);
    EXPECT_TRUE(FindMessageBoxes(instance.GetId()).empty());
}

// "/add" stores where the settings' DataFolder line says, and fails, naming it, while it is not there.
TEST_F(EntryEndToEnd, AddUsesTheChosenFolderAndFailsWhileItIsNotThere) {
    const fs::path chosen = GetDataFolder().parent_path() / L"NudgelyChosen";
    std::error_code ignored;
    fs::remove_all(chosen, ignored);
    WriteWholeFile(GetDataFolder() / L"settings", "DataFolder:" + chosen.string() + "\r\n");
    const std::pair<std::string, DWORD> missing = RunAdd(L"01:00:00 Tea");
    EXPECT_EQ(missing, std::make_pair("The reminders cannot be saved: their folder " + chosen.string() + " is not there.\r\n", 1ul));
    EXPECT_FALSE(fs::exists(chosen));

    fs::create_directories(chosen);
    EXPECT_EQ(RunAdd(L"01:00:00 Tea").second, 0ul);
    EXPECT_NE(ReadWholeFile(chosen / L"notifications").find("||Tea\r\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(GetDataFolder() / L"notifications"));
    fs::remove_all(chosen, ignored);
}

class SelfTestEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        Scratch = fs::path(temp) / (L"nudgely-selftest-" + std::to_wstring(GetCurrentProcessId()));
        fs::remove_all(Scratch);
        fs::create_directories(Scratch);
        fs::copy(fs::path(NUDGELY_TEST_FILES_PATH), Scratch / L"TestFiles");
    }
    void TearDown() override { fs::remove_all(Scratch); }

    std::string Run(DWORD& exitCode) {
        TChildProcess run(Program() + L" /selftest", Scratch.wstring(), true);
        std::string output = run.ReadOutput();
        EXPECT_TRUE(run.WaitForExit(30000, exitCode));
        return output;
    }

    std::vector<fs::path> ListTestFiles() {
        std::vector<fs::path> names;
        for (const auto& entry : fs::directory_iterator(Scratch / L"TestFiles")) {
            names.push_back(entry.path().filename());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path Scratch;
};

TEST_F(SelfTestEndToEnd, PassesOnTheShippedTestDataAndLeavesItAsItWas) {
    const std::vector<fs::path> before = ListTestFiles();
    DWORD exitCode = 12345;
    const std::string output = Run(exitCode);
    EXPECT_EQ(exitCode, 0u) << output;
    ASSERT_EQ(output.rfind("OK\r\n", 0), 0u) << output;
    const std::string seconds = output.substr(4);
    EXPECT_GE(std::stod(seconds), 0.0);
    EXPECT_EQ(seconds.substr(seconds.size() - 2), "\r\n");
    EXPECT_EQ(ListTestFiles(), before);
}

TEST_F(SelfTestEndToEnd, FailsWithTheFailingCheckOnBrokenTestData) {
    WriteWholeFile(Scratch / L"TestFiles" / L"notifications.txt", "2012.05.16 22:53:00||text\r\n");
    DWORD exitCode = 12345;
    const std::string output = Run(exitCode);
    EXPECT_EQ(exitCode, 1u);
    EXPECT_EQ(output, "test failure: TNotificationsDb: incorrect date of the earliest notification\r\n");
}

}  // namespace
