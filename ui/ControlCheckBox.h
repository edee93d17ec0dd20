#pragma once

#include "ui/ChildWindow.h"
#include "ui/Window.h"

#include <string>

// A check box whose mark the control flips itself; every change, also from the program, is
// reported.
class TControlCheckBox : public TWindow::TControl {
public:
    TControlCheckBox(TWindow& owner, const std::wstring& caption);

    HWND GetHandle() const { return Native.GetHandle(); }
    void Move(TPoint position, TSize size) { Native.Move(position, size); }
    TSize GetPreferredSize() const;
    bool IsChecked() const;
    void SetChecked(bool checked);
    void SetOnChange(THandler handler) { OnChange = std::move(handler); }

    bool ProcessMessage(TMessage& message) override;

private:
    std::wstring Caption;
    THandler OnChange;
    TChildWindow Native;  // last, so that it goes first
};
