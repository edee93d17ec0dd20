#include "app/scheduler/RepeatedActionProcessor.h"

namespace {

const UINT_PTR TimerIdentifier = 0;

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
    : TControl(owner), Action(std::move(action)) {
    if (Action) {
        SetTimer(GetWindow().GetHandle(), TimerIdentifier, static_cast<UINT>(periodSeconds * 1000), nullptr);
    }
}

TRepeatedAction::TMessageProcessor::~TMessageProcessor() { KillTimer(GetWindow().GetHandle(), TimerIdentifier); }

bool TRepeatedAction::TMessageProcessor::ProcessMessage(TMessage& message) {
    if (message.message != WM_TIMER) {
        return false;
    }
    message.result = 0;
    if (!Busy) {
        TBusyScope busy(Busy);
        RunHandler(Action);
    }
    return true;
}
