#include "tests/support/MessagePumping.h"
#include "sound/DeviceMessagePump.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

const UINT FirstDeviceMessage = WM_APP + 1;
const UINT LastDeviceMessage = WM_APP + 3;
const UINT OtherMessage = WM_APP + 10;

class TCountingControl : public TWindow::TControl {
public:
    using TControl::TControl;

    bool ProcessMessage(TMessage& message) override {
        if (message.message < FirstDeviceMessage || message.message > LastDeviceMessage) {
            return false;
        }
        ++Count;
        return true;
    }

    int Count = 0;
};

bool TakeWaitingMessage(HWND window, UINT message, MSG& taken) {
    return PeekMessageW(&taken, window, message, message, PM_REMOVE) != FALSE;
}

}  // namespace

TEST(DeviceMessagePump, PumpsOnlyTheDeviceMessagesOfItsWindow) {
    TWindow device(L"dummy", false, nullptr);
    TWindow other(L"dummy", false, nullptr);
    auto* deviceControl = new TCountingControl(device);
    auto* otherControl = new TCountingControl(other);
    PostMessageW(device.GetHandle(), OtherMessage, 0, 0);
    PostMessageW(other.GetHandle(), FirstDeviceMessage, 0, 0);
    PostMessageW(device.GetHandle(), FirstDeviceMessage, 0, 0);
    PostMessageW(device.GetHandle(), LastDeviceMessage, 0, 0);

    EXPECT_TRUE(PumpDeviceMessagesUntil(device.GetHandle(), FirstDeviceMessage, LastDeviceMessage,
                                        [&] { return deviceControl->Count == 2; }, 1000));

    EXPECT_EQ(deviceControl->Count, 2);
    EXPECT_EQ(otherControl->Count, 0);
    MSG waiting;
    EXPECT_TRUE(TakeWaitingMessage(device.GetHandle(), OtherMessage, waiting));
    EXPECT_TRUE(TakeWaitingMessage(other.GetHandle(), FirstDeviceMessage, waiting));
}

TEST(DeviceMessagePump, WakesAsSoonAsALateMessageArrives) {
    TWindow device(L"dummy", false, nullptr);
    auto* control = new TCountingControl(device);
    const HWND handle = device.GetHandle();
    std::thread poster([handle] {
        Sleep(200);
        PostMessageW(handle, FirstDeviceMessage, 0, 0);
    });

    bool finished = false;
    const ULONGLONG elapsed = MeasureMilliseconds([&] {
        finished = PumpDeviceMessagesUntil(handle, FirstDeviceMessage, LastDeviceMessage,
                                           [&] { return control->Count == 1; }, 10000);
    });
    poster.join();

    EXPECT_TRUE(finished);
    EXPECT_GE(elapsed, 150u);
    EXPECT_LT(elapsed, 5000u);
}

// Other windows' traffic neither ends the wait early nor stretches it.
TEST(DeviceMessagePump, GivesUpAtTheTimeLimitWhenTheDeviceStaysSilent) {
    TWindow device(L"dummy", false, nullptr);
    TWindow other(L"dummy", false, nullptr);
    PostMessageW(other.GetHandle(), FirstDeviceMessage, 0, 0);
    const HWND otherHandle = other.GetHandle();
    std::thread poster([otherHandle] {
        for (int i = 0; i < 10; ++i) {
            Sleep(20);
            PostMessageW(otherHandle, OtherMessage, 0, 0);
        }
    });

    bool finished = true;
    const ULONGLONG elapsed = MeasureMilliseconds([&] {
        finished = PumpDeviceMessagesUntil(device.GetHandle(), FirstDeviceMessage, LastDeviceMessage,
                                           [] { return false; }, 400);
    });
    poster.join();

    EXPECT_FALSE(finished);
    EXPECT_GE(elapsed, 390u);
    EXPECT_LT(elapsed, 1500u);
}

TEST(DeviceMessagePump, LeavesAQuitRequestForTheApplicationLoop) {
    TWindow device(L"dummy", false, nullptr);
    auto* control = new TCountingControl(device);
    PostQuitMessage(7);
    PostMessageW(device.GetHandle(), FirstDeviceMessage, 0, 0);

    EXPECT_TRUE(PumpDeviceMessagesUntil(device.GetHandle(), FirstDeviceMessage, LastDeviceMessage,
                                        [&] { return control->Count == 1; }, 1000));

    MSG message{};
    bool quitSeen = false;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitSeen = true;
            EXPECT_EQ(message.wParam, 7u);
        }
    }
    EXPECT_TRUE(quitSeen);
}
