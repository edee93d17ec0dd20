#include "app/scheduler/RepeatedAction.h"

#include "app/scheduler/RepeatedActionProcessor.h"

TRepeatedAction::TRepeatedAction(THandler action, double periodSeconds)
    : Window(new TWindow(L"dummy", false, nullptr)),
      Processor(new TMessageProcessor(*Window, std::move(action), periodSeconds)) {}

TRepeatedAction::~TRepeatedAction() = default;
