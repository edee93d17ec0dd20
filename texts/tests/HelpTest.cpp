#include "texts/Help.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

HWND WaitForWindowPumping(const wchar_t* title, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (HWND window = FindWindowW(nullptr, title)) {
            return window;
        }
        Sleep(20);
    }
    return nullptr;
}

}  // namespace

TEST(HelpFilePath, IsTheProgramFolderAndAForwardSlash) {
    EXPECT_EQ(MakeHelpFilePath(L"C:\\Apps\\x.exe"), L"C:\\Apps/Help.chm");
    EXPECT_EQ(MakeHelpFilePath(L"C:/Apps/sub/x.exe"), L"C:/Apps/sub/Help.chm");
    EXPECT_EQ(MakeHelpFilePath(L"C:\\Apps/mixed\\x.exe"), L"C:\\Apps/mixed/Help.chm");
    EXPECT_EQ(MakeHelpFilePath(L"x.exe"), L"x.exe/Help.chm");
    EXPECT_EQ(MakeHelpFilePath(L"C:\\Apps\\x.exe", L"pt-BR"), L"C:\\Apps/Help.pt-BR.chm");
}

TEST(HelpFilePath, OfThisProgramLiesBesideIt) {
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    const std::wstring path = GetHelpFilePath();
    const std::wstring modulePath(module);
    EXPECT_EQ(path.substr(0, modulePath.find_last_of(L"\\/")), modulePath.substr(0, modulePath.find_last_of(L"\\/")));
    EXPECT_EQ(path.substr(path.size() - 9), L"/Help.chm");
}

TEST(HelpViewer, OpensTheHelpFileAtAWindowsTopic) {
    ASSERT_EQ(FindWindowW(nullptr, L"Nudgely Help"), nullptr);
    ShowHelpTopic(L"/_add_reminder.html", NUDGELY_HELP_FILE_PATH);
    HWND viewer = WaitForWindowPumping(L"Nudgely Help", 10000);
    ASSERT_NE(viewer, nullptr) << "no help viewer window appeared";
    EXPECT_TRUE(IsWindowVisible(viewer));
    SendMessageW(viewer, WM_CLOSE, 0, 0);
}

TEST(HelpViewer, ClosingClosesTheOpenedViewer) {
    ShowHelp(NUDGELY_HELP_FILE_PATH);
    HWND viewer = WaitForWindowPumping(L"Nudgely Help", 10000);
    ASSERT_NE(viewer, nullptr) << "no help viewer window appeared";
    CloseHelpViewer();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
    EXPECT_FALSE(IsWindow(viewer));
}
