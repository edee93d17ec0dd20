#include "app/tray/PopupMenu.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Plays the user while the menu's own loop runs: a thread timer finds the open menu, notes what it
// shows and posts the keys to it.
struct TMenuUser {
    std::vector<WPARAM> keys;
    std::vector<std::wstring> captionsSeen;
    int defaultSeen = -2;
    RECT placeSeen{};
    bool done = false;
};

TMenuUser* CurrentUser = nullptr;

void CALLBACK UseOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    const HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (CurrentUser->done || !menuWindow || !IsWindowVisible(menuWindow)) {
        return;
    }
    const HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        wchar_t caption[64] = L"";
        GetMenuStringW(menu, position, caption, 64, MF_BYPOSITION);
        CurrentUser->captionsSeen.push_back(caption);
    }
    CurrentUser->defaultSeen = static_cast<int>(GetMenuDefaultItem(menu, TRUE, 0));
    GetWindowRect(menuWindow, &CurrentUser->placeSeen);
    for (WPARAM key : CurrentUser->keys) {
        PostMessageW(menuWindow, WM_KEYDOWN, key, 0);
        // A letter reaches a menu as a character, as the message loop would translate it.
        if (key >= 'A' && key <= 'Z') {
            PostMessageW(menuWindow, WM_CHAR, key - 'A' + 'a', 0);
        }
        PostMessageW(menuWindow, WM_KEYUP, key, 0);
    }
    CurrentUser->done = true;
}

class TMenuUserTimer {
public:
    explicit TMenuUserTimer(TMenuUser& user) : Identifier(SetTimer(nullptr, 0, 50, UseOpenMenu)) {
        CurrentUser = &user;
    }
    ~TMenuUserTimer() {
        KillTimer(nullptr, Identifier);
        CurrentUser = nullptr;
    }
    TMenuUserTimer(const TMenuUserTimer&) = delete;
    TMenuUserTimer& operator=(const TMenuUserTimer&) = delete;

private:
    UINT_PTR Identifier;
};

int CountDummyWindows() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM counter) {
            wchar_t title[16] = L"";
            GetWindowTextW(window, title, 16);
            if (std::wstring(title) == L"dummy") {
                ++*reinterpret_cast<int*>(counter);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

const std::vector<std::wstring> Captions = {L"&Add", L"&View all reminders", L"&Configure hot keys", L"&Help",
                                            L"&Quit"};
const TPoint Anchor{300, 200};

}  // namespace

TEST(PopupMenu, ShowsTheCaptionsAtTheAnchorWithTheFirstAsDefaultAndReturnsTheChosenIndex) {
    for (const auto& [keys, chosen] : std::vector<std::pair<std::vector<WPARAM>, int>>{
             {{VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, 2}, {{'H'}, 3}}) {
        TMenuUser user;
        user.keys = keys;
        TMenuUserTimer timer(user);
        EXPECT_EQ(ShowPopupMenu(Captions, Anchor), chosen);
        EXPECT_EQ(user.captionsSeen, Captions);
        EXPECT_EQ(user.defaultSeen, 0);
        EXPECT_EQ(user.placeSeen.left, Anchor.x);
        EXPECT_EQ(user.placeSeen.top, Anchor.y);
    }
}

TEST(PopupMenu, ReturnsMinusOneWhenDismissedAndLeavesNoWindowBehind) {
    const int dummiesBefore = CountDummyWindows();
    for (int round = 0; round < 2; ++round) {
        TMenuUser user;
        user.keys = {VK_ESCAPE};
        TMenuUserTimer timer(user);
        EXPECT_EQ(ShowPopupMenu(Captions, Anchor), -1);
        EXPECT_TRUE(user.done);
    }
    EXPECT_EQ(CountDummyWindows(), dummiesBefore);
}
