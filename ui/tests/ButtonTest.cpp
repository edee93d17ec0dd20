#include "ui/ControlButton.h"
#include "ui/ControlCancelHandler.h"
#include "ui/ControlCheckBox.h"
#include "ui/ControlEdit.h"
#include "ui/ControlTwoStateButton.h"
#include "ui/HandlerFailure.h"
#include "ui/tests/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Posts a key press to a child of a dialog window and runs the message loop until it is handled.
void PressKeyInDialog(const TDialogWindowList& dialogWindows, HWND target, WPARAM key) {
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    PostQuitMessage(0);
    RunMessageLoop(dialogWindows);
}

}  // namespace

TEST(ControlButton, APlainButtonAnswersOnlyItsOwnClick) {
    TWindow window(L"buttons", true, nullptr);
    TControlButton plain(window, L"Plain", false);
    TControlButton other(window, L"Other", false);
    int clicks = 0;
    plain.SetOnClick([&] { ++clicks; });

    SendMessageW(plain.GetHandle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    SendMessageW(other.GetHandle(), BM_CLICK, 0, 0);
    SendMessageW(window.GetHandle(), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(clicks, 1);
}

TEST(ControlButton, TheDefaultButtonAlsoAnswersIdOkFromAnywhere) {
    TWindow window(L"buttons", true, nullptr);
    TControlButton save(window, L"Save", true);
    int clicks = 0;
    save.SetOnClick([&] { ++clicks; });

    EXPECT_NE(GetWindowLongW(save.GetHandle(), GWL_STYLE) & BS_DEFPUSHBUTTON, 0);
    SendMessageW(save.GetHandle(), BM_CLICK, 0, 0);
    SendMessageW(window.GetHandle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 12345);
    EXPECT_EQ(clicks, 2);
}

TEST(ControlButton, EnterInADialogWindowPressesTheDefaultButtonOnly) {
    TDialogWindowList dialogWindows;
    TWindow window(L"enter", true, &dialogWindows);
    TControlEdit edit(window);
    TControlButton help(window, L"Help", false);
    TControlButton save(window, L"Save", true);
    int saves = 0;
    int helps = 0;
    save.SetOnClick([&] { ++saves; });
    help.SetOnClick([&] { ++helps; });
    window.Show(true);
    SetFocus(edit.GetHandle());

    PressKeyInDialog(dialogWindows, edit.GetHandle(), VK_RETURN);

    EXPECT_EQ(saves, 1);
    EXPECT_EQ(helps, 0);
}

TEST(ControlCancelHandler, EscapeInADialogWindowRunsTheCancelHandler) {
    TDialogWindowList dialogWindows;
    TWindow window(L"escape", true, &dialogWindows);
    TControlButton button(window, L"Close", false);
    TControlCancelHandler cancel(window);
    int cancels = 0;
    int clicks = 0;
    cancel.SetOnCancel([&] { ++cancels; });
    button.SetOnClick([&] { ++clicks; });
    window.Show(true);
    SetFocus(button.GetHandle());

    PressKeyInDialog(dialogWindows, button.GetHandle(), VK_ESCAPE);

    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(IsWindowVisible(window.GetHandle()));
}

TEST(ControlCancelHandler, OnlyIdCancelReachesIt) {
    TWindow window(L"cancel", false, nullptr);
    TControlCancelHandler cancel(window);
    int cancels = 0;
    cancel.SetOnCancel([&] { ++cancels; });
    SendMessageW(window.GetHandle(), WM_COMMAND, IDOK, 0);
    SendMessageW(window.GetHandle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 99);
    EXPECT_EQ(cancels, 1);
}

class TwoStateButton : public ::testing::Test {
protected:
    TwoStateButton() : Window(L"two states", true, nullptr), Button(Window, L"Record sound") {
        Button.Move(TPoint{10, 10}, TSize{120, 30});
        Button.SetOnPress([this] { Events.push_back("press"); });
        Button.SetOnRelease([this] { Events.push_back("release"); });
    }

    void SendMouse(UINT message, WPARAM keys, int x, int y) {
        SendMessageW(Button.GetHandle(), message, keys, MAKELPARAM(x, y));
    }

    TWindow Window;
    TControlTwoStateButton Button;
    std::vector<std::string> Events;
};

TEST_F(TwoStateButton, AMouseClickRaisesPressThenReleaseOnce) {
    SendMouse(WM_LBUTTONDOWN, MK_LBUTTON, 20, 10);
    EXPECT_EQ(Events, (std::vector<std::string>{"press"}));
    SendMouse(WM_MOUSEMOVE, MK_LBUTTON, 25, 12);
    SendMouse(WM_LBUTTONUP, 0, 25, 12);
    PumpPendingMessages();
    EXPECT_EQ(Events, (std::vector<std::string>{"press", "release"}));
}

TEST_F(TwoStateButton, DraggingOffTheHeldButtonReleasesItWhileTheMouseButtonIsDown) {
    SendMouse(WM_LBUTTONDOWN, MK_LBUTTON, 20, 10);
    SendMouse(WM_MOUSEMOVE, MK_LBUTTON, 300, 200);
    EXPECT_EQ(Events, (std::vector<std::string>{"press", "release"}));
    SendMouse(WM_LBUTTONUP, 0, 300, 200);
    PumpPendingMessages();
    EXPECT_EQ(Events, (std::vector<std::string>{"press", "release"}));
}

TEST_F(TwoStateButton, TheSpaceBarHoldsItLikeTheMouse) {
    SetFocus(Button.GetHandle());
    SendMessageW(Button.GetHandle(), WM_KEYDOWN, VK_SPACE, 1);
    SendMessageW(Button.GetHandle(), WM_KEYDOWN, VK_SPACE, 0x40000001);  // auto-repeat
    EXPECT_EQ(Events, (std::vector<std::string>{"press"}));
    SendMessageW(Button.GetHandle(), WM_KEYUP, VK_SPACE, 0xC0000001);
    PumpPendingMessages();
    EXPECT_EQ(Events, (std::vector<std::string>{"press", "release"}));
}

TEST_F(TwoStateButton, AFailingHandlerIsReportedAndTheButtonKeepsWorking) {
    std::vector<std::string> reported;
    SetHandlerFailureReporter([&](const std::string& message) { reported.push_back(message); });
    Button.SetOnPress([] { throw std::runtime_error("recorder: no device"); });

    SendMouse(WM_LBUTTONDOWN, MK_LBUTTON, 20, 10);
    SendMouse(WM_LBUTTONUP, 0, 20, 10);
    PumpPendingMessages();
    SetHandlerFailureReporter(nullptr);

    EXPECT_EQ(reported, (std::vector<std::string>{"recorder: no device"}));
    EXPECT_EQ(Events, (std::vector<std::string>{"release"}));
}

TEST(ControlCheckBox, AClickFlipsTheMarkAndRaisesTheHandlerOnce) {
    TWindow window(L"check", true, nullptr);
    TControlCheckBox check(window, L"AddNotification");
    int changes = 0;
    check.SetOnChange([&] { ++changes; });
    EXPECT_FALSE(check.IsChecked());

    SendMessageW(check.GetHandle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(check.IsChecked());
    EXPECT_EQ(changes, 1);
    SendMessageW(check.GetHandle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(check.IsChecked());
    EXPECT_EQ(changes, 2);
}

TEST(ControlCheckBox, SettingTheCurrentStateStillRaisesTheHandler) {
    TWindow window(L"check", false, nullptr);
    TControlCheckBox check(window, L"Enabled");
    int changes = 0;
    check.SetOnChange([&] { ++changes; });
    check.SetChecked(false);
    EXPECT_EQ(changes, 1);
    check.SetChecked(true);
    check.SetChecked(true);
    EXPECT_TRUE(check.IsChecked());
    EXPECT_EQ(changes, 3);
}
