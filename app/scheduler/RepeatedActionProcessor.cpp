#include "app/scheduler/RepeatedActionProcessor.h"

#include "app/scheduler/TickDelay.h"

#include <algorithm>

namespace {

const UINT_PTR TimerIdentifier = 0;

unsigned ReadLocalMillisecondOfDay() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return ((now.wHour * 60u + now.wMinute) * 60u + now.wSecond) * 1000u + now.wMilliseconds;
}

// Clears the flag however the scope is left, also by an exception.
class TBusyScope {
public:
    explicit TBusyScope(bool& busy) : Busy(busy) { Busy = true; }
    ~TBusyScope() { Busy = false; }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

private:
    bool& Busy;
};

}  // namespace

TRepeatedAction::TMessageProcessor::TMessageProcessor(TWindow& owner, THandler action, double periodSeconds)
    : TControl(owner), Action(std::move(action)),
      PeriodMilliseconds(std::max<UINT>(1, static_cast<UINT>(periodSeconds * 1000))) {
    if (Action) {
        ElapseMilliseconds = GetDelayToFirstTick(ReadLocalMillisecondOfDay(), PeriodMilliseconds);
        SetTimer(GetWindow().GetHandle(), TimerIdentifier, ElapseMilliseconds, nullptr);
    }
}

TRepeatedAction::TMessageProcessor::~TMessageProcessor() { KillTimer(GetWindow().GetHandle(), TimerIdentifier); }

bool TRepeatedAction::TMessageProcessor::ProcessMessage(TMessage& message) {
    if (message.message != WM_TIMER) {
        return false;
    }
    message.result = 0;
    // Looked at on every tick, also a dropped one: a timer keeps the elapse it was last given,
    // and only the clock tells whether the ticks still keep to it.
    const UINT elapse = Action ? GetTimerElapse(ReadLocalMillisecondOfDay(), PeriodMilliseconds) : ElapseMilliseconds;
    if (elapse != ElapseMilliseconds) {
        ElapseMilliseconds = elapse;
        SetTimer(GetWindow().GetHandle(), TimerIdentifier, ElapseMilliseconds, nullptr);
    }
    if (!Busy) {
        TBusyScope busy(Busy);
        RunHandler(Action);
    }
    return true;
}
