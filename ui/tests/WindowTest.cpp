#include "ui/HandlerFailure.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const UINT TestMessage = WM_APP + 7;

// Records the order in which messages and paints reach it; takes TestMessage when told to.
class TRecordingControl : public TWindow::TControl {
public:
    TRecordingControl(TWindow& owner, std::vector<int>& log, int name, bool takes, LRESULT result = 0)
        : TControl(owner), Log(log), Name(name), Takes(takes), Result(result) {}
    ~TRecordingControl() override { Log.push_back(-Name); }

    bool ProcessMessage(TMessage& message) override {
        if (message.message != TestMessage) {
            return false;
        }
        Log.push_back(Name);
        if (Takes) {
            message.result = Result;
        }
        return Takes;
    }

    void Paint(HDC dc) override {
        Log.push_back(100 + Name);
        PaintedOn = dc;
    }

    HDC PaintedOn = nullptr;

private:
    std::vector<int>& Log;
    int Name;
    bool Takes;
    LRESULT Result;
};

class TThrowingControl : public TWindow::TControl {
public:
    using TControl::TControl;
    bool ProcessMessage(TMessage& message) override {
        if (message.message == TestMessage) {
            throw std::runtime_error("TThrowingControl: broken");
        }
        return false;
    }
};

void PumpPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

COLORREF ReadPixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

}  // namespace

TEST(WindowCore, MessagesReachControlsInOrderAndTheFirstTakerDecides) {
    std::vector<int> log;
    TWindow window(L"routing", false, nullptr);
    new TRecordingControl(window, log, 1, false);
    new TRecordingControl(window, log, 2, true, 42);
    new TRecordingControl(window, log, 3, true, 7);

    EXPECT_EQ(SendMessageW(window.GetHandle(), TestMessage, 0, 0), 42);
    EXPECT_EQ(log, (std::vector<int>{1, 2}));
}

TEST(WindowCore, AMessageNoControlTakesGoesToTheDefaultProcedure) {
    std::vector<int> log;
    TWindow window(L"seven chars", false, nullptr);
    new TRecordingControl(window, log, 1, false);
    EXPECT_EQ(SendMessageW(window.GetHandle(), WM_GETTEXTLENGTH, 0, 0), 11);
}

TEST(WindowCore, ClosingWithoutHandlerLeavesTheWindowOpenAndTheHandlerRunsOtherwise) {
    TWindow window(L"close", true, nullptr);
    SendMessageW(window.GetHandle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window.GetHandle()));
    EXPECT_TRUE(IsWindowVisible(window.GetHandle()));

    int closes = 0;
    window.SetOnClose([&] { ++closes; });
    SendMessageW(window.GetHandle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(IsWindow(window.GetHandle()));
}

// A session that another program kept from ending goes on; only the end itself runs the handler.
TEST(WindowCore, TheSessionEndHandlerRunsOnlyWhenTheSessionReallyEnds) {
    TWindow window(L"session", false, nullptr);
    int ends = 0;
    window.SetOnSessionEnd([&] { ++ends; });
    EXPECT_EQ(SendMessageW(window.GetHandle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageW(window.GetHandle(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_EQ(ends, 0);
    SendMessageW(window.GetHandle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(ends, 1);
}

TEST(WindowCore, SizeHandlerRunsWhenTheWindowIsResized) {
    TWindow window(L"size", false, nullptr);
    int sizes = 0;
    window.SetOnSize([&] { ++sizes; });
    window.Move(TPoint{10, 20}, TSize{300, 200});
    EXPECT_GE(sizes, 1);
    EXPECT_EQ(window.GetPosition(), (TPoint{10, 20}));
    EXPECT_EQ(window.GetSize(), (TSize{300, 200}));
    const TSize client = window.GetClientSize();
    EXPECT_GT(client.width, 0);
    EXPECT_LE(client.width, 300);
    EXPECT_LT(client.height, 200);
}

TEST(WindowCore, PaintingFillsTheClientAreaWithTheBackgroundAndThenPaintsControlsInOrder) {
    std::vector<int> log;
    TWindow window(L"paint", true, nullptr);
    window.Move(TPoint{0, 0}, TSize{200, 150});
    auto* first = new TRecordingControl(window, log, 1, false);
    new TRecordingControl(window, log, 2, false);

    window.Redraw();
    PumpPendingMessages();

    EXPECT_EQ(log, (std::vector<int>{101, 102}));
    EXPECT_NE(first->PaintedOn, nullptr);
    const TSize client = window.GetClientSize();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(ReadPixel(window.GetHandle(), 0, 0), face);
    EXPECT_EQ(ReadPixel(window.GetHandle(), client.width - 1, client.height - 1), face);
    EXPECT_EQ(ReadPixel(window.GetHandle(), client.width / 2, client.height / 2), face);
}

TEST(WindowCore, DestroyingTheWindowDeletesItsRemainingControlsLastRegisteredFirst) {
    std::vector<int> log;
    HWND handle;
    {
        TWindow window(L"destroy", false, nullptr);
        handle = window.GetHandle();
        new TRecordingControl(window, log, 1, false);
        new TRecordingControl(window, log, 2, false);
        {
            TRecordingControl member(window, log, 3, false);
        }
        EXPECT_EQ(log, (std::vector<int>{-3}));
    }
    EXPECT_EQ(log, (std::vector<int>{-3, -2, -1}));
    EXPECT_FALSE(IsWindow(handle));
}

TEST(WindowCore, ManyWindowsShareTheOneWindowClass) {
    TWindow first(L"one", false, nullptr);
    TWindow second(L"two", false, nullptr);
    wchar_t className[32] = {};
    GetClassNameW(second.GetHandle(), className, 32);
    EXPECT_EQ(std::wstring(className), L"TWindow");
    EXPECT_NE(first.GetHandle(), nullptr);
    EXPECT_NE(second.GetHandle(), nullptr);
}

TEST(WindowCore, DialogWindowListKeepsTheOthersWhenOneIsDestroyed) {
    TDialogWindowList list;
    auto first = std::make_unique<TWindow>(L"first", false, &list);
    TWindow second(L"second", false, &list);
    TWindow third(L"third", false, &list);
    ASSERT_EQ(list.size(), 3u);
    first.reset();
    EXPECT_EQ(list.size(), 2u);
    EXPECT_NE(std::find(list.begin(), list.end(), &second), list.end());
    EXPECT_NE(std::find(list.begin(), list.end(), &third), list.end());
}

TEST(WindowCore, TabMovesTheFocusWithinTheActiveDialogWindow) {
    TDialogWindowList list;
    TWindow other(L"other", true, &list);
    TWindow window(L"tabbing", true, &list);
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    HWND a = CreateWindowExW(0, L"button", L"a", style, 0, 0, 50, 20, window.GetHandle(), nullptr, nullptr, nullptr);
    HWND b = CreateWindowExW(0, L"button", L"b", style, 0, 30, 50, 20, window.GetHandle(), nullptr, nullptr, nullptr);
    window.Show(true);
    SetFocus(a);
    ASSERT_EQ(GetFocus(), a);

    PostMessageW(a, WM_KEYDOWN, VK_TAB, 0);
    PostMessageW(a, WM_KEYUP, VK_TAB, 0xC0000001);
    PostQuitMessage(0);
    RunMessageLoop(list);

    EXPECT_EQ(GetFocus(), b);
}

TEST(WindowCore, AnExceptionFromAControlIsReportedAndDoesNotLeaveTheWindowProcedure) {
    std::vector<std::string> reported;
    SetHandlerFailureReporter([&](const std::string& message) { reported.push_back(message); });
    TWindow window(L"throwing", false, nullptr);
    new TThrowingControl(window);
    EXPECT_EQ(SendMessageW(window.GetHandle(), TestMessage, 0, 0), 0);
    SetHandlerFailureReporter(nullptr);
    EXPECT_EQ(reported, (std::vector<std::string>{"TThrowingControl: broken"}));
}

TEST(WindowCore, MessageLoopEndsOnQuitAndDispatchesWhatCameBefore) {
    std::vector<int> log;
    TWindow window(L"loop", false, nullptr);
    new TRecordingControl(window, log, 1, true);
    PostMessageW(window.GetHandle(), TestMessage, 0, 0);
    PostQuitMessage(0);
    RunMessageLoop(TDialogWindowList{});
    EXPECT_EQ(log, (std::vector<int>{1}));
}

namespace {

void MoveOffScreen(HWND window) {
    SetWindowPos(window, nullptr, 3000, 2500, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

}  // namespace

TEST(WindowShow, RestoresAMinimizedWindowAndMovesOneOffScreenIntoTheWorkArea) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const std::vector<std::function<void(HWND)>> displacements = {
        [](HWND window) { ShowWindow(window, SW_MINIMIZE); }, &MoveOffScreen};
    for (const auto& displace : displacements) {
        TWindow window(L"shown", false, nullptr);
        window.Move(TPoint{100, 100}, TSize{300, 200});
        window.Show(false);
        displace(window.GetHandle());
        window.Show(false);
        EXPECT_TRUE(IsWindowVisible(window.GetHandle()));
        EXPECT_FALSE(IsIconic(window.GetHandle()));
        RECT shown{};
        GetWindowRect(window.GetHandle(), &shown);
        EXPECT_EQ(shown.right - shown.left, 300);
        EXPECT_GE(shown.left, work.left);
        EXPECT_GE(shown.top, work.top);
        EXPECT_LE(shown.right, work.right);
        EXPECT_LE(shown.bottom, work.bottom);
    }
}
