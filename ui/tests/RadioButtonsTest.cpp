#include "ui/ControlRadioButtons.h"
#include "ui/SizeRules.h"
#include "ui/tests/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<bool> ReadChecks(const TControlRadioButtons& radio) {
    std::vector<bool> checks;
    for (int i = 0; i < radio.GetItemCount(); ++i) {
        checks.push_back(SendMessageW(radio.GetItemHandle(i), BM_GETCHECK, 0, 0) == BST_CHECKED);
    }
    return checks;
}

class RadioButtons : public ::testing::Test {
protected:
    RadioButtons() : Window(L"radio", true, nullptr), Radio(Window, {L"Fixed time", L"Countdown", L"Never"}) {
        Radio.SetOnChange([this] { Selections.push_back(Radio.GetSelection()); });
    }

    TWindow Window;
    TControlRadioButtons Radio;
    std::vector<int> Selections;
};

}  // namespace

TEST_F(RadioButtons, TheFirstItemIsCheckedAtTheStart) {
    EXPECT_EQ(Radio.GetSelection(), 0);
    EXPECT_EQ(ReadChecks(Radio), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(ReadWindowText(Radio.GetItemHandle(1)), L"Countdown");
}

TEST_F(RadioButtons, SelectChecksOnlyThatItemAndReportsIt) {
    Radio.Select(1);
    EXPECT_EQ(ReadChecks(Radio), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(Selections, (std::vector<int>{1}));
    Radio.Select(1);
    EXPECT_EQ(Selections, (std::vector<int>{1, 1}));
}

TEST_F(RadioButtons, SelectOutsideTheItemsUnchecksAllAndStillReports) {
    Radio.Select(3);
    EXPECT_EQ(ReadChecks(Radio), (std::vector<bool>{false, false, false}));
    Radio.Select(-1);
    EXPECT_EQ(Selections, (std::vector<int>{-1, -1}));
}

TEST_F(RadioButtons, ClickingAnItemSelectsItAndAgainReportsItAgain) {
    SendMessageW(Radio.GetItemHandle(2), BM_CLICK, 0, 0);
    SendMessageW(Radio.GetItemHandle(2), BM_CLICK, 0, 0);
    EXPECT_EQ(ReadChecks(Radio), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(Selections, (std::vector<int>{2, 2}));
}

TEST_F(RadioButtons, FocusGoesToTheCheckedItemOrStaysWhereItWas) {
    Window.Show(true);
    Radio.Select(1);
    Radio.Focus();
    EXPECT_EQ(GetFocus(), Radio.GetItemHandle(1));
    Radio.Select(7);
    Radio.Focus();
    EXPECT_EQ(GetFocus(), Radio.GetItemHandle(1));
}

TEST_F(RadioButtons, PreferredSizeFollowsTheItemCaptionAndIsEmptyOutsideTheItems) {
    EXPECT_EQ(Radio.GetPreferredSize(1), GetCaptionedControlSize(Window.GetHandle(), L"Countdown"));
    EXPECT_EQ(Radio.GetPreferredSize(-1), (TSize{0, 0}));
    EXPECT_EQ(Radio.GetPreferredSize(3), (TSize{0, 0}));
}

TEST(ControlRadioButtons, AGroupWithoutCaptionsHasNoItemsAndNoSelection) {
    TWindow window(L"radio", false, nullptr);
    TControlRadioButtons radio(window, {});
    EXPECT_EQ(radio.GetItemCount(), 0);
    EXPECT_EQ(radio.GetSelection(), -1);
    radio.Focus();
}
