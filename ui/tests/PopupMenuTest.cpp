#include "ui/PopupMenu.h"

#include "tests/support/MenuUser.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

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
