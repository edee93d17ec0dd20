// The whole program as a user meets it: real hot key presses, the tray icon and its menu, the
// editor, the notification, the list, snoozing and quitting, on the private X display.
#include "tests/support/ChildProcess.h"
#include "tests/support/DesktopDriver.h"
#include "tests/support/MessagePumping.h"
#include "tests/support/ProgramFiles.h"
#include "tests/support/UnixCommand.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shlobj.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const wchar_t CloseRequestTitle[] = L"brantel.Nudgely.closeRequestReceivingWindowName";

std::vector<std::string> ReadStoreLines() {
    std::vector<std::string> lines;
    std::ifstream file(GetDataFolder() / L"notifications");
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

std::string FormatLocal(std::time_t moment) {
    std::tm local{};
    localtime_s(&local, &moment);
    char text[20] = {};
    std::strftime(text, sizeof(text), "%Y.%m.%d %H:%M:%S", &local);
    return text;
}

std::set<std::wstring> ListTemporaryFolders() {
    wchar_t path[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, path);
    std::set<std::wstring> folders;
    for (const fs::directory_entry& entry : fs::directory_iterator(path)) {
        if (entry.is_directory() && entry.path().filename().wstring().rfind(L"temp", 0) == 0) {
            folders.insert(entry.path().filename().wstring());
        }
    }
    return folders;
}

template <typename TCondition>
bool WaitFor(TCondition condition, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > milliseconds) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

int ReturnPresses = 0;

LRESULT CALLBACK CountReturnPresses(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        ++ReturnPresses;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A window of the test's own, to give the X keyboard focus to: a global hot key reaches Wine
// only while one of its windows has it. It stands for another program the user types into.
class TFocusTarget {
public:
    TFocusTarget() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = CountReturnPresses;
        windowClass.lpszClassName = L"NudgelyTestFocusTarget";
        RegisterClassW(&windowClass);
        Window = CreateWindowExW(0, windowClass.lpszClassName, L"focus target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600,
                                 500, 200, 100, nullptr, nullptr, nullptr, nullptr);
    }
    ~TFocusTarget() { DestroyWindow(Window); }
    TFocusTarget(const TFocusTarget&) = delete;
    TFocusTarget& operator=(const TFocusTarget&) = delete;

    bool PressGlobally(const std::string& keys) { return FocusWindow(Window) && PressKeys(keys); }
    // Without a window manager the X focus and the active window are set one by one.
    bool Activate() { return FocusWindow(Window) && SetForegroundWindow(Window); }
    HWND GetHandle() const { return Window; }

private:
    HWND Window;
};

class ProgramEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(FindWindowW(nullptr, CloseRequestTitle), nullptr) << "an instance is already running";
        std::error_code ignored;
        fs::remove_all(GetDataFolder(), ignored);
        // The tray's visibility tells when a program is ready; an earlier one's icon must be gone.
        WaitFor(
            [] {
                HWND tray = FindWindowW(nullptr, L"Wine System Tray");
                return tray == nullptr || !IsWindowVisible(tray);
            },
            5000);
    }

    void TearDown() override {
        if (Program && Program->IsRunning()) {
            if (HWND window = FindWindowW(nullptr, CloseRequestTitle)) {
                PostMessageW(window, WM_CLOSE, 0, 0);
            }
            DWORD ignored = 0;
            Program->WaitForExit(5000, ignored);
        }
        Program.reset();
    }

    // Waits until the program is built up to its tray icon, which comes after the hot keys.
    static void WaitUntilReady() {
        ASSERT_TRUE(WaitFor([] { return FindWindowW(nullptr, CloseRequestTitle) != nullptr; }, 15000));
        ASSERT_TRUE(WaitFor(
            [] {
                HWND tray = FindWindowW(nullptr, L"Wine System Tray");
                return tray != nullptr && IsWindowVisible(tray);
            },
            10000));
    }

    void Start() {
        Program = std::make_unique<TChildProcess>(L"\"" NUDGELY_EXE_PATH L"\"");
        WaitUntilReady();
    }

    HWND WaitForWindow(const std::wstring& title, DWORD milliseconds = 10000) {
        return WaitForVisibleWindow(Program->GetId(), title, milliseconds);
    }

    // Right-clicks the icon in Wine's tray window and presses the access keys of a menu entry (and
    // of its submenu's), as the menu's own loop takes them from the queue. Without a window manager
    // every window opens at the top-left corner, where Wine's tray window also is, so the tray is
    // moved out of their way first.
    void ChooseFromTrayMenu(const std::string& accessKeys) {
        HWND tray = FindWindowW(nullptr, L"Wine System Tray");
        ASSERT_NE(tray, nullptr);
        RECT trayRect{};
        GetWindowRect(tray, &trayRect);
        const int width = trayRect.right - trayRect.left;
        const int height = trayRect.bottom - trayRect.top;
        SetWindowPos(tray, HWND_TOPMOST, GetSystemMetrics(SM_CXSCREEN) - width, GetSystemMetrics(SM_CYSCREEN) - height,
                     width, height, SWP_NOACTIVATE);
        ASSERT_TRUE(WaitFor([&] {
            GetWindowRect(tray, &trayRect);
            return trayRect.left > 0;
        }, 3000));
        POINT icon{12, 12};
        ClientToScreen(tray, &icon);
        ASSERT_TRUE(ClickAt(icon.x, icon.y, 3));
        HWND menu = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (menu = FindWindowW(L"#32768", nullptr)) != nullptr && IsWindowVisible(menu); },
                            5000));
        for (const char key : accessKeys) {
            PostMessageW(menu, WM_KEYDOWN, LOBYTE(VkKeyScanW(key)), 0);
            PostMessageW(menu, WM_CHAR, key, 0);
            PostMessageW(menu, WM_KEYUP, LOBYTE(VkKeyScanW(key)), 0);
            Sleep(200);
        }
        ASSERT_TRUE(WaitFor([] { return FindWindowW(L"#32768", nullptr) == nullptr || !IsWindowVisible(FindWindowW(L"#32768", nullptr)); },
                            3000)) << "the menu stayed open after " << accessKeys;
    }

    std::unique_ptr<TChildProcess> Program;
};

TEST_F(ProgramEndToEnd, AReminderGoesFromHotKeyToNotificationToSnoozeToListToDeleteAndQuit) {
    Start();
    TFocusTarget focus;
    ASSERT_TRUE(focus.PressGlobally("ctrl+alt+n"));
    HWND editor = WaitForWindow(L"Add reminder");
    ASSERT_NE(editor, nullptr) << "Ctrl+Alt+N did not open the editor";

    HWND text = FindControl(editor, L"Edit");
    ASSERT_NE(text, nullptr);
    ASSERT_TRUE(ClickWindow(text));
    ASSERT_TRUE(TypeText("Buy milk"));

    HWND countdown = FindControl(editor, L"Button", L"Countdown");
    ASSERT_NE(countdown, nullptr);
    ASSERT_TRUE(ClickWindow(countdown));
    // The countdown picker is the enabled one of the two time pickers now; its hour field comes
    // first, and a digit typed into a field replaces it.
    HWND picker = nullptr;
    EnumChildWindows(
        editor,
        [](HWND child, LPARAM found) -> BOOL {
            wchar_t className[64] = {};
            GetClassNameW(child, className, 64);
            if (lstrcmpiW(className, DATETIMEPICK_CLASSW) == 0 && IsWindowEnabled(child) &&
                (GetWindowLongW(child, GWL_STYLE) & DTS_UPDOWN)) {
                *reinterpret_cast<HWND*>(found) = child;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&picker));
    ASSERT_NE(picker, nullptr);
    RECT pickerRect{};
    GetWindowRect(picker, &pickerRect);
    ASSERT_TRUE(ClickAt(pickerRect.left + 6, (pickerRect.top + pickerRect.bottom) / 2));
    ASSERT_TRUE(PressKeys("0 0 Right 0 0 Right 0 3"));

    const std::time_t saved = std::time(nullptr);
    ASSERT_TRUE(ClickWindow(FindControl(editor, L"Button", L"Save")));
    ASSERT_TRUE(WaitUntilHidden(editor, 5000));
    std::vector<std::string> lines = ReadStoreLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].substr(19), "||Buy milk");
    EXPECT_GE(lines[0].substr(0, 19), FormatLocal(saved + 2));
    EXPECT_LE(lines[0].substr(0, 19), FormatLocal(saved + 5));

    HWND notification = WaitForWindow(L"Notification", 15000);
    ASSERT_NE(notification, nullptr) << "the reminder did not fire";
    EXPECT_EQ(ReadStoreLines().size(), 1u) << "a reminder on screen stays in the file";

    const std::time_t snoozed = std::time(nullptr);
    ASSERT_TRUE(ClickWindow(FindControl(notification, L"Button", L"Snooze 5 min")));
    ASSERT_TRUE(WaitUntilHidden(notification, 5000));
    lines = ReadStoreLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].substr(19), "||Buy milk");
    EXPECT_GE(lines[0].substr(0, 19), FormatLocal(snoozed + 300 - 1));
    EXPECT_LE(lines[0].substr(0, 19), FormatLocal(snoozed + 300 + 3));

    ChooseFromTrayMenu("v");
    HWND list = WaitForWindow(L"List of reminders");
    ASSERT_NE(list, nullptr) << "\"View all reminders\" did not open the list";
    HWND table = FindControl(list, WC_LISTVIEWW);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(SendMessageW(table, LVM_GETITEMCOUNT, 0, 0), 1);

    ASSERT_TRUE(ClickWindow(FindControl(list, L"Button", L"Delete")));
    EXPECT_TRUE(WaitFor([] { return ReadStoreLines().empty(); }, 3000));
    EXPECT_EQ(SendMessageW(table, LVM_GETITEMCOUNT, 0, 0), 0);

    ChooseFromTrayMenu("q");
    DWORD exitCode = 12345;
    ASSERT_TRUE(Program->WaitForExit(10000, exitCode)) << "\"Quit\" did not end the program";
    EXPECT_EQ(exitCode, 0u);
    HWND tray = FindWindowW(nullptr, L"Wine System Tray");
    EXPECT_TRUE(tray == nullptr || !IsWindowVisible(tray)) << "the icon stayed in the tray";
}

// Adding, saving, snoozing, editing, closing and deleting with the keyboard alone, through the
// program's own message loop. A reminder appears without taking the keyboard; the user turns to
// it as a window manager's Alt+Tab would.
TEST_F(ProgramEndToEnd, TheKeyboardAloneAddsSnoozesEditsClosesAndDeletes) {
    WriteWholeFile(GetDataFolder() / L"hotkeys", "AddNotification:Ctrl-Alt-N\r\nViewAllNotifications:Ctrl-Alt-L\r\n");
    Start();
    TFocusTarget focus;
    const auto turnTo = [](HWND window) { return SetForegroundWindow(window) && FocusWindow(window); };
    // The text box has the focus first. A countdown of nothing at all, whichever of its fields the
    // picker starts on: the reminder falls due at once.
    const std::string noCountdown = "alt+o Tab 0 0 Right 0 0 Right 0 0 Right 0 0";
    ASSERT_TRUE(focus.PressGlobally("ctrl+alt+n"));
    HWND editor = WaitForWindow(L"Add reminder");
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(PressKeys(noCountdown + " alt+t") && TypeText("Buy milk") && PressKeys("alt+s"));
    ASSERT_TRUE(WaitUntilHidden(editor, 5000));

    HWND notification = WaitForWindow(L"Notification", 15000);
    ASSERT_TRUE(notification && turnTo(notification) && PressKeys("alt+5"));
    ASSERT_TRUE(WaitUntilHidden(notification, 5000));
    ASSERT_EQ(ReadStoreLines().size(), 1u) << "not snoozed";
    EXPECT_EQ(ReadStoreLines()[0].substr(19), "||Buy milk");

    ASSERT_TRUE(focus.PressGlobally("ctrl+alt+l"));
    ASSERT_NE(WaitForWindow(L"List of reminders"), nullptr);
    ASSERT_TRUE(PressKeys("Return"));
    editor = WaitForWindow(L"Edit reminder");
    ASSERT_TRUE(editor && PressKeys(noCountdown + " alt+s"));
    notification = WaitForWindow(L"Notification", 15000);
    ASSERT_TRUE(notification && turnTo(notification) && PressKeys("Return"));
    ASSERT_TRUE(WaitUntilHidden(notification, 5000));
    EXPECT_TRUE(WaitFor([] { return ReadStoreLines().empty(); }, 3000)) << "the snoozed one stayed beside its edit";

    ASSERT_TRUE(focus.PressGlobally("ctrl+alt+n"));
    ASSERT_NE(WaitForWindow(L"Add reminder"), nullptr);
    ASSERT_TRUE(PressKeys("alt+o alt+s"));
    ASSERT_TRUE(WaitFor([] { return ReadStoreLines().size() == 1; }, 3000));
    ASSERT_TRUE(focus.PressGlobally("ctrl+alt+l"));
    ASSERT_NE(WaitForWindow(L"List of reminders"), nullptr);
    ASSERT_TRUE(PressKeys("Delete"));
    EXPECT_TRUE(WaitFor([] { return ReadStoreLines().empty(); }, 3000)) << "not deleted";
}

TEST_F(ProgramEndToEnd, OverdueRemindersAreShownOneAfterAnotherEarliestFirst) {
    WriteWholeFile(GetDataFolder() / L"notifications",
              "2001.01.01 10:00:00||first\r\n2001.01.02 10:00:00||second\r\n2001.01.03 10:00:00||third\r\n");
    Start();
    for (const std::string remaining : {"second", "third", ""}) {
        HWND notification = WaitForWindow(L"Notification", 10000);
        ASSERT_NE(notification, nullptr);
        HWND close = FindControl(notification, L"Button", L"Close");
        ASSERT_NE(close, nullptr) << "no Close button before " << remaining;
        ASSERT_TRUE(ClickWindow(close));
        ASSERT_TRUE(WaitUntilHidden(notification, 5000));
        ASSERT_TRUE(WaitFor(
            [&] {
                const std::vector<std::string> lines = ReadStoreLines();
                return remaining.empty() ? lines.empty() : !lines.empty() && lines[0].substr(21) == remaining;
            },
            3000))
            << "the earliest was not the one closed before " << remaining;
    }
    EXPECT_EQ(WaitForWindow(L"Notification", 2500), nullptr);
}

TEST_F(ProgramEndToEnd, AnOverdueYearlyReminderIsShownOnceAndMovesOnToNextYear) {
    WriteWholeFile(GetDataFolder() / L"notifications",
                   "2001.01.01 10:00:00 every 1 year||Yearly\r\n9999.01.01 00:00:00||far\r\n");
    // The first occurrence after now: this year's, unless it has passed.
    const auto nextOccurrence = [] {
        const std::string now = FormatLocal(std::time(nullptr));
        const int year = std::stoi(now.substr(0, 4));
        return std::to_string(now < now.substr(0, 4) + ".01.01 10:00:00" ? year : year + 1) + ".01.01 10:00:00";
    };
    const std::string expectedBefore = nextOccurrence();
    Start();
    HWND notification = WaitForWindow(L"Notification", 10000);
    ASSERT_NE(notification, nullptr);
    HWND close = FindControl(notification, L"Button", L"Close");
    ASSERT_NE(close, nullptr);
    ASSERT_TRUE(ClickWindow(close));
    ASSERT_TRUE(WaitUntilHidden(notification, 5000));
    std::vector<std::string> lines;
    const std::string overdue = "2001.01.01 10:00:00 every 1 year||Yearly";
    ASSERT_TRUE(WaitFor([&] { return (lines = ReadStoreLines()).size() == 2 && lines[0] != overdue; }, 3000));
    const std::string expectedAfter = nextOccurrence();
    EXPECT_TRUE(lines[0] == expectedBefore + overdue.substr(19) || lines[0] == expectedAfter + overdue.substr(19))
        << lines[0];
    EXPECT_EQ(lines[1], "9999.01.01 00:00:00||far");
    EXPECT_EQ(WaitForWindow(L"Notification", 2500), nullptr);
}

TEST_F(ProgramEndToEnd, CloseRequestWhileWindowsAreOpenEndsTheProgramWithZero) {
    Start();
    TFocusTarget focus;
    ASSERT_TRUE(focus.PressGlobally("ctrl+alt+n"));
    ASSERT_NE(WaitForWindow(L"Add reminder"), nullptr);
    ChooseFromTrayMenu("v");
    ASSERT_NE(WaitForWindow(L"List of reminders"), nullptr);

    TChildProcess close(L"\"" NUDGELY_EXE_PATH L"\" /close");
    DWORD exitCode = 12345;
    ASSERT_TRUE(close.WaitForExit(10000, exitCode));
    EXPECT_EQ(exitCode, 0u);
    ASSERT_TRUE(Program->WaitForExit(5000, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST_F(ProgramEndToEnd, AHotKeysFileCanBindTheListToCtrlAltN) {
    WriteWholeFile(GetDataFolder() / L"hotkeys", "ViewAllNotifications:Ctrl-Alt-N\r\n");
    Start();
    TFocusTarget focus;
    ASSERT_TRUE(focus.PressGlobally("ctrl+alt+n"));
    EXPECT_NE(WaitForWindow(L"List of reminders"), nullptr);
    EXPECT_EQ(WaitForWindow(L"Add reminder", 1000), nullptr);
}

TEST_F(ProgramEndToEnd, ACombinationHeldByAnotherProgramIsSkippedAndTheOtherBindingWorks) {
    WriteWholeFile(GetDataFolder() / L"hotkeys", "AddNotification:Ctrl-Alt-N\r\nViewAllNotifications:Ctrl-Alt-L\r\n");
    const int heldId = 77;
    ASSERT_TRUE(RegisterHotKey(nullptr, heldId, MOD_CONTROL | MOD_ALT, 'N'));
    Start();
    TFocusTarget focus;
    ASSERT_TRUE(focus.PressGlobally("ctrl+alt+l"));
    EXPECT_NE(WaitForWindow(L"List of reminders"), nullptr);
    UnregisterHotKey(nullptr, heldId);
}

TEST_F(ProgramEndToEnd, WithoutASoundServerRecordingReportsItsFailureAndTheProgramRunsOn) {
    // Wine reads the sound server's address from the Linux environment of the process it starts.
    std::string program = fs::path(NUDGELY_EXE_PATH).generic_string();
    ASSERT_TRUE(StartUnixCommand("PULSE_SERVER=unix:/nonexistent/socket wine '" + program + "'"));
    WaitUntilReady();
    HWND closeRequest = FindWindowW(nullptr, CloseRequestTitle);
    DWORD processId = 0;
    GetWindowThreadProcessId(closeRequest, &processId);

    TFocusTarget focus;
    ASSERT_TRUE(focus.PressGlobally("ctrl+alt+n"));
    HWND editor = WaitForVisibleWindow(processId, L"Add reminder", 10000);
    ASSERT_NE(editor, nullptr);
    HWND record = FindControl(editor, L"Button", L"Record sound");
    ASSERT_NE(record, nullptr);
    ASSERT_TRUE(HoldMouseOn(record, 500));

    HWND box = WaitForVisibleWindow(processId, L"Nudgely", 10000);
    ASSERT_NE(box, nullptr) << "no message about the failed recording";
    // In the user's words, with the technical message after them.
    HWND message = FindControl(box, L"Static",
                               L"No voice note can be recorded: no microphone can be opened.\n\n"
                               L"(TSoundRecorder: unable to record sound)");
    EXPECT_NE(message, nullptr);
    ASSERT_TRUE(ClickWindow(FindControl(box, L"Button", L"OK")));
    ASSERT_TRUE(WaitUntilHidden(box, 5000));

    EXPECT_TRUE(IsWindowVisible(editor)) << "the editor should stay open";
    EXPECT_EQ(FindWindowW(nullptr, CloseRequestTitle), closeRequest) << "the program ended";
    PostMessageW(closeRequest, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([] { return FindWindowW(nullptr, CloseRequestTitle) == nullptr; }, 5000));
}

// However the program ends while reminders are due, one of them on screen, their lines stay in
// the file as they were, and the next start shows each of them once: a hard end (a crash, "End
// task", a power cut) and the end of the session, after which Windows runs no destructor either.
TEST_F(ProgramEndToEnd, RemindersDueAtAnyEndAreShownOnceEachAtTheNextStart) {
    const fs::path note = GetDataFolder() / L"notifications.sound.0";
    WriteWholeFile(note, std::string(4000, '\x90'));
    const std::string later = "2099.01.01 10:00:00||Later\r\n";
    const std::string mum = "2001.01.01 10:00:00|" + note.string() + "|Call mum\r\n";
    const std::string due = mum + "2001.01.02 10:00:00||Water the plants\r\n" + later;
    WriteWholeFile(GetDataFolder() / L"notifications", due);
    Start();
    ASSERT_NE(WaitForWindow(L"Notification"), nullptr);
    Program.reset();
    EXPECT_EQ(ReadWholeFile(GetDataFolder() / L"notifications"), due);

    const std::set<std::wstring> temporaryBefore = ListTemporaryFolders();
    Start();
    ASSERT_NE(WaitForWindow(L"Notification"), nullptr);
    TChildProcess endSession(L"wineboot.exe -e -f");
    DWORD exitCode = 12345;
    ASSERT_TRUE(endSession.WaitForExit(30000, exitCode));
    ASSERT_TRUE(Program->WaitForExit(10000, exitCode));
    EXPECT_EQ(ReadWholeFile(GetDataFolder() / L"notifications"), due);
    EXPECT_EQ(ListTemporaryFolders(), temporaryBefore);

    Start();
    for (const std::string& left : {due.substr(mum.size()), later}) {
        HWND notification = WaitForWindow(L"Notification");
        ASSERT_NE(notification, nullptr);
        ASSERT_TRUE(ClickWindow(FindControl(notification, L"Button", L"Close")));
        ASSERT_TRUE(WaitUntilHidden(notification, 5000));
        EXPECT_TRUE(WaitFor([&] { return ReadWholeFile(GetDataFolder() / L"notifications") == left; }, 3000)) << left;
    }
    EXPECT_EQ(WaitForWindow(L"Notification", 2500), nullptr) << "shown twice";
}

// Quiet read from the settings file at the start holds an overdue reminder until the menu turns
// it off; the hold's choice and a quiet time go into the file beside a later version's line.
TEST_F(ProgramEndToEnd, TheTrayMenuTurnsQuietOffAndOnAndTheHoldOffInTheSettingsFile) {
    const fs::path settings = GetDataFolder() / L"settings";
    WriteWholeFile(settings, "Future:1\r\nDoNotDisturbUntil:TurnedOff\r\n");
    WriteWholeFile(GetDataFolder() / L"notifications", "2001.01.01 10:00:00||Stretch\r\n");
    Start();
    EXPECT_EQ(WaitForWindow(L"Notification", 2500), nullptr) << "shown while quiet";

    ChooseFromTrayMenu("dt");
    const DWORD turnedOff = GetTickCount();
    HWND notification = WaitForWindow(L"Notification", 3000);
    ASSERT_NE(notification, nullptr) << "not shown when quiet ended";
    EXPECT_LT(GetTickCount() - turnedOff, 2000u);
    EXPECT_EQ(ReadWholeFile(settings), "Future:1\r\nHoldDuringFullScreen:Yes\r\n");
    ASSERT_TRUE(ClickWindow(FindControl(notification, L"Button", L"Close")));

    ChooseFromTrayMenu("f");
    EXPECT_TRUE(WaitFor([&] { return ReadWholeFile(settings) == "Future:1\r\nHoldDuringFullScreen:No\r\n"; }, 3000));
    const std::string halfAnHour = FormatLocal(std::time(nullptr) + 30 * 60);
    ChooseFromTrayMenu("d3");
    std::string content;
    ASSERT_TRUE(WaitFor([&] { return (content = ReadWholeFile(settings)).find("DoNotDisturbUntil:") != std::string::npos; },
                        3000));
    const std::size_t end = content.find("DoNotDisturbUntil:") + 18;
    EXPECT_GE(content.substr(end, 19), halfAnHour) << content;
    EXPECT_LE(content.substr(end, 19), FormatLocal(std::time(nullptr) + 30 * 60)) << content;

    // A choice the file cannot take is not taken, and the user hears of it.
    const HANDLE holder = CreateFileW(settings.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ChooseFromTrayMenu("f");
    HWND box = WaitForWindow(L"Nudgely", 5000);
    CloseHandle(holder);
    ASSERT_NE(box, nullptr) << "the lost choice went unsaid";
    ASSERT_TRUE(ClickWindow(FindControl(box, L"Button", L"OK")));
    ChooseFromTrayMenu("f");
    EXPECT_TRUE(WaitFor([&] { return ReadWholeFile(settings).find("HoldDuringFullScreen:Yes") != std::string::npos; }, 3000))
        << "the choice that failed was taken all the same";
}

// Keys typed into another program while a reminder falls due stay with that program: an Enter
// would otherwise press Close on a reminder the user has not seen.
TEST_F(ProgramEndToEnd, AReminderFallingDueWhileTheUserTypesElsewhereTakesNoKeysUntilClicked) {
    WriteWholeFile(GetDataFolder() / L"notifications", FormatLocal(std::time(nullptr) + 6) + "||Stretch\r\n");
    Start();
    TFocusTarget typing;
    ASSERT_TRUE(typing.Activate());
    const std::string stopFile = "/tmp/nudgely-typing-" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(StartUnixCommand("for i in $(seq 400); do [ -e " + stopFile +
                                 " ] && break; xdotool key Return; sleep 0.05; done"));
    HWND notification = nullptr;
    PumpMessagesUntil(
        [&] { return (notification = WaitForWindow(L"Notification", 0)) != nullptr; }, 15000);
    const int pressesBefore = ReturnPresses;
    PumpMessagesFor(2000);
    WriteWholeFile("Z:" + stopFile, "");
    ASSERT_NE(notification, nullptr) << "the reminder did not fire";
    EXPECT_GT(ReturnPresses - pressesBefore, 5) << "the typed keys did not reach the other program";
    EXPECT_EQ(GetForegroundWindow(), typing.GetHandle());
    EXPECT_TRUE(IsWindowVisible(notification)) << "a typed Enter dismissed the reminder";

    PumpMessagesFor(500);
    POINT corner{2, 2};
    ClientToScreen(notification, &corner);
    ASSERT_TRUE(ClickAt(corner.x, corner.y));
    ASSERT_TRUE(PressKeys("Return"));
    EXPECT_TRUE(WaitUntilHidden(notification, 5000)) << "Enter did not press Close after a click";
    fs::remove("Z:" + stopFile);
}

}  // namespace
