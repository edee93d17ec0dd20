#include "app/tray/TrayIcon.h"
#include "app/tray/TrayNotificationControl.h"
#include "app/tray/tests/TrayTestSupport.h"
#include "tests/support/ImportReplacement.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// Notes the messages that get past the control on the same window.
class TPassedOnRecorder : public TWindow::TControl {
public:
    using TControl::TControl;
    bool ProcessMessage(TMessage& message) override {
        if (message.message >= WM_USER) {
            PassedOn.push_back(message.message);
        }
        return false;
    }
    std::vector<UINT> PassedOn;
};

// The shell's callback in its version 4 form: the event in the low word of lParam, the icon's
// identifier in the high word, the anchor point in wParam.
LRESULT SendShellEvent(HWND window, UINT event, TPoint anchor = TPoint{}) {
    return SendMessageW(window, WM_USER, MAKEWPARAM(anchor.x, anchor.y), MAKELPARAM(event, 0));
}

}  // namespace

TEST(TrayNotificationControl, MapsTheShellsEventsToTheMenuAndSelectHandlers) {
    TWindow window(L"tray host", false, nullptr);
    TTrayIcon::TNotificationControl control(window, GetOwnExecutablePath(), 0, L"mapping");
    TPassedOnRecorder recorder(window);
    std::string ran;
    control.SetOnMenuRequest([&](TPoint anchor) {
        ran += "M" + std::to_string(anchor.x) + "," + std::to_string(anchor.y);
        return true;
    });
    control.SetOnSelect([&] { ran += 'S'; });
    // The mouse as the shell reports it, and the keyboard on the icon: Enter gives two selections.
    const std::vector<std::pair<std::vector<UINT>, std::string>> cases = {
        {{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU}, "M-20,700"},
        {{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, NIN_SELECT}, ""},
        {{WM_LBUTTONDOWN, WM_LBUTTONUP, NIN_SELECT, WM_LBUTTONDBLCLK, WM_LBUTTONUP, NIN_SELECT}, "S"},
        {{WM_MBUTTONUP, WM_RBUTTONDBLCLK}, ""},
        {{NIN_KEYSELECT, NIN_KEYSELECT}, "S"},
        {{NIN_SELECT}, "S"},
    };
    for (const auto& [events, expected] : cases) {
        // Selections from the keyboard closer together than a double click are one key press.
        if (events.front() == NIN_KEYSELECT || events.front() == NIN_SELECT) {
            Sleep(GetDoubleClickTime() + 50);
        }
        ran.clear();
        for (UINT event : events) {
            EXPECT_EQ(SendShellEvent(window.GetHandle(), event, TPoint{-20, 700}), 0);
        }
        EXPECT_EQ(ran, expected) << events.front();
    }
    SendMessageW(window.GetHandle(), WM_USER + 1, 0, WM_RBUTTONUP);
    EXPECT_EQ(recorder.PassedOn, (std::vector<UINT>{WM_USER + 1}));
}

TEST(TrayNotificationControl, EventsWithoutHandlersAreSwallowed) {
    TWindow window(L"tray host", false, nullptr);
    TTrayIcon::TNotificationControl control(window, GetOwnExecutablePath(), 0, L"no handlers");
    TPassedOnRecorder recorder(window);
    SendShellEvent(window.GetHandle(), WM_CONTEXTMENU);
    SendShellEvent(window.GetHandle(), WM_LBUTTONDBLCLK);
    EXPECT_TRUE(recorder.PassedOn.empty());
}

TEST(TrayNotificationControl, HandsTheShellARecordForItsOwnWindowAndIcon) {
    TWindow window(L"tray host", false, nullptr);
    TTrayIcon::TNotificationControl control(window, GetOwnExecutablePath(), 0, L"Nudgely");
    const NOTIFYICONDATAW& record = control.GetRecord();
    // Up to and including guidItem: the shells of all supported systems accept that layout.
    EXPECT_EQ(record.cbSize, sizeof(void*) == 8 ? 968u : 952u);
    EXPECT_EQ(record.hWnd, window.GetHandle());
    EXPECT_EQ(record.uID, 0u);
    EXPECT_EQ(record.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP));
    EXPECT_EQ(record.uCallbackMessage, UINT(WM_USER));
    EXPECT_EQ(record.uVersion, UINT(NOTIFYICON_VERSION_4));
    ASSERT_NE(record.hIcon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(record.hIcon, &info));
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof(colour), &colour);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(colour.bmWidth, GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(std::wstring(record.szTip), L"Nudgely");
}

TEST(TrayNotificationControl, ATooltipLongerThan127CharactersIsCut) {
    TWindow window(L"tray host", false, nullptr);
    std::wstring longTip;
    for (int i = 0; i < 300; ++i) {
        longTip += wchar_t(L'a' + i % 26);
    }
    for (size_t length : {126u, 127u, 128u, 300u}) {
        TTrayIcon::TNotificationControl control(window, GetOwnExecutablePath(), 0, longTip.substr(0, length));
        const std::wstring shown(control.GetRecord().szTip);
        EXPECT_EQ(shown, longTip.substr(0, std::min<size_t>(length, 127))) << length;
    }
}

TEST(TrayNotificationControl, AFileWithoutTheIconGivesANullIconAndTheIconIsAddedAllTheSame) {
    TWindow window(L"tray host", false, nullptr);
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring notAnExecutable = std::wstring(system) + L"\\drivers\\etc\\hosts";
    ASSERT_NE(GetFileAttributesW(notAnExecutable.c_str()), INVALID_FILE_ATTRIBUTES);

    for (const auto& source : {std::make_pair(notAnExecutable, 0), std::make_pair(GetOwnExecutablePath(), 5),
                               std::make_pair(std::wstring(L"C:\\no such folder\\x.exe"), 0)}) {
        TTrayIcon::TNotificationControl control(window, source.first, source.second, L"no icon");
        EXPECT_EQ(control.GetRecord().hIcon, nullptr);
    }
}

TEST(TrayIcon, ShowsItsIconInTheNotificationAreaForItsLifetime) {
    auto icon = std::make_unique<TTrayIcon>(GetOwnExecutablePath(), 0, L"Nudgely");
    // Without a system tray on the X server, Wine shows the icons in a window of its own.
    HWND tray = nullptr;
    PumpMessagesUntil([&] { return (tray = FindWindowW(nullptr, L"Wine System Tray")) != nullptr; }, 3000);
    if (!tray) {
        GTEST_SKIP() << "the notification area is not a window that can be found here";
    }
    EXPECT_TRUE(PumpMessagesUntil([&] { return IsWindowVisible(tray) != FALSE; }, 3000));
    icon.reset();
    EXPECT_TRUE(PumpMessagesUntil([&] { return IsWindowVisible(tray) == FALSE; }, 3000));
}

namespace {

HWND WaitForTrayWindow() {
    HWND tray = nullptr;
    PumpMessagesUntil([&] { return (tray = FindWindowW(nullptr, L"Wine System Tray")) != nullptr; }, 3000);
    return tray;
}

bool WaitForTrayShown(HWND tray, bool shown) {
    return PumpMessagesUntil([&] { return (IsWindowVisible(tray) != FALSE) == shown; }, 5000);
}

}  // namespace

// A restarting shell has forgotten every icon when it broadcasts "TaskbarCreated".
TEST(TrayIcon, AddsItsIconAgainWhenTheShellAnnouncesARestart) {
    TTrayIcon icon(GetOwnExecutablePath(), 0, L"Nudgely");
    HWND tray = WaitForTrayWindow();
    if (!tray) {
        GTEST_SKIP() << "the notification area is not a window that can be found here";
    }
    ASSERT_TRUE(WaitForTrayShown(tray, true));
    NOTIFYICONDATAW forgotten{};
    forgotten.cbSize = sizeof(forgotten);
    forgotten.hWnd = FindWindowW(L"TWindow", L"dummy");
    forgotten.uID = 0;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &forgotten));
    ASSERT_TRUE(WaitForTrayShown(tray, false));

    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitForTrayShown(tray, true));
}

namespace {

decltype(&Shell_NotifyIconW) RealNotifyIcon = nullptr;
decltype(&ChangeWindowMessageFilterEx) RealMessageFilter = nullptr;
// The adds and modifications asked of the shell, in lower case when refused.
std::string ShellCalls;
int RefusalsLeft = 0;
std::vector<UINT> LetThrough;

BOOL WINAPI NotedNotifyIcon(DWORD message, PNOTIFYICONDATAW record) {
    const BOOL done = RefusalsLeft-- > 0 ? FALSE : RealNotifyIcon(message, record);
    if (message == NIM_ADD || message == NIM_MODIFY) {
        ShellCalls += (message == NIM_ADD ? "aA" : "mM")[done ? 1 : 0];
    }
    return done;
}

BOOL WINAPI NotedMessageFilter(HWND window, UINT message, DWORD action, PCHANGEFILTERSTRUCT status) {
    LetThrough.push_back(action == MSGFLT_ALLOW ? message : 0);
    return RealMessageFilter(window, message, action, status);
}

}  // namespace

// The shell refuses to add an icon it still holds for the same window, which then only needs
// bringing up to date, and refuses everything for a while as it starts. An elevated program hears
// of the shell's restart, which is not elevated, only through the message filter.
TEST(TrayNotificationControl, ARefusedIconIsBroughtUpToDateOrTriedAgainAndRestartsGetThrough) {
    TWindow window(L"tray host", false, nullptr);
    NOTIFYICONDATAW held{sizeof(held), window.GetHandle(), 0, NIF_ICON};
    held.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &held));
    HWND tray = WaitForTrayWindow();
    if (!tray) {
        GTEST_SKIP() << "the notification area is not a window that can be found here";
    }
    const TImportReplacement<decltype(&Shell_NotifyIconW)> shell("Shell_NotifyIconW", &NotedNotifyIcon, RealNotifyIcon);
    const TImportReplacement<decltype(&ChangeWindowMessageFilterEx)> filter("ChangeWindowMessageFilterEx",
                                                                           &NotedMessageFilter, RealMessageFilter);
    auto stillHeld = std::make_unique<TTrayIcon::TNotificationControl>(window, GetOwnExecutablePath(), 0, L"held");
    EXPECT_EQ(ShellCalls, "aM");
    EXPECT_FALSE(KillTimer(window.GetHandle(), 1)) << "tried again";
    EXPECT_EQ(LetThrough, std::vector<UINT>{RegisterWindowMessageW(L"TaskbarCreated")});
    stillHeld.reset();
    ASSERT_TRUE(WaitForTrayShown(tray, false));
    ShellCalls.clear();
    RefusalsLeft = 2;
    TTrayIcon::TNotificationControl refused(window, GetOwnExecutablePath(), 0, L"refused");
    EXPECT_EQ(ShellCalls, "am");
    EXPECT_TRUE(WaitForTrayShown(tray, true));
}
