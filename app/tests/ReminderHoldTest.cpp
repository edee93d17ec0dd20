// Whether a due reminder waits, as the running instance decides it on its scheduler's ticks: the
// system's answer replaced through the import table, and Wine's own, where the program's look at
// the foreground window is all there is.
#include "app/DueReminderCheck.h"
#include "app/hold/HoldLine.h"
#include "app/hold/ReminderHold.h"
#include "app/settings/SettingsFile.h"
#include "app/hold/SystemHold.h"
#include "app/tray/TrayTooltip.h"
#include "app/scheduler/RepeatedAction.h"
#include "store/NotificationsDb.h"
#include "windows/NotificationWindow.h"

#include "tests/support/DesktopDriver.h"
#include "tests/support/ImportReplacement.h"
#include "tests/support/MessagePumping.h"
#include "tests/support/ProgramFiles.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;

using TReason = TReminderHold::TReason;
using TQueryState = decltype(&SHQueryUserNotificationState);

// The system's answer while a test replaces it: a state, or a failure for 0.
QUERY_USER_NOTIFICATION_STATE SystemState = QUNS_ACCEPTS_NOTIFICATIONS;
int SystemQuestions = 0;

HRESULT WINAPI AnswerState(QUERY_USER_NOTIFICATION_STATE* state) {
    ++SystemQuestions;
    *state = SystemState;
    return SystemState == 0 ? E_FAIL : S_OK;
}

class ReminderHold : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        Folder = fs::path(temp) / (L"nudgely-hold-" + std::to_wstring(GetCurrentProcessId()));
        fs::remove_all(Folder);
        fs::create_directories(Folder);
        Store = std::make_unique<TNotificationsDb>((Folder / L"notifications").wstring());
        Window = std::make_unique<TNotificationWindow>(DialogWindows, *Store, [this] { return Now; });
        Settings = std::make_unique<TSettingsFile>((Folder / L"settings").wstring());
        Hold = std::make_unique<TReminderHold>(*Settings, [this] { return Now; });
        Check = std::make_unique<TDueReminderCheck>(*Window, *Store, [this] { return Now; },
                                                    [this] { return Hold->IsHolding(); });
    }

    void TearDown() override {
        Check.reset();
        Hold.reset();
        Window.reset();
        Store.reset();
        fs::remove_all(Folder);
    }

    void Tick() {
        Hold->FollowTick();
        Check->Run();
    }

    fs::path Folder;
    TDialogWindowList DialogWindows;
    std::unique_ptr<TNotificationsDb> Store;
    std::unique_ptr<TNotificationWindow> Window;
    std::unique_ptr<TSettingsFile> Settings;
    std::unique_ptr<TReminderHold> Hold;
    std::unique_ptr<TDueReminderCheck> Check;
    TDateTimeText Now = "2026.12.09 15:00:00";
};

// (the system's state, quiet, the user's choice) -> held or shown; the system is asked only when
// quiet leaves the choice to it and the user lets it decide.
TEST_F(ReminderHold, WaitsWhileTheSystemHoldsOrTheUserAsksForQuietAndIsAskedOnlyWhenThatDecides) {
    TQueryState original = nullptr;
    const TImportReplacement<TQueryState> query("SHQueryUserNotificationState", &AnswerState, original);
    ASSERT_TRUE(query.IsReplacing());
    const TQuietTime off;
    const TQuietTime half = TQuietTime::For(Now, "00:30:00");
    const TQuietTime over = TQuietTime::For("2026.12.09 14:00:00", "00:30:00");
    const TQuietTime untilOff{TQuietTime::TKind::UntilTurnedOff, ""};
    const QUERY_USER_NOTIFICATION_STATE failed = QUERY_USER_NOTIFICATION_STATE(0);
    // Windows 8's, beyond the headers of the systems the program is built for.
    const QUERY_USER_NOTIFICATION_STATE storeApp = QUERY_USER_NOTIFICATION_STATE(7);
    const struct {
        QUERY_USER_NOTIFICATION_STATE State;
        TQuietTime Quiet;
        bool Choice;
        TReason Held;
    } cases[] = {
        {QUNS_ACCEPTS_NOTIFICATIONS, off, true, TReason::None},
        {QUNS_BUSY, off, true, TReason::FullScreen},
        {QUNS_RUNNING_D3D_FULL_SCREEN, off, true, TReason::FullScreen},
        {QUNS_PRESENTATION_MODE, off, true, TReason::Windows},
        {QUNS_QUIET_TIME, off, true, TReason::Windows},
        {QUNS_NOT_PRESENT, off, true, TReason::None},
        {storeApp, off, true, TReason::None},
        {failed, off, true, TReason::None},
        {QUNS_BUSY, off, false, TReason::None},
        {QUNS_PRESENTATION_MODE, off, false, TReason::None},
        {QUNS_ACCEPTS_NOTIFICATIONS, half, false, TReason::Quiet},
        {QUNS_BUSY, untilOff, true, TReason::Quiet},
        {QUNS_BUSY, over, true, TReason::FullScreen},
    };
    Store->AddNotification(TNotification("2026.12.09 14:59:00", L"due"));
    for (const auto& test : cases) {
        const auto where = "case " + std::to_string(&test - cases);
        Hold->SetHoldDuringFullScreen(test.Choice);
        Hold->SetQuiet(test.Quiet);
        SystemState = test.State;
        SystemQuestions = 0;
        Tick();
        EXPECT_EQ(Window->IsShowingNotification(), test.Held == TReason::None) << where;
        EXPECT_EQ(Hold->GetReason(), test.Held) << where;
        EXPECT_EQ(SystemQuestions, test.Choice && test.Held != TReason::Quiet ? 1 : 0) << where;
        if (Window->IsShowingNotification()) {
            SendMessageW(FindControl(FindWindowW(nullptr, L"Notification"), L"Button", L"Close"), BM_CLICK, 0, 0);
            Store->AddNotification(TNotification("2026.12.09 14:59:00", L"due"));
        }
        EXPECT_EQ(Store->GetEarliestNotification().Text, L"due") << where << ": a held reminder stays as it is";
    }
    Store->DeleteNotification(Store->GetEarliestNotification().Id);
    SystemQuestions = 0;
    for (int tick = 0; tick < 5; ++tick) {
        Tick();
    }
    EXPECT_EQ(SystemQuestions, 0) << "asked on idle ticks";
    EXPECT_EQ(Hold->GetReason(), TReason::None) << "a hold no reminder waits for shows no more";
}

// A series that fell due again and again while a presentation ran is shown once when it ends, on
// the next tick, and goes on after now when closed; the tooltip counted it meanwhile. Quiet
// asked for while it is on screen counts only the others as waiting.
TEST_F(ReminderHold, WhenTheHoldEndsTheNextTickShowsTheSeriesOnceAndTheTooltipToldWhy) {
    TQueryState original = nullptr;
    const TImportReplacement<TQueryState> query("SHQueryUserNotificationState", &AnswerState, original);
    std::wstring tooltip;
    TTrayTooltip tip(*Store, [&tooltip](const std::wstring& text) { tooltip = text; }, [this] { return Now; },
                     [this] { return DescribeHold(Hold->GetReason(), Hold->GetQuiet(), Now); },
                     [this] { return Window->GetShownId(); });
    Hold->SetOnChange([&tip] { tip.Update(); });
    TNotification series("2026.12.09 12:00:00", L"Stretch");
    series.Repeat = "every 30 minutes";
    Store->AddNotification(series);
    SystemState = QUNS_BUSY;
    Tick();
    Tick();
    EXPECT_FALSE(Window->IsShowingNotification());
    EXPECT_EQ(tooltip.substr(0, 46), L"Nudgely\nHeld while a full-screen program runs\n");
    EXPECT_NE(tooltip.find(L"\n1 reminder waiting"), std::wstring::npos) << tooltip;
    SystemState = QUNS_ACCEPTS_NOTIFICATIONS;
    Tick();
    tip.FollowTime();
    EXPECT_TRUE(Window->IsShowingNotification());
    EXPECT_EQ(tooltip.find(L"Held"), std::wstring::npos) << tooltip;
    Store->AddNotification(TNotification("2026.12.09 14:00:00", L"Call back"));
    Hold->SetQuiet(TQuietTime::For(Now, "00:30:00"));
    EXPECT_NE(tooltip.find(L"Call back\n1 reminder waiting"), std::wstring::npos) << tooltip;
    SendMessageW(FindControl(FindWindowW(nullptr, L"Notification"), L"Button", L"Close"), BM_CLICK, 0, 0);
    TNotificationsDb::TIterator last = Store->Begin();
    last.Next();
    EXPECT_EQ(last.Current().Date, "2026.12.09 15:30:00");
}

// A window of the test's own covers the screen, as a slide show or a game would; Wine's shell
// always answers that notifications are welcome.
TEST_F(ReminderHold, UnderWineAFullScreenWindowHoldsTheReminderWhichComesWithinTwoSecondsOfItsClosing) {
    HWND fullScreen = CreateWindowExW(0, L"Static", L"full screen", WS_POPUP | WS_VISIBLE, 0, 0,
                                      GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                      nullptr, nullptr);
    ASSERT_NE(fullScreen, nullptr);
    ASSERT_TRUE(FocusWindow(fullScreen) && SetForegroundWindow(fullScreen));
    ASSERT_TRUE(PumpMessagesUntil([] { return IsForegroundWindowFullScreen(); }, 2000));
    Store->AddNotification(TNotification("2026.12.09 14:59:00", L"due"));
    TRepeatedAction scheduler([this] { Tick(); }, 1.0);
    PumpMessagesFor(2500);
    EXPECT_FALSE(Window->IsShowingNotification()) << "shown over a full-screen window";
    EXPECT_EQ(Hold->GetReason(), TReason::FullScreen);

    DestroyWindow(fullScreen);
    const ULONGLONG closed = GetTickCount64();
    EXPECT_TRUE(PumpMessagesUntil([this] { return Window->IsShowingNotification(); }, 3000));
    EXPECT_LT(GetTickCount64() - closed, 2000u);
    EXPECT_EQ(Hold->GetReason(), TReason::None);
}

}  // namespace
