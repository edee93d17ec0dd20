#include "app/scheduler/RepeatedAction.h"
#include "app/scheduler/RepeatedActionProcessor.h"
#include "app/scheduler/TickDelay.h"
#include "ui/HandlerFailure.h"

#include "tests/support/MessagePumping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Counts the timer messages that reach its window, without taking them.
class TTimerRecorder : public TWindow::TControl {
public:
    using TControl::TControl;
    bool ProcessMessage(TMessage& message) override {
        if (message.message == WM_TIMER) {
            ++Ticks;
        }
        return false;
    }
    int Ticks = 0;
};

// Captures what window procedures report instead of showing it, for one test.
class TCapturedFailures {
public:
    TCapturedFailures() {
        SetHandlerFailureReporter([this](const std::string& message) { Messages.push_back(message); });
    }
    ~TCapturedFailures() { SetHandlerFailureReporter(nullptr); }
    std::vector<std::string> Messages;
};

}  // namespace

TEST(RepeatedAction, RunsTheActionOncePerPeriod) {
    int runs = 0;
    {
        TRepeatedAction action([&] { ++runs; }, 0.05);
        EXPECT_TRUE(PumpMessagesUntil([&] { return runs >= 4; }, 3000));
    }
    const int runsWhenDestroyed = runs;
    PumpMessagesFor(200);
    EXPECT_EQ(runs, runsWhenDestroyed);
}

TEST(RepeatedAction, TheFirstTickComesOnePeriodAfterTheStart) {
    int runs = 0;
    TRepeatedAction action([&] { ++runs; }, 0.4);
    PumpMessagesFor(150);
    EXPECT_EQ(runs, 0);
    EXPECT_TRUE(PumpMessagesUntil([&] { return runs == 1; }, 2000));
}

TEST(RepeatedActionProcessor, AnEmptyActionStartsNoTimer) {
    TWindow window(L"timer host", false, nullptr);
    TTimerRecorder recorder(window);
    TRepeatedAction::TMessageProcessor processor(window, THandler(), 0.02);
    PumpMessagesFor(250);
    EXPECT_EQ(recorder.Ticks, 0);
}

TEST(RepeatedActionProcessor, KillsItsTimerWhenDestroyed) {
    TWindow window(L"timer host", false, nullptr);
    TTimerRecorder recorder(window);
    auto processor = std::make_unique<TRepeatedAction::TMessageProcessor>(window, [] {}, 0.02);
    ASSERT_TRUE(PumpMessagesUntil([&] { return recorder.Ticks >= 2; }, 2000));
    processor.reset();
    const int ticksWhenDestroyed = recorder.Ticks;
    PumpMessagesFor(250);
    EXPECT_EQ(recorder.Ticks, ticksWhenDestroyed);
}

TEST(RepeatedActionProcessor, DropsTicksThatArriveWhileTheActionRuns) {
    TWindow window(L"timer host", false, nullptr);
    int depth = 0;
    int deepest = 0;
    int runs = 0;
    LRESULT nestedResult = -1;
    TRepeatedAction::TMessageProcessor processor(
        window,
        [&] {
            ++runs;
            ++depth;
            deepest = std::max(deepest, depth);
            if (runs == 1) {
                nestedResult = SendMessageW(window.GetHandle(), WM_TIMER, 0, 0);
                // Real ticks come in through this nested loop, as through a message box or menu.
                PumpMessagesFor(200);
            }
            --depth;
        },
        0.02);
    TTimerRecorder behind(window);

    ASSERT_TRUE(PumpMessagesUntil([&] { return runs >= 2; }, 3000));
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(nestedResult, 0);
    EXPECT_EQ(behind.Ticks, 0);
}

TEST(RepeatedActionProcessor, AFailingActionIsReportedAndTheNextTicksStillRunIt) {
    TCapturedFailures failures;
    TWindow window(L"timer host", false, nullptr);
    int runs = 0;
    TRepeatedAction::TMessageProcessor processor(
        window,
        [&] {
            if (++runs == 1) {
                throw std::runtime_error("due check failed");
            }
        },
        0.02);
    EXPECT_TRUE(PumpMessagesUntil([&] { return runs >= 3; }, 3000));
    ASSERT_EQ(failures.Messages.size(), 1u);
    EXPECT_EQ(failures.Messages[0], "due check failed");
}

TEST(TickDelay, TicksComeJustAfterTheNextWholePeriodAndTheFirstNoSoonerThanOnePeriod) {
    struct TCase {
        unsigned MillisecondOfDay;
        unsigned Period;
        unsigned Next;
        unsigned First;
        unsigned Elapse;
    };
    const TCase cases[] = {
        {0, 1000, 1010, 1010, 1010},        // on a whole second
        {10, 1000, 1000, 1000, 1000},       // a tick on time
        {25, 1000, 985, 1985, 1000},        // a tick a little late keeps the timer as it is
        {45, 1000, 965, 1965, 965},         // a tick too late
        {999, 1000, 11, 1011, 11},          // a tick early, before its second
        {86399999, 1000, 11, 1011, 11},     // the day's last millisecond
        {3600500, 1000, 510, 1510, 510},    // half a second
        {1234, 400, 376, 776, 376},         // another period
    };
    for (const TCase& tick : cases) {
        EXPECT_EQ(GetDelayToNextTick(tick.MillisecondOfDay, tick.Period), tick.Next) << tick.MillisecondOfDay;
        EXPECT_EQ(GetDelayToFirstTick(tick.MillisecondOfDay, tick.Period), tick.First) << tick.MillisecondOfDay;
        EXPECT_EQ(GetTimerElapse(tick.MillisecondOfDay, tick.Period), tick.Elapse) << tick.MillisecondOfDay;
    }
}

TEST(RepeatedAction, TicksJustAfterTheWholePeriodsOfTheLocalClock) {
    std::vector<unsigned> phases;
    TRepeatedAction action(
        [&] {
            SYSTEMTIME now;
            GetLocalTime(&now);
            phases.push_back(now.wMilliseconds % 200u);
        },
        0.2);
    ASSERT_TRUE(PumpMessagesUntil([&] { return phases.size() >= 5; }, 5000));
    for (const unsigned phase : phases) {
        EXPECT_LT(phase, 100u);
    }
}
