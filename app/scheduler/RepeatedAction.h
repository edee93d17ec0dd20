#pragma once

#include "ui/Handler.h"

#include <memory>

class TWindow;

// Runs an action on the GUI thread once per period, from a system timer on a hidden window, just
// after each whole period of the local clock (see TickDelay.h). A tick that comes while the action
// still runs (from a message loop inside it) is dropped.
class TRepeatedAction {
public:
    class TMessageProcessor;

    // An empty action starts no timer. The period is in seconds, cut to whole milliseconds.
    TRepeatedAction(THandler action, double periodSeconds);
    ~TRepeatedAction();
    TRepeatedAction(const TRepeatedAction&) = delete;
    TRepeatedAction& operator=(const TRepeatedAction&) = delete;

private:
    std::unique_ptr<TWindow> Window;
    std::unique_ptr<TMessageProcessor> Processor;
};
