#pragma once

#include "ui/Window.h"

// Turns Escape in a dialog window (IDCANCEL from the dialog key handling) into a handler call.
class TControlCancelHandler : public TWindow::TControl {
public:
    explicit TControlCancelHandler(TWindow& owner) : TControl(owner) {}

    void SetOnCancel(THandler handler) { OnCancel = std::move(handler); }

    bool ProcessMessage(TMessage& message) override;

private:
    THandler OnCancel;
};
