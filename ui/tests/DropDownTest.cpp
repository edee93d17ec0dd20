#include "ui/ControlDropDown.h"
#include "ui/SizeRules.h"
#include "ui/tests/ControlTestSupport.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::wstring> Units = {L"minutes", L"hours", L"weekdays"};

}  // namespace

TEST(ControlDropDown, ChoicesComeFromTheProgramAndTheUserAlike) {
    TWindow window(L"drop-down", true, nullptr);
    TControlDropDown list(window, Units);
    int changes = 0;
    list.SetOnChange([&changes] { ++changes; });
    EXPECT_EQ(list.GetSelection(), 0);

    list.Select(2);
    EXPECT_EQ(list.GetSelection(), 2);
    list.Select(7);
    EXPECT_EQ(list.GetSelection(), 0);
    SendMessageW(list.GetHandle(), CB_SETCURSEL, 1, 0);
    SendMessageW(window.GetHandle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list.GetHandle()));
    EXPECT_EQ(list.GetSelection(), 1);
    EXPECT_EQ(changes, 3);
}

// The closed box is as high as the system makes it for the font, and wide enough for the
// widest choice beside the arrow; the dropped list shows every choice.
TEST(ControlDropDown, IsSizedForItsWidestChoiceAndDropsEveryChoice) {
    TWindow window(L"drop-down", true, nullptr);
    TControlDropDown list(window, Units);
    const TSize preferred = list.GetPreferredSize();
    list.Move(TPoint{5, 5}, preferred);

    RECT closed{};
    GetWindowRect(list.GetHandle(), &closed);
    EXPECT_EQ(closed.bottom - closed.top, preferred.height);
    EXPECT_EQ(closed.right - closed.left, preferred.width);
    EXPECT_GT(preferred.width, GetScreenTextSize(window.GetHandle(), L"weekdays").width + GetSystemMetrics(SM_CXVSCROLL));
    SendMessageW(list.GetHandle(), CB_SHOWDROPDOWN, TRUE, 0);
    RECT dropped{};
    SendMessageW(list.GetHandle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    SendMessageW(list.GetHandle(), CB_SHOWDROPDOWN, FALSE, 0);
    const int itemHeight = static_cast<int>(SendMessageW(list.GetHandle(), CB_GETITEMHEIGHT, 0, 0));
    EXPECT_GE(dropped.bottom - dropped.top, 3 * itemHeight);
}
