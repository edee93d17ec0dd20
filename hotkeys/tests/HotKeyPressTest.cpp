#include "hotkeys/GlobalHotKeyManager.h"
#include "hotkeys/HotKeyText.h"
#include "hotkeys/tests/HotKeyTestSupport.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const wchar_t XdotoolPath[] = L"Z:\\usr\\bin\\xdotool";

// Presses keys on the X server, as a user would: the system then posts WM_HOTKEY itself. The X
// keyboard focus is put on the given window first, as the press reaches this program only then.
bool PressKeysOnTheXServer(HWND focus, const std::string& keys) {
    // Wine keeps the X window behind each of its top-level windows in this property.
    const auto xWindow = reinterpret_cast<UINT_PTR>(GetPropW(focus, L"__wine_x11_whole_window"));
    if (!xWindow) {
        return false;
    }
    // Wine starts a program of the host system only through its start command.
    std::wstring commandLine = L"start.exe /wait /unix /usr/bin/xdotool windowfocus --sync " +
                               std::to_wstring(xWindow) + L" key " + std::wstring(keys.begin(), keys.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        return false;
    }
    CloseHandle(started.hThread);
    // xdotool waits for the focus while this thread must keep serving its windows.
    PumpMessagesUntil([&] { return WaitForSingleObject(started.hProcess, 0) == WAIT_OBJECT_0; }, 10000);
    DWORD exitCode = 1;
    GetExitCodeProcess(started.hProcess, &exitCode);
    CloseHandle(started.hProcess);
    return exitCode == 0;
}

}  // namespace

TEST(GlobalHotKeyPress, ARealKeyPressRunsTheBoundActionUntilTheBindingsAreRemoved) {
    if (GetFileAttributesW(XdotoolPath) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "no X server tool to press keys with";
    }
    TWindow focus(L"hot key focus", true, nullptr);
    focus.Show(true);
    TGlobalHotKeyManager manager;
    int added = 0;
    int listed = 0;
    manager.AddHotKey(ParseHotKey("Ctrl-Alt-N"), [&] { ++added; });

    ASSERT_TRUE(PressKeysOnTheXServer(focus.GetHandle(), "ctrl+alt+n"));
    EXPECT_TRUE(PumpMessagesUntil([&] { return added == 1; }, 3000));

    manager.RemoveAllHotKeys();
    manager.AddHotKey(ParseHotKey("Ctrl-Alt-L"), [&] { ++listed; });
    ASSERT_TRUE(PressKeysOnTheXServer(focus.GetHandle(), "ctrl+alt+n"));
    ASSERT_TRUE(PressKeysOnTheXServer(focus.GetHandle(), "ctrl+alt+l"));
    EXPECT_TRUE(PumpMessagesUntil([&] { return listed == 1; }, 3000));
    PumpMessagesFor(200);
    EXPECT_EQ(added, 1);
    EXPECT_EQ(listed, 1);
}
