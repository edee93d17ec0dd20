#pragma once

#include "app/scheduler/RepeatedAction.h"
#include "ui/Window.h"

// Owns the timer (identifier 0) of its window and runs the action on each of its ticks. A tick that
// strays from the clock sets the timer anew, for just after the next whole period of the local
// clock. What the action throws goes on to the window procedure, which reports it; the next tick
// runs the action again.
class TRepeatedAction::TMessageProcessor : public TWindow::TControl {
public:
    TMessageProcessor(TWindow& owner, THandler action, double periodSeconds);
    ~TMessageProcessor() override;

    bool ProcessMessage(TMessage& message) override;

private:
    THandler Action;
    UINT PeriodMilliseconds;
    // What the timer was last given.
    UINT ElapseMilliseconds = 0;
    bool Busy = false;
};
